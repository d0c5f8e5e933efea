#include "WorkCount.h"

namespace grill::cutplan {

namespace {

// Groups are planned one per thread, each with its own count.
thread_local std::int64_t workDone = 0;

}  // namespace

void AddWork(std::int64_t units) {
  workDone += units;
}

std::int64_t WorkDone() {
  return workDone;
}

}  // namespace grill::cutplan
