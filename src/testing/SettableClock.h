#pragma once

#include "platform/Clock.h"

namespace grill {

// A clock that tells the time it was set to.
class SettableClock final : public Clock {
 public:
  LocalTime Now() const override { return now; }
  LocalTime now{2026, 11, 6, 14, 5, 9};
};

}  // namespace grill
