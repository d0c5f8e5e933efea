#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/InventoryFile.h"
#include "app/StockTake.h"
#include "app/StockTaking.h"
#include "testing/MemoryFiles.h"
#include "testing/MemoryHost.h"

namespace grill {
namespace {

using cutplan::RestKind;
using cutplan::StockSource;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

cutplan::StockBar Bar(double length, StockSource source, double rest = 0,
                      RestKind kind = RestKind::Waste) {
  return {length, {{length - rest, "Hall", "W", "Top edge"}}, rest, kind, source};
}

// Group GEO58 01: a remnant of 1250.5, two bars on hand of 6000 (one
// leaving an offcut of 1499.96), one bought bar; group E1 01 one bought bar
// leaving an offcut of 700.
JobCuttingPlan SamplePlan() {
  JobCuttingPlan plan;
  cutplan::GroupPlan geo;
  geo.bars = {Bar(1250.5, StockSource::Remnant, 10),
              Bar(6000, StockSource::OnHand, 1499.96, RestKind::Offcut),
              Bar(6000, StockSource::OnHand), Bar(6000, StockSource::Bought)};
  cutplan::GroupPlan edge;
  edge.bars = {Bar(3000, StockSource::Bought, 700, RestKind::Offcut)};
  plan.groups = {{StockKind::kBar, "GEO58", "01", geo, {}, {}},
                 {StockKind::kEdge, "E1", "01", edge, {}, {}}};
  plan.stockPath = "shop/Stock.txt";
  plan.inventoryPath = "shop/Inventory.txt";
  return plan;
}

StockFile SampleStock() {
  StockFile stock;
  stock.stock = {{"GEO58", {{6000, 40, 12.5}}}, {"E1", {{3000}}}};
  return stock;
}

TEST(StockTakeTest, UsedStockGoesOutAndOffcutsComeIn) {
  const Inventory before{
      {}, {{"GEO58", "01", 1250.5, 2}, {"GEO58", "01", 900, 1}, {"GEO58", "01_07", 1250.5, 1}}};
  const TakeResult result = TakeFromStock(SamplePlan(), SampleStock(), before);
  ASSERT_TRUE(result.inventory.has_value()) << result.refusal;
  // Stock.txt's 40 bars on hand, less the two used, are the inventory's from now on.
  EXPECT_THAT(result.inventory->onHand, ElementsAre(OnHandEntry{"GEO58", 6000, 38}));
  EXPECT_THAT(
      result.inventory->remnants,
      ElementsAre(RemnantEntry{"E1", "01", 700, 1}, RemnantEntry{"GEO58", "01", 1499.9, 1},
                  RemnantEntry{"GEO58", "01", 1250.5, 1}, RemnantEntry{"GEO58", "01", 900, 1},
                  RemnantEntry{"GEO58", "01_07", 1250.5, 1}));
  EXPECT_EQ(result.counts.remnantsUsed, 1);
  EXPECT_EQ(result.counts.barsOnHandUsed, 2);
  EXPECT_EQ(result.counts.offcutsKept, 2);
}

TEST(StockTakeTest, TheInventorysCountStandsOnceTaken) {
  const Inventory before{{{"GEO58", 6000, 5}}, {{"GEO58", "01", 1250.5, 1}}};
  const TakeResult result = TakeFromStock(SamplePlan(), SampleStock(), before);
  ASSERT_TRUE(result.inventory.has_value()) << result.refusal;
  EXPECT_THAT(result.inventory->onHand, ElementsAre(OnHandEntry{"GEO58", 6000, 3}));
}

struct RefusedTake {
  const char* what;
  Inventory before;
  StockFile stock;
  const char* says;
};

// A plan made from another inventory than the one there now is refused
// whole: nothing of it is taken.
TEST(StockTakeTest, APlanTheInventoryNoLongerCoversIsRefused) {
  StockFile uncounted;
  uncounted.stock = {{"GEO58", {{6000}}}};
  const RefusedTake cases[] = {
      {"the remnant is gone", {}, SampleStock(), "the remnant 1250.5 mm of GEO58 01"},
      {"the remnant is another colour's",
       {{}, {{"GEO58", "01_07", 1250.5, 1}}},
       SampleStock(),
       "the remnant 1250.5 mm of GEO58 01"},
      {"one bar left on hand",
       {{{"GEO58", 6000, 1}}, {{"GEO58", "01", 1250.5, 1}}},
       SampleStock(),
       "no bar of 6000.0 mm of GEO58 01 is left"},
      {"Stock.txt counts no bars any more",
       {{}, {{"GEO58", "01", 1250.5, 1}}},
       uncounted,
       "Stock.txt no longer counts the bars of 6000.0 mm"},
  };
  for (const RefusedTake& c : cases) {
    SCOPED_TRACE(c.what);
    const TakeResult result = TakeFromStock(SamplePlan(), c.stock, c.before);
    EXPECT_FALSE(result.inventory.has_value());
    EXPECT_THAT(result.refusal, HasSubstr(c.says));
  }
}

class StockTakingTest : public ::testing::Test {
 protected:
  StockTakingTest() {
    files.folders.insert("shop");
    files.contents["shop/Stock.txt"] = "<stock>\nGEO58, 6000 x 40 @ 12.50;\nE1, 3000;\n<\\stock>\n";
    host.answerYes = true;
    host.onQuestion = [this](const std::string& text) { questions.push_back(text); };
  }

  MemoryFiles files;
  MemoryHost host;
  std::vector<std::string> questions;
  StockTaking taking;
};

TEST_F(StockTakingTest, TakeOnceAfterAYesAndUndoPutsTheBytesBack) {
  const std::string before = "# racks by the door\nremnant GEO58 01 1250.5 1\n";
  files.contents["shop/Inventory.txt"] = before;

  EXPECT_EQ(taking.Take(SamplePlan(), files, host),
            "Taken from stock: 1 remnant and 2 bars on hand used, 2 offcuts kept as remnants in "
            "shop/Inventory.txt.");
  EXPECT_THAT(questions, ElementsAre("Take this plan from stock? Its 1 remnant and 2 bars on hand "
                                     "are taken out of the inventory, and its 2 offcuts are added "
                                     "as remnants."));
  EXPECT_TRUE(taking.Taken());
  const std::string after = files.Content("shop/Inventory.txt");
  EXPECT_THAT(after, HasSubstr("onhand GEO58 6000 38\n"));
  EXPECT_THAT(after, HasSubstr("remnant GEO58 01 1499.9 1\n"));

  EXPECT_EQ(taking.Take(SamplePlan(), files, host), "This plan was already taken from stock.");
  EXPECT_EQ(files.Content("shop/Inventory.txt"), after);

  EXPECT_EQ(taking.Undo(files), "Undo Take: the inventory is as it was before the take.");
  EXPECT_EQ(files.Content("shop/Inventory.txt"), before);
  EXPECT_FALSE(taking.Taken());
  EXPECT_EQ(taking.Undo(files), "Nothing to undo: this plan was not taken from stock.");
}

TEST_F(StockTakingTest, UndoOfTheTakeThatMadeTheFileRemovesIt) {
  JobCuttingPlan plan = SamplePlan();
  plan.groups[0].plan->bars.erase(plan.groups[0].plan->bars.begin());  // no remnant used
  ASSERT_THAT(taking.Take(plan, files, host), HasSubstr("Taken from stock"));
  EXPECT_TRUE(files.Exists("shop/Inventory.txt"));
  taking.Undo(files);
  EXPECT_FALSE(files.Exists("shop/Inventory.txt"));
}

TEST_F(StockTakingTest, NoChangesNothing) {
  files.contents["shop/Inventory.txt"] = "remnant GEO58 01 1250.5 1\n";
  host.answerYes = false;
  EXPECT_EQ(taking.Take(SamplePlan(), files, host), "");
  EXPECT_FALSE(taking.Taken());
  EXPECT_EQ(files.Content("shop/Inventory.txt"), "remnant GEO58 01 1250.5 1\n");
}

TEST_F(StockTakingTest, AFailedWriteLeavesTheFileAsItWasAndSaysSo) {
  for (int MemoryFiles::*fault :
       {&MemoryFiles::failWriteAt, &MemoryFiles::failCloseAt, &MemoryFiles::failRenameAt}) {
    MemoryFiles failing;
    failing.contents = files.contents;
    failing.folders = files.folders;
    failing.contents["shop/Inventory.txt"] = "remnant GEO58 01 1250.5 1\n";
    failing.*fault = 1;
    EXPECT_EQ(taking.Take(SamplePlan(), failing, host),
              "Cannot write shop/Inventory.txt: No space left on device. Nothing was taken from "
              "stock; the inventory is as it was.");
    EXPECT_FALSE(taking.Taken());
    EXPECT_EQ(failing.Content("shop/Inventory.txt"), "remnant GEO58 01 1250.5 1\n");
    EXPECT_THAT(failing.contents, ::testing::SizeIs(2));  // no temporary file left behind
  }
}

TEST_F(StockTakingTest, UndoAfterTheFileChangedLeavesItAlone) {
  files.contents["shop/Inventory.txt"] = "remnant GEO58 01 1250.5 1\n";
  ASSERT_THAT(taking.Take(SamplePlan(), files, host), HasSubstr("Taken from stock"));
  files.contents["shop/Inventory.txt"] += "remnant E1 01 300 1\n";
  EXPECT_THAT(taking.Undo(files), HasSubstr("changed since"));
  EXPECT_THAT(files.Content("shop/Inventory.txt"), HasSubstr("remnant E1 01 300 1\n"));
  EXPECT_TRUE(taking.Taken());
}

TEST_F(StockTakingTest, AnUnreadableInventoryIsNeverWrittenOver) {
  files.contents["shop/Inventory.txt"] =
      std::string(static_cast<std::size_t>(kInventoryFileLimit) + 1, '#');
  EXPECT_THAT(taking.Take(SamplePlan(), files, host),
              HasSubstr("Cannot take this plan from stock: shop/Inventory.txt: File too large"));
  EXPECT_EQ(files.Content("shop/Inventory.txt").size(),
            static_cast<std::size_t>(kInventoryFileLimit) + 1);
  EXPECT_THAT(questions, IsEmpty());
}

}  // namespace
}  // namespace grill
