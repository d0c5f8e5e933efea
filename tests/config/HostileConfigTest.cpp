// MenuConfig.txt and Stock.txt written by hand, with slips and with malice:
// a value that would change lengths is refused with a Config Error naming
// its line, and its record is not used; nothing else of the file changes.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "ConfigTestFiles.h"
#include "config/LoadConfiguration.h"
#include "config/MessageLimit.h"
#include "config/StockFile.h"

namespace grill {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::Not;

// Line 1 opens each section, so the record under test lies on line 2 and a
// good record of the same section on line 3.
std::string ConfigWith(const std::string& toolMapLine, const std::string& barTypeLine,
                       const std::string& edgeTypeLine) {
  return "<toolmap>\n" + toolMapLine + ";\nEDGE1, 10, V_LEFT=31;\n<\\toolmap>\n" +  // lines 1-4
         "<bartypes>\n" + barTypeLine + ";\nContour, 16x19mm, EDGE1, CON16;\n<\\bartypes>\n" +
         "<edgetypes>\n" + edgeTypeLine + ";\nRound, EDGE1, SH=2;\n<\\edgetypes>\n" +
         "<color>\nWhite, WH;\n<\\color>\n";
}

constexpr const char* kGoodToolMap = "PROFILE1, 0.75i, V_DEFAULT=11";
constexpr const char* kGoodBarType = "Georgian, 5/8 x 3/4 i, PROFILE1, GEO58";
constexpr const char* kGoodEdgeType = "Flat, EDGE1, SH=0.5i, SO=1/8i, WD=3, HD=3";

LoadedConfiguration Load(const std::string& bytes) {
  config_test::ReadOnlyFiles files;
  files.Add("MenuConfig.txt", bytes);
  return LoadConfiguration(files, "MenuConfig.txt");
}

enum class Record { kToolMap, kBarType, kEdgeType };

struct HostileValueCase {
  Record record;
  std::string line;
  std::string message;  // the Config Error it gives
};

void PrintTo(const HostileValueCase& c, std::ostream* out) {
  *out << ::testing::PrintToString(c.line.substr(0, 60));
}

class HostileValueTest : public ::testing::TestWithParam<HostileValueCase> {};

TEST_P(HostileValueTest, IsAConfigErrorAndItsRecordIsNotUsed) {
  const HostileValueCase& c = GetParam();
  const LoadedConfiguration loaded =
      Load(ConfigWith(c.record == Record::kToolMap ? c.line : kGoodToolMap,
                      c.record == Record::kBarType ? c.line : kGoodBarType,
                      c.record == Record::kEdgeType ? c.line : kGoodEdgeType));
  const Configuration& config = loaded.configuration;
  EXPECT_THAT(loaded.messages, Contains(c.message));
  switch (c.record) {
    case Record::kToolMap:
      // The bar type that names the refused entry is left without tools.
      ASSERT_EQ(config.toolMap.size(), 1u);
      EXPECT_EQ(config.toolMap[0].name, "EDGE1");
      EXPECT_THAT(loaded.messages,
                  ElementsAre(c.message, "Toolmap not found: Georgian, 5/8 x 3/4 i"));
      break;
    case Record::kBarType:
      EXPECT_THAT(loaded.messages, ElementsAre(c.message));
      EXPECT_THAT(loaded.barTypeNames, ElementsAre("Contour, 16x19mm"));
      ASSERT_EQ(config.barTypes.size(), 1u);
      break;
    case Record::kEdgeType:
      EXPECT_THAT(loaded.messages, ElementsAre(c.message));
      EXPECT_THAT(loaded.edgeTypeNames, ElementsAre("Round"));
      EXPECT_EQ(config.FindEdgeType("Flat"), nullptr);
      break;
  }
  // The rest of the file reads as it would without the slip.
  EXPECT_NE(config.FindBarType("Contour, 16x19mm"), nullptr);
  ASSERT_NE(config.FindEdgeType("Round"), nullptr);
  EXPECT_EQ(config.FindEdgeType("Round")->SH, 2.0);
  EXPECT_THAT(loaded.colorNames, ElementsAre("White"));
  EXPECT_FALSE(loaded.endDialog);
}

INSTANTIATE_TEST_SUITE_P(
    Values, HostileValueTest,
    ::testing::Values(
        // An inner size larger than the outer one.
        HostileValueCase{Record::kEdgeType, "Flat, EDGE1, SH=-500, SO=-100",
                         "Config Error:?Err Line 10: negative measurement SH=-500"},
        // Read as 1 mm, the exponent taken for a unit word.
        HostileValueCase{Record::kEdgeType, "Flat, EDGE1, SH=1e308",
                         "Config Error:?Err Line 10: invalid measurement SH=1e308"},
        HostileValueCase{Record::kEdgeType, "Flat, EDGE1, WD=12000",
                         "Config Error:?Err Line 10: measurement beyond 10000 mm WD=12000"},
        HostileValueCase{Record::kEdgeType, "Flat, EDGE1, HD=400i",
                         "Config Error:?Err Line 10: measurement beyond 10000 mm HD=400i"},
        // Stored as the parser's failure result, -1 mm.
        HostileValueCase{Record::kEdgeType, "Flat, EDGE1, SO=abc",
                         "Config Error:?Err Line 10: invalid measurement SO=abc"},
        HostileValueCase{Record::kEdgeType, "Flat, EDGE1, SH=nan",
                         "Config Error:?Err Line 10: invalid measurement SH=nan"},
        HostileValueCase{Record::kEdgeType, "Flat, EDGE1, SH=1/0",
                         "Config Error:?Err Line 10: invalid measurement SH=1/0"},
        // More digits than a double holds.
        HostileValueCase{
            Record::kEdgeType, "Flat, EDGE1, SH=1" + std::string(400, '0'),
            "Config Error:?Err Line 10: invalid measurement SH=1" + std::string(76, '0') + "..."},
        HostileValueCase{Record::kToolMap, "PROFILE1, 1e308, V_DEFAULT=11",
                         "Config Error:?Err Line 2: invalid measurement 1e308"},
        HostileValueCase{Record::kToolMap, "PROFILE1, -0.75i, V_DEFAULT=11",
                         "Config Error:?Err Line 2: negative measurement -0.75i"},
        HostileValueCase{Record::kToolMap, "PROFILE1, 20000, V_DEFAULT=11",
                         "Config Error:?Err Line 2: measurement beyond 10000 mm 20000"},
        // Signs were skipped: 5 by 3 inches.
        HostileValueCase{Record::kBarType, "Georgian, -5 x -3 i, PROFILE1, GEO58",
                         "Config Error:?Err Line 6: negative measurement -5 x -3 i"},
        HostileValueCase{Record::kBarType, "Georgian, 5 x -3 i, PROFILE1, GEO58",
                         "Config Error:?Err Line 6: negative measurement 5 x -3 i"},
        HostileValueCase{Record::kBarType, "Georgian, 16 x 99999 mm, PROFILE1, GEO58",
                         "Config Error:?Err Line 6: measurement beyond 10000 mm 16 x 99999 mm"},
        HostileValueCase{Record::kBarType, "Georgian, 400 x 3/4 i, PROFILE1, GEO58",
                         "Config Error:?Err Line 6: measurement beyond 10000 mm 400 x 3/4 i"}));

StockReading ReadStock(const std::string& bytes) {
  config_test::ReadOnlyFiles files;
  files.Add("Stock.txt", bytes);
  return ReadStockFile(files, "Stock.txt");
}

struct HostileStockCase {
  std::string file;
  std::vector<std::string> notes;
  double kerf;
  std::vector<std::string> keys;  // the stock entries read, in order
};

void PrintTo(const HostileStockCase& c, std::ostream* out) {
  *out << ::testing::PrintToString(c.file.substr(0, 60));
}

class HostileStockTest : public ::testing::TestWithParam<HostileStockCase> {};

TEST_P(HostileStockTest, RefusesTheLineWithAConfigErrorNote) {
  const HostileStockCase& c = GetParam();
  const StockReading reading = ReadStock(c.file);
  ASSERT_TRUE(reading.file.has_value());
  EXPECT_EQ(reading.notes, c.notes);
  EXPECT_EQ(reading.file->saw.kerf, c.kerf);
  std::vector<std::string> keys;
  for (const StockEntry& entry : reading.file->stock) {
    keys.push_back(entry.key);
  }
  EXPECT_EQ(keys, c.keys);
}

INSTANTIATE_TEST_SUITE_P(
    Files, HostileStockTest,
    ::testing::Values(
        HostileStockCase{"<saw>\nKERF=nan, TRIMHEAD=10;\n<\\saw>",
                         {"Config Error:?Err Line 2: invalid measurement KERF=nan"},
                         0,
                         {}},
        HostileStockCase{"<saw>KERF=-3.2;<\\saw>",
                         {"Config Error:?Err Line 1: negative measurement KERF=-3.2"},
                         0,
                         {}},
        HostileStockCase{"<saw>KERF=1e308;<\\saw>",
                         {"Config Error:?Err Line 1: invalid measurement KERF=1e308"},
                         0,
                         {}},
        // An earlier line's value stays when a later one is refused.
        HostileStockCase{"<saw>KERF=3.2;\nKERF=20000;<\\saw>",
                         {"Config Error:?Err Line 2: measurement beyond 10000 mm KERF=20000"},
                         3.2,
                         {}},
        // Given twice: the later value counts, and the user is told.
        HostileStockCase{"<saw>KERF=3.2, KERF=0;<\\saw>",
                         {"Saw setting given twice, the later one counts: KERF=0 Line: KERF=3.2, "
                          "KERF=0"},
                         0,
                         {}},
        HostileStockCase{"<saw>KERF=3.2;\nKERF=4;<\\saw>",
                         {"Saw setting given twice, the later one counts: KERF=4 Line: KERF=4"},
                         4,
                         {}},
        HostileStockCase{"<stock>\nGEO58, 6000, -6000;\nFlat, 5800;\n<\\stock>",
                         {"Config Error:?Err Line 2: negative measurement GEO58, -6000"},
                         0,
                         {"Flat"}},
        HostileStockCase{"<stock>GEO58, 6e3;<\\stock>",
                         {"Config Error:?Err Line 1: invalid measurement GEO58, 6e3"},
                         0,
                         {}},
        HostileStockCase{"<stock>GEO58, 60000;<\\stock>",
                         {"Config Error:?Err Line 1: measurement beyond 10000 mm GEO58, 60000"},
                         0,
                         {}},
        HostileStockCase{"<stock>GEO58, nan;<\\stock>",
                         {"Config Error:?Err Line 1: invalid measurement GEO58, nan"},
                         0,
                         {}}));

TEST(LimitShownMessagesTest, ShowsTwentyThenHowManyMore) {
  const auto numbered = [](int count) {
    std::vector<std::string> messages;
    for (int i = 1; i <= count; ++i) {
      messages.push_back("Config Error:" + std::to_string(i));
    }
    return messages;
  };
  EXPECT_EQ(LimitShownMessages(numbered(20)), numbered(20));
  std::vector<std::string> oneMore = numbered(20);
  oneMore.push_back("And 1 more configuration message.");
  EXPECT_EQ(LimitShownMessages(numbered(21)), oneMore);
  const std::vector<std::string> flood = LimitShownMessages(numbered(25'000));
  ASSERT_EQ(flood.size(), 21u);
  EXPECT_EQ(flood[19], "Config Error:20");
  EXPECT_EQ(flood[20], "And 24980 more configuration messages.");
}

}  // namespace
}  // namespace grill
