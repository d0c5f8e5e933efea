#include "editing/DesignDocument.h"

#include <utility>

namespace grill {

const GrillWindow* DesignDocument::At(std::optional<std::size_t> index) const {
  if (!index || *index >= designs_.size()) {
    return nullptr;
  }
  return &designs_[*index];
}

void DesignDocument::SetFocus(DesignFocus focus) {
  focus_ = focus;
  if (listener_.focusMoved) {
    listener_.focusMoved();
  }
}

void DesignDocument::Commit(DesignChange change) {
  ApplyEdits(change);
  history_.Push(std::move(change));
  Changed(*history_.NextUndo());
}

bool DesignDocument::Undo() {
  const DesignChange* step = history_.StepBack();
  if (step != nullptr) {
    Revert(*step);
  }
  return step != nullptr;
}

bool DesignDocument::Redo() {
  const DesignChange* step = history_.StepForward();
  if (step != nullptr) {
    Reapply(*step);
  }
  return step != nullptr;
}

void DesignDocument::Replace(WindowList designs, DesignFocus focus) {
  designs_ = std::move(designs);
  history_.Clear();
  SetFocus(focus);
}

void DesignDocument::Revert(const DesignChange& change) {
  RevertEdits(change);
  Changed(change);
}

void DesignDocument::Reapply(const DesignChange& change) {
  ApplyEdits(change);
  Changed(change);
}

void DesignDocument::ApplyEdits(const DesignChange& change) {
  for (const DesignEdit& edit : change.edits) {
    if (!edit.after) {
      designs_.Remove(edit.index);
    } else if (!edit.before) {
      designs_.Insert(edit.index, *edit.after);
    } else {
      designs_[edit.index] = *edit.after;
    }
  }
  focus_ = change.focusAfter;
}

// The edits undone last to first, so every index means what it meant when
// its edit was made.
void DesignDocument::RevertEdits(const DesignChange& change) {
  for (auto it = change.edits.rbegin(); it != change.edits.rend(); ++it) {
    const DesignEdit& edit = *it;
    if (!edit.before) {
      designs_.Remove(edit.index);
    } else if (!edit.after) {
      designs_.Insert(edit.index, *edit.before);
    } else {
      designs_[edit.index] = *edit.before;
    }
  }
  focus_ = change.focusBefore;
}

void DesignDocument::Changed(const DesignChange& change) {
  // Read before the listener runs: it may drop the change it is told of.
  const bool focusMoved = change.focusBefore != change.focusAfter;
  if (listener_.changed) {
    listener_.changed(change);
  }
  if (focusMoved && listener_.focusMoved) {
    listener_.focusMoved();
  }
}

DesignChange ReplaceCurrentDesign(const DesignDocument& document, std::string label,
                                  GrillWindow after, ChangeOrigin origin) {
  const DesignFocus focus = document.Focus();
  DesignChange change{std::move(label), {}, focus, focus, origin};
  change.edits.push_back({*focus.current, *document.Current(), std::move(after)});
  return change;
}

DesignChange AddDesign(const DesignDocument& document, GrillWindow window) {
  const DesignFocus before = document.Focus();
  const std::size_t index = document.Designs().size();
  DesignChange change{"New " + window.name, {}, before, {index, before.current}};
  change.edits.push_back({index, std::nullopt, std::move(window)});
  return change;
}

DesignChange DeleteDesign(const DesignDocument& document, std::size_t index) {
  const DesignFocus before = document.Focus();
  // The previous design keeps pointing at the same design, or at none once
  // that design is gone.
  std::optional<std::size_t> previous = before.previous;
  if (previous && *previous == index) {
    previous.reset();
  } else if (previous && *previous > index) {
    previous = *previous - 1;
  }
  const GrillWindow& doomed = document.Designs()[index];
  DesignChange change{"Delete " + doomed.name, {}, before, {std::nullopt, previous}};
  change.edits.push_back({index, doomed, std::nullopt});
  return change;
}

}  // namespace grill
