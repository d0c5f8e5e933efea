#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "app/ExportLayout.h"
#include "app/ExportSettingsDialog.h"
#include "job_run.h"

namespace grill::testing {
namespace {

class ExportSettingsTest : public ::testing::Test {
 protected:
  // Opens File > Export Settings..., recording the layout it hands on.
  MemoryControls& Open() {
    run_.dialog.OpenExportSettings([this](ExportLayout layout) { kept_.push_back(layout); });
    return *run_.host.ModalControls();
  }

  Machine machine_;
  JobRun run_{machine_};
  std::vector<ExportLayout> kept_;
};

TEST_F(ExportSettingsTest, OkKeepsTheChoiceAndTheDialogShowsItNextTime) {
  MemoryControls& first = Open();
  EXPECT_TRUE(first.IsChecked(kExportFolderRadio));
  EXPECT_FALSE(first.IsChecked(kJobFolderRadio));
  first.ClickRadio(kJobFolderRadio);
  ASSERT_TRUE(run_.host.ClickModalOk());
  EXPECT_EQ(kept_, std::vector<ExportLayout>{ExportLayout::kFolderPerJob});
  EXPECT_EQ(run_.dialog.ExportLayoutInUse(), ExportLayout::kFolderPerJob);

  MemoryControls& second = Open();
  EXPECT_TRUE(second.IsChecked(kJobFolderRadio));
  second.ClickRadio(kExportFolderRadio);
  run_.host.ClickModalOk();
  EXPECT_EQ(run_.dialog.ExportLayoutInUse(), ExportLayout::kExportFolder);
}

TEST_F(ExportSettingsTest, CancelChangesNothing) {
  Open().ClickRadio(kJobFolderRadio);
  run_.host.CancelModal();
  EXPECT_TRUE(kept_.empty());
  EXPECT_EQ(run_.dialog.ExportLayoutInUse(), ExportLayout::kExportFolder);
}

// The main dialog's Process All goes into the folder named after the saved job's file, and
// asks before it replaces what it sent there before.
TEST_F(ExportSettingsTest, ProcessAllOfASavedJobGoesIntoItsFolder) {
  machine_.files.folders.insert("/work/shop");
  run_.NewDesign("Kitchen");
  run_.Job().SaveAs("/work/shop/Smith.grilljob");
  run_.dialog.SetExportLayout(ExportLayout::kFolderPerJob);
  run_.dialog.Dispatch(kProcessAllButton, Notification::Clicked);
  EXPECT_EQ(run_.messages.back(), "Files Exported to export/Smith");
  EXPECT_TRUE(machine_.files.Exists("export/Smith/.sent-to-saw"));

  run_.dialog.Dispatch(kProcessAllButton, Notification::Clicked);
  EXPECT_EQ(run_.questions.back(), "Smith was sent to the saw on 2026-12-06. Send again?");
}

TEST(JobFolderNameTest, TheJobFilesNameWithoutItsExtension) {
  struct Case {
    const char* jobPath;
    const char* folder;
  };
  const Case cases[] = {
      {"/jobs/Smith.grilljob", "Smith"},
      {"/jobs/Smith 12.5.grilljob", "Smith 12.5"},
      {"Smith.grilljob", "Smith"},
      {"/jobs/Smith", "Smith"},
      {"", "Master"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(JobFolderName(c.jobPath, "Master"), c.folder) << c.jobPath;
  }
}

}  // namespace
}  // namespace grill::testing
