#pragma once

namespace grill {

struct LocalTime {
  int year = 1970;
  int month = 0;  // 0 = January
  int day = 1;    // 1..31
  int hour = 0;
  int minute = 0;
  int second = 0;
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual LocalTime Now() const = 0;
};

// The machine's local time.
class SystemClock final : public Clock {
 public:
  LocalTime Now() const override;
};

}  // namespace grill
