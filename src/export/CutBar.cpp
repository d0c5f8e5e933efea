#include "export/CutBar.h"

#include "export/CutNumbers.h"
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

char* Separator(char* out) {
  *out++ = ',';
  *out++ = ' ';
  return out;
}

// The text of a piece with the general number conversion throughout.
std::string FormatCutLineLongWay(const CutBar& piece, int decimals, double scale) {
  std::string text = FormatFixed(piece.length * scale, decimals);
  text += ", ";
  text += FormatInteger(piece.count);
  text += ", ";
  text += FormatInteger(piece.notchCount);
  text += ", ";
  for (int i = 0; i < piece.notchCount; ++i) {
    text += FormatFixed(piece.NotchAt(i).position * scale, decimals);
    text += ", ";
    text += piece.NotchAt(i).toolCode;
    text += ", ";
  }
  return text;
}

}  // namespace

void CutBar::MakeMirror(CutBar& target) const {
  target.notchCount = notchCount;
  target.length = length;
  for (int i = 0; i < notchCount; ++i) {
    Notch& mirrored = target.NotchAt(notchCount - 1 - i);
    mirrored.toolCode = NotchAt(i).toolCode;
    mirrored.position = length - NotchAt(i).position;
  }
}

void CutBar::MakeFlipped(CutBar& target) const {
  target.notchCount = notchCount;
  target.length = length;
  for (int i = 0; i < notchCount; ++i) {
    target.NotchAt(i).toolCode = FlippedCode(NotchAt(i).toolCode);
    target.NotchAt(i).position = NotchAt(i).position;
  }
}

bool CutBar::SameAs(const CutBar& other) const {
  if (notchCount != other.notchCount || !WithinTolerance(length, other.length)) {
    return false;
  }
  for (int i = 0; i < notchCount; ++i) {
    if (!WithinTolerance(NotchAt(i).position, other.NotchAt(i).position) ||
        !SameToolCode(NotchAt(i).toolCode, other.NotchAt(i).toolCode)) {
      return false;
    }
  }
  return true;
}

std::string CutBar::FormatCutLine(int inMillimetres) const {
  const int decimals = inMillimetres != 0 ? 1 : 3;
  const double scale = inMillimetres != 0 ? 1.0 : kInchesPerMillimetre;
  // The usual line is written straight into room reserved for it; a number
  // that needs the general conversion sends the whole line the long way.
  size_t room = 3 * (kShortNumberRoom + 2);
  for (int i = 0; i < notchCount; ++i) {
    room += kShortNumberRoom + 4 + NotchAt(i).toolCode.size();
  }
  std::string text(room, '\0');
  char* out = WriteShortFixed(text.data(), length * scale, decimals);
  if (out == nullptr) {
    return FormatCutLineLongWay(*this, decimals, scale);
  }
  out = WriteInteger(Separator(out), count);
  out = WriteInteger(Separator(out), notchCount);
  out = Separator(out);
  for (int i = 0; i < notchCount; ++i) {
    out = WriteShortFixed(out, NotchAt(i).position * scale, decimals);
    if (out == nullptr) {
      return FormatCutLineLongWay(*this, decimals, scale);
    }
    out = Separator(out);
    for (const char c : NotchAt(i).toolCode) {
      *out++ = c;
    }
    out = Separator(out);
  }
  text.resize(static_cast<size_t>(out - text.data()));
  return text;
}

}  // namespace grill
