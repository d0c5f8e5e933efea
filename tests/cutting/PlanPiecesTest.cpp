#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <stop_token>
#include <utility>
#include <vector>

#include "../export/ExportFixture.h"
#include "cutting/CutList.h"
#include "cutting/JobCuttingPlan.h"
#include "cutting/PlanPieces.h"
#include "export/ExportChecks.h"

namespace grill {
namespace {

using ::testing::ElementsAre;
using ::testing::Field;
using ::testing::IsEmpty;
using ::testing::Not;
using ::testing::SizeIs;
using testing_export::ExportSetup;

struct PieceLine {
  double length;
  int count;
  std::string label;
  std::string tag;
  bool operator==(const PieceLine&) const = default;
  friend void PrintTo(const PieceLine& line, std::ostream* out) {
    *out << line.length << " x" << line.count << " " << line.label << " " << line.tag;
  }
};

std::vector<PieceLine> Lines(const PlanPieceGroup& group) {
  std::vector<PieceLine> lines;
  for (const cutplan::Piece& piece : group.pieces) {
    lines.push_back({piece.length, piece.count, piece.label, piece.tag});
  }
  return lines;
}

class PlanPiecesTest : public ::testing::Test {
 protected:
  ExportSetup setup;
  const WindowList& Designs() { return setup.state.document.Designs(); }
};

TEST_F(PlanPiecesTest, PiecesAreTheCutRowsTimesTheQuantityGroupedByTypeAndColours) {
  // 1000 x 600 with one vertical bar: edges pair up, one bar piece.
  setup.AddDesign("Hall", 1000, 600, {500}, {}).quantity = 3;
  GrillWindow& den = setup.AddDesign("Den", 800, 800, {400}, {400});
  den.outsideColor = setup.Black();

  const PlanPieces pieces = CollectPlanPieces(Designs(), ProcessAllRefusal);
  EXPECT_THAT(pieces.leftOut, IsEmpty());
  ASSERT_THAT(pieces.groups, SizeIs(4));
  const PlanPieceGroup& hallEdges = pieces.groups[0];
  const PlanPieceGroup& hallBars = pieces.groups[1];
  EXPECT_EQ(hallEdges.kind, StockKind::kEdge);
  EXPECT_EQ(hallEdges.key, "E1");
  EXPECT_EQ(hallEdges.colors, "01");
  // E1 takes 5 off each end; the pair's count 2 times the quantity.
  EXPECT_THAT(Lines(hallEdges),
              ElementsAre(PieceLine{990, 6, "Hall", "W"}, PieceLine{590, 6, "Hall", "H"}));
  EXPECT_EQ(hallBars.kind, StockKind::kBar);
  EXPECT_EQ(hallBars.key, "GB");
  EXPECT_THAT(Lines(hallBars), ElementsAre(PieceLine{600, 3, "Hall", "H"}));
  // Each piece says what it is for, as the drawing's cut list names it.
  EXPECT_EQ(hallEdges.pieces[0].name, "Top and bottom edge");
  EXPECT_EQ(hallBars.pieces[0].name, "Vertical bar 1");

  // Two colour entries: groups of their own, keyed as the cut files' headers.
  EXPECT_EQ(pieces.groups[2].colors, "01_07");
  EXPECT_EQ(pieces.groups[2].kind, StockKind::kEdge);
  EXPECT_EQ(pieces.groups[3].colors, "01_07");
  EXPECT_EQ(pieces.groups[3].key, "GB");
}

TEST_F(PlanPiecesTest, EveryRowOfTheCutListIsCounted) {
  // Crossing bars split at no joint here; the pieces come from the cut list alone.
  GrillWindow& window = setup.AddDesign("Bay", 1200, 900, {300, 600, 900}, {300, 600});
  window.quantity = 2;
  const CutList cutList = BuildCutList(window, *window.barType, *window.edgeType);
  int expected = 0;
  for (const CutGroup& group : cutList.groups) {
    expected += group.Count() * window.quantity;
  }
  int counted = 0;
  for (const PlanPieceGroup& group : CollectPlanPieces(Designs(), ProcessAllRefusal).groups) {
    for (const cutplan::Piece& piece : group.pieces) {
      counted += piece.count;
    }
  }
  EXPECT_EQ(counted, expected);
}

TEST_F(PlanPiecesTest, DesignsTheExportRefusesAreLeftOutAndListed) {
  setup.AddDesign("NoType", 500, 500, {250}, {}).barType = nullptr;
  setup.AddDesign("NoneWanted", 500, 500, {250}, {}).quantity = 0;
  setup.AddDesign("NoColour", 500, 500, {250}, {}).insideColor = nullptr;
  setup.AddDesign("Good", 500, 500, {250}, {});

  const PlanPieces pieces = CollectPlanPieces(Designs(), ProcessAllRefusal);
  EXPECT_THAT(pieces.leftOut,
              ElementsAre(Field(&LeftOutDesign::reason, "Bar Type not found for NoType"),
                          Field(&LeftOutDesign::reason, "Invalid quantity: NoneWanted"),
                          Field(&LeftOutDesign::reason, "Inside Color not found for NoColour")));
  ASSERT_THAT(pieces.groups, SizeIs(2));
  for (const PlanPieceGroup& group : pieces.groups) {
    for (const cutplan::Piece& piece : group.pieces) {
      EXPECT_EQ(piece.label, "Good");
    }
  }
}

// One design whose pieces cannot be cut is left out on its own: the designs sharing its
// groups are still planned.
TEST_F(PlanPiecesTest, AnUncuttableDesignIsLeftOutAndTheRestPlanned) {
  setup.AddDesign("Hall", 1000, 600, {500}, {}).quantity = 3;
  setup.AddDesign("Sliver", 8, 600, {4}, {});
  setup.AddDesign("Lots", 1000, 600, {500}, {}).quantity = kMaxQuantity + 1;
  StockFile stock;
  stock.stock = {{"GB", {{700}}}, {"E1", {{2000}}}};

  const JobCuttingPlan plan = PlanJob(Designs(), stock, {}, ProcessAllRefusal);
  EXPECT_THAT(plan.leftOut,
              ElementsAre(Field(&LeftOutDesign::reason,
                                "Cannot Cut Sliver: Window Too Small for Edge Type E1: inner "
                                "width 8.0 mm"),
                          Field(&LeftOutDesign::reason, "Invalid quantity: Lots")));
  ASSERT_THAT(plan.groups, SizeIs(2));
  for (const PlannedGroup& group : plan.groups) {
    ASSERT_TRUE(group.plan.has_value()) << group.key << ": " << group.problem;
    for (const cutplan::StockBar& bar : group.plan->bars) {
      for (const cutplan::CutPiece& piece : bar.pieces) {
        EXPECT_EQ(piece.label, "Hall");
      }
    }
  }
}

TEST_F(PlanPiecesTest, PlanJobPlansEachGroupOrSaysWhyNot) {
  setup.AddDesign("Hall", 1000, 600, {500}, {}).quantity = 3;
  StockFile stock;
  stock.stock = {{"GB", {{700}}}, {"E1", {{900}}}};  // the 990 edges fit no bar
  stock.saw.kerf = 4;

  const JobCuttingPlan plan = PlanJob(Designs(), stock, {}, ProcessAllRefusal);
  ASSERT_THAT(plan.groups, SizeIs(2));
  EXPECT_FALSE(plan.groups[0].plan.has_value());
  EXPECT_THAT(plan.groups[0].problem, ::testing::HasSubstr("990"));
  ASSERT_TRUE(plan.groups[1].plan.has_value());
  EXPECT_THAT(plan.groups[1].plan->bars, SizeIs(3));  // 600 + 4 + 600 > 700
  EXPECT_TRUE(plan.groups[1].plan->optimal);

  stock.stock.pop_back();
  EXPECT_EQ(PlanJob(Designs(), stock, {}, ProcessAllRefusal).groups[0].problem,
            "No stock in Stock.txt for E1");
}

// The racks hold bars of a key, whatever colour its groups are cut for: a
// group planned later has only what the earlier ones left on hand.
TEST_F(PlanPiecesTest, GroupsOfOneKeyShareItsBarsOnHand) {
  setup.AddDesign("Hall", 1000, 600, {500}, {}).quantity = 3;
  setup.AddDesign("Den", 1000, 600, {500}, {}).outsideColor = setup.Black();
  StockFile stock;
  stock.stock = {{"GB", {{700, 3}, {6000, std::nullopt, 20.0}}}, {"E1", {{5800}}}};
  const Inventory inventory{{}, {{"GB", "01_07", 650, 1}, {"GB", "01", 1500, 1}}};

  const JobCuttingPlan plan = PlanJob(Designs(), stock, inventory, ProcessAllRefusal);
  ASSERT_THAT(plan.groups, SizeIs(4));
  const auto sources = [&](std::size_t group) {
    std::vector<cutplan::StockSource> found;
    EXPECT_TRUE(plan.groups[group].plan.has_value()) << plan.groups[group].problem;
    for (const cutplan::StockBar& bar : plan.groups[group].plan->bars) {
      found.push_back(bar.source);
    }
    std::sort(found.begin(), found.end());
    return found;
  };
  using cutplan::StockSource;
  // Hall's three pieces of 600: the remnant of 1500 holds two, a bar on hand the third.
  EXPECT_EQ(plan.groups[1].key, "GB");
  EXPECT_THAT(sources(1), ElementsAre(StockSource::Remnant, StockSource::OnHand));
  // Den's one: its own colour's remnant, then nothing is left to buy.
  EXPECT_EQ(plan.groups[3].colors, "01_07");
  EXPECT_THAT(sources(3), ElementsAre(StockSource::Remnant));

  // Without the remnants the racks run out: three bars on hand between the
  // two groups, and the fourth piece is bought.
  const JobCuttingPlan bare = PlanJob(Designs(), stock, {}, ProcessAllRefusal);
  int onHand = 0;
  int bought = 0;
  for (const std::size_t group : {1u, 3u}) {
    ASSERT_TRUE(bare.groups[group].plan.has_value()) << bare.groups[group].problem;
    for (const cutplan::StockBar& bar : bare.groups[group].plan->bars) {
      onHand += bar.source == StockSource::OnHand ? 1 : 0;
      bought += bar.source == StockSource::Bought ? 1 : 0;
    }
  }
  EXPECT_EQ(onHand, 3);
  EXPECT_EQ(bought, 1);
  ASSERT_THAT(bare.groups[3].plan->toBuy, SizeIs(1));
  EXPECT_EQ(bare.groups[3].plan->toBuy[0].length, 6000);
  EXPECT_EQ(bare.groups[3].plan->cost, 20.0);
}

// A stopped plan still covers every group, each with the plan it had; the
// progress counts the groups from none to all.
TEST_F(PlanPiecesTest, StoppedPlanCoversEveryGroupAndProgressCountsThem) {
  setup.AddDesign("Hall", 1000, 600, {500}, {}).quantity = 3;
  setup.AddDesign("Kitchen", 1400, 800, {300, 700}, {400}).quantity = 2;
  StockFile stock;
  stock.stock = {{"GB", {{6000}}}, {"E1", {{5800}}}};

  std::stop_source stop;
  stop.request_stop();
  std::vector<std::pair<std::size_t, std::size_t>> reports;
  JobPlanOptions options;
  options.timeLimit = std::chrono::hours(1);
  options.stop = stop.get_token();
  options.progress = [&reports](std::size_t planned, std::size_t groups) {
    reports.emplace_back(planned, groups);
  };
  const JobCuttingPlan plan = PlanJob(Designs(), stock, {}, ProcessAllRefusal, options);

  ASSERT_THAT(plan.groups, SizeIs(2));
  for (const PlannedGroup& group : plan.groups) {
    ASSERT_TRUE(group.plan.has_value()) << group.problem;
    EXPECT_THAT(group.plan->bars, Not(IsEmpty()));
  }
  using Report = std::pair<std::size_t, std::size_t>;
  EXPECT_THAT(reports, ElementsAre(Report{0, 2}, Report{1, 2}, Report{2, 2}));
}

}  // namespace
}  // namespace grill
