#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "model/GrillWindow.h"
#include "model/JobDetails.h"

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

// The job's details before and after a change.
struct DetailsEdit {
  JobDetails before;
  JobDetails after;
};

// How a step joins the step before it when both are of one kind (the same
// bar nudged again): `key` names that kind, `label` names the joined step
// when the two were labelled apart ("Nudge Bar 2" for one nudge down and one
// up).
struct MergeRule {
  std::string key;
  std::string label;

  bool operator==(const MergeRule&) const = default;
};

// One step of change of the job: the designs it touched, in order, the focus
// on either side and the job's details when it changed them, so that it can
// be reverted and reapplied. It holds only the designs it touched.
struct DesignChange {
  // For the Edit menu, in words: "New Kitchen", "Delete Kitchen", "Edit Bar Position".
  std::string label;
  std::vector<DesignEdit> edits;
  DesignFocus focusBefore;
  DesignFocus focusAfter;
  // None: the step stands alone.
  std::optional<MergeRule> merge = std::nullopt;
  // None: the details stay as they are.
  std::optional<DetailsEdit> details = std::nullopt;

  // Whether the window list's names or order differ afterwards.
  bool ChangesNames() const;
  // Whether it changes the details and no design.
  bool OnlyDetails() const { return details && edits.empty(); }
  // Whether every design it touches is as it was, and the focus and the
  // details too.
  bool ChangesNothing() const;
  // Takes `later`, a change of the same kind made right after this one, into
  // this one: the designs end as `later` leaves them.
  void Absorb(const DesignChange& later);
};

enum class PlayDirection { Apply, Revert };

// The stretch of the window list a change touches: the designs
// [first, first + removed) of the list before it gave way to the designs
// [first, first + added) of the list after it.
struct ListStretch {
  std::size_t first = 0;
  std::size_t removed = 0;
  std::size_t added = 0;

  bool operator==(const ListStretch&) const = default;
};

// The stretch `change` touches when it is applied or reverted on a list of
// `size` designs. Edits that do not fit the list touch all of it.
ListStretch StretchOf(const DesignChange& change, PlayDirection direction, std::size_t size);

}  // namespace grill
