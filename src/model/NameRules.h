#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace grill {

// True when `text` can stand in a file name on every platform the cut files
// reach: no '/', '\', ':', '*', '?', '"', '<', '>', '|' or control character,
// and not "." or "..". An empty text passes; callers test emptiness themselves.
bool IsFileNameSafe(std::string_view text);

// True when `text` may name a design: safe in a file name and without ',',
// which would add a field to every line the saw reads; neither only blanks nor
// starting with '.', either of which names cut files a shop cannot see.
bool IsAcceptableDesignName(std::string_view text);

// True when `text` holds a control character (byte below 32, or 127).
bool HasControlCharacter(std::string_view text);

// The name of a copy of the design called `name`: "NAME (2)", or the first
// number `taken` does not know. A copy of a copy counts on from its original,
// so a copy of "Kitchen (2)" is "Kitchen (3)".
std::string CopyName(std::string_view name, const std::function<bool(const std::string&)>& taken);

}  // namespace grill
