#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "ExportFixture.h"
#include "export/JobFolder.h"

namespace grill::testing_export {
namespace {

using Contents = std::map<std::string, std::string>;

const std::string kRecord(kRunRecordName);

// Process All of a saved job "Smith" with one folder per job, its questions recorded.
class JobFolderTest : public ExportTest {
 protected:
  JobFolderTest() {
    services.layout = ExportLayout::kFolderPerJob;
    services.jobPath = "/jobs/Smith.grilljob";
    host.onQuestion = [this](const std::string& question) { questions.push_back(question); };
  }

  std::string JobPath(const std::string& name) const { return kJobFolder + "/" + name; }
  std::vector<std::string> JobFiles() {
    std::vector<std::string> names =
        files.RegularFilesIn(kJobFolder).value_or(std::vector<std::string>{});
    std::sort(names.begin(), names.end());
    return names;
  }
  void TwoDesigns() {
    AddDesign("W1", 1000, 800, {500}, {400});
    AddDesign("W2", 1000, 800, {500}, {400}).edgeType = &state.config.edgeTypes[1];
  }
  // The run of `TwoDesigns` at 14:05:09 on 6 December, then the clock an hour on.
  void EarlierRun() {
    TwoDesigns();
    ProcessAll(state, controls, services);
    ASSERT_EQ(LastMessage(), "Files Exported to " + kJobFolder);
    clock.now.hour = 15;
    controls.ClearMessages();
  }

  const std::string kJobFolder = kFolder + "/Smith";
  std::vector<std::string> questions;
};

TEST_F(JobFolderTest, ProcessAllWritesIntoTheJobsFolderWithARecordOfTheSet) {
  TwoDesigns();
  ProcessAll(state, controls, services);

  EXPECT_EQ(LastMessage(), "Files Exported to " + kJobFolder);
  EXPECT_TRUE(files.IsFolder(kJobFolder));
  const std::vector<std::string> expected = {kRecord,
                                             "W1_BarMaster_6_11_14_5_9.csv",
                                             "W1_E1.csv",
                                             "W1_EdgeMaster_6_11_14_5_9.csv",
                                             "W1_GB_01_H_W_6_11_14_5_9.csv",
                                             "W2_E2.csv"};
  EXPECT_EQ(JobFiles(), expected);
  EXPECT_EQ(files.Content(JobPath(kRecord)),
            "Varnel Grill Designer run\n"
            "sent 2026-12-06\n"
            "file W1_EdgeMaster_6_11_14_5_9.csv\n"
            "file W1_BarMaster_6_11_14_5_9.csv\n"
            "file W1_E1.csv\n"
            "file W1_GB_01_H_W_6_11_14_5_9.csv\n"
            "file W2_E2.csv\n");
  EXPECT_TRUE(questions.empty());
  // Nothing lands in the export folder itself.
  EXPECT_EQ(files.RegularFilesIn(kFolder)->size(), 0u);
}

// The same designs give the same bytes as a run into the export folder.
TEST_F(JobFolderTest, TheFilesAreThoseOfARunIntoTheExportFolder) {
  ExportSetup plain;
  plain.AddDesign("W1", 1000, 800, {500}, {400});
  ProcessAll(plain.state, plain.controls, plain.services);
  AddDesign("W1", 1000, 800, {500}, {400});
  ProcessAll(state, controls, services);
  for (const auto& [path, bytes] : plain.files.contents) {
    const std::string name = path.substr(kFolder.size() + 1);
    EXPECT_EQ(files.Content(JobPath(name)), bytes) << name;
  }
  EXPECT_EQ(plain.files.Exists(plain.PathOf(kRecord)), false);
}

TEST_F(JobFolderTest, TheFolderIsNamedAfterTheJobFileOrTheMasterName) {
  struct Case {
    const char* jobPath;
    const char* masterFile;
    const char* folder;
  };
  const Case cases[] = {
      {"/jobs/Smith.grilljob", "", "Smith"},
      {"/jobs/Smith & Sons 2026.grilljob", "Order", "Smith & Sons 2026"},
      {"", "Order 17", "Order 17"},  // unsaved: the Master File
      {"", "", "W1"},                // unsaved, no Master File: the first design
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.folder);
    ExportSetup setup;
    setup.services.layout = ExportLayout::kFolderPerJob;
    setup.services.jobPath = c.jobPath;
    setup.state.document.SetMasterFile(c.masterFile);
    setup.AddDesign("W1", 1000, 800, {500}, {400});
    ProcessAll(setup.state, setup.controls, setup.services);
    EXPECT_EQ(setup.LastMessage(), "Files Exported to " + setup.kFolder + "/" + c.folder);
  }
}

TEST_F(JobFolderTest, AnEarlierRunIsReplacedAsOneSetAfterYes) {
  EarlierRun();
  // W2 was removed since; the bar file's stamp changes with the hour.
  DocumentSetUp::Records(state.document).Remove(1);
  state.document.SetFocus({0, std::nullopt});
  host.answerYes = true;
  ProcessAll(state, controls, services);

  EXPECT_EQ(questions,
            std::vector<std::string>{"Smith was sent to the saw on 2026-12-06. Send again?"});
  EXPECT_EQ(LastMessage(), "Files Exported to " + kJobFolder);
  const std::vector<std::string> expected = {kRecord, "W1_BarMaster_6_11_15_5_9.csv", "W1_E1.csv",
                                             "W1_EdgeMaster_6_11_15_5_9.csv",
                                             "W1_GB_01_H_W_6_11_15_5_9.csv"};
  EXPECT_EQ(JobFiles(), expected);
  for (const auto& [path, bytes] : files.contents) {
    EXPECT_EQ(path.find(".tmp"), std::string::npos) << path;
  }
}

TEST_F(JobFolderTest, NoLeavesEveryFileUntouched) {
  EarlierRun();
  const Contents earlier = files.contents;
  const size_t eventsBefore = files.events.size();
  host.answerYes = false;
  ProcessAll(state, controls, services);

  EXPECT_EQ(questions.size(), 1u);
  EXPECT_TRUE(controls.Messages().empty());
  EXPECT_EQ(files.contents, earlier);
  EXPECT_EQ(files.events.size(), eventsBefore);
}

// A refused design stops the run before the question: nothing is asked that cannot be done.
TEST_F(JobFolderTest, ARefusedRunAsksNothing) {
  EarlierRun();
  GrillWindow& broken = AddDesign("W3", 1000, 800, {500}, {400});
  broken.quantity = 0;
  ProcessAll(state, controls, services);
  EXPECT_TRUE(questions.empty());
  ASSERT_EQ(controls.Messages().size(), 1u);
}

TEST_F(JobFolderTest, WithoutARecordTheCutFilesAreTheEarlierRunDatedByTheirTime) {
  files.folders.insert(kJobFolder);
  files.contents[JobPath("old_E1.csv")] = "old";
  files.contents[JobPath("notes.txt")] = "the shop's own";
  files.modified[JobPath("old_E1.csv")] = LocalTime{2026, 10, 30, 9, 0, 0};
  AddDesign("W1", 1000, 800, {500}, {400});
  host.answerYes = true;
  ProcessAll(state, controls, services);

  EXPECT_EQ(questions,
            std::vector<std::string>{"Smith was sent to the saw on 2026-11-30. Send again?"});
  EXPECT_FALSE(files.Exists(JobPath("old_E1.csv")));
  EXPECT_EQ(files.Content(JobPath("notes.txt")), "the shop's own");
}

TEST_F(JobFolderTest, FilesWithoutATimeAndWithoutARecordAreOfAnUnknownDay) {
  files.folders.insert(kJobFolder);
  files.contents[JobPath("old_E1.csv")] = "old";
  AddDesign("W1", 1000, 800, {500}, {400});
  ProcessAll(state, controls, services);
  EXPECT_EQ(questions,
            std::vector<std::string>{"Smith was sent to the saw on an unknown day. Send again?"});
}

// Every fault at every step of the replacing run leaves the earlier run, its record
// among it, byte for byte and no temporary. Counting up until a run passes without
// meeting its fault covers every step.
TEST_F(JobFolderTest, EveryFaultAtEveryStepLeavesTheEarlierRunWhole) {
  EarlierRun();
  const Contents earlier = files.contents;
  const std::vector<std::pair<const char*, int MemoryFiles::*>> faults = {
      {"create", &MemoryFiles::failCreateAt}, {"append", &MemoryFiles::failAppendAt},
      {"write", &MemoryFiles::failWriteAt},   {"flush", &MemoryFiles::failFlushAt},
      {"close", &MemoryFiles::failCloseAt},   {"rename", &MemoryFiles::failRenameAt},
  };
  for (const auto& [step, failAt] : faults) {
    int faultsMet = 0;
    for (int at = 1; at < 1000; ++at) {
      SCOPED_TRACE(std::string(step) + " " + std::to_string(at));
      ExportSetup setup;
      setup.services.layout = ExportLayout::kFolderPerJob;
      setup.services.jobPath = services.jobPath;
      setup.host.answerYes = true;
      setup.clock.now.hour = 15;
      setup.files.folders = files.folders;
      setup.files.contents = earlier;
      setup.AddDesign("W1", 1000, 800, {500}, {400});  // W2 removed since
      setup.files.*failAt = at;
      ProcessAll(setup.state, setup.controls, setup.services);
      ASSERT_EQ(setup.controls.Messages().size(), 1u);
      const std::string& message = setup.controls.Messages()[0];
      EXPECT_EQ(setup.files.OpenCount(), 0);
      if (message.rfind("Files Exported", 0) == 0) {
        EXPECT_FALSE(setup.files.Exists(JobPath("W2_E2.csv")));
        break;
      }
      ++faultsMet;
      EXPECT_EQ(message.rfind("File Error: " + kJobFolder + "/", 0), 0u) << message;
      EXPECT_EQ(setup.files.contents, earlier);
    }
    EXPECT_GT(faultsMet, 0) << step;
  }
}

TEST_F(JobFolderTest, CancelLeavesTheEarlierRun) {
  EarlierRun();
  const Contents earlier = files.contents;
  host.answerYes = true;
  host.cancelAfterUpdates = 1;
  ProcessAll(state, controls, services);
  EXPECT_EQ(controls.Messages(), std::vector<std::string>{"Export Cancelled"});
  EXPECT_EQ(files.contents, earlier);
}

// The job file's name may hold what no file name of the run may: the folder is refused then.
TEST_F(JobFolderTest, UnsafeNamesAreRefusedBeforeAnyFileIsMade) {
  struct Case {
    const char* jobPath;
    const char* message;
  };
  const Case cases[] = {
      {"/jobs/...grilljob", "Invalid Job Folder Name: \"..\" would lead out of the export folder"},
      {"/jobs/..grilljob", "Invalid Job Folder Name: \".\" would lead out of the export folder"},
      {"/jobs/a..b.grilljob",
       "Invalid Job Folder Name: \"a..b\" would lead out of the export folder"},
      {"/jobs/a\\b.grilljob", "Invalid Job Folder Name: \"a\\b\" holds a path separator"},
      {"/jobs/Tab\there.grilljob", "Invalid Job Folder Name: the name holds a control character"},
      {"/jobs/  .grilljob", "Invalid Job Folder Name: the name is blank"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.jobPath);
    ExportSetup setup;
    setup.services.layout = ExportLayout::kFolderPerJob;
    setup.services.jobPath = c.jobPath;
    setup.AddDesign("W1", 1000, 800, {500}, {400});
    ProcessAll(setup.state, setup.controls, setup.services);
    EXPECT_EQ(setup.controls.Messages(), std::vector<std::string>{c.message});
    EXPECT_TRUE(setup.files.events.empty());
    EXPECT_TRUE(setup.files.folders.empty());
  }
  EXPECT_EQ(JobFolderNameRefusal("a/b"), "Invalid Job Folder Name: \"a/b\" holds a path separator");
  EXPECT_EQ(JobFolderNameRefusal("Smith & Sons, 12.5"), std::nullopt);
}

// A link in place of the job folder would take the files elsewhere: refused, not followed.
TEST_F(JobFolderTest, ALinkInPlaceOfTheJobFolderIsRefused) {
  files.folders.insert(kFolder);
  files.links.insert(kJobFolder);
  AddDesign("W1", 1000, 800, {500}, {400});
  ProcessAll(state, controls, services);
  EXPECT_EQ(controls.Messages(),
            std::vector<std::string>{"File Error: " + kJobFolder + ": Not a directory"});
  EXPECT_TRUE(files.events.empty());
}

// A record written by hand or damaged never names a file outside the job folder: the
// earlier run is then taken from the folder's cut files.
TEST_F(JobFolderTest, ARecordNamingFilesElsewhereRemovesNothingThere) {
  files.folders = {kFolder, kJobFolder};
  files.contents[kFolder + "/Other_E1.csv"] = "another job's";
  files.contents[JobPath(kRecord)] =
      "Varnel Grill Designer run\nsent 2026-12-01\nfile ../Other_E1.csv\n";
  AddDesign("W1", 1000, 800, {500}, {400});
  host.answerYes = true;
  ProcessAll(state, controls, services);
  EXPECT_EQ(LastMessage(), "Files Exported to " + kJobFolder);
  EXPECT_EQ(files.Content(kFolder + "/Other_E1.csv"), "another job's");
}

TEST(RunRecordTest, OnlyARecordOfPlainNamesAndADayIsRead) {
  struct Case {
    const char* text;
    bool read;
  };
  const Case cases[] = {
      {"Varnel Grill Designer run\nsent 2026-12-01\nfile A.csv\nfile B.csv\n", true},
      {"Varnel Grill Designer run\nsent 2026-12-01\n", true},
      {"Varnel Grill Designer run\nsent 2026-12-01\nfile A.csv", true},
      {"Varnel Grill Designer run\nsent 2026-12-01\nfile A..B_E1.csv\n", true},
      {"", false},
      {"Varnel Grill Designer run\n", false},
      {"something else\nsent 2026-12-01\n", false},
      {"Varnel Grill Designer run\nsent 1 December\n", false},
      {"Varnel Grill Designer run\nsent 2026-12-01\nfile /etc/passwd\n", false},
      {"Varnel Grill Designer run\nsent 2026-12-01\nfile ..\n", false},
      {"Varnel Grill Designer run\nsent 2026-12-01\nfile .sent-to-saw\n", false},
      {"Varnel Grill Designer run\nsent 2026-12-01\nfile a\x01.csv\n", false},
      {"Varnel Grill Designer run\nsent 2026-12-01\nremove A.csv\n", false},
      {"Varnel Grill Designer run\nsent 2026-12-01\nfile\n", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(ParseRunRecord(c.text).has_value(), c.read);
  }
  const std::optional<EarlierRun> run =
      ParseRunRecord(RunRecordText("2026-12-01", {"A.csv", "B C.csv"}));
  ASSERT_TRUE(run.has_value());
  EXPECT_EQ(run->date, "2026-12-01");
  EXPECT_EQ(run->files, (std::vector<std::string>{"A.csv", "B C.csv"}));
}

}  // namespace
}  // namespace grill::testing_export
