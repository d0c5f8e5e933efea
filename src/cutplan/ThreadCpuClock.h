#pragma once

#include <chrono>

namespace grill::cutplan {

// Processor time used by the calling thread. The planner's time limit is
// measured on it, so a busy machine does not cut the search short and the
// plan depends less on what else runs.
struct ThreadCpuClock {
  using duration = std::chrono::nanoseconds;
  using rep = duration::rep;
  using period = duration::period;
  using time_point = std::chrono::time_point<ThreadCpuClock>;
  static constexpr bool is_steady = true;

  static time_point now() noexcept;
};

}  // namespace grill::cutplan
