#pragma once

#include <string>

#include "app/ExportLayout.h"

namespace grill {

// The export folder the user chose, remembered between sessions in the
// application's settings (key "export/folder"); `fallback` until one is chosen.
std::string StoredExportFolder(const std::string& fallback);
void StoreExportFolder(const std::string& folder);

// Whether Process All writes into one folder per job (key "export/folderPerJob", "true"
// or "false" whatever the locale); the export folder itself until chosen.
ExportLayout StoredExportLayout();
void StoreExportLayout(ExportLayout layout);

}  // namespace grill
