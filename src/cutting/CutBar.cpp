#include "cutting/CutBar.h"

#include <charconv>

#include "model/Measurements.h"

namespace grill {
namespace {

bool WithinTolerance(double a, double b) {
  const double difference = b - a;
  return difference <= kSameCutTolerance && difference >= -kSameCutTolerance;
}

std::string_view FlippedCode(std::string_view code) {
  if (code == kToolCodeFront) {
    return kToolCodeBack;
  }
  if (code == kToolCodeBack) {
    return kToolCodeFront;
  }
  return code;
}

// printf "%.Nf" of `value` with '.' whatever the locale.
void AppendFixed(std::string& text, double value, int decimals) {
  // Room for "%f" of the largest double: 309 digits, sign, point, decimals.
  char buffer[400];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
  text.append(buffer, result.ptr);
}

void AppendInteger(std::string& text, std::int64_t value) {
  char buffer[24];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  text.append(buffer, result.ptr);
}

}  // namespace

CutBar CutBar::Mirrored() const {
  CutBar mirror;
  mirror.length = length;
  for (auto notch = notches.rbegin(); notch != notches.rend(); ++notch) {
    mirror.AddNotch(notch->toolCode, length - notch->position);
  }
  return mirror;
}

CutBar CutBar::Flipped() const {
  CutBar flipped;
  flipped.length = length;
  for (const Notch& notch : notches) {
    flipped.AddNotch(FlippedCode(notch.toolCode), notch.position);
  }
  return flipped;
}

bool CutBar::SameAs(const CutBar& other) const {
  if (notches.size() != other.notches.size() || !WithinTolerance(length, other.length)) {
    return false;
  }
  for (size_t i = 0; i < notches.size(); ++i) {
    if (!WithinTolerance(notches[i].position, other.notches[i].position) ||
        notches[i].toolCode != other.notches[i].toolCode) {
      return false;
    }
  }
  return true;
}

std::string CutBar::FormatCutLine(CutUnit unit) const {
  const bool inches = unit == CutUnit::kInches;
  const int decimals = inches ? 3 : 1;
  const double scale = inches ? kInchesPerMillimetre : 1.0;
  std::string text;
  AppendFixed(text, length * scale, decimals);
  text += ", ";
  AppendInteger(text, count);
  text += ", ";
  AppendInteger(text, static_cast<std::int64_t>(notches.size()));
  text += ", ";
  for (const Notch& notch : notches) {
    AppendFixed(text, notch.position * scale, decimals);
    text += ", ";
    text += notch.toolCode;
    text += ", ";
  }
  return text;
}

}  // namespace grill
