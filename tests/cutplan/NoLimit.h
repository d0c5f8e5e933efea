#pragma once

#include "cutplan/SearchLimit.h"

namespace grill::cutplan {

// A search that runs until it is done: for tests whose answer must not depend
// on how fast the machine is.
inline const SearchLimit kNoLimit{Clock::time_point::max(), {}};

}  // namespace grill::cutplan
