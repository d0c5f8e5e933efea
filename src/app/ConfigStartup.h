#pragma once

#include <ostream>

#include "config/LoadConfiguration.h"
#include "editing/DesignerState.h"
#include "platform/Controls.h"

namespace grill {

// Puts a loaded configuration into the dialog: the lists into `state`, the
// names into the combos, the interface modes into `state` and the radio
// buttons, then the messages in order and, when asked for, the end of the
// dialog. Notes go to `log`, one line each.
void ApplyConfiguration(LoadedConfiguration loaded, Controls& controls, DesignerState& state,
                        std::ostream& log);

}  // namespace grill
