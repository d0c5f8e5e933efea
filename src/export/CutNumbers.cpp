#include "export/CutNumbers.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstring>

namespace grill {
namespace {

// Below 2^30 the product value x 10^N is within 2^-24 of its exact value, so
// a fraction this far from one half rounds the same way as the exact decimal
// value does in printf.
constexpr double kLargestShortScaled = 1073741824.0;
constexpr double kTieMargin = 1e-6;

constexpr std::array<std::uint32_t, 10> kPowersOfTen = {
    1, 10, 100, 1000, 10000, 100000, 1000000, 10000000, 100000000, 1000000000};

// The eight decimal digits of `value` (below 10^8), leading zeros included,
// one digit value (0 to 9) per byte with the first digit in the lowest byte,
// so that storing the word on a little-endian machine writes them in order.
// The value is cut into two halves of four digits, each half into two
// pairs, each pair into two digits, all lanes at once: within a lane of 32
// (16) bits, v * 10486 >> 20 is v / 100 for every v below 10^4, and
// v * 103 >> 10 is v / 10 for every v below 100. No lane carries into the next.
std::uint64_t EightDigits(std::uint32_t value) {
  std::uint64_t lanes = (value / 10000) | (static_cast<std::uint64_t>(value % 10000) << 32);
  std::uint64_t quotients = ((lanes * 10486) >> 20) & 0x0000007F0000007FULL;
  lanes = quotients | ((lanes - quotients * 100) << 16);
  quotients = ((lanes * 103) >> 10) & 0x000F000F000F000FULL;
  return quotients | ((lanes - quotients * 10) << 8);
}

static_assert(std::endian::native == std::endian::little,
              "EightDigits lays out its digits for little-endian stores");

constexpr std::uint64_t kAsciiZeros = 0x3030303030303030ULL;

// Writes `count` of the eight digits, from digit `first` (0 is the first of
// the eight) on, at `out`; the eight bytes from `out` are overwritten.
// Returns the end of the digits.
char* WriteDigits(char* out, std::uint64_t digits, int first, int count) {
  const std::uint64_t text = (digits | kAsciiZeros) >> (8 * first);
  std::memcpy(out, &text, sizeof text);
  return out + count;
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
  if (units >= kPowersOfTen[8]) {
    return nullptr;
  }
  if (std::signbit(value)) {
    *out++ = '-';
  }
  // The digits from the first one that is not zero, but at least one before
  // the point. The whole-word stores reach at most 17 bytes past `out`, within
  // kShortNumberRoom.
  const std::uint64_t digits = EightDigits(units);
  const int leadingZeros = digits == 0 ? 8 : std::countr_zero(digits) / 8;
  const int significant = std::max(8 - leadingZeros, kDecimals + 1);
  out = WriteDigits(out, digits, 8 - significant, significant - kDecimals);
  if constexpr (kDecimals == 0) {
    return out;
  }
  *out++ = '.';
  return WriteDigits(out, digits, 8 - kDecimals, kDecimals);
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

ShortFixedCache::ShortFixedCache() : slots_(size_t{1} << kSlotBits) {}

char* ShortFixedCache::WriteAndKeep(char* out, double value, int decimals, Slot& slot) {
  char* const end = WriteShortFixed(out, value, decimals);
  if (end != nullptr) {
    slot.bits = std::bit_cast<std::uint64_t>(value);
    slot.decimals = static_cast<std::int8_t>(decimals);
    slot.size = static_cast<std::uint8_t>(end - out);
    std::memcpy(slot.text, out, slot.size);
  }
  return end;
}

char* WriteInteger(char* out, std::int64_t value) {
  return std::to_chars(out, out + kShortNumberRoom, value).ptr;
}

}  // namespace grill
