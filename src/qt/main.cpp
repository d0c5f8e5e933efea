#include <QApplication>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <string>

#include "app/MainDialogTemplate.h"
#include "config/ConfigSearch.h"
#include "platform/Clock.h"
#include "platform/Files.h"
#include "qt/ApplicationIcon.h"
#include "qt/ExportFolderSetting.h"
#include "qt/QtDesigner.h"

namespace {

std::optional<std::string> Environment(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr || *value == '\0') {
    return std::nullopt;
  }
  return std::string(value);
}

}  // namespace

// grill-designer [--config PATH]: MenuConfig.txt is read from the working
// folder; without one there, from PATH or the user's configuration folder.
int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QString::fromUtf8(grill::kApplicationName));
  QApplication::setWindowIcon(grill::ApplicationIcon());

  grill::ConfigSearch search;
  for (int i = 1; i < argc; ++i) {
    if (std::string(argv[i]) == "--config" && i + 1 < argc) {
      search.commandLinePath = argv[++i];
    } else {
      std::cerr << "usage: grill-designer [--config PATH]\n";
      return 2;
    }
  }
  search.xdgConfigHome = Environment("XDG_CONFIG_HOME");
  search.home = Environment("HOME");
  search.executableFolder = QCoreApplication::applicationDirPath().toStdString();
  search.installPrefix = GRILL_INSTALL_PREFIX;

  grill::StdFiles files;
  grill::SystemClock clock;
  grill::QtDesigner designer(files, clock,
                             grill::StoredExportFolder(grill::StdFiles::DefaultExportFolder()),
                             "MenuConfig.txt", std::cerr, std::move(search));
  designer.Start();
  designer.Run();
  return 0;
}
