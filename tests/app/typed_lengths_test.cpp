#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

#include "app/SpacingHandlers.h"
#include "app/WindowEditorDialog.h"
#include "designs_fixture.h"
#include "editing/PreDesignLayouts.h"
#include "testing/MemoryHost.h"

namespace grill {
namespace {

// What a length field made of the typed text: the millimetres the handler
// stored, or nothing; and the messages it gave.
struct Reading {
  std::optional<double> millimetres;
  std::vector<std::string> messages;
};

// A design of 1000 x 800 mm with horizontal bars at 200, 400, 600 and
// vertical bars at 250, 500, 750, its lists shown; every length field types
// into it.
class TypedLengthTest : public DesignerTest {
 public:
  using DesignerTest::Current;

  void Prepare(Unit unit) {
    ASSERT_NE(NewDesign("Bars", "1000", "800", "3", "3"), nullptr);
    ChangeCurrent([](GrillWindow& w) {
      w.horzPos = {0, 200, 400, 600, 800};
      w.vertPos = {0, 250, 500, 750, 1000};
    });
    Document().SetUnit(unit);
    controls.ClearMessages();
  }

  // A bar command with `typed` in the direction's edit and bar `selected` chosen.
  void Press(void (*command)(DesignerContext&, Axis), Axis axis, int selected,
             const std::string& typed) {
    controls.SetText(axis == Axis::Horizontal ? kHorzEdit : kVertEdit, typed);
    controls.SetSelection(axis == Axis::Horizontal ? kHorzList : kVertList, selected);
    command(context, axis);
  }

  // A window size typed in `unit` that the sizes' limit lets through: 1000 x 800 mm or
  // 40 x 32 inches.
  static const char* Width(Unit unit) { return unit == Unit::Inches ? "40" : "1000"; }
  static const char* Height(Unit unit) { return unit == Unit::Inches ? "32" : "800"; }

  // New with one field typed; the design's value when New made it.
  Reading New(int field, const std::string& typed, double GrillWindow::*stored) {
    TypeDesign("Typed", Width(Document().DisplayUnit()), Height(Document().DisplayUnit()), "3",
               "2");
    controls.SetText(field, typed);
    OnNewWindow(context);
    return Read(Current() != nullptr, [this, stored] { return Current()->*stored; });
  }

  // The window editor with one size typed, on its own unit radio.
  Reading Editor(int field, const std::string& typed, double GrillWindow::*stored) {
    OpenWindowEditor(context, editor, host);
    MemoryControls& dialog = *host.ModalControls();
    const Unit unit = Document().DisplayUnit();
    dialog.ClickRadio(unit == Unit::Inches ? kEditorInchesRadio : kEditorMillimetresRadio);
    // The main dialog's unit is no longer what the editor reads by.
    Document().SetUnit(unit == Unit::Inches ? Unit::Millimetres : Unit::Inches);
    dialog.SetText(kEditorNameEdit, "Porch");
    dialog.SetText(kEditorWidthEdit, Width(unit));
    dialog.SetText(kEditorHeightEdit, Height(unit));
    dialog.SetText(kEditorVertBarsEdit, "3");
    dialog.SetText(kEditorHorzBarsEdit, "2");
    dialog.SetText(field, typed);
    if (host.ClickModalOk()) {
      return {Current()->*stored, {}};
    }
    Reading refused{std::nullopt, dialog.Messages()};
    host.CancelModal();
    return refused;
  }

  // New on "Prarie" with the side width typed; the first vertical bar stands
  // that far in.
  Reading NewPrarie(const std::string& typed) {
    TypeDesign("Typed", Width(Document().DisplayUnit()), Height(Document().DisplayUnit()), "3",
               "2");
    controls.SetSelection(kPreDesignCombo, static_cast<int>(PreDesign::Prarie));
    controls.SetText(kSideWidthEdit, typed);
    OnNewWindow(context);
    return Read(Current() != nullptr, [this] { return Current()->vertPos[1]; });
  }

  // The bar positions a command changed, read through `value`.
  Reading Read(bool changed, const std::function<double()>& value) {
    return {changed ? std::optional<double>(value()) : std::nullopt, controls.Messages()};
  }

  MemoryHost host;
  CWindowEditor editor;
};

// One field that reads a length, and how its reading is seen.
struct LengthField {
  const char* label;
  std::function<Reading(TypedLengthTest&, const std::string&)> type;
  const char* refusal;  // how the message for a text it cannot read begins; empty: none
};

// One typed text and the millimetres it stands for (none: not a length).
struct TypedText {
  const char* label;
  Unit unit;
  std::string text;
  std::optional<double> millimetres;
};

void PrintTo(const LengthField& field, std::ostream* out) {
  *out << field.label;
}

void PrintTo(const TypedText& typed, std::ostream* out) {
  *out << typed.label;
}

// The length is read back from what each command stored: a position, a step
// from the bar at 200 or a spacing from it, or a size.
const LengthField kFields[] = {
    {"Width",
     [](TypedLengthTest& t, const std::string& typed) {
       return t.New(kWidthEdit, typed, &GrillWindow::outerWidth);
     },
     "Invalid Width"},
    {"Height",
     [](TypedLengthTest& t, const std::string& typed) {
       return t.New(kHeightEdit, typed, &GrillWindow::outerHeight);
     },
     "Invalid Height"},
    {"SideWidth", [](TypedLengthTest& t, const std::string& typed) { return t.NewPrarie(typed); },
     "Input Sidewidth"},
    {"Edit",
     [](TypedLengthTest& t, const std::string& typed) {
       t.Press(OnEditBar, Axis::Horizontal, 0, typed);
       const double position = t.Current()->horzPos[1];
       return t.Read(position != 200.0, [position] { return position; });
     },
     "Invalid Position: "},
    {"Plus",
     [](TypedLengthTest& t, const std::string& typed) {
       t.Press(OnPlusBar, Axis::Horizontal, 0, typed);
       const double position = t.Current()->horzPos[1];
       return t.Read(position != 200.0, [position] { return position - 200.0; });
     },
     ""},
    {"Minus",
     [](TypedLengthTest& t, const std::string& typed) {
       t.Press(OnMinusBar, Axis::Vertical, 0, typed);
       const double position = t.Current()->vertPos[1];
       return t.Read(position != 250.0, [position] { return 250.0 - position; });
     },
     ""},
    {"Insert",
     [](TypedLengthTest& t, const std::string& typed) {
       t.Press(OnInsertBar, Axis::Vertical, -1, typed);
       return t.Read(t.Current()->vertCount == 4, [&t] { return t.Current()->vertPos[1]; });
     },
     ""},
    {"SetSpacing",
     [](TypedLengthTest& t, const std::string& typed) {
       t.Press(OnSetSpacing, Axis::Horizontal, 1, typed);
       const double position = t.Current()->horzPos[2];
       return t.Read(position != 400.0, [position] { return position - 200.0; });
     },
     "Invalid Spacing"},
    {"EditorWidth",
     [](TypedLengthTest& t, const std::string& typed) {
       return t.Editor(kEditorWidthEdit, typed, &GrillWindow::innerWidth);
     },
     "Invalid Width"},
    {"EditorHeight",
     [](TypedLengthTest& t, const std::string& typed) {
       return t.Editor(kEditorHeightEdit, typed, &GrillWindow::innerHeight);
     },
     "Invalid Height"},
};

constexpr Unit kInch = Unit::Inches;
constexpr Unit kMm = Unit::Millimetres;
constexpr double kInchAndAHalf = 38.1;

// Inches as a shop writes them; blanks around the number in both units.
const TypedText kTexts[] = {
    {"InchDecimal", kInch, "1.5", kInchAndAHalf},
    {"MixedWithBlank", kInch, "1 1/2", kInchAndAHalf},
    {"MixedWithDash", kInch, "1-1/2", kInchAndAHalf},
    {"Fraction", kInch, "3/2", kInchAndAHalf},
    {"MixedWithMark", kInch, "1 1/2\"", kInchAndAHalf},
    {"DecimalWithMark", kInch, "1.5\"", kInchAndAHalf},
    {"InchBlanksAround", kInch, " \t1 1/2 ", kInchAndAHalf},
    {"ZeroDenominator", kInch, "1 1/0", std::nullopt},
    {"TwoSeparators", kInch, "1 - 1/2", std::nullopt},
    {"MarkThenBlank", kInch, "1.5\" ", kInchAndAHalf},
    {"InchWord", kInch, "1.5 in", std::nullopt},
    {"InchEmpty", kInch, "", std::nullopt},
    {"MmDecimal", kMm, "38.1", kInchAndAHalf},
    {"MmBlanksAround", kMm, "  38.1\t", kInchAndAHalf},
    {"MmFraction", kMm, "3/2", std::nullopt},
    {"MmMixed", kMm, "1 1/2", std::nullopt},
    {"MmWithInchMark", kMm, "38.1\"", std::nullopt},
};

class TypedLengthFieldTest
    : public TypedLengthTest,
      public ::testing::WithParamInterface<std::tuple<LengthField, TypedText>> {};

TEST_P(TypedLengthFieldTest, ReadsOrRefuses) {
  const auto& [field, typed] = GetParam();
  Prepare(typed.unit);

  const Reading reading = field.type(*this, typed.text);

  if (typed.millimetres) {
    ASSERT_TRUE(reading.millimetres.has_value());
    EXPECT_NEAR(*reading.millimetres, *typed.millimetres, 1e-9);
    EXPECT_TRUE(reading.messages.empty());
  } else {
    EXPECT_FALSE(reading.millimetres.has_value());
    if (*field.refusal != '\0') {
      EXPECT_THAT(reading.messages, ::testing::ElementsAre(::testing::StartsWith(field.refusal)));
    } else {
      EXPECT_TRUE(reading.messages.empty());
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Fields, TypedLengthFieldTest,
                         ::testing::Combine(::testing::ValuesIn(kFields),
                                            ::testing::ValuesIn(kTexts)),
                         [](const auto& testCase) {
                           return std::string(std::get<0>(testCase.param).label) + "_" +
                                  std::get<1>(testCase.param).label;
                         });

}  // namespace
}  // namespace grill
