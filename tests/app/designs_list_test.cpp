#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "designs_fixture.h"

namespace grill {
namespace {

using ::testing::ElementsAre;

class DesignListTest : public DesignerTest {
 protected:
  void SelectInWindowsList(const std::string& name) {
    controls.SetSelection(kWindowsList, controls.FindEntryExact(kWindowsList, name));
    OnSelectWindow(context);
  }
  void DeleteInWindowsList(const std::string& name) {
    controls.SetSelection(kWindowsList, controls.FindEntryExact(kWindowsList, name));
    OnDeleteWindow(context);
  }
};

TEST_F(DesignListTest, DeleteWithoutSelectionDoesNothing) {
  const GrillWindow* window = NewDesign("A");
  const int invalidations = controls.Invalidations();
  OnDeleteWindow(context);
  EXPECT_EQ(Designs().size(), 1u);
  EXPECT_EQ(Current(), window);
  EXPECT_EQ(Shown(), window);
  EXPECT_EQ(controls.Invalidations(), invalidations);
}

TEST_F(DesignListTest, DeletingTheCurrentDesignLeavesItsBarsListed) {
  NewDesign("A");
  NewDesign("B");
  DeleteInWindowsList("B");

  EXPECT_EQ(Current(), nullptr);
  EXPECT_EQ(Shown(), nullptr);
  EXPECT_EQ(Designs().size(), 1u);
  EXPECT_THAT(controls.Entries(kWindowsList), ElementsAre("A"));
  EXPECT_EQ(controls.Selection(kWindowsList), -1);
  EXPECT_EQ(controls.EntryCount(kVertList), 3);
  EXPECT_EQ(controls.Text(kNameEdit), "B");
}

TEST_F(DesignListTest, DeletingThePreviousDesignForgetsIt) {
  NewDesign("A");
  const GrillWindow* b = NewDesign("B");
  DeleteInWindowsList("A");
  EXPECT_EQ(Previous(), nullptr);
  EXPECT_EQ(Current(), nullptr);
  EXPECT_EQ(Designs().FindWindowByName("B"), b);
}

TEST_F(DesignListTest, SelectMakesTheChosenDesignCurrent) {
  const GrillWindow* a = NewDesign("A", "1000", "800", "1", "1");
  const GrillWindow* b = NewDesign("B", "500", "400", "2", "0");
  controls.SetText(kHorzEdit, "kept");

  SelectInWindowsList("A");

  EXPECT_EQ(Current(), a);
  EXPECT_EQ(Previous(), b);
  EXPECT_EQ(Shown(), a);
  EXPECT_EQ(controls.Text(kNameEdit), "A");
  EXPECT_EQ(controls.Text(kWidthEdit), "1000.000000");
  EXPECT_EQ(controls.EntryCount(kVertList), 1);
  EXPECT_EQ(controls.Text(kHorzEdit), "kept");
}

TEST_F(DesignListTest, SelectWithoutSelectionDoesNothing) {
  const GrillWindow* a = NewDesign("A");
  OnSelectWindow(context);
  EXPECT_EQ(Current(), a);
  EXPECT_EQ(Previous(), nullptr);
}

TEST_F(DesignListTest, UnitButtonsShowTheDesignAgainInTheirUnit) {
  NewDesign("A", "25.4", "254", "0", "1");
  controls.SetText(kHorzEdit, "12");

  OnInches(context);
  EXPECT_EQ(Document().DisplayUnit(), Unit::Inches);
  EXPECT_EQ(controls.Text(kWidthEdit), "1.000000");
  EXPECT_EQ(controls.Text(kHeightEdit), "10.000000");
  EXPECT_EQ(controls.EntryText(kHorzList, 0), "5.000000");
  EXPECT_EQ(controls.Text(kHorzEdit), "12");

  OnMillimetres(context);
  EXPECT_EQ(Document().DisplayUnit(), Unit::Millimetres);
  EXPECT_EQ(controls.Text(kWidthEdit), "25.400000");
}

TEST_F(DesignListTest, PreDesignChangeShowsTheSideWidthFieldWhenItIsNeeded) {
  struct Case {
    int selection;
    bool shown;
    const char* label;
  };
  for (const Case& c : {Case{3, true, "Side Width"}, Case{0, false, "Side Width"},
                        Case{4, true, "Cottage Height"}, Case{-1, false, "Cottage Height"},
                        Case{3, true, "Side Width"}, Case{2, false, "Side Width"}}) {
    controls.SetSelection(kPreDesignCombo, c.selection);
    OnPreDesignChange(context);
    EXPECT_EQ(controls.IsVisible(kSideWidthEdit), c.shown) << c.selection;
    EXPECT_EQ(controls.IsVisible(kSideWidthLabel), c.shown) << c.selection;
    EXPECT_EQ(controls.Text(kSideWidthLabel), c.label) << c.selection;
  }
}

TEST_F(DesignListTest, FillWindowListRefillsWithoutSelection) {
  NewDesign("b");
  NewDesign("C");
  NewDesign("a");
  controls.AddEntry(kWindowsList, "stale");
  controls.SetSelection(kWindowsList, 0);
  view.FillWindowList();
  EXPECT_THAT(controls.Entries(kWindowsList), ElementsAre("a", "b", "C"));
  EXPECT_EQ(controls.Selection(kWindowsList), -1);
}

}  // namespace
}  // namespace grill
