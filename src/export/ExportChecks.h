#pragma once

#include <string>
#include <vector>

#include "config/ConfigRecords.h"
#include "export/RunPlan.h"
#include "model/GrillWindow.h"

namespace grill {

// A file name longer than this many bytes is refused by common file systems.
inline constexpr size_t kMaxFileNameBytes = 255;

// Everything a run checks before it creates a file; returns the message that
// refuses the run, or an empty text. In this order: tool map entries, types,
// colours and quantity; bar positions; pieces that cannot be cut (every such design
// named); file names and the texts written in the lines.
std::string CheckRun(const RunPlan& plan);

// What Process All would say of the design alone, cut with its own types, or
// an empty text: the designs a cutting plan leaves out.
std::string ProcessAllRefusal(const GrillWindow& window);

}  // namespace grill
