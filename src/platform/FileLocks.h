#pragma once

#include <memory>
#include <string>

namespace grill {

// A lock held on a file until the object goes.
class HeldLock {
 public:
  virtual ~HeldLock() = default;
};

// What came of an attempt to take a lock.
enum class LockStatus {
  Taken,
  Busy,    // another holder has it
  Failed,  // the lock file could not be opened or locked: `reason` says why
};

struct LockAttempt {
  LockStatus status = LockStatus::Failed;
  std::unique_ptr<HeldLock> lock;  // set when taken
  std::string reason;              // the system's reason when it failed
};

// Advisory locks between runs of the designer: one run at a time owns what
// a lock file guards.
class FileLocks {
 public:
  virtual ~FileLocks() = default;
  // Takes the lock on `path` (creating the file) without waiting.
  virtual LockAttempt TryLock(const std::string& path) = 0;
};

// Locks through flock(2) on the machine's file system; the system lets go
// of them when the process ends, however it ends. A link at the lock file's
// path is not followed, and anything there but a regular file is refused.
class StdFileLocks final : public FileLocks {
 public:
  LockAttempt TryLock(const std::string& path) override;
};

}  // namespace grill
