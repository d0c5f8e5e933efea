#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editing/DesignDocument.h"
#include "named_design.h"

namespace grill {
namespace {

using test::Named;

TEST(JobDetailsChangeTest, IsLabelledByWhatItChanges) {
  const JobDetails set{"Smith", "PO-1", "Friday", "Back door"};
  const struct {
    const char* what;
    JobDetails after;
    std::optional<std::string> label;
  } cases[] = {
      {"nothing", set, std::nullopt},
      {"the customer", {"Jones", "PO-1", "Friday", "Back door"}, "Set Customer"},
      {"the order number", {"Smith", "PO-2", "Friday", "Back door"}, "Set Order / PO Number"},
      {"the due date", {"Smith", "PO-1", "", "Back door"}, "Set Due Date"},
      {"the notes", {"Smith", "PO-1", "Friday", "Back door\nCall"}, "Set Notes"},
      {"two of them", {"Jones", "PO-2", "Friday", "Back door"}, "Edit Job Details"},
      {"all of them", {}, "Edit Job Details"},
  };
  for (const auto& c : cases) {
    DesignDocument document;
    document.Commit(*DetailsChange(document, set));
    const std::optional<DesignChange> change = DetailsChange(document, c.after);
    ASSERT_EQ(change.has_value(), c.label.has_value()) << c.what;
    if (change) {
      EXPECT_EQ(change->label, *c.label) << c.what;
      EXPECT_TRUE(change->edits.empty()) << c.what;
    }
  }
}

// What the document tells of details changed: the details alone, never the
// designs, and the modified mark as the step makes and unmakes it.
struct HeardDetails {
  std::vector<std::string> events;
  std::vector<JobDetails> before;

  explicit HeardDetails(DesignDocument& document) {
    DocumentEvents& e = document.Events();
    e.Subscribe([this](const DesignsChanged&) { events.push_back("designs"); });
    e.Subscribe([this](const FocusChanged&) { events.push_back("focus"); });
    e.Subscribe([this](const DetailsChanged& d) {
      events.push_back("details");
      before.push_back(d.before);
    });
    e.Subscribe([this](const CleanStateChanged& c) {
      events.push_back(c.modified ? "modified" : "clean");
    });
    e.Subscribe([this](const ChangeComplete&) { events.push_back("complete"); });
  }
  std::vector<std::string> Take() { return std::exchange(events, {}); }
};

using Events = std::vector<std::string>;

TEST(JobDetailsChangeTest, IsOneStepThatUndoAndRedoTakeBackAndMakeAgain) {
  DesignDocument document;
  document.Commit(AddDesign(document, Named("A")));
  document.MarkClean();
  HeardDetails heard(document);

  document.Commit(*DetailsChange(document, {"Smith", "", "", ""}));
  EXPECT_EQ(heard.Take(), (Events{"details", "modified", "complete"}));
  EXPECT_EQ(document.Details().customer, "Smith");
  EXPECT_EQ(document.History().NextUndo()->label, "Set Customer");

  ASSERT_TRUE(document.Undo());
  EXPECT_EQ(heard.Take(), (Events{"details", "clean", "complete"}));
  EXPECT_TRUE(document.Details().Empty());
  EXPECT_EQ(heard.before.back().customer, "Smith");

  ASSERT_TRUE(document.Redo());
  EXPECT_EQ(heard.Take(), (Events{"details", "modified", "complete"}));
  EXPECT_EQ(document.Details().customer, "Smith");
  EXPECT_EQ(document.Current()->name, "A");
}

// Steps of the details and of the designs interleave in one history: each
// undo takes back exactly its own change.
TEST(JobDetailsChangeTest, InterleavesWithDesignSteps) {
  DesignDocument document;
  document.Commit(*DetailsChange(document, {"Smith", "", "", ""}));
  document.Commit(AddDesign(document, Named("A")));
  document.Commit(*DetailsChange(document, {"Smith", "PO-1", "", ""}));

  document.Undo();
  EXPECT_EQ(document.Details(), (JobDetails{"Smith", "", "", ""}));
  EXPECT_EQ(document.Designs().size(), 1u);
  document.Undo();
  EXPECT_EQ(document.Details(), (JobDetails{"Smith", "", "", ""}));
  EXPECT_TRUE(document.Designs().empty());
  document.Undo();
  EXPECT_TRUE(document.Details().Empty());
  EXPECT_FALSE(document.Modified());
}

// Another job brings its own details, with an empty history.
TEST(JobDetailsChangeTest, ReplaceTellsOtherDetails) {
  DesignDocument document;
  HeardDetails heard(document);
  document.Replace({}, {}, {}, {"Jones", "", "", ""}, DesignDocument::Saved::Yes);
  EXPECT_EQ(heard.Take(), (Events{"designs", "focus", "details", "complete"}));
  EXPECT_EQ(document.Details().customer, "Jones");
  EXPECT_FALSE(document.Modified());
  EXPECT_FALSE(document.Undo());

  document.Replace({}, {}, {}, {"Jones", "", "", ""}, DesignDocument::Saved::Yes);
  EXPECT_EQ(heard.Take(), (Events{"designs", "focus", "complete"}));
}

// A details step commits a drag under way first, as every change does.
TEST(JobDetailsChangeTest, CommitsAnOpenGroupFirst) {
  DesignDocument document;
  document.Commit(AddDesign(document, Named("A")));
  GrillWindow dragged = Named("A");
  dragged.quantity = 7;
  document.ChangeCurrentInGroup(dragged, "Drag Bar");
  document.Commit(*DetailsChange(document, {"", "PO-9", "", ""}));
  EXPECT_FALSE(document.GroupOpen());
  document.Undo();
  EXPECT_EQ(document.Current()->quantity, 7);
  document.Undo();
  EXPECT_NE(document.Current()->quantity, 7);
}

TEST(JobDetailsChangeTest, AbsorbKeepsTheFirstBeforeAndTheLastAfter) {
  DesignChange first{
      "Set Notes", {}, {}, {}, MergeRule{"notes", "Set Notes"}, DetailsEdit{{}, {"", "", "", "a"}}};
  const DesignChange later{"Set Notes",
                           {},
                           {},
                           {},
                           MergeRule{"notes", "Set Notes"},
                           DetailsEdit{{"", "", "", "a"}, {"", "", "", "ab"}}};
  first.Absorb(later);
  EXPECT_EQ(first.details->before, JobDetails{});
  EXPECT_EQ(first.details->after.notes, "ab");
  EXPECT_FALSE(first.ChangesNothing());
  DesignChange back = first;
  back.Absorb(DesignChange{"Set Notes", {}, {}, {}, {}, DetailsEdit{{"", "", "", "ab"}, {}}});
  EXPECT_TRUE(back.ChangesNothing());
}

}  // namespace
}  // namespace grill
