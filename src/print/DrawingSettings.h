#pragma once

#include <string>

#include "model/JobDetails.h"
#include "model/Units.h"
#include "print/Paper.h"

namespace grill::print {

// What every page of a print shares. The caller picks the paper by printer
// or locale and formats the date.
struct DrawingSettings {
  PaperSize paper = kLetter;
  Unit unit = Unit::Inches;
  std::string jobName;  // empty for a job never saved
  std::string date;
  JobDetails details = {};
};

// Page layout in millimetres of paper.
inline constexpr double kPageMargin = 10.0;
inline constexpr double kFooterHeight = 5.0;

}  // namespace grill::print
