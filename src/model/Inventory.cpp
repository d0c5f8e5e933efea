#include "model/Inventory.h"

#include <algorithm>
#include <charconv>
#include <cstdint>

#include "model/Digits.h"

namespace grill {
namespace {

constexpr std::size_t kLongestNumber = 32;  // a length written in full stays below
constexpr std::size_t kLongestQuote = 80;

bool IsSeparator(char c) {
  return c == ' ' || c == '\t';
}

std::vector<std::string_view> WordsOf(std::string_view line) {
  std::vector<std::string_view> words;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && IsSeparator(line[i])) {
      ++i;
    }
    const std::size_t start = i;
    while (i < line.size() && !IsSeparator(line[i])) {
      ++i;
    }
    if (i > start) {
      words.push_back(line.substr(start, i - start));
    }
  }
  return words;
}

// DIGITS or DIGITS.DIGITS: no sign, exponent or "nan", and from_chars never
// looks at the locale.
std::optional<double> ReadLength(std::string_view text) {
  const std::size_t mark = text.find('.');
  const bool wellFormed = AllDigits(text.substr(0, mark)) &&
                          (mark == std::string_view::npos || AllDigits(text.substr(mark + 1)));
  if (!wellFormed || text.size() > kLongestNumber) {
    return std::nullopt;
  }
  double length = 0.0;
  std::from_chars(text.data(), text.data() + text.size(), length);
  if (length <= 0.0 || length > kLongestInventoryLength) {
    return std::nullopt;
  }
  return length;
}

std::optional<int> ReadCount(std::string_view text) {
  if (!AllDigits(text) || text.size() > kLongestNumber) {
    return std::nullopt;
  }
  std::int64_t count = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), count);
  if (error != std::errc() || count > kMostInventoryBars) {
    return std::nullopt;
  }
  return static_cast<int>(count);
}

std::string FormatLength(double length) {
  char buffer[32];
  const auto end =
      std::to_chars(buffer, buffer + sizeof buffer, length, std::chars_format::fixed).ptr;
  return std::string(buffer, end);
}

std::string Quote(std::string_view line) {
  std::string quoted;
  for (const char c : line.substr(0, kLongestQuote)) {
    quoted.push_back(static_cast<unsigned char>(c) < 0x20 ? ' ' : c);
  }
  return line.size() > kLongestQuote ? quoted + "..." : quoted;
}

void AddRemnant(Inventory& inventory, RemnantEntry entry) {
  const auto same = [&entry](const RemnantEntry& known) {
    return known.key == entry.key && known.colors == entry.colors && known.length == entry.length;
  };
  const auto known = std::find_if(inventory.remnants.begin(), inventory.remnants.end(), same);
  if (known == inventory.remnants.end()) {
    inventory.remnants.push_back(std::move(entry));
  } else {
    known->count = static_cast<int>(
        std::min<std::int64_t>(std::int64_t{known->count} + entry.count, kMostInventoryBars));
  }
}

// Nothing when the line is taken; otherwise why it is left out.
std::optional<std::string> ReadLine(const std::vector<std::string_view>& words,
                                    Inventory& inventory) {
  if (words[0] == "remnant") {
    if (words.size() != 5) {
      return "a remnant line is: remnant KEY COLORS LENGTH COUNT";
    }
    const std::optional<double> length = ReadLength(words[3]);
    const std::optional<int> count = ReadCount(words[4]);
    if (!length || !count) {
      return !length ? "invalid length" : "invalid count";
    }
    if (*count > 0) {
      AddRemnant(inventory, {std::string(words[1]), std::string(words[2]), *length, *count});
    }
    return std::nullopt;
  }
  if (words[0] == "onhand") {
    if (words.size() != 4) {
      return "an onhand line is: onhand KEY LENGTH COUNT";
    }
    const std::optional<double> length = ReadLength(words[2]);
    const std::optional<int> count = ReadCount(words[3]);
    if (!length || !count) {
      return !length ? "invalid length" : "invalid count";
    }
    OnHandEntry entry{std::string(words[1]), *length, *count};
    const auto same = [&entry](const OnHandEntry& known) {
      return known.key == entry.key && known.length == entry.length;
    };
    if (const auto known = std::find_if(inventory.onHand.begin(), inventory.onHand.end(), same);
        known != inventory.onHand.end()) {
      known->count = entry.count;
      return "given twice, the later line counts";
    }
    inventory.onHand.push_back(std::move(entry));
    return std::nullopt;
  }
  return "not an onhand or remnant line";
}

}  // namespace

bool IsInventoryWord(std::string_view word) {
  return !word.empty() && word.front() != '#' && std::none_of(word.begin(), word.end(), [](char c) {
    return static_cast<unsigned char>(c) <= 0x20 || c == 0x7f;
  });
}

InventoryReading ReadInventory(std::string_view text) {
  InventoryReading reading;
  std::int64_t number = 0;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    ++number;
    if (line.ends_with('\r')) {
      line.remove_suffix(1);
    }
    const std::vector<std::string_view> words = WordsOf(line);
    if (words.empty() || words[0].starts_with('#')) {
      continue;
    }
    if (const std::optional<std::string> fault = ReadLine(words, reading.inventory)) {
      reading.notes.push_back("line " + std::to_string(number) + ": " + *fault + ": " +
                              Quote(line));
    }
  }
  return reading;
}

std::string WriteInventory(const Inventory& inventory) {
  std::string text =
      "# Bars on hand and remnants, lengths in millimetres:\n"
      "# onhand KEY LENGTH COUNT\n"
      "# remnant KEY COLORS LENGTH COUNT\n";
  for (const OnHandEntry& entry : inventory.onHand) {
    text += "onhand " + entry.key + " " + FormatLength(entry.length) + " " +
            std::to_string(entry.count) + "\n";
  }
  for (const RemnantEntry& entry : inventory.remnants) {
    if (entry.count > 0) {
      text += "remnant " + entry.key + " " + entry.colors + " " + FormatLength(entry.length) + " " +
              std::to_string(entry.count) + "\n";
    }
  }
  return text;
}

}  // namespace grill
