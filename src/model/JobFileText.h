#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace grill {

// Texts in a job file keep their exact bytes. Valid UTF-8 is written as a
// JSON string; any other text (a type name from a MenuConfig.txt saved in
// Latin-1, say) as {"bytes": "..."}, whose string holds one character
// U+0000..U+00FF per byte. These are the two directions of that mapping.

// True for well-formed UTF-8: no overlong forms, surrogates or code points
// past U+10FFFF.
bool IsValidUtf8(std::string_view text);

// Each byte as the character of the same number, in UTF-8.
std::string BytesAsCharacters(std::string_view bytes);

// The bytes numbered by the characters of `utf8`; nullopt when one is past
// U+00FF or `utf8` is not valid UTF-8.
std::optional<std::string> CharactersAsBytes(std::string_view utf8);

}  // namespace grill
