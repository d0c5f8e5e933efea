#include <gtest/gtest.h>

#include <cstdint>
#include <map>
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

using Contents = std::map<std::string, std::string>;

// A fault to inject, by the counter of MemoryFiles it sets.
struct Fault {
  const char* step;
  int MemoryFiles::*failAt;
};
const Fault kFaults[] = {
    {"create", &MemoryFiles::failCreateAt}, {"append", &MemoryFiles::failAppendAt},
    {"write", &MemoryFiles::failWriteAt},   {"flush", &MemoryFiles::failFlushAt},
    {"close", &MemoryFiles::failCloseAt},   {"rename", &MemoryFiles::failRenameAt},
};

// What a run makes of the designs `add` puts in a fresh setup, run by `run`.
using AddDesigns = void (*)(ExportSetup&);
using RunCommand = void (*)(ExportSetup&);

void OneDesignTwice(ExportSetup& setup) {
  setup.SelectForProcessData(setup.AddDesign("W1", 1000, 800, {500}, {400}), "2");
}
void ThreeDesignsTwoGroups(ExportSetup& setup) {
  setup.AddDesign("W1", 1000, 800, {500}, {400});
  setup.AddDesign("W2", 1000, 800, {500}, {400}).edgeType = &setup.state.config.edgeTypes[1];
  setup.AddDesign("W3", 1000, 800, {300, 600}, {400}).quantity = 3;
}
void RunProcessData(ExportSetup& setup) {
  ProcessData(setup.state, setup.controls, setup.services);
}
void RunProcessAll(ExportSetup& setup) {
  ProcessAll(setup.state, setup.controls, setup.services);
}

// The files an earlier run left: the same names, other lines.
Contents FilesOfAnEarlierRun(AddDesigns add, RunCommand run) {
  ExportSetup earlier;
  add(earlier);
  for (const GrillWindow& window : earlier.state.document.Designs()) {
    const_cast<GrillWindow&>(window).quantity = 1;
  }
  earlier.controls.SetText(kQuantityEdit, "1");
  run(earlier);
  return earlier.files.contents;
}

// Every fault at every step of a run leaves the earlier run's files byte for byte and no
// temporary; the message names the file by its final name. Counting up until a run
// passes without meeting its fault covers every step the run takes.
TEST(RunFaultsTest, EveryFaultAtEveryStepLeavesTheEarlierRunWhole) {
  struct Scenario {
    const char* name;
    AddDesigns add;
    RunCommand run;
  };
  for (const Scenario& scenario : {Scenario{"Process Data", OneDesignTwice, RunProcessData},
                                   Scenario{"Process All", ThreeDesignsTwoGroups, RunProcessAll}}) {
    const Contents earlier = FilesOfAnEarlierRun(scenario.add, scenario.run);
    ASSERT_FALSE(earlier.empty());
    for (const Fault& fault : kFaults) {
      int faultsMet = 0;
      for (int at = 1; at < 1000; ++at) {
        SCOPED_TRACE(std::string(scenario.name) + ", " + fault.step + " " + std::to_string(at));
        ExportSetup setup;
        setup.files.folders.insert(setup.kFolder);
        setup.files.contents = earlier;
        setup.files.*fault.failAt = at;
        scenario.add(setup);
        scenario.run(setup);
        ASSERT_EQ(setup.controls.Messages().size(), 1u);
        const std::string& message = setup.controls.Messages()[0];
        EXPECT_EQ(setup.files.OpenCount(), 0);
        if (message.rfind("Files Exported", 0) == 0) {
          EXPECT_NE(setup.files.contents, earlier);
          break;
        }
        ++faultsMet;
        EXPECT_EQ(message.rfind("File Error: " + setup.kFolder + "/W", 0), 0u) << message;
        EXPECT_EQ(message.find(".tmp"), std::string::npos) << message;
        EXPECT_EQ(setup.files.contents, earlier);
      }
      // Appends happen only where a group's designs share a file.
      if (fault.failAt != &MemoryFiles::failAppendAt || scenario.run == RunProcessAll) {
        EXPECT_GT(faultsMet, 0) << scenario.name << ", " << fault.step;
      }
    }
  }
}

class FileFaultsTest : public ExportTest {
 protected:
  void RunExample() {
    OneDesignTwice(*this);
    RunProcessData(*this);
  }
};

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

// A link planted in the export folder under a file's name is never written through: the
// finished file takes the link's place.
TEST_F(FileFaultsTest, LinkInTheExportFolderIsReplacedNotFollowed) {
  for (const std::string& name : {kEdgeMaster, kEdgeFile}) {
    SCOPED_TRACE(name);
    ExportSetup setup;
    setup.files.folders.insert(setup.kFolder);
    setup.files.links.insert(setup.PathOf(name));
    setup.SelectForProcessData(setup.AddDesign("W1", 1000, 800, {500}, {400}));
    ProcessData(setup.state, setup.controls, setup.services);
    EXPECT_EQ(setup.LastMessage(), "Files Exported to " + setup.kFolder);
    EXPECT_EQ(setup.files.links.count(setup.PathOf(name)), 0u);
    EXPECT_NE(setup.FileText(name), "");
    for (const auto& [path, bytes] : setup.files.contents) {
      EXPECT_EQ(path.find(".tmp"), std::string::npos) << path;
    }
  }
}

TEST_F(FileFaultsTest, CancelLeavesTheEarlierFilesAndNoneOfTheRun) {
  files.folders.insert(kFolder);
  files.contents[PathOf(kEdgeFile)] = "earlier lines\r\n";
  const Contents earlier = files.contents;
  host.cancelAfterUpdates = 1;
  SelectForProcessData(AddDesign("W1", 1000, 800, {500}, {400}), "3");
  ProcessData(state, controls, services);
  EXPECT_EQ(controls.Messages(), std::vector<std::string>{"Export Cancelled"});
  EXPECT_EQ(files.OpenCount(), 0);
  EXPECT_EQ(files.contents, earlier);
}

// Whatever the end, the progress dialog is gone before the result is shown: left up, it
// covered "Files Exported" and asked the user to cancel a finished run.
TEST_F(FileFaultsTest, ProgressEndsBeforeTheResultIsShown) {
  std::vector<int> openAtMessage;
  controls.onMessage = [&](const std::string&) { openAtMessage.push_back(host.openProgress); };
  files.failWriteAt = 1;
  RunExample();
  files.failWriteAt = 0;
  RunProcessData(*this);
  ASSERT_EQ(controls.Messages().size(), 2u);
  EXPECT_EQ(controls.Messages()[1], "Files Exported to " + kFolder);
  EXPECT_EQ(openAtMessage, (std::vector<int>{0, 0}));
}

// Records the progress a run reports and cancels at its third report.
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

TEST_F(FileFaultsTest, ProgressCountsTheUnitsOfTheWholeRun) {
  RecordingHost recording;
  ExportServices counted{files, clock, recording, kFolder, ExportLayout::kExportFolder, {}};
  AddDesign("W1", 1000, 800, {}, {}).quantity = kMaxQuantity;
  AddDesign("W2", 1000, 800, {}, {}).quantity = kMaxQuantity;
  ProcessAll(state, controls, counted);
  const std::int64_t total = 2 * std::int64_t{kMaxQuantity};
  EXPECT_EQ(recording.reports, (std::vector<std::pair<std::int64_t, std::int64_t>>{
                                   {0, total}, {1, total}, {2, total}}));
  EXPECT_EQ(LastMessage(), "Export Cancelled");
  EXPECT_EQ(files.OpenCount(), 0);
}

}  // namespace
}  // namespace grill::testing_export
