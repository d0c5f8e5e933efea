#include "editing/DesignDocument.h"

#include <string>
#include <utility>

#include "model/NameRules.h"

namespace grill {

const GrillWindow* DesignDocument::At(std::optional<std::size_t> index) const {
  if (!index || *index >= designs_.size()) {
    return nullptr;
  }
  return &designs_[*index];
}

void DesignDocument::SetUnit(Unit unit) {
  JobProperties properties = properties_;
  properties.unit = unit;
  SetProperties(std::move(properties));
}

void DesignDocument::SetSpacing(SpacingMode mode) {
  JobProperties properties = properties_;
  properties.spacing = mode;
  SetProperties(std::move(properties));
}

void DesignDocument::SetMasterFile(std::string name) {
  JobProperties properties = properties_;
  properties.masterFile = std::move(name);
  SetProperties(std::move(properties));
}

void DesignDocument::SetProperties(JobProperties properties) {
  if (properties == properties_) {
    return;
  }
  PropertiesChanged event{std::exchange(properties_, std::move(properties))};
  events_.Tell(event);
  TellCleanState();
  events_.Complete();
}

void DesignDocument::SetFocus(DesignFocus focus) {
  CommitGroup();
  const DesignFocus before = std::exchange(focus_, focus);
  events_.Tell(FocusChanged{before});
  events_.Complete();
}

void DesignDocument::Commit(DesignChange change) {
  CommitGroup();
  // Read before the history takes the step, which may join it to the one
  // before.
  const std::optional<DesignsChanged> event = EventOf(change, PlayDirection::Apply);
  const DesignFocus focusBefore = focus_;
  const JobDetails detailsBefore = details_;
  ApplyEdits(change);
  history_.Push(std::move(change));
  Changed(event, focusBefore, detailsBefore);
}

bool DesignDocument::Undo() {
  CommitGroup();
  const DesignChange* step = history_.StepBack();
  if (step != nullptr) {
    Revert(*step);
  }
  return step != nullptr;
}

bool DesignDocument::Redo() {
  CommitGroup();
  const DesignChange* step = history_.StepForward();
  if (step != nullptr) {
    Reapply(*step);
  }
  return step != nullptr;
}

bool DesignDocument::Modified() const {
  return !history_.IsClean() || savedProperties_ != properties_;
}

void DesignDocument::MarkClean() {
  CommitGroup();
  history_.MarkClean();
  savedProperties_ = properties_;
  TellCleanState();
  events_.Complete();
}

void DesignDocument::Replace(WindowList designs, DesignFocus focus, JobProperties properties,
                             JobDetails details, Saved saved) {
  CommitGroup();
  const std::size_t removed = designs_.size();
  designs_ = std::move(designs);
  history_.Clear();
  const DesignFocus focusBefore = std::exchange(focus_, focus);
  const JobProperties propertiesBefore = std::exchange(properties_, std::move(properties));
  const JobDetails detailsBefore = std::exchange(details_, std::move(details));
  savedProperties_ = saved == Saved::Yes ? std::optional(properties_) : std::nullopt;
  events_.Tell(DesignsChanged{0, removed, designs_.size(), true, false, true});
  events_.Tell(FocusChanged{focusBefore});
  if (propertiesBefore != properties_) {
    events_.Tell(PropertiesChanged{propertiesBefore});
  }
  if (detailsBefore != details_) {
    events_.Tell(DetailsChanged{detailsBefore});
  }
  TellCleanState();
  events_.Complete();
}

void DesignDocument::ChangeCurrentInGroup(GrillWindow after, std::string label) {
  if (!group_) {
    const GrillWindow* current = Current();
    if (current == nullptr) {
      return;
    }
    group_ = Group{*focus_.current, *current, {}};
  }
  group_->label = std::move(label);
  const bool renamed = designs_[group_->index].name != after.name;
  designs_[group_->index] = std::move(after);
  events_.Tell(DesignsChanged{group_->index, 1, 1, renamed, true});
  events_.Complete();
}

void DesignDocument::CommitGroup() {
  if (!group_) {
    return;
  }
  Group group = std::move(*group_);
  group_.reset();
  const GrillWindow& after = designs_[group.index];
  if (after != group.before) {
    const DesignFocus focus = focus_;
    DesignChange change{std::move(group.label), {}, focus, focus, std::nullopt};
    change.edits.push_back({group.index, std::move(group.before), after});
    history_.Push(std::move(change));
  }
  // The stroke is settled either way: what was shown under way is what stands.
  events_.Tell(DesignsChanged{group.index, 1, 1, false, false});
  TellCleanState();
  events_.Complete();
}

void DesignDocument::Revert(const DesignChange& change) {
  const std::optional<DesignsChanged> event = EventOf(change, PlayDirection::Revert);
  const DesignFocus focusBefore = focus_;
  const JobDetails detailsBefore = details_;
  RevertEdits(change);
  Changed(event, focusBefore, detailsBefore);
}

void DesignDocument::Reapply(const DesignChange& change) {
  const std::optional<DesignsChanged> event = EventOf(change, PlayDirection::Apply);
  const DesignFocus focusBefore = focus_;
  const JobDetails detailsBefore = details_;
  ApplyEdits(change);
  Changed(event, focusBefore, detailsBefore);
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
  if (change.details) {
    details_ = change.details->after;
  }
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
  if (change.details) {
    details_ = change.details->before;
  }
}

// A change of the details alone touches no design, so the designs' subscribers
// (the view, the recovery copy's stretch) hear nothing of it.
std::optional<DesignsChanged> DesignDocument::EventOf(const DesignChange& change,
                                                      PlayDirection direction) const {
  if (change.OnlyDetails()) {
    return std::nullopt;
  }
  const ListStretch stretch = StretchOf(change, direction, designs_.size());
  return DesignsChanged{stretch.first, stretch.removed, stretch.added, change.ChangesNames(),
                        false};
}

void DesignDocument::Changed(const std::optional<DesignsChanged>& event,
                             const DesignFocus& focusBefore, const JobDetails& detailsBefore) {
  if (event) {
    events_.Tell(*event);
  }
  if (focusBefore != focus_) {
    events_.Tell(FocusChanged{focusBefore});
  }
  if (detailsBefore != details_) {
    events_.Tell(DetailsChanged{detailsBefore});
  }
  TellCleanState();
  events_.Complete();
}

void DesignDocument::TellCleanState() {
  const bool modified = Modified();
  if (modified != toldModified_) {
    toldModified_ = modified;
    events_.Tell(CleanStateChanged{modified});
  }
}

DesignChange ReplaceCurrentDesign(const DesignDocument& document, std::string label,
                                  GrillWindow after) {
  const DesignFocus focus = document.Focus();
  DesignChange change{std::move(label), {}, focus, focus, std::nullopt};
  change.edits.push_back({*focus.current, *document.Current(), std::move(after)});
  return change;
}

DesignChange AddDesign(const DesignDocument& document, GrillWindow window) {
  const DesignFocus before = document.Focus();
  const std::size_t index = document.Designs().size();
  DesignChange change{"New " + window.name, {}, before, {index, before.current}, std::nullopt};
  change.edits.push_back({index, std::nullopt, std::move(window)});
  return change;
}

DesignChange DuplicateDesign(const DesignDocument& document, std::size_t index) {
  const GrillWindow& original = document.Designs()[index];
  GrillWindow copy = original;
  copy.name = CopyName(original.name, [&document](const std::string& name) {
    return document.Designs().IndexOfName(name).has_value();
  });
  DesignChange change = AddDesign(document, std::move(copy));
  change.label = "Duplicate " + original.name;
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
  DesignChange change{"Delete " + doomed.name, {}, before, {std::nullopt, previous}, std::nullopt};
  change.edits.push_back({index, doomed, std::nullopt});
  return change;
}

std::optional<DesignChange> DetailsChange(const DesignDocument& document, JobDetails after) {
  const JobDetails& before = document.Details();
  std::vector<JobDetail> changed;
  for (const JobDetail detail : kJobDetails) {
    if (before[detail] != after[detail]) {
      changed.push_back(detail);
    }
  }
  if (changed.empty()) {
    return std::nullopt;
  }
  const std::string label =
      changed.size() == 1 ? "Set " + std::string(DetailLabel(changed.front())) : "Edit Job Details";
  const DesignFocus focus = document.Focus();
  DesignChange change{label, {}, focus, focus};
  change.details = DetailsEdit{before, std::move(after)};
  return change;
}

}  // namespace grill
