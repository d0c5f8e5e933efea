#pragma once

#include <memory>
#include <optional>
#include <set>
#include <string>

#include "platform/FileLocks.h"
#include "platform/RecentJobs.h"

namespace grill {

// Locks in memory: a path is held until its HeldLock goes. Share one
// MemoryLocks between two designers to play two runs in one folder. It must
// outlive the locks it hands out.
class MemoryLocks final : public FileLocks {
 public:
  LockAttempt TryLock(const std::string& path) override;
  bool IsHeld(const std::string& path) const { return held_.count(path) != 0; }

  // When set, every attempt fails with this reason, as in a folder the user
  // may not write to ("Permission denied").
  std::optional<std::string> failure;

 private:
  std::set<std::string> held_;
};

// The Open Recent setting in memory.
class MemoryRecentJobs final : public RecentJobs {
 public:
  std::vector<std::string> Load() const override { return paths; }
  void Store(const std::vector<std::string>& stored) override { paths = stored; }

  std::vector<std::string> paths;
};

}  // namespace grill
