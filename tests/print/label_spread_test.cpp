#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "print/LabelSpread.h"

namespace grill::print {
namespace {

struct SpreadCase {
  const char* what;
  std::vector<double> wanted;
  double pitch;
  double low;
  double high;
  std::vector<double> centres;
  double usedPitch;
};

TEST(SpreadLabels, KeepsLabelsApartInsideTheRange) {
  const SpreadCase cases[] = {
      {"room enough: as wanted", {10.0, 50.0, 30.0}, 3.0, 0.0, 100.0, {10.0, 50.0, 30.0}, 3.0},
      {"crowded pair pushed up", {10.0, 11.0}, 3.0, 0.0, 100.0, {10.0, 13.0}, 3.0},
      {"pushed back from the high end", {99.0, 99.5}, 3.0, 0.0, 100.0, {95.5, 98.5}, 3.0},
      {"pulled in from the low end", {-20.0, 0.0}, 3.0, 0.0, 100.0, {1.5, 4.5}, 3.0},
      {"too many: pitch shrinks", {5.0, 5.0, 5.0, 5.0}, 3.0, 0.0, 8.0, {1.0, 3.0, 5.0, 7.0}, 2.0},
      {"none", {}, 3.0, 0.0, 10.0, {}, 3.0},
  };
  for (const SpreadCase& c : cases) {
    const LabelSpread spread = SpreadLabels(c.wanted, c.pitch, c.low, c.high);
    EXPECT_DOUBLE_EQ(spread.pitch, c.usedPitch) << c.what;
    ASSERT_EQ(spread.centres.size(), c.centres.size()) << c.what;
    for (std::size_t i = 0; i < c.centres.size(); ++i) {
      EXPECT_NEAR(spread.centres[i], c.centres[i], 1e-9) << c.what << " label " << i;
    }
  }
}

TEST(SpreadLabels, ThirtyCrowdedLabelsKeepTheirOrderAndPitch) {
  std::vector<double> wanted;
  for (int i = 0; i < 30; ++i) {
    wanted.push_back(40.0 + 0.7 * ((i * 7) % 30));  // out of order, 0.7 apart
  }
  const LabelSpread spread = SpreadLabels(wanted, 3.0, 0.0, 120.0);
  EXPECT_DOUBLE_EQ(spread.pitch, 3.0);
  std::vector<std::size_t> order(30);
  for (std::size_t i = 0; i < order.size(); ++i) {
    order[i] = i;
  }
  std::sort(order.begin(), order.end(),
            [&](std::size_t a, std::size_t b) { return wanted[a] < wanted[b]; });
  for (std::size_t i = 1; i < order.size(); ++i) {
    EXPECT_GE(spread.centres[order[i]] - spread.centres[order[i - 1]], 3.0 - 1e-9);
  }
  EXPECT_GE(spread.centres[order.front()], 1.5);
  EXPECT_LE(spread.centres[order.back()], 118.5);
}

}  // namespace
}  // namespace grill::print
