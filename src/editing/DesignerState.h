#pragma once

#include "config/ConfigRecords.h"
#include "editing/DesignDocument.h"

namespace grill {

// What a run of the designer works on: the configuration it read and the
// job's designs.
struct DesignerState {
  Configuration config;
  DesignDocument document;
};

}  // namespace grill
