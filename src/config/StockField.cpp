#include "config/StockField.h"

#include <algorithm>
#include <charconv>
#include <utility>
#include <vector>

#include "config/FieldText.h"
#include "model/Digits.h"

namespace grill {
namespace {

constexpr std::size_t kLongestNumber = 12;

std::vector<std::string_view> WordsOf(std::string_view text) {
  std::vector<std::string_view> words;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t blank = text.find(' ', start);
    const std::size_t end = blank == std::string_view::npos ? text.size() : blank;
    if (end > start) {
      words.push_back(text.substr(start, end - start));
    }
    start = end + 1;
  }
  return words;
}

std::string Joined(const std::vector<std::string_view>& words, std::size_t from, std::size_t to) {
  std::string joined;
  for (std::size_t i = from; i < to; ++i) {
    joined += words[i];
  }
  return joined;
}

// Digits only: no sign, no exponent, no "nan"; from_chars never looks at
// the locale.
std::optional<int> ReadCount(std::string_view text) {
  if (!AllDigits(text) || text.size() > kLongestNumber) {
    return std::nullopt;
  }
  long long count = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), count);
  if (error != std::errc() || count > kMostBarsOnHand) {
    return std::nullopt;
  }
  return static_cast<int>(count);
}

// DIGITS or DIGITS.DIGITS.
std::optional<double> ReadPrice(std::string_view text) {
  const std::size_t mark = text.find('.');
  const std::string_view whole = text.substr(0, mark);
  const std::string_view fraction =
      mark == std::string_view::npos ? std::string_view("0") : text.substr(mark + 1);
  if (!AllDigits(whole) || !AllDigits(fraction) || text.size() > kLongestNumber) {
    return std::nullopt;
  }
  double price = 0.0;
  std::from_chars(text.data(), text.data() + text.size(), price);
  if (price > kHighestBarPrice) {
    return std::nullopt;
  }
  return price;
}

StockFieldReading Refused(std::string_view description, std::string value) {
  return {std::nullopt, StockFieldFault{std::string(description), std::move(value)}};
}

// The field without the spaces around it.
std::string_view WithoutSpaces(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) {
    return {};
  }
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

StockFieldReading ReadStockField(std::string_view field) {
  const std::size_t at = field.find('@');
  const std::string_view barPart = field.substr(0, at);
  const std::vector<std::string_view> words = WordsOf(barPart);
  const auto times = std::find(words.begin(), words.end(), "x");
  const std::string lengthText = StripBlanksAndCommas(Joined(words, 0, times - words.begin()));
  if (lengthText.empty() && times == words.end() && at == std::string_view::npos) {
    return {};  // a stray comma
  }
  StockItem item;
  const ConfigLength length = ReadConfigLength(lengthText);
  // A refused length is quoted as it always was, without its blanks.
  if (length.fault) {
    return Refused(Describe(*length.fault), StripBlanksAndCommas(field));
  }
  if (length.millimetres == 0.0) {  // nothing is cut from an empty bar
    return Refused(Describe(LengthFault::kUnreadable), StripBlanksAndCommas(field));
  }
  item.length = length.millimetres;
  if (times != words.end()) {
    const std::string countText = Joined(words, times - words.begin() + 1, words.size());
    item.onHand = ReadCount(countText);
    if (!item.onHand) {
      return Refused("invalid bar count", std::string(WithoutSpaces(field)));
    }
  }
  if (at != std::string_view::npos) {
    item.price = ReadPrice(StripBlanksAndCommas(field.substr(at + 1)));
    if (!item.price) {
      return Refused("invalid bar price", std::string(WithoutSpaces(field)));
    }
  }
  return {item, std::nullopt};
}

}  // namespace grill
