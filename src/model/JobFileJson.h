#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

namespace grill {

// The JSON tree of a job file. Objects keep their keys in file order.
using JobJson = nlohmann::ordered_json;

// Why a job file is refused; thrown by the reading steps and caught once, so
// that a refused file never yields part of a job.
// Why a file is refused as a whole, which decides how the refusal reads.
enum class RefusalKind {
  Invalid,       // a job file with a wrong value in it
  Damaged,       // a job file that no longer parses (cut off, overwritten)
  NotAJobFile,   // some other file
  NewerVersion,  // a format version this program does not know yet
};

struct JobFileRefusal {
  std::string reason;
  RefusalKind kind = RefusalKind::Invalid;
};

// Bounds on the shape of a document, well beyond what any job needs, so that
// a hostile file can neither nest deep nor build a tree many times its size.
inline constexpr std::size_t kJobJsonMaxDepth = 32;
inline constexpr std::size_t kJobJsonMaxValues = 4'000'000;

// Parses `text` as one JSON document within those bounds and without
// duplicate keys. Refuses bad syntax (telling the byte offset), invalid UTF-8,
// numbers beyond the range of a double and the bounds above (telling the
// place in the document).
JobJson ParseJobJson(std::string_view text);

}  // namespace grill
