#include <gtest/gtest.h>

#include "../cutting/SamplePlans.h"
#include "export/PlanCsv.h"

namespace grill {
namespace {

using test::TwoGroups;

TEST(PlanCsvTest, OneLinePerStockBar) {
  EXPECT_EQ(PlanCsv(TwoGroups(), CutUnit::kMillimetres),
            "Kind,Key,Colors,Bar,Stock,Unit,Pieces,Cuts,Rest,Rest Kind\r\n"
            "bar,GB,01_07,1,6000.0,mm,2,2500.0 H Hall|2500.0 H Hall,985.0,offcut\r\n"
            "bar,GB,01_07,2,6000.0,mm,1,2500.0 H Hall,3490.0,offcut\r\n");
}

TEST(PlanCsvTest, InchesAsTheCutFilesWriteThem) {
  EXPECT_EQ(PlanCsv(TwoGroups(), CutUnit::kInches),
            "Kind,Key,Colors,Bar,Stock,Unit,Pieces,Cuts,Rest,Rest Kind\r\n"
            "bar,GB,01_07,1,236.220,in,2,98.425 H Hall|98.425 H Hall,38.780,offcut\r\n"
            "bar,GB,01_07,2,236.220,in,1,98.425 H Hall,137.402,offcut\r\n");
}

// The notes on Stock.txt belong to the window and the script, not to the
// spreadsheet of bars.
TEST(PlanCsvTest, StockNotesStayOutOfTheCsv) {
  JobCuttingPlan plan = TwoGroups();
  const std::string csv = PlanCsv(plan, CutUnit::kMillimetres);
  plan.stockNotes = {"Config Error:?Err Line 2: negative measurement KERF=-3.2"};
  EXPECT_EQ(PlanCsv(plan, CutUnit::kMillimetres), csv);
}

}  // namespace
}  // namespace grill
