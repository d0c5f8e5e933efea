#include "PieceLines.h"

#include <charconv>
#include <string_view>

#include "CommandLine.h"

namespace grill::cutplan {

namespace {

constexpr std::string_view kBlanks = " \t\r";

// Cuts the next blank-separated word off the front of `text`.
std::string_view NextWord(std::string_view& text) {
  std::size_t start = text.find_first_not_of(kBlanks);
  if (start == std::string_view::npos) {
    text = {};
    return {};
  }
  text.remove_prefix(start);
  std::size_t end = std::min(text.find_first_of(kBlanks), text.size());
  std::string_view word = text.substr(0, end);
  text.remove_prefix(end);
  return word;
}

std::string_view Trimmed(std::string_view text) {
  std::size_t start = text.find_first_not_of(kBlanks);
  if (start == std::string_view::npos) {
    return {};
  }
  return text.substr(start, text.find_last_not_of(kBlanks) - start + 1);
}

std::optional<int> ParseCount(std::string_view text) {
  int count = 0;
  auto [stop, error] = std::from_chars(text.data(), text.data() + text.size(), count);
  if (error != std::errc() || stop != text.data() + text.size() || count < 1) {
    return std::nullopt;
  }
  return count;
}

// One non-blank piece line, or the reason it is not one.
std::optional<Piece> ParsePiece(std::string_view text, std::string& problem) {
  Piece piece;
  std::optional<double> length = ParseNumber(std::string(NextWord(text)));
  if (!length || *length <= 0) {
    problem = "the length is not a positive number";
    return std::nullopt;
  }
  piece.length = *length;
  if (std::string_view count = NextWord(text); !count.empty()) {
    std::optional<int> parsed = ParseCount(count);
    if (!parsed) {
      problem = "the count is not a whole number from 1";
      return std::nullopt;
    }
    piece.count = *parsed;
  }
  piece.label = std::string(Trimmed(text));
  return piece;
}

}  // namespace

std::optional<std::vector<Piece>> ReadPieceLines(std::istream& input, std::string& error) {
  std::vector<Piece> pieces;
  std::string line;
  for (int number = 1; std::getline(input, line); ++number) {
    std::string_view text = Trimmed(line);
    if (text.empty() || text.front() == '#') {
      continue;
    }
    std::string problem;
    std::optional<Piece> piece = ParsePiece(text, problem);
    if (!piece) {
      error = "line " + std::to_string(number) + ": " + problem + ": " + std::string(text);
      return std::nullopt;
    }
    pieces.push_back(std::move(*piece));
  }
  return pieces;
}

}  // namespace grill::cutplan
