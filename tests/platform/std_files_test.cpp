#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "platform/Files.h"

namespace grill {
namespace {

std::string Read(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// A link planted where a file is to be written is never written through,
// whether the file is created or appended to.
TEST(StdFilesTest, WritableOpensDoNotFollowALinkAtThePath) {
  char pattern[] = "/tmp/grill-files-XXXXXX";
  ASSERT_NE(::mkdtemp(pattern), nullptr);
  const std::filesystem::path folder = pattern;
  const std::filesystem::path target = folder / "target.txt";
  std::ofstream(target) << "kept";
  const std::filesystem::path link = folder / "link.csv";
  std::filesystem::create_symlink(target, link);

  StdFiles files;
  std::string error;
  EXPECT_EQ(files.CreateForWrite(link.string(), error), nullptr);
  EXPECT_EQ(error, "Too many levels of symbolic links");
  error.clear();
  EXPECT_EQ(files.OpenForAppend(link.string(), error), nullptr);
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(Read(target), "kept");
  std::filesystem::remove_all(folder);
}

// A pipe, a device or a folder where a configuration, a job or a recovery copy is read, or
// where a file is written, is refused at once: opening a pipe used to wait for a writer
// (or a reader) that never came, and the designer hung at start-up or at Open.
TEST(StdFilesTest, OnlyRegularFilesAreOpenedAndNothingWaits) {
  char pattern[] = "/tmp/grill-files-XXXXXX";
  ASSERT_NE(::mkdtemp(pattern), nullptr);
  const std::filesystem::path folder = pattern;
  const std::filesystem::path fifo = folder / "MenuConfig.txt";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  std::ofstream(folder / "regular.txt") << "read";

  StdFiles files;
  for (const std::string& path : {fifo.string(), folder.string(), std::string("/dev/zero")}) {
    EXPECT_EQ(files.OpenForRead(path), nullptr) << path;
  }
  std::string error;
  EXPECT_EQ(files.CreateForWrite(fifo.string(), error), nullptr);
  EXPECT_EQ(files.OpenForAppend(fifo.string(), error), nullptr);
  EXPECT_EQ(files.OpenForAppend("/dev/null", error), nullptr);

  const std::unique_ptr<ReadableFile> regular =
      files.OpenForRead((folder / "regular.txt").string());
  ASSERT_NE(regular, nullptr);
  char bytes[8] = {};
  EXPECT_EQ(regular->Read(bytes, sizeof bytes), 4);
  std::filesystem::remove_all(folder);
}

// Temporaries are new files with names of their own, made beside the file they replace:
// two saves of one job at once no longer write into one temporary.
TEST(StdFilesTest, TemporariesAreNewHiddenFilesInTheirFolder) {
  char pattern[] = "/tmp/grill-files-XXXXXX";
  ASSERT_NE(::mkdtemp(pattern), nullptr);
  const std::filesystem::path folder = pattern;
  StdFiles files;
  std::string error;
  const std::unique_ptr<WritableFile> first = files.CreateTemporary(folder.string(), error);
  const std::unique_ptr<WritableFile> second = files.CreateTemporary(folder.string(), error);
  ASSERT_TRUE(first && second) << error;
  EXPECT_NE(first->Path(), second->Path());
  EXPECT_EQ(std::filesystem::path(first->Path()).filename().string().front(), '.');
  EXPECT_TRUE(files.Exists(first->Path()));
  EXPECT_EQ(files.CreateTemporary((folder / "missing").string(), error), nullptr);
  EXPECT_EQ(error, "No such file or directory");
  std::filesystem::remove_all(folder);
}

// A job's folder is read without following links: a link is neither a folder nor one of
// its files, and a link in place of the folder is not read through.
TEST(StdFilesTest, FolderListingsAndTimesDoNotFollowLinks) {
  char pattern[] = "/tmp/grill-files-XXXXXX";
  ASSERT_NE(::mkdtemp(pattern), nullptr);
  const std::filesystem::path folder = pattern;
  const std::filesystem::path job = folder / "Smith";
  std::filesystem::create_directory(job);
  std::ofstream(job / "W1_E1.csv") << "cut";
  std::filesystem::create_directory(job / "inner");
  std::filesystem::create_symlink(folder / "elsewhere.csv", job / "link.csv");
  std::filesystem::create_directory_symlink(job, folder / "Linked");

  StdFiles files;
  EXPECT_TRUE(files.IsFolder(job.string()));
  EXPECT_FALSE(files.IsFolder((folder / "Linked").string()));
  EXPECT_FALSE(files.IsFolder((job / "W1_E1.csv").string()));
  EXPECT_EQ(files.RegularFilesIn(job.string()), std::vector<std::string>{"W1_E1.csv"});
  EXPECT_EQ(files.RegularFilesIn((folder / "Linked").string()), std::nullopt);
  EXPECT_EQ(files.RegularFilesIn((folder / "missing").string()), std::nullopt);

  const struct ::timespec times[2] = {{0, UTIME_OMIT}, {1'765'000'000, 0}};  // 6 December 2025
  ASSERT_EQ(::utimensat(AT_FDCWD, (job / "W1_E1.csv").c_str(), times, 0), 0);
  const std::optional<LocalTime> written = files.ModifiedTime((job / "W1_E1.csv").string());
  ASSERT_TRUE(written.has_value());
  EXPECT_EQ(written->year, 2025);
  EXPECT_EQ(written->month, 11);
  EXPECT_EQ(files.ModifiedTime((job / "missing.csv").string()), std::nullopt);
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace grill
