#include <gtest/gtest.h>

#include <string>

#include "JobInfoText.h"

namespace grill {
namespace {

TEST(JobInfoText, NotesEscapesReadBackToTheSameText) {
  const struct {
    const char* what;
    std::string line;
    std::string notes;
  } cases[] = {
      {"plain", "Back door", "Back door"},
      {"a line break", "one\\ntwo", "one\ntwo"},
      {"a blank line", "one\\n\\ntwo", "one\n\ntwo"},
      {"a backslash", "C:\\\\jobs", "C:\\jobs"},
      {"a backslash before n", "a\\\\nb", "a\\nb"},
      {"another backslash stands", "50\\50 \\t", "50\\50 \\t"},
      {"a backslash at the end", "end\\", "end\\"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(UnescapeNotes(c.line), c.notes) << c.what;
    EXPECT_EQ(UnescapeNotes(EscapeNotes(c.notes)), c.notes) << c.what;
  }
}

}  // namespace
}  // namespace grill
