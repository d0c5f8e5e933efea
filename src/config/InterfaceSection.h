#pragma once

#include "config/ConfigReader.h"
#include "config/LoadConfiguration.h"
#include "platform/Controls.h"

namespace grill {

// Applies the first line of the interface section read last: MEASURE=MM
// selects millimetres, ALIGNMODE=DIVIDED or ALIGNMODE=EQUALSPACE the spacing
// mode, each in `modes` and on its radio button. Keys and values are compared
// without regard to case; anything else is ignored.
void ApplyInterfaceSection(ConfigReader& reader, Controls& controls, DisplayModes& modes);

}  // namespace grill
