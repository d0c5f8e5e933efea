#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>

#include "CanvasDesigns.h"
#include "testing/RecordingDrawing.h"
#include "view/GrillCanvas.h"
#include "view/PixelMapping.h"

namespace grill {
namespace {

using test::MakeDesign;
using ::testing::ElementsAre;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

struct ScaleCase {
  double width;
  double height;
  double scale;
};

void PrintTo(const ScaleCase& c, std::ostream* out) {
  *out << c.width << " x " << c.height << " mm";
}

class UpdateScaleTest : public ::testing::TestWithParam<ScaleCase> {};

TEST_P(UpdateScaleTest, FitsTheLimitingSideInto270Pixels) {
  const ScaleCase c = GetParam();
  GrillCanvas canvas;
  test::InPlaceHost host;
  canvas.UpdateScale(MakeDesign(c.width, c.height, {}, {}));
  EXPECT_DOUBLE_EQ(canvas.Scale(), c.scale);
}

INSTANTIATE_TEST_SUITE_P(Sizes, UpdateScaleTest,
                         ::testing::Values(ScaleCase{1000, 500, 0.27}, ScaleCase{500, 1000, 0.27},
                                           ScaleCase{270, 270, 1.0}, ScaleCase{540, 100, 0.5},
                                           ScaleCase{27, 2700, 0.1}));

TEST(DrawGrill, DrawsOutlineAndBarAtScale) {
  GrillCanvas canvas;
  test::InPlaceHost host;
  GrillWindow window = MakeDesign(1000, 500, {}, {250});
  canvas.UpdateScale(window);
  RecordingDrawing dc;
  canvas.DrawGrill(dc, window);
  canvas.DrawHandles(dc, window);
  EXPECT_THAT(dc.operations,
              ElementsAre("moveto 10 10", "lineto 280 10", "lineto 280 145", "lineto 10 145",
                          "lineto 10 10", "moveto 77 10", "lineto 77 145", "rect 75 3 79 7"));
}

TEST(DrawGrill, DrawsOnlyPresentSegmentsRowByRowThenBarByBar) {
  GrillCanvas canvas;
  test::InPlaceHost host;
  GrillWindow window = MakeDesign(270, 270, {100}, {50, 200});
  window.vertSegments[1][1] = 0;  // vertical bar 1 below horizontal bar 1
  window.horzSegments[1][2] = 0;  // horizontal bar 1 right of vertical bar 2
  canvas.UpdateScale(window);
  RecordingDrawing dc;
  canvas.DrawGrill(dc, window);
  EXPECT_THAT(dc.operations,
              ElementsAre("moveto 10 10", "lineto 280 10", "lineto 280 280", "lineto 10 280",
                          "lineto 10 10",
                          // Row band 0: both vertical bars; row band 1: bar 2 only.
                          "moveto 60 10", "lineto 60 110", "moveto 210 10", "lineto 210 110",
                          "moveto 210 110", "lineto 210 280",
                          // Horizontal bar 1 in column bands 0 and 1.
                          "moveto 10 110", "lineto 60 110", "moveto 60 110", "lineto 210 110"));
}

TEST(DrawHandles, DrawsHorizontalHandlesInLeftMarginThenVerticalInTopMargin) {
  GrillCanvas canvas;
  test::InPlaceHost host;
  GrillWindow window = MakeDesign(270, 270, {100, 150}, {50});
  canvas.UpdateScale(window);
  RecordingDrawing dc;
  canvas.DrawHandles(dc, window);
  EXPECT_THAT(dc.operations, ElementsAre("rect 3 108 7 112", "rect 3 158 7 162", "rect 58 3 62 7"));
}

struct PixelCase {
  double millimetres;
  double scale;
  int origin;
  int pixel;
};

void PrintTo(const PixelCase& c, std::ostream* out) {
  *out << c.millimetres << " mm at scale " << c.scale << " from pixel " << c.origin;
}

class ToPixelTest : public ::testing::TestWithParam<PixelCase> {};

TEST_P(ToPixelTest, TruncatesTowardZeroWithinAMillionPixels) {
  const PixelCase c = GetParam();
  EXPECT_EQ(ToPixel(c.millimetres, c.scale, c.origin), c.pixel);
}

INSTANTIATE_TEST_SUITE_P(
    Values, ToPixelTest,
    ::testing::Values(PixelCase{250, 0.27, 10, 77}, PixelCase{-2.5, 1.0, 0, -2},
                      PixelCase{-20, 1.0, 10, -10}, PixelCase{1e12, 0.27, 10, 1'000'000},
                      PixelCase{-1e12, 0.27, 10, -1'000'000}, PixelCase{kInf, 1.0, 10, 1'000'000},
                      PixelCase{-kInf, 1.0, 10, -1'000'000},
                      // Not a number is drawn at pixel 0, the canvas's own edge.
                      PixelCase{kNaN, 1.0, 10, 0}, PixelCase{1e308, 1e308, 10, 1'000'000}));

TEST(DrawHandles, BarFarOutsideIsDrawnAtTheClampedPixel) {
  GrillCanvas canvas;
  test::InPlaceHost host;
  GrillWindow window = MakeDesign(1000, 500, {}, {1e12});
  canvas.UpdateScale(window);
  RecordingDrawing dc;
  canvas.DrawHandles(dc, window);
  EXPECT_THAT(dc.operations, ElementsAre("rect 999998 3 1000002 7"));
}

TEST(DrawHandles, CountBeyondTheTablesDrawsOnlyTheBarsTheTablesHold) {
  GrillCanvas canvas;
  test::InPlaceHost host;
  GrillWindow window = MakeDesign(270, 270, {}, {});
  window.horzCount = 1000;
  window.vertCount = -7;
  canvas.UpdateScale(window);
  RecordingDrawing dc;
  canvas.DrawHandles(dc, window);
  EXPECT_EQ(dc.operations.size(), static_cast<size_t>(kMaxBars));
}

struct SizeCase {
  double width;
  double height;
};

void PrintTo(const SizeCase& c, std::ostream* out) {
  *out << c.width << " x " << c.height << " mm";
}

class UndrawableSizeTest : public ::testing::TestWithParam<SizeCase> {};

TEST_P(UndrawableSizeTest, IsNotDrawnAndKeepsTheScale) {
  const SizeCase c = GetParam();
  GrillCanvas canvas;
  test::InPlaceHost host;
  canvas.UpdateScale(MakeDesign(540, 540, {}, {}));  // 270 pixels of room: scale 0.5
  GrillWindow window = MakeDesign(c.width, c.height, {10}, {10});
  canvas.UpdateScale(window);
  EXPECT_EQ(canvas.Scale(), 0.5);
  EXPECT_FALSE(canvas.CanDraw(window));
  RecordingDrawing dc;
  canvas.DrawGrill(dc, window);
  canvas.DrawHandles(dc, window);
  EXPECT_TRUE(dc.operations.empty());
}

INSTANTIATE_TEST_SUITE_P(Sizes, UndrawableSizeTest,
                         ::testing::Values(SizeCase{0, 500}, SizeCase{1000, 0}, SizeCase{-10, 500},
                                           SizeCase{1000, -0.5}, SizeCase{kNaN, 500},
                                           SizeCase{1000, kInf}, SizeCase{0, 0}));

TEST(UpdateScale, CanvasWithoutRoomInsideItsMarginsKeepsTheScale) {
  GrillCanvas canvas;
  test::InPlaceHost host;
  canvas.margin = 145;  // 290 - 2 x 145 leaves nothing
  canvas.UpdateScale(MakeDesign(1000, 500, {}, {}));
  EXPECT_EQ(canvas.Scale(), 1.0);
}

TEST(UpdateScale, SizeSoSmallTheScaleOverflowsKeepsTheScale) {
  GrillCanvas canvas;
  test::InPlaceHost host;
  canvas.UpdateScale(MakeDesign(1e-310, 1e-310, {}, {}));
  EXPECT_TRUE(std::isfinite(canvas.Scale()));
  EXPECT_EQ(canvas.Scale(), 1.0);
}

}  // namespace
}  // namespace grill
