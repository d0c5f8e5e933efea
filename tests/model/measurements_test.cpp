#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>

#include "model/Measurements.h"

namespace grill {
namespace {

struct DecimalCase {
  const char* text;
  double value;
  int ok;
};

TEST(ParseDecimal, ReadsTheFormsOfTheDialogFields) {
  const DecimalCase cases[] = {
      {"12", 12.0, 1},  {"0.1", 0.1, 1},   {".", 0.0, 1},      {"5.", 5.0, 1},
      {".5", 0.5, 1},   {"-2.5", -2.5, 1}, {"", -1.0, 0},      {"+1", -1.0, 0},
      {"1,5", -1.0, 0}, {"1e3", -1.0, 0},  {"1.2.3", -1.0, 0}, {"--1", -1.0, 0},
      {"3/4", -1.0, 0}, {"12in", -1.0, 0}, {" 1", -1.0, 0},    {"1 ", -1.0, 0},
  };
  for (const DecimalCase& c : cases) {
    int ok = -7;
    EXPECT_EQ(ParseDecimal(c.text, ok), c.value) << '"' << c.text << '"';
    EXPECT_EQ(ok, c.ok) << '"' << c.text << '"';
  }
}

TEST(ParseDecimal, LoneMinusGivesNegativeZero) {
  for (const char* text : {"-", "-."}) {
    int ok = 0;
    const double value = ParseDecimal(text, ok);
    EXPECT_EQ(ok, 1) << text;
    EXPECT_EQ(value, 0.0) << text;
    EXPECT_TRUE(std::signbit(value)) << text;
  }
}

TEST(ParseDecimal, FollowsTheStepByStepArithmetic) {
  // The fraction is accumulated as numerator over divisor and added last.
  int ok = 0;
  EXPECT_EQ(ParseDecimal("123.456", ok), 456.0 / 1000.0 + 123.0);
  const std::string longDigits = "12345678901234567890";
  double expected = 0.0;
  for (const char digit : longDigits) {
    expected = expected * 10.0 + (digit - '0');
  }
  EXPECT_EQ(ParseDecimal(longDigits, ok), expected);
  EXPECT_EQ(ok, 1);
}

TEST(ParseDecimal, RejectsValuesThatAreNotFinite) {
  int ok = 1;
  EXPECT_EQ(ParseDecimal(std::string(400, '9'), ok), -1.0);
  EXPECT_EQ(ok, 0);
  ok = 1;
  EXPECT_EQ(ParseDecimal("0." + std::string(400, '9'), ok), -1.0);
  EXPECT_EQ(ok, 0);
  ok = 0;
  EXPECT_EQ(ParseDecimal(std::string(300, '9'), ok), ParseDecimal(std::string(300, '9'), ok));
  EXPECT_EQ(ok, 1);
}

TEST(ParseInteger, ReadsCountsAndRejectsWhatDoesNotFit) {
  const struct {
    const char* text;
    std::int32_t value;
    int ok;
  } cases[] = {
      {"30", 30, 1},
      {"-1", -1, 1},
      {"-", 0, 1},
      {"", -1, 0},
      {"12x", 0, 0},
      {"1.0", 0, 0},
      {"2147483647", std::numeric_limits<std::int32_t>::max(), 1},
      {"-2147483648", std::numeric_limits<std::int32_t>::min(), 1},
      {"2147483648", 0, 0},
      {"-2147483649", 0, 0},
      {"99999999999999999999", 0, 0},
  };
  for (const auto& c : cases) {
    int ok = -7;
    EXPECT_EQ(ParseInteger(c.text, ok), c.value) << '"' << c.text << '"';
    EXPECT_EQ(ok, c.ok) << '"' << c.text << '"';
  }
}

TEST(ParseFraction, EachHalfCarriesItsOwnSign) {
  const DecimalCase cases[] = {
      {"3/4", 0.75, 1}, {"-3/4", -0.75, 1}, {"3/-4", -0.75, 1}, {"-3/-4", 0.75, 1},
      {"1/0", -1.0, 0}, {"1/x", -1.0, 0},   {"1/2/3", -1.0, 0}, {"/4", -1.0, 0},
      {"4/", -1.0, 0},  {"1.5/2", -1.0, 0}, {"1 3/4", -1.0, 0},
  };
  for (const DecimalCase& c : cases) {
    int ok = -7;
    EXPECT_EQ(ParseFraction(c.text, ok), c.value) << '"' << c.text << '"';
    EXPECT_EQ(ok, c.ok) << '"' << c.text << '"';
  }
}

TEST(ParseMeasurement, ReadsNumbersFractionsAndTheInchMark) {
  const DecimalCase cases[] = {
      {"3/4in", 0.75 * 25.4, 1},
      {"12mm", 12.0, 1},
      {"12", 12.0, 1},
      {"0.5i", 0.5 * 25.4, 1},
      {"1/2IN", 0.5, 1},
      {"1/8in", 0.125 * 25.4, 1},
      {"12in", 12.0 * 25.4, 1},
      {"12 in", -25.4, 0},
      {"in", -25.4, 0},
      {"mm", -1.0, 0},
      {"13/4in", 13.0 / 4.0 * 25.4, 1},
  };
  for (const DecimalCase& c : cases) {
    int ok = -7;
    EXPECT_EQ(ParseMeasurement(c.text, ok), c.value) << '"' << c.text << '"';
    EXPECT_EQ(ok, c.ok) << '"' << c.text << '"';
  }
}

TEST(Formats, ShowLengthsInTheDialogUnit) {
  EXPECT_EQ(FormatLength(25.4, Unit::Inches), "1.000000");
  EXPECT_EQ(FormatLength(25.4, Unit::Millimetres), "25.400000");
  EXPECT_EQ(FormatLength(-0.0, Unit::Millimetres), "-0.000000");
  EXPECT_EQ(FormatFixed(990.0, 1), "990.0");
  EXPECT_EQ(FormatFixed(812.5 * kInchesPerMillimetre, 3), "31.988");
  EXPECT_EQ(FormatFixed(0.05, 1), "0.1");
  EXPECT_EQ(FormatInteger(-2147483648LL), "-2147483648");
  EXPECT_EQ(ToMillimetres(10.0, Unit::Inches), 254.0);
  EXPECT_EQ(ToMillimetres(10.0, Unit::Millimetres), 10.0);
}

TEST(Formats, WriteAPointWhateverTheUsersLocale) {
  // A shop in Germany must still get "990.0": the test fails rather than
  // skips when the German locale is missing, since then nothing is proven.
  const char* previous = std::setlocale(LC_ALL, nullptr);
  const std::string saved = previous != nullptr ? previous : "C";
  ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr)
      << "the locale de_DE.UTF-8 is not installed (make test generates it)";
  char probe[16];
  std::snprintf(probe, sizeof probe, "%.1f", 990.0);
  EXPECT_STREQ(probe, "990,0") << "the locale did not take effect";
  EXPECT_EQ(FormatFixed(990.0, 1), "990.0");
  EXPECT_EQ(FormatLength(25.4, Unit::Inches), "1.000000");
  int ok = 0;
  EXPECT_EQ(ParseDecimal("2.5", ok), 2.5);
  std::setlocale(LC_ALL, saved.c_str());
}

}  // namespace
}  // namespace grill
