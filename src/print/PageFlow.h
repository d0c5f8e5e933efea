#pragma once

#include <functional>
#include <vector>

#include "print/PageItems.h"

namespace grill::print {

// Blocks set one below the other down the pages: the current page is the
// last of `pages`, content runs from `left` to `right` and down to `bottom`,
// and the next block goes at `y`. `continuePage` appends a new page with its
// heading and returns the y where its content starts.
struct PageFlow {
  std::vector<Page>& pages;
  double left = 0.0;
  double right = 0.0;
  double bottom = 0.0;
  double y = 0.0;
  std::function<double()> continuePage;
  // The y where the current page's content began when the flow started it;
  // a page still empty there is never left for another.
  double pageTop = -1e300;

  double Width() const { return right - left; }
  // Whether `height` fits below y; blocks measured beforehand to end exactly
  // at the bottom fit despite rounding.
  bool Fits(double height) const { return y + height <= bottom + 1e-6; }
  Page& Current() { return pages.back(); }
  // Starts a new page unless `height` fits below y, and tells whether it did.
  // A block taller than a whole page still goes on a page of its own.
  bool MakeRoom(double height);
  void Add(Item item) { Current().items.push_back(std::move(item)); }
};

}  // namespace grill::print
