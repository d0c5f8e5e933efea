#include "cutting/CutBar.h"

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

}  // namespace grill
