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

std::unique_ptr<HeldLock> MemoryLocks::TryLock(const std::string& path) {
  if (!held_.insert(path).second) {
    return nullptr;
  }
  return std::make_unique<MemoryHeld>(held_, path);
}

}  // namespace grill
