#pragma once

#include <string>

#include "cutting/CutList.h"
#include "export/SawFormat.h"

namespace grill {

// The saw's comma-separated lines. Each line is a header (profile or edge
// type, side, colours, design: "GB_W_01_07_Kitchen,000,"), the unit's tag
// ("G-3 B-3 W, "), and the piece: "length, count, notches, " then
// "position, code, " per notch, ended by CR LF.
const SawFormat& CsvSawFormat();

// The piece part of a line: one decimal in millimetres, three in inches,
// '.' whatever the locale. No line end.
std::string CsvPieceText(const CutGroup& group, CutUnit unit);

}  // namespace grill
