#include "model/ShopLength.h"

#include <cstdint>

#include "model/Digits.h"
#include "model/Measurements.h"

namespace grill {
namespace {

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
    text.remove_prefix(1);
  }
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
    text.remove_suffix(1);
  }
  return text;
}

std::optional<double> Decimal(std::string_view text) {
  int ok = 0;
  const double value = ParseDecimal(text, ok);
  return ok != 0 ? std::optional<double>(value) : std::nullopt;
}

// An unsigned run of digits within 32 bits.
std::optional<std::int32_t> Digits(std::string_view text) {
  if (!AllDigits(text)) {
    return std::nullopt;
  }
  int ok = 0;
  const std::int32_t value = ParseInteger(text, ok);
  return ok != 0 ? std::optional<std::int32_t>(value) : std::nullopt;
}

// digits '/' digits, the denominator not zero.
std::optional<double> PlainFraction(std::string_view text) {
  const size_t slash = text.find('/');
  if (slash == std::string_view::npos) {
    return std::nullopt;
  }
  const auto numerator = Digits(text.substr(0, slash));
  const auto denominator = Digits(text.substr(slash + 1));
  if (!numerator || !denominator || *denominator == 0) {
    return std::nullopt;
  }
  return static_cast<double>(*numerator) / static_cast<double>(*denominator);
}

// digits, one blank or one '-', then a plain fraction.
std::optional<double> MixedNumber(std::string_view text) {
  const size_t separator = text.find_first_of(" -");
  if (separator == std::string_view::npos) {
    return std::nullopt;
  }
  const auto whole = Digits(text.substr(0, separator));
  const auto fraction = PlainFraction(text.substr(separator + 1));
  if (!whole || !fraction) {
    return std::nullopt;
  }
  return static_cast<double>(*whole) + *fraction;
}

std::optional<double> InchNumber(std::string_view text) {
  if (auto value = Decimal(text)) {
    return value;
  }
  if (auto value = PlainFraction(text)) {
    return value;
  }
  return MixedNumber(text);
}

}  // namespace

std::optional<double> ParseShopLength(std::string_view text, Unit unit) {
  if (auto value = Decimal(text)) {
    return value;
  }
  const std::string_view number = TrimBlanks(text);
  if (unit == Unit::Millimetres) {
    return Decimal(number);
  }
  if (!number.empty() && number.back() == '"') {
    return InchNumber(number.substr(0, number.size() - 1));
  }
  return InchNumber(number);
}

}  // namespace grill
