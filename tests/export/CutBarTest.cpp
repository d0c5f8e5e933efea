#include "export/CutBar.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace grill {
namespace {

CutBar Piece(double length, std::vector<std::pair<double, const char*>> notches, int count = 1) {
  CutBar piece;
  piece.length = length;
  piece.count = count;
  for (const auto& [position, code] : notches) {
    piece.AddNotch(code, position);
  }
  return piece;
}

struct SameAsCase {
  CutBar a;
  CutBar b;
  bool same;
};

TEST(CutBarTest, SameAsAppliesTheInclusiveBoundToTheComputedDifference) {
  const SameAsCase cases[] = {
      {Piece(0.0, {}), Piece(0.001, {}), true},
      {Piece(100.0, {}), Piece(100.002, {}), false},
      // 100.001 - 100.0 is slightly above 0.001 as doubles.
      {Piece(100.0, {}), Piece(100.001, {}), false},
      {Piece(100.0, {}), Piece(99.9995, {}), true},
      {Piece(10.0, {{0.0, "97"}}), Piece(10.0, {{0.001, "97"}}), true},
      {Piece(10.0, {{5.0, "97"}}), Piece(10.0, {{5.002, "97"}}), false},
      {Piece(10.0, {{5.0, "97"}}), Piece(10.0, {{5.0, "97 "}}), false},
      {Piece(10.0, {{5.0, "97"}}), Piece(10.0, {{5.0, "97"}, {6.0, "98"}}), false},
      {Piece(10.0, {{5.0, "97"}}, 1), Piece(10.0, {{5.0, "97"}}, 7), true},
  };
  for (const SameAsCase& c : cases) {
    EXPECT_EQ(c.a.SameAs(c.b), c.same) << c.a.FormatCutLine(1) << " / " << c.b.FormatCutLine(1);
  }
}

TEST(CutBarTest, MirrorMeasuresFromTheOtherEndKeepingOrderAndCodes) {
  const CutBar piece = Piece(1000.0, {{100.0, "97"}, {300.0, "98"}}, 3);
  CutBar mirror;
  mirror.count = 5;
  piece.MakeMirror(mirror);
  EXPECT_TRUE(mirror.SameAs(Piece(1000.0, {{700.0, "98"}, {900.0, "97"}})));
  EXPECT_EQ(mirror.count, 5);
}

TEST(CutBarTest, FlipExchanges97And98AndIsItsOwnInverse) {
  const CutBar piece = Piece(500.0, {{100.0, "97"}, {200.0, "66"}, {300.0, "98"}});
  CutBar flipped;
  piece.MakeFlipped(flipped);
  EXPECT_TRUE(flipped.SameAs(Piece(500.0, {{100.0, "98"}, {200.0, "66"}, {300.0, "97"}})));
  CutBar back;
  flipped.MakeFlipped(back);
  EXPECT_TRUE(back.SameAs(piece));
}

TEST(CutBarTest, FormatsMillimetresAndInches) {
  const CutBar piece = Piece(812.5, {{270.8, "97"}, {541.7, "98"}}, 2);
  EXPECT_EQ(piece.FormatCutLine(1), "812.5, 2, 2, 270.8, 97, 541.7, 98, ");
  EXPECT_EQ(piece.FormatCutLine(0), "31.988, 2, 2, 10.661, 97, 21.327, 98, ");
  EXPECT_EQ(Piece(600.0, {}).FormatCutLine(1), "600.0, 1, 0, ");
  EXPECT_EQ(Piece(-1.0, {{0.0, ""}}).FormatCutLine(1), "-1.0, 1, 1, 0.0, , ");
  // Codes longer than the usual two characters take the long way, whole.
  const std::string longCode(40, 'T');
  EXPECT_EQ(Piece(600.0, {{1.0, "97"}, {2.0, longCode.c_str()}}).FormatCutLine(1),
            "600.0, 1, 2, 1.0, 97, 2.0, " + longCode + ", ");
}

TEST(CutBarTest, NumbersBeyondTheUsualRangeStillFormatLikePrintf) {
  EXPECT_EQ(Piece(1e12, {{0.25, "97"}}).FormatCutLine(1), "1000000000000.0, 1, 1, 0.2, 97, ");
  EXPECT_EQ(Piece(0.0125, {{-0.0, "x"}}).FormatCutLine(1), "0.0, 1, 1, -0.0, x, ");
}

}  // namespace
}  // namespace grill
