#pragma once

#include <ostream>

#include "config/ConfigSearch.h"
#include "config/LoadConfiguration.h"
#include "editing/DesignerState.h"
#include "platform/Controls.h"
#include "platform/DialogHost.h"

namespace grill {

// The configuration the dialog starts with. A file in the working folder
// (`workingFolderFile`) is read as it always was; without one the other
// places of `search` are tried. When none holds a file, "Cannot Find Config
// File" lists where the program looked and, when a sample is installed,
// offers to copy it into the user's configuration folder and go on with it.
// Only a search that looked nowhere else shows the message alone, as a plain
// message of the dialog.
LoadedConfiguration LoadStartupConfiguration(Files& files, DialogHost& host,
                                             const std::string& workingFolderFile,
                                             const ConfigSearch& search);

// Puts a loaded configuration into the dialog: the lists into `state`, the
// names into the combos, the interface modes into `state` and the radio
// buttons, then the messages in order (at most kShownConfigMessages of them,
// then how many more there were) and, when asked for, the end of the
// dialog. Notes go to `log`, one line each.
void ApplyConfiguration(LoadedConfiguration loaded, Controls& controls, DesignerState& state,
                        std::ostream& log);

}  // namespace grill
