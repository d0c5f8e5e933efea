#pragma once

#include <memory>
#include <string>

namespace grill {

// A lock held on a file until the object goes.
class HeldLock {
 public:
  virtual ~HeldLock() = default;
};

// Advisory locks between runs of the designer: one run at a time owns what
// a lock file guards.
class FileLocks {
 public:
  virtual ~FileLocks() = default;
  // Takes the lock on `path` (creating the file) without waiting; null when
  // another holder has it or the file cannot be made.
  virtual std::unique_ptr<HeldLock> TryLock(const std::string& path) = 0;
};

// Locks through flock(2) on the machine's file system; the system lets go
// of them when the process ends, however it ends.
class StdFileLocks final : public FileLocks {
 public:
  std::unique_ptr<HeldLock> TryLock(const std::string& path) override;
};

}  // namespace grill
