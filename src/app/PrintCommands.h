#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "config/ConfigRecords.h"
#include "model/GrillWindow.h"
#include "model/WindowList.h"
#include "platform/Files.h"
#include "print/DrawingSettings.h"
#include "print/PageItems.h"

namespace grill {

// What Print Preview, Print and Export PDF put on paper.
enum class PrintScope { CurrentDesign, WholeJob };

inline constexpr std::string_view kNoDesignToPrint = "There is no design to print.";

// The choices a print command offers, the current design first: none without
// designs, only the whole job without a current design.
std::vector<PrintScope> PrintScopes(const WindowList& designs, const GrillWindow* current);

// The numbered pages of `scope`: the current design's drawing, or every
// design's drawing followed by the job summary. Each design's cut list is the
// one its cut files get. No pages when the scope has no design.
std::vector<print::Page> BuildPrintPages(const WindowList& designs, const GrillWindow* current,
                                         PrintScope scope, const print::DrawingSettings& settings);

// The pages of a job file, for printing without the dialog: the whole job,
// or the design named `design` alone. `settings` gives paper and date; the
// unit, job name and details come from the file.
struct JobFilePrint {
  std::vector<print::Page> pages;
  // Why nothing can be printed; empty on success.
  std::string error;
  // Names the configuration lacks, whose designs print without a cut list.
  std::string warning;
};
JobFilePrint PrintJobFile(Files& files, const Configuration& config, const std::string& jobPath,
                          const std::optional<std::string>& design,
                          print::DrawingSettings settings);

}  // namespace grill
