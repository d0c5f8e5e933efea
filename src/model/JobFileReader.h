#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/JobFile.h"
#include "platform/Files.h"

namespace grill {

// A job read whole, or the reason it was refused; never part of a job.
struct JobFileResult {
  std::optional<Job> job;
  // When refused: "Cannot open PATH: REASON", or "PATH was written by a
  // newer version of the designer".
  std::string error;
};

// Reads the text of a job file that was read from `path` (named in errors).
// Every check passes before anything is built: syntax, format and version,
// types, finite numbers, sizes, counts, table lengths, segment strings,
// quantities and design names as New accepts them, unique names.
JobFileResult ReadJobText(std::string_view text, const std::string& path);

// Reads the job file at `path`; files over kJobFileLimit bytes are refused
// unread.
JobFileResult OpenJob(Files& files, const std::string& path);

}  // namespace grill
