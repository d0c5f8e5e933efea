#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <random>
#include <string>

#include "export/CutNumbers.h"
#include "export/OutputFile.h"
#include "export/UnitBlock.h"
#include "testing/MemoryFiles.h"

namespace grill {
namespace {

std::string ShortWay(double value, int decimals) {
  char buffer[kShortNumberRoom];
  const char* end = WriteShortFixed(buffer, value, decimals);
  return end == nullptr ? "(long way)" : std::string(static_cast<const char*>(buffer), end);
}

// Far more distinct values than the cache has slots, each asked for again
// in both units, so that slots are found, missed and taken over.
TEST(TextAssemblyTest, NumberCacheWritesWhatTheShortWayWrites) {
  std::mt19937_64 random(5);
  std::uniform_int_distribution<int> tenths(-20000, 60000);
  ShortFixedCache cache;
  for (int i = 0; i < 200000; ++i) {
    const double value = i % 7 == 0 ? (tenths(random) + 0.5) / 10.0 : tenths(random) / 10.0 * 1.01;
    for (const int decimals : {1, 3, 1}) {
      char buffer[kShortNumberRoom];
      const char* end = cache.Write(buffer, value, decimals);
      const std::string written =
          end == nullptr ? "(long way)" : std::string(static_cast<const char*>(buffer), end);
      ASSERT_EQ(written, ShortWay(value, decimals)) << value << " with " << decimals;
    }
  }
  char buffer[kShortNumberRoom];
  EXPECT_EQ(cache.Write(buffer, std::nan(""), 1), nullptr);
  EXPECT_EQ(cache.Write(buffer, 0.0, 1) - buffer, 3);
  EXPECT_EQ(cache.Write(buffer, -0.0, 1) - buffer, 4);  // "-0.0", not the cached "0.0"
}

TEST(TextAssemblyTest, UnitNumbersAreRewrittenAcrossDigitCounts) {
  const std::string header = "G58_H_01_W1,000,";
  UnitBlock block;
  block.Clear();
  block.AddLine(header, 'H', "800.0, 1, 0, \r\n");
  block.AddLine(header, 'W', "1000.0, 1, 0, \r\n");
  const auto expected = [&header](const std::string& g) {
    return header + "G-" + g + " B-" + g + " H, 800.0, 1, 0, \r\n" + header + "G-" + g + " B-" + g +
           " W, 1000.0, 1, 0, \r\n";
  };
  for (const long long unit : {1LL, 9LL, 10LL, 11LL, 99LL, 100LL, 7LL, 2147483647LL}) {
    EXPECT_EQ(block.TextFor(unit), expected(std::to_string(unit)));
  }
  block.Clear();
  EXPECT_EQ(block.TextFor(3), "");
}

// Text collected across chunk boundaries and in pieces larger than a chunk
// reaches the file whole and in order, in few writes.
TEST(TextAssemblyTest, OutputFileWritesEverythingInOrderInFewWrites) {
  MemoryFiles files;
  std::string reason;
  OutputFile file(files.CreateForWrite("out.csv", reason));
  std::string expected;
  int appends = 0;
  for (const size_t size : {100000u, 300000u, 5u, 1100000u, 70000u, 1u}) {
    const std::string bytes(size, static_cast<char>('a' + appends++));
    EXPECT_TRUE(file.Append(bytes));
    expected += bytes;
  }
  EXPECT_TRUE(file.Close());
  EXPECT_EQ(files.Content("out.csv"), expected);
  int writes = 0;
  for (const MemoryFiles::Event& event : files.events) {
    writes += event.kind == MemoryFiles::Event::Kind::kWrite ? 1 : 0;
  }
  EXPECT_LT(writes, appends);
}

}  // namespace
}  // namespace grill
