#pragma once

namespace grill::print {

// A sheet's size in millimetres as it stands in portrait.
struct PaperSize {
  double width = 0.0;
  double height = 0.0;
};

inline constexpr PaperSize kLetter{215.9, 279.4};
inline constexpr PaperSize kA4{210.0, 297.0};

enum class Orientation { Portrait, Landscape };

// The page's width and height as the sheet is turned.
PaperSize Turned(PaperSize paper, Orientation orientation);

}  // namespace grill::print
