#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace grill {

// No length of a shop's configuration comes near this: a larger one is a
// slip (a unit, a digit too many) that would change every piece it touches.
inline constexpr double kLongestConfigLength = 10'000.0;

enum class LengthFault {
  kUnreadable,  // not a number, or a number with more than a unit word after it
  kNegative,
  kBeyondLimit,
};

// "invalid measurement", "negative measurement", "measurement beyond 10000 mm".
std::string_view Describe(LengthFault fault);

// A value the reader refuses, as written, and why.
struct ValueFault {
  std::string value;
  LengthFault fault;
};

// A length from 0 to kLongestConfigLength passes.
std::optional<LengthFault> CheckLength(double millimetres);

struct ConfigLength {
  double millimetres = 0.0;
  std::optional<LengthFault> fault;
};

// A configuration length: a number or fraction, then nothing or a unit word
// of letters ("i", "in" and "inch" mean inches), checked by CheckLength. The
// value is ParseMeasurement's, so an accepted text reads as it always did;
// "1e308" is refused rather than read as 1 mm.
ConfigLength ReadConfigLength(std::string_view text);

// "Config Error:?Err Line 12: negative measurement SH=-500": the physical
// line (from 1) the record starts on, and the value as written, on one line
// and cut after 80 bytes.
std::string ValueFaultMessage(std::int32_t line, const ValueFault& fault);

// The same for a value other than a length: "Config Error:?Err Line 12:
// invalid bar count GEO58, 240i x -1".
std::string ConfigFaultMessage(std::int32_t line, std::string_view description,
                               std::string_view value);

}  // namespace grill
