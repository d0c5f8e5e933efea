#pragma once

#include <vector>

#include "model/GrillWindow.h"
#include "print/CutTable.h"
#include "print/DrawingSettings.h"
#include "print/PageItems.h"

namespace grill::print {

// One design of a job print and its cut list.
struct DesignSheet {
  const GrillWindow* window = nullptr;
  CutTable cuts;
};

// The numbered pages of one design's drawing.
std::vector<Page> BuildDesignPrint(const GrillWindow& window, const CutTable& cuts,
                                   const DrawingSettings& settings);

// The numbered pages of every design in turn, ending with the job summary.
// Sheets without a design are passed over.
std::vector<Page> BuildJobPrint(const std::vector<DesignSheet>& sheets,
                                const DrawingSettings& settings);

// The job summary: the job's details when it has any, each design with its
// quantity, then per bar type and colours and per edge type and colours the
// pieces of the whole job and their total length. Portrait, running on over further pages when
// long.
std::vector<Page> BuildSummaryPages(const std::vector<DesignSheet>& sheets,
                                    const DrawingSettings& settings);

}  // namespace grill::print
