#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "InstanceFiles.h"
#include "PlanChecker.h"
#include "cutplan/CuttingPlanner.h"

namespace grill::cutplan {
namespace {

using testing::CheckPlan;
using testing::KnownInstance;
using testing::LoadInstances;

class PlanOnInstances : public ::testing::TestWithParam<std::string> {};

// Valid plans, never worse than first-fit decreasing, bounds that hold and
// are at least L2. Optimality is the benchmark's business: it depends on
// the time the search gets.
TEST_P(PlanOnInstances, PlansAreValidAndBoundsHold) {
  std::vector<KnownInstance> instances = LoadInstances(GetParam());
  ASSERT_FALSE(instances.empty());
  for (std::size_t index = 0; index < instances.size(); index += 4) {
    const KnownInstance& instance = instances[index];
    SCOPED_TRACE(instance.name);
    PlanOptions options{instance.saw, std::chrono::milliseconds(200)};
    GroupPlan plan = PlanGroup(instance.group, options);
    const int bars = static_cast<int>(plan.bars.size());
    EXPECT_EQ(CheckPlan(instance.group, instance.saw, plan), std::vector<std::string>{});
    EXPECT_LE(bars, instance.firstFit);
    EXPECT_LE(plan.barBound, instance.optimum);
    EXPECT_GE(plan.barBound, instance.boundL2);
    EXPECT_EQ(plan.optimal, bars == plan.barBound);
  }
}

INSTANTIATE_TEST_SUITE_P(CuttingStock, PlanOnInstances,
                         ::testing::Values("falkenauer_u120", "falkenauer_t60", "scholl_1",
                                           "waescher", "shop_like", "ani_ai"));

// The user may stop a long search: the plan found so far comes back, valid,
// with its bound, however much time was left.
TEST(PlanStopped, GivesThePlanFoundSoFar) {
  for (const KnownInstance& instance : LoadInstances("waescher")) {
    if (instance.firstFit == instance.optimum) {
      continue;  // only jobs that need a search
    }
    SCOPED_TRACE(instance.name);
    std::stop_source stop;
    stop.request_stop();
    PlanOptions options{instance.saw, std::chrono::hours(1), stop.get_token()};
    GroupPlan plan = PlanGroup(instance.group, options);
    EXPECT_EQ(CheckPlan(instance.group, instance.saw, plan), std::vector<std::string>{});
    EXPECT_LE(static_cast<int>(plan.bars.size()), instance.firstFit);
    EXPECT_LE(plan.barBound, instance.optimum);
    EXPECT_EQ(plan.optimal, static_cast<int>(plan.bars.size()) == plan.barBound);
    return;
  }
  FAIL() << "no instance that first-fit decreasing leaves above its optimum";
}

// Jobs as a shop has them, with several stock lengths: lengths in quarter
// millimetres, kerf, trims, offcuts, labels and tags.
PieceGroup RandomShopJob(std::mt19937& random, SawSettings& saw) {
  std::uniform_int_distribution<int> quarters(200, 12000);
  std::uniform_int_distribution<int> counts(1, 6);
  std::uniform_int_distribution<int> kinds(1, 25);
  PieceGroup group;
  group.stock = {6000, 4500};
  if (random() % 2) {
    group.stock.push_back(3000);
  }
  std::uniform_int_distribution<int> steps(0, 8);
  saw = {steps(random) * 0.5, steps(random) % 3 * 5.0, steps(random) % 3 * 5.0, 500};
  for (int kind = kinds(random); kind > 0; --kind) {
    group.pieces.push_back({quarters(random) * 0.25, counts(random),
                            "design " + std::to_string(kind), kind % 2 ? "upper" : "lower"});
  }
  return group;
}

TEST(PlanRandomJobs, PlansAreValidAndMeetTheirBounds) {
  std::mt19937 random(2024);
  for (int job = 0; job < 40; ++job) {
    SCOPED_TRACE(job);
    SawSettings saw;
    PieceGroup group = RandomShopJob(random, saw);
    GroupPlan plan = PlanGroup(group, {saw, std::chrono::milliseconds(50)});
    EXPECT_EQ(CheckPlan(group, saw, plan), std::vector<std::string>{});
    EXPECT_LE(plan.lengthBound, TotalStockLength(plan));
    EXPECT_LE(plan.barBound, static_cast<int>(plan.bars.size()));
    EXPECT_EQ(plan.optimal, TotalStockLength(plan) == plan.lengthBound);
  }
}

// Jobs whose bars a plan must fill all but exactly: bars of 2 to 5 pieces
// cut from whole millimetres, now and then a few millimetres short, so
// that a plan of that many bars exists and wastes less than the shortest
// piece. Such jobs start from the full bars of a few pieces.
PieceGroup RandomTightJob(std::mt19937& random, int& bars) {
  const double stock = 1000 + static_cast<double>(random() % 5000);
  std::uniform_int_distribution<int> barCount(4, 40);
  std::uniform_int_distribution<int> cuts(1, 4);
  PieceGroup group;
  group.stock = {stock};
  bars = barCount(random);
  for (int bar = 0; bar < bars; ++bar) {
    std::vector<double> points{0,
                               stock - static_cast<double>(random() % 4 == 0 ? random() % 4 : 0)};
    for (int cut = cuts(random); cut > 0; --cut) {
      points.push_back(1 + static_cast<double>(random() % static_cast<unsigned>(stock - 1)));
    }
    std::sort(points.begin(), points.end());
    for (std::size_t piece = 1; piece < points.size(); ++piece) {
      if (points[piece] > points[piece - 1]) {
        group.pieces.push_back(
            {points[piece] - points[piece - 1], 1, "bar " + std::to_string(bar), ""});
      }
    }
  }
  return group;
}

TEST(PlanTightJobs, PlansAreValidAndTheBoundsHold) {
  std::mt19937 random(77);
  const SawSettings saw;
  for (int job = 0; job < 30; ++job) {
    SCOPED_TRACE(job);
    int bars = 0;
    PieceGroup group = RandomTightJob(random, bars);
    GroupPlan plan = PlanGroup(group, {saw, std::chrono::milliseconds(100)});
    EXPECT_EQ(CheckPlan(group, saw, plan), std::vector<std::string>{});
    EXPECT_LE(plan.barBound, bars);
    EXPECT_LE(plan.barBound, static_cast<int>(plan.bars.size()));
    EXPECT_EQ(plan.optimal, static_cast<int>(plan.bars.size()) == plan.barBound);
  }
}

}  // namespace
}  // namespace grill::cutplan
