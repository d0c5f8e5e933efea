#pragma once

#include <string>
#include <vector>

#include "config/ConfigRecords.h"
#include "platform/Controls.h"
#include "platform/Files.h"

namespace grill {

// The dialog modes the interface section may set.
struct DisplayModes {
  int useMillimetres = 0;
  int equalSpace = 1;
};

// Reads MenuConfig.txt from `path` into `config`, filling the type and colour
// combos, applying the interface section to `modes` and the radio buttons,
// and linking the types to the tool map. Messages go through `controls`; a
// fatal fault ends the dialog as Cancel does without stopping the load.
// Notes on malformed lines are appended to `diagnostics`, one per entry.
void LoadConfiguration(Files& files, const std::string& path, Controls& controls,
                       Configuration& config, DisplayModes& modes,
                       std::vector<std::string>& diagnostics);

}  // namespace grill
