#pragma once

#include <string>

#include "model/GrillWindow.h"
#include "print/DrawingSettings.h"
#include "print/PageItems.h"

namespace grill::print {

inline constexpr double kTitleBlockHeight = 30.0;
// The row of the customer, order number and due date, below the others.
inline constexpr double kDetailsRowHeight = 10.0;

// Whether a title block shows the customer, order number and due date: only
// when one of them is set, so that a job without them prints as it always has.
bool ShowsJobDetails(const DrawingSettings& settings);
// The height of a design's title block: a row more with the job's details.
double TitleBlockHeight(const DrawingSettings& settings);

// The job name ("Untitled" when it has none), design name, date, quantity,
// bar and edge types, colours, outer and inner sizes, the scale (none for a
// design that cannot be drawn) and the unit, as a grid of cells in `box`;
// then the job's details, when shown, in a row of their own.
void AddTitleBlock(const GrillWindow& window, const DrawingSettings& settings, double scale,
                   const Box& box, Page& page);

struct TitleField {
  const char* label;
  std::string value;
};

// One cell of a title block: its frame, a small label and its value below.
void AddFieldCell(const TitleField& field, const Box& cell, Page& page);

// The customer (two cells wide), order number and due date in one row,
// "-" for the one not set.
void AddDetailsRow(const JobDetails& details, const Box& row, Page& page);

// The name a print uses for the job.
std::string JobTitle(const DrawingSettings& settings);

}  // namespace grill::print
