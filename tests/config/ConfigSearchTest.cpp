#include "config/ConfigSearch.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "testing/MemoryFiles.h"

namespace grill {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

constexpr const char* kWorking = "MenuConfig.txt";

struct CandidatesCase {
  const char* what;
  ConfigSearch search;
  std::vector<std::string> config;
  std::vector<std::string> samples;
};

void PrintTo(const CandidatesCase& c, std::ostream* os) {
  *os << c.what;
}

class CandidatesTest : public ::testing::TestWithParam<CandidatesCase> {};

TEST_P(CandidatesTest, FollowFromTheInputs) {
  const CandidatesCase& c = GetParam();
  EXPECT_THAT(ConfigCandidates(kWorking, c.search), ElementsAreArray(c.config)) << c.what;
  EXPECT_THAT(SampleCandidates(c.search), ElementsAreArray(c.samples)) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, CandidatesTest,
    ::testing::Values(
        CandidatesCase{"nothing given: the working folder only", {}, {kWorking}, {}},
        CandidatesCase{"the home folder",
                       {.home = "/home/ann"},
                       {kWorking, "/home/ann/.config/varnel-grill-designer/MenuConfig.txt"},
                       {}},
        CandidatesCase{"XDG_CONFIG_HOME wins over the home folder",
                       {.xdgConfigHome = "/cfg", .home = "/home/ann"},
                       {kWorking, "/cfg/varnel-grill-designer/MenuConfig.txt"},
                       {}},
        CandidatesCase{"a relative XDG_CONFIG_HOME is ignored",
                       {.xdgConfigHome = "cfg", .home = "/home/ann"},
                       {kWorking, "/home/ann/.config/varnel-grill-designer/MenuConfig.txt"},
                       {}},
        CandidatesCase{"--config replaces the user's folder",
                       {.commandLinePath = "/tmp/mine.txt", .home = "/home/ann"},
                       {kWorking, "/tmp/mine.txt"},
                       {}},
        CandidatesCase{"the sample beside the executable, then under the prefix",
                       {.executableFolder = "/opt/grill/bin", .installPrefix = "/usr/local"},
                       {kWorking},
                       {"/opt/grill/share/varnel-grill-designer/MenuConfig.txt",
                        "/usr/local/share/varnel-grill-designer/MenuConfig.txt"}},
        CandidatesCase{"the same sample place is looked at once",
                       {.executableFolder = "/usr/bin", .installPrefix = "/usr"},
                       {kWorking},
                       {"/usr/share/varnel-grill-designer/MenuConfig.txt"}},
        CandidatesCase{"the data folders between the executable's and the prefix",
                       {.executableFolder = "/opt/grill/bin",
                        .dataFolders = {"/srv/share", "/usr/share/"},
                        .installPrefix = "/usr"},
                       {kWorking},
                       {"/opt/grill/share/varnel-grill-designer/MenuConfig.txt",
                        "/srv/share/varnel-grill-designer/MenuConfig.txt",
                        "/usr/share/varnel-grill-designer/MenuConfig.txt"}},
        CandidatesCase{"empty values count as not given",
                       {.home = "", .executableFolder = "", .installPrefix = ""},
                       {kWorking},
                       {}}));

TEST(DataFoldersTest, FollowXdgDataDirs) {
  const struct {
    std::optional<std::string> variable;
    std::vector<std::string> folders;
  } cases[] = {
      {std::nullopt, {"/usr/local/share", "/usr/share"}},
      {"", {"/usr/local/share", "/usr/share"}},
      {"/opt/share", {"/opt/share"}},
      {"/a:relative:/b::", {"/a", "/b"}},
  };
  for (const auto& c : cases) {
    EXPECT_THAT(DataFolders(c.variable), ElementsAreArray(c.folders))
        << c.variable.value_or("unset");
  }
}

class FindConfigurationTest : public ::testing::Test {
 protected:
  static constexpr const char* kUserFile = "/home/ann/.config/varnel-grill-designer/MenuConfig.txt";
  static constexpr const char* kSample = "/usr/share/varnel-grill-designer/MenuConfig.txt";

  ConfigSearch Installed() const {
    return {.home = "/home/ann", .executableFolder = "/usr/bin", .installPrefix = "/usr"};
  }

  MemoryFiles files_;
};

TEST_F(FindConfigurationTest, TheWorkingFolderComesFirst) {
  files_.contents[kWorking] = "here";
  files_.contents[kUserFile] = "user";
  ConfigSearch search = Installed();
  search.commandLinePath = "/tmp/mine.txt";
  files_.contents["/tmp/mine.txt"] = "mine";
  const ConfigSearchResult result = FindConfiguration(kWorking, search, files_);
  EXPECT_EQ(result.found, kWorking);
  EXPECT_EQ(result.sample, std::nullopt);
}

TEST_F(FindConfigurationTest, TheUserFileServesWhenTheWorkingFolderHasNone) {
  files_.contents[kUserFile] = "user";
  files_.contents[kSample] = "sample";
  const ConfigSearchResult result = FindConfiguration(kWorking, Installed(), files_);
  EXPECT_EQ(result.found, kUserFile);
  EXPECT_EQ(result.sample, std::nullopt);
}

TEST_F(FindConfigurationTest, NothingFoundNamesWhereItLookedAndTheSample) {
  files_.contents[kSample] = "sample";
  const ConfigSearchResult result = FindConfiguration(kWorking, Installed(), files_);
  EXPECT_EQ(result.found, std::nullopt);
  EXPECT_THAT(result.lookedIn, ElementsAre(kWorking, kUserFile));
  EXPECT_EQ(result.sample, kSample);
  EXPECT_EQ(result.userFile, kUserFile);
}

TEST_F(FindConfigurationTest, NoSampleIsOfferedWhenNoneIsInstalledOrAPathWasNamed) {
  EXPECT_EQ(FindConfiguration(kWorking, Installed(), files_).userFile, std::nullopt);

  files_.contents[kSample] = "sample";
  ConfigSearch search = Installed();
  search.commandLinePath = "/tmp/missing.txt";
  const ConfigSearchResult result = FindConfiguration(kWorking, search, files_);
  EXPECT_THAT(result.lookedIn, ElementsAre(kWorking, "/tmp/missing.txt"));
  EXPECT_EQ(result.sample, std::nullopt);
  EXPECT_EQ(result.userFile, std::nullopt);
}

TEST(CopySampleConfiguration, CreatesTheFolderAndCopiesEveryByte) {
  MemoryFiles files;
  files.contents["/usr/share/s.txt"] = std::string("<color>W, WH;<\\color>\0x", 24);
  EXPECT_EQ(CopySampleConfiguration(files, "/usr/share/s.txt", "/home/ann/.config/g/M.txt"), "");
  EXPECT_EQ(files.Content("/home/ann/.config/g/M.txt"), files.Content("/usr/share/s.txt"));
  EXPECT_TRUE(files.folders.count("/home/ann/.config/g"));
}

TEST(CopySampleConfiguration, NeverReplacesAnExistingFileAndReportsFaults) {
  MemoryFiles files;
  files.contents["s.txt"] = "sample";
  files.folders.insert("/c");
  files.contents["/c/M.txt"] = "own";
  EXPECT_EQ(CopySampleConfiguration(files, "s.txt", "/c/M.txt"), "/c/M.txt already exists");
  EXPECT_EQ(files.Content("/c/M.txt"), "own");

  EXPECT_EQ(CopySampleConfiguration(files, "none.txt", "/c/N.txt"), "cannot read none.txt");
  files.failCreateFolders = true;
  EXPECT_EQ(CopySampleConfiguration(files, "s.txt", "/d/N.txt"),
            "cannot create /d: No space left on device");
  files.failCreateFolders = false;
  files.failCreateAt = 1;
  EXPECT_EQ(CopySampleConfiguration(files, "s.txt", "/c/N.txt"),
            "/c/N.txt: No space left on device");
  EXPECT_FALSE(files.Exists("/c/N.txt"));
}

}  // namespace
}  // namespace grill
