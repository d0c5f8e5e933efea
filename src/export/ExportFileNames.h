#pragma once

#include <string>

#include "config/ConfigRecords.h"
#include "model/GrillWindow.h"
#include "platform/Clock.h"

namespace grill {

// The two runs name a design's files slightly differently.
enum class RunKind { kProcessData, kProcessAll };

// "_day_month_hour_minute_second", month counted from 0, no leading zeros.
std::string FormatTimeStamp(const LocalTime& time);

std::string EdgeMasterFileName(const std::string& masterName, const std::string& stamp);
std::string BarMasterFileName(const std::string& masterName, const std::string& stamp);

// A design's own file names, from the edge and bar types its pieces are cut
// with and its colours.
// `barW` is set only when the two colours are different entries; otherwise
// the one bar file `barH` takes the pieces of both directions.
struct DesignFileNames {
  std::string edge;
  std::string barH;
  std::string barW;
  bool hasBarW = false;
};
DesignFileNames MakeDesignFileNames(const GrillWindow& window, const BarType& barType,
                                    const EdgeType& edgeType, const std::string& stamp,
                                    RunKind run);

}  // namespace grill
