#include "model/GrillWindow.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace grill {
namespace {

using ::testing::ElementsAre;

// A 1000 x 900 grill area with horizontal bars at 300 and 600 and vertical
// bars at 250, 500 and 750.
GrillWindow SampleWindow() {
  GrillWindow window;
  window.innerWidth = 1000.0;
  window.innerHeight = 900.0;
  window.horzCount = 2;
  window.horzPos = {0, 300, 600, 900};
  window.vertCount = 3;
  window.vertPos = {0, 250, 500, 750, 1000};
  return window;
}

std::vector<double> Bars(const PositionTable& pos, int count) {
  return {pos.begin() + 1, pos.begin() + 1 + count};
}

// Marks every cell of a row (or column) of a segment table with `value`.
void FillRow(SegmentTable& table, int row, std::uint8_t value) {
  table[static_cast<size_t>(row)].fill(value);
}
void FillColumn(SegmentTable& table, int column, std::uint8_t value) {
  for (auto& row : table) {
    row[static_cast<size_t>(column)] = value;
  }
}

TEST(GrillWindowTest, ConstructionGivesEmptyDesignWithEverySegmentPresent) {
  const GrillWindow window;
  EXPECT_EQ(window.horzCount, 0);
  EXPECT_EQ(window.vertCount, 0);
  EXPECT_TRUE(window.name.empty());
  EXPECT_EQ(window.barType, nullptr);
  EXPECT_EQ(window.insideColor, nullptr);
  for (int a = 0; a < kTableSize; ++a) {
    for (int b = 0; b < kTableSize; ++b) {
      ASSERT_EQ(window.vertSegments[a][b], 1);
      ASSERT_EQ(window.horzSegments[a][b], 1);
    }
  }
}

TEST(GrillWindowTest, InsertHorzBarKeepsTheOrderAndShiftsTheEdge) {
  GrillWindow window = SampleWindow();
  EXPECT_EQ(window.InsertHorzBar(450.0), BarEdit::Done);
  EXPECT_EQ(window.horzCount, 3);
  EXPECT_THAT(Bars(window.horzPos, 3), ElementsAre(300, 450, 600));
  EXPECT_EQ(window.horzPos[4], 900.0);
  EXPECT_EQ(window.horzPos[0], 0.0);
}

TEST(GrillWindowTest, InsertAtTheInnerSizeIsTheLastBarBeforeTheEdge) {
  GrillWindow window = SampleWindow();
  EXPECT_EQ(window.InsertHorzBar(900.0), BarEdit::Done);
  EXPECT_THAT(Bars(window.horzPos, 3), ElementsAre(300, 600, 900));
  EXPECT_EQ(window.horzPos[4], 900.0);
  EXPECT_EQ(window.InsertVertBar(1000.0), BarEdit::Done);
  EXPECT_EQ(window.vertPos[4], 1000.0);
  EXPECT_EQ(window.vertPos[5], 1000.0);
}

TEST(GrillWindowTest, InsertAtZeroIsTheFirstBar) {
  GrillWindow window = SampleWindow();
  EXPECT_EQ(window.InsertHorzBar(0.0), BarEdit::Done);
  EXPECT_THAT(Bars(window.horzPos, 3), ElementsAre(0, 300, 600));
  EXPECT_EQ(window.horzPos[0], 0.0);
  EXPECT_EQ(window.horzPos[4], 900.0);
  for (int v = 0; v <= window.vertCount; ++v) {
    EXPECT_EQ(window.horzSegments[1][static_cast<size_t>(v)], 1);
  }
}

TEST(GrillWindowTest, InsertAtAnExistingPositionGoesInFront) {
  GrillWindow window = SampleWindow();
  FillRow(window.horzSegments, 2, 0);  // bar at 600 without segments
  EXPECT_EQ(window.InsertHorzBar(600.0), BarEdit::Done);
  EXPECT_THAT(Bars(window.horzPos, 3), ElementsAre(300, 600, 600));
  EXPECT_EQ(window.horzSegments[2][0], 1);  // the new bar
  EXPECT_EQ(window.horzSegments[3][0], 0);  // the old one
}

TEST(GrillWindowTest, InsertOutsideTheGrillIsRejected) {
  const double outside[] = {-0.001, 900.001, std::numeric_limits<double>::quiet_NaN(),
                            std::numeric_limits<double>::infinity(), -3e9};
  for (const double position : outside) {
    GrillWindow window = SampleWindow();
    EXPECT_EQ(window.InsertHorzBar(position), BarEdit::Rejected) << position;
    EXPECT_EQ(window.horzCount, 2);
    EXPECT_EQ(window.InsertVertBar(position * 1000.0 / 900.0), BarEdit::Rejected) << position;
    EXPECT_EQ(window.vertCount, 3);
  }
}

TEST(GrillWindowTest, InsertIntoAFullDirectionChangesNothing) {
  GrillWindow window = SampleWindow();
  for (int k = 0; k < 27; ++k) {
    ASSERT_EQ(window.InsertVertBar(10.0 + k), BarEdit::Done);
  }
  ASSERT_EQ(window.vertCount, kMaxBars);
  const GrillWindow before = window;
  EXPECT_EQ(window.InsertVertBar(5.0), BarEdit::NoRoom);
  EXPECT_EQ(window.vertCount, kMaxBars);
  EXPECT_EQ(window.vertPos, before.vertPos);
  EXPECT_EQ(window.vertPos[31], 1000.0);
  EXPECT_EQ(window.horzSegments, before.horzSegments);
}

TEST(GrillWindowTest, NewHorizontalBarTakesTheFlagsBelowTheNextBar) {
  GrillWindow window = SampleWindow();
  FillRow(window.vertSegments, 1, 1);
  FillRow(window.vertSegments, 2, 0);  // no vertical segments below the bar at 600
  window.horzSegments[2][1] = 0;       // bar at 600 lacks its second segment

  ASSERT_EQ(window.InsertHorzBar(450.0), BarEdit::Done);

  // Strips: 0-300, 300-450, 450-600, 600-900. The new strip between the new
  // bar and the bar at 600 gets the cleared flags of the strip below that bar.
  EXPECT_EQ(window.vertSegments[0][1], 1);
  EXPECT_EQ(window.vertSegments[1][1], 1);
  EXPECT_EQ(window.vertSegments[2][1], 0);
  EXPECT_EQ(window.vertSegments[3][1], 0);
  EXPECT_EQ(window.horzSegments[2][1], 1);  // the new bar is whole
  EXPECT_EQ(window.horzSegments[3][1], 0);  // the bar at 600, moved a row down
}

TEST(GrillWindowTest, NewVerticalBarTakesTheFlagsRightOfTheNextBar) {
  GrillWindow window = SampleWindow();
  FillColumn(window.horzSegments, 3, 0);  // no horizontal segments right of the bar at 750
  window.vertSegments[1][3] = 0;          // bar at 750 interrupted in the middle strip

  ASSERT_EQ(window.InsertVertBar(600.0), BarEdit::Done);

  EXPECT_THAT(Bars(window.vertPos, 4), ElementsAre(250, 500, 600, 750));
  EXPECT_EQ(window.vertPos[5], 1000.0);
  EXPECT_EQ(window.horzSegments[1][2], 1);  // 500-600
  EXPECT_EQ(window.horzSegments[1][3], 0);  // 600-750
  EXPECT_EQ(window.horzSegments[1][4], 0);  // 750-1000
  EXPECT_EQ(window.vertSegments[1][3], 1);  // the new bar is whole
  EXPECT_EQ(window.vertSegments[1][4], 0);  // the bar at 750, moved a column right
}

TEST(GrillWindowTest, RemovedBarTakesTheStripBelowAlongAndTheStripAboveStays) {
  GrillWindow window = SampleWindow();
  // Strip flags of vertical bars 1 and 2: 0-300 {0, 1}, 300-600 {1, 1}, 600-900 {1, 0}.
  window.vertSegments[0][1] = 0;
  window.vertSegments[2][2] = 0;
  window.horzSegments[2][0] = 0;

  ASSERT_EQ(window.RemoveHorzBar(1), BarEdit::Done);

  EXPECT_EQ(window.horzCount, 1);
  EXPECT_THAT(Bars(window.horzPos, 1), ElementsAre(600));
  EXPECT_EQ(window.horzPos[2], 900.0);
  EXPECT_EQ(window.horzSegments[1][0], 0);  // the bar at 600 moved up a row
  EXPECT_EQ(window.vertSegments[0][1], 0);  // merged strip 0-600 keeps the flags above
  EXPECT_EQ(window.vertSegments[0][2], 1);
  EXPECT_EQ(window.vertSegments[1][1], 1);  // strip 600-900 moved up
  EXPECT_EQ(window.vertSegments[1][2], 0);
}

TEST(GrillWindowTest, RemoveVertBarShiftsColumns) {
  GrillWindow window = SampleWindow();
  window.vertSegments[0][3] = 0;
  window.horzSegments[1][3] = 0;
  ASSERT_EQ(window.RemoveVertBar(2), BarEdit::Done);
  EXPECT_THAT(Bars(window.vertPos, 2), ElementsAre(250, 750));
  EXPECT_EQ(window.vertPos[3], 1000.0);
  EXPECT_EQ(window.vertSegments[0][2], 0);
  EXPECT_EQ(window.horzSegments[1][2], 0);
}

TEST(GrillWindowTest, RemovingTheLastBarMovesTheEdgeDown) {
  GrillWindow window = SampleWindow();
  ASSERT_EQ(window.RemoveHorzBar(2), BarEdit::Done);
  EXPECT_EQ(window.horzPos[2], 900.0);
  ASSERT_EQ(window.RemoveHorzBar(1), BarEdit::Done);
  EXPECT_EQ(window.horzCount, 0);
  EXPECT_EQ(window.horzPos[1], 900.0);
}

TEST(GrillWindowTest, RemoveOutsideTheBarsIsRejected) {
  GrillWindow window = SampleWindow();
  for (const int barNumber : {0, -1, 3, 31, 1 << 30}) {
    EXPECT_EQ(window.RemoveHorzBar(barNumber), BarEdit::Rejected) << barNumber;
  }
  for (const int barNumber : {0, -1, 4, 32}) {
    EXPECT_EQ(window.RemoveVertBar(barNumber), BarEdit::Rejected) << barNumber;
  }
  EXPECT_EQ(window.horzCount, 2);
  EXPECT_EQ(window.vertCount, 3);
  EXPECT_EQ(window.horzPos[3], 900.0);
}

TEST(GrillWindowTest, AlignCentresTheOtherPattern) {
  GrillWindow window = SampleWindow();
  window.innerHeight = 1000.0;
  window.horzPos[3] = 1000.0;
  GrillWindow other = SampleWindow();
  ASSERT_EQ(other.innerHeight, 900.0);

  window.AlignHorzTo(other);

  EXPECT_THAT(Bars(window.horzPos, 2), ElementsAre(350, 650));
  EXPECT_EQ(window.horzPos[0], 0.0);
  EXPECT_EQ(window.horzPos[3], 1000.0);
}

TEST(GrillWindowTest, AlignNeedsTheSameNonZeroCount) {
  GrillWindow window = SampleWindow();
  GrillWindow other = SampleWindow();
  other.vertCount = 2;
  other.vertPos = {0, 1, 2, 1000};
  window.AlignVertTo(other);
  EXPECT_THAT(Bars(window.vertPos, 3), ElementsAre(250, 500, 750));

  GrillWindow empty;
  GrillWindow otherEmpty;
  otherEmpty.vertPos[1] = 5.0;
  empty.vertPos[1] = 7.0;
  empty.AlignVertTo(otherEmpty);
  EXPECT_EQ(empty.vertPos[1], 7.0);
}

TEST(GrillWindowTest, AlignVertUsesTheInnerWidth) {
  GrillWindow window = SampleWindow();
  GrillWindow other = SampleWindow();
  other.innerWidth = 800.0;
  other.vertPos = {0, 200, 400, 600, 800};
  window.AlignVertTo(other);
  EXPECT_THAT(Bars(window.vertPos, 3), ElementsAre(300, 500, 700));
  EXPECT_EQ(window.vertPos[4], 1000.0);
}

}  // namespace
}  // namespace grill
