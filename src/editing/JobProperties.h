#pragma once

#include <string>

#include "model/Units.h"

namespace grill {

// What the job holds beside its designs: the unit its lengths are shown and
// typed in, how respacing spreads the bars, and the Master File name the
// export runs are filed under. All three are saved with the job.
struct JobProperties {
  Unit unit = Unit::Inches;
  SpacingMode spacing = SpacingMode::EqualSpace;
  std::string masterFile;

  bool operator==(const JobProperties&) const = default;
};

}  // namespace grill
