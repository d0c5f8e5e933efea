#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
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

}  // namespace
}  // namespace grill
