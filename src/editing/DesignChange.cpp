#include "editing/DesignChange.h"

#include <algorithm>

namespace grill {
namespace {

enum class EditKind { Replace, Insert, Remove };

EditKind KindOf(const DesignEdit& edit, PlayDirection direction) {
  if (edit.before && edit.after) {
    return EditKind::Replace;
  }
  const bool inserts = !edit.before;
  return inserts == (direction == PlayDirection::Apply) ? EditKind::Insert : EditKind::Remove;
}

// Plays the edits in the order given on a list of `size` designs. An edit at
// `index` leaves the designs in front of it alone, and those behind it keep
// their distance from the end.
template <typename Iterator>
ListStretch Play(Iterator first, Iterator last, PlayDirection direction, std::size_t size) {
  const std::size_t before = size;
  std::size_t head = size;
  std::size_t tail = size;
  for (Iterator edit = first; edit != last; ++edit) {
    const std::size_t index = edit->index;
    const EditKind kind = KindOf(*edit, direction);
    if (index > size || (kind != EditKind::Insert && index == size)) {
      return {0, before, before};
    }
    head = std::min(head, index);
    if (kind == EditKind::Insert) {
      tail = std::min(tail, size - index);
      ++size;
    } else {
      tail = std::min(tail, size - index - 1);
      size = kind == EditKind::Remove ? size - 1 : size;
    }
  }
  // Head and tail may overlap while nothing changed the count.
  tail = std::min(tail, std::min(before, size) - std::min(head, std::min(before, size)));
  head = std::min(head, std::min(before, size));
  return {head, before - head - tail, size - head - tail};
}

}  // namespace

bool DesignChange::ChangesNames() const {
  for (const DesignEdit& edit : edits) {
    if (!edit.before || !edit.after || edit.before->name != edit.after->name) {
      return true;
    }
  }
  return false;
}

bool DesignChange::ChangesNothing() const {
  return focusBefore == focusAfter && (!details || details->before == details->after) &&
         std::all_of(edits.begin(), edits.end(),
                     [](const DesignEdit& edit) { return edit.before == edit.after; });
}

void DesignChange::Absorb(const DesignChange& later) {
  if (merge && later.label != label) {
    label = merge->label;
  }
  for (const DesignEdit& edit : later.edits) {
    auto same = std::find_if(edits.begin(), edits.end(),
                             [&edit](const DesignEdit& mine) { return mine.index == edit.index; });
    if (same != edits.end()) {
      same->after = edit.after;
    } else {
      edits.push_back(edit);
    }
  }
  focusAfter = later.focusAfter;
  if (later.details && details) {
    details->after = later.details->after;
  } else if (later.details) {
    details = later.details;
  }
}

ListStretch StretchOf(const DesignChange& change, PlayDirection direction, std::size_t size) {
  const auto& edits = change.edits;
  return direction == PlayDirection::Apply ? Play(edits.begin(), edits.end(), direction, size)
                                           : Play(edits.rbegin(), edits.rend(), direction, size);
}

}  // namespace grill
