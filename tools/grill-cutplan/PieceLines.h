#pragma once

#include <istream>
#include <optional>
#include <string>
#include <vector>

#include "cutplan/CuttingJob.h"

namespace grill::cutplan {

// Piece lines `LENGTH [COUNT [LABEL]]`, blank-separated; the label is the
// rest of the line. Blank lines and lines starting with '#' are skipped.
// nullopt, with `error` naming the line, for a malformed one.
std::optional<std::vector<Piece>> ReadPieceLines(std::istream& input, std::string& error);

}  // namespace grill::cutplan
