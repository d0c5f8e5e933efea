#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "config/ConfigSearch.h"

namespace grill {

// grill-designer --pdf OUT.pdf [--design NAME] JOB.grilljob
struct PdfCommand {
  std::string output;
  std::string job;
  std::optional<std::string> design;
};

// Writes the drawings of the job file (or of its one design) to the PDF
// without a window, on the locale's paper in the job's unit, with the
// configuration found as the designer finds it. Returns the exit status:
// 0 when written, 1 after writing the reason to `errors`.
int RunPdfCommand(const PdfCommand& command, const std::string& workingFolderConfig,
                  const ConfigSearch& search, std::ostream& errors);

}  // namespace grill
