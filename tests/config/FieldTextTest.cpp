#include "config/FieldText.h"

#include <gtest/gtest.h>

namespace grill {
namespace {

TEST(StripBlanksAndCommas, RemovesOnlyBlanksAndCommas) {
  const struct {
    const char* text;
    const char* stripped;
  } cases[] = {
      {"a", "a"}, {", b", "b"}, {",", ""},        {",c", "c"}, {" P R\tO\n1 ,", "PR\tO\n1"},
      {"", ""},   {" , ", ""},  {"a,b c", "abc"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(StripBlanksAndCommas(c.text), c.stripped) << c.text;
  }
}

TEST(SplitKeyValue, SplitsTheStrippedFieldAtItsFirstEquals) {
  const struct {
    const char* field;
    const char* key;
    const char* value;
  } cases[] = {
      {", SH = 2", "SH", "2"},
      {"a=b=c", "a", "b=c"},
      {", =5", "", "5"},
      {", SH=", "SH", ""},
      {", SH", "SH", ""},
      {", V DEFAULT", "VDEFAULT", ""},
      {"", "", ""},
      {", H_UP=1 2", "H_UP", "12"},
      {", x = a = b", "x", "a=b"},
  };
  for (const auto& c : cases) {
    const KeyValue pair = SplitKeyValue(c.field);
    EXPECT_EQ(pair.key, c.key) << c.field;
    EXPECT_EQ(pair.value, c.value) << c.field;
  }
}

}  // namespace
}  // namespace grill
