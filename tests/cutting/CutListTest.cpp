#include "cutting/CutList.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <iomanip>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "../export/ExportFixture.h"

namespace grill::testing_export {
namespace {

using ::testing::ElementsAre;

// "length, count, notches, " then "position, code, " per notch, in millimetres
// with one decimal: a group as a cut line gives it.
std::string Text(const CutGroup& group) {
  std::ostringstream text;
  text << std::fixed << std::setprecision(1) << group.piece.length << ", " << group.Count() << ", "
       << group.piece.notches.size() << ", ";
  for (const Notch& notch : group.piece.notches) {
    text << notch.position << ", " << notch.toolCode << ", ";
  }
  return text.str();
}

// Each group as its text, in list order.
std::vector<std::string> Texts(const std::vector<CutGroup>& pieces) {
  std::vector<std::string> texts;
  for (const CutGroup& group : pieces) {
    texts.push_back(Text(group));
  }
  return texts;
}

CutGroup Piece(double length, std::vector<std::pair<double, const char*>> notches,
               BarPiece origin = {}) {
  CutGroup group{CutBar{length, {}}, {origin}};
  for (const auto& [position, code] : notches) {
    group.piece.AddNotch(code, position);
  }
  return group;
}

const CutGroup* GroupOf(const CutList& cutList, PieceOrigin origin) {
  for (const CutGroup& group : cutList.groups) {
    if (std::find(group.origins.begin(), group.origins.end(), origin) != group.origins.end()) {
      return &group;
    }
  }
  return nullptr;
}

std::vector<CutGroup> BarGroups(const CutList& cutList, Direction direction) {
  std::vector<CutGroup> groups;
  for (const CutGroup& group : cutList.groups) {
    if (!IsEdge(group.Origin()) && RunOf(group.Origin()) == direction) {
      groups.push_back(group);
    }
  }
  return groups;
}

using CutListTest = ExportTest;

TEST_F(CutListTest, BarPresentEverywhereIsOnePieceNotchedAtEachCrossing) {
  GrillWindow& w = AddDesign("W", 1000, 800, {300, 600}, {400});
  PieceList pieces = BuildHorzPieces(w, *G58().toolEntry);
  EXPECT_EQ(Texts(pieces), std::vector<std::string>{"1000.0, 1, 2, 300.0, 97, 600.0, 97, "});
}

TEST_F(CutListTest, BarStoppingAtACrossingEndsHalfAToolShortAndNothingAfter) {
  GrillWindow& w = AddDesign("W", 900, 800, {300, 600}, {400});
  w.horzSegments[1][2] = 0;
  PieceList pieces = BuildHorzPieces(w, *G58().toolEntry);
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

// Pieces shorter than the tool between crossings stay in the list, however
// short, so that the check sees them; only what follows a bar's end goes.
TEST_F(CutListTest, StretchesBetweenCloseCrossingsKeepTheirLengthBelowZero) {
  GrillWindow& w = AddDesign("W", 900, 800, {300, 310, 330, 346, 600}, {400});
  w.horzSegments[1][0] = 0;
  w.horzSegments[1][2] = 0;
  w.horzSegments[1][4] = 0;
  EXPECT_EQ(Texts(BuildHorzPieces(w, *G58().toolEntry)),
            (std::vector<std::string>{"-6.0, 1, 0, ", "0.0, 1, 0, ", "292.0, 1, 0, "}));
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
  EXPECT_EQ(Texts(cutList.groups), (std::vector<std::string>{"990.0, 2, 0, ", "790.0, 2, 0, "}));
  EXPECT_THAT(cutList.groups[0].origins, ElementsAre(PieceOrigin{Edge::kTop}, Edge::kBottom));
  EXPECT_THAT(cutList.groups[1].origins, ElementsAre(PieceOrigin{Edge::kRight}, Edge::kLeft));
}

TEST_F(CutListTest, EdgesDeductHdFromLengthAndWdOrHdFromNotches) {
  GrillWindow& w = AddDesign("W", 1000, 800, {250}, {300});
  w.edgeType = &state.config.edgeTypes[1];  // WD 3, HD 4
  w.vertSegments[1][1] = 0;                 // no bar reaches the bottom edge
  w.horzSegments[1][1] = 0;                 // none reaches the right edge
  const CutList cutList = BuildCutList(w, G58(), *w.edgeType);
  // Unpaired, each edge is a group of its own, in file order.
  ASSERT_GE(cutList.groups.size(), 4u);
  EXPECT_EQ(Texts({cutList.groups.begin(), cutList.groups.begin() + 4}),
            (std::vector<std::string>{"992.0, 1, 1, 247.0, 97, ", "992.0, 1, 0, ", "792.0, 1, 0, ",
                                      "792.0, 1, 1, 296.0, 98, "}));
  EXPECT_THAT((std::vector{cutList.groups[0].Origin(), cutList.groups[1].Origin(),
                           cutList.groups[2].Origin(), cutList.groups[3].Origin()}),
              ElementsAre(PieceOrigin{Edge::kTop}, Edge::kBottom, Edge::kRight, Edge::kLeft));
}

TEST_F(CutListTest, MirroredEdgesPair) {
  const CutList cutList = BuildCutList(AddDesign("W", 1000, 800, {300, 700}, {}), G58(), E1());
  ASSERT_NE(GroupOf(cutList, Edge::kBottom), nullptr);
  EXPECT_EQ(GroupOf(cutList, Edge::kBottom), GroupOf(cutList, Edge::kTop));
  EXPECT_EQ(GroupOf(cutList, Edge::kTop)->Count(), 2);
}

TEST_F(CutListTest, JointsUseTheDesignsOwnBarTypeMeasurement) {
  SetCode(state.config.toolMap[0], kRowH, BOTH, "66");
  state.config.toolMap[2].toolMeasurement = 4.0;
  state.config.barTypes[1].toolEntry = &state.config.toolMap[2];
  GrillWindow& w = AddDesign("W", 1000, 800, {400}, {300});
  w.barType = &state.config.barTypes[1];
  const CutList cutList = BuildCutList(w, G58(), E1());
  EXPECT_EQ(Texts(BarGroups(cutList, Direction::kHorizontal)),
            (std::vector<std::string>{"398.0, 1, 0, ", "598.0, 1, 0, "}));
}

// Every piece says where it goes: its bar, counted from the top or the left,
// and its place along the bar; a group lists every piece it stands for.
TEST_F(CutListTest, PiecesKnowTheirBarAndTheirPlaceAlongIt) {
  GrillWindow& w = AddDesign("W", 900, 800, {300, 600}, {400});
  w.horzSegments[1][1] = 0;  // the horizontal bar stops short of the middle band
  const CutList cutList = BuildCutList(w, G58(), E1());
  const BarPiece left{Direction::kHorizontal, 1, 1};
  const BarPiece right{Direction::kHorizontal, 1, 2};
  ASSERT_NE(GroupOf(cutList, left), nullptr);
  ASSERT_NE(GroupOf(cutList, right), nullptr);
  // 292 long, notched nowhere, each end alike: one group of both pieces.
  EXPECT_EQ(GroupOf(cutList, left), GroupOf(cutList, right));
  EXPECT_THAT(GroupOf(cutList, left)->origins, ElementsAre(PieceOrigin{left}, right));
  // The horizontal bar meets the vertical ones on opposite sides, so their
  // notches differ and each is a group of its own.
  const std::vector<CutGroup> vertical = BarGroups(cutList, Direction::kVertical);
  ASSERT_EQ(vertical.size(), 2u);
  EXPECT_THAT(vertical[0].origins, ElementsAre(PieceOrigin{BarPiece{Direction::kVertical, 1, 1}}));
  EXPECT_THAT(vertical[1].origins, ElementsAre(PieceOrigin{BarPiece{Direction::kVertical, 2, 1}}));
}

TEST_F(CutListTest, JointsNumberTheBarsPiecesAgainAndGapsDoNotMixBars) {
  PieceList pieces{Piece(1000.0, {{300, "66"}, {700, "66"}}, {Direction::kVertical, 2, 1}),
                   Piece(400.0, {}, {Direction::kVertical, 2, 2}),
                   Piece(500.0, {{250, "66"}}, {Direction::kVertical, 3, 1})};
  SplitAtJoints(pieces, 16.0);
  std::vector<PieceOrigin> origins;
  for (const CutGroup& group : pieces) {
    origins.push_back(group.Origin());
  }
  EXPECT_THAT(
      origins,
      ElementsAre(PieceOrigin{BarPiece{Direction::kVertical, 2, 1}},
                  BarPiece{Direction::kVertical, 2, 2}, BarPiece{Direction::kVertical, 2, 3},
                  BarPiece{Direction::kVertical, 2, 4}, BarPiece{Direction::kVertical, 3, 1},
                  BarPiece{Direction::kVertical, 3, 2}));
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
  for (CutGroup& group : turnedPieces) {
    for (Notch& notch : group.piece.notches) {
      std::string_view& code = notch.toolCode;
      code = code == "97" ? "98" : code == "11" ? "21" : code == "12" ? "22" : code;
    }
  }
  const std::vector<std::string> expected = Texts(turnedPieces);
  EXPECT_EQ(Texts(pieces), expected);
}

}  // namespace
}  // namespace grill::testing_export
