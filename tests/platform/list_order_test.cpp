#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ListOrder.h"

namespace grill {
namespace {

std::vector<std::string> AddAll(const std::vector<std::string>& names) {
  std::vector<std::string> entries;
  for (const std::string& name : names) {
    entries.insert(entries.begin() + SortedInsertIndex(entries, name), name);
  }
  return entries;
}

TEST(SortedList, OrdersWithoutRegardToCase) {
  EXPECT_EQ(AddAll({"b", "A", "C", "a2"}), (std::vector<std::string>{"A", "a2", "b", "C"}));
}

TEST(SortedList, EntriesEqualButForCaseStandInByteOrder) {
  EXPECT_EQ(AddAll({"west", "West", "WEST"}), (std::vector<std::string>{"WEST", "West", "west"}));
}

TEST(SortedList, ShorterPrefixComesFirstAndEqualNamesKeepTheirOrder) {
  std::vector<std::string> entries = AddAll({"Kitchen 2", "Kitchen"});
  EXPECT_EQ(entries, (std::vector<std::string>{"Kitchen", "Kitchen 2"}));
  EXPECT_EQ(SortedInsertIndex(entries, "Kitchen"), 1);
}

}  // namespace
}  // namespace grill
