#include <gtest/gtest.h>

#include <limits>

#include "model/InchFraction.h"

namespace grill {
namespace {

struct FractionCase {
  double inches;
  const char* text;
};

TEST(FormatInchFraction, RoundsToTheNearestSixteenthInLowestTerms) {
  const FractionCase cases[] = {
      {0.0, "0\""},
      {12.0, "12\""},
      {0.5, "1/2\""},
      {23.375, "23 3/8\""},
      {1.0 / 16.0, "1/16\""},
      {15.0 / 16.0, "15/16\""},
      {2.75, "2 3/4\""},
      // Nearest sixteenth either way.
      {3.0 + 0.07, "3 1/16\""},
      {3.0 + 0.055, "3 1/16\""},
      {3.0 + 0.03, "3\""},
      // Rounding up carries into the next whole inch.
      {0.97, "1\""},
      {23.98, "24\""},
      {47.999, "48\""},
      // Under 1/32 is nothing, and never a negative nothing.
      {0.031, "0\""},
      {-0.031, "0\""},
      {0.0313, "1/16\""},
      // Negative values mirror positive ones.
      {-0.5, "-1/2\""},
      {-1.25, "-1 1/4\""},
      {-2.0, "-2\""},
      {-0.97, "-1\""},
  };
  for (const FractionCase& c : cases) {
    EXPECT_EQ(FormatInchFraction(c.inches * 25.4), c.text) << c.inches << " in";
  }
}

TEST(FormatInchFraction, MillimetreValuesOfTheShop) {
  EXPECT_EQ(FormatInchFraction(25.4), "1\"");
  EXPECT_EQ(FormatInchFraction(19.05), "3/4\"");  // a 3/4 inch bar read from its mm width
  EXPECT_EQ(FormatInchFraction(1000.0), "39 3/8\"");
}

TEST(FormatInchFraction, ValuesItCannotCountAreMarked) {
  EXPECT_EQ(FormatInchFraction(std::numeric_limits<double>::quiet_NaN()), "?\"");
  EXPECT_EQ(FormatInchFraction(std::numeric_limits<double>::infinity()), "?\"");
  EXPECT_EQ(FormatInchFraction(-1e300), "?\"");
}

}  // namespace
}  // namespace grill
