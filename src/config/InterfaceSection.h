#pragma once

#include <optional>

#include "config/ConfigReader.h"
#include "model/Units.h"

namespace grill {

// The dialog modes the interface section may set; each stays unset when the
// file does not name it.
struct InterfaceSettings {
  std::optional<Unit> unit;
  std::optional<SpacingMode> spacingMode;
  // The unit of every export whatever the dialog shows.
  std::optional<Unit> exportUnit;
};

// Reads the first line of the interface section read last into `settings`:
// MEASURE=MM selects millimetres, ALIGNMODE=DIVIDED or ALIGNMODE=EQUALSPACE
// the spacing mode, EXPORTUNIT=MM or EXPORTUNIT=IN the export unit. Keys and
// values are compared without regard to case; a later field overrides an
// earlier one. Another value of EXPORTUNIT leaves a note in the reader's
// diagnostics; anything else is ignored.
void ReadInterfaceSection(ConfigReader& reader, InterfaceSettings& settings);

}  // namespace grill
