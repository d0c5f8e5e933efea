#include "ScriptLine.h"

#include <charconv>

#include "platform/Drawing.h"

namespace grill {

std::string_view WithoutCarriageReturn(std::string_view line) {
  if (!line.empty() && line.back() == '\r') {
    line.remove_suffix(1);
  }
  return line;
}

bool IsCommandLine(std::string_view line) {
  if (line.empty() || line.front() == '#') {
    return false;
  }
  return line.find_first_not_of(" \t") != std::string_view::npos;
}

ScriptLine SplitScriptLine(std::string_view line) {
  ScriptLine result;
  const size_t blank = line.find(' ');
  result.command = line.substr(0, blank);
  if (blank == std::string_view::npos) {
    return result;
  }
  result.rest = line.substr(blank + 1);
  std::string_view remaining = result.rest;
  while (true) {
    const size_t next = remaining.find(' ');
    result.words.push_back(remaining.substr(0, next));
    if (next == std::string_view::npos) {
      break;
    }
    remaining.remove_prefix(next + 1);
  }
  return result;
}

IdAndText SplitIdAndText(std::string_view rest) {
  const size_t blank = rest.find(' ');
  if (blank == std::string_view::npos) {
    return {rest, {}};
  }
  return {rest.substr(0, blank), rest.substr(blank + 1)};
}

int ParseScriptNumber(std::string_view word) {
  int value = 0;
  const char* end = word.data() + word.size();
  const auto result = std::from_chars(word.data(), end, value);
  if (word.empty() || result.ec != std::errc() || result.ptr != end) {
    throw ScriptError("malformed number '" + std::string(word) + "'");
  }
  return value;
}

unsigned ParseMouseFlags(std::string_view word) {
  if (word == "none") {
    return 0;
  }
  struct Named {
    std::string_view name;
    unsigned flag;
  };
  static constexpr Named kFlags[] = {{"left", kMouseLeft},
                                     {"right", kMouseRight},
                                     {"middle", kMouseMiddle},
                                     {"shift", kMouseShift},
                                     {"control", kMouseControl}};
  unsigned flags = 0;
  while (true) {
    const size_t plus = word.find('+');
    const std::string_view name = word.substr(0, plus);
    bool known = false;
    for (const Named& named : kFlags) {
      if (named.name == name) {
        flags |= named.flag;
        known = true;
      }
    }
    if (!known) {
      throw ScriptError("unknown mouse flag '" + std::string(name) + "'");
    }
    if (plus == std::string_view::npos) {
      return flags;
    }
    word.remove_prefix(plus + 1);
  }
}

}  // namespace grill
