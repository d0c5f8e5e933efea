#include "platform/StateFolder.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace grill {
namespace {

constexpr const char* kFolderName = "varnel-grill-designer";

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? std::string(value) : std::string();
}

}  // namespace

std::string StateFolder() {
  std::filesystem::path base = Environment("XDG_STATE_HOME");
  // A relative value is invalid and ignored, as the base directory rules ask.
  if (base.empty() || !base.is_absolute()) {
    const std::string home = Environment("HOME");
    if (home.empty()) {
      return {};
    }
    base = std::filesystem::path(home) / ".local" / "state";
  }
  return (base / kFolderName).string();
}

std::string WorkingFolder() {
  std::error_code code;
  const std::filesystem::path folder = std::filesystem::current_path(code);
  return code ? std::string() : folder.string();
}

}  // namespace grill
