#pragma once

#include <string>

#include "model/GrillWindow.h"
#include "print/DrawingSettings.h"
#include "print/PageItems.h"

namespace grill::print {

inline constexpr double kTitleBlockHeight = 30.0;

// The job name ("Untitled" when it has none), design name, date, quantity,
// bar and edge types, colours, outer and inner sizes, the scale (none for a
// design that cannot be drawn) and the unit, as a grid of cells in `box`.
void AddTitleBlock(const GrillWindow& window, const DrawingSettings& settings, double scale,
                   const Box& box, Page& page);

struct TitleField {
  const char* label;
  std::string value;
};

// One cell of a title block: its frame, a small label and its value below.
void AddFieldCell(const TitleField& field, const Box& cell, Page& page);

// The name a print uses for the job.
std::string JobTitle(const DrawingSettings& settings);

}  // namespace grill::print
