#include "app/JobSession.h"

#include <algorithm>
#include <set>
#include <utility>

#include "app/FormTexts.h"
#include "app/JobReferences.h"
#include "app/MainDialogTemplate.h"
#include "app/UncuttableDesigns.h"
#include "model/JobFileReader.h"
#include "model/JobFileWriter.h"
#include "model/NameRules.h"
#include "platform/ControlIds.h"

namespace grill {
namespace {

constexpr const char* kUntitled = "Untitled";

std::string JoinLines(const std::string& heading, const std::vector<std::string>& lines) {
  std::string text = heading;
  for (const std::string& line : lines) {
    text += '\n' + line;
  }
  return text;
}

}  // namespace

std::string JobDisplayName(const std::string& path) {
  if (path.empty()) {
    return kUntitled;
  }
  std::string name = path.substr(path.find_last_of('/') + 1);
  if (name.size() > kJobFileExtension.size() && name.ends_with(kJobFileExtension)) {
    name.resize(name.size() - kJobFileExtension.size());
  }
  return name;
}

std::vector<std::string> RenameImported(const WindowList& taken, std::vector<JobDesign>& imported) {
  std::set<std::string> names;
  for (const GrillWindow& window : taken) {
    names.insert(window.name);
  }
  std::vector<std::string> renames;
  for (JobDesign& design : imported) {
    std::string& name = design.window.name;
    if (names.count(name) != 0) {
      std::string renamed =
          CopyName(name, [&names](const std::string& n) { return names.count(n) != 0; });
      renames.push_back(name + " is now " + renamed);
      name = renamed;
    }
    names.insert(name);
  }
  return renames;
}

JobSession::JobSession(DesignerContext& context, DialogHost& host, Files& files)
    : context_(context), host_(host), files_(files) {
  Subscribe();
}

void JobSession::Subscribe() {
  DocumentEvents& events = context_.Document().Events();
  events.Subscribe([this](const grill::DesignsChanged& event) { DesignsChanged(event); });
  events.Subscribe([this](const FocusChanged&) { recordDue_ = true; });
  events.Subscribe([this](const PropertiesChanged&) { recordDue_ = true; });
  events.Subscribe([this](const grill::DetailsChanged&) { recordDue_ = true; });
  events.Subscribe([this](const CleanStateChanged&) { recordDue_ = true; });
  // One record per change, so that a kill in the middle of its write leaves
  // the state before the change. The title (and the Edit menu's step names
  // the toolkit shows with it) follows every change.
  events.Subscribe([this](const ChangeComplete&) {
    if (std::exchange(recordDue_, false)) {
      WriteRecovery();
    }
    ShowTitle();
  });
}

// A drag under way is recorded once it is let go: its moves are many, and
// the step it makes is one.
void JobSession::DesignsChanged(const grill::DesignsChanged& event) {
  unrecorded_.Add(event, context_.Document().Designs().size());
  recordDue_ = recordDue_ || !event.underway;
}

void JobSession::ShowTitle() {
  if (started_) {
    host_.ShowTitle(Title(), Modified());
  }
}

std::optional<std::size_t> JobSession::Start() {
  // The job as the configuration starts it is the untouched one.
  context_.Document().MarkClean();
  unrecorded_.Reset(context_.Document().Designs().size());
  std::optional<std::size_t> restored;
  std::string reason;
  switch (recovery_ ? recovery_->Claim(reason) : LockStatus::Taken) {
    case LockStatus::Busy:
      context_.controls.ShowMessage(
          "Another Grill Designer is running in this folder: this one keeps no recovery copy.");
      break;
    case LockStatus::Failed:
      ReportRecoveryFailure(reason);
      break;
    case LockStatus::Taken:
      if (std::optional<RecoveryState> state = recovery_ ? recovery_->Read() : std::nullopt) {
        restored = state->job.designs.size();
        started_ = true;
        Load(std::move(state->job), std::move(state->jobPath),
             state->modified ? DesignDocument::Saved::No : DesignDocument::Saved::Yes);
        ShowFormTexts(context_.controls, state->form);
        ShowUncuttable(context_.Document().Designs());
      }
      break;
  }
  started_ = true;
  ShowTitle();
  return restored;
}

bool JobSession::Modified() const {
  return context_.Document().Modified();
}

std::string JobSession::DisplayName() const {
  return JobDisplayName(path_);
}

std::string JobSession::Title() const {
  const std::string application = MainDialogTemplate().title;
  if (path_.empty() && !Modified()) {
    return application;
  }
  return DisplayName() + "[*] - " + application;
}

bool JobSession::SettleChanges() {
  // A drag under way is part of the work asked about.
  context_.Document().CommitGroup();
  if (!Modified()) {
    return true;
  }
  switch (host_.AskToSave("Save changes to \"" + DisplayName() + "\"?")) {
    case SaveAnswer::Save:
      return Save();
    case SaveAnswer::Discard:
      return true;
    case SaveAnswer::Cancel:
      break;
  }
  return false;
}

void JobSession::NewJob() {
  if (!SettleChanges()) {
    return;
  }
  Job empty;
  empty.unit = context_.Document().DisplayUnit();
  empty.spacing = context_.Document().Spacing();
  Load(std::move(empty), {}, DesignDocument::Saved::Yes);
}

void JobSession::Open(const std::string& path) {
  if (!SettleChanges()) {
    return;
  }
  JobFileResult opened = OpenJob(files_, path);
  if (!opened.job) {
    context_.controls.ShowMessage(opened.error);
    return;
  }
  const std::vector<MissingReference> missing =
      Load(std::move(*opened.job), path, DesignDocument::Saved::Yes);
  Remember(path);
  if (!missing.empty()) {
    context_.controls.ShowMessage(MissingReferencesMessage(missing));
  }
  ShowUncuttable(context_.Document().Designs());
}

void JobSession::ShowUncuttable(const WindowList& designs) {
  if (auto message = UncuttableDesignsMessage(designs, context_.Document().DisplayUnit())) {
    context_.controls.ShowMessage(*message);
  }
}

void JobSession::OpenChosen() {
  if (std::optional<std::string> path = host_.ChooseJobToOpen("Open Job")) {
    Open(*path);
  }
}

std::vector<MissingReference> JobSession::Load(Job job, std::string path,
                                               DesignDocument::Saved saved) {
  ResolvedDesigns resolved = ResolveDesigns(context_.state.config, std::move(job.designs));
  const DesignFocus focus = FocusOf(resolved.designs, job.current);
  path_ = std::move(path);
  // The whole job is written afresh, the old copy's records meaning nothing
  // for the new designs.
  unrecorded_.AddAll(resolved.designs.size());
  context_.Document().Replace(std::move(resolved.designs), focus,
                              {job.unit, job.spacing, std::move(job.masterFile)},
                              std::move(job.details), saved);
  ShowTitle();
  return std::move(resolved.missing);
}

void JobSession::Import(const std::string& path) {
  JobFileResult opened = OpenJob(files_, path);
  if (!opened.job) {
    context_.controls.ShowMessage(opened.error);
    return;
  }
  DesignDocument& document = context_.Document();
  const std::vector<std::string> renames = RenameImported(document.Designs(), opened.job->designs);
  ResolvedDesigns resolved = ResolveDesigns(context_.state.config, std::move(opened.job->designs));
  const std::optional<std::string> uncuttable =
      UncuttableDesignsMessage(resolved.designs, document.DisplayUnit());
  if (!resolved.designs.empty()) {
    const DesignFocus focus = document.Focus();
    DesignChange change{"Import " + JobDisplayName(path), {}, focus, focus, std::nullopt};
    std::size_t index = document.Designs().size();
    for (GrillWindow& window : resolved.designs) {
      change.edits.push_back({index++, std::nullopt, std::move(window)});
    }
    document.Commit(std::move(change));
  }
  if (!renames.empty()) {
    context_.controls.ShowMessage(JoinLines("Imported designs renamed:", renames));
  }
  if (!resolved.missing.empty()) {
    context_.controls.ShowMessage(MissingReferencesMessage(resolved.missing));
  }
  if (uncuttable) {
    context_.controls.ShowMessage(*uncuttable);
  }
}

void JobSession::ImportChosen() {
  if (std::optional<std::string> path = host_.ChooseJobToOpen("Import Designs")) {
    Import(*path);
  }
}

bool JobSession::Save() {
  if (path_.empty()) {
    return SaveAsChosen();
  }
  return Write(path_);
}

bool JobSession::SaveAs(const std::string& path) {
  return Write(path);
}

bool JobSession::SaveAsChosen() {
  const std::string suggested =
      path_.empty() ? DisplayName() + std::string(kJobFileExtension) : path_;
  const std::optional<std::string> path = host_.ChooseJobToSave(suggested);
  return path && SaveAs(*path);
}

bool JobSession::Write(const std::string& path) {
  DesignDocument& document = context_.Document();
  // A drag under way is saved as the step it becomes.
  document.CommitGroup();
  const std::optional<std::string> error = SaveJob(files_, path, JobOf(document));
  if (error) {
    context_.controls.ShowMessage(*error);
    return false;
  }
  path_ = path;
  // The recovery copy holds the saved state too: a job that turns clean
  // records it as it does, one clean already (saved under another name) here.
  const bool wasModified = document.Modified();
  document.MarkClean();
  if (!wasModified) {
    WriteRecovery();
  }
  Remember(path);
  ShowTitle();
  return true;
}

void JobSession::Remember(const std::string& path) {
  if (recent_ == nullptr) {
    return;
  }
  std::vector<std::string> paths = recent_->Load();
  std::erase(paths, path);
  paths.insert(paths.begin(), path);
  if (paths.size() > kRecentLimit) {
    paths.resize(kRecentLimit);
  }
  recent_->Store(paths);
}

std::vector<std::string> JobSession::RecentJobList() const {
  return recent_ != nullptr ? recent_->Load() : std::vector<std::string>{};
}

void JobSession::Undo() {
  context_.Document().Undo();
}

void JobSession::Redo() {
  context_.Document().Redo();
}

std::optional<std::string> JobSession::UndoText() const {
  const DesignChange* step = context_.Document().History().NextUndo();
  return step != nullptr ? std::optional("Undo " + step->label) : std::nullopt;
}

std::optional<std::string> JobSession::RedoText() const {
  const DesignChange* step = context_.Document().History().NextRedo();
  return step != nullptr ? std::optional("Redo " + step->label) : std::nullopt;
}

// Only what changed is appended to the copy, so that a change costs the same
// in a job of ten designs or of twenty thousand; a replaced job is written
// whole.
void JobSession::WriteRecovery() {
  if (!started_ || !recovery_ || !recovery_->Claimed()) {
    return;
  }
  const std::size_t size = context_.Document().Designs().size();
  const auto whole = [this, size] { return RecoveryOf(0, size); };
  const std::optional<std::string> error =
      unrecorded_.Whole() ? recovery_->Write(whole())
                          : recovery_->Record({RecoveryOf(unrecorded_.From(), unrecorded_.Added()),
                                               unrecorded_.From(), unrecorded_.Removed()},
                                              whole);
  unrecorded_.Reset(size);
  if (error) {
    ReportRecoveryFailure(*error);
  }
}

void JobSession::RecordForm() {
  WriteRecovery();
}

RecoveryState JobSession::RecoveryOf(std::size_t first, std::size_t count) const {
  return {JobOf(context_.Document(), first, count), path_, Modified(),
          ReadFormTexts(context_.controls)};
}

// Said once: the work goes on, only without its safety copy.
void JobSession::ReportRecoveryFailure(const std::string& reason) {
  if (!recoveryFailed_) {
    recoveryFailed_ = true;
    context_.controls.ShowMessage("Cannot keep a recovery copy in " + recovery_->Path() + ": " +
                                  reason);
  }
}

}  // namespace grill
