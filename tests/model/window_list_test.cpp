#include "model/WindowList.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace grill {
namespace {

using ::testing::ElementsAre;

std::vector<std::string> Names(const WindowList& list) {
  std::vector<std::string> names;
  for (const GrillWindow& window : list) {
    names.push_back(window.name);
  }
  return names;
}

WindowList ListOf(std::initializer_list<const char*> names) {
  WindowList list;
  for (const char* name : names) {
    list.AppendNewWindow().name = name;
  }
  return list;
}

TEST(WindowListTest, AppendKeepsCreationOrderAndAddresses) {
  WindowList list;
  GrillWindow& b = list.AppendNewWindow();
  b.name = "B";
  GrillWindow& a = list.AppendNewWindow();
  a.name = "A";
  EXPECT_THAT(Names(list), ElementsAre("B", "A"));
  EXPECT_EQ(list.FindWindowByName("B"), &b);
  EXPECT_EQ(list.FindWindowByName("A"), &a);
  EXPECT_EQ(b.horzCount, 0);
}

TEST(WindowListTest, RemoveTakesOnlyThatDesignAndInsertPutsItBack) {
  WindowList list = ListOf({"A", "B", "C"});
  list.Remove(1);
  EXPECT_THAT(Names(list), ElementsAre("A", "C"));
  EXPECT_EQ(list.IndexOfName("C"), 1u);
  GrillWindow b;
  b.name = "B";
  list.Insert(1, b);
  EXPECT_THAT(Names(list), ElementsAre("A", "B", "C"));
}

TEST(WindowListTest, RemovePastTheEndChangesNothing) {
  WindowList list = ListOf({"A"});
  list.Remove(1);
  list.Remove(99);
  EXPECT_THAT(Names(list), ElementsAre("A"));
  EXPECT_EQ(list.IndexOfName("B"), std::nullopt);
}

TEST(WindowListTest, FindIsExactAndCaseSensitive) {
  const WindowList list = ListOf({"Kitchen", "kitchen2"});
  EXPECT_NE(list.FindWindowByName("Kitchen"), nullptr);
  EXPECT_EQ(list.FindWindowByName("kitchen"), nullptr);
  EXPECT_EQ(list.FindWindowByName("Kitchen "), nullptr);
  EXPECT_EQ(list.FindWindowByName("Kitch"), nullptr);
  EXPECT_EQ(list.FindWindowByName(""), nullptr);
}

TEST(WindowListTest, FindReturnsTheFirstOfEqualNames) {
  WindowList list = ListOf({"X", "X"});
  EXPECT_EQ(list.FindWindowByName("X"), &list.front());
}

}  // namespace
}  // namespace grill
