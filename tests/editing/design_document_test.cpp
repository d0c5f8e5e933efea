#include "editing/DesignDocument.h"

#include <gtest/gtest.h>

#include "named_design.h"
#include "testing/DocumentSetUp.h"

#include <algorithm>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace grill {
namespace {

using test::Named;

std::vector<std::string> Names(const DesignDocument& document) {
  std::vector<std::string> names;
  for (const GrillWindow& window : document.Designs()) {
    names.push_back(window.name);
  }
  return names;
}

// Every change is reverted to the designs and focus before it and reapplied
// to those after it, and the subscribers hear of each.
TEST(DesignDocumentTest, ChangesRevertAndReapplyWithTheirFocus) {
  DesignDocument document;
  int heard = 0;
  document.Events().Subscribe([&heard](const DesignsChanged&) { ++heard; });
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

  DocumentSetUp::Revert(document, deletion);
  EXPECT_EQ(Names(document), (std::vector<std::string>{"A", "B", "C"}));
  EXPECT_EQ(document.Focus(), (DesignFocus{1, 2}));
  EXPECT_EQ(document.Current()->horzCount, 3);
  DocumentSetUp::Revert(document, edit);
  EXPECT_EQ(document.Current()->horzCount, 0);
  DocumentSetUp::Reapply(document, edit);
  DocumentSetUp::Reapply(document, deletion);
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

// A copy is the whole design under the first free " (N)" name, made current
// with the original as the previous design; one undo takes it away.
TEST(DesignDocumentTest, DuplicateCopiesUnderTheFirstFreeNameInOneStep) {
  DesignDocument document;
  document.Commit(AddDesign(document, Named("Kitchen", 2)));
  document.Commit(AddDesign(document, Named("Kitchen (2)")));
  document.Commit(AddDesign(document, Named("Hall")));
  document.SetFocus({0, 2});

  const DesignChange change = DuplicateDesign(document, 0);
  EXPECT_EQ(change.label, "Duplicate Kitchen");
  document.Commit(change);
  EXPECT_EQ(Names(document),
            (std::vector<std::string>{"Kitchen", "Kitchen (2)", "Hall", "Kitchen (3)"}));
  EXPECT_EQ(document.Focus(), (DesignFocus{3, 0}));
  EXPECT_EQ(document.Current()->horzCount, 2);

  ASSERT_TRUE(document.Undo());
  EXPECT_EQ(Names(document), (std::vector<std::string>{"Kitchen", "Kitchen (2)", "Hall"}));
  EXPECT_EQ(document.Focus(), (DesignFocus{0, 2}));
}

// The copy of a numbered copy counts on from its original's name; a name that
// only looks numbered is taken whole.
TEST(DesignDocumentTest, DuplicateNamesCountOnFromTheOriginal) {
  const struct {
    std::vector<std::string> names;  // the first one is duplicated
    std::string copy;
  } cases[] = {
      {{"Kitchen"}, "Kitchen (2)"},
      {{"Kitchen (2)", "Kitchen"}, "Kitchen (3)"},
      {{"Kitchen (3)", "Kitchen"}, "Kitchen (2)"},
      {{"Kitchen (2)", "Kitchen (3)"}, "Kitchen (4)"},
      {{"Bay (left)"}, "Bay (left) (2)"},
      {{"Bay (02)"}, "Bay (02) (2)"},
      {{"(2)"}, "(2) (2)"},
      {{"A ()"}, "A () (2)"},
  };
  for (const auto& c : cases) {
    DesignDocument document;
    for (const std::string& name : c.names) {
      document.Commit(AddDesign(document, Named(name)));
    }
    document.Commit(DuplicateDesign(document, 0));
    EXPECT_EQ(document.Current()->name, c.copy) << c.names.front();
  }
}

// What each subscriber hears, in the order the document tells it.
struct Heard {
  std::vector<std::string> events;

  explicit Heard(DesignDocument& document) {
    DocumentEvents& e = document.Events();
    e.Subscribe([this](const DesignsChanged& d) {
      events.push_back("designs " + std::to_string(d.first) + "+" + std::to_string(d.removed) +
                       ">" + std::to_string(d.added) + (d.underway ? " underway" : ""));
    });
    e.Subscribe([this](const FocusChanged&) { events.push_back("focus"); });
    e.Subscribe([this](const PropertiesChanged&) { events.push_back("properties"); });
    e.Subscribe([this](const DetailsChanged&) { events.push_back("details"); });
    e.Subscribe([this](const CleanStateChanged& c) {
      events.push_back(c.modified ? "modified" : "clean");
    });
  }
  std::vector<std::string> Take() { return std::exchange(events, {}); }
};

using Events = std::vector<std::string>;

TEST(DesignDocumentEvents, EachChangeTellsWhatItChanged) {
  DesignDocument document;
  Heard heard(document);
  document.Commit(AddDesign(document, Named("A")));
  EXPECT_EQ(heard.Take(), (Events{"designs 0+0>1", "focus", "modified"}));
  document.Commit(ReplaceCurrentDesign(document, "Edit Bar Position", Named("A", 2)));
  EXPECT_EQ(heard.Take(), (Events{"designs 0+1>1"}));
  document.MarkClean();
  EXPECT_EQ(heard.Take(), (Events{"clean"}));
  document.Undo();
  EXPECT_EQ(heard.Take(), (Events{"designs 0+1>1", "modified"}));
  document.Redo();
  EXPECT_EQ(heard.Take(), (Events{"designs 0+1>1", "clean"}));
  document.SetFocus({std::nullopt, 0});
  EXPECT_EQ(heard.Take(), (Events{"focus"}));
  document.Replace({}, {}, {Unit::Millimetres, SpacingMode::Divided, "M"}, {},
                   DesignDocument::Saved::Yes);
  EXPECT_EQ(heard.Take(), (Events{"designs 0+1>0", "focus", "properties"}));
}

// The job is modified exactly while it differs from its saved state: a
// property set and set back, or a step done and undone, leaves it clean.
TEST(DesignDocumentEvents, ModifiedFollowsTheSavedState) {
  struct Case {
    const char* what;
    std::function<void(DesignDocument&)> change;
    bool modified;
  };
  const Case cases[] = {
      {"unit to mm", [](DesignDocument& d) { d.SetUnit(Unit::Millimetres); }, true},
      {"unit to mm and back",
       [](DesignDocument& d) {
         d.SetUnit(Unit::Millimetres);
         d.SetUnit(Unit::Inches);
       },
       false},
      {"spacing there and back",
       [](DesignDocument& d) {
         d.SetSpacing(SpacingMode::Divided);
         d.SetSpacing(SpacingMode::EqualSpace);
       },
       false},
      {"master file typed", [](DesignDocument& d) { d.SetMasterFile("ORDER"); }, true},
      {"master file typed and erased",
       [](DesignDocument& d) {
         d.SetMasterFile("ORDER");
         d.SetMasterFile("");
       },
       false},
      {"a step undone",
       [](DesignDocument& d) {
         d.Commit(AddDesign(d, Named("B")));
         d.Undo();
       },
       false},
      {"a step undone and the unit changed",
       [](DesignDocument& d) {
         d.Commit(AddDesign(d, Named("B")));
         d.Undo();
         d.SetUnit(Unit::Millimetres);
       },
       true},
      {"a focus move", [](DesignDocument& d) { d.SetFocus({}); }, false},
      {"a customer set",
       [](DesignDocument& d) {
         d.Commit(*DetailsChange(d, {"Smith", "", "", ""}));
       },
       true},
      {"a customer set and undone",
       [](DesignDocument& d) {
         d.Commit(*DetailsChange(d, {"Smith", "", "", ""}));
         d.Undo();
       },
       false},
      {"saved after changes",
       [](DesignDocument& d) {
         d.SetUnit(Unit::Millimetres);
         d.Commit(AddDesign(d, Named("B")));
         d.MarkClean();
       },
       false},
  };
  for (const Case& c : cases) {
    DesignDocument document;
    document.Commit(AddDesign(document, Named("A")));
    document.MarkClean();
    Heard heard(document);
    c.change(document);
    EXPECT_EQ(document.Modified(), c.modified) << c.what;
    const Events told = heard.Take();
    const bool toldModified = std::count(told.begin(), told.end(), "modified") > 0;
    EXPECT_EQ(toldModified && told.back() != "clean", c.modified) << c.what;
  }
}

// A restored run's unsaved work stays unsaved until it is saved, whatever is
// set back.
TEST(DesignDocumentEvents, AJobOfUnknownSavedStateIsModifiedUntilSaved) {
  DesignDocument document;
  document.Replace({}, {}, {}, {}, DesignDocument::Saved::No);
  EXPECT_TRUE(document.Modified());
  document.SetUnit(Unit::Millimetres);
  document.SetUnit(Unit::Inches);
  EXPECT_TRUE(document.Modified());
  document.MarkClean();
  EXPECT_FALSE(document.Modified());
}

TEST(DesignDocumentGroup, AGroupIsOneStepShownAsItGoes) {
  DesignDocument document;
  document.Commit(AddDesign(document, Named("A")));
  Heard heard(document);
  document.ChangeCurrentInGroup(Named("A", 1), "Shape Grill");
  document.ChangeCurrentInGroup(Named("A", 2), "Drag Bar");
  EXPECT_TRUE(document.GroupOpen());
  EXPECT_EQ(document.Current()->horzCount, 2);  // live
  EXPECT_EQ(document.History().NextUndo()->label, "New A");
  document.CommitGroup();
  EXPECT_FALSE(document.GroupOpen());
  EXPECT_EQ(heard.Take(),
            (Events{"designs 0+1>1 underway", "designs 0+1>1 underway", "designs 0+1>1"}));
  ASSERT_NE(document.History().NextUndo(), nullptr);
  EXPECT_EQ(document.History().NextUndo()->label, "Drag Bar");
  document.Undo();
  EXPECT_EQ(document.Current()->horzCount, 0);
  EXPECT_EQ(document.History().NextUndo()->label, "New A");
}

TEST(DesignDocumentGroup, AGroupThatEndsWhereItBeganMakesNoStep) {
  DesignDocument document;
  document.Commit(AddDesign(document, Named("A")));
  document.MarkClean();
  document.ChangeCurrentInGroup(Named("A", 1), "Drag Bar");
  document.ChangeCurrentInGroup(Named("A", 0), "Drag Bar");
  document.CommitGroup();
  EXPECT_EQ(document.History().NextUndo()->label, "New A");
  EXPECT_FALSE(document.Modified());
  document.CommitGroup();  // none open: nothing
  EXPECT_EQ(document.History().NextUndo()->label, "New A");
}

// Whatever else changes the job first makes the open group its step.
TEST(DesignDocumentGroup, OtherChangesCommitAnOpenGroupFirst) {
  struct Case {
    const char* what;
    std::function<void(DesignDocument&)> next;
    int horzCountAfter;
    const char* newestStep;
  };
  const Case cases[] = {
      {"undo", [](DesignDocument& d) { d.Undo(); }, 0, "New B"},
      {"commit",
       [](DesignDocument& d) {
         d.Commit(ReplaceCurrentDesign(d, "Edit Bar Position", Named("B", 7)));
       },
       7, "Edit Bar Position"},
      {"focus",
       [](DesignDocument& d) {
         d.SetFocus({0, 1});
       },
       3, "Drag Bar"},
      {"save", [](DesignDocument& d) { d.MarkClean(); }, 3, "Drag Bar"},
  };
  for (const Case& c : cases) {
    DesignDocument document;
    document.Commit(AddDesign(document, Named("A")));
    document.Commit(AddDesign(document, Named("B")));
    document.ChangeCurrentInGroup(Named("B", 3), "Drag Bar");
    c.next(document);
    EXPECT_FALSE(document.GroupOpen()) << c.what;
    EXPECT_EQ(document.Designs()[1].horzCount, c.horzCountAfter) << c.what;
    EXPECT_EQ(document.History().NextUndo()->label, c.newestStep) << c.what;
  }
}

}  // namespace
}  // namespace grill
