#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/ChangedSpan.h"
#include "app/DesignerContext.h"
#include "app/JobReferences.h"
#include "app/RecoveryFile.h"
#include "model/JobFile.h"
#include "platform/DialogHost.h"
#include "platform/Files.h"
#include "platform/RecentJobs.h"

namespace grill {

// The job behind the dialog: its file, whether it has unsaved changes, the
// File and Edit menu commands, and the recovery copy that every change
// refreshes so that nothing is lost when the run ends without a question.
class JobSession {
 public:
  static constexpr std::size_t kRecentLimit = 8;

  JobSession(DesignerContext& context, DialogHost& host, Files& files);
  JobSession(const JobSession&) = delete;
  JobSession& operator=(const JobSession&) = delete;

  // Where the recovery copy lives and the Open Recent setting; both optional.
  void UseRecovery(std::unique_ptr<RecoveryStore> store) { recovery_ = std::move(store); }
  void UseRecentJobs(RecentJobs* recent) { recent_ = recent; }

  // At start-up, once the configuration has loaded: takes this working
  // folder's recovery copy, or says once that another run has it, and puts
  // back a former run's work. Returns the number of designs restored.
  std::optional<std::size_t> Start();

  // File menu. Open and New Job ask first about unsaved changes. Saving
  // returns whether the job was saved.
  void NewJob();
  void Open(const std::string& path);
  void OpenChosen();
  void Import(const std::string& path);
  void ImportChosen();
  bool Save();
  bool SaveAs(const std::string& path);
  bool SaveAsChosen();
  std::vector<std::string> RecentJobList() const;

  // Edit menu: nothing happens without a step to take.
  void Undo();
  void Redo();
  // "Undo New Kitchen", or nullopt without a step.
  std::optional<std::string> UndoText() const;
  std::optional<std::string> RedoText() const;

  // After every event of the dialog: a change of the designs, the unit, the
  // spacing mode, the master file name or the current design is written to
  // the recovery copy and the title follows the modified state.
  void Notice();
  // Told by the view after every change of the designs.
  void DesignsChanged(const DesignChange& change);

  // The job file's path, empty without one.
  const std::string& Path() const { return path_; }
  bool Modified() const;
  // The job file's name without folder and extension, or "Untitled".
  std::string DisplayName() const;
  std::string Title() const;

 private:
  struct Seen {
    Unit unit = Unit::Inches;
    SpacingMode spacing = SpacingMode::EqualSpace;
    std::optional<std::size_t> current;
    std::string masterFile;  // saved with the job: a new one is written to the recovery copy
    bool operator==(const Seen&) const = default;
  };
  Seen Now() const;

  // Saves the changes if the user wants that; false when the command that
  // asked is to stop.
  bool SettleChanges();
  // Puts `job` in place of the dialog's job; returns the names it refers to
  // that the configuration lacks.
  std::vector<MissingReference> Load(Job job, std::string path, bool modified);
  void ShowLoaded();
  void ShowHistoryStep();
  bool Write(const std::string& path);
  void Remember(const std::string& path);
  // Names the designs just loaded that cannot be cut, in one message.
  void ShowUncuttable(const WindowList& designs);
  void WriteRecovery();
  // The working set with only the designs [first, first + count).
  RecoveryState RecoveryOf(std::size_t first, std::size_t count) const;
  void ReportRecoveryFailure(const std::string& reason);
  void FinishStroke();

  DesignerContext& context_;
  DialogHost& host_;
  Files& files_;
  std::unique_ptr<RecoveryStore> recovery_;
  RecentJobs* recent_ = nullptr;
  std::string path_;
  // Unsaved changes the undo history does not hold: unit and spacing mode
  // changes, and those of a restored run.
  bool unsavedBesideHistory_ = false;
  bool started_ = false;
  // The recovery copy lags behind: a change of the designs, a load or a save.
  bool recordDue_ = false;
  // The designs changed since the recovery copy was written.
  ChangedSpan unrecorded_;
  // The Master File field's text as the job file holds it.
  std::string savedMasterFile_;
  bool recoveryFailed_ = false;
  Seen seen_;
};

// The name a job file path shows: no folder, no .grilljob.
std::string JobDisplayName(const std::string& path);

// The designs of `imported` renamed where a name is in `taken` or earlier in
// `imported`: " (2)", " (3)" and so on. Returns the renames as "OLD is now NEW".
std::vector<std::string> RenameImported(const WindowList& taken, std::vector<JobDesign>& imported);

}  // namespace grill
