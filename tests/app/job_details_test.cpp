// File > Job Properties...: the dialog's fields, its one step per change, and
// the details kept by the job file and the recovery copy.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "job_run.h"

namespace grill::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

const JobDetails kSmith{"Smith & Sons", "PO-4471", "2027-01-15",
                        "Deliver to the back door.\nCall."};

// The steps Undo can take back, counted by taking them back and making them
// again.
std::size_t StepCount(JobRun& run) {
  std::size_t steps = 0;
  while (run.Job().UndoText()) {
    run.Job().Undo();
    ++steps;
  }
  for (std::size_t i = 0; i < steps; ++i) {
    run.Job().Redo();
  }
  return steps;
}

TEST(JobDetailsDialog, OpensWithTheJobsDetails) {
  Machine machine;
  JobRun run(machine);
  ASSERT_TRUE(run.SetDetails(kSmith));
  run.dialog.OpenJobProperties();
  const MemoryControls& fields = *run.host.ModalControls();
  EXPECT_EQ(fields.Text(kJobCustomerEdit), "Smith & Sons");
  EXPECT_EQ(fields.Text(kJobOrderEdit), "PO-4471");
  EXPECT_EQ(fields.Text(kJobDueDateEdit), "2027-01-15");
  EXPECT_EQ(fields.Text(kJobNotesEdit), "Deliver to the back door.\nCall.");
  run.host.CancelModal();
}

TEST(JobDetailsDialog, OkMakesOneStepOnlyWhenSomethingChanged) {
  Machine machine;
  JobRun run(machine);
  run.NewDesign("Kitchen");
  run.Job().SaveAs("a.grilljob");

  ASSERT_TRUE(run.SetDetails({"Smith", "", "", ""}));
  EXPECT_EQ(run.Job().UndoText(), "Undo Set Customer");
  EXPECT_TRUE(run.Job().Modified());
  EXPECT_EQ(run.host.title, "a[*] - Varnel Grill Designer");

  ASSERT_TRUE(run.SetDetails({"Smith", "", "", ""}));
  EXPECT_EQ(StepCount(run), 2u);  // New Kitchen and Set Customer

  ASSERT_TRUE(run.SetDetails(kSmith));
  EXPECT_EQ(run.Job().UndoText(), "Undo Edit Job Details");

  run.dialog.OpenJobProperties();
  run.host.ModalControls()->SetText(kJobCustomerEdit, "Jones");
  run.host.CancelModal();
  EXPECT_EQ(run.Document().Details(), kSmith);
  EXPECT_EQ(StepCount(run), 3u);

  run.Job().Undo();
  run.Job().Undo();
  EXPECT_TRUE(run.Document().Details().Empty());
  EXPECT_FALSE(run.Job().Modified());
  EXPECT_THAT(run.messages, IsEmpty());
}

// What cannot be kept is refused with the reason, the dialog stays open with
// what was typed, and the job is as it was.
TEST(JobDetailsDialog, RefusesWhatCannotBeKept) {
  const struct {
    const char* what;
    JobDetails typed;
    std::string message;
  } cases[] = {
      {"a long customer",
       {std::string(201, 'c'), "", "", ""},
       "Invalid Job Details: Customer is longer than 200 characters"},
      {"a control character in the order",
       {"", "PO\x01", "", ""},
       "Invalid Job Details: Order / PO Number holds a control character"},
      {"a line break in the due date",
       {"", "", "Friday\nnoon", ""},
       "Invalid Job Details: Due Date holds a control character"},
      {"long notes",
       {"", "", "", std::string(4001, 'n')},
       "Invalid Job Details: Notes are longer than 4000 characters"},
      {"an escape in the notes",
       {"", "", "", "red\x1b[0m"},
       "Invalid Job Details: Notes hold a control character other than a line break"},
  };
  for (const auto& c : cases) {
    Machine machine;
    JobRun run(machine);
    std::vector<std::string> shown;
    run.host.onModalMessage = [&shown](const std::string& text) { shown.push_back(text); };
    EXPECT_FALSE(run.SetDetails(c.typed)) << c.what;
    EXPECT_THAT(shown, ElementsAre(c.message)) << c.what;
    EXPECT_TRUE(run.Document().Details().Empty()) << c.what;
    EXPECT_FALSE(run.Job().UndoText()) << c.what;
    EXPECT_FALSE(run.Job().Modified()) << c.what;
  }
}

// Pasted text keeps what a shop meant: a tab as a blank, the line breaks of
// any system as line breaks.
TEST(JobDetailsDialog, ReadsPastedTextAsMeant) {
  Machine machine;
  JobRun run(machine);
  ASSERT_TRUE(run.SetDetails({"Smith\t& Sons", "PO\t1", "", "one\r\ntwo\rthree\n\tfour"}));
  EXPECT_EQ(run.Document().Details(),
            (JobDetails{"Smith & Sons", "PO 1", "", "one\ntwo\nthree\n four"}));
}

TEST(JobDetailsDialog, SaveThenOpenInAFreshRunGivesTheSameDetails) {
  Machine machine;
  std::string saved;
  {
    JobRun run(machine);
    run.NewDesign("Kitchen");
    ASSERT_TRUE(run.SetDetails(kSmith));
    ASSERT_TRUE(run.Job().SaveAs("a.grilljob"));
    saved = machine.files.Content("a.grilljob");
    EXPECT_THAT(saved, HasSubstr("\"customer\": \"Smith & Sons\""));
  }
  JobRun fresh(machine, "/elsewhere");
  fresh.Job().Open("a.grilljob");
  EXPECT_EQ(fresh.Document().Details(), kSmith);
  EXPECT_FALSE(fresh.Job().Modified());
  EXPECT_FALSE(fresh.Job().UndoText());
  ASSERT_TRUE(fresh.Job().SaveAs("b.grilljob"));
  EXPECT_EQ(machine.files.Content("b.grilljob"), saved);

  fresh.host.answer = SaveAnswer::Discard;
  fresh.Job().NewJob();
  EXPECT_TRUE(fresh.Document().Details().Empty());
}

// A run killed after the details changed comes back with them, and with
// the job still modified.
TEST(JobDetailsDialog, TheRecoveryCopyKeepsTheDetails) {
  Machine machine;
  JobRun run(machine);
  run.NewDesign("Kitchen");
  ASSERT_TRUE(run.SetDetails(kSmith));
  Machine after;
  after.files.contents = machine.files.contents;
  after.files.folders = machine.files.folders;
  JobRun again(after);
  EXPECT_EQ(again.Document().Details(), kSmith);
  EXPECT_TRUE(again.Job().Modified());
}

}  // namespace
}  // namespace grill::testing
