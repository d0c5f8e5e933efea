#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

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

LockAttempt Failure(int errorNumber) {
  return {LockStatus::Failed, nullptr, std::strerror(errorNumber)};
}

}  // namespace

LockAttempt StdFileLocks::TryLock(const std::string& path) {
  // Non-blocking, so that a FIFO or device planted at the path cannot hold
  // up the start; such a file is then refused as not regular.
  const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0666);
  if (fd < 0) {
    return Failure(errno);
  }
  struct stat info {};
  if (::fstat(fd, &info) != 0) {
    const int reason = errno;
    ::close(fd);
    return Failure(reason);
  }
  if (!S_ISREG(info.st_mode)) {
    ::close(fd);
    return {LockStatus::Failed, nullptr, "Not a regular file"};
  }
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    const int reason = errno;
    ::close(fd);
    return reason == EWOULDBLOCK ? LockAttempt{LockStatus::Busy, nullptr, {}} : Failure(reason);
  }
  return {LockStatus::Taken, std::make_unique<FlockHeld>(fd), {}};
}

}  // namespace grill
