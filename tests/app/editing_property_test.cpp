// Random sessions of the design and bar list commands, driven through the
// handlers with random texts in the fields, must never leave a design that
// breaks the record's invariants, nor a reference to a design that is gone.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "designs_fixture.h"
#include "model/Measurements.h"
#include "model/NameRules.h"

namespace grill {
namespace {

class EditingPropertyTest : public DesignerTest {
 protected:
  // Texts a user might type, or paste, into any field: numbers near the
  // limits, the parser's odd corners, plain garbage and random values.
  std::string AnyText() {
    static const std::vector<std::string> kTexts = {"",
                                                    "-",
                                                    ".",
                                                    "-.",
                                                    "0",
                                                    "0.1",
                                                    "0.09",
                                                    "1",
                                                    "2",
                                                    "3",
                                                    "29",
                                                    "30",
                                                    "31",
                                                    "-1",
                                                    "-0.9",
                                                    "250.7",
                                                    "799",
                                                    "800",
                                                    "1000",
                                                    "1e3",
                                                    "abc",
                                                    " 1",
                                                    "1,5",
                                                    "3000000000",
                                                    "-3000000000",
                                                    "2147483647",
                                                    "2147483648",
                                                    std::string(308, '9'),
                                                    "17" + std::string(307, '0'),
                                                    "-17" + std::string(307, '0'),
                                                    "10.9"};
    switch (Pick(4)) {
      case 0:
        return FormatFixed(std::uniform_real_distribution<double>(-100.0, 1200.0)(random_), 3);
      case 1:
        return FormatInteger(std::uniform_int_distribution<int>(-3, 33)(random_));
      default:
        return kTexts[static_cast<size_t>(Pick(static_cast<int>(kTexts.size())))];
    }
  }

  std::string AnyName() {
    static const std::vector<std::string> kNames = {"A",   "B",  "C", "Kitchen",
                                                    "a,b", "..", "",  "x/y"};
    return kNames[static_cast<size_t>(Pick(static_cast<int>(kNames.size())))];
  }

  int Pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random_); }
  int PickSelection(int list, int beyond) {
    return std::uniform_int_distribution<int>(-1, controls.EntryCount(list) - 1 + beyond)(random_);
  }
  Axis AnyAxis() { return Pick(2) == 0 ? Axis::Horizontal : Axis::Vertical; }

  // Half the time a text that New accepts, so that designs get made: within the size
  // limit in the dialog's unit.
  std::string SizeText() {
    const int largest = Document().DisplayUnit() == Unit::Inches ? 390 : 3000;
    return Pick(2) == 0 ? AnyText()
                        : FormatInteger(std::uniform_int_distribution<int>(40, largest)(random_));
  }
  std::string CountText() {
    return Pick(2) == 0 ? AnyText()
                        : FormatInteger(std::uniform_int_distribution<int>(0, kMaxBars)(random_));
  }

  void TryNew() {
    Document().SetUnit(Pick(2) == 0 ? Unit::Inches : Unit::Millimetres);
    Document().SetSpacing(Pick(2) == 0 ? SpacingMode::Divided : SpacingMode::EqualSpace);
    TypeDesign(AnyName(), SizeText(), SizeText(), CountText(), CountText());
    controls.SetText(kQuantityEdit, Pick(3) == 0 ? AnyText() : "1");
    controls.SetText(kSideWidthEdit, AnyText());
    controls.SetSelection(kPreDesignCombo, Pick(6) - 1);
    controls.SetSelection(kEdgeTypeCombo, Pick(2));
    controls.SetSelection(kBarTypeCombo, Pick(2));
    if (Pick(10) == 0) {
      controls.SetText(Pick(2) == 0 ? kEdgeTypeCombo : kBarTypeCombo, "Unknown");
    }
    controls.ClearMessages();
    OnNewWindow(context);
    if (controls.Messages().empty()) {
      ++designsMade_;
      ASSERT_NE(Current(), nullptr);
      ASSERT_EQ(Current(), &*std::prev(Designs().end()));
    } else {
      ASSERT_EQ(controls.Messages().size(), 1u);
      ASSERT_EQ(Current(), nullptr);
      ASSERT_EQ(Shown(), nullptr);
    }
  }

  void TryBarCommand(void (*command)(DesignerContext&, Axis)) {
    const Axis axis = AnyAxis();
    const int list = axis == Axis::Horizontal ? kHorzList : kVertList;
    controls.SetText(axis == Axis::Horizontal ? kHorzEdit : kVertEdit, AnyText());
    controls.SetSelection(list, PickSelection(list, 0));
    command(context, axis);
  }

  void TryListCommand(void (*command)(DesignerContext&)) {
    controls.SetSelection(kWindowsList, PickSelection(kWindowsList, 0));
    command(context);
  }

  void Step() {
    switch (Pick(12)) {
      case 0:
      case 1:
        TryNew();
        break;
      case 2:
        TryBarCommand(OnInsertBar);
        break;
      case 3:
        TryBarCommand(OnRemoveBar);
        break;
      case 4:
        TryBarCommand(OnEditBar);
        break;
      case 5:
        TryBarCommand(OnPlusBar);
        break;
      case 6:
        TryBarCommand(OnMinusBar);
        break;
      case 7:
        TryListCommand(OnDeleteWindow);
        break;
      case 8:
      case 9:
        TryListCommand(OnSelectWindow);
        break;
      case 10:
        OnInches(context);
        break;
      default:
        OnMillimetres(context);
        break;
    }
  }

  bool InList(const GrillWindow* window) const {
    for (const GrillWindow& entry : Designs()) {
      if (&entry == window) {
        return true;
      }
    }
    return false;
  }

  static void ExpectDirectionSound(const PositionTable& pos, int count, double inner,
                                   const char* direction) {
    ASSERT_GE(count, 0) << direction;
    ASSERT_LE(count, kMaxBars) << direction;
    ASSERT_EQ(pos[0], 0.0) << direction;
    ASSERT_EQ(pos[static_cast<size_t>(count + 1)], inner) << direction;
    ASSERT_TRUE(std::isfinite(inner)) << direction;
    ASSERT_GE(inner, 0.0) << direction;
    for (int k = 1; k <= count; ++k) {
      ASSERT_TRUE(std::isfinite(pos[static_cast<size_t>(k)])) << direction << " bar " << k;
    }
  }

  void ExpectInvariants() {
    for (const GrillWindow& window : Designs()) {
      SCOPED_TRACE(window.name);
      mostBars_ = std::max({mostBars_, window.horzCount, window.vertCount});
      ExpectDirectionSound(window.horzPos, window.horzCount, window.innerHeight, "horizontal");
      ExpectDirectionSound(window.vertPos, window.vertCount, window.innerWidth, "vertical");
      ASSERT_FALSE(window.name.empty());
      ASSERT_TRUE(IsAcceptableDesignName(window.name));
      ASSERT_EQ(Designs().FindWindowByName(window.name), &window);
      ASSERT_NE(window.barType, nullptr);
      ASSERT_NE(window.edgeType, nullptr);
    }
    const DesignFocus& focus = Document().Focus();
    ASSERT_TRUE(!focus.current || *focus.current < Designs().size());
    ASSERT_TRUE(!focus.previous || *focus.previous < Designs().size());
    ASSERT_TRUE(Shown() == nullptr || InList(Shown()));
    ASSERT_EQ(controls.EntryCount(kWindowsList), static_cast<int>(Designs().size()));
  }

  std::mt19937 random_{20240517u};
  // How much of the ground the sessions covered, so the test cannot pass on
  // sessions that never made a design.
  int designsMade_ = 0;
  int mostBars_ = 0;
};

TEST_F(EditingPropertyTest, RandomSessionsKeepEveryDesignSound) {
  constexpr int kSessions = 40;
  constexpr int kStepsPerSession = 250;
  for (int session = 0; session < kSessions; ++session) {
    for (int step = 0; step < kStepsPerSession; ++step) {
      SCOPED_TRACE("session " + std::to_string(session) + " step " + std::to_string(step));
      Step();
      if (HasFatalFailure()) {
        return;
      }
      ExpectInvariants();
      if (HasFatalFailure()) {
        return;
      }
    }
    // A fresh start for the next session.
    while (!Designs().empty()) {
      controls.SetSelection(kWindowsList, 0);
      OnDeleteWindow(context);
    }
    ExpectInvariants();
  }
  // Random texts now also meet the size and quantity limits, so fewer designs are made.
  EXPECT_GE(designsMade_, 80);
  EXPECT_EQ(mostBars_, kMaxBars);
}

}  // namespace
}  // namespace grill
