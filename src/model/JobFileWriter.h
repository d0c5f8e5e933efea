#pragma once

#include <optional>
#include <string>

#include "model/JobFile.h"
#include "platform/Files.h"

namespace grill {

// The text of a job file holding `job`: pretty-printed JSON, two blanks a
// level, every number written so that it reads back to the same double and
// every text, whatever its bytes, to the same bytes. Counts outside
// 0..kMaxBars are cut to that range, as the tables hold no more; a length
// that is not finite (which the editor never makes) has no JSON form and is
// written as null, which opening refuses.
std::string FormatJob(const Job& job);

// Saves `job` at `path` atomically: on failure the old file stays as it was
// and the result is "File Error: PATH: REASON".
std::optional<std::string> SaveJob(Files& files, const std::string& path, const Job& job);

}  // namespace grill
