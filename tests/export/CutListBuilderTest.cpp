#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "ExportFixture.h"
#include "export/CutList.h"

namespace grill::testing_export {
namespace {

std::vector<std::string> Texts(const PieceList& pieces) {
  std::vector<std::string> texts;
  for (const CutBar& piece : pieces) {
    texts.push_back(piece.FormatCutLine(1));
  }
  return texts;
}

// The grouping as the cut list describes it: each remaining piece in turn
// takes every later piece that is the same, the same turned end for end, or
// (one colour) the same turned face for face.
PieceList GroupedPairwise(PieceList pieces, bool colorsDiffer) {
  std::vector<bool> taken(pieces.size(), false);
  PieceList groups;
  for (size_t p = 0; p < pieces.size(); ++p) {
    if (taken[p]) {
      continue;
    }
    CutBar mirror;
    CutBar flipped;
    pieces[p].MakeMirror(mirror);
    pieces[p].MakeFlipped(flipped);
    for (size_t q = p + 1; q < pieces.size(); ++q) {
      if (!taken[q] && (pieces[p].SameAs(pieces[q]) || mirror.SameAs(pieces[q]) ||
                        (!colorsDiffer && flipped.SameAs(pieces[q])))) {
        pieces[p].count += 1;
        taken[q] = true;
      }
    }
    groups.push_back(pieces[p]);
  }
  return groups;
}

// The bar pieces of one direction taken step by step over whole lists.
PieceList StepByStep(const GrillWindow& w, const ToolMapEntry& tools, bool horizontal) {
  PieceList pieces;
  if (horizontal) {
    BuildHorzPieces(w, tools, pieces);
  } else {
    BuildVertPieces(w, tools, pieces);
  }
  RemoveOpenPieces(pieces);
  SplitAtJoints(pieces, w.barType->toolEntry->toolMeasurement);
  return GroupedPairwise(pieces, w.insideColor != w.outsideColor);
}

class CutListBuilderTest : public ExportTest {
 protected:
  // Bars on a coarse grid, so that pieces often repeat, mirror or flip one
  // another; now and then two bars at one position.
  Positions RandomBars(std::mt19937& random, double inner) {
    Positions bars(random() % (kMaxBars + 1));
    const double step = inner / static_cast<double>(bars.size() + 1);
    for (size_t i = 0; i < bars.size(); ++i) {
      bars[i] = random() % 4 == 0 && i > 0 ? bars[i - 1] : step * static_cast<double>(i + 1);
    }
    return bars;
  }
  void KnockOutSegments(std::mt19937& random, SegmentTable& segments) {
    for (int i = static_cast<int>(random() % 12); i > 0; --i) {
      segments[random() % kTableSize][random() % kTableSize] = random() % 5 == 0 ? 2 : 0;
    }
  }
};

// One builder and one cut list serve every design, bars laid out alike are
// grouped through their twins, and pieces are grouped as they come: the
// result is still that of the steps over whole lists.
TEST_F(CutListBuilderTest, BuildsWhatTheStepsOverWholeListsBuild) {
  std::mt19937 random(77);
  const char* codes[] = {"97", "98", "66", "11"};
  CutListBuilder builder;
  CutList reused;
  for (int trial = 0; trial < 400; ++trial) {
    ToolMapEntry& tools = state.config.toolMap[0];
    for (std::string& code : tools.toolCodes) {
      code = codes[random() % 4];
    }
    const double width = 600.0 + static_cast<double>(random() % 1200);
    const double height = 400.0 + static_cast<double>(random() % 900);
    GrillWindow& w =
        AddDesign("W", width, height, RandomBars(random, width), RandomBars(random, height));
    KnockOutSegments(random, w.horzSegments);
    KnockOutSegments(random, w.vertSegments);
    w.outsideColor = random() % 2 == 0 ? White() : Black();

    builder.Build(w, G58(), E1(), reused);
    SCOPED_TRACE(trial);
    EXPECT_EQ(Texts(reused.horzPieces), Texts(StepByStep(w, tools, true)));
    EXPECT_EQ(Texts(reused.vertPieces), Texts(StepByStep(w, tools, false)));
    const CutList fresh = BuildCutList(w, G58(), E1());
    EXPECT_EQ(reused.topEdge.FormatCutLine(1), fresh.topEdge.FormatCutLine(1));
    EXPECT_EQ(reused.leftEdge.FormatCutLine(1), fresh.leftEdge.FormatCutLine(1));
  }
}

}  // namespace
}  // namespace grill::testing_export
