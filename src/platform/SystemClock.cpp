#include <ctime>

#include "platform/Clock.h"

namespace grill {

LocalTime SystemClock::Now() const {
  const std::time_t now = std::time(nullptr);
  std::tm parts{};
  localtime_r(&now, &parts);
  return LocalTime{parts.tm_year + 1900, parts.tm_mon, parts.tm_mday,
                   parts.tm_hour,        parts.tm_min, parts.tm_sec};
}

}  // namespace grill
