#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "InstanceFiles.h"
#include "cutplan/BinInstance.h"
#include "cutplan/Hundredths.h"
#include "cutplan/SearchLimit.h"
#include "cutplan/SimpleBounds.h"

namespace grill::cutplan {
namespace {

TEST(Hundredths, RoundOutwardsExactly) {
  struct Case {
    double millimetres;
    std::int64_t atLeast, atMost;
  };
  const Case cases[] = {
      {0, 0, 0},
      {6000, 600000, 600000},
      {1000.25, 100025, 100025},
      {0.1, 11, 10},  // the double 0.1 lies just above 1/10
      {0.3, 30, 29},  // and 0.3 just below 3/10
      {1000.1, 100011, 100010},
      {12.345, 1235, 1234},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(test.millimetres);
    EXPECT_EQ(HundredthsAtLeast(test.millimetres), test.atLeast);
    EXPECT_EQ(HundredthsAtMost(test.millimetres), test.atMost);
  }
}

TEST(Hundredths, RefuseWhatIsNoLength) {
  for (double bad : {-0.01, std::numeric_limits<double>::quiet_NaN(),
                     std::numeric_limits<double>::infinity(), 1e8}) {
    EXPECT_EQ(HundredthsAtLeast(bad), std::nullopt) << bad;
    EXPECT_EQ(HundredthsAtMost(bad), std::nullopt) << bad;
  }
}

// The published L2 of every public instance.
TEST(SimpleBounds, L2MatchesThePublishedValues) {
  for (const char* set : {"falkenauer_u120", "falkenauer_t60", "scholl_1", "waescher", "ani_ai"}) {
    for (const testing::KnownInstance& known : testing::LoadInstances(set)) {
      SCOPED_TRACE(known.name);
      BinInstance instance;
      std::vector<double> lengths;
      for (const Piece& piece : known.group.pieces) {
        lengths.push_back(piece.length);
      }
      std::sort(lengths.rbegin(), lengths.rend());
      for (double length : lengths) {
        instance.sizes.push_back(static_cast<std::int64_t>(length));
        instance.demands.push_back(1);
      }
      const auto capacity = static_cast<std::int64_t>(known.group.stock[0].length);
      EXPECT_EQ(BoundL2(instance, capacity), known.boundL2);
    }
  }
}

// The work a limit leaves to share out: from its budget where it has one,
// else from the time left, and never more than a turn's end allows; a
// deadline long past leaves none rather than overflowing.
TEST(SearchLimit, LeavesTheWorkOfItsBudgetTurnOrDeadline) {
  const Clock::time_point now = Clock::now();
  const std::int64_t done = WorkDone();
  const SearchLimit budget{now + std::chrono::hours(1), {}, SearchLimit::kNoEnd, done + 5000};
  EXPECT_EQ(budget.WorkLeft(), 5000);
  EXPECT_EQ(budget.WithWork(300).WorkLeft(), 300);
  EXPECT_EQ(budget.WithWork(300).WithWork(9000).WorkLeft(), 300);
  EXPECT_FALSE(budget.WithWork(300).Reached());
  EXPECT_TRUE(budget.WithWork(0).Reached());

  const SearchLimit timed{now + std::chrono::seconds(10), {}};
  EXPECT_GT(timed.WorkLeft(), 9'000'000'000);
  EXPECT_LE(timed.WorkLeft(), 10'000'000'000);
  const SearchLimit past{Clock::time_point::min(), {}};
  const SearchLimit never{Clock::time_point::max(), {}};
  EXPECT_EQ(past.WorkLeft(), 0);
  EXPECT_GT(never.WorkLeft(), std::int64_t{1} << 60);
}

}  // namespace
}  // namespace grill::cutplan
