#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CanvasDesigns.h"
#include "testing/RecordingDrawing.h"
#include "view/GrillCanvas.h"

namespace grill {
namespace {

using test::MakeDesign;
using ::testing::ElementsAre;

struct ClientSizeCase {
  int width;
  int height;
  double designWidth;
  double designHeight;
  double scale;
};

void PrintTo(const ClientSizeCase& c, std::ostream* os) {
  *os << c.width << 'x' << c.height << " pixels, " << c.designWidth << 'x' << c.designHeight
      << " mm";
}

class ClientSizeTest : public ::testing::TestWithParam<ClientSizeCase> {};

// The room is the client size less a margin of the origin's 10 pixels on
// each side; the limiting side sets the scale.
TEST_P(ClientSizeTest, ScaleFitsTheDesignIntoTheRoomInsideTheMargins) {
  const ClientSizeCase c = GetParam();
  GrillCanvas canvas;
  canvas.clientSize = {c.width, c.height};
  canvas.UpdateScale(MakeDesign(c.designWidth, c.designHeight, {}, {}));
  EXPECT_DOUBLE_EQ(canvas.Scale(), c.scale);
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, ClientSizeTest,
    ::testing::Values(ClientSizeCase{290, 290, 1000, 500, 0.27},    // the template's
                      ClientSizeCase{900, 700, 1000, 500, 0.88},    // width limits
                      ClientSizeCase{900, 700, 1000, 1000, 0.68},   // height limits
                      ClientSizeCase{1045, 290, 1000, 1000, 0.27},  // wider only
                      ClientSizeCase{20, 500, 1000, 500, 1.0},      // no room: kept
                      ClientSizeCase{2'000'000'000, 2'000'000'000, 1e9, 1e9, 1.99999998}));

TEST(ClientSize, DrawingAndHitTestingFollowTheScale) {
  GrillCanvas canvas;
  test::InPlaceHost host;
  canvas.clientSize = {900, 700};
  GrillWindow window = MakeDesign(1000, 500, {}, {250});
  test::Show(canvas, host, window);
  RecordingDrawing dc;
  canvas.DrawGrill(dc, window);
  canvas.DrawHandles(dc, window);
  EXPECT_THAT(dc.operations,
              ElementsAre("moveto 10 10", "lineto 890 10", "lineto 890 450", "lineto 10 450",
                          "lineto 10 10", "moveto 230 10", "lineto 230 450", "rect 228 3 232 7"));
  EXPECT_EQ(canvas.ColumnAt(window, 228), 0);
  EXPECT_EQ(canvas.ColumnAt(window, 232), 1);
  EXPECT_EQ(canvas.ColumnAt(window, 888), 1);
  EXPECT_EQ(canvas.ColumnAt(window, 892), -1);

  canvas.OnLButtonDown(host, kMouseLeft, 229, 5);
  canvas.OnMouseMove(host, kMouseLeft, 450, 5);
  canvas.OnLButtonUp(host, 0, 450, 5);
  EXPECT_DOUBLE_EQ(window.vertPos[1], 500.0);
}

// The operations without the pens.
std::vector<std::string> Lines(const std::vector<std::string>& operations) {
  std::vector<std::string> lines;
  for (const std::string& operation : operations) {
    if (!operation.starts_with("pen ")) {
      lines.push_back(operation);
    }
  }
  return lines;
}

TEST(Highlight, DrawsTheSelectedBarsWithTheHighlightPenInTheirPlaces) {
  GrillCanvas canvas;
  GrillWindow window = MakeDesign(270, 270, {100}, {50, 200});
  canvas.UpdateScale(window);
  RecordingDrawing plain;
  canvas.DrawGrill(plain, window);
  canvas.DrawHandles(plain, window);

  RecordingDrawing highlighted;
  canvas.DrawGrill(highlighted, window, {1, 2});
  canvas.DrawHandles(highlighted, window, {1, 2});

  EXPECT_EQ(Lines(highlighted.operations), plain.operations);
  EXPECT_THAT(highlighted.operations,
              ElementsAre("moveto 10 10", "lineto 280 10", "lineto 280 280", "lineto 10 280",
                          "lineto 10 10",
                          // Vertical bar 2 in both row bands.
                          "moveto 60 10", "lineto 60 110", "pen 0050ff 3", "moveto 210 10",
                          "lineto 210 110", "pen 000000 1", "moveto 60 110", "lineto 60 280",
                          "pen 0050ff 3", "moveto 210 110", "lineto 210 280", "pen 000000 1",
                          // Horizontal bar 1, all its segments.
                          "pen 0050ff 3", "moveto 10 110", "lineto 60 110", "moveto 60 110",
                          "lineto 210 110", "moveto 210 110", "lineto 280 110", "pen 000000 1",
                          // The handles of the two.
                          "pen 0050ff 3", "rect 3 108 7 112", "pen 000000 1", "rect 58 3 62 7",
                          "pen 0050ff 3", "rect 208 3 212 7", "pen 000000 1"));
}

TEST(Highlight, BarNumbersTheDesignDoesNotHaveChangeNoPen) {
  GrillCanvas canvas;
  GrillWindow window = MakeDesign(270, 270, {100}, {50, 200});
  canvas.UpdateScale(window);
  for (const GrillCanvas::Highlight& highlight :
       {GrillCanvas::Highlight{0, 3}, GrillCanvas::Highlight{2, -1},
        GrillCanvas::Highlight{40, 40}}) {
    RecordingDrawing dc;
    canvas.DrawGrill(dc, window, highlight);
    canvas.DrawHandles(dc, window, highlight);
    EXPECT_EQ(Lines(dc.operations), dc.operations);
  }
}

}  // namespace
}  // namespace grill
