#include "qt/ExportFolderSetting.h"

#include "qt/UserSettings.h"

namespace grill {
namespace {

const QString kExportFolderKey = QStringLiteral("export/folder");

}  // namespace

std::string StoredExportFolder(const std::string& fallback) {
  const QString folder = UserSettings().value(kExportFolderKey).toString();
  return folder.isEmpty() ? fallback : folder.toStdString();
}

void StoreExportFolder(const std::string& folder) {
  UserSettings().setValue(kExportFolderKey, QString::fromStdString(folder));
}

}  // namespace grill
