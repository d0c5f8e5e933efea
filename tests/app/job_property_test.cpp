// Random sessions through the dialog in memory: what is saved opens again
// as the same job, and the undo history takes every change back and makes
// it again exactly.

#include <gtest/gtest.h>

#include <random>

#include "job_run.h"

namespace grill::testing {
namespace {

// Plays random commands as a user clicks them, refusals included.
class RandomUser {
 public:
  RandomUser(JobRun& run, unsigned seed) : run_(run), random_(seed) {}

  void Play(int commands) {
    for (int i = 0; i < commands; ++i) {
      Step();
    }
  }

 private:
  int Pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random_); }
  int Scale() { return run_.Document().DisplayUnit() == Unit::Millimetres ? 25 : 1; }

  void SelectSome(int list) {
    const int count = run_.controls.EntryCount(list);
    if (count > 0) {
      run_.controls.SetSelection(list, Pick(count));
    }
  }

  void Step() {
    MemoryControls& c = run_.controls;
    switch (Pick(14)) {
      case 0:
      case 1:
        // Window sizes a shop makes, in the dialog's unit, so that their pieces can be cut.
        run_.NewDesign("D" + std::to_string(Pick(12)), std::to_string((20 + Pick(40)) * Scale()),
                       std::to_string((15 + Pick(30)) * Scale()), std::to_string(Pick(5)),
                       std::to_string(Pick(5)));
        break;
      case 2:
        SelectSome(kWindowsList);
        run_.Click(kDeleteButton);
        break;
      case 3:
        if (c.EntryCount(kWindowsList) > 0) {
          SelectSome(kWindowsList);
          run_.dialog.Dispatch(kWindowsList, Notification::SelectionChanged);
        }
        break;
      case 4: {
        SelectSome(kHorzList);
        SelectSome(kVertList);
        static constexpr int kButtons[] = {kHorzPlusButton,  kHorzMinusButton,  kVertPlusButton,
                                           kVertMinusButton, kHorzRemoveButton, kVertRemoveButton};
        run_.Click(kButtons[Pick(6)]);
        break;
      }
      case 5:
        c.SetText(kHorzEdit, std::to_string(1 + Pick(20)));
        run_.Click(Pick(2) == 0 ? kHorzInsertButton : kHorzEditButton);
        break;
      case 6: {
        SelectSome(kHorzList);
        SelectSome(kVertList);
        static constexpr int kButtons[] = {kRespaceAboveButton,    kRespaceBelowButton,
                                           kRespaceLeftButton,     kRespaceRightButton,
                                           kHorzSliderAlignButton, kVertSliderAlignButton,
                                           kHorzSetSpacingButton,  kVertSetSpacingButton};
        c.SetText(kVertEdit, std::to_string(1 + Pick(5)));
        run_.Click(kButtons[Pick(8)]);
        break;
      }
      case 7:
        run_.Click(Pick(2) == 0 ? kInchesRadio : kMillimetresRadio);
        break;
      case 8:
        run_.Click(Pick(2) == 0 ? kEqualSpaceRadio : kDividedRadio);
        break;
      case 9:
        Drag();
        break;
      case 10:
        if (run_.dialog.CanOpenWindowEditor()) {
          run_.dialog.OpenWindowEditor();
          MemoryControls* editor = run_.host.ModalControls();
          editor->SetText(kEditorNameEdit, "E" + std::to_string(Pick(6)));
          editor->SetText(kEditorVertBarsEdit, std::to_string(Pick(4)));
          if (!run_.host.ClickModalOk()) {
            run_.host.CancelModal();
          }
        }
        break;
      case 11:
        c.SetText(kQuantityEdit, std::to_string(Pick(4)));
        c.SetSelection(kInsideColorCombo, Pick(2));
        CommitExportSettingsThroughTheButton();
        break;
      case 12:
        run_.Job().Undo();
        break;
      case 13:
        run_.Job().Redo();
        break;
    }
  }

  // Process Data without writing files: the export folder cannot be made,
  // so only its settings step remains.
  void CommitExportSettingsThroughTheButton() { run_.Click(kProcessDataButton); }

  void Drag() {
    const int x = 10 + Pick(270);
    const int y = 10 + Pick(270);
    run_.dialog.OnCanvasLButtonDown(kMouseLeft, x, y);
    for (int k = 0; k < 3; ++k) {
      run_.dialog.OnCanvasMouseMove(kMouseLeft, x + Pick(40) - 20, y + Pick(40) - 20);
    }
    run_.dialog.OnCanvasLButtonUp(0, x, y);
    if (Pick(2) == 0) {
      run_.dialog.OnCanvasMouseMove(kMouseRight, x, y);
      run_.dialog.OnCanvasMouseMove(kMouseRight, x + 30, y);
      run_.dialog.OnCanvasMouseMove(0, x + 30, y);
    }
  }

  JobRun& run_;
  std::mt19937 random_;
};

constexpr int kSessions = 300;

// The job without its current design: selecting a design makes no step.
std::string DesignsText(const JobRun& run) {
  Job job = JobOf(run.Document());
  job.current.reset();
  return FormatJob(job);
}

TEST(JobProperties, SaveOpenSaveGivesTheIdenticalFile) {
  std::size_t designs = 0;
  for (unsigned seed = 1; seed <= kSessions; ++seed) {
    Machine machine;
    std::string first;
    std::vector<std::string> names;
    {
      JobRun run(machine, "/one");
      machine.files.failCreateFolders = true;  // no export run writes anything
      RandomUser(run, seed).Play(40);
      ASSERT_TRUE(run.Job().SaveAs("a.grilljob")) << "seed " << seed;
      first = machine.files.Content("a.grilljob");
      names = run.Names();
    }
    machine.files.failCreateFolders = false;  // the state folder of the fresh run
    JobRun fresh(machine, "/two");
    fresh.Job().Open("a.grilljob");
    // Random drags leave bars out of order, which no export takes: opening names them.
    ASSERT_LE(fresh.messages.size(), 1u) << "seed " << seed;
    if (!fresh.messages.empty()) {
      ASSERT_EQ(fresh.messages[0].rfind("These designs cannot be cut", 0), 0u)
          << "seed " << seed << ": " << fresh.messages[0];
    }
    ASSERT_TRUE(fresh.Job().SaveAs("b.grilljob"));
    ASSERT_EQ(machine.files.Content("b.grilljob"), first) << "seed " << seed;
    EXPECT_EQ(fresh.Names(), names);
    EXPECT_FALSE(fresh.Job().Modified());
    designs += names.size();
  }
  // The sessions build jobs worth the name.
  EXPECT_GT(designs, 2u * kSessions);
}

TEST(JobProperties, UndoingEveryStepLeavesNoDesignAndRedoingRebuildsTheJob) {
  for (unsigned seed = 1; seed <= kSessions; ++seed) {
    Machine machine;
    JobRun run(machine);
    machine.files.failCreateFolders = true;
    RandomUser(run, seed).Play(40);
    const std::string done = DesignsText(run);
    // The steps a random undo left ahead, redone now and undone at the end.
    int ahead = 0;
    for (; run.Job().RedoText(); ++ahead) {
      run.Job().Redo();
    }
    while (run.Job().UndoText()) {
      run.Job().Undo();
    }
    ASSERT_TRUE(run.Document().Designs().empty()) << "seed " << seed;
    EXPECT_EQ(run.Document().Current(), nullptr);
    while (run.Job().RedoText()) {
      run.Job().Redo();
    }
    for (int i = 0; i < ahead; ++i) {
      run.Job().Undo();
    }
    ASSERT_EQ(DesignsText(run), done) << "seed " << seed;
  }
}

}  // namespace
}  // namespace grill::testing
