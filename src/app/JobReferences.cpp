#include "app/JobReferences.h"

#include <utility>

namespace grill {
namespace {

template <typename Record>
std::optional<std::string> ReferencedName(const Record* record) {
  if (record == nullptr) {
    return std::nullopt;
  }
  return record->name;
}

// Points `slot` at the record named `name`, or notes the name as missing.
template <typename Record, typename Find>
void Resolve(const Record*& slot, const std::optional<std::string>& name, Find find,
             const char* kind, const std::string& design, std::vector<MissingReference>& missing) {
  slot = nullptr;
  if (!name) {
    return;
  }
  slot = find(*name);
  if (slot == nullptr) {
    missing.push_back({design, kind, *name});
  }
}

}  // namespace

DesignReferences ReferencesOf(const GrillWindow& window) {
  return {ReferencedName(window.barType), ReferencedName(window.edgeType),
          ReferencedName(window.insideColor), ReferencedName(window.outsideColor)};
}

ResolvedDesigns ResolveDesigns(const Configuration& config, std::vector<JobDesign> designs) {
  ResolvedDesigns resolved;
  const auto barType = [&config](const std::string& name) { return config.FindBarType(name); };
  const auto edgeType = [&config](const std::string& name) { return config.FindEdgeType(name); };
  const auto color = [&config](const std::string& name) { return config.FindColor(name); };
  for (JobDesign& design : designs) {
    GrillWindow& w = design.window;
    const DesignReferences& r = design.references;
    auto& missing = resolved.missing;
    Resolve(w.barType, r.barType, barType, "bar type", w.name, missing);
    Resolve(w.edgeType, r.edgeType, edgeType, "edge type", w.name, missing);
    Resolve(w.insideColor, r.insideColor, color, "inside color", w.name, missing);
    Resolve(w.outsideColor, r.outsideColor, color, "outside color", w.name, missing);
    resolved.designs.Insert(resolved.designs.size(), std::move(w));
  }
  return resolved;
}

std::string MissingReferencesMessage(const std::vector<MissingReference>& missing) {
  std::string message = "Not in MenuConfig.txt, left empty (pick them again before exporting):";
  for (const MissingReference& reference : missing) {
    message += "\n" + reference.design + ": " + reference.kind + " " + reference.name;
  }
  return message;
}

Job JobOf(const DesignDocument& document) {
  return JobOf(document, 0, document.Designs().size());
}

Job JobOf(const DesignDocument& document, std::size_t first, std::size_t count) {
  Job job;
  job.unit = document.DisplayUnit();
  job.spacing = document.Spacing();
  job.masterFile = document.MasterFile();
  job.details = document.Details();
  if (const GrillWindow* current = document.Current()) {
    job.current = current->name;
  }
  job.designs.reserve(count);
  for (std::size_t index = first; index < first + count; ++index) {
    const GrillWindow& window = document.Designs()[index];
    job.designs.push_back({window, ReferencesOf(window)});
  }
  return job;
}

DesignFocus FocusOf(const WindowList& designs, const std::optional<std::string>& current) {
  if (!current) {
    return {};
  }
  return {designs.IndexOfName(*current), std::nullopt};
}

}  // namespace grill
