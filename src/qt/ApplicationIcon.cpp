#include "qt/ApplicationIcon.h"

#include <QDirIterator>

namespace grill {

// The build renders packaging/icons/varnel-grill-designer.svg in every size the desktop installs
// and compiles those PNGs in, so the windows show the very icon the menus and file managers do.
QIcon ApplicationIcon() {
  QIcon icon;
  QDirIterator sizes(QStringLiteral(":/icons/hicolor"), {QStringLiteral("*.png")}, QDir::Files,
                     QDirIterator::Subdirectories);
  while (sizes.hasNext()) {
    icon.addFile(sizes.next());
  }
  return icon;
}

}  // namespace grill
