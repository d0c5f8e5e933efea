#include "cutting/CutBar.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace grill {
namespace {

CutBar Piece(double length, std::vector<std::pair<double, const char*>> notches) {
  CutBar piece;
  piece.length = length;
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
  };
  for (const SameAsCase& c : cases) {
    EXPECT_EQ(c.a.SameAs(c.b), c.same) << c.a.length << " / " << c.b.length;
  }
}

TEST(CutBarTest, MirrorMeasuresFromTheOtherEndKeepingOrderAndCodes) {
  const CutBar piece = Piece(1000.0, {{100.0, "97"}, {300.0, "98"}});
  const CutBar mirror = piece.Mirrored();
  EXPECT_TRUE(mirror.SameAs(Piece(1000.0, {{700.0, "98"}, {900.0, "97"}})));
}

TEST(CutBarTest, FlipExchanges97And98AndIsItsOwnInverse) {
  const CutBar piece = Piece(500.0, {{100.0, "97"}, {200.0, "66"}, {300.0, "98"}});
  const CutBar flipped = piece.Flipped();
  EXPECT_TRUE(flipped.SameAs(Piece(500.0, {{100.0, "98"}, {200.0, "66"}, {300.0, "97"}})));
  EXPECT_TRUE(flipped.Flipped().SameAs(piece));
}

}  // namespace
}  // namespace grill
