#include <gtest/gtest.h>

#include <limits>
#include <ostream>

#include "CanvasDesigns.h"
#include "view/GrillCanvas.h"

namespace grill {
namespace {

using test::MakeDesign;
using test::Show;

// At scale 1 a millimetre is a pixel, offset by the origin of 10: the
// vertical bars at 90 and 180 mm stand at x = 100 and 190, the horizontal
// bar at 135 mm at y = 145.
class CanvasMouseTest : public ::testing::Test {
 protected:
  void SetUp() override { Show(canvas, host, window); }

  void Move(unsigned flags, int x, int y) { canvas.OnMouseMove(host, flags, x, y); }

  GrillWindow window = MakeDesign(270, 270, {135}, {90, 180});
  GrillWindow original = window;
  GrillCanvas canvas;
  test::InPlaceHost host;
};

struct BandCase {
  int pixel;
  int column;
  int row;
};

void PrintTo(const BandCase& c, std::ostream* out) {
  *out << "pixel " << c.pixel;
}

class BandLookupTest : public CanvasMouseTest, public ::testing::WithParamInterface<BandCase> {};

TEST_P(BandLookupTest, FindsTheBandUnderThePixel) {
  const BandCase c = GetParam();
  EXPECT_EQ(canvas.ColumnAt(*host.design, c.pixel), c.column);
  EXPECT_EQ(canvas.RowAt(*host.design, c.pixel), c.row);
}

INSTANTIATE_TEST_SUITE_P(Pixels, BandLookupTest,
                         ::testing::Values(BandCase{9, -1, -1}, BandCase{10, 0, 0},
                                           BandCase{99, 0, 0},
                                           // On a bar's centre line: the band after it.
                                           BandCase{100, 1, 0}, BandCase{144, 1, 0},
                                           BandCase{145, 1, 1}, BandCase{190, 2, 1},
                                           BandCase{279, 2, 1}, BandCase{280, -1, -1},
                                           BandCase{std::numeric_limits<int>::min(), -1, -1},
                                           BandCase{std::numeric_limits<int>::max(), -1, -1}));

struct PressCase {
  int x;
  int y;
  int dragHorz;
  int dragVert;
};

void PrintTo(const PressCase& c, std::ostream* out) {
  *out << "press at " << c.x << ", " << c.y;
}

class HandlePressTest : public CanvasMouseTest, public ::testing::WithParamInterface<PressCase> {};

TEST_P(HandlePressTest, PicksTheBarWhoseHandleHoldsThePress) {
  const PressCase c = GetParam();
  canvas.OnLButtonDown(host, kMouseLeft, c.x, c.y);
  EXPECT_EQ(canvas.PointerState().dragHorz, c.dragHorz);
  EXPECT_EQ(canvas.PointerState().dragVert, c.dragVert);
}

INSTANTIATE_TEST_SUITE_P(Presses, HandlePressTest,
                         ::testing::Values(PressCase{6, 145, 1, -1}, PressCase{4, 144, 1, -1},
                                           PressCase{5, 146, 1, -1}, PressCase{7, 145, -1, -1},
                                           PressCase{3, 145, -1, -1}, PressCase{5, 147, -1, -1},
                                           PressCase{5, 143, -1, -1}, PressCase{190, 5, -1, 2},
                                           PressCase{101, 6, -1, 1}, PressCase{102, 5, -1, -1},
                                           PressCase{100, 7, -1, -1}, PressCase{150, 150, -1, -1}));

TEST(HandlePress, OfTwoCloseHandlesTheHigherNumberedBarIsPicked) {
  GrillWindow window = MakeDesign(270, 270, {90, 91}, {40, 41});
  GrillCanvas canvas;
  test::InPlaceHost host;
  Show(canvas, host, window);
  canvas.OnLButtonDown(host, kMouseLeft, 5, 100);
  EXPECT_EQ(canvas.PointerState().dragHorz, 2);
  canvas.OnLButtonDown(host, kMouseLeft, 51, 5);
  EXPECT_EQ(canvas.PointerState().dragVert, 2);
}

TEST_F(CanvasMouseTest, PressOnNoHandleKeepsTheDrag) {
  canvas.OnLButtonDown(host, kMouseLeft, 5, 145);
  canvas.OnLButtonDown(host, kMouseLeft, 150, 150);
  EXPECT_EQ(canvas.PointerState().dragHorz, 1);
}

TEST(HandlePress, WithoutADesignNothingIsPicked) {
  GrillCanvas canvas;
  test::InPlaceHost host;
  canvas.OnLButtonDown(host, kMouseLeft, 5, 10);
  EXPECT_EQ(canvas.PointerState().dragHorz, -1);
  EXPECT_EQ(canvas.PointerState().dragVert, -1);
}

TEST(Drag, HorizontalBarFollowsThePointerAtTheScale) {
  GrillWindow window = MakeDesign(1000, 500, {50}, {});
  GrillCanvas canvas;
  test::InPlaceHost host;
  Show(canvas, host, window);
  const int handleY = canvas.py(50);
  canvas.OnLButtonDown(host, kMouseLeft, 5, handleY);
  canvas.OnMouseMove(host, kMouseLeft | kMouseShift, 5, 100);
  EXPECT_DOUBLE_EQ(window.horzPos[1], (100 - 10) / 0.27);
  EXPECT_NEAR(window.horzPos[1], 333.33, 0.01);
  EXPECT_GE(host.invalidations, 1);
}

// A dragged bar's centre snaps to the unit's step; Shift lets it move freely,
// and pressing or letting go of Shift goes on with the same drag.
TEST(Drag, SnapsToTheUnitsStepUnlessShiftIsHeld) {
  const struct {
    Unit unit;
    unsigned flags;
    double position;  // pointer at y = 100: (100 - 10) / 0.27 = 333.33 mm
    const char* label;
  } cases[] = {
      {Unit::Millimetres, kMouseLeft, 333.5, "333.5 mm"},
      {Unit::Inches, kMouseLeft, 210 * 25.4 / 16, "13 1/8\""},  // 333.375 mm
      {Unit::Millimetres, kMouseLeft | kMouseShift, (100 - 10) / 0.27, "333.3 mm"},
      {Unit::Inches, kMouseLeft | kMouseShift, (100 - 10) / 0.27, "13 1/8\""},
  };
  for (const auto& c : cases) {
    GrillWindow window = MakeDesign(1000, 500, {50}, {});
    GrillCanvas canvas;
    test::InPlaceHost host;
    Show(canvas, host, window);
    canvas.SetUnit(c.unit);
    canvas.OnLButtonDown(host, kMouseLeft, 5, canvas.py(50));
    EXPECT_FALSE(canvas.DraggedPositionLabel()) << "before the first move";
    canvas.OnMouseMove(host, c.flags, 5, 100);
    EXPECT_DOUBLE_EQ(window.horzPos[1], c.position) << c.label;
    const auto label = canvas.DraggedPositionLabel();
    ASSERT_TRUE(label) << c.label;
    EXPECT_EQ(label->text, c.label);
    EXPECT_GT(label->x, 5);
    EXPECT_LT(label->y, 100);

    // Shift toggled on the way: the same drag, one gesture.
    const int endings = host.gesturesEnded;
    canvas.OnMouseMove(host, c.flags ^ kMouseShift, 5, 120);
    EXPECT_EQ(canvas.PointerState().dragHorz, 1) << c.label;
    EXPECT_EQ(host.gesturesEnded, endings) << c.label;
    canvas.OnLButtonUp(host, 0, 5, 120);
    EXPECT_FALSE(canvas.DraggedPositionLabel()) << "after the release";
  }
}

TEST_F(CanvasMouseTest, DragIsUnlimitedAndEndsWithTheButton) {
  canvas.OnLButtonDown(host, kMouseLeft, 190, 5);
  Move(kMouseLeft, 400, 5);
  EXPECT_EQ(window.vertPos[2], 390);
  Move(kMouseLeft, 0, 5);
  EXPECT_EQ(window.vertPos[2], -10);
  canvas.OnLButtonUp(host, 0, 0, 5);
  EXPECT_EQ(canvas.PointerState().dragVert, -1);
  Move(kMouseLeft, 50, 5);
  EXPECT_EQ(window.vertPos[2], -10);
  EXPECT_EQ(window.vertPos[3], 270);  // the edge never moves
  EXPECT_EQ(window.vertCount, 2);
}

class EndingFlagsTest : public CanvasMouseTest, public ::testing::WithParamInterface<unsigned> {};

TEST_P(EndingFlagsTest, MoveWithOtherFlagsEndsTheDragUnmoved) {
  canvas.OnLButtonDown(host, kMouseLeft, 5, 145);
  Move(kMouseLeft, 150, 100);  // drags bar 1 to 90 mm, in column band 1
  const GrillWindow dragged = window;
  Move(GetParam(), 200, 200);
  EXPECT_EQ(canvas.PointerState().dragHorz, -1);
  EXPECT_EQ(window.horzPos, dragged.horzPos);
  EXPECT_EQ(window.vertSegments, dragged.vertSegments);
  EXPECT_EQ(window.horzSegments, dragged.horzSegments);
}

INSTANTIATE_TEST_SUITE_P(Flags, EndingFlagsTest,
                         ::testing::Values(kMouseLeft | kMouseControl, kMouseLeft | kMouseRight,
                                           kMouseLeft | kMouseMiddle, 0u, kMouseMiddle,
                                           kMouseRight | kMouseShift));

TEST_F(CanvasMouseTest, RightButtonTakesASegmentAndLeftButtonGivesItBack) {
  Move(kMouseRight, 150, 50);  // column band 1, row band 0
  Move(kMouseRight, 200, 50);  // column band 2: crosses vertical bar 2
  EXPECT_EQ(window.vertSegments[0][2], 0);
  EXPECT_EQ(host.invalidations, 1);
  Move(kMouseLeft, 150, 50);
  EXPECT_EQ(window.vertSegments[0][2], 1);
  EXPECT_EQ(host.invalidations, 2);
  EXPECT_EQ(window.vertSegments, original.vertSegments);
}

TEST_F(CanvasMouseTest, CrossingAHorizontalBarShapesItInTheCurrentColumn) {
  Move(kMouseRight, 150, 200);  // row band 1
  Move(kMouseRight, 150, 50);   // row band 0: crosses horizontal bar 1 upwards
  GrillWindow expected = original;
  expected.horzSegments[1][1] = 0;
  EXPECT_EQ(window.horzSegments, expected.horzSegments);
  EXPECT_EQ(window.vertSegments, original.vertSegments);
}

TEST_F(CanvasMouseTest, SkipOverTwoBandsChangesOneBar) {
  Move(kMouseRight, 50, 50);   // column band 0
  Move(kMouseRight, 250, 50);  // column band 2, past both bars
  GrillWindow expected = original;
  expected.vertSegments[0][2] = 0;
  EXPECT_EQ(window.vertSegments, expected.vertSegments);
  Move(kMouseRight, 50, 50);  // and back: again bar 2, never bar 1
  EXPECT_EQ(window.vertSegments, expected.vertSegments);
}

TEST_F(CanvasMouseTest, EnteringFromOutsideChangesNothingUntilTheNextMoveInside) {
  Move(kMouseRight, 5, 50);    // left of the grill area
  Move(kMouseRight, 200, 50);  // straight into column band 2
  EXPECT_EQ(window.vertSegments, original.vertSegments);
  EXPECT_EQ(canvas.PointerState().prevColumn, 2);
  Move(kMouseRight, 150, 50);
  EXPECT_EQ(window.vertSegments[0][2], 0);
}

TEST_F(CanvasMouseTest, MovesWithOtherFlagsOnlyTrackThePointer) {
  for (unsigned flags :
       {0u, unsigned{kMouseMiddle}, kMouseLeft | kMouseControl, kMouseRight | kMouseControl}) {
    Move(flags, 50, 50);
    Move(flags, 250, 200);
    EXPECT_EQ(canvas.PointerState().prevColumn, 2);
    EXPECT_EQ(canvas.PointerState().prevRow, 1);
    EXPECT_EQ(canvas.PointerState().lastX, 250);
    EXPECT_EQ(canvas.PointerState().lastY, 200);
  }
  EXPECT_EQ(window.vertSegments, original.vertSegments);
  EXPECT_EQ(window.horzSegments, original.horzSegments);
  EXPECT_EQ(host.invalidations, 0);
}

TEST_F(CanvasMouseTest, DraggedBarCountsForShapingInTheSameMove) {
  // Vertical bar 1 follows the pointer, which therefore stands on the bar, in
  // the band after it, and never crosses it.
  window.vertSegments[0][1] = 0;
  canvas.OnLButtonDown(host, kMouseLeft, 100, 5);
  Move(kMouseLeft, 60, 50);
  EXPECT_EQ(window.vertPos[1], 50);
  EXPECT_EQ(canvas.PointerState().prevColumn, 1);
  Move(kMouseLeft, 40, 50);
  EXPECT_EQ(window.vertPos[1], 30);
  EXPECT_EQ(canvas.PointerState().prevColumn, 1);
  EXPECT_EQ(window.vertSegments[0][1], 0);
}

TEST(CanvasWithoutDesign, MovesOnlyTrackThePointer) {
  GrillCanvas canvas;
  test::InPlaceHost host;
  canvas.OnMouseMove(host, kMouseRight, 50, 60);
  canvas.OnMouseMove(host, kMouseRight, 250, 70);
  EXPECT_EQ(canvas.PointerState().lastX, 250);
  EXPECT_EQ(canvas.PointerState().lastY, 70);
  EXPECT_EQ(canvas.PointerState().prevColumn, -1);
  EXPECT_EQ(canvas.PointerState().prevRow, -1);
  EXPECT_EQ(host.invalidations, 0);
}

}  // namespace
}  // namespace grill
