#include "CommandLine.h"

#include <charconv>
#include <cmath>

namespace grill::cutplan {

std::optional<double> ParseNumber(const std::string& text) {
  double value = 0;
  const char* end = text.data() + text.size();
  auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc() || stop != end || !std::isfinite(value)) {
    return std::nullopt;
  }
  return value;
}

namespace {

// `LENGTH[xCOUNT][@PRICE]`: a positive length, a whole count from 0 and a
// price not below 0.
std::optional<StockLength> ParseStock(const std::string& text) {
  const std::size_t at = text.find('@');
  const std::string beforePrice = text.substr(0, at);
  const std::size_t times = beforePrice.find('x');
  std::optional<double> length = ParseNumber(beforePrice.substr(0, times));
  if (!length || *length <= 0) {
    return std::nullopt;
  }
  StockLength stock(*length);
  if (times != std::string::npos) {
    const std::string count = beforePrice.substr(times + 1);
    int parsed = 0;
    auto [stop, error] = std::from_chars(count.data(), count.data() + count.size(), parsed);
    if (count.empty() || error != std::errc() || stop != count.data() + count.size() ||
        parsed < 0) {
      return std::nullopt;
    }
    stock.onHand = parsed;
  }
  if (at != std::string::npos) {
    std::optional<double> price = ParseNumber(text.substr(at + 1));
    if (!price || *price < 0) {
      return std::nullopt;
    }
    stock.price = price;
  }
  return stock;
}

std::optional<std::vector<StockLength>> ParseList(const std::string& text) {
  std::vector<StockLength> values;
  std::size_t start = 0;
  while (true) {
    std::size_t comma = text.find(',', start);
    std::optional<StockLength> value = ParseStock(text.substr(start, comma - start));
    if (!value) {
      return std::nullopt;
    }
    values.push_back(*value);
    if (comma == std::string::npos) {
      return values;
    }
    start = comma + 1;
  }
}

// The value options and where each goes; every one is a length in
// millimetres or seconds, not negative.
double* OptionTarget(const std::string& name, CommandLine& line, double& seconds) {
  SawSettings& saw = line.options.saw;
  if (name == "--kerf")
    return &saw.kerf;
  if (name == "--trim-head")
    return &saw.trimHead;
  if (name == "--trim-tail")
    return &saw.trimTail;
  if (name == "--min-offcut")
    return &saw.minOffcut;
  if (name == "--time-limit")
    return &seconds;
  return nullptr;
}

}  // namespace

std::optional<CommandLine> ParseCommandLine(const std::vector<std::string>& arguments,
                                            std::string& error) {
  CommandLine line;
  double seconds = line.options.timeLimit.count();
  for (std::size_t index = 0; index < arguments.size(); ++index) {
    const std::string& argument = arguments[index];
    const bool hasValue = index + 1 < arguments.size();
    if (argument == "--help" || argument == "-h") {
      line.request = CommandLine::Request::Help;
      return line;
    }
    if (argument == "--version" || argument == "-v") {
      line.request = CommandLine::Request::Version;
      return line;
    }
    if (argument == "--stock" && hasValue) {
      std::optional<std::vector<StockLength>> stock = ParseList(arguments[++index]);
      if (!stock) {
        error =
            "--stock needs positive lengths separated by commas, each with an optional "
            "xCOUNT (whole, from 0) and @PRICE (not below 0): " +
            arguments[index];
        return std::nullopt;
      }
      line.stock = *stock;
    } else if (argument == "--remnants" && hasValue) {
      line.remnantFile = arguments[++index];
    } else if (double* target = OptionTarget(argument, line, seconds); target && hasValue) {
      std::optional<double> value = ParseNumber(arguments[++index]);
      if (!value || *value < 0) {
        error = argument + " needs a number not below 0: " + arguments[index];
        return std::nullopt;
      }
      *target = *value;
    } else if (argument.starts_with("-") && argument != "-") {
      error = "unknown option or missing value: " + argument;
      return std::nullopt;
    } else if (line.file) {
      error = "more than one input file";
      return std::nullopt;
    } else {
      line.file = argument;
    }
  }
  if (line.stock.empty()) {
    error = "--stock is required";
    return std::nullopt;
  }
  if (line.file == "-") {
    line.file.reset();
  }
  line.options.timeLimit = std::chrono::duration<double>(seconds);
  return line;
}

}  // namespace grill::cutplan
