#include "export/CutNumbers.h"

#include <array>
#include <charconv>
#include <cmath>

namespace grill {
namespace {

// Below 2^30 the product value x 10^N is within 2^-24 of its exact value, so
// a fraction this far from one half rounds the same way as the exact decimal
// value does in printf.
constexpr double kLargestShortScaled = 1073741824.0;
constexpr double kTieMargin = 1e-6;

constexpr std::array<std::uint32_t, 10> kPowersOfTen = {
    1, 10, 100, 1000, 10000, 100000, 1000000, 10000000, 100000000, 1000000000};

constexpr char kDigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

// Writes the `count` last digits of `value` ending at `end`, leading zeros
// included; `end` is left where it was.
void WriteDigitsBack(char* end, std::uint32_t value, int count) {
  char* next = end;
  for (; count >= 2; count -= 2) {
    next -= 2;
    const char* pair = kDigitPairs + 2 * (value % 100);
    next[0] = pair[0];
    next[1] = pair[1];
    value /= 100;
  }
  if (count == 1) {
    *--next = static_cast<char>('0' + value % 10);
  }
}

template <int kDecimals>
char* WriteShort(char* out, double value) {
  constexpr std::uint32_t kUnitsPerWhole = kPowersOfTen[kDecimals];
  const double scaled = std::fabs(value) * static_cast<double>(kUnitsPerWhole);
  if (!(scaled < kLargestShortScaled)) {  // also true for NaN
    return nullptr;
  }
  // Below 2^30 the conversion truncates to the floor and the fraction is exact.
  const auto whole = static_cast<std::uint32_t>(scaled);
  const double fraction = scaled - whole;
  if (std::fabs(fraction - 0.5) <= kTieMargin) {
    return nullptr;
  }
  const std::uint32_t units = whole + (fraction > 0.5 ? 1u : 0u);
  const std::uint32_t integer = units / kUnitsPerWhole;
  const std::uint32_t decimals = units % kUnitsPerWhole;
  int integerDigits = 1;
  for (size_t power = 1; power < kPowersOfTen.size(); ++power) {
    integerDigits += integer >= kPowersOfTen[power] ? 1 : 0;
  }
  if (std::signbit(value)) {
    *out++ = '-';
  }
  // Both parts are written from their last digit back, two digits a step.
  char* const point = out + integerDigits;
  WriteDigitsBack(point, integer, integerDigits);
  if constexpr (kDecimals == 0) {
    return point;
  }
  *point = '.';
  WriteDigitsBack(point + 1 + kDecimals, decimals, kDecimals);
  return point + 1 + kDecimals;
}

}  // namespace

char* WriteShortFixed(char* out, double value, int decimals) {
  switch (decimals) {
    case 0:
      return WriteShort<0>(out, value);
    case 1:
      return WriteShort<1>(out, value);
    case 2:
      return WriteShort<2>(out, value);
    case 3:
      return WriteShort<3>(out, value);
    case 4:
      return WriteShort<4>(out, value);
    case 5:
      return WriteShort<5>(out, value);
    case 6:
      return WriteShort<6>(out, value);
    default:
      return nullptr;
  }
}

char* WriteInteger(char* out, std::int64_t value) {
  return std::to_chars(out, out + kShortNumberRoom, value).ptr;
}

}  // namespace grill
