#include "export/CutNumbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>

#include "model/Measurements.h"

namespace grill {
namespace {

// True when the short way wrote the value; then it must match FormatFixed.
bool WrittenAsFormatFixed(double value, int decimals) {
  char buffer[kShortNumberRoom];
  const char* end = WriteShortFixed(buffer, value, decimals);
  if (end != nullptr) {
    EXPECT_EQ(std::string(static_cast<const char*>(buffer), end), FormatFixed(value, decimals))
        << value << " with " << decimals;
  }
  return end != nullptr;
}

TEST(CutNumbersTest, ShortWayWritesWhatFormatFixedWritesOrDeclines) {
  const double written[] = {0.0,
                            -0.0,
                            -0.01,
                            0.04,
                            990.0,
                            -1.0,
                            12345.67,
                            812.5 * kInchesPerMillimetre,
                            std::numeric_limits<double>::denorm_min()};
  for (const double value : written) {
    for (const int decimals : {0, 1, 3}) {
      EXPECT_TRUE(WrittenAsFormatFixed(value, decimals)) << value << " with " << decimals;
    }
  }
  // Ties and near ties of the last decimal, and values out of the short range.
  const double declined[] = {0.25,
                             0.05,
                             0.15,
                             1e9,
                             -3e15,
                             std::numeric_limits<double>::max(),
                             std::numeric_limits<double>::infinity(),
                             std::numeric_limits<double>::quiet_NaN()};
  for (const double value : declined) {
    EXPECT_FALSE(WrittenAsFormatFixed(value, 1)) << value;
  }
  EXPECT_FALSE(WrittenAsFormatFixed(1.0, 7));
}

TEST(CutNumbersTest, ShortWayAgreesWithFormatFixedOnRandomAndNearTieValues) {
  std::mt19937_64 random(2024);
  std::uniform_real_distribution<double> lengths(-100.0, 5000.0);
  std::uniform_int_distribution<std::int64_t> tenths(-1000000, 100000000);
  int written = 0;
  for (int i = 0; i < 50000; ++i) {
    const double length = lengths(random);
    written += WrittenAsFormatFixed(length, 1) ? 1 : 0;
    WrittenAsFormatFixed(length * kInchesPerMillimetre, 3);
    const double nearTie = (static_cast<double>(tenths(random)) + 0.5) / 10.0;
    WrittenAsFormatFixed(nearTie, 1);
    WrittenAsFormatFixed(std::nextafter(nearTie, 0.0), 1);
    WrittenAsFormatFixed(std::nextafter(nearTie, 1e300), 1);
  }
  EXPECT_GT(written, 49900);  // the short way is the usual one
}

TEST(CutNumbersTest, WriteIntegerWritesPlainDecimals) {
  char buffer[kShortNumberRoom * 3];
  char* end = WriteInteger(buffer, -2147483648LL);
  end = WriteInteger(end, 0);
  end = WriteInteger(end, 4294967294LL);
  EXPECT_EQ(std::string(buffer, end), "-214748364804294967294");
}

}  // namespace
}  // namespace grill
