#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <random>
#include <tuple>

#include "PlanChecker.h"
#include "cutplan/CuttingPlanner.h"

namespace grill::cutplan {
namespace {

using testing::BarsFrom;
using testing::CheckPlan;

GroupPlan Plan(const PieceGroup& group, const SawSettings& saw = {}) {
  GroupPlan plan = PlanGroup(group, {saw, std::chrono::milliseconds(200)});
  EXPECT_EQ(CheckPlan(group, saw, plan), std::vector<std::string>{});
  return plan;
}

// Bars from remnants, from stock on hand and bought.
struct Sources {
  int remnants = 0;
  int onHand = 0;
  int bought = 0;
};

struct HandCase {
  const char* what;
  PieceGroup group;
  Sources bars;
  std::vector<Purchase> toBuy;
  std::optional<double> cost;
};

TEST(StockAndRemnants, TakeRemnantsThenStockOnHandThenTheCheapestToBuy) {
  const HandCase cases[] = {
      {"a remnant before a bar bought",
       {"k", {{1000, 2, "", ""}}, {6000}, {{2500, 1}}},
       {1, 0, 0},
       {},
       {}},
      {"a remnant before a bar on hand",
       {"k", {{1000, 2, "", ""}}, {{6000, 5}}, {{2500, 1}}},
       {1, 0, 0},
       {},
       {}},
      {"the remnants first, and the longer one where one holds all",
       {"k", {{1000, 3, "", ""}}, {{6000, 5}}, {{2500, 2}, {3000, 1}}},
       {1, 0, 0},
       {},
       {}},
      {"a bar on hand before a cheaper one bought",
       {"k", {{2000, 3, "", ""}}, {{6000, 3}, {5000, {}, 10.0}}},
       {0, 1, 0},
       {},
       0.0},
      {"the cheaper length bought, though more bars",
       {"k", {{1900, 4, "", ""}}, {{6000, {}, 20.0}, {4000, {}, 10.0}}},
       {0, 0, 2},
       {{4000, 2, 10.0}},
       20.0},
      {"the stock on hand runs out: the rest is bought",
       {"k", {{3000, 4, "", ""}}, {{6000, 1}, {6000, {}, 12.5}}},
       {0, 1, 1},
       {{6000, 1, 12.5}},
       12.5},
      // What the remnant cannot hold takes two bars bought, the bound shows.
      {"remnants run out: the shortest that holds each is bought",
       {"k",
        {{3000, 3, "", ""}, {1000, 1, "", ""}},
        {{4000, {}, 9.0}, {6000, {}, 11.0}},
        {{3500, 1}}},
       {1, 0, 2},
       {{4000, 2, 9.0}},
       18.0},
      {"a piece longer than every length bought fits a remnant",
       {"k", {{7000, 1, "", ""}, {100, 1, "", ""}}, {{6000, {}, 15.0}}, {{7200, 1}}},
       {1, 0, 0},
       {},
       0.0},
      {"without prices the stock length bought counts",
       {"k", {{2500, 3, "", ""}}, {{6000, 1}, 3000, 6000}},
       {0, 1, 1},
       {{3000, 1, {}}},
       {}},
  };
  for (const HandCase& test : cases) {
    SCOPED_TRACE(test.what);
    const GroupPlan plan = Plan(test.group);
    EXPECT_EQ(BarsFrom(plan, StockSource::Remnant), test.bars.remnants);
    EXPECT_EQ(BarsFrom(plan, StockSource::OnHand), test.bars.onHand);
    EXPECT_EQ(BarsFrom(plan, StockSource::Bought), test.bars.bought);
    ASSERT_EQ(plan.toBuy.size(), test.toBuy.size());
    for (std::size_t index = 0; index < test.toBuy.size(); ++index) {
      EXPECT_EQ(plan.toBuy[index].length, test.toBuy[index].length);
      EXPECT_EQ(plan.toBuy[index].count, test.toBuy[index].count);
      EXPECT_EQ(plan.toBuy[index].price, test.toBuy[index].price);
    }
    EXPECT_EQ(plan.cost, test.cost);
    EXPECT_TRUE(plan.optimal);
  }
}

// Counts far beyond any plan's bars add up without overflowing.
TEST(StockAndRemnants, HugeCountsAreNoLimit) {
  const int most = std::numeric_limits<int>::max();
  const PieceGroup group{
      "k", {{2000, 3, "", ""}}, {{6000, most}, {6000, most}}, {{2500, most}, {2500, most}}};
  const GroupPlan plan = Plan(group);
  EXPECT_EQ(BarsFrom(plan, StockSource::Remnant), 3);
  EXPECT_TRUE(plan.toBuy.empty());
}

TEST(StockAndRemnants, OffcutsOfRemnantsAndStockStayOffcuts) {
  const PieceGroup group{
      "k", {{2000, 1, "", ""}, {2500, 1, "", ""}}, {{6000, 1}}, {{3000, 1}, {2600, 1}}};
  const GroupPlan plan = Plan(group, {0, 0, 0, 100});
  ASSERT_EQ(plan.bars.size(), 2);
  for (const StockBar& bar : plan.bars) {
    EXPECT_EQ(bar.restKind, RestKind::Offcut);
  }
}

TEST(StockAndRemnants, RefusesWhatTheStockCannotHoldOrIsNoCount) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  struct Case {
    PieceGroup group;
    const char* message;
  };
  const Case cases[] = {
      {{"k", {{3000, 3, "", ""}}, {{6000, 1}}}, "not enough remnants and stock on hand"},
      {{"k", {{3000, 3, "", ""}}, {}, {{6000, 1}}}, "not enough remnants and stock on hand"},
      {{"k", {{7000, 2, "", ""}}, {6000}, {{7500, 1}}}, "not enough remnants and stock on hand"},
      {{"k", {{7000, 1, "", ""}}, {6000}, {{6500, 1}}}, "piece 7000: longer than every"},
      {{"k", {{100, 1, "", ""}}, {{6000, -1}}}, "stock length 6000: count below 0"},
      {{"k", {{100, 1, "", ""}}, {{6000, {}, -2.0}}}, "stock length 6000: price"},
      {{"k", {{100, 1, "", ""}}, {{6000, {}, nan}}}, "stock length 6000: price"},
      {{"k", {{100, 1, "", ""}}, {6000}, {{2000, -3}}}, "remnant 2000: count below 0"},
      {{"k", {{100, 1, "", ""}}, {6000}, {{nan, 1}}}, "remnant length: not a length"},
      {{"k", {{100, 1, "", ""}}, {{6000, 0}}}, "no stock length"},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(test.message);
    try {
      PlanGroup(test.group, {});
      ADD_FAILURE() << "accepted";
    } catch (const PlanInputError& error) {
      EXPECT_NE(std::string(error.what()).find(test.message), std::string::npos) << error.what();
    }
  }
}

// First-fit decreasing as a shop would do it by hand, sharing no code with
// the planner: each piece, longest first, into the first bar that holds
// it, the remnants longest first, then the bars on hand longest first,
// then bars of the longest length bought. Its price of bars bought, bars
// on hand and bars, in the order the plan minimises them.
using Objectives = std::tuple<double, int, int>;

Objectives FirstFitRemnantsFirst(const PieceGroup& group, const SawSettings& saw) {
  struct Bar {
    double room;
    StockSource source;
    double price;
  };
  std::vector<Bar> sequence;
  const double trims = saw.trimHead + saw.trimTail;
  std::vector<Remnant> remnants = group.remnants;
  std::sort(remnants.begin(), remnants.end(),
            [](const Remnant& a, const Remnant& b) { return a.length > b.length; });
  for (const Remnant& remnant : remnants) {
    sequence.insert(sequence.end(), remnant.count,
                    {remnant.length - trims + saw.kerf, StockSource::Remnant, 0});
  }
  std::vector<StockLength> onHand, bought;
  for (const StockLength& stock : group.stock) {
    (stock.onHand ? onHand : bought).push_back(stock);
  }
  const auto longestFirst = [](const StockLength& a, const StockLength& b) {
    return a.length > b.length;
  };
  std::sort(onHand.begin(), onHand.end(), longestFirst);
  std::sort(bought.begin(), bought.end(), longestFirst);
  for (const StockLength& stock : onHand) {
    sequence.insert(sequence.end(), *stock.onHand,
                    {stock.length - trims + saw.kerf, StockSource::OnHand, 0});
  }
  std::vector<double> lengths;
  for (const Piece& piece : group.pieces) {
    lengths.insert(lengths.end(), piece.count, piece.length);
  }
  std::sort(lengths.rbegin(), lengths.rend());
  std::vector<Bar> used;
  std::vector<bool> opened(sequence.size(), false);
  std::vector<Bar> extra;  // bought
  for (double length : lengths) {
    const double size = length + saw.kerf;
    bool placed = false;
    for (std::size_t index = 0; index < sequence.size() && !placed; ++index) {
      if (sequence[index].room >= size) {
        sequence[index].room -= size;
        opened[index] = true;
        placed = true;
      }
    }
    for (Bar& bar : extra) {
      if (!placed && bar.room >= size) {
        bar.room -= size;
        placed = true;
      }
    }
    if (!placed) {
      const StockLength& longest = bought.front();
      extra.push_back({longest.length - trims + saw.kerf - size, StockSource::Bought,
                       longest.price.value_or(longest.length)});
    }
  }
  Objectives result{0.0, 0, static_cast<int>(extra.size())};
  for (std::size_t index = 0; index < sequence.size(); ++index) {
    if (opened[index]) {
      std::get<1>(result) += sequence[index].source == StockSource::OnHand;
      ++std::get<2>(result);
    }
  }
  for (const Bar& bar : extra) {
    std::get<0>(result) += bar.price;
  }
  return result;
}

Objectives ObjectivesOf(const PieceGroup& group, const GroupPlan& plan) {
  Objectives result{0.0, BarsFrom(plan, StockSource::OnHand), static_cast<int>(plan.bars.size())};
  const bool priced = std::all_of(group.stock.begin(), group.stock.end(),
                                  [](const auto& stock) { return stock.onHand || stock.price; });
  for (const StockBar& bar : plan.bars) {
    if (bar.source != StockSource::Bought) {
      continue;
    }
    for (const StockLength& stock : group.stock) {
      if (!stock.onHand && stock.length == bar.stockLength) {
        std::get<0>(result) += priced ? *stock.price : bar.stockLength;
        break;
      }
    }
  }
  return result;
}

// Shop jobs with a rack of remnants, a few bars on hand and two or three
// lengths to buy, with or without prices; lengths in quarter millimetres.
PieceGroup RandomStockedJob(std::mt19937& random, SawSettings& saw) {
  std::uniform_int_distribution<int> quarters(800, 16000);
  std::uniform_int_distribution<int> small(0, 3);
  PieceGroup group;
  const bool priced = random() % 3 != 0;
  const double lengths[] = {6000, 5000, 4000};
  const double prices[] = {18.4, 15.25, 12.1};
  for (int index = 0; index < 2 + static_cast<int>(random() % 2); ++index) {
    group.stock.push_back(
        {lengths[index], {}, priced ? std::optional(prices[index]) : std::nullopt});
  }
  if (random() % 2) {
    group.stock.push_back({lengths[random() % 3], small(random) + 1});
  }
  for (int remnant = small(random) + small(random); remnant > 0; --remnant) {
    group.remnants.push_back({quarters(random) * 0.25 + 1000, small(random) + 1});
  }
  std::uniform_int_distribution<int> steps(0, 8);
  saw = {steps(random) * 0.5, steps(random) % 3 * 5.0, steps(random) % 3 * 5.0, 300};
  for (int kind = 3 + static_cast<int>(random() % 12); kind > 0; --kind) {
    group.pieces.push_back({quarters(random) * 0.25, 1 + small(random), "d", ""});
  }
  return group;
}

TEST(StockAndRemnants, RandomInventoriesNeverWorseThanFirstFitRemnantsFirst) {
  std::mt19937 random(77);
  for (int job = 0; job < 60; ++job) {
    SCOPED_TRACE(job);
    SawSettings saw;
    const PieceGroup group = RandomStockedJob(random, saw);
    const GroupPlan plan = PlanGroup(group, {saw, std::chrono::milliseconds(50)});
    EXPECT_EQ(CheckPlan(group, saw, plan), std::vector<std::string>{});
    const Objectives planned = ObjectivesOf(group, plan);
    const Objectives greedy = FirstFitRemnantsFirst(group, saw);
    EXPECT_LE(std::get<0>(planned), std::get<0>(greedy) + 1e-9);
    EXPECT_FALSE(std::get<0>(greedy) < std::get<0>(planned) - 1e-9 ||
                 (std::abs(std::get<0>(greedy) - std::get<0>(planned)) <= 1e-9 &&
                  std::make_pair(std::get<1>(greedy), std::get<2>(greedy)) <
                      std::make_pair(std::get<1>(planned), std::get<2>(planned))));
    EXPECT_LE(plan.lengthBound, TotalStockLength(plan));
    EXPECT_LE(plan.barBound, static_cast<int>(plan.bars.size()));
    if (plan.cost) {
      EXPECT_EQ(plan.optimal, *plan.cost == *plan.costBound);
    }
  }
}

}  // namespace
}  // namespace grill::cutplan
