#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "app/WindowEditorDialog.h"
#include "designs_fixture.h"
#include "testing/MemoryHost.h"

namespace grill {
namespace {

using Positions = std::vector<double>;

// The typed fields of the editor, in the order its checks read them.
struct Typed {
  std::string name;
  std::string width;
  std::string height;
  std::string vertBars;
  std::string horzBars;
};

class WindowEditorTest : public HandlerTest {
 protected:
  WindowEditorTest() {
    BarType bar;
    bar.name = "Flat";
    bar.width = 20.0;
    bar.accepted = true;
    state.config.barTypes.push_back(bar);
    Document().SetUnit(Unit::Millimetres);
    Add(Design("Bath"));
    GrillWindow kitchen = Design("Kitchen");
    kitchen.outerWidth = 540.0;
    kitchen.outerHeight = 440.0;
    kitchen.quantity = 3;
    Add(kitchen);
  }

  // A design of 500 x 400 with one bar each way at 100.
  GrillWindow Design(const std::string& name) {
    GrillWindow window;
    window.name = name;
    window.innerWidth = 500.0;
    window.innerHeight = 400.0;
    window.barType = &state.config.barTypes.front();
    window.horzCount = 1;
    window.vertCount = 1;
    window.horzPos = {0.0, 100.0, 400.0};
    window.vertPos = {0.0, 100.0, 500.0};
    return window;
  }

  const GrillWindow& Kitchen() const { return *Current(); }

  MemoryControls& Open() {
    OpenWindowEditor(context, editor, host);
    return *host.ModalControls();
  }

  // Opens the editor, types the fields and presses OK; true when it closed.
  bool Submit(const Typed& typed, int unitRadio = kEditorMillimetresRadio) {
    MemoryControls& dialog = Open();
    dialog.ClickRadio(unitRadio);
    dialog.SetText(kEditorNameEdit, typed.name);
    dialog.SetText(kEditorWidthEdit, typed.width);
    dialog.SetText(kEditorHeightEdit, typed.height);
    dialog.SetText(kEditorVertBarsEdit, typed.vertBars);
    dialog.SetText(kEditorHorzBarsEdit, typed.horzBars);
    return host.ClickModalOk();
  }

  static Positions Entries(const PositionTable& pos, int count) {
    return Positions(pos.begin(), pos.begin() + count + 2);
  }

  MemoryHost host;
  CWindowEditor editor;
};

TEST(WindowEditorTemplateTest, LaysOutTemplate103WithinItsBounds) {
  const DialogTemplate& t = WindowEditorTemplate();
  EXPECT_EQ(103, t.templateId);
  EXPECT_EQ("Window Editor", t.title);
  EXPECT_EQ(259, t.width);
  EXPECT_EQ(194, t.height);
  ASSERT_NE(nullptr, t.Find(kIdOk));
  EXPECT_EQ(ControlKind::DefaultPushButton, t.Find(kIdOk)->kind);
  EXPECT_EQ(kEditorMillimetresRadio, t.RadioPartner(kEditorInchesRadio));
  for (const int id : {kEditorNameEdit, kEditorHeightEdit, kEditorWidthEdit, kEditorVertBarsEdit,
                       kEditorHorzBarsEdit}) {
    ASSERT_NE(nullptr, t.Find(id)) << id;
    EXPECT_EQ(ControlKind::Edit, t.Find(id)->kind) << id;
  }
  int labels = 0;
  for (const ControlSpec& controlSpec : t.controls) {
    EXPECT_GT(controlSpec.width, 0) << controlSpec.caption;
    EXPECT_GT(controlSpec.height, 0) << controlSpec.caption;
    EXPECT_LE(controlSpec.x + controlSpec.width, t.width) << controlSpec.caption;
    EXPECT_LE(controlSpec.y + controlSpec.height, t.height) << controlSpec.caption;
    if (controlSpec.kind == ControlKind::Label) {
      ++labels;
      EXPECT_EQ(kNoId, controlSpec.id) << controlSpec.caption;
      EXPECT_LE(controlSpec.x + controlSpec.width, t.Find(kEditorHeightEdit)->x)
          << controlSpec.caption << " runs into its field";
    }
  }
  EXPECT_EQ(5, labels);
}

// The editor's sizes are the grill's inner size: it opens with the current
// design's, so that nobody types the window's outer size into them.
TEST_F(WindowEditorTest, OpensWithTheDesignAsItIsOnTheMainDialogsUnit) {
  const struct {
    Unit unit;
    const char* width;
    const char* height;
  } cases[] = {{Unit::Millimetres, "500.000000", "400.000000"},
               {Unit::Inches, "19.685039", "15.748031"}};
  for (const auto& c : cases) {
    Document().SetUnit(c.unit);
    MemoryControls& dialog = Open();
    EXPECT_EQ("Kitchen", dialog.Text(kEditorNameEdit));
    EXPECT_EQ(c.width, dialog.Text(kEditorWidthEdit));
    EXPECT_EQ(c.height, dialog.Text(kEditorHeightEdit));
    EXPECT_EQ("1", dialog.Text(kEditorVertBarsEdit));
    EXPECT_EQ("1", dialog.Text(kEditorHorzBarsEdit));
    EXPECT_EQ(c.unit == Unit::Inches, dialog.IsChecked(kEditorInchesRadio));
    EXPECT_EQ(c.unit == Unit::Millimetres, dialog.IsChecked(kEditorMillimetresRadio));
    // OK without a change keeps the design's sizes.
    ASSERT_TRUE(host.ClickModalOk());
    EXPECT_NEAR(500.0, Kitchen().innerWidth, 1e-5);
    EXPECT_NEAR(400.0, Kitchen().innerHeight, 1e-5);
  }
}

// A bar the editor adds runs as its neighbours do: stopped at a cottage line
// where they stop, and a new band gets the segments of the last one.
TEST_F(WindowEditorTest, AddedBarsFollowTheirNeighboursSegments) {
  GrillWindow cottage = Kitchen();
  cottage.name = "Cottage";
  cottage.vertCount = 2;
  cottage.vertPos = {0.0, 150.0, 300.0, 500.0};
  cottage.horzCount = 1;
  cottage.horzPos = {0.0, 100.0, 400.0};
  for (std::size_t bar = 1; bar <= 2; ++bar) {
    cottage.vertSegments[0][bar] = 0;  // above the cottage line: no vertical bars
    cottage.vertSegments[1][bar] = 1;
  }
  cottage.horzSegments[1][1] = 0;  // the cottage line is open in the middle pane
  ChangeCurrent([&cottage](GrillWindow& window) { window = cottage; });

  ASSERT_TRUE(Submit({"Cottage", "500", "400", "3", "2"}));
  const GrillWindow& edited = Kitchen();
  // Vertical bar 3 is new: like bar 2, it stops at the line; band 2 is new: like band 1.
  for (std::size_t bar = 1; bar <= 3; ++bar) {
    EXPECT_EQ(0, edited.vertSegments[0][bar]) << "bar " << bar;
    EXPECT_EQ(1, edited.vertSegments[1][bar]) << "bar " << bar;
    EXPECT_EQ(1, edited.vertSegments[2][bar]) << "bar " << bar;
  }
  // Horizontal bar 2 is new: it runs as bar 1 does, open where bar 1 is.
  EXPECT_EQ(edited.horzSegments[1], edited.horzSegments[2]);
  EXPECT_EQ(0, edited.horzSegments[2][1]);
}

TEST_F(WindowEditorTest, OpensOnlyWithACurrentDesign) {
  Document().SetFocus({});
  OpenWindowEditor(context, editor, host);
  EXPECT_EQ(nullptr, host.ModalControls());
}

TEST_F(WindowEditorTest, SpacesTheBarsEvenlyOverTheTypedSize) {
  ASSERT_TRUE(Submit({"Porch", "1000", "600", "3", "2"}));

  const GrillWindow& window = Kitchen();
  EXPECT_EQ("Porch", window.name);
  EXPECT_EQ(1000.0, window.innerWidth);
  EXPECT_EQ(600.0, window.innerHeight);
  EXPECT_EQ((Positions{0, 250, 500, 750, 1000}), Entries(window.vertPos, window.vertCount));
  EXPECT_EQ((Positions{0, 200, 400, 600}), Entries(window.horzPos, window.horzCount));
  // The outer sizes, quantity and types are the editor's to leave alone.
  EXPECT_EQ(540.0, window.outerWidth);
  EXPECT_EQ(440.0, window.outerHeight);
  EXPECT_EQ(3, window.quantity);
  EXPECT_EQ(&state.config.barTypes.front(), window.barType);
}

TEST_F(WindowEditorTest, TheLastEntryIsTheInnerSizeItself) {
  // 29 steps of 1000/30 come out a hair above 1000, 19 steps of 1000/19 below.
  ASSERT_TRUE(Submit({"Porch", "1000", "1000", "29", "18"}));
  EXPECT_EQ(1000.0, Kitchen().vertPos[30]);
  EXPECT_EQ(1000.0, Kitchen().horzPos[19]);
}

TEST_F(WindowEditorTest, AcceptsTheLimitsOfEachField) {
  ASSERT_TRUE(Submit({"Porch", "0.1", "0.1", "30", "30"}));
  EXPECT_EQ(0.1, Kitchen().innerWidth);
  EXPECT_EQ(30, Kitchen().vertCount);
  EXPECT_EQ(30, Kitchen().horzCount);
}

TEST_F(WindowEditorTest, ReadsLengthsInTheChosenUnit) {
  ASSERT_TRUE(Submit({"Porch", "10", "20", "1", "1"}, kEditorInchesRadio));
  EXPECT_DOUBLE_EQ(254.0, Kitchen().innerWidth);
  EXPECT_DOUBLE_EQ(508.0, Kitchen().innerHeight);
  EXPECT_DOUBLE_EQ(127.0, Kitchen().vertPos[1]);

  // The minimum applies to the value as typed: 0.1 inch passes.
  ASSERT_TRUE(Submit({"Yard", "0.1", "0.1", "1", "1"}, kEditorInchesRadio));
  EXPECT_DOUBLE_EQ(2.54, Kitchen().innerWidth);
}

struct EditorRefusal {
  Typed typed;
  int unitRadio;
  const char* message;
};

void PrintTo(const EditorRefusal& refusal, std::ostream* out) {
  *out << '"' << refusal.message << "\" for name \"" << refusal.typed.name << "\" width \""
       << refusal.typed.width << "\" height \"" << refusal.typed.height << "\" bars \""
       << refusal.typed.vertBars << "\", \"" << refusal.typed.horzBars << '"'
       << (refusal.unitRadio == kEditorInchesRadio ? " in inches" : " in mm");
}

class WindowEditorRefusalTest : public WindowEditorTest,
                                public ::testing::WithParamInterface<EditorRefusal> {};

TEST_P(WindowEditorRefusalTest, ShowsTheFirstFailingCheck) {
  // A name the rule refuses, made before the rule existed.
  const DesignFocus onKitchen = Document().Focus();
  Add(Design("Den,1"));
  Document().SetFocus(onKitchen);
  const GrillWindow before = Kitchen();

  EXPECT_FALSE(Submit(GetParam().typed, GetParam().unitRadio));

  ASSERT_NE(nullptr, host.ModalControls()) << "a refusal leaves the editor open";
  EXPECT_EQ(std::vector<std::string>{GetParam().message}, host.ModalControls()->Messages());
  const GrillWindow& after = Kitchen();
  EXPECT_EQ(before.name, after.name);
  EXPECT_EQ(before.innerWidth, after.innerWidth);
  EXPECT_EQ(before.innerHeight, after.innerHeight);
  EXPECT_EQ(before.vertCount, after.vertCount);
  EXPECT_EQ(before.horzCount, after.horzCount);
  EXPECT_EQ(before.horzPos, after.horzPos);
  EXPECT_EQ(before.vertPos, after.vertPos);
}

constexpr int kMmRadio = kEditorMillimetresRadio;
constexpr int kInchRadio = kEditorInchesRadio;
const std::string kHuge = "1" + std::string(308, '0');  // 1e308: infinite once in millimetres

INSTANTIATE_TEST_SUITE_P(
    Checks, WindowEditorRefusalTest,
    ::testing::Values(
        EditorRefusal{{"", "1000", "600", "3", "2"}, kMmRadio, "Input Name"},
        EditorRefusal{{"Bath", "1000", "600", "3", "2"}, kMmRadio, "Name Already Exists"},
        EditorRefusal{{"Den,1", "1000", "600", "3", "2"}, kMmRadio, "Name Already Exists"},
        EditorRefusal{{"Den,2", "1000", "600", "3", "2"}, kMmRadio, "Invalid Name"},
        EditorRefusal{{"Den/2", "x", "x", "x", "x"}, kMmRadio, "Invalid Name"},
        EditorRefusal{{"Porch", "0.09", "600", "3", "2"}, kMmRadio, "Invalid Width"},
        EditorRefusal{{"Porch", "wide", "600", "3", "2"}, kMmRadio, "Invalid Width"},
        EditorRefusal{{"Porch", "0.09", "600", "3", "2"}, kInchRadio, "Invalid Width"},
        EditorRefusal{{"Porch", kHuge, "600", "3", "2"}, kInchRadio, "Invalid Width"},
        EditorRefusal{{"Porch", "1000", "tall", "3", "2"}, kMmRadio, "Invalid Height"},
        EditorRefusal{{"Porch", "1000", kHuge, "3", "2"}, kInchRadio, "Invalid Height"},
        EditorRefusal{{"Porch", "1000", "600", "0", "2"}, kMmRadio, "Invalid Vertical Sections"},
        EditorRefusal{{"Porch", "1000", "600", "3a", "2"}, kMmRadio, "Invalid Vertical Sections"},
        EditorRefusal{{"Porch", "1000", "600", "31", "2"}, kMmRadio, "Invalid Vertical Sections"},
        EditorRefusal{{"Porch", "1000", "600", "3", "-1"}, kMmRadio, "Invalid Horizontal Sections"},
        EditorRefusal{{"Porch", "1000", "600", "3", "31"}, kMmRadio, "Invalid Horizontal Sections"},
        EditorRefusal{{".Porch", "1000", "600", "3", "2"}, kMmRadio, "Invalid Name"},
        EditorRefusal{{" ", "1000", "600", "3", "2"}, kMmRadio, "Invalid Name"},
        // The outer size stays, but an inner one beyond the limit is a slip all the same.
        EditorRefusal{{"Porch", "12000", "600", "3", "2"},
                      kMmRadio,
                      "Window Too Large: width 12000.0 mm, at most 10000.0 mm"},
        EditorRefusal{{"Porch", "40", "36000", "3", "2"},
                      kInchRadio,
                      "Window Too Large: height 36000\", at most 393 11/16\""}));

TEST_F(WindowEditorTest, KeepsTheDesignsOwnName) {
  ASSERT_TRUE(Submit({"Kitchen", "1000", "600", "3", "2"}));
  EXPECT_EQ("Kitchen", Kitchen().name);
  EXPECT_EQ(1000.0, Kitchen().innerWidth);
  EXPECT_EQ((std::vector<std::string>{"Bath", "Kitchen"}), controls.Entries(kWindowsList));
}

TEST_F(WindowEditorTest, ARefusalCanBeCorrectedWithoutReopening) {
  ASSERT_FALSE(Submit({"Porch", "1000", "600", "3", "x"}));
  host.ModalControls()->SetText(kEditorHorzBarsEdit, "2");
  ASSERT_TRUE(host.ClickModalOk());
  EXPECT_EQ("Porch", Kitchen().name);
  EXPECT_EQ(2, Kitchen().horzCount);
}

TEST_F(WindowEditorTest, AfterOkTheListsShowTheRenamedDesign) {
  const int invalidations = controls.Invalidations();
  ASSERT_TRUE(Submit({"Porch", "1000", "600", "3", "2"}));

  EXPECT_EQ((std::vector<std::string>{"Bath", "Porch"}), controls.Entries(kWindowsList));
  EXPECT_EQ(2, controls.EntryCount(kHorzList));
  EXPECT_EQ(3, controls.EntryCount(kVertList));
  EXPECT_EQ("Porch", controls.Text(kNameEdit));
  EXPECT_EQ(&Kitchen(), Shown());
  EXPECT_GT(controls.Invalidations(), invalidations);
}

TEST_F(WindowEditorTest, CancelChangesNothingButStillRepaints) {
  const GrillWindow before = Kitchen();
  const int invalidations = controls.Invalidations();
  MemoryControls& dialog = Open();
  dialog.SetText(kEditorNameEdit, "Porch");
  dialog.SetText(kEditorWidthEdit, "1000");
  host.CancelModal();

  EXPECT_EQ(before.name, Kitchen().name);
  EXPECT_EQ(before.innerWidth, Kitchen().innerWidth);
  EXPECT_EQ(before.vertPos, Kitchen().vertPos);
  EXPECT_EQ(invalidations + 1, controls.Invalidations());
}

// Cancel changes nothing, the selection of the Windows list among it: Delete right after
// it deletes the design that was selected.
TEST_F(WindowEditorTest, CancelKeepsTheWindowsListSelection) {
  const int selected = controls.FindEntryExact(kWindowsList, "Kitchen");
  ASSERT_GE(selected, 0);
  controls.SetSelection(kWindowsList, selected);
  Open();
  host.CancelModal();
  EXPECT_EQ(selected, controls.Selection(kWindowsList));
}

}  // namespace
}  // namespace grill
