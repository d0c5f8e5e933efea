#include "cutting/CutList.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "../export/ExportFixture.h"

namespace grill::testing_export {
namespace {

// Each piece as its millimetre text, in list order.
std::vector<std::string> Texts(const PieceList& pieces) {
  std::vector<std::string> texts;
  for (const CutBar& piece : pieces) {
    texts.push_back(piece.FormatCutLine(CutUnit::kMillimetres));
  }
  return texts;
}

CutBar Piece(double length, std::vector<std::pair<double, const char*>> notches) {
  CutBar piece;
  piece.length = length;
  for (const auto& [position, code] : notches) {
    piece.AddNotch(code, position);
  }
  return piece;
}

using CutListTest = ExportTest;

TEST_F(CutListTest, BarPresentEverywhereIsOnePieceNotchedAtEachCrossing) {
  GrillWindow& w = AddDesign("W", 1000, 800, {300, 600}, {400});
  PieceList pieces = BuildHorzPieces(w, *G58().toolEntry);
  EXPECT_EQ(Texts(pieces), std::vector<std::string>{"1000.0, 1, 2, 300.0, 97, 600.0, 97, "});
}

TEST_F(CutListTest, BarStoppingAtACrossingEndsHalfAToolShortAndLeavesAnOpenPiece) {
  GrillWindow& w = AddDesign("W", 900, 800, {300, 600}, {400});
  w.horzSegments[1][2] = 0;
  PieceList pieces = BuildHorzPieces(w, *G58().toolEntry);
  EXPECT_EQ(Texts(pieces), (std::vector<std::string>{"592.0, 1, 1, 300.0, 97, ", "-1.0, 1, 0, "}));
  RemoveOpenPieces(pieces);
  EXPECT_EQ(Texts(pieces), std::vector<std::string>{"592.0, 1, 1, 300.0, 97, "});
}

TEST_F(CutListTest, BarStartingInALaterBandIsMeasuredFromItsOwnStart) {
  GrillWindow& w = AddDesign("W", 900, 800, {300, 600}, {400});
  w.horzSegments[1][0] = 0;
  PieceList pieces = BuildHorzPieces(w, *G58().toolEntry);
  // Starts at 308; the notch at 600 lies 292 into the piece.
  EXPECT_EQ(Texts(pieces), std::vector<std::string>{"592.0, 1, 1, 292.0, 97, "});
}

TEST_F(CutListTest, NotchCodeFollowsTheSidesWhereTheCrossingBarRuns) {
  // Vertical bars at 200, 400, 600: the first runs only above the horizontal
  // bar, the second only below, the third on neither side.
  GrillWindow& w = AddDesign("W", 800, 800, {200, 400, 600}, {400});
  w.vertSegments[1][1] = 0;
  w.vertSegments[0][2] = 0;
  w.vertSegments[0][3] = 0;
  w.vertSegments[1][3] = 0;
  PieceList horz = BuildHorzPieces(w, *G58().toolEntry);
  EXPECT_EQ(Texts(horz), std::vector<std::string>{"800.0, 1, 2, 200.0, 11, 400.0, 12, "});

  w.vertSegments = SegmentTable{};
  for (auto& row : w.vertSegments) {
    row.fill(1);
  }
  w.horzSegments[1][0] = 0;  // the horizontal bar runs only right of bar 1
  PieceList vert = BuildVertPieces(w, *G58().toolEntry);
  EXPECT_EQ(Texts(vert),
            (std::vector<std::string>{"800.0, 1, 1, 400.0, 22, ", "800.0, 1, 1, 400.0, 98, ",
                                      "800.0, 1, 1, 400.0, 98, "}));
}

TEST_F(CutListTest, RemoveOpenPiecesKeepsZeroLength) {
  PieceList pieces{Piece(-1.0, {}), Piece(0.0, {}), Piece(-0.5, {}), Piece(5.0, {})};
  RemoveOpenPieces(pieces);
  EXPECT_EQ(Texts(pieces), (std::vector<std::string>{"0.0, 1, 0, ", "5.0, 1, 0, "}));
}

TEST_F(CutListTest, JointsSplitIntoRenumberedPiecesWithoutTheJointNotch) {
  PieceList pieces{Piece(1000.0, {{100, "97"}, {300, "66"}, {500, "98"}, {700, "66"}, {900, "97"}}),
                   Piece(400.0, {{200, "97"}})};
  SplitAtJoints(pieces, 16.0);
  EXPECT_EQ(Texts(pieces),
            (std::vector<std::string>{"292.0, 1, 1, 100.0, 97, ", "384.0, 1, 1, 192.0, 98, ",
                                      "292.0, 1, 1, 192.0, 97, ", "400.0, 1, 1, 200.0, 97, "}));
}

TEST_F(CutListTest, MirroredPiecesMergeWhateverTheColours) {
  for (const bool colorsDiffer : {false, true}) {
    PieceList pieces{Piece(1000, {{300, "97"}, {600, "97"}}), Piece(500, {}),
                     Piece(1000, {{400, "97"}, {700, "97"}})};
    GroupIdenticalPieces(pieces, colorsDiffer);
    EXPECT_EQ(Texts(pieces),
              (std::vector<std::string>{"1000.0, 2, 2, 300.0, 97, 600.0, 97, ", "500.0, 1, 0, "}));
  }
}

TEST_F(CutListTest, FlippedPiecesMergeOnlyWhenBothFacesShareAColour) {
  const auto group = [](bool colorsDiffer) {
    PieceList pieces{Piece(1000, {{300, "97"}, {600, "98"}}),
                     Piece(1000, {{300, "98"}, {600, "97"}}),
                     Piece(1000, {{300, "97"}, {600, "98"}})};
    GroupIdenticalPieces(pieces, colorsDiffer);
    return Texts(pieces);
  };
  EXPECT_EQ(group(false), std::vector<std::string>{"1000.0, 3, 2, 300.0, 97, 600.0, 98, "});
  EXPECT_EQ(group(true), (std::vector<std::string>{"1000.0, 2, 2, 300.0, 97, 600.0, 98, ",
                                                   "1000.0, 1, 2, 300.0, 98, 600.0, 97, "}));
}

TEST_F(CutListTest, WindowWithoutBarsHasPairedBareEdges) {
  const CutList cutList = BuildCutList(AddDesign("W", 1000, 800, {}, {}), G58(), E1());
  EXPECT_EQ(cutList.topEdge.FormatCutLine(CutUnit::kMillimetres), "990.0, 2, 0, ");
  EXPECT_EQ(cutList.bottomEdge.count, 0);
  EXPECT_EQ(cutList.rightEdge.FormatCutLine(CutUnit::kMillimetres), "790.0, 2, 0, ");
  EXPECT_EQ(cutList.leftEdge.count, 0);
  EXPECT_TRUE(cutList.vertPieces.empty());
  EXPECT_TRUE(cutList.horzPieces.empty());
}

TEST_F(CutListTest, EdgesDeductHdFromLengthAndWdOrHdFromNotches) {
  GrillWindow& w = AddDesign("W", 1000, 800, {250}, {300});
  w.edgeType = &state.config.edgeTypes[1];  // WD 3, HD 4
  w.vertSegments[1][1] = 0;                 // no bar reaches the bottom edge
  w.horzSegments[1][1] = 0;                 // none reaches the right edge
  const CutList cutList = BuildCutList(w, G58(), *w.edgeType);
  EXPECT_EQ(cutList.topEdge.FormatCutLine(CutUnit::kMillimetres), "992.0, 1, 1, 247.0, 97, ");
  EXPECT_EQ(cutList.bottomEdge.FormatCutLine(CutUnit::kMillimetres), "992.0, 1, 0, ");
  EXPECT_EQ(cutList.rightEdge.FormatCutLine(CutUnit::kMillimetres), "792.0, 1, 0, ");
  EXPECT_EQ(cutList.leftEdge.FormatCutLine(CutUnit::kMillimetres), "792.0, 1, 1, 296.0, 98, ");
}

TEST_F(CutListTest, MirroredEdgesPair) {
  const CutList cutList = BuildCutList(AddDesign("W", 1000, 800, {300, 700}, {}), G58(), E1());
  EXPECT_EQ(cutList.topEdge.count, 2);
  EXPECT_EQ(cutList.bottomEdge.count, 0);
}

TEST_F(CutListTest, JointsUseTheDesignsOwnBarTypeMeasurement) {
  SetCode(state.config.toolMap[0], kRowH, BOTH, "66");
  state.config.toolMap[2].toolMeasurement = 4.0;
  state.config.barTypes[1].toolEntry = &state.config.toolMap[2];
  GrillWindow& w = AddDesign("W", 1000, 800, {400}, {300});
  w.barType = &state.config.barTypes[1];
  const CutList cutList = BuildCutList(w, G58(), E1());
  EXPECT_EQ(Texts(cutList.horzPieces),
            (std::vector<std::string>{"398.0, 1, 0, ", "598.0, 1, 0, "}));
}

// The vertical bars are built from the segment tables turned across their
// diagonal, so a design's vertical pieces must be the horizontal pieces of
// the design turned the same way, with each vertical tool code in place of
// its horizontal counterpart. Every bar has a gap pattern of its own, so that
// any entry turned to the wrong place changes some piece.
TEST_F(CutListTest, VerticalPiecesAreTheHorizontalPiecesOfTheTurnedDesign) {
  Positions vert;
  Positions horz;
  for (int i = 1; i <= kMaxBars; ++i) {
    vert.push_back(40.0 * i);
    horz.push_back(30.0 * i + (i % 3));
  }
  GrillWindow& w = AddDesign("W", 1300, 1000, vert, horz);
  GrillWindow& turned = AddDesign("T", 1000, 1300, horz, vert);
  unsigned pattern = 1;
  for (size_t bar = 1; bar <= kMaxBars; ++bar) {
    for (size_t band = 0; band <= kMaxBars; ++band) {
      pattern = pattern * 1103515245u + 12345u;
      const auto entry = static_cast<std::uint8_t>((pattern >> 16) % 4 != 0);
      w.vertSegments[band][bar] = entry;
      turned.horzSegments[bar][band] = entry;
      const auto crossing = static_cast<std::uint8_t>((pattern >> 20) % 5 != 0);
      w.horzSegments[bar][band] = crossing;
      turned.vertSegments[band][bar] = crossing;
    }
  }
  PieceList pieces = BuildVertPieces(w, *G58().toolEntry);
  PieceList turnedPieces = BuildHorzPieces(turned, *G58().toolEntry);
  // The codes of a vertical bar's sides (98 both, 21 left, 22 right) in place
  // of a horizontal bar's (97 both, 11 above, 12 below).
  for (CutBar& piece : turnedPieces) {
    for (Notch& notch : piece.notches) {
      std::string_view& code = notch.toolCode;
      code = code == "97" ? "98" : code == "11" ? "21" : code == "12" ? "22" : code;
    }
  }
  const std::vector<std::string> expected = Texts(turnedPieces);
  EXPECT_EQ(Texts(pieces), expected);
}

}  // namespace
}  // namespace grill::testing_export
