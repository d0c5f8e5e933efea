#include "editing/DesignDocument.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace grill {
namespace {

GrillWindow Named(const std::string& name, int horzCount = 0) {
  GrillWindow window;
  window.name = name;
  window.horzCount = horzCount;
  return window;
}

std::vector<std::string> Names(const DesignDocument& document) {
  std::vector<std::string> names;
  for (const GrillWindow& window : document.Designs()) {
    names.push_back(window.name);
  }
  return names;
}

// Every change is reverted to the designs and focus before it and reapplied
// to those after it, and the listener hears of each.
TEST(DesignDocumentTest, ChangesRevertAndReapplyWithTheirFocus) {
  DesignDocument document;
  int heard = 0;
  document.SetListener({[&heard](const DesignChange&) { ++heard; }, {}});
  document.Commit(AddDesign(document, Named("A")));
  document.Commit(AddDesign(document, Named("B")));
  document.Commit(AddDesign(document, Named("C")));
  ASSERT_EQ(Names(document), (std::vector<std::string>{"A", "B", "C"}));
  EXPECT_EQ(document.Focus(), (DesignFocus{2, 1}));

  document.SetFocus({1, 2});
  const DesignChange edit = ReplaceCurrentDesign(document, "Edit", Named("B", 3));
  const DesignChange deletion = [&] {
    document.Commit(edit);
    return DeleteDesign(document, 0);
  }();
  EXPECT_EQ(deletion.label, "Delete A");
  EXPECT_TRUE(deletion.ChangesNames());
  EXPECT_FALSE(edit.ChangesNames());
  document.Commit(deletion);
  EXPECT_EQ(Names(document), (std::vector<std::string>{"B", "C"}));
  EXPECT_EQ(document.Focus(), (DesignFocus{std::nullopt, 1}));  // C moved up one

  document.Revert(deletion);
  EXPECT_EQ(Names(document), (std::vector<std::string>{"A", "B", "C"}));
  EXPECT_EQ(document.Focus(), (DesignFocus{1, 2}));
  EXPECT_EQ(document.Current()->horzCount, 3);
  document.Revert(edit);
  EXPECT_EQ(document.Current()->horzCount, 0);
  document.Reapply(edit);
  document.Reapply(deletion);
  EXPECT_EQ(Names(document), (std::vector<std::string>{"B", "C"}));
  EXPECT_EQ(document.Designs()[0].horzCount, 3);
  EXPECT_EQ(heard, 9);
}

TEST(DesignDocumentTest, DeletingThePreviousDesignLeavesNone) {
  DesignDocument document;
  document.Commit(AddDesign(document, Named("A")));
  document.Commit(AddDesign(document, Named("B")));
  const DesignChange change = DeleteDesign(document, 0);
  EXPECT_EQ(change.focusAfter, (DesignFocus{std::nullopt, std::nullopt}));
  ASSERT_EQ(change.edits.size(), 1u);
  EXPECT_FALSE(change.edits[0].after.has_value());
}

}  // namespace
}  // namespace grill
