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
  // A field of the form was typed in or picked from: the recovery copy keeps
  // what the form holds, so a design not yet made survives a crash.
  void RecordForm();

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

  // The job file's path, empty without one.
  const std::string& Path() const { return path_; }
  bool Modified() const;
  // The job file's name without folder and extension, or "Untitled".
  std::string DisplayName() const;
  std::string Title() const;

 private:
  // Saves the changes if the user wants that; false when the command that
  // asked is to stop.
  bool SettleChanges();
  // Puts `job` in place of the dialog's job; returns the names it refers to
  // that the configuration lacks.
  std::vector<MissingReference> Load(Job job, std::string path, DesignDocument::Saved saved);
  bool Write(const std::string& path);
  void Remember(const std::string& path);
  // Names the designs just loaded that cannot be cut, in one message.
  void ShowUncuttable(const WindowList& designs);
  void WriteRecovery();
  // The working set with only the designs [first, first + count).
  RecoveryState RecoveryOf(std::size_t first, std::size_t count) const;
  void ReportRecoveryFailure(const std::string& reason);
  // What the session hears of the document: every settled change is written
  // to the recovery copy, and the title follows the modified state.
  void Subscribe();
  void DesignsChanged(const grill::DesignsChanged& event);
  void ShowTitle();

  DesignerContext& context_;
  DialogHost& host_;
  Files& files_;
  std::unique_ptr<RecoveryStore> recovery_;
  RecentJobs* recent_ = nullptr;
  std::string path_;
  // Nothing is recorded before the run has claimed its recovery copy.
  bool started_ = false;
  // The designs changed since the recovery copy was written.
  ChangedSpan unrecorded_;
  // The change being told is to be recorded once it is complete.
  bool recordDue_ = false;
  bool recoveryFailed_ = false;
};

// The name a job file path shows: no folder, no .grilljob.
std::string JobDisplayName(const std::string& path);

// The designs of `imported` renamed where a name is in `taken` or earlier in
// `imported`: " (2)", " (3)" and so on. Returns the renames as "OLD is now NEW".
std::vector<std::string> RenameImported(const WindowList& taken, std::vector<JobDesign>& imported);

}  // namespace grill
