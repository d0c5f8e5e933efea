#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "model/ShopLength.h"

namespace grill {
namespace {

struct ShopLengthCase {
  const char* text;
  Unit unit;
  std::optional<double> value;
};

void PrintTo(const ShopLengthCase& c, std::ostream* os) {
  *os << '"' << c.text << "\" in " << (c.unit == Unit::Inches ? "inches" : "millimetres");
}

constexpr Unit kIn = Unit::Inches;
constexpr Unit kMm = Unit::Millimetres;
const std::nullopt_t kRefused = std::nullopt;

class ShopLengthTest : public ::testing::TestWithParam<ShopLengthCase> {};

TEST_P(ShopLengthTest, ReadsAsAShopWritesIt) {
  const ShopLengthCase& c = GetParam();
  EXPECT_EQ(ParseShopLength(c.text, c.unit), c.value);
}

const ShopLengthCase kCases[] = {
    // What the decimal reading accepts keeps its value, in both units.
    {"35.5", kIn, 35.5},
    {"-2.5", kIn, -2.5},
    {".", kMm, 0.0},
    {"990", kMm, 990.0},
    // Blanks around the number, in both units.
    {"  35.5 ", kIn, 35.5},
    {" 990\t", kMm, 990.0},
    // Fractions, mixed numbers and the inch mark, in inches only.
    {"35 1/2", kIn, 35.5},
    {"35-1/2", kIn, 35.5},
    {"1/2", kIn, 0.5},
    {"35 1/2\"", kIn, 35.5},
    {"35.5\"", kIn, 35.5},
    {"12\"", kIn, 12.0},
    {" 3/4\" ", kIn, 0.75},
    {"0 0/7", kIn, 0.0},
    {"35 1/2", kMm, kRefused},
    {"1/2", kMm, kRefused},
    {"35.5\"", kMm, kRefused},
    // Refused forms.
    {"35 1/2/3", kIn, kRefused},
    {"-35 1/2", kIn, kRefused},
    {"-1/2", kIn, kRefused},
    {"35  1/2", kIn, kRefused},
    {"35 - 1/2", kIn, kRefused},
    {"35--1/2", kIn, kRefused},
    {"1/0", kIn, kRefused},
    {"35 1/0", kIn, kRefused},
    {"/2", kIn, kRefused},
    {"1/", kIn, kRefused},
    {"35 1", kIn, kRefused},
    {"35 1/2\"\"", kIn, kRefused},
    {"\"", kIn, kRefused},
    {"", kIn, kRefused},
    {"   ", kMm, kRefused},
    {"+1/2", kIn, kRefused},
    {"1 /2", kIn, kRefused},
    {"35.5 1/2", kIn, kRefused},
    // Each run of digits within 32 bits.
    {"2147483647/1", kIn, 2147483647.0},
    {"2147483648/1", kIn, kRefused},
    {"1/2147483648", kIn, kRefused},
    {"99999999999 1/2", kIn, kRefused},
    {"2147483647 2147483647/2147483647", kIn, 2147483648.0},
};

INSTANTIATE_TEST_SUITE_P(Texts, ShopLengthTest, ::testing::ValuesIn(kCases));

}  // namespace
}  // namespace grill
