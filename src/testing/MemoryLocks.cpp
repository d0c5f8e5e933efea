#include "testing/MemoryLocks.h"

namespace grill {
namespace {

class MemoryHeld final : public HeldLock {
 public:
  MemoryHeld(std::set<std::string>& held, std::string path) : held_(held), path_(std::move(path)) {}
  ~MemoryHeld() override { held_.erase(path_); }
  MemoryHeld(const MemoryHeld&) = delete;
  MemoryHeld& operator=(const MemoryHeld&) = delete;

 private:
  std::set<std::string>& held_;
  std::string path_;
};

}  // namespace

LockAttempt MemoryLocks::TryLock(const std::string& path) {
  if (failure) {
    return {LockStatus::Failed, nullptr, *failure};
  }
  if (!held_.insert(path).second) {
    return {LockStatus::Busy, nullptr, {}};
  }
  return {LockStatus::Taken, std::make_unique<MemoryHeld>(held_, path), {}};
}

}  // namespace grill
