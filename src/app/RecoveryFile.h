#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "app/RecoveryFormat.h"
#include "platform/FileLocks.h"
#include "platform/Files.h"

namespace grill {

// The recovery file of one working folder, in the state folder. A run owns
// it only while it holds the lock beside it, so that a second run in the same
// folder never touches the first one's copy.
class RecoveryStore {
 public:
  // The journal may grow to the size of the whole state it started from, or
  // to this, before the state is written whole again.
  static constexpr std::int64_t kJournalFloor = 1024 * 1024;

  // `stateFolder` holds the files; `workingFolder` (absolute) picks them.
  RecoveryStore(Files& files, FileLocks& locks, std::string stateFolder, std::string workingFolder);

  // Makes the state folder and takes the lock: Busy when another run holds
  // it, Failed with `reason` set when the folder or the lock file cannot be
  // made or locked.
  LockStatus Claim(std::string& reason);
  bool Claimed() const { return lock_ != nullptr; }
  // The state a former run left, if there is a readable one.
  std::optional<RecoveryState> Read();
  // Replaces the file by the whole state, atomically and without waiting for
  // the disk; the failure's reason, if any.
  std::optional<std::string> Write(RecoveryState state);
  // Appends `change` to the journal: its cost follows the change, not the
  // job. The bytes are with the system when it returns, so a run killed
  // afterwards loses nothing; it does not wait for the disk. The whole state
  // (`whole`, asked for only then) is written instead while this run has not
  // written one, after a failed write, and once the journal has grown past
  // its limit.
  std::optional<std::string> Record(RecoveryChange change,
                                    const std::function<RecoveryState()>& whole);

  const std::string& Path() const { return path_; }

 private:
  std::optional<std::string> Append(const std::string& record);

  Files& files_;
  FileLocks& locks_;
  std::string folder_;
  std::string path_;
  std::unique_ptr<HeldLock> lock_;
  // Whether the file holds a whole state of this run and every record since,
  // so that records can follow.
  bool appendable_ = false;
  std::int64_t wholeBytes_ = 0;
  std::int64_t journalBytes_ = 0;
};

// "recovery-" and 16 hexadecimal digits of a hash of the working folder.
std::string RecoveryFileStem(std::string_view workingFolder);

}  // namespace grill
