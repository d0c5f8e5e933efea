#pragma once

namespace grill::cutplan {

// For products of costs, capacities and counts of bars that may pass 64
// bits before they are compared or divided back into range.
__extension__ typedef __int128 WideInt;

}  // namespace grill::cutplan
