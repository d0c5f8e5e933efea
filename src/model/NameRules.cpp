#include "model/NameRules.h"

#include <algorithm>

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

namespace grill {

namespace {

// "Kitchen" for "Kitchen (2)"; a name that does not end in " (N)" with N a
// number from 1 up, whole.
std::string_view Original(std::string_view name) {
  const std::size_t open = name.rfind(" (");
  if (open == std::string_view::npos || name.back() != ')' || open + 3 >= name.size()) {
    return name;
  }
  const std::string_view digits = name.substr(open + 2, name.size() - open - 3);
  const bool numbered =
      digits.front() != '0' &&
      std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; });
  return numbered ? name.substr(0, open) : name;
}

}  // namespace

std::string CopyName(std::string_view name, const std::function<bool(const std::string&)>& taken) {
  const std::string original(Original(name));
  for (int number = 2;; ++number) {
    std::string copy = original + " (" + std::to_string(number) + ")";
    if (!taken(copy)) {
      return copy;
    }
  }
}

}  // namespace grill
