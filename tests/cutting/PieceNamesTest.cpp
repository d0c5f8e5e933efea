#include "cutting/PieceNames.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "../export/ExportFixture.h"

namespace grill::testing_export {
namespace {

using ::testing::ElementsAreArray;

struct NamesCase {
  const char* what;
  double width;
  double height;
  Positions vert;
  Positions horz;
  std::function<void(GrillWindow&)> shape;
  std::vector<std::string> names;
};

class PieceNamesTest : public ExportTest {};

// Names follow the bars, not the order of the groups: bars alike share a row
// that lists them, and a bar cut in pieces says which.
TEST_F(PieceNamesTest, EachGroupNamesTheEdgesOrBarsItIsCutFor) {
  const NamesCase cases[] = {
      {"one bar each way",
       1000,
       800,
       {500},
       {400},
       [](GrillWindow&) {},
       {"Top and bottom edge", "Right and left edge", "Vertical bar 1", "Horizontal bar 1"}},
      {"edges that differ",
       1000,
       800,
       {500},
       {400},
       [](GrillWindow& w) { w.vertSegments[0][1] = 0; },
       {"Top edge", "Bottom edge", "Right and left edge", "Vertical bar 1", "Horizontal bar 1"}},
      // Bars 1 and 3 meet the horizontal bar on their left only, bar 2 on its
      // right: the drawing once called them "Vertical piece 1" and "2".
      {"bars alike and not",
       1200,
       800,
       {300, 600, 900},
       {400},
       [](GrillWindow& w) {
         w.horzSegments[1][1] = 0;
         w.horzSegments[1][3] = 0;
       },
       {"Top and bottom edge", "Right edge", "Left edge", "Vertical bars 1 & 3", "Vertical bar 2",
        "Horizontal bar 1 piece 1", "Horizontal bar 1 piece 2"}},
      {"a bar in two alike pieces",
       900,
       800,
       {300, 600},
       {400},
       [](GrillWindow& w) { w.horzSegments[1][1] = 0; },
       {"Top and bottom edge", "Right and left edge", "Vertical bar 1", "Vertical bar 2",
        "Horizontal bar 1 pieces 1 & 2"}},
      // Each horizontal bar is cut in two alike pieces: one mention of the
      // three bars, not one per bar.
      {"bars cut alike",
       900,
       800,
       {300, 600},
       {200, 400, 600},
       [](GrillWindow& w) {
         for (int bar = 1; bar <= 3; ++bar) {
           w.horzSegments[bar][1] = 0;
         }
       },
       {"Top and bottom edge", "Right and left edge", "Vertical bar 1", "Vertical bar 2",
        "Horizontal bars 1-3 pieces 1 & 2"}},
      {"runs of bars",
       1000,
       800,
       {200, 400, 600, 800},
       {},
       [](GrillWindow&) {},
       {"Top and bottom edge", "Right and left edge", "Vertical bars 1-4"}},
  };
  for (const NamesCase& c : cases) {
    SCOPED_TRACE(c.what);
    GrillWindow& window = AddDesign(c.what, c.width, c.height, c.vert, c.horz);
    c.shape(window);
    EXPECT_THAT(PieceNames(BuildCutList(window, G58(), E1())), ElementsAreArray(c.names));
  }
}

}  // namespace
}  // namespace grill::testing_export
