#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "export/CutNumbers.h"

namespace grill {

// One notch on a piece: the tool that cuts it and the distance in millimetres
// from the start of the piece to its centre. The code is a view of the tool
// map's text, which lives as long as the program and never changes.
struct Notch {
  std::string_view toolCode;
  double position = 0.0;
};

// The codes the cut list itself recognises: "97" and "98" trade places when a
// piece is turned face for face, "66" marks a joint where a piece is split.
inline constexpr std::string_view kToolCodeFront = "97";
inline constexpr std::string_view kToolCodeBack = "98";
inline constexpr std::string_view kToolCodeJoint = "66";

// Two lengths or positions closer than this (inclusive) describe the same cut.
inline constexpr double kSameCutTolerance = 0.001;

// At most 30 bars cross a piece, so this room is never filled by the export.
inline constexpr int kMaxNotches = 32;

// The longest tool code WriteCutLine writes itself; the codes in use have two
// characters.
inline constexpr size_t kShortToolCode = 2;

// One piece of bar to cut and notch, or a group of `count` identical pieces.
struct CutBar {
  CutBar() = default;
  // Copies carry only the used notches: the entries after them are never read.
  CutBar(const CutBar& other) { CopyFrom(other); }
  CutBar& operator=(const CutBar& other) {
    if (this != &other) {
      CopyFrom(other);
    }
    return *this;
  }

  double length = 0.0;
  std::int32_t count = 1;
  std::array<Notch, kMaxNotches> notches;
  std::int32_t notchCount = 0;

  // Appends a notch; a piece that is already full keeps its notches and
  // returns false.
  bool AddNotch(std::string_view toolCode, double position) {
    if (notchCount >= kMaxNotches) {
      return false;
    }
    Notch& notch = NotchAt(notchCount++);
    notch.toolCode = toolCode;
    notch.position = position;
    return true;
  }
  void ClearNotches() { notchCount = 0; }

  // The piece turned end for end: positions measured from the other end,
  // entry 0 again nearest the start. `target`'s count is left alone.
  void MakeMirror(CutBar& target) const;
  // The piece turned face for face: "97" and "98" exchanged. `target`'s count
  // is left alone.
  void MakeFlipped(CutBar& target) const;
  // Same notch count, then length, positions and codes index by index, with
  // the inclusive kSameCutTolerance on each computed difference. `count`
  // takes no part.
  bool SameAs(const CutBar& other) const;

  // "length, count, notches, " then "position, code, " per notch: one decimal
  // in millimetres, or three decimals in inches. No line end.
  std::string FormatCutLine(int inMillimetres) const;
  // The same text written at `out`, which has CutLineRoom() bytes, with the
  // numbers taken from `numbers` where it has them; returns the end. Returns
  // null when a number needs the general conversion or a tool code is longer
  // than kShortToolCode: FormatCutLine then gives the text.
  char* WriteCutLine(char* out, int inMillimetres, ShortFixedCache& numbers) const;
  // Room for the text WriteCutLine writes. It follows from the notch count
  // alone, as every piece of text on that way has a bounded length: this
  // spares a pass over the notches to add up their codes' lengths.
  size_t CutLineRoom() const {
    constexpr size_t kSeparator = 2;
    constexpr size_t kHead = 3 * (kShortNumberRoom + kSeparator);
    constexpr size_t kPerNotch = kShortNumberRoom + kShortToolCode + 2 * kSeparator;
    return kHead + static_cast<size_t>(notchCount) * kPerNotch;
  }

  const Notch& NotchAt(int index) const { return notches[static_cast<size_t>(index)]; }
  Notch& NotchAt(int index) { return notches[static_cast<size_t>(index)]; }

 private:
  void CopyFrom(const CutBar& other) {
    length = other.length;
    count = other.count;
    notchCount = other.notchCount;
    std::copy_n(other.notches.begin(), other.notchCount, notches.begin());
  }
};

// Tool codes compare as exact text; codes taken from the same tool map cell
// share their text, which settles most comparisons at once.
inline bool SameToolCode(std::string_view a, std::string_view b) {
  return a.size() == b.size() && (a.data() == b.data() || a == b);
}

}  // namespace grill
