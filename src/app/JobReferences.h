#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "config/ConfigRecords.h"
#include "editing/DesignDocument.h"
#include "model/JobFile.h"

namespace grill {

// The names a design's configuration references stand for; an empty
// reference gives no name.
DesignReferences ReferencesOf(const GrillWindow& window);

// A reference name that the configuration does not hold.
struct MissingReference {
  std::string design;
  std::string kind;  // "bar type", "edge type", "inside color", "outside color"
  std::string name;

  bool operator==(const MissingReference&) const = default;
};

// Designs read from a job, their references pointing into the configuration.
struct ResolvedDesigns {
  WindowList designs;
  // Each name not in the configuration, whose reference was left empty: the
  // design stays, and the user can pick the type or colour again.
  std::vector<MissingReference> missing;
};

ResolvedDesigns ResolveDesigns(const Configuration& config, std::vector<JobDesign> designs);

// The one message that lists every missing name with its design.
std::string MissingReferencesMessage(const std::vector<MissingReference>& missing);

// The job file's contents of the document.
Job JobOf(const DesignDocument& document);
// The same holding only the designs [first, first + count), for a record of
// what changed.
Job JobOf(const DesignDocument& document, std::size_t first, std::size_t count);

// The place of the design a job names current, if it holds one by that name.
DesignFocus FocusOf(const WindowList& designs, const std::optional<std::string>& current);

}  // namespace grill
