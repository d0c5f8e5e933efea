#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "model/JobFile.h"
#include "platform/FileLocks.h"
#include "platform/Files.h"

namespace grill {

// The working set that a run leaves behind for the next run in the same
// folder: the job, the path of its file and whether it had unsaved changes.
struct RecoveryState {
  Job job;
  std::string jobPath;  // empty: the job has no file yet
  bool modified = false;
};

// The text of a recovery file: three header lines ("varnel-grill-recovery 1",
// "path N " followed by the path's N bytes, "modified 0|1"), then the job as
// a job file holds it.
std::string FormatRecovery(const RecoveryState& state);
// Nullopt for any text FormatRecovery did not write.
std::optional<RecoveryState> ParseRecovery(std::string_view text);

// The recovery file of one working folder, in the state folder. A run owns
// it only while it holds the lock beside it, so that a second run in the same
// folder never touches the first one's copy.
class RecoveryStore {
 public:
  // `stateFolder` holds the files; `workingFolder` (absolute) picks them.
  RecoveryStore(Files& files, FileLocks& locks, std::string stateFolder, std::string workingFolder);

  // Makes the state folder and takes the lock: Busy when another run holds
  // it, Failed with `reason` set when the folder or the lock file cannot be
  // made or locked.
  LockStatus Claim(std::string& reason);
  bool Claimed() const { return lock_ != nullptr; }
  // The state a former run left, if there is a readable one.
  std::optional<RecoveryState> Read();
  // Replaces the file's content atomically, without waiting for the disk
  // (it is rewritten after every change); the failure's reason, if any.
  std::optional<std::string> Write(const RecoveryState& state);

  const std::string& Path() const { return path_; }

 private:
  Files& files_;
  FileLocks& locks_;
  std::string folder_;
  std::string path_;
  std::unique_ptr<HeldLock> lock_;
};

// "recovery-" and 16 hexadecimal digits of a hash of the working folder.
std::string RecoveryFileStem(std::string_view workingFolder);

}  // namespace grill
