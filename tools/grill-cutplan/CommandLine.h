#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cutplan/CuttingJob.h"

namespace grill::cutplan {

struct CommandLine {
  std::vector<double> stockLengths;
  PlanOptions options;
  std::optional<std::string> file;  // standard input without one
};

// Reads the arguments after the program name; nullopt (with `error` set)
// for a missing or malformed option.
std::optional<CommandLine> ParseCommandLine(const std::vector<std::string>& arguments,
                                            std::string& error);

// A whole text as a finite number, '.' as the decimal mark.
std::optional<double> ParseNumber(const std::string& text);

inline constexpr const char* kUsage =
    "usage: grill-cutplan --stock LENGTH[,LENGTH...] [--kerf K] [--trim-head T] [--trim-tail T]\n"
    "                     [--min-offcut M] [--time-limit SECONDS] [FILE]";

}  // namespace grill::cutplan
