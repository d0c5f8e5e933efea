#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "job_file_samples.h"
#include "model/JobFileReader.h"
#include "model/JobFileWriter.h"
#include "platform/Files.h"
#include "testing/MemoryFiles.h"

namespace grill {
namespace {

using Kind = MemoryFiles::Event::Kind;
using ::testing::ElementsAre;

// The first temporary MemoryFiles makes in the job's folder.
const std::string kTemporary = "orders/.tmp-1";
const std::string kOldContent = "the job as it was";

std::vector<Kind> KindsOf(const MemoryFiles& files) {
  std::vector<Kind> kinds;
  for (const MemoryFiles::Event& event : files.events) {
    kinds.push_back(event.kind);
  }
  return kinds;
}

MemoryFiles FolderWithOldJob() {
  MemoryFiles files;
  files.folders.insert("orders");
  files.contents[kJobPath] = kOldContent;
  return files;
}

TEST(JobFileSaveTest, WritesFlushesAndClosesAsideThenRenamesOver) {
  MemoryFiles files = FolderWithOldJob();
  EXPECT_EQ(SaveJob(files, kJobPath, SmallJob()), std::nullopt);
  EXPECT_EQ(files.Content(kJobPath), FormatJob(SmallJob()));
  EXPECT_FALSE(files.Exists(kTemporary));
  EXPECT_THAT(KindsOf(files),
              ElementsAre(Kind::kCreate, Kind::kWrite, Kind::kFlush, Kind::kClose, Kind::kRename));
  EXPECT_EQ(files.events.front().path, kTemporary);
}

TEST(JobFileSaveTest, EveryFailingStepLeavesTheOldFileAndNoTemporary) {
  struct Fault {
    const char* step;
    int MemoryFiles::*failAt;
  };
  const Fault faults[] = {
      {"create", &MemoryFiles::failCreateAt}, {"write", &MemoryFiles::failWriteAt},
      {"flush", &MemoryFiles::failFlushAt},   {"close", &MemoryFiles::failCloseAt},
      {"rename", &MemoryFiles::failRenameAt},
  };
  for (const Fault& fault : faults) {
    MemoryFiles files = FolderWithOldJob();
    files.*fault.failAt = 1;
    EXPECT_EQ(SaveJob(files, kJobPath, SmallJob()),
              "File Error: " + kJobPath + ": No space left on device")
        << fault.step;
    EXPECT_EQ(files.Content(kJobPath), kOldContent) << fault.step;
    EXPECT_FALSE(files.Exists(kTemporary)) << fault.step;
    EXPECT_EQ(files.OpenCount(), 0) << fault.step;
  }
}

TEST(JobFileSaveTest, MissingFolderIsReported) {
  MemoryFiles files;
  EXPECT_EQ(SaveJob(files, kJobPath, SmallJob()),
            "File Error: " + kJobPath + ": No such file or directory");
}

// The same steps on the disk: a save replaces the old file whole and the
// job reads back.
TEST(JobFileSaveTest, SavesOverAnOldFileOnDisk) {
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("grill-job-" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  const std::string path = (folder / "smith.grilljob").string();
  StdFiles files;
  Job job = SmallJob();
  ASSERT_EQ(SaveJob(files, path, job), std::nullopt);
  job.designs.pop_back();
  job.current = std::nullopt;
  ASSERT_EQ(SaveJob(files, path, job), std::nullopt);

  const JobFileResult read = OpenJob(files, path);
  ASSERT_TRUE(read.job) << read.error;
  ExpectSameJob(job, *read.job);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1)
      << "only the job itself is left in its folder";
  EXPECT_THAT(SaveJob(files, (folder / "none" / "x.grilljob").string(), job),
              testing::Optional(testing::EndsWith("x.grilljob: No such file or directory")));
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace grill
