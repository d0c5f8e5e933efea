#include <gtest/gtest.h>

#include <limits>

#include "CanvasDesigns.h"
#include "view/GrillCanvas.h"

namespace grill {
namespace {

using test::MakeDesign;
using test::Show;

void SetDragAndBands(GrillCanvas& canvas) {
  canvas.dragHorz = 1;
  canvas.dragVert = 2;
  canvas.prevRow = 1;
  canvas.prevColumn = 2;
}

void ExpectIdle(const GrillCanvas& canvas) {
  EXPECT_EQ(canvas.dragHorz, -1);
  EXPECT_EQ(canvas.dragVert, -1);
  EXPECT_EQ(canvas.prevRow, -1);
  EXPECT_EQ(canvas.prevColumn, -1);
}

TEST(SetDesign, AnotherDesignEndsTheDragAndForgetsTheBands) {
  GrillWindow first = MakeDesign(270, 270, {135}, {90, 180});
  GrillWindow second = first;
  GrillCanvas canvas;
  canvas.SetDesign(&first);
  SetDragAndBands(canvas);
  canvas.SetDesign(&second);
  ExpectIdle(canvas);
  EXPECT_EQ(canvas.Design(), &second);
}

TEST(SetDesign, ClearingEndsTheDragAndForgetsTheBands) {
  GrillWindow window = MakeDesign(270, 270, {135}, {90, 180});
  GrillCanvas canvas;
  canvas.SetDesign(&window);
  SetDragAndBands(canvas);
  canvas.SetDesign(nullptr);
  ExpectIdle(canvas);
  EXPECT_EQ(canvas.Design(), nullptr);
}

TEST(SetDesign, SameDesignAgainChangesNothing) {
  GrillWindow window = MakeDesign(270, 270, {135}, {90, 180});
  GrillCanvas canvas;
  canvas.SetDesign(&window);
  SetDragAndBands(canvas);
  canvas.SetDesign(&window);
  EXPECT_EQ(canvas.dragHorz, 1);
  EXPECT_EQ(canvas.dragVert, 2);
  EXPECT_EQ(canvas.prevRow, 1);
  EXPECT_EQ(canvas.prevColumn, 2);
}

TEST(Drag, BarRemovedWhileTheButtonIsHeldIsNotWritten) {
  GrillWindow window = MakeDesign(270, 270, {100, 200}, {90, 180});
  int invalidations = 0;
  GrillCanvas canvas([&] { ++invalidations; });
  Show(canvas, window);
  canvas.OnLButtonDown(kMouseLeft, 5, 210);  // horizontal bar 2
  canvas.OnLButtonDown(kMouseLeft, 190, 5);  // vertical bar 2
  ASSERT_EQ(canvas.dragHorz, 2);
  ASSERT_EQ(canvas.dragVert, 2);
  window.RemoveHorzBar(2);
  window.RemoveVertBar(2);
  const GrillWindow before = window;
  canvas.OnMouseMove(kMouseLeft, 4, 5);
  // Entry 2 now holds the edges, which only bar operations move.
  EXPECT_EQ(window.horzPos, before.horzPos);
  EXPECT_EQ(window.vertPos, before.vertPos);
  EXPECT_EQ(invalidations, 0);
}

TEST(Drag, BarNumberOutsideTheCountIsNotWritten) {
  GrillWindow window = MakeDesign(270, 270, {100}, {90});
  GrillCanvas canvas;
  Show(canvas, window);
  const GrillWindow before = window;
  for (int bar : {0, 2, 31, 1000, std::numeric_limits<int>::min()}) {
    canvas.dragHorz = bar;
    canvas.dragVert = bar;
    canvas.OnMouseMove(kMouseLeft, 50, 50);
  }
  EXPECT_EQ(window.horzPos, before.horzPos);
  EXPECT_EQ(window.vertPos, before.vertPos);
}

TEST(Shaping, BandOfABarRemovedSinceThePreviousMoveChangesNothing) {
  GrillWindow window = MakeDesign(270, 270, {}, {90, 180});
  int invalidations = 0;
  GrillCanvas canvas([&] { ++invalidations; });
  Show(canvas, window);
  canvas.OnMouseMove(kMouseRight, 250, 50);  // column band 2
  window.RemoveVertBar(2);
  const GrillWindow before = window;
  canvas.OnMouseMove(kMouseRight, 150, 50);  // column band 1 of the one bar left
  EXPECT_EQ(window.vertSegments, before.vertSegments);
  EXPECT_EQ(invalidations, 0);
}

TEST(Shaping, StaleBandsBeyondTheTablesChangeNothing) {
  GrillWindow window = MakeDesign(270, 270, {135}, {90});
  GrillCanvas canvas;
  Show(canvas, window);
  const GrillWindow before = window;
  canvas.prevColumn = 5000;
  canvas.prevRow = 5000;
  canvas.OnMouseMove(kMouseRight, 50, 50);
  EXPECT_EQ(window.vertSegments, before.vertSegments);
  EXPECT_EQ(window.horzSegments, before.horzSegments);
}

class UndrawableDesignTest : public ::testing::TestWithParam<double> {};

TEST_P(UndrawableDesignTest, MouseChangesNothing) {
  GrillWindow window = MakeDesign(GetParam(), 270, {100}, {0});
  window.vertPos[2] = 270;  // a finite edge, so that the tables compare equal
  int invalidations = 0;
  GrillCanvas canvas([&] { ++invalidations; });
  Show(canvas, window);
  const GrillWindow before = window;
  canvas.OnLButtonDown(kMouseLeft, 5, 110);
  canvas.OnLButtonDown(kMouseLeft, 10, 5);
  EXPECT_EQ(canvas.dragHorz, -1);
  EXPECT_EQ(canvas.dragVert, -1);
  for (int x : {5, 10, 11, 50, 200, 5}) {
    canvas.OnMouseMove(kMouseRight, x, x);
    EXPECT_EQ(canvas.ColumnAt(x), -1);
    EXPECT_EQ(canvas.RowAt(x), -1);
  }
  canvas.dragHorz = 1;
  canvas.OnMouseMove(kMouseLeft, 50, 50);
  EXPECT_EQ(window.horzPos, before.horzPos);
  EXPECT_EQ(window.vertPos, before.vertPos);
  EXPECT_EQ(window.vertSegments, before.vertSegments);
  EXPECT_EQ(window.horzSegments, before.horzSegments);
  EXPECT_EQ(invalidations, 0);
}

INSTANTIATE_TEST_SUITE_P(Widths, UndrawableDesignTest,
                         ::testing::Values(0.0, -100.0, std::numeric_limits<double>::quiet_NaN(),
                                           std::numeric_limits<double>::infinity()));

}  // namespace
}  // namespace grill
