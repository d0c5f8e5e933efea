#pragma once

#include <string_view>
#include <vector>

namespace grill {

// One notch on a piece: the tool that cuts it and the distance in millimetres
// from the start of the piece to its centre. The code is a view of the tool
// map's text, which outlives every cut list made from it.
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

// Whether cut files give lengths in millimetres or in inches.
enum class CutUnit { kMillimetres, kInches };

// One piece of bar to cut and notch: its length and its notches, kept in the
// order they lie along the piece.
struct CutBar {
  double length = 0.0;
  std::vector<Notch> notches;

  void AddNotch(std::string_view toolCode, double position) {
    notches.push_back(Notch{toolCode, position});
  }

  // The piece turned end for end: positions measured from the other end,
  // the first notch again the one nearest the start.
  CutBar Mirrored() const;
  // The piece turned face for face: "97" and "98" exchanged.
  CutBar Flipped() const;
  // Same notch count, then length, positions and codes index by index, with
  // the inclusive kSameCutTolerance on each computed difference.
  bool SameAs(const CutBar& other) const;
};

}  // namespace grill
