#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/JobDetails.h"

namespace grill {

// The words `jobinfo` names the details by: customer, order, due, notes.
std::optional<JobDetail> DetailNamed(std::string_view word);
std::string_view DetailWord(JobDetail detail);

// A script line holds one line of text, so the notes' line breaks are written
// "\n" and a backslash "\\"; any other backslash stands for itself.
std::string UnescapeNotes(std::string_view text);
std::string EscapeNotes(std::string_view notes);

}  // namespace grill
