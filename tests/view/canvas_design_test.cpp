#include <gtest/gtest.h>

#include <vector>

#include "CanvasDesigns.h"
#include "view/GrillCanvas.h"

namespace grill {
namespace {

using test::MakeDesign;
using test::Show;

// Bands from a move without buttons, then both handles pressed.
void SetDragAndBands(GrillCanvas& canvas, test::InPlaceHost& host) {
  canvas.OnMouseMove(host, 0, 150, 150);
  canvas.OnLButtonDown(host, kMouseLeft, 5, 145);
  canvas.OnLButtonDown(host, kMouseLeft, 190, 5);
}

TEST(ForgetPointer, EndsTheDragAndForgetsTheBandsWithoutAGesture) {
  GrillWindow window = MakeDesign(270, 270, {135}, {90, 180});
  GrillCanvas canvas;
  test::InPlaceHost host;
  Show(canvas, host, window);
  SetDragAndBands(canvas, host);
  ASSERT_EQ(canvas.PointerState().dragHorz, 1);
  ASSERT_EQ(canvas.PointerState().dragVert, 2);
  ASSERT_EQ(canvas.PointerState().prevColumn, 1);
  canvas.ForgetPointer();
  EXPECT_EQ(canvas.PointerState().dragHorz, -1);
  EXPECT_EQ(canvas.PointerState().dragVert, -1);
  EXPECT_EQ(canvas.PointerState().prevRow, -1);
  EXPECT_EQ(canvas.PointerState().prevColumn, -1);
  EXPECT_EQ(host.gesturesEnded, 0);
}

TEST(Drag, BarRemovedWhileTheButtonIsHeldIsNotWritten) {
  GrillWindow window = MakeDesign(270, 270, {100, 200}, {90, 180});
  GrillCanvas canvas;
  test::InPlaceHost host;
  Show(canvas, host, window);
  canvas.OnLButtonDown(host, kMouseLeft, 5, 210);  // horizontal bar 2
  canvas.OnLButtonDown(host, kMouseLeft, 190, 5);  // vertical bar 2
  ASSERT_EQ(canvas.PointerState().dragHorz, 2);
  ASSERT_EQ(canvas.PointerState().dragVert, 2);
  window.RemoveHorzBar(2);
  window.RemoveVertBar(2);
  const GrillWindow before = window;
  canvas.OnMouseMove(host, kMouseLeft, 4, 5);
  // Entry 2 now holds the edges, which only bar operations move.
  EXPECT_EQ(window.horzPos, before.horzPos);
  EXPECT_EQ(window.vertPos, before.vertPos);
  EXPECT_EQ(host.invalidations, 0);
}

TEST(Shaping, BandOfABarRemovedSinceThePreviousMoveChangesNothing) {
  GrillWindow window = MakeDesign(270, 270, {}, {90, 180});
  GrillCanvas canvas;
  test::InPlaceHost host;
  Show(canvas, host, window);
  canvas.OnMouseMove(host, kMouseRight, 250, 50);  // column band 2
  window.RemoveVertBar(2);
  const GrillWindow before = window;
  canvas.OnMouseMove(host, kMouseRight, 150, 50);  // column band 1 of the one bar left
  EXPECT_EQ(window.vertSegments, before.vertSegments);
  EXPECT_EQ(host.invalidations, 0);
}

// Bars every 8 mm of 270, as many as a direction holds.
GrillWindow FullDesign() {
  std::vector<double> bars;
  for (int k = 1; k <= kMaxBars; ++k) {
    bars.push_back(8.0 * k);
  }
  return MakeDesign(270, 270, bars, bars);
}

// A design emptied under the held button leaves the picked bar numbers far
// outside its counts, up to the last bar a direction holds.
TEST(Drag, BarNumberOutsideTheCountIsNotWritten) {
  struct Case {
    GrillWindow design;
    int bar;
    int horzHandleY;
    int vertHandleX;
  };
  for (const Case& c : {Case{MakeDesign(270, 270, {100, 200}, {90, 180}), 2, 210, 190},
                        Case{FullDesign(), kMaxBars, 250, 250}}) {
    GrillWindow window = c.design;
    GrillCanvas canvas;
    test::InPlaceHost host;
    Show(canvas, host, window);
    canvas.OnLButtonDown(host, kMouseLeft, 5, c.horzHandleY);
    canvas.OnLButtonDown(host, kMouseLeft, c.vertHandleX, 5);
    ASSERT_EQ(canvas.PointerState().dragHorz, c.bar);
    ASSERT_EQ(canvas.PointerState().dragVert, c.bar);
    window = MakeDesign(270, 270, {}, {});
    const GrillWindow before = window;
    canvas.OnMouseMove(host, kMouseLeft, 4, 5);
    EXPECT_EQ(window.horzPos, before.horzPos) << c.bar;
    EXPECT_EQ(window.vertPos, before.vertPos) << c.bar;
    EXPECT_EQ(host.invalidations, 0) << c.bar;
  }
}

// The bands of the last move lie at the far end of the tables when the
// design loses all its bars under the held button; the next move reaches no
// entry beyond them.
TEST(Shaping, StaleBandsBeyondTheTablesChangeNothing) {
  GrillWindow window = FullDesign();
  GrillCanvas canvas;
  test::InPlaceHost host;
  Show(canvas, host, window);
  canvas.OnMouseMove(host, kMouseRight, 260, 260);  // the last column and row bands
  window = MakeDesign(270, 270, {}, {});
  const GrillWindow before = window;
  const int invalidations = host.invalidations;
  canvas.OnMouseMove(host, kMouseRight, 50, 50);
  EXPECT_EQ(window.vertSegments, before.vertSegments);
  EXPECT_EQ(window.horzSegments, before.horzSegments);
  EXPECT_EQ(host.invalidations, invalidations);
}

class UndrawableDesignTest : public ::testing::TestWithParam<double> {};

TEST_P(UndrawableDesignTest, MouseChangesNothing) {
  GrillWindow window = MakeDesign(GetParam(), 270, {100}, {0});
  window.vertPos[2] = 270;  // a finite edge, so that the tables compare equal
  GrillCanvas canvas;
  test::InPlaceHost host;
  Show(canvas, host, window);
  const GrillWindow before = window;
  canvas.OnLButtonDown(host, kMouseLeft, 5, 110);
  canvas.OnLButtonDown(host, kMouseLeft, 10, 5);
  EXPECT_EQ(canvas.PointerState().dragHorz, -1);
  EXPECT_EQ(canvas.PointerState().dragVert, -1);
  for (int x : {5, 10, 11, 50, 200, 5}) {
    canvas.OnMouseMove(host, kMouseRight, x, x);
    EXPECT_EQ(canvas.ColumnAt(*host.design, x), -1);
    EXPECT_EQ(canvas.RowAt(*host.design, x), -1);
  }
  canvas.OnMouseMove(host, kMouseLeft, 50, 50);
  EXPECT_EQ(window.horzPos, before.horzPos);
  EXPECT_EQ(window.vertPos, before.vertPos);
  EXPECT_EQ(window.vertSegments, before.vertSegments);
  EXPECT_EQ(window.horzSegments, before.horzSegments);
  EXPECT_EQ(host.invalidations, 0);
}

INSTANTIATE_TEST_SUITE_P(Widths, UndrawableDesignTest,
                         ::testing::Values(0.0, -100.0, std::numeric_limits<double>::quiet_NaN(),
                                           std::numeric_limits<double>::infinity()));

}  // namespace
}  // namespace grill
