#pragma once

#include <cstddef>
#include <istream>
#include <optional>
#include <string>
#include <vector>

#include "cutplan/CuttingJob.h"

namespace grill::cutplan {

// No piece line needs more; a longer one is not a piece list.
inline constexpr std::size_t kLongestPieceLine = 4096;
// What an error message quotes of a bad line, at most.
inline constexpr std::size_t kLongestQuote = 80;

// Piece lines `LENGTH [COUNT [LABEL]]`, blank-separated; the label is the
// rest of the line. Blank lines and lines starting with '#' are skipped.
// nullopt, with `error` naming the line, for a malformed one, a line longer
// than kLongestPieceLine bytes or holding a NUL byte, and as soon as the
// counts add up to more than kMaxPieces: reading stops there.
std::optional<std::vector<Piece>> ReadPieceLines(std::istream& input, std::string& error);

// Remnant lines `LENGTH [COUNT]`, read as the piece lines are; more on a
// line is refused.
std::optional<std::vector<Remnant>> ReadRemnantLines(std::istream& input, std::string& error);

// Why the file at `path` is not read: anything but a regular file or a pipe
// (a folder, /dev/zero) would give no pieces or never end. nullopt when it
// may be read or does not exist (opening it then says so).
std::optional<std::string> InputFileProblem(const std::string& path);

// The same for standard input, which may also be a terminal or a socket;
// only a folder or a block device is refused.
std::optional<std::string> StandardInputProblem();

}  // namespace grill::cutplan
