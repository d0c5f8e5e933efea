#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "platform/FileLocks.h"

namespace grill {
namespace {

class FlockHeld final : public HeldLock {
 public:
  explicit FlockHeld(int fd) : fd_(fd) {}
  ~FlockHeld() override { ::close(fd_); }  // closing lets go of the lock
  FlockHeld(const FlockHeld&) = delete;
  FlockHeld& operator=(const FlockHeld&) = delete;

 private:
  int fd_;
};

}  // namespace

std::unique_ptr<HeldLock> StdFileLocks::TryLock(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
  if (fd < 0) {
    return nullptr;
  }
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    ::close(fd);
    return nullptr;
  }
  return std::make_unique<FlockHeld>(fd);
}

}  // namespace grill
