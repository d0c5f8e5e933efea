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

// A line stripped of blanks as a whole gives every field the key and value
// that stripping the field alone gives.
TEST(SplitStrippedField, AgreesWithSplittingEachRawField) {
  const char* lines[] = {"P, 0.75 i, V_LEFT = 1, H DEFAULT=2 3,,=", "a=b=c", "", " , x = a = b ,"};
  for (const char* line : lines) {
    const std::string stripped = StripBlanks(line);
    CommaFields raw(line);
    for (CommaFields fields(stripped); !fields.AtEnd();) {
      const KeyValueView pair = SplitStrippedField(fields.Next());
      ASSERT_FALSE(raw.AtEnd()) << line;
      const KeyValue expected = SplitKeyValue(raw.Next());
      EXPECT_EQ(pair.key, expected.key) << line;
      EXPECT_EQ(pair.value, expected.value) << line;
    }
    EXPECT_TRUE(raw.AtEnd()) << line;
  }
}

}  // namespace
}  // namespace grill
