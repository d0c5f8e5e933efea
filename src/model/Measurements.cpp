#include "model/Measurements.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "model/Digits.h"

namespace grill {
namespace {

bool IsLetter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

}  // namespace

double ParseDecimal(std::string_view text, int& ok) {
  ok = 1;
  if (text.empty()) {
    ok = 0;
    return -1.0;
  }
  const bool negative = text.front() == '-';
  size_t i = negative ? 1 : 0;
  double value = 0.0;
  while (i < text.size() && IsDigit(text[i])) {
    value = value * 10.0 + (text[i] - '0');
    ++i;
  }
  if (i < text.size()) {
    if (text[i] != '.') {
      ok = 0;
      return -1.0;
    }
    double numerator = 0.0;
    double divisor = 1.0;
    for (++i; i < text.size(); ++i) {
      if (!IsDigit(text[i])) {
        ok = 0;
        return -1.0;
      }
      numerator = numerator * 10.0 + (text[i] - '0');
      divisor = divisor * 10.0;
    }
    value = numerator / divisor + value;
  }
  if (negative) {
    value = -value;
  }
  // More than 308 digits overflow to infinity, and a long fraction gives
  // infinity over infinity: neither may pass a range check downstream.
  if (!std::isfinite(value)) {
    ok = 0;
    return -1.0;
  }
  return value;
}

std::int32_t ParseInteger(std::string_view text, int& ok) {
  ok = 1;
  if (text.empty()) {
    ok = 0;
    return -1;
  }
  const bool negative = text.front() == '-';
  const std::int64_t limit =
      negative ? -static_cast<std::int64_t>(std::numeric_limits<std::int32_t>::min())
               : std::numeric_limits<std::int32_t>::max();
  std::int64_t value = 0;
  for (size_t i = negative ? 1 : 0; i < text.size(); ++i) {
    if (!IsDigit(text[i])) {
      ok = 0;
      return 0;
    }
    value = value * 10 + (text[i] - '0');
    if (value > limit) {
      ok = 0;
      return 0;
    }
  }
  return static_cast<std::int32_t>(negative ? -value : value);
}

double ParseFraction(std::string_view text, int& ok) {
  const size_t slash = text.find('/');
  const std::string_view numeratorText = text.substr(0, slash);
  const std::string_view denominatorText =
      slash == std::string_view::npos ? std::string_view{} : text.substr(slash + 1);
  const std::int32_t numerator = ParseInteger(numeratorText, ok);
  if (ok == 0) {
    return -1.0;
  }
  const std::int32_t denominator = ParseInteger(denominatorText, ok);
  if (ok == 0 || denominator == 0) {
    ok = 0;
    return -1.0;
  }
  return static_cast<double>(numerator) / static_cast<double>(denominator);
}

double ParseMeasurement(std::string_view text, int& ok) {
  size_t end = 0;
  while (end < text.size() && !IsLetter(text[end])) {
    ++end;
  }
  const std::string_view number = text.substr(0, end);
  double value = number.find('/') != std::string_view::npos ? ParseFraction(number, ok)
                                                            : ParseDecimal(number, ok);
  if (end < text.size() && text[end] == 'i') {
    value = value * kMillimetresPerInch;
  }
  return value;
}

std::string FormatFixed(double value, int decimals) {
  // Large enough for "%f" of the largest double (309 digits and the decimals).
  char buffer[400];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
  return std::string(buffer, result.ptr);
}

std::string FormatInteger(std::int64_t value) {
  char buffer[24];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

std::string FormatLength(double millimetres, Unit unit) {
  return FormatFixed(unit == Unit::Millimetres ? millimetres : millimetres * kInchesPerMillimetre,
                     6);
}

double ToMillimetres(double typed, Unit unit) {
  return unit == Unit::Millimetres ? typed : typed * kMillimetresPerInch;
}

}  // namespace grill
