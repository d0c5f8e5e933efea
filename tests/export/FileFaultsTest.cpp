#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "ExportFixture.h"

namespace grill::testing_export {
namespace {

const std::string kEdgeMaster = "W1_EdgeMaster_6_11_14_5_9.csv";
const std::string kBarMaster = "W1_BarMaster_6_11_14_5_9.csv";
const std::string kEdgeFile = "W1_E1_6_11_14_5_9.csv";
const std::string kBarFile = "W1_GB_01_H_W__6_11_14_5_9.csv";

class FileFaultsTest : public ExportTest {
 protected:
  // The worked example with quantity 2 through Process Data.
  void RunExample() {
    SelectForProcessData(AddDesign("W1", 1000, 800, {500}, {400}), "2");
    ProcessData(state, controls, services);
  }
  // What the example writes when nothing fails.
  static std::string Full(const std::string& name) {
    ExportSetup clean;
    clean.SelectForProcessData(clean.AddDesign("W1", 1000, 800, {500}, {400}), "2");
    ProcessData(clean.state, clean.controls, clean.services);
    return clean.FileText(name);
  }
  void ExpectFileError(const std::string& name, const std::string& reason) {
    EXPECT_EQ(controls.Messages(),
              std::vector<std::string>{"File Error: " + PathOf(name) + ": " + reason});
    EXPECT_EQ(files.OpenCount(), 0);
  }
};

TEST_F(FileFaultsTest, MasterFileCreationFails) {
  files.failCreateAt = 1;
  RunExample();
  ExpectFileError(kEdgeMaster, "No space left on device");
  EXPECT_TRUE(files.contents.empty());

  files = MemoryFiles();
  files.failCreateAt = 2;
  controls.ClearMessages();
  ProcessData(state, controls, services);
  ExpectFileError(kBarMaster, "No space left on device");
  EXPECT_EQ(files.contents.size(), 1u);
  EXPECT_TRUE(HasFile(kEdgeMaster));
}

TEST_F(FileFaultsTest, MissingFolderIsMadeWithItsParentsOrReported) {
  RunExample();
  EXPECT_EQ(files.folders.count(kFolder), 1u);
  EXPECT_EQ(files.folders.count("/home/user"), 1u);

  ExportSetup failing;
  failing.files.failCreateFolders = true;
  failing.SelectForProcessData(failing.AddDesign("W1", 1000, 800, {500}, {400}));
  ProcessData(failing.state, failing.controls, failing.services);
  EXPECT_EQ(failing.controls.Messages(), std::vector<std::string>{"File Error: " + failing.kFolder +
                                                                  ": No space left on device"});
  EXPECT_TRUE(failing.files.events.empty());
}

TEST_F(FileFaultsTest, DesignFileCannotBeOpened) {
  files.folders.insert(kFolder);
  files.contents[PathOf(kEdgeFile)] = "earlier lines\r\n";
  files.failCreateAt = 3;  // after the two master files
  RunExample();
  ExpectFileError(kEdgeFile, "No space left on device");
  EXPECT_EQ(FileText(kEdgeFile), "earlier lines\r\n");  // never replaced by an empty file
  EXPECT_EQ(FileText(kEdgeMaster), "");
  EXPECT_FALSE(HasFile(kBarFile));

  // With two colours the W file is opened second, after the edge file.
  ExportSetup twoTone;
  GrillWindow& w = twoTone.AddDesign("W1", 1000, 800, {500}, {400});
  w.outsideColor = twoTone.Black();
  twoTone.SelectForProcessData(w);
  twoTone.files.failCreateAt = 4;
  ProcessData(twoTone.state, twoTone.controls, twoTone.services);
  EXPECT_EQ(twoTone.LastMessage(),
            "File Error: " + twoTone.PathOf("W1_GB_01+07_2T_W__6_11_14_5_9.csv") +
                ": No space left on device");
  EXPECT_TRUE(twoTone.HasFile(kEdgeFile));
  EXPECT_FALSE(twoTone.HasFile("W1_GB_01+07_2T_H__6_11_14_5_9.csv"));
  EXPECT_EQ(twoTone.files.OpenCount(), 0);
}

// The example's files are written at their close, in the order bar file,
// edge file, EdgeMaster, BarMaster; each fault leaves the others whole.
// A link planted in the export folder under a file's name is never written
// through: the run ends with a file error there.
TEST_F(FileFaultsTest, LinkInTheExportFolderIsAFileError) {
  for (const std::string& name : {kEdgeMaster, kEdgeFile}) {
    SCOPED_TRACE(name);
    ExportSetup setup;
    setup.files.folders.insert(setup.kFolder);
    setup.files.links.insert(setup.PathOf(name));
    setup.SelectForProcessData(setup.AddDesign("W1", 1000, 800, {500}, {400}));
    ProcessData(setup.state, setup.controls, setup.services);
    EXPECT_EQ(setup.controls.Messages(),
              std::vector<std::string>{"File Error: " + setup.PathOf(name) +
                                       ": Too many levels of symbolic links"});
    EXPECT_FALSE(setup.HasFile(name));
    EXPECT_EQ(setup.files.OpenCount(), 0);
  }
}

TEST_F(FileFaultsTest, FailedWriteOrCloseIsAFileErrorAndKeepsTheRest) {
  struct Case {
    bool failWrite;
    int number;
    std::string failing;
  };
  const Case cases[] = {{true, 1, kBarFile},     {true, 2, kEdgeFile},  {true, 3, kEdgeMaster},
                        {true, 4, kBarMaster},   {false, 1, kBarFile},  {false, 2, kEdgeFile},
                        {false, 3, kEdgeMaster}, {false, 4, kBarMaster}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.failing + (c.failWrite ? " write" : " close"));
    ExportSetup setup;
    (c.failWrite ? setup.files.failWriteAt : setup.files.failCloseAt) = c.number;
    setup.SelectForProcessData(setup.AddDesign("W1", 1000, 800, {500}, {400}), "2");
    ProcessData(setup.state, setup.controls, setup.services);
    EXPECT_EQ(setup.controls.Messages(),
              std::vector<std::string>{"File Error: " + setup.PathOf(c.failing) +
                                       ": No space left on device"});
    EXPECT_EQ(setup.files.OpenCount(), 0);
    for (const std::string& name : {kBarFile, kEdgeFile, kEdgeMaster, kBarMaster}) {
      const bool lost = c.failWrite && name == c.failing;
      EXPECT_EQ(setup.FileText(name), lost ? "" : Full(name)) << name;
    }
  }
}

TEST_F(FileFaultsTest, WriteFailingMidRunStopsAndKeepsTheEarlierChunks) {
  files.failWriteAt = 2;
  SelectForProcessData(AddDesign("W1", 1000, 800, {500}, {400}), "3000");
  ProcessData(state, controls, services);
  ASSERT_EQ(controls.Messages().size(), 1u);
  EXPECT_EQ(controls.Messages()[0].rfind("File Error: ", 0), 0u);
  EXPECT_EQ(files.OpenCount(), 0);
  // The first chunk stays; the run ended long before its 3000 units.
  const std::string edges = FileText(kEdgeMaster);
  EXPECT_GT(edges.size(), 0u);
  EXPECT_EQ(edges.find("G-3000 B-3000"), std::string::npos);
}

TEST_F(FileFaultsTest, ProcessAllKeepsTheDesignsExportedBeforeTheFault) {
  AddDesign("W1", 1000, 800, {500}, {400});
  GrillWindow& second = AddDesign("W2", 1000, 800, {500}, {400});
  second.edgeType = &state.config.edgeTypes[1];
  AddDesign("W3", 1000, 800, {500}, {400});
  files.failCreateAt = 5;  // two masters, W1's two files, then W2's edge file
  ProcessAll(state, controls, services);
  ExpectFileError("W2_E2.csv", "No space left on device");
  EXPECT_NE(FileText("W1_E1.csv"), "");
  EXPECT_EQ(FileText(kEdgeMaster), FileText("W1_E1.csv"));
  EXPECT_EQ(FileText(kBarMaster).find("W3"), std::string::npos);
}

TEST_F(FileFaultsTest, ReopeningAGroupsFileLaterInTheRunFails) {
  AddDesign("W1", 1000, 800, {500}, {400});
  AddDesign("W2", 1000, 800, {500}, {400});
  files.failAppendAt = 1;  // W2 appends to W1's edge file
  ProcessAll(state, controls, services);
  ExpectFileError("W1_E1.csv", "No space left on device");
  EXPECT_EQ(FileText("W1_E1.csv").find("W2"), std::string::npos);
}

TEST_F(FileFaultsTest, CancelClosesTheFilesAndKeepsWhatWasWritten) {
  host.cancelAfterUpdates = 1;
  SelectForProcessData(AddDesign("W1", 1000, 800, {500}, {400}), "3");
  ProcessData(state, controls, services);
  EXPECT_EQ(controls.Messages(), std::vector<std::string>{"Export Cancelled"});
  EXPECT_EQ(files.OpenCount(), 0);
  EXPECT_NE(FileText(kEdgeMaster).find("G-1 B-1"), std::string::npos);
  EXPECT_EQ(FileText(kEdgeMaster).find("G-2 B-2"), std::string::npos);
  EXPECT_EQ(FileText(kBarFile), FileText(kBarMaster));
}

// Records the progress a run reports and cancels at its first report.
class RecordingHost final : public DialogHost {
 public:
  void ShowAbout() override {}
  void RunModal(ModalDialog&, std::function<void()>) override {}
  std::unique_ptr<ProgressMonitor> StartProgress(std::string_view) override {
    return std::make_unique<Monitor>(reports);
  }
  bool MessageWithAction(std::string_view, std::string_view) override { return false; }
  std::vector<std::pair<std::int64_t, std::int64_t>> reports;

 private:
  class Monitor final : public ProgressMonitor {
   public:
    explicit Monitor(std::vector<std::pair<std::int64_t, std::int64_t>>& reports)
        : reports_(reports) {}
    bool Update(std::int64_t done, std::int64_t total) override {
      reports_.emplace_back(done, total);
      return reports_.size() < 3;
    }

   private:
    std::vector<std::pair<std::int64_t, std::int64_t>>& reports_;
  };
};

TEST_F(FileFaultsTest, LargestQuantitiesAreCountedIn64Bits) {
  RecordingHost recording;
  ExportServices counted{files, clock, recording, kFolder};
  AddDesign("W1", 1000, 800, {}, {}).quantity = std::numeric_limits<std::int32_t>::max();
  AddDesign("W2", 1000, 800, {}, {}).quantity = std::numeric_limits<std::int32_t>::max();
  ProcessAll(state, controls, counted);
  const std::int64_t total =
      2 * static_cast<std::int64_t>(std::numeric_limits<std::int32_t>::max());
  EXPECT_EQ(recording.reports, (std::vector<std::pair<std::int64_t, std::int64_t>>{
                                   {0, total}, {1, total}, {2, total}}));
  EXPECT_EQ(LastMessage(), "Export Cancelled");
  EXPECT_EQ(files.OpenCount(), 0);
}

}  // namespace
}  // namespace grill::testing_export
