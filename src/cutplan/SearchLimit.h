#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>
#include <stop_token>

#include "ThreadCpuClock.h"
#include "WorkCount.h"

namespace grill::cutplan {

using Clock = ThreadCpuClock;

// When a search must end: its time is up, the caller asked it to stop
// (the user, say, who would rather have the plan found so far now), or,
// for a turn of one part of the search, its share of work is done.
struct SearchLimit {
  static constexpr std::int64_t kNoEnd = std::numeric_limits<std::int64_t>::max();

  Clock::time_point deadline;
  std::stop_token stop;
  std::int64_t workEnd = kNoEnd;
  // The work the deadline stands for, at a unit a nanosecond: a search
  // that shares out what is left shares this, so that the shares end
  // alike in every run; the deadline stays the end. Without it, the time
  // left stands in.
  std::int64_t budgetEnd = kNoEnd;

  bool Reached() const {
    return stop.stop_requested() || WorkDone() >= workEnd || Clock::now() >= deadline;
  }

  // The work left to share out, at least 0.
  std::int64_t WorkLeft() const {
    const std::int64_t done = WorkDone();
    std::int64_t end = budgetEnd;
    if (end == kNoEnd) {
      // Compared first: a deadline long past would overflow the difference.
      const Clock::time_point now = Clock::now();
      const std::int64_t time = deadline > now ? (deadline - now).count() : 0;
      end = done + std::min(time, kNoEnd / 4);
    }
    return std::max<std::int64_t>(0, std::min(end, workEnd) - done);
  }

  // This limit, its work ending after `work` more at the latest.
  SearchLimit WithWork(std::int64_t work) const {
    SearchLimit limit = *this;
    limit.workEnd = std::min(workEnd, WorkDone() + std::min(work, kNoEnd / 4));
    return limit;
  }
};

}  // namespace grill::cutplan
