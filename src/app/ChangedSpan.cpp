#include "app/ChangedSpan.h"

#include <algorithm>

namespace grill {
namespace {

enum class EditKind { Replace, Insert, Remove };

EditKind KindOf(const DesignEdit& edit, bool reverted) {
  if (edit.before && edit.after) {
    return EditKind::Replace;
  }
  const bool inserts = !edit.before;
  return inserts != reverted ? EditKind::Insert : EditKind::Remove;
}

// Plays the edits in the order given on a list of `before` designs. An edit
// at `index` leaves the designs in front of it alone, and those behind it
// keep their distance from the end.
template <typename Iterator>
std::optional<SharedEnds> Play(Iterator first, Iterator last, bool reverted, std::size_t before,
                               std::size_t after) {
  std::size_t size = before;
  SharedEnds ends{before, before};
  for (Iterator edit = first; edit != last; ++edit) {
    const std::size_t index = edit->index;
    const EditKind kind = KindOf(*edit, reverted);
    if (index > size || (kind != EditKind::Insert && index == size)) {
      return std::nullopt;
    }
    ends.head = std::min(ends.head, index);
    if (kind == EditKind::Insert) {
      ends.tail = std::min(ends.tail, size - index);
      ++size;
    } else {
      ends.tail = std::min(ends.tail, size - index - 1);
      size = kind == EditKind::Remove ? size - 1 : size;
    }
  }
  if (size != after) {
    return std::nullopt;
  }
  return ends;
}

}  // namespace

std::optional<SharedEnds> SharedEndsOf(const DesignChange& change, std::size_t before,
                                       std::size_t after) {
  const auto& edits = change.edits;
  const std::optional<SharedEnds> applied = Play(edits.begin(), edits.end(), false, before, after);
  const std::optional<SharedEnds> reverted =
      Play(edits.rbegin(), edits.rend(), true, before, after);
  if (applied && reverted) {
    return SharedEnds{std::min(applied->head, reverted->head),
                      std::min(applied->tail, reverted->tail)};
  }
  return applied ? applied : reverted;
}

void ChangedSpan::Reset(std::size_t size) {
  head_ = tail_ = recorded_ = size_ = size;
}

void ChangedSpan::Add(const DesignChange& change, std::size_t size) {
  const std::optional<SharedEnds> ends = SharedEndsOf(change, size_, size);
  size_ = size;
  if (!ends) {
    head_ = tail_ = 0;
    return;
  }
  head_ = std::min(head_, ends->head);
  tail_ = std::min(tail_, ends->tail);
}

void ChangedSpan::AddAll(std::size_t size) {
  size_ = size;
  head_ = tail_ = 0;
}

std::size_t ChangedSpan::From() const {
  return std::min({head_, recorded_, size_});
}

std::size_t ChangedSpan::Tail() const {
  return std::min(tail_, std::min(recorded_, size_) - From());
}

std::size_t ChangedSpan::Removed() const {
  return recorded_ - From() - Tail();
}

std::size_t ChangedSpan::Added() const {
  return size_ - From() - Tail();
}

bool ChangedSpan::Whole() const {
  return From() == 0 && Tail() == 0;
}

}  // namespace grill
