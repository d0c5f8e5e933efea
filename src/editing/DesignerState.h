#pragma once

#include <optional>

#include "config/ConfigRecords.h"
#include "editing/DesignDocument.h"
#include "model/Units.h"

namespace grill {

// What a run of the designer works on: the configuration it read and the
// job's designs.
struct DesignerState {
  Configuration config;
  // The unit every export writes, whatever the dialog shows; none: the
  // dialog's unit.
  std::optional<Unit> exportUnit;
  DesignDocument document;
};

}  // namespace grill
