#include <gtest/gtest.h>

#include <utility>

#include "../cutting/SamplePlans.h"
#include "export/PlanCsv.h"

namespace grill {
namespace {

using test::FromTheRacks;
using test::TwoGroups;

using test::kMillimetres;
constexpr const char* kHeader =
    "Kind,Key,Colors,Bar,Stock,Unit,Pieces,Cuts,Rest,Rest Kind,"
    "Job Unit,Job Stock,Job Cuts,Job Rest,Source,Price,Piece Ids\r\n";

TEST(PlanCsvTest, OneLinePerStockBar) {
  EXPECT_EQ(PlanCsv(TwoGroups(), kMillimetres),
            std::string(kHeader) +
                "bar,GB,01_07,1,6000.0,mm,2,2500.0 H Hall|2500.0 H Hall,985.0,offcut,"
                "mm,6000.0,2500.0 H Hall|2500.0 H Hall,985.0,bought,,1-01-1|1-01-2\r\n"
                "bar,GB,01_07,2,6000.0,mm,1,2500.0 H Hall,3490.0,offcut,"
                "mm,6000.0,2500.0 H Hall,3490.0,bought,,1-02-1\r\n");
}

// The saw's columns stay as the cut files write them; the job's follow, an
// inch job's in sixteenths without the inch mark, which a field cannot hold
// unquoted.
TEST(PlanCsvTest, TheSawsUnitFirstThenTheJobs) {
  EXPECT_EQ(PlanCsv(TwoGroups(), {Unit::Inches, CutUnit::kInches}),
            std::string(kHeader) +
                "bar,GB,01_07,1,236.220,in,2,98.425 H Hall|98.425 H Hall,38.780,offcut,"
                "in,236 1/4,98 7/16 H Hall|98 7/16 H Hall,38 3/4,bought,,1-01-1|1-01-2\r\n"
                "bar,GB,01_07,2,236.220,in,1,98.425 H Hall,137.402,offcut,"
                "in,236 1/4,98 7/16 H Hall,137 3/8,bought,,1-02-1\r\n");
  EXPECT_EQ(PlanCsv(TwoGroups(), {Unit::Inches, CutUnit::kMillimetres}),
            std::string(kHeader) +
                "bar,GB,01_07,1,6000.0,mm,2,2500.0 H Hall|2500.0 H Hall,985.0,offcut,"
                "in,236 1/4,98 7/16 H Hall|98 7/16 H Hall,38 3/4,bought,,1-01-1|1-01-2\r\n"
                "bar,GB,01_07,2,6000.0,mm,1,2500.0 H Hall,3490.0,offcut,"
                "in,236 1/4,98 7/16 H Hall,137 3/8,bought,,1-02-1\r\n");
}

// A group after one without stock keeps its number, so its ids do not move
// when the other group gets a plan.
TEST(PlanCsvTest, PieceIdsNumberEveryGroupOfThePlan) {
  JobCuttingPlan plan = TwoGroups();
  std::swap(plan.groups[0], plan.groups[1]);
  const std::string csv = PlanCsv(plan, kMillimetres);
  EXPECT_NE(csv.find(",6000.0,2500.0 H Hall|2500.0 H Hall,985.0,bought,,2-01-1|2-01-2\r\n"),
            std::string::npos)
      << csv;
  EXPECT_NE(csv.find(",2-02-1\r\n"), std::string::npos) << csv;
}

// Where each bar comes from, and what a bought one costs: the lines of one
// length and source "bought" add up to what the plan buys.
TEST(PlanCsvTest, EachBarSaysWhereItComesFrom) {
  EXPECT_EQ(PlanCsv(FromTheRacks(), kMillimetres),
            std::string(kHeader) +
                "bar,GB,01_07,1,6000.0,mm,2,2500.0 H Hall|2500.0 H Hall,985.0,offcut,"
                "mm,6000.0,2500.0 H Hall|2500.0 H Hall,985.0,on hand,,1-01-1|1-01-2\r\n"
                "bar,GB,01_07,2,6000.0,mm,1,2500.0 H Hall,3490.0,offcut,"
                "mm,6000.0,2500.0 H Hall,3490.0,bought,12.50,1-02-1\r\n"
                "bar,GB,01_07,3,2600.0,mm,1,2500.0 H Hall,95.0,waste,"
                "mm,2600.0,2500.0 H Hall,95.0,remnant,,1-03-1\r\n");
}

// The notes on Stock.txt belong to the window and the script, not to the
// spreadsheet of bars.
TEST(PlanCsvTest, StockNotesStayOutOfTheCsv) {
  JobCuttingPlan plan = TwoGroups();
  const std::string csv = PlanCsv(plan, kMillimetres);
  plan.stockNotes = {"Config Error:?Err Line 2: negative measurement KERF=-3.2"};
  EXPECT_EQ(PlanCsv(plan, kMillimetres), csv);
}

}  // namespace
}  // namespace grill
