#include <gtest/gtest.h>

#include <string>

#include "print/Code128.h"

namespace grill::print {
namespace {

// Every Code 128 character is 11 modules of three bars and three spaces; the
// stop character 13 modules of four bars. A symbol starts with "11010"
// (every start character does) and ends with the stop's "1100011101011".
TEST(Code128Test, ModulesMakeAWholeSymbolWithStartAndStop) {
  for (const std::string text : {"1-01-1", "2-07-3", "12-10-14", "3-125-2", "A"}) {
    const std::optional<BarcodeModules> symbol = Code128Modules(text);
    ASSERT_TRUE(symbol) << text;
    const int w = symbol->width;
    ASSERT_GE(w, 11 * 3 + 13) << text;  // start, a character, the check, stop
    EXPECT_EQ((w - 13) % 11, 0) << text;
    const auto characters = static_cast<std::size_t>((w - 13) / 11);
    EXPECT_EQ(symbol->bars.size(), 3 * characters + 4) << text;
    int end = 0;
    for (const BarRun& run : symbol->bars) {
      EXPECT_GT(run.start, end - 1) << text << ": runs overlap or touch";
      EXPECT_GE(run.width, 1) << text;
      EXPECT_LE(run.width, 4) << text;
      end = run.start + run.width + 1;
    }
    ASSERT_GE(symbol->bars.size(), 4u);
    EXPECT_EQ(symbol->bars[0], (BarRun{0, 2})) << text;
    EXPECT_EQ(symbol->bars[1], (BarRun{3, 1})) << text;
    const auto last = symbol->bars.end();
    EXPECT_EQ(*(last - 4), (BarRun{w - 13, 2})) << text;
    EXPECT_EQ(*(last - 3), (BarRun{w - 8, 3})) << text;
    EXPECT_EQ(*(last - 2), (BarRun{w - 4, 1})) << text;
    EXPECT_EQ(*(last - 1), (BarRun{w - 2, 2})) << text;
  }
}

TEST(Code128Test, SymbolsOfDifferentTextsDiffer) {
  const auto a = Code128Modules("2-07-3");
  const auto b = Code128Modules("2-07-4");
  ASSERT_TRUE(a && b);
  EXPECT_NE(a->bars, b->bars);
}

TEST(Code128Test, NoSymbolForNothing) {
  EXPECT_FALSE(Code128Modules(""));
}

}  // namespace
}  // namespace grill::print
