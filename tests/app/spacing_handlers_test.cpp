#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "app/SpacingHandlers.h"
#include "designs_fixture.h"

namespace grill {
namespace {

using Bars = std::vector<double>;

constexpr double kTolerance = 1e-9;

class SpacingTest : public HandlerTest {
 protected:
  SpacingTest() {
    BarType bar;
    bar.name = "Flat";
    bar.width = 20.0;
    bar.accepted = true;
    state.config.barTypes.push_back(bar);
    Document().SetUnit(Unit::Millimetres);
  }

  // A design of the given inner size with the same bars in both directions,
  // made current and shown; the design current before becomes the previous one.
  const GrillWindow& Show(const std::string& name, double inner, const Bars& bars) {
    return Add(Design(name, inner, bars));
  }

  GrillWindow Design(const std::string& name, double inner, const Bars& bars) {
    GrillWindow window;
    window.name = name;
    window.innerWidth = inner;
    window.innerHeight = inner;
    window.barType = &state.config.barTypes.front();
    SetBars(window.horzPos, window.horzCount, inner, bars);
    SetBars(window.vertPos, window.vertCount, inner, bars);
    return window;
  }

  static void SetBars(PositionTable& pos, std::int32_t& count, double inner, const Bars& bars) {
    count = static_cast<std::int32_t>(bars.size());
    pos[0] = 0.0;
    for (size_t i = 0; i < bars.size(); ++i) {
      pos[i + 1] = bars[i];
    }
    pos[bars.size() + 1] = inner;
  }

  static int ListOf(Axis axis) { return axis == Axis::Horizontal ? kHorzList : kVertList; }
  static int EditOf(Axis axis) { return axis == Axis::Horizontal ? kHorzEdit : kVertEdit; }

  // Bars 1 … count followed by the far edge entry.
  static Bars BarsAndEdge(const GrillWindow& window, Axis axis) {
    const PositionTable& pos = axis == Axis::Horizontal ? window.horzPos : window.vertPos;
    const int count = axis == Axis::Horizontal ? window.horzCount : window.vertCount;
    return Bars(pos.begin() + 1, pos.begin() + count + 2);
  }

  static void ExpectPositions(const Bars& expected, const Bars& actual) {
    ASSERT_EQ(expected.size(), actual.size());
    for (size_t i = 0; i < expected.size(); ++i) {
      EXPECT_NEAR(expected[i], actual[i], kTolerance) << "entry " << i + 1;
    }
  }
};

struct RespaceCase {
  const char* title;
  bool before;  // Respace Above/Left, else Below/Right
  SpacingMode spacing;
  Bars bars;
  int selected;
  Bars expected;  // bars and the far edge
};

void PrintTo(const RespaceCase& c, std::ostream* out) {
  *out << c.title;
}

class RespaceTest : public SpacingTest, public ::testing::WithParamInterface<RespaceCase> {};

TEST_P(RespaceTest, MovesOneSideOfTheSelectedBar) {
  const RespaceCase& c = GetParam();
  for (const Axis axis : {Axis::Horizontal, Axis::Vertical}) {
    Document().SetSpacing(c.spacing);
    const GrillWindow& window =
        Show(std::string(c.title) + (axis == Axis::Horizontal ? "H" : "V"), 1000.0, c.bars);
    const Bars otherBefore =
        BarsAndEdge(window, axis == Axis::Horizontal ? Axis::Vertical : Axis::Horizontal);
    controls.SetSelection(ListOf(axis), c.selected);
    const int invalidations = controls.Invalidations();

    (c.before ? OnRespaceBefore : OnRespaceAfter)(context, axis);

    ExpectPositions(c.expected, BarsAndEdge(window, axis));
    EXPECT_EQ(otherBefore,
              BarsAndEdge(window, axis == Axis::Horizontal ? Axis::Vertical : Axis::Horizontal));
    EXPECT_TRUE(controls.Messages().empty());
    EXPECT_GT(controls.Invalidations(), invalidations);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Examples, RespaceTest,
    ::testing::Values(
        RespaceCase{
            "AboveDivided", true, kDivided, {100, 200, 700}, 2, {700.0 / 3, 1400.0 / 3, 700, 1000}},
        // Openings of 650/3 between the top edge, the bars and the selected bar.
        RespaceCase{
            "AboveEqual", true, kEqual, {100, 200, 700}, 2, {680.0 / 3, 1390.0 / 3, 700, 1000}},
        RespaceCase{"BelowDivided", false, kDivided, {100, 200, 300}, 0, {100, 400, 700, 1000}},
        // Openings of 850/3 between the selected bar, the bars and the bottom edge.
        RespaceCase{
            "BelowEqual", false, kEqual, {100, 200, 300}, 0, {100, 1210.0 / 3, 2120.0 / 3, 1000}},
        RespaceCase{"AboveFirstStays", true, kEqual, {100.3, 200, 300}, 0, {100.3, 200, 300, 1000}},
        RespaceCase{
            "BelowLastStays", false, kEqual, {100, 200, 300.3}, 2, {100, 200, 300.3, 1000}}),
    [](const auto& test) { return std::string(test.param.title); });

TEST_F(SpacingTest, RespaceWithoutASelectedBarAsksForOneAndChangesNothing) {
  const struct {
    Axis axis;
    bool before;
    const char* message;
  } cases[] = {{Axis::Horizontal, true, "Select a Row"},
               {Axis::Horizontal, false, "Select a Row"},
               {Axis::Vertical, true, "Select a Column"},
               {Axis::Vertical, false, "Select a Column"}};
  const GrillWindow& window = Show("Hall", 1000.0, {100, 200, 700});
  for (const auto& c : cases) {
    controls.ClearMessages();
    (c.before ? OnRespaceBefore : OnRespaceAfter)(context, c.axis);
    EXPECT_EQ(std::vector<std::string>{c.message}, controls.Messages());
    EXPECT_EQ((Bars{100, 200, 700, 1000}), BarsAndEdge(window, c.axis));
  }
}

TEST_F(SpacingTest, RespaceWithoutACurrentDesignDoesNothing) {
  OnRespaceBefore(context, Axis::Horizontal);
  OnRespaceAfter(context, Axis::Vertical);
  EXPECT_TRUE(controls.Messages().empty());
  EXPECT_EQ(0, controls.Invalidations());
}

TEST_F(SpacingTest, SetSpacingPushesTheOvertakenBarAndSelectsTheNextBar) {
  for (const Axis axis : {Axis::Horizontal, Axis::Vertical}) {
    const GrillWindow& window = Show(axis == Axis::Horizontal ? "H" : "V", 1000.0, {250, 500, 750});
    controls.SetSelection(ListOf(axis), 0);
    controls.SetText(EditOf(axis), "600");

    OnSetSpacing(context, axis);

    EXPECT_EQ((Bars{600, 620, 750, 1000}), BarsAndEdge(window, axis));
    EXPECT_EQ(1, controls.Selection(ListOf(axis)));
    EXPECT_TRUE(controls.Messages().empty());
  }
}

TEST_F(SpacingTest, SetSpacingWithoutRoomForThePushedBarsIsRefused) {
  const GrillWindow& window = Show("Hall", 1000.0, {250, 500, 750});
  controls.SetSelection(kHorzList, 0);
  controls.SetText(kHorzEdit, "950");  // (1000 - 950) / 3 is below the bar width 20

  OnSetSpacing(context, Axis::Horizontal);

  EXPECT_EQ(std::vector<std::string>{"Invalid Spacing"}, controls.Messages());
  EXPECT_EQ((Bars{250, 500, 750, 1000}), BarsAndEdge(window, Axis::Horizontal));
  EXPECT_EQ(0, controls.Selection(kHorzList));
}

TEST_F(SpacingTest, SetSpacingReadsInchesAndMeasuresFromThePreviousBar) {
  Document().SetUnit(Unit::Inches);
  const GrillWindow& window = Show("Hall", 1000.0, {250, 500, 750});
  controls.SetSelection(kVertList, 1);
  controls.SetText(kVertEdit, "2");

  OnSetSpacing(context, Axis::Vertical);

  ExpectPositions({250, 250 + 50.8, 750, 1000}, BarsAndEdge(window, Axis::Vertical));
  EXPECT_EQ(2, controls.Selection(kVertList));
}

TEST_F(SpacingTest, SetSpacingOfTheLastBarLeavesNoSelection) {
  const GrillWindow& window = Show("Hall", 1000.0, {250, 500, 750});
  controls.SetSelection(kHorzList, 2);
  controls.SetText(kHorzEdit, "100");

  OnSetSpacing(context, Axis::Horizontal);

  EXPECT_EQ((Bars{250, 500, 600, 1000}), BarsAndEdge(window, Axis::Horizontal));
  EXPECT_EQ(-1, controls.Selection(kHorzList));
}

TEST_F(SpacingTest, SetSpacingNeverMovesTheEdgeBehindABarBeyondIt) {
  // A negative "-" step can leave the last bar beyond the bottom edge.
  const GrillWindow& window = Show("Hall", 1000.0, {100, 200, 1010});
  controls.SetSelection(kHorzList, 0);
  controls.SetText(kHorzEdit, "500");

  OnSetSpacing(context, Axis::Horizontal);

  EXPECT_EQ((Bars{500, 520, 1010, 1000}), BarsAndEdge(window, Axis::Horizontal));
}

TEST_F(SpacingTest, SetSpacingRefusesAnUnreadableOrEndlessSpacing) {
  Document().SetUnit(Unit::Inches);
  const GrillWindow& window = Show("Hall", 1000.0, {250, 500, 750});
  // The last text parses, but in inches it is no finite length.
  for (const std::string& text :
       {std::string("1.5.2"), std::string(""), "-1" + std::string(308, '0')}) {
    controls.ClearMessages();
    controls.SetSelection(kHorzList, 1);
    controls.SetText(kHorzEdit, text);
    OnSetSpacing(context, Axis::Horizontal);
    EXPECT_EQ(std::vector<std::string>{"Invalid Spacing"}, controls.Messages()) << text;
    EXPECT_EQ((Bars{250, 500, 750, 1000}), BarsAndEdge(window, Axis::Horizontal));
  }
}

TEST_F(SpacingTest, SetSpacingNeedsADesignAndASelectedBar) {
  OnSetSpacing(context, Axis::Horizontal);
  EXPECT_EQ(std::vector<std::string>{"No Window Selected"}, controls.Messages());

  controls.ClearMessages();
  const GrillWindow& window = Show("Hall", 1000.0, {250, 500, 750});
  controls.SetText(kHorzEdit, "abc");
  OnSetSpacing(context, Axis::Horizontal);
  EXPECT_TRUE(controls.Messages().empty());
  EXPECT_EQ((Bars{250, 500, 750, 1000}), BarsAndEdge(window, Axis::Horizontal));
}

TEST_F(SpacingTest, SpacingModeOnlySetsTheFlag) {
  const GrillWindow& window = Show("Hall", 1000.0, {100, 200, 700});
  const int invalidations = controls.Invalidations();
  OnSpacingMode(context, SpacingMode::Divided);
  EXPECT_EQ(SpacingMode::Divided, Document().Spacing());
  OnSpacingMode(context, SpacingMode::EqualSpace);
  EXPECT_EQ(SpacingMode::EqualSpace, Document().Spacing());
  EXPECT_EQ((Bars{100, 200, 700, 1000}), BarsAndEdge(window, Axis::Horizontal));
  EXPECT_EQ(invalidations, controls.Invalidations());
}

TEST_F(SpacingTest, SliderAlignCentresThePreviousDesignsBars) {
  for (const Axis axis : {Axis::Horizontal, Axis::Vertical}) {
    Show(axis == Axis::Horizontal ? "PH" : "PV", 900.0, {300, 600});
    const GrillWindow& window = Show(axis == Axis::Horizontal ? "H" : "V", 1000.0, {100, 200});

    OnSliderAlign(context, axis);

    EXPECT_EQ((Bars{350, 650, 1000}), BarsAndEdge(window, axis));
    EXPECT_TRUE(controls.Messages().empty());
  }
}

TEST_F(SpacingTest, SliderAlignWithAnotherBarCountChangesNothing) {
  Show("Previous", 900.0, {300, 600, 700});
  const GrillWindow& window = Show("Hall", 1000.0, {100, 200});

  OnSliderAlign(context, Axis::Horizontal);
  OnSliderAlign(context, Axis::Vertical);

  EXPECT_EQ((Bars{100, 200, 1000}), BarsAndEdge(window, Axis::Horizontal));
  EXPECT_EQ((Bars{100, 200, 1000}), BarsAndEdge(window, Axis::Vertical));
  EXPECT_TRUE(controls.Messages().empty());
}

TEST_F(SpacingTest, SliderAlignWithoutAPreviousDesignDoesNothing) {
  const GrillWindow& window = Show("Hall", 1000.0, {100, 200});
  const int invalidations = controls.Invalidations();
  OnSliderAlign(context, Axis::Horizontal);
  EXPECT_EQ((Bars{100, 200, 1000}), BarsAndEdge(window, Axis::Horizontal));
  EXPECT_EQ(invalidations, controls.Invalidations());
}

}  // namespace
}  // namespace grill
