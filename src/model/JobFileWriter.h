#pragma once

#include <optional>
#include <string>

#include "model/JobFile.h"
#include "platform/Files.h"

namespace grill {

// The text of a job file holding `job`: pretty-printed JSON, two blanks a
// level, every number written so that it reads back to the same double and
// every text to the same bytes. Never fails; a design whose counts lie
// outside 0..kMaxBars is written with its tables cut to the limit, as the
// reader would refuse it whole otherwise.
std::string FormatJob(const Job& job);

// Saves `job` at `path` atomically: on failure the old file stays as it was
// and the result is "File Error: PATH: REASON".
std::optional<std::string> SaveJob(Files& files, const std::string& path, const Job& job);

}  // namespace grill
