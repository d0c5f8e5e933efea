// The File and Edit menus' commands on a designer in memory: saving and
// opening, the question about unsaved changes, Import, the title and the
// modified state.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <regex>

#include "job_run.h"

namespace grill::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

TEST(JobSession, SaveThenOpenInAFreshRunGivesTheSameJob) {
  Machine machine;
  std::string saved;
  {
    JobRun run(machine);
    run.NewDesign("Kitchen");
    run.NewDesign("Bath", "50", "20", "1", "1");
    run.Click(kMillimetresRadio);
    run.TypeMasterFile("ORDER-7");
    ASSERT_TRUE(run.Job().SaveAs("a.grilljob"));
    saved = machine.files.Content("a.grilljob");
    EXPECT_FALSE(run.Job().Modified());
  }
  JobRun fresh(machine, "/elsewhere");
  fresh.Job().Open("a.grilljob");
  EXPECT_THAT(fresh.messages, IsEmpty());
  EXPECT_THAT(fresh.Names(), ElementsAre("Kitchen", "Bath"));
  EXPECT_EQ(fresh.Document().DisplayUnit(), Unit::Millimetres);
  EXPECT_TRUE(fresh.controls.IsChecked(kMillimetresRadio));
  EXPECT_EQ(fresh.controls.Text(kMasterFileEdit), "ORDER-7");
  ASSERT_NE(fresh.Document().Current(), nullptr);
  EXPECT_EQ(fresh.Document().Current()->name, "Bath");
  EXPECT_EQ(fresh.controls.Text(kNameEdit), "Bath");
  EXPECT_EQ(fresh.JobText(), saved);
  EXPECT_FALSE(fresh.Job().Modified());
  EXPECT_EQ(fresh.host.title, "a[*] - Varnel Grill Designer");
}

// A job file may hold a design the saw cannot cut (written by hand, or before the rule):
// it is opened so that the user can mend it, and one message says which and why.
TEST(JobSession, OpeningAJobWithUncuttableDesignsNamesThemOnce) {
  Machine machine;
  {
    JobRun run(machine);
    run.NewDesign("Kitchen");
    run.NewDesign("Bath");
    ASSERT_TRUE(run.Job().SaveAs("a.grilljob"));
  }
  const std::regex width("\"outerWidth\": *[-0-9.e+]+");
  const std::string text =
      std::regex_replace(machine.files.Content("a.grilljob"), width, "\"outerWidth\": 2e5");
  ASSERT_NE(text, machine.files.Content("a.grilljob"));
  machine.files.contents["b.grilljob"] = text;

  JobRun fresh(machine, "/elsewhere");
  fresh.Job().Open("b.grilljob");
  EXPECT_THAT(fresh.Names(), ElementsAre("Kitchen", "Bath"));
  ASSERT_EQ(fresh.messages.size(), 1u);
  EXPECT_THAT(fresh.messages[0], HasSubstr("cannot be cut"));
  EXPECT_THAT(fresh.messages[0], HasSubstr("\nKitchen: Window Too Large: width"));
  EXPECT_THAT(fresh.messages[0], HasSubstr("\nBath: Window Too Large: width"));
}

TEST(JobSession, TitleAndModifiedMarkFollowTheJob) {
  Machine machine;
  JobRun run(machine);
  EXPECT_EQ(run.host.title, "Varnel Grill Designer");
  EXPECT_FALSE(run.host.titleModified);
  run.NewDesign("Kitchen");
  EXPECT_EQ(run.host.title, "Untitled[*] - Varnel Grill Designer");
  EXPECT_TRUE(run.host.titleModified);
  run.Job().SaveAs("kitchen.grilljob");
  EXPECT_EQ(run.host.title, "kitchen[*] - Varnel Grill Designer");
  EXPECT_FALSE(run.host.titleModified);
  // Unit and spacing mode make no undo step but mark the job modified.
  run.Click(kMillimetresRadio);
  EXPECT_TRUE(run.host.titleModified);
  EXPECT_EQ(run.Job().UndoText(), "Undo New Kitchen");
}

TEST(JobSession, UndoBackToTheSavedStateClearsTheMark) {
  Machine machine;
  JobRun run(machine);
  run.NewDesign("Kitchen");
  run.Job().SaveAs("k.grilljob");
  run.NewDesign("Bath");
  EXPECT_TRUE(run.Job().Modified());
  run.Job().Undo();
  EXPECT_FALSE(run.Job().Modified());
  run.Job().Undo();
  EXPECT_TRUE(run.Job().Modified());
  EXPECT_THAT(run.Names(), IsEmpty());
  run.Job().Redo();
  EXPECT_FALSE(run.Job().Modified());
  EXPECT_THAT(run.Names(), ElementsAre("Kitchen"));
}

// The master file name is saved with the job, so a name typed and nothing
// else is still work the user is asked about before it goes.
TEST(JobSession, TypedMasterFileNameIsAnUnsavedChange) {
  Machine machine;
  JobRun run(machine);
  run.NewDesign("Kitchen");
  run.Job().SaveAs("k.grilljob");
  run.TypeMasterFile("ORDER-8");
  EXPECT_TRUE(run.Job().Modified());
  run.TypeMasterFile("");
  EXPECT_FALSE(run.Job().Modified());  // back as saved

  run.TypeMasterFile("ORDER-8");
  run.host.answer = SaveAnswer::Save;
  run.Job().NewJob();
  EXPECT_THAT(run.questions, ElementsAre("Save changes to \"k\"?"));
  EXPECT_EQ(run.controls.Text(kMasterFileEdit), "");
  EXPECT_FALSE(run.Job().Modified());

  run.Job().Open("k.grilljob");
  EXPECT_EQ(run.controls.Text(kMasterFileEdit), "ORDER-8");
  EXPECT_FALSE(run.Job().Modified());
}

struct QuestionCase {
  SaveAnswer answer;
  bool jobReplaced;
  bool saved;
};

void PrintTo(const QuestionCase& c, std::ostream* os) {
  static constexpr const char* kNames[] = {"save", "discard", "cancel"};
  *os << "answer " << kNames[static_cast<int>(c.answer)];
}

class NewJobQuestion : public ::testing::TestWithParam<QuestionCase> {};

TEST_P(NewJobQuestion, AnswersDecideWhatHappens) {
  const QuestionCase& c = GetParam();
  Machine machine;
  JobRun run(machine);
  run.NewDesign("Kitchen");
  run.Job().SaveAs("k.grilljob");
  run.NewDesign("Bath");
  run.host.answer = c.answer;
  run.Job().NewJob();
  EXPECT_THAT(run.questions, ElementsAre("Save changes to \"k\"?"));
  EXPECT_EQ(run.Names().empty(), c.jobReplaced);
  EXPECT_EQ(machine.files.Content("k.grilljob").find("Bath") != std::string::npos, c.saved);
}

INSTANTIATE_TEST_SUITE_P(Answers, NewJobQuestion,
                         ::testing::Values(QuestionCase{SaveAnswer::Save, true, true},
                                           QuestionCase{SaveAnswer::Discard, true, false},
                                           QuestionCase{SaveAnswer::Cancel, false, false}));

TEST(JobSession, SaveOnAnUntitledJobIsSaveAsAndItsCancelKeepsTheJob) {
  Machine machine;
  JobRun run(machine);
  run.NewDesign("Kitchen");
  run.host.answer = SaveAnswer::Save;
  run.Job().NewJob();  // the file chooser is cancelled: nothing saved, nothing replaced
  EXPECT_THAT(run.questions, ElementsAre("Save changes to \"Untitled\"?"));
  EXPECT_THAT(run.Names(), ElementsAre("Kitchen"));
  run.host.chosenFiles = {"chosen.grilljob"};
  run.Job().NewJob();
  EXPECT_TRUE(machine.files.Exists("chosen.grilljob"));
  EXPECT_THAT(run.Names(), IsEmpty());
  EXPECT_EQ(run.Job().Path(), "");
  EXPECT_FALSE(run.Job().UndoText().has_value());  // New Job clears the history
}

TEST(JobSession, OpenWithUnknownNamesKeepsTheDesignsAndSaysSoOnce) {
  Machine machine;
  {
    JobRun run(machine);
    run.NewDesign("Kitchen");
    run.NewDesign("Bath");
    run.Job().SaveAs("a.grilljob");
  }
  std::string& text = machine.files.contents["a.grilljob"];
  for (const auto& [from, to] :
       {std::pair<std::string, std::string>{"\"E1\"", "\"E9\""}, {"\"Sandstone\"", "\"Teal\""}}) {
    for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at)) {
      text.replace(at, from.size(), to);
    }
  }
  text.replace(text.find("\"White\""), 7, "\"Teal\"");
  JobRun fresh(machine, "/other");
  fresh.Job().Open("a.grilljob");
  EXPECT_THAT(fresh.Names(), ElementsAre("Kitchen", "Bath"));
  ASSERT_EQ(fresh.messages.size(), 1u);
  EXPECT_THAT(fresh.messages[0], HasSubstr("Kitchen: edge type E9"));
  EXPECT_THAT(fresh.messages[0], HasSubstr("Kitchen: inside color Teal"));
  EXPECT_THAT(fresh.messages[0], HasSubstr("Bath: edge type E9"));
  const GrillWindow& kitchen = fresh.Document().Designs()[0];
  EXPECT_EQ(kitchen.edgeType, nullptr);
  EXPECT_EQ(kitchen.insideColor, nullptr);
  ASSERT_NE(kitchen.barType, nullptr);
  EXPECT_EQ(kitchen.barType->name, "G58, 16x20mm");
}

TEST(JobSession, OpenRefusedLeavesTheJobAsItWas) {
  Machine machine;
  JobRun run(machine);
  run.NewDesign("Kitchen");
  machine.files.contents["bad.grilljob"] = "{ not json";
  run.host.answer = SaveAnswer::Discard;
  run.Job().Open("bad.grilljob");
  ASSERT_EQ(run.messages.size(), 1u);
  EXPECT_THAT(run.messages[0], HasSubstr("bad.grilljob"));
  EXPECT_THAT(run.Names(), ElementsAre("Kitchen"));
  EXPECT_TRUE(run.Job().UndoText().has_value());
}

TEST(JobSession, ImportRenamesTakenNamesInOneUndoStep) {
  Machine machine;
  JobRun run(machine);
  run.NewDesign("Kitchen");
  run.NewDesign("Bath");
  run.Job().SaveAs("a.grilljob");
  run.Job().Import("a.grilljob");
  run.Job().Import("a.grilljob");
  EXPECT_THAT(run.Names(),
              ElementsAre("Kitchen", "Bath", "Kitchen (2)", "Bath (2)", "Kitchen (3)", "Bath (3)"));
  ASSERT_EQ(run.messages.size(), 2u);
  EXPECT_EQ(run.messages[1],
            "Imported designs renamed:\nKitchen is now Kitchen (3)\nBath is now Bath (3)");
  EXPECT_EQ(run.Job().UndoText(), "Undo Import a");
  run.Job().Undo();
  EXPECT_EQ(run.Names().size(), 4u);
}

TEST(JobSession, RecentJobsNewestFirstAtMostEight) {
  Machine machine;
  JobRun run(machine);
  run.NewDesign("Kitchen");
  for (int i = 0; i < 10; ++i) {
    run.Job().SaveAs("j" + std::to_string(i) + ".grilljob");
  }
  run.Job().SaveAs("j3.grilljob");
  EXPECT_THAT(run.Job().RecentJobList(),
              ElementsAre("j3.grilljob", "j9.grilljob", "j8.grilljob", "j7.grilljob", "j6.grilljob",
                          "j5.grilljob", "j4.grilljob", "j2.grilljob"));
}

TEST(JobSession, SaveFailureKeepsTheModifiedMark) {
  Machine machine;
  JobRun run(machine);
  run.NewDesign("Kitchen");
  EXPECT_FALSE(run.Job().SaveAs("missing-folder/a.grilljob"));
  ASSERT_EQ(run.messages.size(), 1u);
  EXPECT_THAT(run.messages[0], HasSubstr("File Error: missing-folder/a.grilljob"));
  EXPECT_TRUE(run.Job().Modified());
  EXPECT_EQ(run.Job().Path(), "");
}

// Process Data stores the typed quantity and colours: one step when that
// changes the design, none when it does not.
TEST(ExportSettings, ProcessDataCommitsOnlyAnActualChange) {
  Machine machine;
  JobRun run(machine);
  run.NewDesign("Kitchen");
  run.Job().SaveAs("k.grilljob");
  run.Click(kProcessDataButton);
  EXPECT_EQ(run.Job().UndoText(), "Undo New Kitchen");
  EXPECT_FALSE(run.Job().Modified());

  run.controls.SetText(kQuantityEdit, "5");
  run.controls.SetSelection(kOutsideColorCombo, 1);
  run.Click(kProcessDataButton);
  EXPECT_EQ(run.Job().UndoText(), "Undo Quantity and Colors");
  EXPECT_EQ(run.Document().Current()->quantity, 5);
  EXPECT_EQ(run.Document().Current()->outsideColor->name, "Sandstone");
  run.Job().Undo();
  EXPECT_EQ(run.Document().Current()->quantity, 1);
  EXPECT_EQ(run.controls.Text(kQuantityEdit), "1");
  EXPECT_FALSE(run.Job().Modified());
}

}  // namespace
}  // namespace grill::testing
