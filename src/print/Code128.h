#pragma once

#include <optional>
#include <string_view>
#include <vector>

namespace grill::print {

// A run of dark modules of a barcode: the first module, counted from 0 at
// the symbol's left end, and how many modules wide it is.
struct BarRun {
  int start = 0;
  int width = 1;

  bool operator==(const BarRun&) const = default;
};

// One row of a barcode as modules: `width` modules from the start character
// to the end of the stop character, quiet zones not included, and the dark
// runs left to right. The page scales a module to its width on paper.
struct BarcodeModules {
  int width = 0;
  std::vector<BarRun> bars;
};

// The Code 128 symbol of `text` (check character included), or none when
// the text cannot be encoded (empty, or too long for a symbol).
std::optional<BarcodeModules> Code128Modules(std::string_view text);

// The quiet zone Code 128 asks for on either side, in modules.
inline constexpr int kCode128QuietZone = 10;

}  // namespace grill::print
