#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace grill {

// A script line that cannot be carried out; the reason is printed with the
// line's number.
class ScriptError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// One command line of a script: the command word, the words after it (split
// at every single blank) and the rest of the line after the command's blank,
// kept verbatim for the commands that take a free text.
struct ScriptLine {
  std::string_view command;
  std::vector<std::string_view> words;
  std::string_view rest;
};

// A line without its trailing carriage return.
std::string_view WithoutCarriageReturn(std::string_view line);
// Blank lines and lines starting with '#' hold no command.
bool IsCommandLine(std::string_view line);
ScriptLine SplitScriptLine(std::string_view line);

// The id and the free text of "ID TEXT": TEXT is everything after the blank
// that follows the id, possibly empty.
struct IdAndText {
  std::string_view id;
  std::string_view text;
};
IdAndText SplitIdAndText(std::string_view rest);

// A whole decimal integer with an optional '-'; anything else is malformed.
int ParseScriptNumber(std::string_view word);
// "none" or a '+'-joined set of left, right, middle, shift, control.
unsigned ParseMouseFlags(std::string_view word);

}  // namespace grill
