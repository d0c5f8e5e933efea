#include "cutting/Cuttability.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>

#include "../export/ExportFixture.h"

namespace grill::testing_export {
namespace {

class CuttabilityTest : public ExportTest {
 protected:
  // The message for `window`, or "cuttable".
  std::string Verdict(const GrillWindow& window, Unit unit = Unit::Millimetres) const {
    const auto problem = FindCuttingProblem(window);
    return problem ? DescribeCuttingProblem(*problem, unit) : "cuttable";
  }
};

// Each case changes the worked example (1000 x 800, one bar each way, G58 with W 16 and
// edge type E1 with WD = HD = 5) in one way.
TEST_F(CuttabilityTest, NamesTheFirstProblemInTheDialogsUnit) {
  struct Case {
    const char* what;
    std::function<void(GrillWindow&, ExportSetup&)> change;
    Unit unit;
    std::string verdict;
  };
  const double kNaN = std::numeric_limits<double>::quiet_NaN();
  const Case cases[] = {
      {"as it is", [](GrillWindow&, ExportSetup&) {}, Unit::Millimetres, "cuttable"},
      {"outer size at the limit",
       [](GrillWindow& w, ExportSetup&) { w.outerWidth = w.outerHeight = 10000.0; },
       Unit::Millimetres, "cuttable"},
      {"99999999 typed in inches",
       [](GrillWindow& w, ExportSetup&) { w.outerWidth = 99999999 * 25.4; }, Unit::Millimetres,
       "Window Too Large: width 2.540e+09 mm, at most 10000.0 mm"},
      {"a height from a damaged file", [](GrillWindow& w, ExportSetup&) { w.outerHeight = 1e300; },
       Unit::Inches, "Window Too Large: height 3.937e+298\", at most 393 11/16\""},
      {"a size that is not a number", [=](GrillWindow& w, ExportSetup&) { w.outerWidth = kNaN; },
       Unit::Millimetres, "Window Too Large: width ?, at most 10000.0 mm"},
      {"an inner size beyond the limit",
       [](GrillWindow& w, ExportSetup&) { w.innerHeight = w.horzPos[2] = 10000.5; },
       Unit::Millimetres, "Window Too Large: height 10000.5 mm, at most 10000.0 mm"},
      {"bars out of order", [](GrillWindow& w, ExportSetup&) { w.vertPos[1] = 1200.0; },
       Unit::Millimetres, "Invalid Bar Positions"},
      {"quantity beyond the limit", [](GrillWindow& w, ExportSetup&) { w.quantity = 10001; },
       Unit::Millimetres, "Invalid quantity 10001: at most 10000"},
      {"edges eaten by their deductions",
       [](GrillWindow& w, ExportSetup& setup) {
         setup.SetBars(w.vertPos, w.vertCount, 8.0, {4.0});
         w.innerWidth = 8.0;
       },
       Unit::Millimetres, "Window Too Small for Edge Type E1: inner width 8.0 mm"},
      {"the same in inches",
       [](GrillWindow& w, ExportSetup& setup) {
         setup.SetBars(w.horzPos, w.horzCount, 10.0, {5.0});
         w.innerHeight = 10.0;
       },
       Unit::Inches, "Window Too Small for Edge Type E1: inner height 3/8\""},
      {"a bar whose notch falls off the edge piece",
       [](GrillWindow& w, ExportSetup&) { w.vertPos[1] = 2.0; }, Unit::Millimetres,
       "Vertical Bar Too Close to the Edge: edge type E1 needs 5.0 mm from the inner edge"},
  };
  for (const Case& c : cases) {
    ExportSetup setup;
    GrillWindow& window = setup.AddDesign("W1", 1000, 800, {500}, {400});
    window.outerWidth = 1020;
    window.outerHeight = 820;
    c.change(window, setup);
    EXPECT_EQ(Verdict(window, c.unit), c.verdict) << c.what;
  }
}

// A joint code splits the horizontal bars at every vertical one: three bars in 28 mm
// leave pieces of 7 - 16 mm, which the saw cannot cut.
TEST_F(CuttabilityTest, BarPiecesShorterThanNothingNameTheBarsThatCutThem) {
  SetCode(state.config.toolMap[0], kRowH, BOTH, "66");
  GrillWindow& narrow = AddDesign("N", 28, 800, {7, 14, 21}, {400});
  EXPECT_EQ(Verdict(narrow), "Window Too Small for 3 Vertical Bars: inner width 28.0 mm");

  GrillWindow& wide = AddDesign("W", 280, 800, {70, 140, 210}, {400});
  EXPECT_EQ(Verdict(wide), "cuttable");

  SetCode(state.config.toolMap[0], kRowV, BOTH, "66");
  GrillWindow& low = AddDesign("L", 1000, 14, {500}, {7});
  EXPECT_EQ(Verdict(low), "Window Too Small for 1 Horizontal Bar: inner height 14.0 mm");
}

// A bar that runs only between two vertical bars closer than the tool: its one
// piece would be shorter than nothing. The design is refused; its piece never
// just drops out of the cut files.
TEST_F(CuttabilityTest, AStretchShorterThanTheToolBetweenCrossingsIsRefused) {
  GrillWindow& close = AddDesign("C", 900, 800, {300, 310}, {400});
  close.horzSegments[1][0] = 0;
  close.horzSegments[1][2] = 0;  // left only between the bars at 300 and 310
  EXPECT_EQ(Verdict(close), "Window Too Small for 2 Vertical Bars: inner width 900.0 mm");

  close.vertPos[2] = 316;  // exactly the tool apart: a piece of length 0
  EXPECT_EQ(Verdict(close), "Window Too Small for 2 Vertical Bars: inner width 900.0 mm");

  close.vertPos[2] = 340;
  EXPECT_EQ(Verdict(close), "cuttable");
}

TEST_F(CuttabilityTest, WithoutToolEntriesOnlyTheSizesAreChecked) {
  GrillWindow& window = AddDesign("W1", 8, 800, {4}, {400});
  BarType bare = G58();
  bare.toolEntry = nullptr;
  EXPECT_FALSE(FindCuttingProblem(window, bare, E1()));
  window.outerWidth = 1e5;
  EXPECT_TRUE(FindCuttingProblem(window, bare, E1()));
}

TEST_F(CuttabilityTest, CannotCutMessageNamesTheDesign) {
  GrillWindow& window = AddDesign("Kitchen", 8, 800, {4}, {400});
  const auto problem = FindCuttingProblem(window);
  ASSERT_TRUE(problem);
  EXPECT_EQ(CannotCutMessage(window.name, *problem, Unit::Millimetres),
            "Cannot Cut Kitchen: Window Too Small for Edge Type E1: inner width 8.0 mm");
}

}  // namespace
}  // namespace grill::testing_export
