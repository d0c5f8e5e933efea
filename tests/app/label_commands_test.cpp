#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../export/ExportFixture.h"
#include "../print/PageChecks.h"
#include "app/JobReferences.h"
#include "app/LabelCommands.h"
#include "model/JobFileWriter.h"

namespace grill {
namespace {

using test::Has;
using test::TextsOf;
using testing_export::ExportSetup;

constexpr const char* kStockPath = "/config/Stock.txt";
constexpr const char* kJobPath = "/jobs/Shop.grilljob";

class LabelJobFileTest : public ::testing::Test, public ExportSetup {
 protected:
  LabelJobFileTest() {
    std::string error;
    files.CreateFolders("/jobs", error);
    files.CreateFolders("/config", error);
  }
  // W1 (edge type E1, bar type GB) saved in millimetres, quantity `quantity`.
  void SaveShop(int quantity = 1) {
    AddDesign("W1", 1000.0, 800.0, {500.0}, {400.0});
    Job job = JobOf(state.document);
    job.unit = Unit::Millimetres;
    for (JobDesign& design : job.designs) {
      design.window.outerWidth = design.window.innerWidth + 10.0;
      design.window.outerHeight = design.window.innerHeight + 10.0;
      design.window.quantity = quantity;
    }
    ASSERT_FALSE(SaveJob(files, kJobPath, job));
  }
  JobFileLabels Labels(std::optional<Unit> exportUnit = std::nullopt) {
    return LabelJobFile(files, state.config, kStockPath, exportUnit, kJobPath,
                        print::LabelSheet::kA4Sheet, std::chrono::milliseconds(200));
  }
};

// W1's cut list is four edge pieces (top and bottom, right and left, each a
// pair) and two bar pieces; twice over, twelve labels, each piece numbered
// among its kind.
TEST_F(LabelJobFileTest, OneLabelPerPieceOfThePlan) {
  SaveShop(2);
  files.contents[kStockPath] = "<stock>\nGB, 3000;\nE1, 3000;\n<\\stock>\n";
  const JobFileLabels labels = Labels();
  ASSERT_EQ(labels.error, "");
  EXPECT_TRUE(labels.warnings.empty());
  ASSERT_EQ(labels.pages.size(), 1u);
  const std::vector<std::string> texts = TextsOf(labels.pages);
  EXPECT_TRUE(Has(texts, "W1 \u2014 top and bottom edge, piece 1 of 4"));
  EXPECT_TRUE(Has(texts, "W1 \u2014 top and bottom edge, piece 4 of 4"));
  EXPECT_TRUE(Has(texts, "Length 990.0 mm"));
  EXPECT_TRUE(Has(texts, "Job Shop"));
  EXPECT_TRUE(Has(texts, "1-01-1"));
  EXPECT_TRUE(Has(texts, "2-01-1"));
  const auto pieces = std::count_if(texts.begin(), texts.end(), [](const std::string& text) {
    return text.rfind("W1 \u2014 ", 0) == 0;
  });
  EXPECT_EQ(pieces, 12);  // 2 × (4 edges + 2 bars)
}

TEST_F(LabelJobFileTest, TheSawsUnitFromTheConfiguration) {
  SaveShop();
  files.contents[kStockPath] = "<stock>\nGB, 3000;\nE1, 3000;\n<\\stock>\n";
  const std::vector<std::string> texts = TextsOf(Labels(Unit::Inches).pages);
  EXPECT_TRUE(Has(texts, "Length 990.0 mm (38.976 in)"));
}

// A group without stock has no labels, and says so; the other groups keep
// their numbers.
TEST_F(LabelJobFileTest, SaysWhatHasNoLabel) {
  SaveShop();
  files.contents[kStockPath] = "<stock>\nGB, 3000;\n<\\stock>\n";
  const JobFileLabels labels = Labels();
  ASSERT_EQ(labels.error, "");
  ASSERT_EQ(labels.warnings.size(), 1u);
  EXPECT_EQ(labels.warnings[0].rfind("No plan for Edge E1, colours 01", 0), 0u)
      << labels.warnings[0];
  const std::vector<std::string> texts = TextsOf(labels.pages);
  EXPECT_FALSE(Has(texts, "1-01-1"));
  EXPECT_TRUE(Has(texts, "2-01-1"));
}

TEST_F(LabelJobFileTest, RefusesWhatItCannotLabel) {
  const JobFileLabels unreadable = Labels();
  EXPECT_NE(unreadable.error, "");
  EXPECT_TRUE(unreadable.pages.empty());

  SaveShop();
  const JobFileLabels noStock = Labels();
  EXPECT_EQ(noStock.error.rfind("No Stock.txt: /config/Stock.txt was not found", 0), 0u)
      << noStock.error;
  EXPECT_TRUE(noStock.pages.empty());

  files.contents[kStockPath] = "<stock>\nCON, 3000;\n<\\stock>\n";
  const JobFileLabels nothing = Labels();
  EXPECT_EQ(nothing.error, "The cutting plan of /jobs/Shop.grilljob has no pieces to label.");
  EXPECT_EQ(nothing.warnings.size(), 2u);
}

}  // namespace
}  // namespace grill
