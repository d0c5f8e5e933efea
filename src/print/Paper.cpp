#include "print/Paper.h"

#include <algorithm>

namespace grill::print {

PaperSize Turned(PaperSize paper, Orientation orientation) {
  const double shortSide = std::min(paper.width, paper.height);
  const double longSide = std::max(paper.width, paper.height);
  return orientation == Orientation::Portrait ? PaperSize{shortSide, longSide}
                                              : PaperSize{longSide, shortSide};
}

}  // namespace grill::print
