#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "ExportFixture.h"
#include "export/CsvSawFormat.h"
#include "export/ExportRun.h"
#include "export/ExportWindow.h"

namespace grill::testing_export {
namespace {

constexpr CutUnit kMm = CutUnit::kMillimetres;

CutGroup Piece(double length, std::vector<std::pair<double, const char*>> notches, int count = 1) {
  CutGroup group{CutBar{length, {}},
                 std::vector<PieceOrigin>(static_cast<size_t>(count), Edge::kTop)};
  for (const auto& [position, code] : notches) {
    group.piece.AddNotch(code, position);
  }
  return group;
}

TEST(CsvPieceTextTest, FormatsMillimetresAndInches) {
  const CutGroup piece = Piece(812.5, {{270.8, "97"}, {541.7, "98"}}, 2);
  EXPECT_EQ(CsvPieceText(piece, kMm), "812.5, 2, 2, 270.8, 97, 541.7, 98, ");
  EXPECT_EQ(CsvPieceText(piece, CutUnit::kInches), "31.988, 2, 2, 10.661, 97, 21.327, 98, ");
  EXPECT_EQ(CsvPieceText(Piece(600.0, {}), kMm), "600.0, 1, 0, ");
  EXPECT_EQ(CsvPieceText(Piece(-1.0, {{0.0, ""}}), kMm), "-1.0, 1, 1, 0.0, , ");
  // Codes are written whole, however long.
  const std::string longCode(40, 'T');
  EXPECT_EQ(CsvPieceText(Piece(600.0, {{1.0, "97"}, {2.0, longCode.c_str()}}), kMm),
            "600.0, 1, 2, 1.0, 97, 2.0, " + longCode + ", ");
}

TEST(CsvPieceTextTest, NumbersBeyondTheUsualRangeStillFormatLikePrintf) {
  EXPECT_EQ(CsvPieceText(Piece(1e12, {{0.25, "97"}}), kMm), "1000000000000.0, 1, 1, 0.2, 97, ");
  EXPECT_EQ(CsvPieceText(Piece(0.0125, {{-0.0, "x"}}), kMm), "0.0, 1, 1, -0.0, x, ");
}

class CsvSawFormatTest : public ExportTest {
 protected:
  std::unique_ptr<SawDesignText> Prepare(const GrillWindow& window, CutUnit unit = kMm) {
    const ExportJob job{&window, window.barType, window.edgeType, {}};
    return CsvSawFormat().Prepare(job, BuildCutList(window, G58(), E1()), unit);
  }
};

// The worked example's unit 12, in memory: the edges, then the vertical and
// the horizontal pieces, each block in cut list order.
TEST_F(CsvSawFormatTest, OneUnitsLinesByWhatTheyCut) {
  GrillWindow& window = AddDesign("W1", 1000, 800, {500}, {400});
  window.outsideColor = Black();
  UnitText text;
  Prepare(window)->WriteUnit(12, text);
  EXPECT_EQ(text.edges,
            "E1_H_01_07_W1,000,G-12 B-12 W, 990.0, 2, 1, 495.0, 97, \r\n"
            "E1_W_01_07_W1,000,G-12 B-12 H, 790.0, 2, 1, 395.0, 98, \r\n");
  EXPECT_EQ(text.verticalBars, "G58_H_01_07_W1,000,G-12 B-12 H, 800.0, 1, 1, 400.0, 98, \r\n");
  EXPECT_EQ(text.horizontalBars, "G58_W_01_07_W1,000,G-12 B-12 W, 1000.0, 1, 1, 500.0, 97, \r\n");
}

// The size check of a run counts the bytes without writing them; the count
// must be the bytes the units write, across the decades of unit numbers.
TEST_F(CsvSawFormatTest, BytesAreTheBytesTheUnitsWrite) {
  const GrillWindow& window = AddDesign("Bay", 1200, 900, {300, 600, 900}, {450});
  const std::unique_ptr<SawDesignText> design = Prepare(window, CutUnit::kInches);
  std::int64_t written = 0;
  UnitText text;
  for (std::int64_t quantity = 0; quantity <= 120; ++quantity) {
    EXPECT_EQ(design->Bytes(quantity), written) << quantity;
    design->WriteUnit(quantity + 1, text);
    written += static_cast<std::int64_t>(text.edges.size() + text.verticalBars.size() +
                                         text.horizontalBars.size());
  }
}

// A format of the saw that marks each block with its kind and unit, so that
// where the run puts each block can be read off the files.
class MarkedFormat : public SawFormat {
 public:
  class Design : public SawDesignText {
   public:
    explicit Design(std::string name) : name_(std::move(name)) {}
    void WriteUnit(std::int64_t unit, UnitText& text) const override {
      const std::string tag = name_ + " " + std::to_string(unit) + "\n";
      text = {"edges " + tag, "vertical " + tag, "horizontal " + tag};
    }
    std::int64_t Bytes(std::int64_t quantity) const override { return quantity; }

   private:
    std::string name_;
  };
  std::unique_ptr<SawDesignText> Prepare(const ExportJob& job, const CutList&,
                                         CutUnit) const override {
    return std::make_unique<Design>(job.window->name);
  }
};

// Whatever the format writes, the run sends the edges to the edge files, the
// vertical pieces to the H file, the horizontal ones to the W file and both
// to the bar master file, unit by unit.
TEST_F(CsvSawFormatTest, TheRunSendsEachBlockOfAnyFormatToItsFiles) {
  GrillWindow& window = AddDesign("W1", 1000, 800, {500}, {400});
  window.outsideColor = Black();
  window.quantity = 2;
  const MarkedFormat format;
  RunPlan plan;
  plan.kind = RunKind::kProcessAll;
  plan.masterName = "Job";
  plan.stamp = "_1_2_3_4_5";
  plan.format = &format;
  plan.jobs.push_back(ExportJob{&window, window.barType, window.edgeType, {}});

  ASSERT_TRUE(RunExport(plan, RunTarget{files, kFolder, {}, std::nullopt}).Completed());
  const DesignFileNames names =
      MakeDesignFileNames(window, G58(), E1(), plan.stamp, RunKind::kProcessAll);
  const std::string edges = "edges W1 1\nedges W1 2\n";
  EXPECT_EQ(FileText(EdgeMasterFileName("Job", plan.stamp)), edges);
  EXPECT_EQ(FileText(names.edge), edges);
  EXPECT_EQ(FileText(BarMasterFileName("Job", plan.stamp)),
            "vertical W1 1\nhorizontal W1 1\nvertical W1 2\nhorizontal W1 2\n");
  EXPECT_EQ(FileText(names.barH), "vertical W1 1\nvertical W1 2\n");
  EXPECT_EQ(FileText(names.barW), "horizontal W1 1\nhorizontal W1 2\n");
  EXPECT_EQ(ExportedBytes(plan.jobs[0], format, kMm), 4);
}

}  // namespace
}  // namespace grill::testing_export
