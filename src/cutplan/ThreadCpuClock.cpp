#include "ThreadCpuClock.h"

#include <time.h>

namespace grill::cutplan {

ThreadCpuClock::time_point ThreadCpuClock::now() noexcept {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return time_point(std::chrono::seconds(now.tv_sec) + std::chrono::nanoseconds(now.tv_nsec));
}

}  // namespace grill::cutplan
