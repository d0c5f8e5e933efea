#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cutplan/CuttingJob.h"

namespace grill::cutplan {

struct CommandLine {
  // --help or --version: nothing else is read or needed.
  enum class Request { Plan, Help, Version };
  Request request = Request::Plan;
  std::vector<StockLength> stock;
  std::optional<std::string> remnantFile;
  PlanOptions options;
  std::optional<std::string> file;  // standard input without one
};

// Reads the arguments after the program name; nullopt (with `error` set)
// for a missing or malformed option. --help or --version ends the reading.
std::optional<CommandLine> ParseCommandLine(const std::vector<std::string>& arguments,
                                            std::string& error);

// A whole text as a finite number, '.' as the decimal mark.
std::optional<double> ParseNumber(const std::string& text);

inline constexpr const char* kUsage =
    "usage: grill-cutplan --stock LENGTH[xCOUNT][@PRICE][,...] [--remnants FILE] [--kerf K]\n"
    "                     [--trim-head T] [--trim-tail T] [--min-offcut M]\n"
    "                     [--time-limit SECONDS] [FILE]";

inline constexpr const char* kHelp =
    "\n"
    "Plans how pieces are cut from stock bars with the fewest bars. Reads lines\n"
    "LENGTH [COUNT [LABEL]] in millimetres from FILE, or from standard input\n"
    "without one or when FILE is -, and prints one line per bar, then the totals.\n"
    "With counts, prices or remnants: remnants first, then the bars on hand, then\n"
    "the least price of the bars bought, then the fewest bars.\n"
    "\n"
    "Options:\n"
    "  --stock LENGTH[xCOUNT][@PRICE][,...]\n"
    "                              the stock lengths (required): with xCOUNT that\n"
    "                              many bars on hand and no more, else bought as\n"
    "                              needed; @PRICE per bar\n"
    "  --remnants FILE             offcuts to use first, lines LENGTH [COUNT]\n"
    "  --kerf K                    the saw's cut width\n"
    "  --trim-head T               what is trimmed off each bar's head\n"
    "  --trim-tail T               what is trimmed off each bar's tail\n"
    "  --min-offcut M              the shortest rest kept as an offcut\n"
    "  --time-limit SECONDS        processor time for the search\n"
    "  -h, --help                  show this help and exit\n"
    "  -v, --version               show the version and exit\n"
    "\n"
    "See grill-cutplan(1).";

}  // namespace grill::cutplan
