// Start-up of the main dialog on in-memory controls: the order of the
// initialisation steps, the default selections and the messages that end it.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "app/GrillDesignerDlg.h"
#include "app/MainDialogTemplate.h"
#include "testing/MemoryControls.h"
#include "testing/MemoryHost.h"
#include "testing/RecordingDrawing.h"
#include "testing/SettableClock.h"

namespace grill {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr const char* kToolMap =
    "<toolmap>\nG58MAP, 16, H_BOTH=97, V_BOTH=98;\nE1MAP, 10, H_UP=97, V_LEFT=98;\n<\\toolmap>\n";
constexpr const char* kBarTypes =
    "<bartypes>\nG58, 16x20mm, G58MAP, GB;\nContour, 5/8 x 3/4 i, G58MAP, CON;\n<\\bartypes>\n";
constexpr const char* kEdgeTypes =
    "<edgetypes>\nE1, E1MAP, SH=10, SO=5;\nFlat, E1MAP, WD=3;\n<\\edgetypes>\n";
constexpr const char* kColors = "<color>\nWhite, 01;\nSandstone, 07;\n<\\color>\n";

// A folder of its own for each test (parameterised names hold '/').
std::filesystem::path FolderForThisTest() {
  std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
  std::replace(name.begin(), name.end(), '/', '-');
  return std::filesystem::path(::testing::TempDir()) / ("startup-" + name);
}

class StartupTest : public ::testing::Test {
 protected:
  StartupTest() : folder_(FolderForThisTest()) { std::filesystem::create_directories(folder_); }
  ~StartupTest() override { std::filesystem::remove_all(folder_); }

  // Runs the dialog's initialisation with `config` as MenuConfig.txt, or
  // without any file.
  void Start(const std::optional<std::string>& config) {
    const std::filesystem::path configPath = folder_ / "MenuConfig.txt";
    if (config) {
      std::ofstream(configPath, std::ios::binary) << *config;
    }
    dialog_ = std::make_unique<CGrillDesignerDlg>(DesignerServices{controls_, host_, files_, clock_,
                                                                   (folder_ / "export").string(),
                                                                   configPath.string(), log_});
    dialog_->OnInitDialog();
  }

  std::vector<std::string> Entries(int id) const { return controls_.Entries(id); }

  std::filesystem::path folder_;
  MemoryControls controls_{MainDialogTemplate()};
  MemoryHost host_;
  StdFiles files_;
  SettableClock clock_;
  std::ostringstream log_;
  std::unique_ptr<CGrillDesignerDlg> dialog_;
};

std::string FullConfig() {
  return std::string(kToolMap) + kBarTypes + kEdgeTypes + kColors;
}

TEST_F(StartupTest, SoundConfigurationSelectsTheFirstEntriesAndStandard) {
  Start(FullConfig());

  EXPECT_THAT(controls_.Messages(), IsEmpty());
  EXPECT_FALSE(controls_.Ended());
  EXPECT_THAT(Entries(kPreDesignCombo),
              ElementsAre("Cottage1", "Cottage2", "Standard", "Prarie", "Custom Cottage"));
  EXPECT_EQ(controls_.Selection(kPreDesignCombo), 2);
  EXPECT_EQ(controls_.Text(kPreDesignCombo), "Standard");

  EXPECT_THAT(Entries(kBarTypeCombo), ElementsAre("G58, 16x20mm", "Contour, 5/8 x 3/4 i"));
  EXPECT_THAT(Entries(kEdgeTypeCombo), ElementsAre("E1", "Flat"));
  for (int id : {kBarTypeCombo, kEdgeTypeCombo, kInsideColorCombo, kOutsideColorCombo}) {
    EXPECT_EQ(controls_.Selection(id), 0) << "combo " << id;
    EXPECT_EQ(controls_.Text(id), controls_.EntryText(id, 0)) << "combo " << id;
  }
  EXPECT_THAT(Entries(kInsideColorCombo), ElementsAre("White", "Sandstone"));
  EXPECT_THAT(Entries(kOutsideColorCombo), ElementsAre("White", "Sandstone"));

  EXPECT_TRUE(controls_.IsChecked(kInchesRadio));
  EXPECT_FALSE(controls_.IsChecked(kMillimetresRadio));
  EXPECT_TRUE(controls_.IsChecked(kEqualSpaceRadio));
  EXPECT_FALSE(controls_.IsChecked(kDividedRadio));
  EXPECT_EQ(dialog_->State().document.DisplayUnit(), Unit::Inches);
  EXPECT_EQ(dialog_->State().document.Spacing(), SpacingMode::EqualSpace);

  EXPECT_EQ(dialog_->State().document.Current(), nullptr);
  EXPECT_EQ(controls_.EntryCount(kWindowsList), 0);
  EXPECT_FALSE(controls_.IsVisible(kSideWidthEdit));
  EXPECT_FALSE(controls_.IsVisible(kSideWidthLabel));
  EXPECT_TRUE(controls_.IsVisible(kApplyButton));
}

TEST_F(StartupTest, InterfaceSectionOverridesTheStartingModes) {
  Start(FullConfig() + "<interface>\nMEASURE=MM, ALIGNMODE=DIVIDED;\n<\\interface>\n");

  EXPECT_TRUE(controls_.IsChecked(kMillimetresRadio));
  EXPECT_FALSE(controls_.IsChecked(kInchesRadio));
  EXPECT_TRUE(controls_.IsChecked(kDividedRadio));
  EXPECT_FALSE(controls_.IsChecked(kEqualSpaceRadio));
  EXPECT_EQ(dialog_->State().document.DisplayUnit(), Unit::Millimetres);
  EXPECT_EQ(dialog_->State().document.Spacing(), SpacingMode::Divided);
}

TEST_F(StartupTest, AFloodOfConfigurationMessagesShowsTwentyAndHowManyMore) {
  std::string config = FullConfig();
  for (int i = 0; i < 25'000; ++i) {
    config += "<oops><\\oops>\n";
  }
  Start(config);

  const std::vector<std::string>& shown = controls_.Messages();
  ASSERT_EQ(shown.size(), 21u);
  EXPECT_EQ(std::count(shown.begin(), shown.end(), "Config Error:oops"), 20);
  EXPECT_EQ(shown.back(), "And 24980 more configuration messages.");
  EXPECT_TRUE(controls_.Ended());
}

TEST_F(StartupTest, WithoutConfigFileAllFourMessagesFollowAndTheDialogEnds) {
  Start(std::nullopt);

  EXPECT_THAT(controls_.Messages(), ElementsAre("Cannot Find Config File", "No Edge Types Found",
                                                "No Bar Types Found", "No Colors Found"));
  EXPECT_TRUE(controls_.Ended());
  // Ending does not interrupt the initialisation: its last step still ran.
  EXPECT_EQ(controls_.Selection(kPreDesignCombo), 2);
}

struct MissingListCase {
  const char* description;
  std::string config;
  std::vector<std::string> messages;
};

void PrintTo(const MissingListCase& c, std::ostream* out) {
  *out << c.description;
}

class MissingListTest : public StartupTest,
                        public ::testing::WithParamInterface<MissingListCase> {};

TEST_P(MissingListTest, IsReportedAndEndsTheDialog) {
  Start(GetParam().config);

  EXPECT_EQ(controls_.Messages(), GetParam().messages);
  EXPECT_TRUE(controls_.Ended());
}

INSTANTIATE_TEST_SUITE_P(
    Startup, MissingListTest,
    ::testing::Values(
        MissingListCase{"NoSections",
                        "only text, no sections\n",
                        {"No Edge Types Found", "No Bar Types Found", "No Colors Found"}},
        MissingListCase{
            "NoEdgeTypes", std::string(kToolMap) + kBarTypes + kColors, {"No Edge Types Found"}},
        MissingListCase{
            "NoBarTypes", std::string(kToolMap) + kEdgeTypes + kColors, {"No Bar Types Found"}},
        MissingListCase{
            "NoColors", std::string(kToolMap) + kBarTypes + kEdgeTypes, {"No Colors Found"}},
        MissingListCase{
            "OnlyColors", std::string(kColors), {"No Edge Types Found", "No Bar Types Found"}}),
    [](const ::testing::TestParamInfo<MissingListCase>& param) { return param.param.description; });

TEST_F(StartupTest, AboutBoxIgnoresTheLowFourBitsOfTheCommand) {
  Start(FullConfig());

  dialog_->OnSysCommand(16);
  EXPECT_EQ(host_.aboutBoxes, 1);
  dialog_->OnSysCommand(17);
  EXPECT_EQ(host_.aboutBoxes, 2);
  dialog_->OnSysCommand(31);
  EXPECT_EQ(host_.aboutBoxes, 3);

  for (int other : {0, 15, 32, 48, 0xF020, 0xF030, 0xF120}) {
    dialog_->OnSysCommand(other);
  }
  EXPECT_EQ(host_.aboutBoxes, 3);
  EXPECT_FALSE(controls_.Ended());
}

TEST_F(StartupTest, TheSystemMenusCloseEndsTheDialogAsTheCloseBoxDoes) {
  Start(FullConfig());

  dialog_->OnSysCommand(0xF060);
  EXPECT_TRUE(controls_.Ended());
  EXPECT_EQ(host_.aboutBoxes, 0);
  EXPECT_THAT(controls_.Messages(), IsEmpty());
}

TEST_F(StartupTest, EnterKeepsTheDialogOpenAndEscapeEndsIt) {
  Start(FullConfig());

  dialog_->OnOK();
  EXPECT_FALSE(controls_.Ended());
  dialog_->OnCancel();
  EXPECT_TRUE(controls_.Ended());
  EXPECT_THAT(controls_.Messages(), IsEmpty());
}

TEST_F(StartupTest, PaintWithoutDesignOnlyClearsTheDrawingArea) {
  Start(FullConfig());

  RecordingDrawing dialogDc;
  RecordingDrawing canvasDc;
  dialog_->OnPaint(dialogDc, canvasDc);

  EXPECT_THAT(dialogDc.operations, ElementsAre("rect 10 10 300 300"));
  EXPECT_THAT(canvasDc.operations, IsEmpty());
}

}  // namespace
}  // namespace grill
