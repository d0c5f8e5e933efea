#pragma once

#include <vector>

#include "model/GrillWindow.h"
#include "print/CutTable.h"
#include "print/DrawingSettings.h"
#include "print/PageItems.h"

namespace grill::print {

// The pages of one design: its title block, the notes on units and
// measuring, the grill drawn to scale with its dimensions, and its cut list.
// The cut list shares the first page when it takes at most a fraction of it,
// and otherwise starts on a page of its own; a long one runs on over further
// pages. The pages are not numbered yet (see NumberPages).
std::vector<Page> BuildDesignPages(const GrillWindow& window, const CutTable& cuts,
                                   const DrawingSettings& settings);

// The orientation that draws the grill larger; portrait when both draw it
// alike.
Orientation BestOrientation(const GrillWindow& window, const CutTable& cuts,
                            const DrawingSettings& settings);

// Where BuildDesignPages puts the grill in `orientation`.
struct DesignLayout {
  PaperSize page;
  Box titleBlock;
  Box drawingArea;
  bool cutListOnFirstPage = false;
};
DesignLayout LayOutDesign(const GrillWindow& window, const CutTable& cuts,
                          const DrawingSettings& settings, Orientation orientation);

// Writes "Page i of n" and the job's name in the footer of every page.
void NumberPages(std::vector<Page>& pages, const DrawingSettings& settings);

}  // namespace grill::print
