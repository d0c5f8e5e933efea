// The recovery copy: written after every change, restored at the next
// start in the same working folder, owned by one run at a time, and read
// back only when whole.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/RecoveryFile.h"
#include "job_run.h"
#include "model/JobFileWriter.h"

namespace grill::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST(Recovery, ARestartInTheSameFolderPutsTheWorkBack) {
  Machine machine;
  std::string before;
  {
    JobRun run(machine);
    EXPECT_FALSE(run.dialog.Restored().has_value());
    run.NewDesign("Kitchen");
    run.NewDesign("Bath");
    run.Job().SaveAs("a.grilljob");
    run.NewDesign("Hall");
    run.Select("Kitchen");
    run.Click(kDividedRadio);
    run.Click(kMillimetresRadio);
    run.TypeMasterFile("M1");
    run.Select("Bath");
    before = run.JobText();
    run.dialog.OnCancel();  // Escape: no question
  }
  JobRun again(machine);
  EXPECT_EQ(again.dialog.Restored(), 3u);
  EXPECT_THAT(again.messages, IsEmpty());
  EXPECT_EQ(again.JobText(), before);
  EXPECT_EQ(again.Job().Path(), "a.grilljob");
  EXPECT_TRUE(again.Job().Modified());
  EXPECT_TRUE(again.controls.IsChecked(kDividedRadio));
  EXPECT_FALSE(again.controls.IsChecked(kEqualSpaceRadio));
  EXPECT_TRUE(again.controls.IsChecked(kMillimetresRadio));
  // The current design is shown as Select shows it.
  EXPECT_EQ(again.controls.Text(kNameEdit), "Bath");
  EXPECT_EQ(again.controls.EntryText(kWindowsList, again.controls.Selection(kWindowsList)), "Bath");
}

// Fields typed for a design not yet made come back after a run that ended
// without a word (a crash writes nothing more than each keystroke did).
TEST(Recovery, AFormTypedButNotMadeComesBack) {
  Machine machine;
  {
    JobRun run(machine);
    run.NewDesign("Kitchen");
    const auto type = [&run](int id, const std::string& text) {
      run.controls.SetText(id, text);
      run.dialog.Dispatch(id, Notification::TextEdited);
    };
    type(kNameEdit, "Porch");
    type(kWidthEdit, "12 1/2");
    run.controls.SetSelection(kPreDesignCombo,
                              run.controls.FindEntryExact(kPreDesignCombo, "Prarie"));
    run.dialog.Dispatch(kPreDesignCombo, Notification::SelectionChanged);
    type(kSideWidthEdit, "3");
    type(kQuantityEdit, "4");
  }
  JobRun again(machine);
  EXPECT_EQ(again.dialog.Restored(), 1u);
  EXPECT_THAT(again.Names(), ElementsAre("Kitchen"));
  EXPECT_EQ(again.controls.Text(kNameEdit), "Porch");
  EXPECT_EQ(again.controls.Text(kWidthEdit), "12 1/2");
  EXPECT_EQ(again.controls.Text(kHeightEdit), "30.000000");  // as Kitchen showed it
  EXPECT_EQ(again.controls.Text(kPreDesignCombo), "Prarie");
  EXPECT_TRUE(again.controls.IsVisible(kSideWidthEdit));
  EXPECT_EQ(again.controls.Text(kSideWidthEdit), "3");
  EXPECT_EQ(again.controls.Text(kQuantityEdit), "4");
  // The design itself is as it was made.
  EXPECT_EQ(again.Document().Designs()[0].quantity, 1);
}

TEST(Recovery, ASavedJobComesBackUnmodified) {
  Machine machine;
  {
    JobRun run(machine);
    run.NewDesign("Kitchen");
    run.Job().SaveAs("a.grilljob");
  }
  JobRun again(machine);
  EXPECT_EQ(again.dialog.Restored(), 1u);
  EXPECT_FALSE(again.Job().Modified());
  EXPECT_EQ(again.host.title, "a[*] - Varnel Grill Designer");
}

TEST(Recovery, AnotherFolderHasItsOwnCopy) {
  Machine machine;
  {
    JobRun run(machine, "/work/one");
    run.NewDesign("Kitchen");
  }
  JobRun other(machine, "/work/two");
  EXPECT_FALSE(other.dialog.Restored().has_value());
  EXPECT_THAT(other.Names(), IsEmpty());
}

TEST(Recovery, ASecondRunInTheFolderLeavesTheFirstOnesCopyAlone) {
  Machine machine;
  JobRun first(machine);
  first.NewDesign("Kitchen");
  const std::map<std::string, std::string> files = machine.files.contents;
  JobRun second(machine);
  EXPECT_THAT(second.messages,
              ElementsAre("Another Grill Designer is running in this folder: this one keeps no "
                          "recovery copy."));
  EXPECT_FALSE(second.dialog.Restored().has_value());
  second.NewDesign("Bath");
  second.Click(kMillimetresRadio);
  EXPECT_EQ(machine.files.contents, files);
  EXPECT_EQ(second.messages.size(), 1u);
}

// A state folder the designer may not write to, or cannot make, is said as
// such, with the system's reason, and once.
TEST(Recovery, AStateFolderThatCannotBeUsedSaysWhy) {
  const std::string path = "state/" + RecoveryFileStem("/work/shop") + ".recovery";
  for (const bool lockFails : {true, false}) {
    Machine machine;
    if (lockFails) {
      machine.locks.failure = "Permission denied";
    } else {
      machine.files.failCreateFolders = true;
    }
    JobRun run(machine);
    run.NewDesign("Kitchen");
    const std::string reason = lockFails ? "Permission denied" : "No space left on device";
    EXPECT_THAT(run.messages,
                ElementsAre("Cannot keep a recovery copy in " + path + ": " + reason));
    EXPECT_FALSE(machine.files.Exists(path));
  }
}

TEST(Recovery, NewJobReplacesTheCopy) {
  Machine machine;
  {
    JobRun run(machine);
    run.NewDesign("Kitchen");
    run.host.answer = SaveAnswer::Discard;
    run.Job().NewJob();
  }
  JobRun again(machine);
  EXPECT_EQ(again.dialog.Restored(), 0u);
  EXPECT_FALSE(again.Job().Modified());
}

TEST(Recovery, ARunEndedByItsConfigurationTouchesNothing) {
  Machine machine;
  {
    JobRun run(machine);
    run.NewDesign("Kitchen");
  }
  const std::string config = machine.files.contents["MenuConfig.txt"];
  machine.files.contents["MenuConfig.txt"] = "<color>\nWhite, 01;\n<\\color>\n";
  { JobRun broken(machine); }
  machine.files.contents["MenuConfig.txt"] = config;
  JobRun again(machine);
  EXPECT_EQ(again.dialog.Restored(), 1u);
}

TEST(RecoveryFile, FormatsAndParsesTheWorkingSet) {
  RecoveryState state;
  state.jobPath = "/jobs/with blank\nand newline.grilljob";
  state.modified = true;
  state.job.masterFile = "M";
  state.job.current = "B";
  state.form = {{"name", "Porch\nback"}, {"width", ""}, {"quantity", "3"}};
  state.job.designs.resize(2);
  state.job.designs[0].window.name = "A";
  state.job.designs[1].window.name = "B";
  for (JobDesign& design : state.job.designs) {
    design.window.outerWidth = design.window.outerHeight = 100;
  }
  const std::optional<RecoveryState> back = ParseRecovery(FormatRecovery(state));
  ASSERT_TRUE(back.has_value());
  EXPECT_EQ(back->jobPath, state.jobPath);
  EXPECT_TRUE(back->modified);
  EXPECT_EQ(back->job.masterFile, "M");
  EXPECT_EQ(back->job.current, "B");
  EXPECT_EQ(back->form, state.form);
  EXPECT_EQ(FormatJob(back->job), FormatJob(state.job));
}

// A record replaces its stretch of designs and brings the rest of the
// working set as it stood.
TEST(RecoveryFile, RecordsPlayInOrder) {
  RecoveryState state;
  state.jobPath = "a.grilljob";
  state.job.designs.resize(3);
  for (std::size_t i = 0; i < 3; ++i) {
    state.job.designs[i].window.name = std::string(1, static_cast<char>('A' + i));
    state.job.designs[i].window.outerWidth = state.job.designs[i].window.outerHeight = 100;
  }
  RecoveryChange change{state, 1, 2};
  change.state.jobPath = "b.grilljob";
  change.state.modified = true;
  change.state.job.current = "D";
  change.state.job.unit = Unit::Millimetres;
  change.state.job.designs = {state.job.designs[0]};
  change.state.job.designs[0].window.name = "D";
  change.state.form = {{"name", "Porch"}};
  const std::string text = FormatRecovery(state) + FormatRecoveryChange(change);
  const std::optional<RecoveryState> back = ParseRecovery(text);
  ASSERT_TRUE(back.has_value());
  ASSERT_EQ(back->job.designs.size(), 2u);
  EXPECT_EQ(back->job.designs[0].window.name, "A");
  EXPECT_EQ(back->job.designs[1].window.name, "D");
  EXPECT_EQ(back->job.current, "D");
  EXPECT_EQ(back->job.unit, Unit::Millimetres);
  EXPECT_EQ(back->jobPath, "b.grilljob");
  EXPECT_TRUE(back->modified);
  EXPECT_EQ(back->form, change.state.form);

  // A stretch beyond the designs ends the journal where it stands.
  RecoveryChange beyond = change;
  beyond.from = 5;
  const std::optional<RecoveryState> stopped = ParseRecovery(
      FormatRecovery(state) + FormatRecoveryChange(beyond) + FormatRecoveryChange(change));
  ASSERT_TRUE(stopped.has_value());
  EXPECT_EQ(stopped->job.designs.size(), 3u);
}

// The copy a former version left (one job text after three lines) still
// comes back.
TEST(RecoveryFile, ReadsTheFirstVersion) {
  Job job;
  job.current = "A";
  job.designs.resize(1);
  job.designs[0].window.name = "A";
  job.designs[0].window.outerWidth = job.designs[0].window.outerHeight = 100;
  const std::optional<RecoveryState> back =
      ParseRecovery("varnel-grill-recovery 1\npath 10 a.grilljob\nmodified 1\n" + FormatJob(job));
  ASSERT_TRUE(back.has_value());
  EXPECT_EQ(back->jobPath, "a.grilljob");
  EXPECT_TRUE(back->modified);
  EXPECT_EQ(back->job.current, "A");
  EXPECT_EQ(back->job.designs.size(), 1u);
}

// The records of the version before kept no form: they come back without one.
TEST(RecoveryFile, ReadsTheVersionWithoutForm) {
  Job job;
  job.designs.resize(1);
  job.designs[0].window.name = "A";
  job.designs[0].window.outerWidth = job.designs[0].window.outerHeight = 100;
  const std::string body =
      "path 10 a.grilljob\nmodified 1\ncurrent 1 A\ndesigns 0 0\n" + FormatJob(job);
  const std::optional<RecoveryState> back =
      ParseRecovery("varnel-grill-recovery 2\nchange " + std::to_string(body.size()) + " " +
                    HexDigits(StableHash(body)) + "\n" + body);
  ASSERT_TRUE(back.has_value());
  EXPECT_EQ(back->job.current, "A");
  EXPECT_EQ(back->job.designs.size(), 1u);
  EXPECT_TRUE(back->form.empty());
}

// A record whose body is changed keeps its checksum right, so that the
// parser itself must refuse what the body holds.
std::string Record(const std::string& body) {
  return "change " + std::to_string(body.size()) + " " + HexDigits(StableHash(body)) + "\n" + body;
}

TEST(RecoveryFile, RefusesWhatItDidNotWrite) {
  RecoveryState state;
  state.jobPath = "a.grilljob";
  const std::string good = FormatRecovery(state);
  const std::string header = "varnel-grill-recovery 3\n";
  const std::string record = good.substr(header.size());
  const std::string first = "varnel-grill-recovery 1\n";
  const std::string job = FormatJob(Job{});
  const std::string start = "path 0 \nmodified 0\ncurrent -\n";
  for (const std::string& text : {
           std::string(),
           header,
           good.substr(0, good.size() / 2),
           "varnel-grill-recovery 4\n" + record,
           // A record with a form under the header of the version without.
           "varnel-grill-recovery 2\n" + record,
           header + Record(start + "form 1\ndesigns 0 0\n" + job),
           header + Record(start + "form 99999999999999\ndesigns 0 0\n" + job),
           header + Record(start + "form 1\nfield 4 name\ndesigns 0 0\n" + job),
           header + Record(start + "form 1\nfield 4 name\ntext 9 A\ndesigns 0 0\n" + job),
           header + Record(start + "designs 0 0\n" + job),
           // A journal starts with the whole state.
           header + FormatRecoveryChange({state, 0, 1}),
           header + "change 10 0123456789abcdef\n0123456789",
           first + "path 999 a.grilljob\nmodified 0\n{}",
           first + "path x a\nmodified 0\n",
           first + "path 10 a.grilljob\nmodified 2\n",
           first + "path 10 a.grilljob\nmodified 0\n{\"format\": 1}",
       }) {
    EXPECT_FALSE(ParseRecovery(text).has_value()) << text;
  }
}

TEST(RecoveryFile, StemDependsOnlyOnTheFolder) {
  EXPECT_EQ(RecoveryFileStem("/work/a"), RecoveryFileStem("/work/a"));
  EXPECT_NE(RecoveryFileStem("/work/a"), RecoveryFileStem("/work/b"));
  EXPECT_THAT(RecoveryFileStem(""), ::testing::MatchesRegex("recovery-[0-9a-f]{16}"));
}

}  // namespace
}  // namespace grill::testing
