#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <ostream>
#include <sstream>

#include "app/GrillDesignerDlg.h"
#include "app/MainDialogTemplate.h"
#include "platform/ControlIds.h"
#include "platform/Files.h"
#include "testing/MemoryControls.h"
#include "testing/MemoryHost.h"
#include "testing/RecordingDrawing.h"
#include "testing/SettableClock.h"

namespace grill {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// The main dialog after a start without MenuConfig.txt: it has asked to end,
// but its state can still be set and painted.
class PaintTest : public ::testing::Test {
 protected:
  PaintTest()
      : dialog(DesignerServices{controls, host, files, clock, "", "no-such-folder/MenuConfig.txt",
                                log}) {
    dialog.OnInitDialog();
  }

  // Makes a 1000 by 500 mm design with a vertical bar at 250 mm and a
  // horizontal bar at 50 mm current, as showing a design does.
  const GrillWindow& ShowDesign() {
    GrillWindow window;
    window.innerWidth = 1000;
    window.innerHeight = 500;
    window.horzCount = 1;
    window.horzPos = {0, 50, 500};
    window.vertCount = 1;
    window.vertPos = {0, 250, 1000};
    DesignDocument& document = dialog.State().document;
    document.Commit(AddDesign(document, window));
    return *document.Current();
  }

  void Paint() {
    dialogDc.operations.clear();
    canvasDc.operations.clear();
    dialog.OnPaint(dialogDc, canvasDc);
  }

  MemoryControls controls{MainDialogTemplate()};
  MemoryHost host;
  StdFiles files;
  SettableClock clock;
  std::ostringstream log;
  CGrillDesignerDlg dialog;
  RecordingDrawing dialogDc;
  RecordingDrawing canvasDc;
};

TEST_F(PaintTest, WithoutCurrentDesignOnlyTheCanvasAreaIsCleared) {
  Paint();
  EXPECT_THAT(dialogDc.operations, ElementsAre("rect 10 10 300 300"));
  EXPECT_THAT(canvasDc.operations, IsEmpty());
}

TEST_F(PaintTest, CurrentDesignIsDrawnOnTheCanvasAfterTheClearing) {
  ShowDesign();
  Paint();
  EXPECT_THAT(dialogDc.operations, ElementsAre("rect 10 10 300 300"));
  EXPECT_THAT(
      canvasDc.operations,
      ElementsAre(
          // Outline.
          "moveto 10 10", "lineto 280 10", "lineto 280 145", "lineto 10 145", "lineto 10 10",
          // Vertical bar 1 in row bands 0 and 1.
          "moveto 77 10", "lineto 77 23", "moveto 77 23", "lineto 77 145",
          // Horizontal bar 1 in column bands 0 and 1.
          "moveto 10 23", "lineto 77 23", "moveto 77 23", "lineto 280 23",
          // Handles: horizontal, then vertical.
          "rect 3 21 7 25", "rect 75 3 79 7"));
}

// How a drag of the horizontal bar from y 23 to y 100 is let go.
struct DragEnding {
  const char* label;
  void (CGrillDesignerDlg::*handler)(unsigned, int, int);
  unsigned flags;
};

void PrintTo(const DragEnding& ending, std::ostream* out) {
  *out << ending.label;
}

class DragEndTest : public PaintTest, public ::testing::WithParamInterface<DragEnding> {};

// The form follows the drag as it follows every change of the design, and
// the drag is one step however it is let go.
TEST_P(DragEndTest, TheFormFollowsTheDragAndOneStepIsMade) {
  const GrillWindow& window = ShowDesign();
  controls.SetSelection(kHorzList, 0);
  controls.SetSelection(kVertList, 0);
  controls.SetText(kWidthEdit, "typed");
  const DesignChange* lastStep = dialog.State().document.History().NextUndo();
  const int invalidationsBefore = controls.Invalidations();

  dialog.OnCanvasLButtonDown(kMouseLeft, 5, 23);
  dialog.OnCanvasMouseMove(kMouseLeft, 5, 100);
  // While the button is held the list shows the bar where it is, snapped.
  EXPECT_THAT(controls.Entries(kHorzList), ElementsAre("13.125000"));
  EXPECT_EQ(dialog.State().document.History().NextUndo(), lastStep);
  (dialog.*GetParam().handler)(GetParam().flags, 5, 100);

  // The pointer stands at 333.33 mm; the bar snaps to the nearest 1/16".
  EXPECT_DOUBLE_EQ(window.horzPos[1], 13.125 * 25.4);
  EXPECT_THAT(controls.Entries(kHorzList), ElementsAre("13.125000"));
  EXPECT_EQ(controls.Selection(kHorzList), -1);
  EXPECT_THAT(controls.Entries(kVertList), ElementsAre("9.842520"));
  EXPECT_EQ(controls.Selection(kVertList), -1);
  EXPECT_NE(controls.Text(kWidthEdit), "typed");
  EXPECT_GT(controls.Invalidations(), invalidationsBefore);
  ASSERT_NE(dialog.State().document.History().NextUndo(), lastStep);
  EXPECT_EQ(dialog.State().document.History().NextUndo()->label, "Drag Bar");
  Paint();
  EXPECT_THAT(canvasDc.operations, ::testing::Contains("rect 3 98 7 102"));
}

INSTANTIATE_TEST_SUITE_P(
    Endings, DragEndTest,
    ::testing::Values(DragEnding{"ButtonUp", &CGrillDesignerDlg::OnCanvasLButtonUp, 0},
                      DragEnding{"MoveWithoutButton", &CGrillDesignerDlg::OnCanvasMouseMove, 0}),
    [](const ::testing::TestParamInfo<DragEnding>& testCase) { return testCase.param.label; });

// A press on a handle let go without a move is a drag that changed nothing: no step,
// and the form as it was.
TEST_F(PaintTest, HandleReleasedWithoutAMoveEndsLikeADrag) {
  ShowDesign();
  controls.SetSelection(kHorzList, 0);
  controls.SetSelection(kVertList, 0);
  const DesignChange* lastStep = dialog.State().document.History().NextUndo();

  dialog.OnCanvasLButtonDown(kMouseLeft, 5, 23);
  dialog.OnCanvasLButtonUp(0, 5, 23);

  EXPECT_EQ(controls.Selection(kHorzList), 0);
  EXPECT_EQ(controls.Selection(kVertList), 0);
  EXPECT_EQ(dialog.State().document.History().NextUndo(), lastStep);
}

// A segment stroke is a change like any other: the lists are shown afresh.
TEST_F(PaintTest, ShapingASegmentIsOneStepShownAsAnyChange) {
  const GrillWindow& window = ShowDesign();
  controls.SetSelection(kVertList, 0);

  dialog.OnCanvasMouseMove(kMouseRight, 70, 60);
  dialog.OnCanvasMouseMove(kMouseRight, 85, 60);
  dialog.OnCanvasMouseMove(0, 85, 60);

  EXPECT_EQ(window.vertSegments[1][1], 0);
  EXPECT_EQ(controls.Selection(kVertList), -1);
  EXPECT_EQ(dialog.State().document.History().NextUndo()->label, "Shape Grill");
}

TEST_F(PaintTest, DesignWithoutAreaIsOnlyTheClearedRectangle) {
  ShowDesign();
  DesignDocument& document = dialog.State().document;
  GrillWindow flat = *document.Current();
  flat.innerWidth = 0;
  document.Commit(ReplaceCurrentDesign(document, "Edit", flat));
  Paint();
  EXPECT_THAT(dialogDc.operations, ElementsAre("rect 10 10 300 300"));
  EXPECT_THAT(canvasDc.operations, IsEmpty());
}

}  // namespace
}  // namespace grill
