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

// Tool codes are nearly always two characters ("97", "98", "66"): those are
// copied directly, which spares the general loop the compiler prepares for
// long texts. A code longer than kShortToolCode would not fit the room
// CutLineRoom makes: null then sends the line the long way.
char* WriteToolCode(char* out, std::string_view code) {
  if (code.size() == 2) {
    out[0] = code[0];
    out[1] = code[1];
    return out + 2;
  }
  if (code.size() > kShortToolCode) {
    return nullptr;
  }
  for (const char c : code) {
    *out++ = c;
  }
  return out;
}

char* Separator(char* out) {
  *out++ = ',';
  *out++ = ' ';
  return out;
}

// Millimetres are written with one decimal, inches with three.
int DecimalsFor(int inMillimetres) {
  return inMillimetres != 0 ? 1 : 3;
}

double ScaleFor(int inMillimetres) {
  return inMillimetres != 0 ? 1.0 : kInchesPerMillimetre;
}

// The text of a piece with the general number conversion throughout.
std::string FormatCutLineLongWay(const CutBar& piece, int inMillimetres) {
  const int decimals = DecimalsFor(inMillimetres);
  const double scale = ScaleFor(inMillimetres);
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

// Writes the text of `piece` at `out`, which has CutLineRoom() bytes, its
// lengths and positions written by `writeShort`, which writes as
// WriteShortFixed does. Returns the end, or null when a number needs the
// general conversion or a tool code is too long for the room.
template <typename WriteShortFn>
char* WriteCutLineWith(const CutBar& piece, char* out, int inMillimetres, WriteShortFn writeShort) {
  const int decimals = DecimalsFor(inMillimetres);
  const double scale = ScaleFor(inMillimetres);
  out = writeShort(out, piece.length * scale, decimals);
  if (out == nullptr) {
    return nullptr;
  }
  out = WriteInteger(Separator(out), piece.count);
  out = WriteInteger(Separator(out), piece.notchCount);
  out = Separator(out);
  // The end is taken once, as the text written through `out` could otherwise
  // be taken to change the notch count after every character. The notches
  // are read in place: a copy would be kept on the stack around the call
  // that converts a number new to `writeShort`.
  const Notch* const end = piece.notches.data() + piece.notchCount;
  for (const Notch* notch = piece.notches.data(); notch != end; ++notch) {
    out = writeShort(out, notch->position * scale, decimals);
    if (out == nullptr) {
      return nullptr;
    }
    out = WriteToolCode(Separator(out), notch->toolCode);
    if (out == nullptr) {
      return nullptr;
    }
    out = Separator(out);
  }
  return out;
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
  // The usual line is written straight into room made for it; a number that
  // needs the general conversion, or a long tool code, sends the whole line
  // the long way.
  std::string text(CutLineRoom(), '\0');
  const char* const end = WriteCutLineWith(*this, text.data(), inMillimetres, WriteShortFixed);
  if (end == nullptr) {
    return FormatCutLineLongWay(*this, inMillimetres);
  }
  text.resize(static_cast<size_t>(end - text.data()));
  return text;
}

char* CutBar::WriteCutLine(char* out, int inMillimetres, ShortFixedCache& numbers) const {
  return WriteCutLineWith(*this, out, inMillimetres,
                          [&numbers](char* at, double value, int decimals) {
                            return numbers.Write(at, value, decimals);
                          });
}

}  // namespace grill
