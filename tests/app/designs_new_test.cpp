#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>

#include "designs_fixture.h"

namespace grill {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

// One refused New: the change to the valid Window Info fields, and the one
// message the user sees.
struct RefusedNew {
  const char* label;
  std::function<void(MemoryControls&, DesignDocument&)> change;
  const char* message;
};

void PrintTo(const RefusedNew& c, std::ostream* os) {
  *os << c.label;
}

void SetField(MemoryControls& c, int id, const std::string& text) {
  c.SetText(id, text);
}

class NewRefusedTest : public DesignerTest, public ::testing::WithParamInterface<RefusedNew> {};

TEST_P(NewRefusedTest, ChangesNothing) {
  const GrillWindow* before = NewDesign("Existing");
  ASSERT_NE(before, nullptr);
  controls.ClearMessages();
  TypeDesign("Fresh", "1000", "800", "3", "2");
  GetParam().change(controls, Document());
  const int invalidations = controls.Invalidations();
  const std::vector<std::string> listed = controls.Entries(kWindowsList);
  const std::vector<std::string> horzListed = controls.Entries(kHorzList);
  OnNewWindow(context);

  EXPECT_THAT(controls.Messages(), ElementsAre(GetParam().message));
  EXPECT_EQ(Designs().size(), 1u);
  EXPECT_EQ(Current(), nullptr);
  EXPECT_EQ(Previous(), before);
  EXPECT_EQ(Shown(), nullptr);
  EXPECT_EQ(controls.Entries(kWindowsList), listed);
  EXPECT_EQ(controls.Entries(kHorzList), horzListed);
  // The canvas no longer shows the design that was current.
  EXPECT_EQ(controls.Invalidations(), invalidations + 1);
}

const RefusedNew kRefusedNews[] = {
    {"EmptyName", [](auto& c, auto&) { SetField(c, kNameEdit, ""); }, "Input Name"},
    {"NameInUse", [](auto& c, auto&) { SetField(c, kNameEdit, "Existing"); },
     "Name Already Exists"},
    {"NameWithComma", [](auto& c, auto&) { SetField(c, kNameEdit, "A,B"); }, "Invalid Name"},
    {"NameWithSlash", [](auto& c, auto&) { SetField(c, kNameEdit, "A/B"); }, "Invalid Name"},
    {"NameWithTab", [](auto& c, auto&) { SetField(c, kNameEdit, "a\tb"); }, "Invalid Name"},
    {"NameDotDot", [](auto& c, auto&) { SetField(c, kNameEdit, ".."); }, "Invalid Name"},
    {"InvalidNameBeforeWidth",
     [](auto& c, auto&) {
       SetField(c, kNameEdit, "a,b");
       SetField(c, kWidthEdit, "x");
     },
     "Invalid Name"},
    {"WidthNotANumber", [](auto& c, auto&) { SetField(c, kWidthEdit, "12in"); }, "Invalid Width"},
    {"WidthBelowMinimum", [](auto& c, auto&) { SetField(c, kWidthEdit, "0.09"); }, "Invalid Width"},
    {"WidthBeforeHeight",
     [](auto& c, auto&) {
       SetField(c, kWidthEdit, "");
       SetField(c, kHeightEdit, "");
     },
     "Invalid Width"},
    {"HeightNegative", [](auto& c, auto&) { SetField(c, kHeightEdit, "-5"); }, "Invalid Height"},
    {"VertBarsAbove30", [](auto& c, auto&) { SetField(c, kVertBarsEdit, "31"); },
     "Invalid Vertical Sections"},
    {"VertBarsNegative", [](auto& c, auto&) { SetField(c, kVertBarsEdit, "-1"); },
     "Invalid Vertical Sections"},
    {"HorzBarsEmpty", [](auto& c, auto&) { SetField(c, kHorzBarsEdit, ""); },
     "Invalid Horizontal Sections"},
    {"EdgeTypeInOtherCase", [](auto& c, auto&) { SetField(c, kEdgeTypeCombo, "flat"); },
     "EdgeType Not Found"},
    {"EdgeTypeBeforeBarType",
     [](auto& c, auto&) {
       SetField(c, kEdgeTypeCombo, "None");
       SetField(c, kBarTypeCombo, "None");
     },
     "EdgeType Not Found"},
    {"BarTypeUnknown", [](auto& c, auto&) { SetField(c, kBarTypeCombo, "Bar99"); },
     "BarType Not Found"},
    {"InnerWidthNegative",
     [](auto& c, auto&) {
       SetField(c, kEdgeTypeCombo, "Deep");
       SetField(c, kWidthEdit, "29.9");
     },
     "Invalid Width"},
    {"InnerHeightNegative",
     [](auto& c, auto&) {
       SetField(c, kEdgeTypeCombo, "Deep");
       SetField(c, kHeightEdit, "29.9");
     },
     "Invalid Height"},
    {"QuantityNotANumber", [](auto& c, auto&) { SetField(c, kQuantityEdit, "2x"); },
     "Invalid Quantity"},
    {"PrarieWithoutSideWidth",
     [](auto& c, auto&) {
       c.SetSelection(kPreDesignCombo, 3);
       SetField(c, kSideWidthEdit, "");
     },
     "Input Sidewidth"},
    {"CustomCottageWithoutHeight",
     [](auto& c, auto&) {
       c.SetSelection(kPreDesignCombo, 4);
       SetField(c, kSideWidthEdit, "4 0");
     },
     "Input Cottage Height"},
    {"NameOnlyBlanks", [](auto& c, auto&) { SetField(c, kNameEdit, "  "); }, "Invalid Name"},
    {"NameHidingItsFiles", [](auto& c, auto&) { SetField(c, kNameEdit, ".hidden"); },
     "Invalid Name"},
    {"QuantityAboveLimit", [](auto& c, auto&) { SetField(c, kQuantityEdit, "10001"); },
     "Invalid Quantity"},
    {"QuantityOfThe32BitLimit", [](auto& c, auto&) { SetField(c, kQuantityEdit, "2147483647"); },
     "Invalid Quantity"},
    {"WidthBeyondTheLimit", [](auto& c, auto&) { SetField(c, kWidthEdit, "10000.1"); },
     "Window Too Large: width 10000.1 mm, at most 10000.0 mm"},
    {"MillimetresTypedAsInches",
     [](auto& c, auto& s) {
       s.SetUnit(Unit::Inches);  // shows the current design in inches, as the radio does
       SetField(c, kNameEdit, "Fresh");
       SetField(c, kWidthEdit, "36");
       SetField(c, kHeightEdit, "99999999");
     },
     "Window Too Large: height 1.000e+08\", at most 393 11/16\""},
    {"InchWidthOverflowingOnConversion",
     [](auto& c, auto& s) {
       s.SetUnit(Unit::Inches);  // shows the current design in inches, as the radio does
       SetField(c, kNameEdit, "Fresh");
       SetField(c, kWidthEdit, std::string(308, '9'));
     },
     "Invalid Width"},
    {"InchSideWidthOverflowingInMm",
     [](auto& c, auto& s) {
       s.SetUnit(Unit::Inches);  // shows the current design in inches, as the radio does
       SetField(c, kNameEdit, "Fresh");
       c.SetSelection(kPreDesignCombo, 3);
       SetField(c, kSideWidthEdit, std::string(308, '9'));
     },
     "Input Sidewidth"},
};

INSTANTIATE_TEST_SUITE_P(Messages, NewRefusedTest, ::testing::ValuesIn(kRefusedNews),
                         [](const auto& testCase) { return std::string(testCase.param.label); });

TEST_F(DesignerTest, NewMakesTheDesignCurrentAndShowsIt) {
  const GrillWindow* first = NewDesign("First");
  const GrillWindow* second = NewDesign("Second");

  ASSERT_NE(second, nullptr);
  EXPECT_EQ(Previous(), first);
  EXPECT_EQ(Shown(), second);
  EXPECT_EQ(second->name, "Second");
  EXPECT_EQ(second->barType, &state.config.barTypes[0]);
  EXPECT_EQ(second->edgeType, &state.config.edgeTypes[0]);
  EXPECT_EQ(second->insideColor, &state.config.colors[0]);
  EXPECT_EQ(controls.EntryCount(kHorzList), 2);
  EXPECT_EQ(controls.EntryCount(kVertList), 3);
  EXPECT_EQ(controls.Selection(kWindowsList), -1);
  EXPECT_GT(controls.Invalidations(), 0);
  EXPECT_THAT(controls.Messages(), IsEmpty());
}

TEST_F(DesignerTest, WindowsListShowsNamesInAlphabeticalOrder) {
  NewDesign("B");
  NewDesign("A");

  EXPECT_THAT(controls.Entries(kWindowsList), ElementsAre("A", "B"));
  std::vector<std::string> creationOrder;
  for (const GrillWindow& window : Designs()) {
    creationOrder.push_back(window.name);
  }
  EXPECT_THAT(creationOrder, ElementsAre("B", "A"));
}

TEST_F(DesignerTest, SmallestWidthIsATenthInTheUnitAsTyped) {
  ASSERT_NE(NewDesign("mm", "0.1", "0.1", "0", "0"), nullptr);
  EXPECT_DOUBLE_EQ(Current()->outerWidth, 0.1);

  Document().SetUnit(Unit::Inches);
  ASSERT_NE(NewDesign("inch", "0.1", "10", "0", "0"), nullptr);
  EXPECT_DOUBLE_EQ(Current()->outerWidth, 0.1 * 25.4);
  EXPECT_EQ(Current()->outerHeight, 254.0);
}

TEST_F(DesignerTest, ThirtyBarsEachWayAreAccepted) {
  const GrillWindow* window = NewDesign("Full", "1000", "1000", "30", "30");
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->vertCount, 30);
  EXPECT_EQ(window->horzCount, 30);
  EXPECT_EQ(window->vertPos[31], 1000.0);
}

TEST_F(DesignerTest, EmptyQuantityBecomesOne) {
  controls.SetText(kQuantityEdit, "");
  const GrillWindow* window = NewDesign("Q");
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->quantity, 1);
  EXPECT_EQ(controls.Text(kQuantityEdit), "1");
}

TEST_F(DesignerTest, UnknownColourLeavesItEmptyAndShowsAnEmptyText) {
  controls.SetText(kInsideColorCombo, "Mauve");
  const GrillWindow* window = NewDesign("C");
  ASSERT_NE(window, nullptr);
  EXPECT_THAT(controls.Messages(), IsEmpty());
  EXPECT_EQ(window->insideColor, nullptr);
  EXPECT_EQ(window->outsideColor, &state.config.colors[0]);

  NewDesign("Other");
  controls.SetSelection(kWindowsList, controls.FindEntryExact(kWindowsList, "C"));
  OnSelectWindow(context);
  EXPECT_EQ(controls.Text(kInsideColorCombo), "");
  EXPECT_EQ(controls.Text(kOutsideColorCombo), "White");
}

TEST_F(DesignerTest, InnerSizeComesOffTheEdgeType) {
  controls.SetText(kEdgeTypeCombo, "Deep");
  const GrillWindow* window = NewDesign("D", "1000", "30", "0", "0");
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->innerWidth, 970.0);
  EXPECT_EQ(window->innerHeight, 0.0);
  EXPECT_EQ(window->horzPos[1], 0.0);
}

// One predesign example: the typed design and the bars it gets.
struct LayoutCase {
  const char* label;
  int preDesign;  // -1: a typed text, no selection
  SpacingMode spacing;
  const char* width;
  const char* height;
  const char* vertBars;
  const char* horzBars;
  const char* sideWidth;
  std::vector<double> vertical;
  std::vector<double> horizontal;
  bool bottomStripOpen;  // vertSegments row horzCount cleared
};

void PrintTo(const LayoutCase& c, std::ostream* os) {
  *os << c.label;
}

class PreDesignLayoutTest : public DesignerTest,
                            public ::testing::WithParamInterface<LayoutCase> {};

TEST_P(PreDesignLayoutTest, Places) {
  const LayoutCase& c = GetParam();
  Document().SetSpacing(c.spacing);
  if (c.preDesign < 0) {
    controls.SetSelection(kPreDesignCombo, -1);
    controls.SetText(kPreDesignCombo, "Mine");
  } else {
    controls.SetSelection(kPreDesignCombo, c.preDesign);
  }
  controls.SetText(kSideWidthEdit, c.sideWidth);
  if (c.preDesign == 4) {
    controls.SetText(kEdgeTypeCombo, "Deep");  // SO = 5
  }
  const GrillWindow* window = NewDesign("L", c.width, c.height, c.vertBars, c.horzBars);
  ASSERT_NE(window, nullptr) << controls.Messages().front();

  EXPECT_THAT(VertBars(), ElementsAreArray(c.vertical));
  EXPECT_THAT(HorzBars(), ElementsAreArray(c.horizontal));
  EXPECT_EQ(window->horzPos[0], 0.0);
  EXPECT_EQ(window->vertPos[0], 0.0);
  EXPECT_EQ(window->horzPos[static_cast<size_t>(window->horzCount + 1)], window->innerHeight);
  EXPECT_EQ(window->vertPos[static_cast<size_t>(window->vertCount + 1)], window->innerWidth);
  const auto& strip = window->vertSegments[static_cast<size_t>(window->horzCount)];
  for (int v = 0; v <= window->vertCount; ++v) {
    EXPECT_EQ(strip[static_cast<size_t>(v)], c.bottomStripOpen ? 0 : 1) << "bar " << v;
  }
}

const LayoutCase kLayoutCases[] = {
    {"StandardEqualSpace", 2, kEqual, "1000", "800", "3", "0", "", {245, 500, 755}, {}, false},
    {"StandardDivided", 2, kDivided, "1000", "800", "3", "0", "", {250, 500, 750}, {}, false},
    {"StandardDividedHorizontal", 2, kDivided, "1000", "900", "0", "2", "", {}, {300, 600}, false},
    {"NoSelectionLaysOutAsStandard",
     -1,
     kEqual,
     "1000",
     "800",
     "3",
     "0",
     "",
     {245, 500, 755},
     {},
     false},
    {"Cottage1EqualSpace",
     0,
     kEqual,
     "1000",
     "900",
     "3",
     "2",
     "",
     {245, 500, 755},
     {145, 300},
     true},
    {"Cottage1Divided",
     0,
     kDivided,
     "1000",
     "900",
     "3",
     "2",
     "",
     {245, 500, 755},
     {150, 300},
     true},
    {"Cottage1WithoutHorizontalBars", 0, kEqual, "1000", "900", "1", "0", "", {500}, {}, true},
    {"Cottage2EqualSpace", 1, kEqual, "1000", "900", "0", "2", "", {}, {220, 450}, true},
    {"Cottage2Divided", 1, kDivided, "1000", "900", "0", "2", "", {}, {225, 450}, true},
    {"PrarieEqualSpace", 3, kEqual, "1000", "800", "5", "7", "100", {100, 900}, {100, 700}, false},
    {"CustomCottageEqualSpace", 4, kEqual, "1000", "800", "0", "2", "400", {}, {190, 395}, true},
    {"CustomCottageDivided", 4, kDivided, "1000", "800", "0", "2", "400", {}, {190, 395}, true},
    {"CustomCottageWithoutHorizontalBars",
     4,
     kEqual,
     "1000",
     "800",
     "1",
     "0",
     "400",
     {485},
     {},
     true},
};

INSTANTIATE_TEST_SUITE_P(Examples, PreDesignLayoutTest, ::testing::ValuesIn(kLayoutCases),
                         [](const auto& testCase) { return std::string(testCase.param.label); });

TEST_F(DesignerTest, PrarieSideWidthIsConvertedFromInches) {
  Document().SetUnit(Unit::Inches);
  controls.SetSelection(kPreDesignCombo, 3);
  controls.SetText(kSideWidthEdit, "2");
  const GrillWindow* window = NewDesign("P", "40", "30", "0", "0");
  ASSERT_NE(window, nullptr);
  EXPECT_THAT(VertBars(), ElementsAre(50.8, 1016.0 - 50.8));
  EXPECT_THAT(HorzBars(), ElementsAre(50.8, 762.0 - 50.8));
  EXPECT_EQ(controls.Text(kVertBarsEdit), "2");
}

TEST_F(DesignerTest, NoBarsKeepTheEdgeAtIndexOne) {
  const GrillWindow* window = NewDesign("Empty", "1000", "800", "0", "0");
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->vertPos[1], 1000.0);
  EXPECT_EQ(window->horzPos[1], 800.0);
  EXPECT_EQ(controls.EntryCount(kVertList), 0);
}

}  // namespace
}  // namespace grill
