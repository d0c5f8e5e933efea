#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/Files.h"

namespace grill {

// Gives `path` the content `bytes` so that it holds either its old content or
// all of the new one, never a part: the bytes go to a temporary file in the
// same folder (Files::CreateTemporary), which is flushed to disk, closed
// and then renamed over `path`, each step checked. On failure returns the
// system's reason, with `path` untouched and the temporary file removed.
std::optional<std::string> ReplaceFile(Files& files, const std::string& path,
                                       std::string_view bytes);

// The same without flushing the bytes to disk first: still all or nothing
// when the process ends in the middle, however it ends, but a power cut may
// leave the old content. For copies rewritten after every change, where a
// flush would cost more than a change may take.
std::optional<std::string> ReplaceFileUnflushed(Files& files, const std::string& path,
                                                std::string_view bytes);

}  // namespace grill
