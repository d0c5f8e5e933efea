#include "export/StagedRun.h"

#include <algorithm>
#include <unordered_set>
#include <utility>

#include "export/OutputFile.h"

namespace grill {
namespace {

// A temporary as the run's writers see it: under its final name, which is the one a file
// error names to the user.
class FinalNamed final : public WritableFile {
 public:
  FinalNamed(std::unique_ptr<WritableFile> file, std::string finalPath)
      : file_(std::move(file)), finalPath_(std::move(finalPath)) {}

  bool Write(std::string_view bytes) override { return file_->Write(bytes); }
  bool Flush() override { return file_->Flush(); }
  bool Close() override { return file_->Close(); }
  std::string Error() const override { return file_->Error(); }
  const std::string& Path() const override { return finalPath_; }

 private:
  std::unique_ptr<WritableFile> file_;
  std::string finalPath_;
};

}  // namespace

StagedRun::StagedRun(Files& files, std::string folder)
    : files_(files), folder_(std::move(folder)) {}

StagedRun::~StagedRun() {
  if (!published_) {
    Discard();
  }
}

std::unique_ptr<WritableFile> StagedRun::Open(const std::string& name, std::string& error) {
  const std::string finalPath = files_.Join(folder_, name);
  const auto found = std::find_if(staged_.begin(), staged_.end(), [&](const StagedFile& file) {
    return file.finalPath == finalPath;
  });
  std::string reason;
  std::unique_ptr<WritableFile> file;
  if (found != staged_.end()) {
    file = files_.OpenForAppend(found->temporary, reason);
  } else {
    file = files_.CreateTemporary(folder_, reason);
    if (file) {
      staged_.push_back({name, finalPath, file->Path(), std::nullopt, false});
    }
  }
  if (!file) {
    error = FileErrorMessage(finalPath, reason);
    return nullptr;
  }
  return std::make_unique<FinalNamed>(std::move(file), finalPath);
}

std::optional<std::string> StagedRun::SyncToDisk(const StagedFile& file) {
  std::string reason;
  std::unique_ptr<WritableFile> handle = files_.OpenForAppend(file.temporary, reason);
  const bool synced = handle && handle->Flush();
  if (handle && !synced) {
    reason = handle->Error();
  }
  const bool closed = handle && handle->Close();
  if (handle && synced && !closed) {
    reason = handle->Error();
  }
  if (synced && closed) {
    return std::nullopt;
  }
  return FileErrorMessage(file.finalPath, reason);
}

void StagedRun::Retire(const std::string& name) {
  retired_.push_back({files_.Join(folder_, name), std::nullopt});
}

std::vector<std::string> StagedRun::FileNames() const {
  std::vector<std::string> names;
  for (const StagedFile& file : staged_) {
    names.push_back(file.name);
  }
  return names;
}

std::optional<std::string> StagedRun::MoveAside(const std::string& path,
                                                std::optional<std::string>& backup) {
  std::string reason;
  std::unique_ptr<WritableFile> reserved = files_.CreateTemporary(folder_, reason);
  if (!reserved || !reserved->Close()) {
    if (reserved) {
      reason = reserved->Error();
      files_.RemoveFile(reserved->Path());
    }
    return FileErrorMessage(path, reason);
  }
  const std::string reservedPath = reserved->Path();
  if (!files_.Rename(path, reservedPath, reason)) {
    files_.RemoveFile(reservedPath);
    return FileErrorMessage(path, reason);
  }
  backup = reservedPath;
  return std::nullopt;
}

std::optional<std::string> StagedRun::PutInPlace(StagedFile& file) {
  // The earlier file moves to a name reserved for it, so that it can come back.
  if (files_.Exists(file.finalPath)) {
    if (std::optional<std::string> error = MoveAside(file.finalPath, file.backup)) {
      return error;
    }
  }
  std::string reason;
  if (!files_.Rename(file.temporary, file.finalPath, reason)) {
    return FileErrorMessage(file.finalPath, reason);
  }
  file.published = true;
  return std::nullopt;
}

std::optional<std::string> StagedRun::Publish() {
  for (const StagedFile& file : staged_) {
    if (std::optional<std::string> error = SyncToDisk(file)) {
      Discard();
      return error;
    }
  }
  // The earlier set leaves first, so that no moment shows a new file beside one the new
  // run does not make.
  std::unordered_set<std::string> written;
  for (const StagedFile& file : staged_) {
    written.insert(file.finalPath);
  }
  for (RetiredFile& file : retired_) {
    if (written.contains(file.path) || !files_.Exists(file.path)) {
      continue;
    }
    if (std::optional<std::string> error = MoveAside(file.path, file.backup)) {
      RollBack();
      Discard();
      return error;
    }
  }
  for (StagedFile& file : staged_) {
    if (std::optional<std::string> error = PutInPlace(file)) {
      RollBack();
      Discard();
      return error;
    }
  }
  RemoveBackups();
  published_ = true;
  return std::nullopt;
}

void StagedRun::RemoveBackups() {
  for (const StagedFile& file : staged_) {
    if (file.backup) {
      files_.RemoveFile(*file.backup);
    }
  }
  for (const RetiredFile& file : retired_) {
    if (file.backup) {
      files_.RemoveFile(*file.backup);
    }
  }
}

void StagedRun::RollBack() {
  std::string reason;
  for (auto file = staged_.rbegin(); file != staged_.rend(); ++file) {
    if (file->published) {
      // The new file goes back to its temporary name, which Discard removes.
      files_.Rename(file->finalPath, file->temporary, reason);
      file->published = false;
    }
    if (file->backup && files_.Rename(*file->backup, file->finalPath, reason)) {
      file->backup.reset();
    }
  }
  for (auto file = retired_.rbegin(); file != retired_.rend(); ++file) {
    if (file->backup && files_.Rename(*file->backup, file->path, reason)) {
      file->backup.reset();
    }
  }
}

void StagedRun::Discard() {
  for (StagedFile& file : staged_) {
    if (!file.published) {
      files_.RemoveFile(file.temporary);
    }
    // A backup that could not be put back stays: it holds the earlier run's file.
  }
  staged_.clear();
  retired_.clear();
}

}  // namespace grill
