#pragma once

#include <cstddef>
#include <functional>
#include <string>

#include "editing/DesignChange.h"
#include "editing/UndoHistory.h"
#include "model/Units.h"
#include "model/WindowList.h"

namespace grill {

// The job's designs in window-list order, which one is current, and the unit
// and spacing mode they are shown and respaced in. The designs change only
// through Commit (and Revert / Reapply of a committed change), so every
// change passes one place, which also keeps the undo history.
class DesignDocument {
 public:
  // Told after every change of the designs, and after every move of the focus.
  struct Listener {
    std::function<void(const DesignChange&)> changed;
    std::function<void()> focusMoved;
  };

  const WindowList& Designs() const { return designs_; }
  const DesignFocus& Focus() const { return focus_; }
  // The current design, or null.
  const GrillWindow* Current() const { return At(focus_.current); }
  const GrillWindow* Previous() const { return At(focus_.previous); }

  Unit DisplayUnit() const { return unit_; }
  void SetUnit(Unit unit) { unit_ = unit; }
  SpacingMode Spacing() const { return spacing_; }
  void SetSpacing(SpacingMode mode) { spacing_ = mode; }

  // Looks at another design (or none); the designs stay as they are.
  void SetFocus(DesignFocus focus);

  // Applies `change`, makes it the newest undo step and tells the listener.
  void Commit(DesignChange change);
  // Takes a committed change back, or makes it again, and tells the listener.
  void Revert(const DesignChange& change);
  void Reapply(const DesignChange& change);

  // Reverts the newest step, or reapplies the step undone last; false when
  // there is none.
  bool Undo();
  bool Redo();
  const UndoHistory& History() const { return history_; }
  // The designs as they stand are the saved job.
  void MarkClean() { history_.MarkClean(); }

  // Puts another job's designs in place of these (New Job, Open): no undo
  // step, an empty history, and the listener told only of the focus.
  void Replace(WindowList designs, DesignFocus focus);

  void SetListener(Listener listener) { listener_ = std::move(listener); }

  // The designs to build a fixture from, in tests and benchmarks only; the
  // program changes them through Commit alone.
  WindowList& RecordsForSetUp() { return designs_; }

 private:
  const GrillWindow* At(std::optional<std::size_t> index) const;
  void ApplyEdits(const DesignChange& change);
  void RevertEdits(const DesignChange& change);
  void Changed(const DesignChange& change);

  WindowList designs_;
  DesignFocus focus_;
  UndoHistory history_;
  Unit unit_ = Unit::Inches;
  SpacingMode spacing_ = SpacingMode::EqualSpace;
  Listener listener_;
};

// A change that replaces the current design by `after`; the focus stays.
DesignChange ReplaceCurrentDesign(const DesignDocument& document, std::string label,
                                  GrillWindow after, ChangeOrigin origin = ChangeOrigin::Form);
// A change that appends `window` and makes it current, the old current
// becoming the previous design. Labelled "New <name>".
DesignChange AddDesign(const DesignDocument& document, GrillWindow window);
// A change that removes the design at `index` (which must exist), leaving no
// design current. Labelled "Delete <name>".
DesignChange DeleteDesign(const DesignDocument& document, std::size_t index);

}  // namespace grill
