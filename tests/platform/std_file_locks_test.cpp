// Locks between runs on the real file system: one holder at a time, and a
// lock file path that holds a link or a FIFO is refused, never followed or
// waited on.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "platform/FileLocks.h"

namespace grill {
namespace {

class StdFileLocksTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/grill-locks-XXXXXX";
    ASSERT_NE(::mkdtemp(pattern), nullptr);
    folder_ = pattern;
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  std::filesystem::path folder_;
  StdFileLocks locks_;
};

TEST_F(StdFileLocksTest, OneHolderAtATime) {
  const std::string path = (folder_ / "a.lock").string();
  LockAttempt first = locks_.TryLock(path);
  ASSERT_EQ(first.status, LockStatus::Taken);
  EXPECT_NE(first.lock, nullptr);
  EXPECT_EQ(locks_.TryLock(path).status, LockStatus::Busy);
  first.lock.reset();
  EXPECT_EQ(locks_.TryLock(path).status, LockStatus::Taken);
}

TEST_F(StdFileLocksTest, ALinkAtTheLockPathIsNotFollowed) {
  const std::filesystem::path target = folder_ / "elsewhere";
  const std::filesystem::path link = folder_ / "a.lock";
  std::filesystem::create_symlink(target, link);
  const LockAttempt attempt = locks_.TryLock(link.string());
  EXPECT_EQ(attempt.status, LockStatus::Failed);
  EXPECT_EQ(attempt.lock, nullptr);
  EXPECT_EQ(attempt.reason, "Too many levels of symbolic links");
  EXPECT_FALSE(std::filesystem::exists(target));
}

TEST_F(StdFileLocksTest, WhatIsNotARegularFileIsRefused) {
  const std::filesystem::path fifo = folder_ / "fifo.lock";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const std::filesystem::path folder = folder_ / "folder.lock";
  std::filesystem::create_directory(folder);
  for (const std::filesystem::path& path : {fifo, folder}) {
    const LockAttempt attempt = locks_.TryLock(path.string());
    EXPECT_EQ(attempt.status, LockStatus::Failed) << path;
    EXPECT_FALSE(attempt.reason.empty()) << path;
  }
}

TEST_F(StdFileLocksTest, AMissingFolderSaysWhy) {
  const LockAttempt attempt = locks_.TryLock((folder_ / "none" / "a.lock").string());
  EXPECT_EQ(attempt.status, LockStatus::Failed);
  EXPECT_EQ(attempt.reason, "No such file or directory");
}

}  // namespace
}  // namespace grill
