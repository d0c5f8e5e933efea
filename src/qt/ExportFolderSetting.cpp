#include "qt/ExportFolderSetting.h"

#include <QSettings>

namespace grill {
namespace {

QSettings DesignerSettings() {
  return QSettings(QStringLiteral("Varnel"), QStringLiteral("Grill Designer"));
}

const QString kExportFolderKey = QStringLiteral("export/folder");

}  // namespace

std::string StoredExportFolder(const std::string& fallback) {
  const QString folder = DesignerSettings().value(kExportFolderKey).toString();
  return folder.isEmpty() ? fallback : folder.toStdString();
}

void StoreExportFolder(const std::string& folder) {
  DesignerSettings().setValue(kExportFolderKey, QString::fromStdString(folder));
}

}  // namespace grill
