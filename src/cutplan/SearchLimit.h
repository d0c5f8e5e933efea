#pragma once

#include <stop_token>

#include "ThreadCpuClock.h"

namespace grill::cutplan {

using Clock = ThreadCpuClock;

// When a search must end: its time is up, or the caller asked it to stop
// (the user, say, who would rather have the plan found so far now).
struct SearchLimit {
  Clock::time_point deadline;
  std::stop_token stop;

  bool Reached() const { return stop.stop_requested() || Clock::now() >= deadline; }
};

}  // namespace grill::cutplan
