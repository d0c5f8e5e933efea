#include "config/ConfigLength.h"

#include <algorithm>
#include <cmath>

#include "config/FieldText.h"
#include "model/Measurements.h"

namespace grill {
namespace {

bool IsLetter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// A value quoted in a message: on one line, and short enough to read.
std::string Quoted(std::string_view value) {
  constexpr size_t kLongestQuote = 80;
  std::string quoted;
  size_t i = 0;
  for (; i < value.size() && quoted.size() < kLongestQuote; ++i) {
    if (!IsLineBreak(value[i])) {
      quoted.push_back(value[i]);
    } else if (i == 0 || !IsLineBreak(value[i - 1])) {
      quoted.push_back(' ');
    }
  }
  return i < value.size() ? quoted + "..." : quoted;
}

}  // namespace

std::string_view Describe(LengthFault fault) {
  switch (fault) {
    case LengthFault::kUnreadable:
      return "invalid measurement";
    case LengthFault::kNegative:
      return "negative measurement";
    case LengthFault::kBeyondLimit:
      return "measurement beyond 10000 mm";
  }
  return {};
}

std::optional<LengthFault> CheckLength(double millimetres) {
  if (!std::isfinite(millimetres)) {
    return LengthFault::kUnreadable;
  }
  if (millimetres < 0.0) {
    return LengthFault::kNegative;
  }
  if (millimetres > kLongestConfigLength) {
    return LengthFault::kBeyondLimit;
  }
  return std::nullopt;
}

ConfigLength ReadConfigLength(std::string_view text) {
  int ok = 1;
  const double value = ParseMeasurement(text, ok);
  const auto unitWord = std::find_if(text.begin(), text.end(), IsLetter);
  if (ok == 0 || !std::all_of(unitWord, text.end(), IsLetter)) {
    return {value, LengthFault::kUnreadable};
  }
  return {value, CheckLength(value)};
}

std::string ValueFaultMessage(std::int32_t line, const ValueFault& fault) {
  return ConfigFaultMessage(line, Describe(fault.fault), fault.value);
}

std::string ConfigFaultMessage(std::int32_t line, std::string_view description,
                               std::string_view value) {
  return "Config Error:?Err Line " + FormatInteger(line) + ": " + std::string(description) + " " +
         Quoted(value);
}

}  // namespace grill
