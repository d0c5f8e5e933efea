#include "app/ExportLayout.h"

#include <filesystem>

namespace grill {

std::string JobFolderName(const std::string& jobPath, const std::string& unsaved) {
  const std::string stem = std::filesystem::path(jobPath).stem().string();
  return stem.empty() ? unsaved : stem;
}

}  // namespace grill
