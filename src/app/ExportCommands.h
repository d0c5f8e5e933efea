#pragma once

#include <string>

#include "app/ExportLayout.h"
#include "cutting/CutBar.h"
#include "editing/DesignerState.h"
#include "platform/Clock.h"
#include "platform/Controls.h"
#include "platform/DialogHost.h"
#include "platform/Files.h"

namespace grill {

// What an export run needs of the platform.
struct ExportServices {
  Files& files;
  const Clock& clock;
  DialogHost& host;    // progress of long runs
  std::string folder;  // where the cut files go
  // Process All's files: in `folder`, or in the job's own folder there, named after the
  // job file `jobPath` (empty while the job has none).
  ExportLayout layout = ExportLayout::kExportFolder;
  std::string jobPath;
};

// The unit the cut files are written in: the configuration's fixed export
// unit, or else the unit the dialog shows.
CutUnit ExportUnitOf(const DesignerState& state);

// "Process Data": exports the current design with the types, colours and
// quantity chosen in the dialog.
void ProcessData(DesignerState& state, Controls& controls, ExportServices& services);
// "Process All": exports every design as it is. Into a job's folder that holds an earlier
// run it first asks whether to send the job again; No touches nothing.
void ProcessAll(DesignerState& state, Controls& controls, ExportServices& services);

}  // namespace grill
