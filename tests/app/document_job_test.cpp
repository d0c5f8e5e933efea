// The document as the one owner of the job, seen through the dialog: a drag
// is one step, nudges of one bar join, undo names steps in words, the job's
// properties count as unsaved only while they differ from the saved job, and
// a drag under way when the designer ends reaches the recovery copy.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "job_run.h"
#include "platform/Drawing.h"

namespace grill::testing {
namespace {

using ::testing::IsEmpty;

// Presses the handle of horizontal bar 1 of the current design, moves it by
// each of `moves` pixels in turn and, when `release`, lets it go.
void DragBar(JobRun& run, const std::vector<int>& moves, bool release = true) {
  const GrillCanvas& canvas = run.dialog.View().Canvas();
  const int y = canvas.py(run.Document().Current()->horzPos[1]);
  run.dialog.OnCanvasLButtonDown(kMouseLeft, 5, y);
  for (int move : moves) {
    run.dialog.OnCanvasMouseMove(kMouseLeft, 5, y + move);
  }
  if (release) {
    run.dialog.OnCanvasLButtonUp(0, 5, y + (moves.empty() ? 0 : moves.back()));
  }
}

std::string UndoText(JobRun& run) {
  return run.Job().UndoText().value_or("none");
}

TEST(DocumentJob, ADragIsOneStepAndAPressWithoutAMoveIsNone) {
  struct Case {
    const char* what;
    std::vector<int> moves;
    const char* undo;
    bool modified;
  };
  const Case cases[] = {
      {"one move", {30}, "Undo Drag Bar", true},
      {"many moves", {5, 10, 20, 40}, "Undo Drag Bar", true},
      {"no move", {}, "Undo New Kitchen", false},
  };
  for (const Case& c : cases) {
    Machine machine;
    JobRun run(machine);
    run.NewDesign("Kitchen");
    run.Job().SaveAs("k.grilljob");
    const double before = run.Document().Current()->horzPos[1];
    DragBar(run, c.moves);
    EXPECT_EQ(UndoText(run), c.undo) << c.what;
    EXPECT_EQ(run.Job().Modified(), c.modified) << c.what;
    EXPECT_EQ(run.host.titleModified, c.modified) << c.what;
    run.Job().Undo();
    EXPECT_EQ(run.Document().Current() == nullptr ? 0.0 : run.Document().Current()->horzPos[1],
              c.modified ? before : 0.0)
        << c.what;
  }
}

TEST(DocumentJob, NudgesOfOneBarJoinIntoOneStepNamedInWords) {
  Machine machine;
  JobRun run(machine);
  run.NewDesign("Kitchen");
  const GrillWindow original = *run.Document().Current();
  SelectBar(run, kHorzList, 1);
  run.controls.SetText(kHorzEdit, "1");
  for (int i = 0; i < 3; ++i) {
    run.Click(kHorzPlusButton);
  }
  EXPECT_EQ(UndoText(run), "Undo Nudge Bar 2 Down");
  run.Job().Undo();
  EXPECT_EQ(*run.Document().Current(), original);
  EXPECT_EQ(UndoText(run), "Undo New Kitchen");

  run.Job().Redo();
  SelectBar(run, kHorzList, 1);  // the lists were shown afresh
  run.Click(kHorzMinusButton);
  EXPECT_EQ(UndoText(run), "Undo Nudge Bar 2");  // down and up, one step
  run.Click(kHorzMinusButton);
  run.Click(kHorzMinusButton);
  EXPECT_EQ(UndoText(run), "Undo New Kitchen");  // back where it began: no step

  run.Click(kHorzMinusButton);
  EXPECT_EQ(UndoText(run), "Undo Nudge Bar 2 Up");
  SelectBar(run, kVertList, 0);
  run.controls.SetText(kVertEdit, "1");
  run.Click(kVertPlusButton);
  EXPECT_EQ(UndoText(run), "Undo Nudge Bar 1 Right");
  run.Click(kVertEditButton);
  EXPECT_EQ(UndoText(run), "Undo Edit Bar Position");
}

// Every step has a name in words, whatever command made it.
TEST(DocumentJob, EveryStepIsNamedInWords) {
  struct Case {
    const char* what;
    std::function<void(JobRun&)> command;
    const char* undo;
  };
  const Case cases[] = {
      {"insert",
       [](JobRun& r) {
         r.controls.SetText(kHorzEdit, "3");
         r.Click(kHorzInsertButton);
       },
       "Undo Insert Bar"},
      {"remove",
       [](JobRun& r) {
         SelectBar(r, kHorzList, 0);
         r.Click(kHorzRemoveButton);
       },
       "Undo Remove Bar"},
      {"respace",
       [](JobRun& r) {
         SelectBar(r, kHorzList, 1);
         r.Click(kRespaceAboveButton);
       },
       "Undo Respace Bars"},
      {"edit",
       [](JobRun& r) {
         SelectBar(r, kVertList, 0);
         r.controls.SetText(kVertEdit, "5");
         r.Click(kVertEditButton);
       },
       "Undo Edit Bar Position"},
  };
  for (const Case& c : cases) {
    Machine machine;
    JobRun run(machine);
    run.NewDesign("Kitchen");
    c.command(run);
    EXPECT_THAT(run.messages, IsEmpty()) << c.what;
    EXPECT_EQ(UndoText(run), c.undo) << c.what;
  }
}

// The unit, the spacing mode and the Master File name are unsaved changes
// only while they differ from the saved job.
TEST(DocumentJob, PropertiesSetBackAsSavedLeaveTheJobUnmodified) {
  struct Case {
    const char* what;
    std::function<void(JobRun&)> change;
    bool modified;
  };
  const Case cases[] = {
      {"mm", [](JobRun& r) { r.Click(kMillimetresRadio); }, true},
      {"mm and back",
       [](JobRun& r) {
         r.Click(kMillimetresRadio);
         r.Click(kInchesRadio);
       },
       false},
      {"divided", [](JobRun& r) { r.Click(kDividedRadio); }, true},
      {"divided and back",
       [](JobRun& r) {
         r.Click(kDividedRadio);
         r.Click(kEqualSpaceRadio);
       },
       false},
      {"master file typed", [](JobRun& r) { r.TypeMasterFile("ORDER-1"); }, true},
      {"master file typed and erased",
       [](JobRun& r) {
         r.TypeMasterFile("ORDER-1");
         r.TypeMasterFile("");
       },
       false},
      {"a nudge undone with the unit set back",
       [](JobRun& r) {
         r.Click(kMillimetresRadio);
         SelectBar(r, kHorzList, 0);
         r.controls.SetText(kHorzEdit, "1");
         r.Click(kHorzPlusButton);
         r.Job().Undo();
         r.Click(kInchesRadio);
       },
       false},
  };
  for (const Case& c : cases) {
    Machine machine;
    JobRun run(machine);
    run.NewDesign("Kitchen");
    run.Job().SaveAs("k.grilljob");
    c.change(run);
    EXPECT_EQ(run.Job().Modified(), c.modified) << c.what;
    EXPECT_EQ(run.host.titleModified, c.modified) << c.what;
    // A run killed now comes back with the same mark.
    Machine after;
    after.files.contents = machine.files.contents;
    after.files.folders = machine.files.folders;
    JobRun again(after);
    EXPECT_EQ(again.JobText(), run.JobText()) << c.what;
  }
}

// Escape, the close box and Quit (which ends as Escape does) commit a drag
// under way, so the next start has it.
TEST(DocumentJob, ADragUnderWayWhenTheDesignerEndsIsRestored) {
  struct Case {
    const char* what;
    std::function<void(JobRun&)> end;
  };
  const Case cases[] = {
      {"escape", [](JobRun& r) { r.dialog.OnCancel(); }},
      {"close box", [](JobRun& r) { r.dialog.OnSysCommand(kCloseCommand); }},
  };
  for (const Case& c : cases) {
    Machine machine;
    std::string dragged;
    double position = 0;
    {
      JobRun run(machine);
      run.NewDesign("Kitchen");
      DragBar(run, {25}, false);
      position = run.Document().Current()->horzPos[1];
      dragged = run.JobText();
      c.end(run);
      EXPECT_EQ(UndoText(run), "Undo Drag Bar") << c.what;
    }
    JobRun again(machine);
    EXPECT_EQ(again.JobText(), dragged) << c.what;
    ASSERT_NE(again.Document().Current(), nullptr) << c.what;
    EXPECT_EQ(again.Document().Current()->horzPos[1], position) << c.what;
  }
}

// New Job shows an empty job: no bar lists nor size line of the last design.
TEST(DocumentJob, NewJobClearsTheBarListsAndTheSizeLine) {
  Machine machine;
  JobRun run(machine);
  const std::string note = run.controls.Text(kNoteText);
  run.NewDesign("Kitchen");
  ASSERT_FALSE(run.controls.Entries(kHorzList).empty());
  run.host.answer = SaveAnswer::Discard;
  run.Job().NewJob();
  EXPECT_THAT(run.controls.Entries(kHorzList), IsEmpty());
  EXPECT_THAT(run.controls.Entries(kVertList), IsEmpty());
  EXPECT_THAT(run.controls.Entries(kWindowsList), IsEmpty());
  EXPECT_EQ(run.controls.Text(kNoteText), note);
  EXPECT_FALSE(run.Job().Modified());
}

}  // namespace
}  // namespace grill::testing
