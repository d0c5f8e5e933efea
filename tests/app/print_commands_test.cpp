#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../export/ExportFixture.h"
#include "../print/PageChecks.h"
#include "app/JobReferences.h"
#include "app/PrintCommands.h"
#include "model/JobFileWriter.h"
#include "print/ExportCuts.h"
#include "print/JobPrint.h"
#include "testing/DocumentSetUp.h"

namespace grill {
namespace {

using test::TextsOf;
using testing_export::ExportSetup;

bool Shows(const std::vector<print::Page>& pages, const std::string& text) {
  const std::vector<std::string> texts = TextsOf(pages);
  return std::find(texts.begin(), texts.end(), text) != texts.end();
}

class PrintCommandsTest : public ::testing::Test, public ExportSetup {
 protected:
  // W1 inside edge type E1 (deductions 5): one bar each way, the numbers the
  // cut files of the same design hold.
  void AddW1() { AddDesign("W1", 1000.0, 800.0, {500.0}, {400.0}); }

  print::DrawingSettings settings{print::kA4, Unit::Millimetres, "Shop", "2026-12-08"};
};

TEST_F(PrintCommandsTest, CutTableHoldsTheRowsOfTheCutFiles) {
  AddW1();
  const print::CutTable table = print::CutTableOf(state.document.Designs()[0]);

  struct Expected {
    print::PieceKind kind;
    const char* group;
    double length;
    int count;
    double notchAt;
    const char* code;
  };
  const Expected expected[] = {
      {print::PieceKind::Edge, "Top and bottom edge", 990.0, 2, 495.0, "97"},
      {print::PieceKind::Edge, "Right and left edge", 790.0, 2, 395.0, "98"},
      {print::PieceKind::Bar, "Vertical bar 1", 800.0, 1, 400.0, "98"},
      {print::PieceKind::Bar, "Horizontal bar 1", 1000.0, 1, 500.0, "97"},
  };
  ASSERT_EQ(table.size(), std::size(expected));
  for (std::size_t i = 0; i < table.size(); ++i) {
    SCOPED_TRACE(expected[i].group);
    EXPECT_EQ(table[i].kind, expected[i].kind);
    EXPECT_EQ(table[i].group, expected[i].group);
    EXPECT_DOUBLE_EQ(table[i].length, expected[i].length);
    EXPECT_EQ(table[i].count, expected[i].count);
    ASSERT_EQ(table[i].notches.size(), 1u);
    EXPECT_DOUBLE_EQ(table[i].notches[0].position, expected[i].notchAt);
    EXPECT_EQ(table[i].notches[0].toolCode, expected[i].code);
  }
}

TEST_F(PrintCommandsTest, EdgesThatDifferGetARowEach) {
  // Without the vertical bar's top segment only the bottom edge is notched.
  AddW1();
  GrillWindow& window = DocumentSetUp::Records(state.document)[0];
  window.vertSegments[0][1] = 0;
  const print::CutTable table = print::CutTableOf(window);
  ASSERT_GE(table.size(), 3u);
  EXPECT_EQ(table[0].group, "Top edge");
  EXPECT_EQ(table[0].count, 1);
  EXPECT_TRUE(table[0].notches.empty());
  EXPECT_EQ(table[1].group, "Bottom edge");
  EXPECT_EQ(table[1].notches.size(), 1u);
}

TEST_F(PrintCommandsTest, DesignWithoutTypesHasNoCutList) {
  AddW1();
  GrillWindow without = state.document.Designs()[0];
  without.barType = nullptr;
  EXPECT_TRUE(print::CutTableOf(without).empty());
  without = state.document.Designs()[0];
  without.edgeType = nullptr;
  EXPECT_TRUE(print::CutTableOf(without).empty());
}

TEST_F(PrintCommandsTest, ScopesFollowTheDesignsAndTheCurrentOne) {
  EXPECT_TRUE(PrintScopes(state.document.Designs(), nullptr).empty());
  AddW1();
  const WindowList& designs = state.document.Designs();
  EXPECT_EQ(PrintScopes(designs, nullptr), std::vector{PrintScope::WholeJob});
  EXPECT_EQ(PrintScopes(designs, &designs[0]),
            (std::vector{PrintScope::CurrentDesign, PrintScope::WholeJob}));
}

// The job's pages follow the Windows list (alphabetical without regard to
// case), not the order the designs were made in.
TEST_F(PrintCommandsTest, TheJobPrintsInTheWindowsListOrder) {
  for (const char* name : {"b2", "Attic", "a1"}) {
    AddDesign(name, 600.0, 400.0, {300.0}, {});
  }
  const std::vector<std::string> texts =
      TextsOf(BuildPrintPages(state.document.Designs(), nullptr, PrintScope::WholeJob, settings));
  const auto first = [&texts](const std::string& name) {
    return std::find(texts.begin(), texts.end(), name) - texts.begin();
  };
  EXPECT_LT(first("a1"), first("Attic"));
  EXPECT_LT(first("Attic"), first("b2"));
  EXPECT_LT(first("b2"), static_cast<std::ptrdiff_t>(texts.size()));
}

TEST_F(PrintCommandsTest, CurrentDesignPrintsAloneAndTheJobEndsWithItsSummary) {
  AddW1();
  AddDesign("W2", 600.0, 400.0, {300.0}, {});
  const WindowList& designs = state.document.Designs();

  const std::vector<print::Page> alone =
      BuildPrintPages(designs, &designs[1], PrintScope::CurrentDesign, settings);
  EXPECT_TRUE(Shows(alone, "W2"));
  EXPECT_FALSE(Shows(alone, "W1"));
  EXPECT_EQ(TextsOf(alone),
            TextsOf(print::BuildDesignPrint(designs[1], print::CutTableOf(designs[1]), settings)));

  const std::vector<print::Page> job =
      BuildPrintPages(designs, &designs[1], PrintScope::WholeJob, settings);
  EXPECT_TRUE(Shows(job, "W1"));
  EXPECT_TRUE(Shows(job, "990.0"));  // W1's top and bottom edge
  const std::vector<print::DesignSheet> sheets{{&designs[0], print::CutTableOf(designs[0])},
                                               {&designs[1], print::CutTableOf(designs[1])}};
  EXPECT_EQ(job.size(), print::BuildDesignPrint(designs[0], sheets[0].cuts, settings).size() +
                            print::BuildDesignPrint(designs[1], sheets[1].cuts, settings).size() +
                            print::BuildSummaryPages(sheets, settings).size());

  EXPECT_TRUE(BuildPrintPages(designs, nullptr, PrintScope::CurrentDesign, settings).empty());
  EXPECT_TRUE(BuildPrintPages({}, nullptr, PrintScope::WholeJob, settings).empty());
}

class PrintJobFileTest : public PrintCommandsTest {
 protected:
  PrintJobFileTest() {
    std::string error;
    files.CreateFolders("/jobs", error);
  }
  // The designs saved in `unit` as /jobs/Shop.grilljob, W1's edge type named
  // `edgeName`.
  void SaveShop(Unit unit, const std::string& edgeName = "E1", JobDetails details = {}) {
    AddW1();
    AddDesign("W2", 600.0, 400.0, {300.0}, {});
    Job job = JobOf(state.document);
    job.unit = unit;
    job.details = std::move(details);
    for (JobDesign& design : job.designs) {
      design.window.outerWidth = design.window.innerWidth + 10.0;
      design.window.outerHeight = design.window.innerHeight + 10.0;
    }
    job.designs[0].references.edgeType = edgeName;
    ASSERT_FALSE(SaveJob(files, kPath, job));
  }
  JobFilePrint Print(const std::optional<std::string>& design = std::nullopt) {
    return PrintJobFile(files, state.config, kPath, design, settings);
  }
  const std::string kPath = "/jobs/Shop.grilljob";
};

TEST_F(PrintJobFileTest, PrintsTheWholeJobInTheFilesUnit) {
  SaveShop(Unit::Inches);
  const JobFilePrint print = Print();
  ASSERT_EQ(print.error, "");
  EXPECT_EQ(print.warning, "");
  EXPECT_TRUE(Shows(print.pages, "W1"));
  EXPECT_TRUE(Shows(print.pages, "W2"));
  EXPECT_TRUE(Shows(print.pages, "inches"));
  EXPECT_TRUE(Shows(print.pages, "Shop"));
  EXPECT_FALSE(Shows(print.pages, "990.0"));
}

// grill-designer --pdf prints the file's details as the print menu does.
TEST_F(PrintJobFileTest, PrintsTheFilesDetails) {
  SaveShop(Unit::Inches, "E1", {"Smith & Sons", "PO-4471", "Friday", "Back door"});
  const JobFilePrint print = Print();
  ASSERT_EQ(print.error, "");
  for (const char* shown : {"Smith & Sons", "PO-4471", "Friday", "Back door"}) {
    EXPECT_TRUE(Shows(print.pages, shown)) << shown;
  }
}

TEST_F(PrintJobFileTest, PrintsTheNamedDesignAlone) {
  SaveShop(Unit::Millimetres);
  const JobFilePrint print = Print("W1");
  ASSERT_EQ(print.error, "");
  EXPECT_TRUE(Shows(print.pages, "990.0"));
  EXPECT_FALSE(Shows(print.pages, "W2"));
}

TEST_F(PrintJobFileTest, RefusesWhatItCannotPrint) {
  const JobFilePrint unreadable = Print();
  EXPECT_NE(unreadable.error, "");
  EXPECT_TRUE(unreadable.pages.empty());

  SaveShop(Unit::Millimetres);
  const JobFilePrint unknown = Print("Kitchen");
  EXPECT_EQ(unknown.error, "The job /jobs/Shop.grilljob holds no design named \"Kitchen\".");
  EXPECT_TRUE(unknown.pages.empty());

  files.contents[kPath] = "{ not a job";
  EXPECT_NE(Print().error, "");
}

TEST_F(PrintJobFileTest, AnEmptyJobHasNothingToPrint) {
  ASSERT_FALSE(SaveJob(files, kPath, Job{}));
  EXPECT_EQ(Print().error, kNoDesignToPrint);
}

TEST_F(PrintJobFileTest, UnknownTypeNamesWarnAndThatDesignPrintsWithoutCuts) {
  SaveShop(Unit::Millimetres, "Gone");
  const JobFilePrint print = Print();
  EXPECT_EQ(print.error, "");
  EXPECT_NE(print.warning.find("Gone"), std::string::npos);
  EXPECT_FALSE(Shows(print.pages, "990.0"));
  EXPECT_TRUE(Shows(print.pages, "W1"));
}

}  // namespace
}  // namespace grill
