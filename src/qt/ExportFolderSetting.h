#pragma once

#include <string>

namespace grill {

// The export folder the user chose, remembered between sessions in the
// application's settings (key "export/folder"); `fallback` until one is chosen.
std::string StoredExportFolder(const std::string& fallback);
void StoreExportFolder(const std::string& folder);

}  // namespace grill
