// The recovery copy as a journal: each change appends a record of what it
// touched, so that a run killed at any moment after a change comes back with
// that change, whatever the change was, and a record cut off by the kill
// leaves the state before it.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

#include "app/RecoveryFile.h"
#include "job_run.h"

namespace grill::testing {
namespace {

const std::string kRecoveryPath = "state/" + RecoveryFileStem("/work/shop") + ".recovery";

// What a run killed now leaves to the next one: the files, and no lock (the
// system lets go of it with the process).
Machine AfterAKill(const Machine& machine) {
  Machine after;
  after.files.contents = machine.files.contents;
  after.files.folders = machine.files.folders;
  return after;
}

struct Step {
  const char* what;
  std::function<void(JobRun&)> run;
};

TEST(RecoveryJournal, AKillAfterAnyChangeLosesNothing) {
  Machine machine;
  const Step steps[] = {
      {"new", [](JobRun& r) { r.NewDesign("Kitchen"); }},
      {"second new", [](JobRun& r) { r.NewDesign("Bath", "30", "20", "1", "1"); }},
      {"third new", [](JobRun& r) { r.NewDesign("Hall", "50", "40", "4", "2"); }},
      {"select", [](JobRun& r) { r.Select("Kitchen"); }},
      {"plus",
       [](JobRun& r) {
         SelectBar(r, kHorzList, 1);
         r.controls.SetText(kHorzEdit, "1");
         r.Click(kHorzPlusButton);
       }},
      {"save", [](JobRun& r) { r.Job().SaveAs("a.grilljob"); }},
      {"select the middle", [](JobRun& r) { r.Select("Bath"); }},
      {"delete the middle", [](JobRun& r) { r.Click(kDeleteButton); }},
      {"undo the delete", [](JobRun& r) { r.Job().Undo(); }},
      {"redo the delete", [](JobRun& r) { r.Job().Redo(); }},
      {"undo twice",
       [](JobRun& r) {
         r.Job().Undo();
         r.Job().Undo();
       }},
      {"import", [](JobRun& r) { r.Job().Import("a.grilljob"); }},
      {"undo the import", [](JobRun& r) { r.Job().Undo(); }},
      {"redo the import", [](JobRun& r) { r.Job().Redo(); }},
      {"unit", [](JobRun& r) { r.Click(kMillimetresRadio); }},
      {"spacing", [](JobRun& r) { r.Click(kDividedRadio); }},
      {"master file", [](JobRun& r) { r.TypeMasterFile("M7"); }},
      {"job details",
       [](JobRun& r) {
         r.SetDetails({"Smith", "PO-1", "Friday", "Back\ndoor"});
       }},
      {"one detail",
       [](JobRun& r) {
         r.SetDetails({"Smith", "PO-2", "Friday", "Back\ndoor"});
       }},
      {"undo a detail", [](JobRun& r) { r.Job().Undo(); }},
      {"select the first", [](JobRun& r) { r.Select("Kitchen"); }},
      {"delete the first", [](JobRun& r) { r.Click(kDeleteButton); }},
      {"quantity by process data",
       [](JobRun& r) {
         r.Select("Hall");
         r.controls.SetText(kQuantityEdit, "4");
         r.Click(kProcessDataButton);
       }},
      {"new job",
       [](JobRun& r) {
         r.host.answer = SaveAnswer::Discard;
         r.Job().NewJob();
       }},
      {"new after new job", [](JobRun& r) { r.NewDesign("Porch"); }},
      {"open", [](JobRun& r) { r.Job().Open("a.grilljob"); }},
      {"new after open", [](JobRun& r) { r.NewDesign("Attic", "20", "20", "1", "0"); }},
  };
  JobRun run(machine);
  for (const Step& step : steps) {
    step.run(run);
    Machine after = AfterAKill(machine);
    JobRun again(after);
    EXPECT_EQ(again.JobText(), run.JobText()) << step.what;
    EXPECT_EQ(again.Job().Path(), run.Job().Path()) << step.what;
    EXPECT_EQ(again.Job().Modified(), run.Job().Modified()) << step.what;
  }
}

// A hundred designs and a bar moved: the record is about one design, not the job.
TEST(RecoveryJournal, AChangeWritesWhatItTouchedNotTheJob) {
  Machine machine;
  JobRun run(machine);
  for (int i = 0; i < 100; ++i) {
    run.NewDesign("Window " + std::to_string(i));
  }
  run.Select("Window 30");
  SelectBar(run, kHorzList, 1);
  run.controls.SetText(kHorzEdit, "1");
  const std::size_t before = machine.files.events.size();
  run.Click(kHorzPlusButton);
  std::size_t written = 0;
  for (std::size_t e = before; e < machine.files.events.size(); ++e) {
    const MemoryFiles::Event& event = machine.files.events[e];
    written += event.kind == MemoryFiles::Event::Kind::kWrite ? event.bytes.size() : 0;
  }
  const std::size_t job = machine.files.Content(kRecoveryPath).size();
  EXPECT_GT(written, 0u);
  EXPECT_LT(written * 20, job);
}

// Every cut of the last record, as a kill in the middle of its write leaves
// it, and a damaged byte in it, bring back the state before that change.
TEST(RecoveryJournal, ACutOffRecordLeavesTheStateBeforeIt) {
  Machine machine;
  JobRun run(machine);
  run.NewDesign("Kitchen");
  run.NewDesign("Bath");
  const std::string before = run.JobText();
  const std::string kept = machine.files.Content(kRecoveryPath);
  run.NewDesign("Hall");
  const std::string full = machine.files.Content(kRecoveryPath);
  ASSERT_EQ(full.substr(0, kept.size()), kept);
  std::vector<std::string> damaged;
  for (std::size_t cut = kept.size(); cut < full.size(); ++cut) {
    damaged.push_back(full.substr(0, cut));
  }
  for (std::size_t at : {kept.size() + 10, full.size() - 2}) {
    std::string flipped = full;
    flipped[at] = static_cast<char>(flipped[at] ^ 1);
    damaged.push_back(flipped);
  }
  for (const std::string& text : damaged) {
    Machine after = AfterAKill(machine);
    after.files.contents[kRecoveryPath] = text;
    JobRun again(after);
    EXPECT_EQ(again.JobText(), before) << text.size();
  }
}

// The journal is written whole again once it outgrows its limit, so the file
// stays near the size of the job; what it holds is still the work.
TEST(RecoveryJournal, TheJournalIsCompactedAsItGrows) {
  Machine machine;
  JobRun run(machine);
  run.NewDesign("Kitchen", "40", "30", "20", "20");
  SelectBar(run, kHorzList, 1);
  run.controls.SetText(kHorzEdit, "1");
  machine.files.recordWrittenBytes = false;
  std::size_t largest = 0;
  for (int i = 0; i < 1500; ++i) {
    run.Click(i % 2 == 0 ? kHorzPlusButton : kHorzMinusButton);
    largest = std::max(largest, machine.files.contents.at(kRecoveryPath).size());
  }
  EXPECT_LE(largest, static_cast<std::size_t>(RecoveryStore::kJournalFloor) + 64 * 1024);
  int wholeWrites = 0;
  for (const MemoryFiles::Event& event : machine.files.events) {
    wholeWrites += event.kind == MemoryFiles::Event::Kind::kRename && event.bytes == kRecoveryPath;
  }
  EXPECT_GE(wholeWrites, 2);
  Machine after = AfterAKill(machine);
  JobRun again(after);
  EXPECT_EQ(again.JobText(), run.JobText());
}

// After a failed write the next change writes the whole state, so a record
// never follows a torn one.
TEST(RecoveryJournal, AFailedAppendIsMendedByTheNextChange) {
  Machine machine;
  JobRun run(machine);
  run.NewDesign("Kitchen");
  machine.files.failAppendAt = 1;
  run.NewDesign("Bath");
  run.NewDesign("Hall");
  ASSERT_EQ(run.messages.size(), 1u);
  EXPECT_EQ(run.messages[0],
            "Cannot keep a recovery copy in " + kRecoveryPath + ": No space left on device");
  Machine after = AfterAKill(machine);
  JobRun again(after);
  EXPECT_EQ(again.JobText(), run.JobText());
}

// A FIFO (or any file that is not regular) where the recovery file belongs is
// refused without waiting: nothing comes back, and the first change puts a
// real recovery copy in its place without ever opening it.
TEST(RecoveryJournal, AFifoAtTheRecoveryPathIsReplaced) {
  Machine machine;
  machine.files.nonRegular.insert(kRecoveryPath);
  JobRun run(machine);
  EXPECT_FALSE(run.dialog.Restored().has_value());
  EXPECT_THAT(run.messages, ::testing::IsEmpty());
  run.NewDesign("Kitchen");
  run.NewDesign("Bath");
  EXPECT_THAT(run.messages, ::testing::IsEmpty());
  EXPECT_TRUE(machine.files.nonRegular.empty());
  Machine after = AfterAKill(machine);
  JobRun again(after);
  EXPECT_EQ(again.dialog.Restored(), 2u);
}

}  // namespace
}  // namespace grill::testing
