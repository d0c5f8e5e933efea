#pragma once

#include <optional>
#include <string>

#include "model/Units.h"
#include "model/WindowList.h"

namespace grill {

// One message naming every design of `designs` whose pieces cannot be cut, each with its
// problem, lengths in `unit`; nothing when every design can be cut. A job that brings such
// designs is still opened, so that the user can mend them.
std::optional<std::string> UncuttableDesignsMessage(const WindowList& designs, Unit unit);

}  // namespace grill
