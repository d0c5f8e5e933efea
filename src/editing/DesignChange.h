#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "model/GrillWindow.h"

namespace grill {

// Which design is current and which was current before it (Slider Align
// copies from that one), by place in the window list.
struct DesignFocus {
  std::optional<std::size_t> current;
  std::optional<std::size_t> previous;

  bool operator==(const DesignFocus&) const = default;
};

// One design's value before and after a change, at its place in the list as
// it stands when this edit is applied. No value before: the design was
// inserted there; no value after: it was removed from there.
struct DesignEdit {
  std::size_t index = 0;
  std::optional<GrillWindow> before;
  std::optional<GrillWindow> after;
};

// Where a change was made. A canvas change was shown live while it was made,
// and Process Data's settings are what its fields already show, so committing
// either only repaints: the bar lists keep what they showed.
enum class ChangeOrigin { Form, Canvas, ExportSettings };

// One step of change of the designs: what it touched, in order, and the focus
// on either side, so that it can be reverted and reapplied. It holds only the
// designs it touched.
struct DesignChange {
  std::string label;  // for the Edit menu: "New Kitchen", "Delete Kitchen", "Edit"
  std::vector<DesignEdit> edits;
  DesignFocus focusBefore;
  DesignFocus focusAfter;
  ChangeOrigin origin = ChangeOrigin::Form;

  // Whether the window list's names or order differ afterwards.
  bool ChangesNames() const;
};

}  // namespace grill
