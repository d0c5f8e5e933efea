#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "cutting/PlanStock.h"

namespace grill {
namespace {

using ::testing::ElementsAre;

struct OfferedCase {
  const char* what;
  std::vector<StockItem> items;
  Inventory inventory;
  OnHandTaken taken;
  // Per length: the bars on hand offered (-1: bought as needed) and the price (-1: none).
  std::vector<std::pair<int, double>> expected;
};

TEST(PlanStockTest, OfferedStockCountsTheBarsOnHand) {
  const OfferedCase cases[] = {
      {"lengths bought as needed", {{6000}, {4000}}, {}, {}, {{-1, -1}, {-1, -1}}},
      {"Stock.txt's counts and prices",
       {{6000, 40, 12.5}, {4000, std::nullopt, 8.2}},
       {},
       {},
       {{40, 12.5}, {-1, 8.2}}},
      {"the inventory's count stands once taken",
       {{6000, 40, 12.5}, {4000}},
       {{{"GEO58", 6000, 7}, {"GEO58", 4000, 2}, {"OTHER", 6000, 1}}, {}},
       {},
       {{7, 12.5}, {2, -1}}},
      {"another key's count is not this one's",
       {{6000, 40}},
       {{{"OTHER", 6000, 1}}, {}},
       {},
       {{40, -1}}},
      {"bars taken by an earlier group of the key",
       {{6000, 40}, {4000, 1}, {3000}},
       {},
       {{"GEO58", {{6000, 5}, {4000, 3}, {3000, 2}}}, {"OTHER", {{6000, 30}}}},
       {{35, -1}, {0, -1}, {-1, -1}}},
  };
  for (const OfferedCase& c : cases) {
    SCOPED_TRACE(c.what);
    const std::vector<cutplan::StockLength> offered =
        StockOffered("GEO58", c.items, c.inventory, c.taken);
    ASSERT_EQ(offered.size(), c.expected.size());
    for (std::size_t i = 0; i < offered.size(); ++i) {
      EXPECT_EQ(offered[i].length, c.items[i].length);
      EXPECT_EQ(offered[i].onHand.value_or(-1), c.expected[i].first);
      EXPECT_EQ(offered[i].price.value_or(-1), c.expected[i].second);
    }
  }
}

TEST(PlanStockTest, RemnantsOfTheKeyAndColoursLongestFirst) {
  const Inventory inventory{{},
                            {{"GEO58", "01", 900, 2},
                             {"GEO58", "01_07", 1500, 1},
                             {"GEO58", "01", 1200.5, 1},
                             {"E1", "01", 2000, 4},
                             {"GEO58", "01", 700, 0}}};
  const std::vector<cutplan::Remnant> remnants = RemnantsOf("GEO58", "01", inventory);
  ASSERT_EQ(remnants.size(), 2u);
  EXPECT_EQ(remnants[0].length, 1200.5);
  EXPECT_EQ(remnants[0].count, 1);
  EXPECT_EQ(remnants[1].length, 900);
  EXPECT_EQ(remnants[1].count, 2);
  EXPECT_TRUE(RemnantsOf("GEO58", "02", inventory).empty());
}

TEST(PlanStockTest, OnlyBarsFromTheRacksCountAsTaken) {
  cutplan::GroupPlan plan;
  plan.bars = {{6000, {}, 0, cutplan::RestKind::Waste, cutplan::StockSource::OnHand},
               {6000, {}, 0, cutplan::RestKind::Waste, cutplan::StockSource::Bought},
               {1200, {}, 0, cutplan::RestKind::Waste, cutplan::StockSource::Remnant},
               {6000, {}, 0, cutplan::RestKind::Waste, cutplan::StockSource::OnHand},
               {4000, {}, 0, cutplan::RestKind::Waste, cutplan::StockSource::OnHand}};
  OnHandTaken taken{{"GEO58", {{6000, 1}}}};
  AddOnHandUsed("GEO58", plan, taken);
  EXPECT_THAT(taken["GEO58"], ElementsAre(std::pair<const double, int>{4000, 1},
                                          std::pair<const double, int>{6000, 3}));
}

}  // namespace
}  // namespace grill
