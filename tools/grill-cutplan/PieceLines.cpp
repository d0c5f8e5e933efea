#include "PieceLines.h"

#include <sys/stat.h>
#include <unistd.h>

#include <charconv>
#include <string_view>

#include "CommandLine.h"
#include "cutplan/CuttingPlanner.h"

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

// A bad line as an error message shows it: its first bytes, and no byte that
// would move the terminal's cursor or change its colours.
std::string Quoted(std::string_view text) {
  std::string quoted(text.substr(0, kLongestQuote));
  for (char& c : quoted) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) {
      c = '?';
    }
  }
  return text.size() > kLongestQuote ? quoted + "..." : quoted;
}

enum class LineRead { kLine, kEnd, kTooLong };

// The next line without its line feed, read a byte at a time so that no
// line, however long, is held beyond kLongestPieceLine bytes.
LineRead ReadBoundedLine(std::streambuf& input, std::string& line) {
  line.clear();
  for (int c = input.sbumpc(); c != std::char_traits<char>::eof(); c = input.sbumpc()) {
    if (c == '\n') {
      return LineRead::kLine;
    }
    if (line.size() == kLongestPieceLine) {
      return LineRead::kTooLong;
    }
    line.push_back(static_cast<char>(c));
  }
  return line.empty() ? LineRead::kEnd : LineRead::kLine;
}

std::string LineError(int number, const std::string& problem) {
  return "line " + std::to_string(number) + ": " + problem;
}

bool IsReadable(mode_t mode) {
  return S_ISREG(mode) || S_ISFIFO(mode);
}

// The lines of `input` parsed by `parse` (text, problem) into values with a
// `count`, at most kMaxPieces in all; `what` names them in the message.
template <typename Value, typename Parse>
std::optional<std::vector<Value>> ReadLines(std::istream& input, std::string& error,
                                            const char* what, Parse parse) {
  std::vector<Value> values;
  std::int64_t total = 0;
  std::string line;
  std::streambuf* bytes = input.rdbuf();
  for (int number = 1; bytes != nullptr; ++number) {
    const LineRead read = ReadBoundedLine(*bytes, line);
    if (read == LineRead::kEnd) {
      break;
    }
    if (read == LineRead::kTooLong) {
      error = LineError(number, "longer than " + std::to_string(kLongestPieceLine) + " bytes");
      return std::nullopt;
    }
    if (line.find('\0') != std::string::npos) {
      error = LineError(number, std::string("holds a NUL byte: not a list of ") + what);
      return std::nullopt;
    }
    std::string_view text = Trimmed(line);
    if (text.empty() || text.front() == '#') {
      continue;
    }
    std::string problem;
    std::optional<Value> value = parse(text, problem);
    if (!value) {
      error = LineError(number, problem + ": " + Quoted(text));
      return std::nullopt;
    }
    if ((total += value->count) > kMaxPieces) {
      error = LineError(number, "more than " + std::to_string(kMaxPieces) + " " + what + " in all");
      return std::nullopt;
    }
    values.push_back(std::move(*value));
  }
  return values;
}

// One remnant line, `LENGTH [COUNT]`, or the reason it is not one.
std::optional<Remnant> ParseRemnant(std::string_view text, std::string& problem) {
  std::optional<Piece> piece = ParsePiece(text, problem);
  if (piece && !piece->label.empty()) {
    problem = "more than a length and a count";
    return std::nullopt;
  }
  if (!piece) {
    return std::nullopt;
  }
  return Remnant{piece->length, piece->count};
}

}  // namespace

std::optional<std::vector<Piece>> ReadPieceLines(std::istream& input, std::string& error) {
  return ReadLines<Piece>(input, error, "pieces", ParsePiece);
}

std::optional<std::vector<Remnant>> ReadRemnantLines(std::istream& input, std::string& error) {
  return ReadLines<Remnant>(input, error, "remnants", ParseRemnant);
}

std::optional<std::string> InputFileProblem(const std::string& path) {
  struct stat status {};
  if (stat(path.c_str(), &status) != 0 || IsReadable(status.st_mode)) {
    return std::nullopt;
  }
  return Quoted(path) + " is not a regular file or a pipe";
}

std::optional<std::string> StandardInputProblem() {
  struct stat status {};
  if (fstat(STDIN_FILENO, &status) != 0) {
    return std::nullopt;
  }
  if (S_ISDIR(status.st_mode) || S_ISBLK(status.st_mode)) {
    return std::string("standard input is not a regular file, a pipe or a terminal");
  }
  return std::nullopt;
}

}  // namespace grill::cutplan
