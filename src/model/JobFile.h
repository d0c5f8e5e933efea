#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/GrillWindow.h"
#include "model/JobDetails.h"
#include "model/Units.h"

namespace grill {

// A job file (.grilljob) holds the designs of one order; docs/job-format.md
// describes its text.
inline constexpr std::string_view kJobFileExtension = ".grilljob";
inline constexpr std::string_view kJobFormatName = "varnel-grill-job";
// Version 2 adds each design's predesign; version 1 files read with it unknown.
// Version 3 adds the job's details; older files read with none set.
inline constexpr std::int64_t kJobFormatVersion = 3;
// Larger files are refused unread.
inline constexpr std::int64_t kJobFileLimit = std::int64_t{64} * 1024 * 1024;

// What a design refers to in the configuration, by the records' names;
// nullopt for an empty reference. The model cannot see the configuration, so
// the app resolves these names against MenuConfig.txt.
struct DesignReferences {
  std::optional<std::string> barType;
  std::optional<std::string> edgeType;
  std::optional<std::string> insideColor;
  std::optional<std::string> outsideColor;

  bool operator==(const DesignReferences&) const = default;
};

// One design as a job file holds it: the window without its configuration
// pointers (left null) and export-run fields (left empty), and the names
// those pointers stand for.
struct JobDesign {
  GrillWindow window;
  DesignReferences references;
};

// Everything a job file holds.
struct Job {
  Unit unit = Unit::Inches;
  SpacingMode spacing = SpacingMode::EqualSpace;
  std::string masterFile;
  JobDetails details;
  // The name of the current design, nullopt when none is current.
  std::optional<std::string> current;
  // In window-list order.
  std::vector<JobDesign> designs;
};

// The key a detail is saved under in a job file's "details" object.
inline std::string_view DetailKey(JobDetail detail) {
  switch (detail) {
    case JobDetail::Customer:
      return "customer";
    case JobDetail::OrderNumber:
      return "orderNumber";
    case JobDetail::DueDate:
      return "dueDate";
    case JobDetail::Notes:
      break;
  }
  return "notes";
}

}  // namespace grill
