#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "model/Inventory.h"

namespace grill {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::SizeIs;

TEST(InventoryTest, WrittenInventoryReadsBackTheSame) {
  const Inventory inventories[] = {
      {},
      {{{"GEO58", 6096, 35}, {"GEO58", 3657.6, 0}}, {}},
      {{}, {{"GEO58", "01", 1250.5, 3}, {"GEO58", "01_07", 0.1, 1}, {"E1", "01", 10000, 100000}}},
      {{{"Flat", 5800, 2}}, {{"Flat", "02", 1499.9999, 1}, {"Flat", "02", 333.33333333333331, 2}}},
  };
  for (const Inventory& inventory : inventories) {
    const std::string text = WriteInventory(inventory);
    SCOPED_TRACE(text);
    const InventoryReading reading = ReadInventory(text);
    EXPECT_THAT(reading.notes, IsEmpty());
    EXPECT_EQ(reading.inventory, inventory);
    EXPECT_EQ(WriteInventory(reading.inventory), text);
  }
}

TEST(InventoryTest, LinesAsWrittenByHand) {
  const InventoryReading reading = ReadInventory(
      "# racks\r\n\r\n  remnant\tGEO58  01 1250 3\r\nonhand GEO58 6096 35\nremnant GEO58 01 1250.0 "
      "2");
  EXPECT_THAT(reading.notes, IsEmpty());
  EXPECT_THAT(reading.inventory.remnants, ElementsAre(RemnantEntry{"GEO58", "01", 1250, 5}));
  EXPECT_THAT(reading.inventory.onHand, ElementsAre(OnHandEntry{"GEO58", 6096, 35}));
}

struct BadLineCase {
  const char* line;
  const char* why;
};

// Each bad line is noted with its number and left out; the good line after
// it still counts.
TEST(InventoryTest, BadLinesAreNotedAndSkipped) {
  const BadLineCase cases[] = {
      {"remnant GEO58 01 1250", "a remnant line is"},
      {"remnant GEO58 01 1250 3 4", "a remnant line is"},
      {"remnant GEO58 01 -1250 3", "invalid length"},
      {"remnant GEO58 01 0 3", "invalid length"},
      {"remnant GEO58 01 10000.1 3", "invalid length"},
      {"remnant GEO58 01 nan 3", "invalid length"},
      {"remnant GEO58 01 inf 3", "invalid length"},
      {"remnant GEO58 01 1e3 3", "invalid length"},
      {"remnant GEO58 01 1250,5 3", "invalid length"},
      {"remnant GEO58 01 .5 3", "invalid length"},
      {"remnant GEO58 01 1250 -3", "invalid count"},
      {"remnant GEO58 01 1250 1.5", "invalid count"},
      {"remnant GEO58 01 1250 100001", "invalid count"},
      {"remnant GEO58 01 1250 99999999999999999999999", "invalid count"},
      {"onhand GEO58 6096", "an onhand line is"},
      {"onhand GEO58 6096 x", "invalid count"},
      {"remnants GEO58 01 1250 3", "not an onhand or remnant line"},
      {"\x01\x02 binary", "not an onhand or remnant line"},
  };
  for (const BadLineCase& c : cases) {
    SCOPED_TRACE(c.line);
    const InventoryReading reading =
        ReadInventory(std::string("# first\n") + c.line + "\nremnant E1 01 500 1\n");
    ASSERT_THAT(reading.notes, SizeIs(1));
    EXPECT_THAT(reading.notes[0], ::testing::StartsWith(std::string("line 2: ") + c.why));
    EXPECT_EQ(reading.notes[0].find('\x01'), std::string::npos);
    EXPECT_THAT(reading.inventory.remnants, ElementsAre(RemnantEntry{"E1", "01", 500, 1}));
  }
}

TEST(InventoryTest, LaterOnHandLineCountsWithANote) {
  const InventoryReading reading = ReadInventory("onhand GEO58 6096 35\nonhand GEO58 6096 30\n");
  EXPECT_THAT(reading.notes, SizeIs(1));
  EXPECT_THAT(reading.inventory.onHand, ElementsAre(OnHandEntry{"GEO58", 6096, 30}));
}

TEST(InventoryTest, HugeOrEndlessTextIsNoCrash) {
  const std::string text = std::string(100000, 'x') + "\n" + std::string(3, '\0') + "\n";
  const InventoryReading reading = ReadInventory(text);
  EXPECT_THAT(reading.notes, SizeIs(2));
  EXPECT_LT(reading.notes[0].size(), 200u);
  EXPECT_EQ(reading.inventory, Inventory{});
}

TEST(InventoryTest, WordsTheFileCanHold) {
  EXPECT_TRUE(IsInventoryWord("GEO58"));
  EXPECT_TRUE(IsInventoryWord("01_07"));
  EXPECT_FALSE(IsInventoryWord(""));
  EXPECT_FALSE(IsInventoryWord("Flat Bar"));
  EXPECT_FALSE(IsInventoryWord("#1"));
  EXPECT_FALSE(IsInventoryWord("a\tb"));
}

}  // namespace
}  // namespace grill
