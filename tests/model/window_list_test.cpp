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

TEST(WindowListTest, DeleteRemovesOnlyThatDesign) {
  WindowList list = ListOf({"A", "B", "C"});
  GrillWindow* c = list.FindWindowByName("C");
  list.DeleteWindow(list.FindWindowByName("B"));
  EXPECT_THAT(Names(list), ElementsAre("A", "C"));
  EXPECT_EQ(list.FindWindowByName("C"), c);
}

TEST(WindowListTest, DeleteOfADesignNotInTheListChangesNothing) {
  WindowList list = ListOf({"A"});
  const GrillWindow stranger;
  list.DeleteWindow(&stranger);
  list.DeleteWindow(nullptr);
  EXPECT_THAT(Names(list), ElementsAre("A"));
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
