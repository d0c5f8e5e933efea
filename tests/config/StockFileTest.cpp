#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "ConfigTestFiles.h"
#include "config/StockFile.h"
#include "platform/Files.h"

namespace grill {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::SizeIs;

StockReading ReadText(const std::string& text) {
  config_test::ReadOnlyFiles files;
  files.Add("shop/Stock.txt", text);
  return ReadStockFile(files, "shop/Stock.txt");
}

TEST(StockFileTest, MissingFileIsNoStock) {
  config_test::ReadOnlyFiles files;
  const StockReading reading = ReadStockFile(files, "shop/Stock.txt");
  EXPECT_FALSE(reading.file.has_value());
  EXPECT_THAT(reading.notes, IsEmpty());
}

// The sample is installed beside the sample MenuConfig.txt: a note on it
// would greet every user's first cutting plan.
TEST(StockFileTest, TheSampleFileReadsWithoutANote) {
  StdFiles disk;
  const StockReading reading = ReadStockFile(disk, GRILL_SOURCE_DIR "/resources/Stock.txt");
  ASSERT_TRUE(reading.file.has_value());
  EXPECT_THAT(reading.notes, IsEmpty());
  EXPECT_THAT(reading.file->stock, SizeIs(::testing::Ge(6u)));
  EXPECT_GT(reading.file->saw.kerf, 0);
  // It shows the shop both forms a length may take: with a count on hand
  // and with a price.
  bool counted = false;
  bool priced = false;
  for (const auto& line : reading.file->stock) {
    for (const StockItem& item : line.lengths) {
      counted = counted || item.onHand.has_value();
      priced = priced || item.price.has_value();
    }
  }
  EXPECT_TRUE(counted);
  EXPECT_TRUE(priced);
}

TEST(StockFileTest, StockBesideTheConfiguration) {
  EXPECT_EQ(StockPathBeside("/home/a/.config/grill/MenuConfig.txt"),
            "/home/a/.config/grill/Stock.txt");
  EXPECT_EQ(StockPathBeside("C:\\shop\\MenuConfig.txt"), "C:\\shop\\Stock.txt");
  EXPECT_EQ(StockPathBeside("MenuConfig.txt"), "Stock.txt");
  EXPECT_EQ(InventoryPathBeside("C:\\shop\\MenuConfig.txt"), "C:\\shop\\Inventory.txt");
  EXPECT_EQ(InventoryPathBeside("MenuConfig.txt"), "Inventory.txt");
}

struct StockLineCase {
  const char* line;
  std::vector<StockItem> lengths;  // empty: the line is left out with a note
};

void PrintTo(const StockLineCase& c, std::ostream* out) {
  *out << ::testing::PrintToString(std::string(c.line));
}

class StockLineTest : public ::testing::TestWithParam<StockLineCase> {};

TEST_P(StockLineTest, ReadsLengthsOrNotesTheLine) {
  const StockLineCase& c = GetParam();
  const StockReading reading = ReadText(std::string("<stock>\n") + c.line + ";\n<\\stock>\n");
  ASSERT_TRUE(reading.file.has_value());
  if (c.lengths.empty()) {
    EXPECT_THAT(reading.file->stock, IsEmpty());
    EXPECT_THAT(reading.notes, SizeIs(1));
    return;
  }
  EXPECT_THAT(reading.notes, IsEmpty());
  ASSERT_THAT(reading.file->stock, SizeIs(1));
  EXPECT_EQ(reading.file->stock[0].key, "GEO58");
  EXPECT_EQ(reading.file->stock[0].lengths, c.lengths);
}

constexpr std::nullopt_t kAny = std::nullopt;

INSTANTIATE_TEST_SUITE_P(
    Lines, StockLineTest,
    ::testing::Values(
        StockLineCase{"GEO58, 6000", {{6000}}},
        StockLineCase{"GEO58, 6000, 4500.5", {{6000}, {4500.5}}},
        StockLineCase{"GEO58, 240i, 1/2i", {{240 * 25.4}, {0.5 * 25.4}}},
        StockLineCase{"GEO58 ,  6000 ,", {{6000}}},  // an empty field is no length
        StockLineCase{"GEO58", {}},                  // no length
        StockLineCase{"GEO58, six", {}},             // not a number
        StockLineCase{"GEO58, 6000, -5", {}},        // negative
        StockLineCase{"GEO58, 0", {}},               // nothing to cut from
        StockLineCase{"GEO58, 6000mm", {{6000}}},    // letters other than i: mm
        StockLineCase{"GEO58, 6000, 1/0i", {}},
        // Counts on hand and prices per bar.
        StockLineCase{"GEO58, 240i x 40 @ 12.50, 144i @ 8.20",
                      {{240 * 25.4, 40, 12.5}, {144 * 25.4, kAny, 8.2}}},
        StockLineCase{"GEO58, 6000 x 0", {{6000, 0, kAny}}},
        StockLineCase{"GEO58, 6000 x 3, 4000", {{6000, 3, kAny}, {4000}}},
        StockLineCase{"GEO58, 6000 @ 0", {{6000, kAny, 0.0}}},
        StockLineCase{"GEO58, 6000 x 100000 @ 1000000", {{6000, 100000, 1e6}}},
        StockLineCase{"GEO58,6000 x 2@7", {{6000, 2, 7.0}}},
        // A fault in any field takes the line with it.
        StockLineCase{"GEO58, 6000 x -1", {}}, StockLineCase{"GEO58, 6000 x 100001", {}},
        StockLineCase{"GEO58, 6000 x 99999999999999999999", {}}, StockLineCase{"GEO58, 6000 x", {}},
        StockLineCase{"GEO58, 6000 x 2.5", {}}, StockLineCase{"GEO58, 6000 x 1e9", {}},
        StockLineCase{"GEO58, x 1e9", {}}, StockLineCase{"GEO58, 4000, 6000 x two", {}},
        StockLineCase{"GEO58, 6000 x 2 x 3", {}},
        StockLineCase{"GEO58, 6000x2", {}},  // the x stands alone
        StockLineCase{"GEO58, 6000 @", {}}, StockLineCase{"GEO58, @ 5", {}},
        StockLineCase{"GEO58, 6000 @ -1", {}}, StockLineCase{"GEO58, 6000 @ nan", {}},
        StockLineCase{"GEO58, 6000 @ NaN", {}}, StockLineCase{"GEO58, 6000 @ inf", {}},
        StockLineCase{"GEO58, 6000 @ 1e3", {}}, StockLineCase{"GEO58, 6000 @ 1000000.01", {}},
        StockLineCase{"GEO58, 6000 @ 5 @ 6", {}}, StockLineCase{"GEO58, 6000 @ .5", {}},
        StockLineCase{"GEO58, nan x 3", {}}));

struct StockNoteCase {
  const char* line;
  const char* note;
};

// The note names the line (from 1, the section's tag being line 1) and the
// field as written.
TEST(StockFileTest, NotesNameTheLineAndTheValue) {
  const StockNoteCase cases[] = {
      {"GEO58, 6000, -5", "Config Error:?Err Line 2: negative measurement GEO58, -5"},
      {"GEO58, 6000 x -1", "Config Error:?Err Line 2: invalid bar count GEO58, 6000 x -1"},
      {"GEO58, 6000 x", "Config Error:?Err Line 2: invalid bar count GEO58, 6000 x"},
      {"GEO58, 6000 @ nan", "Config Error:?Err Line 2: invalid bar price GEO58, 6000 @ nan"},
      {"GEO58, x 1e9", "Config Error:?Err Line 2: invalid measurement GEO58, x1e9"},
  };
  for (const StockNoteCase& c : cases) {
    SCOPED_TRACE(c.line);
    const StockReading reading = ReadText(std::string("<stock>\n") + c.line + ";\n<\\stock>\n");
    EXPECT_THAT(reading.notes, ElementsAre(c.note));
  }
}

TEST(StockFileTest, ReadsEveryKeyAndTheSaw) {
  const StockReading reading = ReadText(
      "Shop stock.\n<stock>\nGEO58, 6000;\nFlat, 5800, 3000;\n<\\stock>\n"
      "<saw>\nKERF=3.2, TRIMHEAD=10, TRIMTAIL=0.5i, MINOFFCUT=300;\n<\\saw>\n");
  ASSERT_TRUE(reading.file.has_value());
  EXPECT_THAT(reading.notes, IsEmpty());
  const StockFile& file = *reading.file;
  ASSERT_NE(file.LengthsFor("Flat"), nullptr);
  EXPECT_THAT(*file.LengthsFor("Flat"), ElementsAre(StockItem{5800}, StockItem{3000}));
  EXPECT_THAT(*file.LengthsFor("GEO58"), ElementsAre(StockItem{6000}));
  EXPECT_EQ(file.LengthsFor("flat"), nullptr);  // keys are exact
  EXPECT_EQ(file.saw.kerf, 3.2);
  EXPECT_EQ(file.saw.trimHead, 10);
  EXPECT_EQ(file.saw.trimTail, 0.5 * 25.4);
  EXPECT_EQ(file.saw.minOffcut, 300);
}

struct SawCase {
  const char* line;
  SawValues saw;
  size_t notes;
};

void PrintTo(const SawCase& c, std::ostream* out) {
  *out << ::testing::PrintToString(std::string(c.line));
}

class SawLineTest : public ::testing::TestWithParam<SawCase> {};

TEST_P(SawLineTest, KnownKeysSetTheirValueAndTheRestIsNoted) {
  const SawCase& c = GetParam();
  const StockReading reading = ReadText(std::string("<saw>\n") + c.line + ";\n<\\saw>\n");
  ASSERT_TRUE(reading.file.has_value());
  EXPECT_THAT(reading.notes, SizeIs(c.notes));
  EXPECT_EQ(reading.file->saw.kerf, c.saw.kerf);
  EXPECT_EQ(reading.file->saw.trimHead, c.saw.trimHead);
  EXPECT_EQ(reading.file->saw.trimTail, c.saw.trimTail);
  EXPECT_EQ(reading.file->saw.minOffcut, c.saw.minOffcut);
}

INSTANTIATE_TEST_SUITE_P(Lines, SawLineTest,
                         ::testing::Values(SawCase{"KERF=4", {4, 0, 0, 0}, 0},
                                           SawCase{"MINOFFCUT=1/8i, KERF=3", {3, 0, 0, 3.175}, 0},
                                           // A refused value takes its line with it.
                                           SawCase{"KERF=x, TRIMHEAD=5", {0, 0, 0, 0}, 1},
                                           SawCase{"TRIMTAIL=2, KERF=-3", {0, 0, 0, 0}, 1},
                                           SawCase{"BLADE=3, KERF=2", {2, 0, 0, 0}, 1},
                                           SawCase{"KERF", {0, 0, 0, 0}, 1}));

TEST(StockFileTest, MalformedFileGivesNotesNotACrash) {
  const std::vector<std::string> texts = {
      "<stock>\nGEO58, 6000;\n",                           // no closing tag
      "<stock>\nGEO58, 6000;\n<\\saw>\n",                  // wrong closing tag
      "<tools>\nA, 1;\n<\\tools>\n",                       // unknown section
      "<stock>\nGEO58, 6000;\nGEO58, 5000;\n<\\stock>\n",  // twice
  };
  for (const std::string& text : texts) {
    SCOPED_TRACE(text);
    const StockReading reading = ReadText(text);
    ASSERT_TRUE(reading.file.has_value());
    EXPECT_THAT(reading.notes, ::testing::Not(IsEmpty()));
    for (const std::string& note : reading.notes) {
      EXPECT_EQ(note.find('\n'), std::string::npos);
    }
  }
}

TEST(StockFileTest, LaterLineForAKeyCounts) {
  const StockReading reading = ReadText("<stock>\nGEO58, 6000;\nGEO58, 5000;\n<\\stock>\n");
  ASSERT_TRUE(reading.file.has_value());
  ASSERT_THAT(reading.file->stock, SizeIs(1));
  EXPECT_THAT(reading.file->stock[0].lengths, ElementsAre(StockItem{5000}));
}

}  // namespace
}  // namespace grill
