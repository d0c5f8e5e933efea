#include "cutting/CutBar.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace grill {
namespace {

constexpr CutUnit kMm = CutUnit::kMillimetres;

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
    EXPECT_EQ(c.a.SameAs(c.b), c.same) << c.a.FormatCutLine(kMm) << " / " << c.b.FormatCutLine(kMm);
  }
}

TEST(CutBarTest, MirrorMeasuresFromTheOtherEndKeepingOrderAndCodes) {
  const CutBar piece = Piece(1000.0, {{100.0, "97"}, {300.0, "98"}}, 3);
  const CutBar mirror = piece.Mirrored();
  EXPECT_TRUE(mirror.SameAs(Piece(1000.0, {{700.0, "98"}, {900.0, "97"}})));
  EXPECT_EQ(mirror.count, 1);
}

TEST(CutBarTest, FlipExchanges97And98AndIsItsOwnInverse) {
  const CutBar piece = Piece(500.0, {{100.0, "97"}, {200.0, "66"}, {300.0, "98"}});
  const CutBar flipped = piece.Flipped();
  EXPECT_TRUE(flipped.SameAs(Piece(500.0, {{100.0, "98"}, {200.0, "66"}, {300.0, "97"}})));
  EXPECT_TRUE(flipped.Flipped().SameAs(piece));
}

TEST(CutBarTest, FormatsMillimetresAndInches) {
  const CutBar piece = Piece(812.5, {{270.8, "97"}, {541.7, "98"}}, 2);
  EXPECT_EQ(piece.FormatCutLine(kMm), "812.5, 2, 2, 270.8, 97, 541.7, 98, ");
  EXPECT_EQ(piece.FormatCutLine(CutUnit::kInches), "31.988, 2, 2, 10.661, 97, 21.327, 98, ");
  EXPECT_EQ(Piece(600.0, {}).FormatCutLine(kMm), "600.0, 1, 0, ");
  EXPECT_EQ(Piece(-1.0, {{0.0, ""}}).FormatCutLine(kMm), "-1.0, 1, 1, 0.0, , ");
  // Codes are written whole, however long.
  const std::string longCode(40, 'T');
  EXPECT_EQ(Piece(600.0, {{1.0, "97"}, {2.0, longCode.c_str()}}).FormatCutLine(kMm),
            "600.0, 1, 2, 1.0, 97, 2.0, " + longCode + ", ");
}

TEST(CutBarTest, NumbersBeyondTheUsualRangeStillFormatLikePrintf) {
  EXPECT_EQ(Piece(1e12, {{0.25, "97"}}).FormatCutLine(kMm), "1000000000000.0, 1, 1, 0.2, 97, ");
  EXPECT_EQ(Piece(0.0125, {{-0.0, "x"}}).FormatCutLine(kMm), "0.0, 1, 1, -0.0, x, ");
}

}  // namespace
}  // namespace grill
