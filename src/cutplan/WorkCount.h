#pragma once

#include <cstdint>

namespace grill::cutplan {

// The work the planning thread has done, in units of about a nanosecond
// of a current processor. The search's turns are measured in it, not in
// time, so that where a turn ends does not depend on the machine's speed
// or load: the same job gets the same plan whenever the search ends
// before its time limit. Each part of the search adds what its steps
// cost, as measured, at the points where it looks at its limit.
void AddWork(std::int64_t units);
std::int64_t WorkDone();

}  // namespace grill::cutplan
