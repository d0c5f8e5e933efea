#include "model/NameRules.h"

namespace grill {

bool HasControlCharacter(std::string_view text) {
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 32 || byte == 127) {
      return true;
    }
  }
  return false;
}

bool IsFileNameSafe(std::string_view text) {
  if (text == "." || text == "..") {
    return false;
  }
  return text.find_first_of("/\\:*?\"<>|") == std::string_view::npos && !HasControlCharacter(text);
}

bool IsAcceptableDesignName(std::string_view text) {
  const bool hidden =
      text.empty() || text.front() == '.' || text.find_first_not_of(' ') == std::string_view::npos;
  return !hidden && IsFileNameSafe(text) && text.find(',') == std::string_view::npos;
}

}  // namespace grill
