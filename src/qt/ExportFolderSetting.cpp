#include "qt/ExportFolderSetting.h"

#include "qt/UserSettings.h"

namespace grill {
namespace {

const QString kExportFolderKey = QStringLiteral("export/folder");
const QString kFolderPerJobKey = QStringLiteral("export/folderPerJob");

}  // namespace

std::string StoredExportFolder(const std::string& fallback) {
  const QString folder = UserSettings().value(kExportFolderKey).toString();
  return folder.isEmpty() ? fallback : folder.toStdString();
}

void StoreExportFolder(const std::string& folder) {
  UserSettings().setValue(kExportFolderKey, QString::fromStdString(folder));
}

ExportLayout StoredExportLayout() {
  return UserSettings().value(kFolderPerJobKey, false).toBool() ? ExportLayout::kFolderPerJob
                                                                : ExportLayout::kExportFolder;
}

void StoreExportLayout(ExportLayout layout) {
  UserSettings().setValue(kFolderPerJobKey, layout == ExportLayout::kFolderPerJob);
}

}  // namespace grill
