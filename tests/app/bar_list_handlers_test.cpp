#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "designs_fixture.h"

namespace grill {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// A design of 1000 x 800 mm (no edge depth) with horizontal bars at 200, 400,
// 600 and vertical bars at 250, 500, 750, set directly so each test starts
// from known positions.
class BarListTest : public DesignerTest {
 protected:
  void SetUp() override {
    window = NewDesign("Bars", "1000", "800", "3", "3");
    ASSERT_NE(window, nullptr);
    ChangeCurrent([](GrillWindow& w) {
      w.horzPos = {0, 200, 400, 600, 800};
      w.vertPos = {0, 250, 500, 750, 1000};
    });
    controls.ClearMessages();
  }

  void Press(void (*command)(DesignerContext&, Axis), Axis axis, int selected,
             const std::string& typed) {
    const int list = axis == Axis::Horizontal ? kHorzList : kVertList;
    controls.SetText(axis == Axis::Horizontal ? kHorzEdit : kVertEdit, typed);
    controls.SetSelection(list, selected);
    command(context, axis);
  }

  const GrillWindow* window = nullptr;
};

TEST_F(BarListTest, ShowWindowDesignFillsListsAndWindowInfo) {
  ChangeCurrent([](GrillWindow& w) {
    w.quantity = 4;
    w.outsideColor = nullptr;
  });
  controls.SetSelection(kHorzList, 1);
  Document().SetUnit(Unit::Inches);
  view.ShowCurrent();

  EXPECT_THAT(controls.Entries(kVertList), ElementsAre("9.842520", "19.685039", "29.527559"));
  EXPECT_EQ(controls.Selection(kHorzList), -1);
  EXPECT_EQ(controls.Text(kNoteText),
            "Width = 39.370079, Height = 31.496063, Inner Width = 39.370079, "
            "Inner Height = 31.496063");
  EXPECT_EQ(controls.Text(kQuantityEdit), "4");
  EXPECT_EQ(controls.Text(kBarTypeCombo), "Bar20");
  EXPECT_EQ(controls.Text(kEdgeTypeCombo), "Flat");
  EXPECT_EQ(controls.Text(kInsideColorCombo), "White");
  EXPECT_EQ(controls.Text(kOutsideColorCombo), "");
  EXPECT_EQ(controls.Text(kHeightEdit), "31.496063");
  EXPECT_EQ(controls.Text(kVertBarsEdit), "3");
  EXPECT_EQ(controls.Text(kHorzBarsEdit), "3");
  EXPECT_EQ(controls.Text(kNameEdit), "Bars");
  EXPECT_EQ(Shown(), window);
}

TEST_F(BarListTest, CommandsWithoutCurrentDesignDoNothing) {
  Document().SetFocus({});
  const auto before = *window;
  for (auto command : {OnEditBar, OnPlusBar, OnMinusBar, OnInsertBar, OnRemoveBar}) {
    Press(command, Axis::Horizontal, 0, "300");
    Press(command, Axis::Vertical, 0, "300");
  }
  EXPECT_EQ(window->horzPos, before.horzPos);
  EXPECT_EQ(window->vertPos, before.vertPos);
  EXPECT_EQ(window->horzCount, 3);
  EXPECT_THAT(controls.Messages(), IsEmpty());
}

TEST_F(BarListTest, EditMovesTheBarStrictlyBetweenItsNeighbours) {
  Press(OnEditBar, Axis::Horizontal, 1, "250.5");
  EXPECT_EQ(window->horzPos[2], 250.5);
  EXPECT_EQ(controls.EntryText(kHorzList, 1), "250.500000");
  EXPECT_THAT(controls.Messages(), IsEmpty());
}

TEST_F(BarListTest, EditOntoANeighbourOrTheEdgeIsOutOfRange) {
  for (const char* typed : {"200", "600", "0"}) {
    Press(OnEditBar, Axis::Horizontal, 1, typed);
  }
  Press(OnEditBar, Axis::Vertical, 2, "1000");
  const std::string horizontal =
      "Position Out of Range: horizontal bar 2 must lie between 200.000000 mm and 600.000000 mm, "
      "the bars or edges beside it";
  EXPECT_THAT(controls.Messages(),
              ElementsAre(horizontal, horizontal, horizontal,
                          "Position Out of Range: vertical bar 3 must lie between 500.000000 mm "
                          "and 1000.000000 mm, the bars or edges beside it"));
  EXPECT_EQ(window->horzPos[2], 400.0);
  EXPECT_EQ(window->vertPos[3], 750.0);
}

TEST_F(BarListTest, EditAgainstEqualNeighboursIsAlwaysOutOfRange) {
  ChangeCurrent([](GrillWindow& w) { w.horzPos = {0, 300, 300, 300, 800}; });
  Press(OnEditBar, Axis::Horizontal, 1, "300");
  EXPECT_THAT(controls.Messages(),
              ElementsAre(testing::StartsWith("Position Out of Range: horizontal bar 2")));
}

TEST_F(BarListTest, EditOfTheOnlyBarAcceptsAnythingInsideTheGrill) {
  ChangeCurrent([](GrillWindow& w) {
    ASSERT_EQ(w.RemoveHorzBar(1), BarEdit::Done);
    ASSERT_EQ(w.RemoveHorzBar(1), BarEdit::Done);
  });
  Press(OnEditBar, Axis::Horizontal, 0, "0.001");
  Press(OnEditBar, Axis::Horizontal, 0, "799.999");
  EXPECT_EQ(window->horzPos[1], 799.999);
  EXPECT_EQ(window->horzPos[2], 800.0);
  EXPECT_THAT(controls.Messages(), IsEmpty());
}

TEST_F(BarListTest, EditIsConvertedFromInches) {
  Document().SetUnit(Unit::Inches);
  Press(OnEditBar, Axis::Vertical, 0, "10");
  EXPECT_EQ(window->vertPos[1], 254.0);
}

// Text that is no length is refused with the reason; a far position names the
// room the bar has, in the dialog's unit; no selection changes nothing.
TEST_F(BarListTest, EditSaysWhyItRefusesAndIgnoresAMissingSelection) {
  const struct {
    Unit unit;
    const char* typed;
    const char* message;
  } cases[] = {
      {Unit::Millimetres, "3OO", "Invalid Position: \"3OO\" is not a length in millimetres"},
      {Unit::Inches, "abc", "Invalid Position: \"abc\" is not a length in inches"},
      {Unit::Millimetres, "  ",
       "Invalid Position: type the bar's new position in the field below the list first"},
      {Unit::Millimetres, "999",
       "Position Out of Range: horizontal bar 2 must lie between 200.000000 mm and 600.000000 mm, "
       "the bars or edges beside it"},
      {Unit::Inches, "999",
       "Position Out of Range: horizontal bar 2 must lie between 7.874016\" and 23.622047\", the "
       "bars or edges beside it"},
  };
  for (const auto& c : cases) {
    Document().SetUnit(c.unit);
    controls.ClearMessages();
    Press(OnEditBar, Axis::Horizontal, 1, c.typed);
    EXPECT_THAT(controls.Messages(), ElementsAre(c.message)) << c.typed;
    EXPECT_EQ(window->horzPos[2], 400.0) << c.typed;
  }
  controls.ClearMessages();
  Document().SetUnit(Unit::Millimetres);
  Press(OnEditBar, Axis::Horizontal, -1, "300");
  EXPECT_EQ(window->horzPos[2], 400.0);
  EXPECT_THAT(controls.Messages(), IsEmpty());
}

TEST_F(BarListTest, PlusAndMinusKeepTheBarSelected) {
  Press(OnPlusBar, Axis::Horizontal, 1, "50");
  EXPECT_EQ(window->horzPos[2], 450.0);
  EXPECT_EQ(controls.Selection(kHorzList), 1);
  OnPlusBar(context, Axis::Horizontal);
  EXPECT_EQ(window->horzPos[2], 500.0);
  OnMinusBar(context, Axis::Horizontal);
  EXPECT_EQ(window->horzPos[2], 450.0);
  EXPECT_EQ(controls.Selection(kHorzList), 1);
  EXPECT_EQ(controls.EntryText(kHorzList, 1), "450.000000");
}

TEST_F(BarListTest, PlusThatWouldReachTheNextBarLeavesTheBarExactlyInPlace) {
  ChangeCurrent([](GrillWindow& w) { w.horzPos[2] = 400.1; });
  Press(OnPlusBar, Axis::Horizontal, 1, "199.9");
  EXPECT_EQ(window->horzPos[2], 400.1);
  EXPECT_EQ(controls.Selection(kHorzList), 1);
  Press(OnPlusBar, Axis::Vertical, 2, "250");  // onto the right edge
  EXPECT_EQ(window->vertPos[3], 750.0);
  EXPECT_EQ(controls.Selection(kVertList), 2);
}

TEST_F(BarListTest, MinusThatWouldReachThePreviousBarOrEdgeIsRefused) {
  Press(OnMinusBar, Axis::Horizontal, 0, "200");
  EXPECT_EQ(window->horzPos[1], 200.0);
  Press(OnMinusBar, Axis::Vertical, 1, "250");
  EXPECT_EQ(window->vertPos[2], 500.0);
  Press(OnMinusBar, Axis::Vertical, 1, "249.5");
  EXPECT_EQ(window->vertPos[2], 250.5);
}

TEST_F(BarListTest, NegativeStepMovesTheOtherWayUntested) {
  Press(OnPlusBar, Axis::Horizontal, 0, "-300");
  EXPECT_EQ(window->horzPos[1], -100.0);
  EXPECT_EQ(window->horzPos[0], 0.0);
}

TEST_F(BarListTest, AStepThatWouldOverflowIsRefused) {
  const std::string hugeBackStep = "-17" + std::string(307, '0');
  Press(OnMinusBar, Axis::Horizontal, 2, hugeBackStep);
  const double farAway = window->horzPos[3];
  EXPECT_GT(farAway, 1e308);
  OnMinusBar(context, Axis::Horizontal);
  EXPECT_EQ(window->horzPos[3], farAway);
}

TEST_F(BarListTest, StepWithoutSelectionRefreshesWithNothingSelected) {
  controls.SetText(kHorzBarsEdit, "typed");
  Press(OnPlusBar, Axis::Horizontal, -1, "10");
  EXPECT_EQ(window->horzPos[1], 200.0);
  EXPECT_EQ(controls.Selection(kHorzList), -1);
  EXPECT_EQ(controls.Text(kHorzBarsEdit), "3");
}

TEST_F(BarListTest, StepWithBadTextDoesNotRefresh) {
  controls.SetText(kHorzBarsEdit, "typed");
  Press(OnMinusBar, Axis::Horizontal, 0, "");
  EXPECT_EQ(controls.Text(kHorzBarsEdit), "typed");
}

TEST_F(BarListTest, HorizontalInsertKeepsTheTypedPosition) {
  Press(OnInsertBar, Axis::Horizontal, -1, "250.7");
  EXPECT_THAT(HorzBars(), ElementsAre(200, 250.7, 400, 600));
  EXPECT_EQ(controls.Text(kHorzBarsEdit), "4");
  EXPECT_EQ(controls.EntryCount(kHorzList), 4);
}

TEST_F(BarListTest, HorizontalInsertAtTheInnerHeightAddsALastBarAtTheEdge) {
  Press(OnInsertBar, Axis::Horizontal, -1, "800");
  EXPECT_THAT(HorzBars(), ElementsAre(200, 400, 600, 800));
  EXPECT_EQ(window->horzPos[5], 800.0);
}

TEST_F(BarListTest, InsertBeyondTheGrillRefreshesButAddsNothing) {
  controls.SetText(kHorzBarsEdit, "typed");
  Press(OnInsertBar, Axis::Horizontal, -1, "800.001");
  EXPECT_EQ(window->horzCount, 3);
  EXPECT_EQ(controls.Text(kHorzBarsEdit), "3");
}

TEST_F(BarListTest, VerticalInsertKeepsTheTypedPosition) {
  struct Case {
    Unit unit;
    const char* typed;
    double position;
  };
  constexpr Unit kMm = Unit::Millimetres;
  constexpr Unit kInch = Unit::Inches;
  // 17.75 in once landed at 431 mm (16.97 in): cut to whole inches, then to
  // whole millimetres.
  for (const Case& c : {Case{kMm, "250.7", 250.7}, Case{kInch, "17.75", 17.75 * 25.4},
                        Case{kInch, "1", 25.4}, Case{kMm, "0.9", 0.9}, Case{kMm, "0", 0.0}}) {
    ChangeCurrent([](GrillWindow& w) {
      w.vertCount = 0;
      w.vertPos[1] = 1000.0;
    });
    Document().SetUnit(c.unit);
    Press(OnInsertBar, Axis::Vertical, -1, c.typed);
    EXPECT_EQ(window->vertCount, 1) << c.typed;
    EXPECT_DOUBLE_EQ(window->vertPos[1], c.position) << c.typed;
    EXPECT_EQ(window->vertPos[2], 1000.0) << c.typed;
  }
}

TEST_F(BarListTest, VerticalInsertBeforeTheEdgeAddsNothing) {
  Press(OnInsertBar, Axis::Vertical, -1, "-0.9");
  EXPECT_EQ(window->vertCount, 3);
}

TEST_F(BarListTest, VerticalInsertOfAHugeValueIsOutOfRange) {
  for (const char* typed : {"3000000000", "-3000000000", "1e3"}) {
    Press(OnInsertBar, Axis::Vertical, -1, typed);
  }
  Document().SetUnit(Unit::Inches);
  Press(OnInsertBar, Axis::Vertical, -1, std::string(308, '9').c_str());
  EXPECT_EQ(window->vertCount, 3);
}

TEST_F(BarListTest, RemoveTakesTheSelectedBar) {
  Press(OnRemoveBar, Axis::Horizontal, -1, "");
  EXPECT_EQ(window->horzCount, 3);
  Press(OnRemoveBar, Axis::Horizontal, 2, "");
  EXPECT_THAT(HorzBars(), ElementsAre(200, 400));
  EXPECT_EQ(window->horzPos[3], 800.0);
  EXPECT_EQ(controls.Text(kHorzBarsEdit), "2");
  Press(OnRemoveBar, Axis::Vertical, 0, "");
  EXPECT_THAT(VertBars(), ElementsAre(500, 750));
  EXPECT_EQ(controls.Text(kVertBarsEdit), "2");
}

TEST_F(BarListTest, AStaleListEntryReachesNoEdgeEntry) {
  // The list still shows three bars after the design lost two of them
  // elsewhere (the canvas or another command).
  ChangeCurrent([](GrillWindow& w) {
    w.horzCount = 1;
    w.horzPos[2] = 800.0;
  });
  for (auto command : {OnEditBar, OnPlusBar, OnMinusBar, OnRemoveBar}) {
    controls.ClearEntries(kHorzList);
    for (const char* entry : {"200", "400", "600"}) {
      controls.AddEntry(kHorzList, entry);
    }
    controls.SetSelection(kHorzList, 2);
    controls.SetText(kHorzEdit, "10");
    command(context, Axis::Horizontal);
  }
  EXPECT_EQ(window->horzCount, 1);
  EXPECT_EQ(window->horzPos[1], 200.0);
  EXPECT_EQ(window->horzPos[2], 800.0);
  EXPECT_THAT(controls.Messages(), IsEmpty());
}

}  // namespace
}  // namespace grill
