#pragma once

#include <string>
#include <vector>

namespace grill::print {

// `text` broken between words into lines that fit `width` at `size`; a single
// word wider than that keeps a line of its own (the painter shrinks it).
std::vector<std::string> WrapWords(const std::string& text, double width, double size);

// Each line of `text` (lines end at '\n') wrapped as WrapWords does; a line
// left empty stays, as the blank line between paragraphs it was typed as.
std::vector<std::string> WrapLines(const std::string& text, double width, double size);

}  // namespace grill::print
