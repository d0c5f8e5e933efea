// Where the dialog finds its configuration when the working folder has none,
// and what it offers when there is none anywhere.

#include "app/ConfigStartup.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "testing/MemoryFiles.h"
#include "testing/MemoryHost.h"

namespace grill {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr const char* kWorking = "MenuConfig.txt";
constexpr const char* kUserFolder = "/home/ann/.config/varnel-grill-designer";
constexpr const char* kUserFile = "/home/ann/.config/varnel-grill-designer/MenuConfig.txt";
constexpr const char* kSample = "/usr/share/varnel-grill-designer/MenuConfig.txt";
constexpr const char* kColorsOnly = "<color>White, WH;<\\color>";

class ConfigStartupTest : public ::testing::Test {
 protected:
  ConfigStartupTest() {
    host_.onModalMessage = [this](const std::string& text) { shown_.push_back(text); };
  }

  LoadedConfiguration Load() { return LoadStartupConfiguration(files_, host_, kWorking, search_); }

  MemoryFiles files_;
  MemoryHost host_;
  ConfigSearch search_{.home = "/home/ann", .executableFolder = "/usr/bin"};
  std::vector<std::string> shown_;
};

TEST_F(ConfigStartupTest, AWorkingFolderFileIsReadAsItAlwaysWas) {
  files_.contents[kWorking] = kColorsOnly;
  files_.contents[kUserFile] = "<color>Black, BK;<\\color>";
  EXPECT_THAT(Load().colorNames, ElementsAre("White"));
  EXPECT_THAT(shown_, IsEmpty());
}

TEST_F(ConfigStartupTest, WithoutOneTheUserFileIsRead) {
  files_.contents[kUserFile] = kColorsOnly;
  const LoadedConfiguration loaded = Load();
  EXPECT_THAT(loaded.colorNames, ElementsAre("White"));
  EXPECT_FALSE(loaded.endDialog);
}

TEST_F(ConfigStartupTest, LookingNowhereElseGivesTheMessageAlone) {
  const LoadedConfiguration loaded = LoadStartupConfiguration(files_, host_, kWorking, {});
  EXPECT_THAT(loaded.messages, ElementsAre("Cannot Find Config File"));
  EXPECT_TRUE(loaded.endDialog);
  EXPECT_THAT(host_.offeredActions, IsEmpty());
}

TEST_F(ConfigStartupTest, NothingAnywhereNamesThePlacesAndEndsWithoutASample) {
  const LoadedConfiguration loaded = Load();
  EXPECT_THAT(shown_, ElementsAre(std::string("Cannot Find Config File\n\nLooked for:\n") +
                                  kWorking + "\n" + kUserFile));
  EXPECT_THAT(host_.offeredActions, ElementsAre(""));
  EXPECT_THAT(loaded.messages, IsEmpty());
  EXPECT_TRUE(loaded.endDialog);
}

TEST_F(ConfigStartupTest, AnUnreadableCommandLinePathIsNamed) {
  files_.contents[kSample] = kColorsOnly;
  search_.commandLinePath = "/tmp/missing.txt";
  const LoadedConfiguration loaded = Load();
  EXPECT_THAT(shown_, ElementsAre(std::string("Cannot Find Config File\n\nLooked for:\n") +
                                  kWorking + "\n/tmp/missing.txt"));
  EXPECT_THAT(host_.offeredActions, ElementsAre(""));
  EXPECT_TRUE(loaded.endDialog);
}

TEST_F(ConfigStartupTest, TheSampleIsOfferedAndDeclinedEndsTheDialog) {
  files_.contents[kSample] = kColorsOnly;
  const LoadedConfiguration loaded = Load();
  ASSERT_EQ(shown_.size(), 1u);
  EXPECT_THAT(shown_[0], ::testing::HasSubstr(kSample));
  EXPECT_THAT(host_.offeredActions, ElementsAre("Copy the sample configuration"));
  EXPECT_TRUE(loaded.endDialog);
  EXPECT_FALSE(files_.Exists(kUserFile));
}

TEST_F(ConfigStartupTest, TheCopiedSampleIsReadAtOnce) {
  files_.contents[kSample] = kColorsOnly;
  host_.chooseAction = true;
  const LoadedConfiguration loaded = Load();
  EXPECT_EQ(files_.Content(kUserFile), kColorsOnly);
  EXPECT_TRUE(files_.folders.count(kUserFolder));
  EXPECT_THAT(loaded.colorNames, ElementsAre("White"));
  EXPECT_FALSE(loaded.endDialog);
}

TEST_F(ConfigStartupTest, AFailedCopySaysWhyAndEndsTheDialog) {
  files_.contents[kSample] = kColorsOnly;
  files_.failCreateFolders = true;
  host_.chooseAction = true;
  const LoadedConfiguration loaded = Load();
  EXPECT_THAT(loaded.messages,
              ElementsAre(std::string("Cannot copy the sample configuration: cannot create ") +
                          kUserFolder + ": No space left on device"));
  EXPECT_TRUE(loaded.endDialog);
}

}  // namespace
}  // namespace grill
