#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "config/ConfigLength.h"

namespace grill {

// More bars than any rack holds: a count beyond it is a slip of the keys.
inline constexpr int kMostBarsOnHand = 100'000;
// A price per bar beyond this is a slip too (a misplaced decimal mark).
inline constexpr double kHighestBarPrice = 1'000'000.0;

// One stock length of a Stock.txt line, in millimetres, with the bars on
// hand (none: bought as needed) and the price per bar when given.
struct StockItem {
  double length = 0.0;
  std::optional<int> onHand = {};
  std::optional<double> price = {};

  friend bool operator==(const StockItem&, const StockItem&) = default;
};

// Why a stock field is refused, and the text refused.
struct StockFieldFault {
  std::string description;  // "invalid measurement", "invalid bar count", ...
  std::string value;
};

struct StockFieldReading {
  std::optional<StockItem> item;  // none for an empty field or a fault
  std::optional<StockFieldFault> fault;
};

// A field of a stock line, its comma dropped: `LENGTH[ x COUNT][ @ PRICE]`,
// the length as MenuConfig.txt reads measurements (and above 0), the count
// a whole number from 0 to kMostBarsOnHand, the price a decimal from 0 to
// kHighestBarPrice with '.' as its mark. The `x` stands alone between
// blanks; a field without `x` or `@` reads as it always did.
StockFieldReading ReadStockField(std::string_view field);

}  // namespace grill
