#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "editing/DesignChange.h"

namespace grill {

// The committed changes that Undo takes back and Redo makes again, and the
// point in them where the job was last saved (its clean state).
class UndoHistory {
 public:
  // Older steps are forgotten beyond this many; each holds only the designs
  // it touched, so the history's memory follows the work, not the job's size.
  static constexpr std::size_t kLimit = 1000;

  // A new step after the ones undone so far, which can no longer be redone.
  // A step of the same kind as the newest (the same bar nudged again) joins
  // it instead, unless the job was saved in between; a joined step that
  // leaves everything as it was is no step at all.
  void Push(DesignChange change);
  // The step Undo takes back (which becomes redoable), or null.
  const DesignChange* StepBack();
  // The step Redo makes again (which becomes undoable), or null.
  const DesignChange* StepForward();

  const DesignChange* NextUndo() const;
  const DesignChange* NextRedo() const;

  // The designs as they stand now are the saved ones.
  void MarkClean() { clean_ = applied_; }
  // Whether the designs are back at the saved state.
  bool IsClean() const { return clean_ == applied_; }
  // No steps; the designs as they stand are the clean state.
  void Clear();

 private:
  bool JoinsNewest(const DesignChange& change) const;

  std::vector<DesignChange> steps_;
  std::size_t applied_ = 0;  // steps_[0, applied_) are done, the rest undone
  // Where MarkClean was called; none once that state cannot come back.
  std::optional<std::size_t> clean_ = 0;
};

}  // namespace grill
