#include "app/PrintCommands.h"

#include <algorithm>

#include "app/JobReferences.h"
#include "app/JobSession.h"
#include "model/JobFileReader.h"
#include "platform/ListOrder.h"
#include "print/ExportCuts.h"
#include "print/JobPrint.h"

namespace grill {

std::vector<PrintScope> PrintScopes(const WindowList& designs, const GrillWindow* current) {
  if (designs.empty()) {
    return {};
  }
  if (current == nullptr) {
    return {PrintScope::WholeJob};
  }
  return {PrintScope::CurrentDesign, PrintScope::WholeJob};
}

std::vector<print::Page> BuildPrintPages(const WindowList& designs, const GrillWindow* current,
                                         PrintScope scope, const print::DrawingSettings& settings) {
  if (scope == PrintScope::CurrentDesign) {
    if (current == nullptr) {
      return {};
    }
    return print::BuildDesignPrint(*current, print::CutTableOf(*current), settings);
  }
  if (designs.empty()) {
    return {};
  }
  // The pages follow the Windows list, which a shop reads the job from.
  std::vector<const GrillWindow*> listed;
  for (const GrillWindow& window : designs) {
    listed.push_back(&window);
  }
  std::stable_sort(listed.begin(), listed.end(), [](const GrillWindow* a, const GrillWindow* b) {
    return SortsBefore(a->name, b->name);
  });
  std::vector<print::DesignSheet> sheets;
  for (const GrillWindow* window : listed) {
    sheets.push_back({window, print::CutTableOf(*window)});
  }
  return print::BuildJobPrint(sheets, settings);
}

JobFilePrint PrintJobFile(Files& files, const Configuration& config, const std::string& jobPath,
                          const std::optional<std::string>& design,
                          print::DrawingSettings settings) {
  JobFileResult opened = OpenJob(files, jobPath);
  if (!opened.job) {
    return {{}, opened.error, {}};
  }
  settings.unit = opened.job->unit;
  settings.jobName = JobDisplayName(jobPath);
  settings.details = opened.job->details;
  ResolvedDesigns resolved = ResolveDesigns(config, std::move(opened.job->designs));
  JobFilePrint print;
  if (!resolved.missing.empty()) {
    print.warning = MissingReferencesMessage(resolved.missing);
  }
  const WindowList& designs = resolved.designs;
  if (design) {
    const GrillWindow* window = designs.FindWindowByName(*design);
    if (window == nullptr) {
      print.error = "The job " + jobPath + " holds no design named \"" + *design + "\".";
      return print;
    }
    print.pages = BuildPrintPages(designs, window, PrintScope::CurrentDesign, settings);
  } else {
    print.pages = BuildPrintPages(designs, nullptr, PrintScope::WholeJob, settings);
  }
  if (print.pages.empty()) {
    print.error = std::string(kNoDesignToPrint);
  }
  return print;
}

}  // namespace grill
