#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "job_file_samples.h"
#include "model/JobFileReader.h"
#include "model/JobFileWriter.h"

namespace grill {
namespace {

using ::testing::HasSubstr;

Job DetailedJob() {
  Job job = SmallJob();
  job.details = {"Smith & Sons", "PO-4471", "next Friday",
                 "Deliver to the back door.\nCall first."};
  return job;
}

// The text of the detailed job with the first `from` replaced by `to`.
std::string DetailedJobEdited(const std::string& from, const std::string& to) {
  std::string text = FormatJob(DetailedJob());
  const std::size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

TEST(JobDetailsFileTest, SaveOpenSaveKeepsEveryByte) {
  Job job = DetailedJob();
  job.details.customer = "M\xFCller";  // Latin-1, as an old export might hand it on
  job.details.notes = std::string(kMaxNotesLength - 1, 'x') + "\xC3\xA9";
  const std::string text = FormatJob(job);
  EXPECT_THAT(text, HasSubstr("\"notes\": \"" + std::string(20, 'x')));
  const JobFileResult read = ReadJobText(text, kJobPath);
  ASSERT_TRUE(read.job) << read.error;
  EXPECT_EQ(read.job->details, job.details);
  EXPECT_EQ(FormatJob(*read.job), text);
}

TEST(JobDetailsFileTest, WritesTheDetailsAfterTheMasterFile) {
  EXPECT_THAT(FormatJob(DetailedJob()), HasSubstr(R"(  "masterFile": "MASTER",
  "details": {
    "customer": "Smith & Sons",
    "orderNumber": "PO-4471",
    "dueDate": "next Friday",
    "notes": "Deliver to the back door.\nCall first."
  },
  "current": "B",)"));
}

// A version 2 file knew no details: it opens with none set and is saved as
// the current version; one that holds them was not written by a designer.
TEST(JobDetailsFileTest, VersionTwoFilesOpenWithoutDetails) {
  std::string old = FormatJob(SmallJob());
  old.replace(old.find("\"version\": 3"), 12, "\"version\": 2");
  old = WithoutDetails(old);
  const JobFileResult read = ReadJobText(old, kJobPath);
  ASSERT_TRUE(read.job) << read.error;
  EXPECT_TRUE(read.job->details.Empty());
  EXPECT_EQ(FormatJob(*read.job), FormatJob(SmallJob()));

  std::string mixed = FormatJob(DetailedJob());
  mixed.replace(mixed.find("\"version\": 3"), 12, "\"version\": 2");
  EXPECT_THAT(ReadJobText(mixed, kJobPath).error, HasSubstr("unknown field \"details\""));
}

TEST(JobDetailsFileTest, HostileDetailsAreRefusedWithWhereAndWhy) {
  const std::string longCustomer(kMaxDetailLength + 1, 'c');
  const std::string longNotes(kMaxNotesLength + 1, 'n');
  const struct {
    const char* what;
    std::string text;
    std::string reason;
  } files[] = {
      {"details missing", WithoutDetails(FormatJob(DetailedJob())), "details is missing"},
      {"a detail missing", DetailedJobEdited("\"dueDate\": \"next Friday\",", ""),
       "details: dueDate is missing"},
      {"an unknown detail", DetailedJobEdited("\"dueDate\"", "\"colour\": \"red\", \"dueDate\""),
       "details: unknown field \"colour\""},
      {"a detail as a number", DetailedJobEdited("\"PO-4471\"", "4471"),
       "details: orderNumber must be a text"},
      {"a tab in the customer", DetailedJobEdited("Smith & Sons", "Smith\\t& Sons"),
       "details: Customer holds a control character"},
      {"a line break in the order", DetailedJobEdited("PO-4471", "PO-\\n4471"),
       "details: Order / PO Number holds a control character"},
      {"a NUL in the notes", DetailedJobEdited("Call first.", "Call\\u0000first."),
       "details: Notes hold a control character other than a line break"},
      {"a carriage return in the notes", DetailedJobEdited("Call first.", "Call\\r\\nfirst."),
       "details: Notes hold a control character other than a line break"},
      {"a very long customer", DetailedJobEdited("Smith & Sons", longCustomer),
       "details: Customer is longer than 200 characters"},
      {"very long notes", DetailedJobEdited("Call first.", longNotes),
       "details: Notes are longer than 4000 characters"},
  };
  for (const auto& file : files) {
    const JobFileResult result = ReadJobText(file.text, kJobPath);
    EXPECT_FALSE(result.job) << file.what;
    EXPECT_THAT(result.error, HasSubstr(file.reason)) << file.what;
  }
}

TEST(JobDetailsFileTest, DetailsMustBeAnObject) {
  std::string text = FormatJob(SmallJob());
  const std::size_t at = text.find("{", text.find("\"details\""));
  text.replace(at, text.find('}', at) + 1 - at, "[]");
  EXPECT_THAT(ReadJobText(text, kJobPath).error, HasSubstr("details must be an object"));
}

// The limits count characters, so a customer's name in any script gets the
// same room.
TEST(JobDetailsFileTest, LimitsCountCharactersNotBytes) {
  std::string name;
  for (std::size_t i = 0; i < kMaxDetailLength; ++i) {
    name += "\xC3\xA9";  // é, two bytes
  }
  EXPECT_EQ(CharacterCount(name), kMaxDetailLength);
  EXPECT_FALSE(FindDetailProblem(JobDetail::Customer, name));
  EXPECT_TRUE(FindDetailProblem(JobDetail::Customer, name + "e"));
  EXPECT_FALSE(FindDetailProblem(JobDetail::Notes, "one\ntwo\n\nfour"));
}

}  // namespace
}  // namespace grill
