#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/Files.h"

namespace grill {

// Gives `path` the content `bytes` so that it holds either its old content or
// all of the new one, never a part: the bytes go to a temporary file in the
// same folder (`path` + kReplacementSuffix), which is flushed to disk, closed
// and then renamed over `path`, each step checked. On failure returns the
// system's reason, with `path` untouched and the temporary file removed.
std::optional<std::string> ReplaceFile(Files& files, const std::string& path,
                                       std::string_view bytes);

inline constexpr std::string_view kReplacementSuffix = ".saving";

}  // namespace grill
