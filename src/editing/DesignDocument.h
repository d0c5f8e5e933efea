#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "editing/DesignChange.h"
#include "editing/DocumentEvents.h"
#include "editing/JobProperties.h"
#include "editing/UndoHistory.h"
#include "model/Units.h"
#include "model/WindowList.h"

namespace grill {

// The job: its designs in window-list order, which one is current, its
// details (customer, order number, due date, notes) and its properties (unit,
// spacing mode, Master File name). The designs and the details change only
// through Commit, Undo and Redo, and through a group (a drag on the canvas)
// that becomes one step, so every change passes one place, which also keeps
// the undo history and knows whether the job differs from its saved state.
// Subscribers hear of each change through Events().
class DesignDocument {
 public:
  // Whether a job put in place is its saved state, or holds unsaved changes
  // of a former run whose saved state is not known.
  enum class Saved { Yes, No };

  const WindowList& Designs() const { return designs_; }
  const DesignFocus& Focus() const { return focus_; }
  // The current design, or null.
  const GrillWindow* Current() const { return At(focus_.current); }
  const GrillWindow* Previous() const { return At(focus_.previous); }

  // The job's properties make no undo step: they are settings of the job
  // that their own controls show, not changes of a design.
  const JobProperties& Properties() const { return properties_; }
  Unit DisplayUnit() const { return properties_.unit; }
  SpacingMode Spacing() const { return properties_.spacing; }
  const std::string& MasterFile() const { return properties_.masterFile; }
  void SetUnit(Unit unit);
  void SetSpacing(SpacingMode mode);
  void SetMasterFile(std::string name);

  // The details are the job's own content, so they change by steps: a
  // change from DetailsChange, handed to Commit.
  const JobDetails& Details() const { return details_; }

  // Looks at another design (or none, or the same one again); the designs
  // stay as they are.
  void SetFocus(DesignFocus focus);

  // Applies `change` and makes it the newest undo step.
  void Commit(DesignChange change);

  // Reverts the newest step, or reapplies the step undone last; false when
  // there is none.
  bool Undo();
  bool Redo();
  const UndoHistory& History() const { return history_; }

  // Whether the job differs from its saved state: the history is away from
  // its clean step, or a property differs from the saved one.
  bool Modified() const;
  // The job as it stands is the saved one.
  void MarkClean();

  // Puts another job in place of this one (New Job, Open, a restored run):
  // no undo step, an empty history.
  void Replace(WindowList designs, DesignFocus focus, JobProperties properties, JobDetails details,
               Saved saved);

  // A group of changes of the current design that becomes one step: the
  // first change opens it, each is shown at once, CommitGroup ends it.
  // Any other change of the designs, the focus or the saved state commits an
  // open group first, so nothing works on the designs without it.
  void ChangeCurrentInGroup(GrillWindow after, std::string label);
  bool GroupOpen() const { return group_.has_value(); }
  // One step labelled as the last change of the group said, or none when the
  // design ends as it began. Nothing without an open group.
  void CommitGroup();

  DocumentEvents& Events() { return events_; }

 private:
  friend class DocumentSetUp;

  struct Group {
    std::size_t index = 0;
    GrillWindow before;
    std::string label;
  };

  const GrillWindow* At(std::optional<std::size_t> index) const;
  void SetProperties(JobProperties properties);
  void Revert(const DesignChange& change);
  void Reapply(const DesignChange& change);
  void ApplyEdits(const DesignChange& change);
  void RevertEdits(const DesignChange& change);
  // What the subscribers of the designs hear of `change` applied or
  // reverted on the designs as they stand; none when it touches no design.
  std::optional<DesignsChanged> EventOf(const DesignChange& change, PlayDirection direction) const;
  // Tells the subscribers of a step applied or reverted.
  void Changed(const std::optional<DesignsChanged>& event, const DesignFocus& focusBefore,
               const JobDetails& detailsBefore);
  void TellCleanState();

  WindowList designs_;
  DesignFocus focus_;
  JobDetails details_;
  UndoHistory history_;
  JobProperties properties_;
  // None: the saved state is not known, so the job counts as modified until
  // it is saved.
  std::optional<JobProperties> savedProperties_ = JobProperties{};
  std::optional<Group> group_;
  bool toldModified_ = false;
  DocumentEvents events_;
};

// A change that replaces the current design by `after`; the focus stays.
DesignChange ReplaceCurrentDesign(const DesignDocument& document, std::string label,
                                  GrillWindow after);
// A change that appends `window` and makes it current, the old current
// becoming the previous design. Labelled "New <name>".
DesignChange AddDesign(const DesignDocument& document, GrillWindow window);
// A change that appends a copy of the design at `index` (which must exist)
// and makes the copy current, the old current becoming the previous design. The copy is named "NAME
// (2)", or the first number not taken; a copy of "NAME (2)" is "NAME (3)". Labelled "Duplicate
// <name>".
DesignChange DuplicateDesign(const DesignDocument& document, std::size_t index);
// A change that removes the design at `index` (which must exist), leaving no
// design current. Labelled "Delete <name>".
DesignChange DeleteDesign(const DesignDocument& document, std::size_t index);
// A change that gives the job the details `after`; none when they are the
// job's already. Labelled by what it changes: "Set Customer" for one detail,
// "Edit Job Details" for several.
std::optional<DesignChange> DetailsChange(const DesignDocument& document, JobDetails after);

}  // namespace grill
