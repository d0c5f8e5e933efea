#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "config/ConfigSearch.h"
#include "print/LabelSheets.h"

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

// grill-designer --labels OUT.pdf [--sheet NAME] JOB.grilljob
struct LabelsCommand {
  std::string output;
  std::string job;
  // The locale's paper's label sheet when none is named.
  std::optional<print::LabelSheet> sheet;
};

// Writes a label for every cut piece of the job file's cutting plan to the
// PDF without a window, with the configuration and Stock.txt found as the
// designer finds them. What the labels leave out goes to `errors`. Returns
// the exit status: 0 when written, 1 after writing the reason to `errors`.
int RunLabelsCommand(const LabelsCommand& command, const std::string& workingFolderConfig,
                     const ConfigSearch& search, std::ostream& errors);

}  // namespace grill
