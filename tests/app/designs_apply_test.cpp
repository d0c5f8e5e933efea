#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

#include "app/ApplyHandler.h"
#include "designs_fixture.h"
#include "testing/DocumentSetUp.h"

namespace grill {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// Every value of a design, so that two designs compare whole.
auto Values(const GrillWindow& w) {
  return std::tie(w.quantity, w.innerHeight, w.innerWidth, w.outerHeight, w.outerWidth, w.name,
                  w.horzCount, w.vertCount, w.vertSegments, w.horzSegments, w.horzPos, w.vertPos,
                  w.barType, w.edgeType, w.insideColor, w.outsideColor);
}

bool SameDesign(const GrillWindow& a, const GrillWindow& b) {
  return Values(a) == Values(b);
}

// The fields Apply reads, as they stand.
std::vector<std::string> WindowInfoTexts(const MemoryControls& c) {
  std::vector<std::string> texts;
  for (int id :
       {kNameEdit, kWidthEdit, kHeightEdit, kVertBarsEdit, kHorzBarsEdit, kEdgeTypeCombo,
        kBarTypeCombo, kInsideColorCombo, kOutsideColorCombo, kQuantityEdit, kSideWidthEdit}) {
    texts.push_back(c.Text(id));
  }
  return texts;
}

// "Kitchen" (1000 by 800, Flat, so the inner size is the outer size), shaped
// by hand: a bar moved off its even place, a segment taken out and a time
// stamp from an export, and "Hall" made before it.
class ApplyTest : public DesignerTest {
 protected:
  ApplyTest() {
    Document().SetSpacing(SpacingMode::Divided);
    NewDesign("Hall");
    NewDesign("Kitchen", "1000", "800", "3", "1");
    ChangeCurrent([](GrillWindow& w) {
      w.vertPos[1] = 100.0;
      w.horzPos[1] = 200.0;
      w.vertSegments[1][2] = 0;
      w.horzSegments[1][3] = 0;
    });
    kitchen = *Current();
    controls.ClearMessages();
  }

  // Types the Kitchen's fields back as Select shows them, then `change`.
  void TypeFields(const std::function<void(MemoryControls&)>& change = {}) {
    TypeDesign("Kitchen", "1000", "800", "3", "1");
    if (change) {
      change(controls);
    }
  }

  GrillWindow kitchen;
};

TEST_F(ApplyTest, SameCountsKeepEveryBarInProportionAndTheSegments) {
  TypeFields([](MemoryControls& c) {
    c.SetText(kWidthEdit, "2030");
    c.SetText(kHeightEdit, "430");
    c.SetText(kEdgeTypeCombo, "Deep");  // 30 off each inner size: 2000 by 400
    c.SetText(kBarTypeCombo, "Bar25");
    c.SetText(kInsideColorCombo, "Black");
    c.SetText(kQuantityEdit, "4");
  });
  OnApplyWindow(context);

  ASSERT_THAT(controls.Messages(), IsEmpty());
  const GrillWindow& applied = *Current();
  EXPECT_EQ(applied.outerWidth, 2030.0);
  EXPECT_EQ(applied.innerWidth, 2000.0);
  EXPECT_EQ(applied.innerHeight, 400.0);
  EXPECT_EQ(applied.edgeType, &state.config.edgeTypes[1]);
  EXPECT_EQ(applied.barType, &state.config.barTypes[1]);
  EXPECT_EQ(applied.insideColor, &state.config.colors[1]);
  EXPECT_EQ(applied.outsideColor, &state.config.colors[0]);
  EXPECT_EQ(applied.quantity, 4);
  EXPECT_THAT(VertBars(), ElementsAre(200.0, 1000.0, 1500.0));
  EXPECT_THAT(HorzBars(), ElementsAre(100.0));
  EXPECT_EQ(applied.vertPos[4], 2000.0);
  EXPECT_EQ(applied.horzPos[2], 400.0);
  EXPECT_EQ(applied.vertSegments, kitchen.vertSegments);
  EXPECT_EQ(applied.horzSegments, kitchen.horzSegments);
  EXPECT_EQ(Designs().size(), 2u);
  // Shown as Select shows it.
  EXPECT_THAT(controls.Entries(kVertList), ElementsAre("200.000000", "1000.000000", "1500.000000"));
  EXPECT_EQ(controls.Text(kWidthEdit), "2030.000000");
  EXPECT_EQ(controls.Text(kNoteText),
            "Width = 2030.000000, Height = 430.000000, Inner Width = 2000.000000, Inner Height = "
            "400.000000");
}

TEST_F(ApplyTest, ChangedCountLaysTheDesignOutAsNewWould) {
  controls.SetSelection(kPreDesignCombo, 0);  // Cottage1: the bottom strip stays open
  TypeFields([](MemoryControls& c) { c.SetText(kHorzBarsEdit, "2"); });
  OnApplyWindow(context);
  ASSERT_THAT(controls.Messages(), IsEmpty());
  const GrillWindow applied = *Current();

  TypeDesign("Reference", "1000", "800", "3", "2");
  OnNewWindow(context);
  const GrillWindow& reference = *Current();
  EXPECT_EQ(applied.horzCount, 2);
  EXPECT_EQ(applied.horzPos, reference.horzPos);
  EXPECT_EQ(applied.vertPos, reference.vertPos);
  EXPECT_EQ(applied.vertSegments, reference.vertSegments);
  EXPECT_EQ(applied.horzSegments, reference.horzSegments);
  EXPECT_EQ(applied.vertSegments[2][1], 0);
}

// A design remembers the predesign it was laid out by and Select shows it, so
// an Apply after a New of another predesign keeps the design's shaped bars;
// another predesign chosen on purpose lays it out anew.
TEST_F(ApplyTest, SelectShowsTheDesignsPreDesignAndApplyKeepsTheShapedBars) {
  ASSERT_EQ(kitchen.preDesign, PreDesign::Standard);
  controls.SetSelection(kPreDesignCombo, 3);  // Prarie, for the next design
  controls.SetText(kSideWidthEdit, "100");
  ASSERT_TRUE(NewDesign("Porch", "1000", "800", "2", "2"));
  ASSERT_EQ(Current()->preDesign, PreDesign::Prarie);

  controls.SetSelection(kWindowsList, controls.FindEntryExact(kWindowsList, "Kitchen"));
  OnSelectWindow(context);
  EXPECT_EQ(controls.Selection(kPreDesignCombo), 2);  // Standard again
  EXPECT_FALSE(controls.IsVisible(kSideWidthEdit));
  controls.SetText(kWidthEdit, "2000");
  controls.SetText(kQuantityEdit, "5");
  OnApplyWindow(context);
  ASSERT_THAT(controls.Messages(), IsEmpty());
  EXPECT_EQ(Current()->name, "Kitchen");
  EXPECT_THAT(VertBars(), ElementsAre(200.0, 1000.0, 1500.0));
  EXPECT_EQ(Current()->vertSegments, kitchen.vertSegments);
  EXPECT_EQ(Current()->horzSegments, kitchen.horzSegments);
  EXPECT_EQ(Current()->preDesign, PreDesign::Standard);

  controls.SetSelection(kPreDesignCombo, 0);  // Cottage1, chosen on purpose
  OnApplyWindow(context);
  ASSERT_THAT(controls.Messages(), IsEmpty());
  EXPECT_EQ(Current()->preDesign, PreDesign::Cottage1);
  EXPECT_NE(Current()->vertSegments, kitchen.vertSegments);
}

// A design from an older job file, its predesign unknown, keeps its bars
// whatever the combo shows.
TEST_F(ApplyTest, UnknownPreDesignKeepsTheBars) {
  ChangeCurrent([](GrillWindow& w) { w.preDesign.reset(); });
  TypeFields([](MemoryControls& c) { c.SetSelection(kPreDesignCombo, 0); });
  OnApplyWindow(context);
  ASSERT_THAT(controls.Messages(), IsEmpty());
  EXPECT_THAT(VertBars(), ElementsAre(100.0, 500.0, 750.0));
  EXPECT_EQ(Current()->vertSegments, kitchen.vertSegments);
  EXPECT_FALSE(Current()->preDesign);
}

TEST_F(ApplyTest, RenamesTheDesignInTheWindowsList) {
  TypeFields([](MemoryControls& c) { c.SetText(kNameEdit, "Pantry"); });
  OnApplyWindow(context);
  EXPECT_THAT(controls.Messages(), IsEmpty());
  EXPECT_EQ(Current()->name, "Pantry");
  EXPECT_THAT(controls.Entries(kWindowsList), ElementsAre("Hall", "Pantry"));
}

TEST_F(ApplyTest, UnchangedFieldsChangeNothingButCommitOneStep) {
  TypeFields();
  OnApplyWindow(context);
  EXPECT_THAT(controls.Messages(), IsEmpty());
  const DesignChange* committed = Document().History().NextUndo();
  ASSERT_NE(committed, nullptr);
  EXPECT_EQ(committed->label, "Apply Kitchen");
  EXPECT_TRUE(SameDesign(*Current(), kitchen));
}

TEST_F(ApplyTest, RevertingTheStepRestoresTheDesignExactly) {
  TypeFields([](MemoryControls& c) {
    c.SetText(kNameEdit, "Pantry");
    c.SetText(kWidthEdit, "777");
  });
  OnApplyWindow(context);
  ASSERT_NE(Document().History().NextUndo(), nullptr);
  const DesignChange committed = *Document().History().NextUndo();
  EXPECT_EQ(committed.label, "Apply Kitchen");
  const GrillWindow applied = *Current();

  DocumentSetUp::Revert(Document(), committed);
  EXPECT_TRUE(SameDesign(*Current(), kitchen));
  EXPECT_EQ(Designs().size(), 2u);
  DocumentSetUp::Reapply(Document(), committed);
  EXPECT_TRUE(SameDesign(*Current(), applied));
}

TEST_F(DesignerTest, ApplyWithoutACurrentDesignOnlySaysSo) {
  NewDesign("Hall");
  TypeDesign("", "x", "", "", "");
  OnNewWindow(context);  // refused: nothing is current
  ASSERT_EQ(Current(), nullptr);
  controls.ClearMessages();
  TypeDesign("Other", "500", "500", "1", "1");
  const int invalidations = controls.Invalidations();

  OnApplyWindow(context);
  EXPECT_THAT(controls.Messages(), ElementsAre("No Window Selected"));
  EXPECT_EQ(Designs()[0].outerWidth, 1000.0);
  EXPECT_EQ(controls.Text(kNameEdit), "Other");
  EXPECT_EQ(controls.Invalidations(), invalidations);
}

// One refused Apply: the change to the Kitchen's fields and the one message.
struct RefusedApply {
  const char* label;
  std::function<void(MemoryControls&)> change;
  const char* message;
};

void PrintTo(const RefusedApply& c, std::ostream* os) {
  *os << c.label;
}

class ApplyRefusedTest : public ApplyTest, public ::testing::WithParamInterface<RefusedApply> {};

TEST_P(ApplyRefusedTest, ChangesNothing) {
  TypeFields(GetParam().change);
  const std::vector<std::string> typed = WindowInfoTexts(controls);
  const std::vector<std::string> horzListed = controls.Entries(kHorzList);
  const DesignFocus focus = Document().Focus();
  const int invalidations = controls.Invalidations();
  const GrillWindow hall = Designs()[0];

  OnApplyWindow(context);

  EXPECT_THAT(controls.Messages(), ElementsAre(GetParam().message));
  ASSERT_EQ(Designs().size(), 2u);
  EXPECT_TRUE(SameDesign(Designs()[0], hall));
  EXPECT_TRUE(SameDesign(Designs()[1], kitchen));
  EXPECT_EQ(Document().Focus(), focus);
  EXPECT_EQ(WindowInfoTexts(controls), typed);
  EXPECT_EQ(controls.Entries(kHorzList), horzListed);
  EXPECT_EQ(controls.Invalidations(), invalidations);
}

void Set(MemoryControls& c, int id, const char* text) {
  c.SetText(id, text);
}

// New's checks in New's order; each case also spoils a later field, so the
// first fault is the one shown.
const RefusedApply kRefusedApplies[] = {
    {"EmptyName",
     [](auto& c) {
       Set(c, kNameEdit, "");
       Set(c, kWidthEdit, "x");
     },
     "Input Name"},
    {"AnotherDesignsName",
     [](auto& c) {
       Set(c, kNameEdit, "Hall");
       Set(c, kWidthEdit, "x");
     },
     "Name Already Exists"},
    {"InvalidName",
     [](auto& c) {
       Set(c, kNameEdit, "A,B");
       Set(c, kWidthEdit, "x");
     },
     "Invalid Name"},
    {"Width",
     [](auto& c) {
       Set(c, kWidthEdit, "0.09");
       Set(c, kHeightEdit, "");
     },
     "Invalid Width"},
    {"Height",
     [](auto& c) {
       Set(c, kHeightEdit, "-5");
       Set(c, kVertBarsEdit, "31");
     },
     "Invalid Height"},
    {"VertBars",
     [](auto& c) {
       Set(c, kVertBarsEdit, "31");
       Set(c, kHorzBarsEdit, "");
     },
     "Invalid Vertical Sections"},
    {"HorzBars",
     [](auto& c) {
       Set(c, kHorzBarsEdit, "");
       Set(c, kEdgeTypeCombo, "None");
     },
     "Invalid Horizontal Sections"},
    {"EdgeType",
     [](auto& c) {
       Set(c, kEdgeTypeCombo, "flat");
       Set(c, kBarTypeCombo, "None");
     },
     "EdgeType Not Found"},
    {"BarType",
     [](auto& c) {
       Set(c, kBarTypeCombo, "Bar99");
       Set(c, kQuantityEdit, "x");
     },
     "BarType Not Found"},
    {"InnerWidth",
     [](auto& c) {
       Set(c, kEdgeTypeCombo, "Deep");
       Set(c, kWidthEdit, "29.9");
       Set(c, kHeightEdit, "29.9");
     },
     "Invalid Width"},
    {"InnerHeight",
     [](auto& c) {
       Set(c, kEdgeTypeCombo, "Deep");
       Set(c, kHeightEdit, "29.9");
       Set(c, kQuantityEdit, "x");
     },
     "Invalid Height"},
    {"Quantity", [](auto& c) { Set(c, kQuantityEdit, "2x"); }, "Invalid Quantity"},
    {"SideWidthWithTheCountsUnchanged",
     [](auto& c) {
       c.SetSelection(kPreDesignCombo, 3);
       Set(c, kSideWidthEdit, "");
       Set(c, kQuantityEdit, "");  // New would show 1 here; Apply's refusal leaves it
     },
     "Input Sidewidth"},
    {"CottageHeight",
     [](auto& c) {
       c.SetSelection(kPreDesignCombo, 4);
       Set(c, kSideWidthEdit, "4 0");
       Set(c, kVertBarsEdit, "5");
     },
     "Input Cottage Height"},
};

INSTANTIATE_TEST_SUITE_P(Messages, ApplyRefusedTest, ::testing::ValuesIn(kRefusedApplies),
                         [](const auto& testCase) { return std::string(testCase.param.label); });

}  // namespace
}  // namespace grill
