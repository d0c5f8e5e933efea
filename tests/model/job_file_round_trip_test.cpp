#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "job_file_samples.h"
#include "model/JobFileReader.h"
#include "model/JobFileText.h"
#include "model/JobFileWriter.h"

namespace grill {
namespace {

using ::testing::HasSubstr;

TEST(JobFileRoundTripTest, RandomJobsReadBackIdenticalAndWriteTheSameFile) {
  RandomJobs jobs(20240611);
  for (int round = 0; round < 200; ++round) {
    SCOPED_TRACE("round " + std::to_string(round));
    const Job job = jobs.Next();
    const std::string text = FormatJob(job);
    const JobFileResult read = ReadJobText(text, "job.grilljob");
    ASSERT_TRUE(read.job) << read.error;
    ExpectSameJob(job, *read.job);
    EXPECT_EQ(FormatJob(*read.job), text);
  }
}

// The layout people read and diff: field order, two blanks a level, null for
// an empty reference, the segment strings of each band.
TEST(JobFileRoundTripTest, WritesTheDocumentedLayout) {
  Job job = SmallJob();
  job.designs.resize(1);
  job.current = std::nullopt;
  job.designs[0].window.vertSegments[1][1] = 0;
  EXPECT_EQ(FormatJob(job), R"({
  "format": "varnel-grill-job",
  "version": 3,
  "unit": "mm",
  "spacing": "equal",
  "masterFile": "MASTER",
  "details": {
    "customer": "",
    "orderNumber": "",
    "dueDate": "",
    "notes": ""
  },
  "current": null,
  "designs": [
    {
      "name": "A",
      "outerWidth": 600.0,
      "outerHeight": 400.0,
      "innerWidth": 560.0,
      "innerHeight": 360.0,
      "quantity": 2,
      "barType": "Flat 5/8",
      "edgeType": "Edge A",
      "insideColor": "White",
      "outsideColor": null,
      "preDesign": null,
      "horzPos": [
        0.0,
        180.0,
        360.0
      ],
      "vertPos": [
        0.0,
        280.0,
        560.0
      ],
      "vertSegments": [
        "1",
        "0"
      ],
      "horzSegments": [
        "11"
      ]
    }
  ]
}
)");
}

TEST(JobFileRoundTripTest, TextsThatAreNotUtf8KeepTheirBytesAsCharacters) {
  Job job = SmallJob();
  job.designs[0].references.barType = "Gr\xFCn";        // Latin-1
  job.designs[0].references.edgeType = "\xC3\xA9";      // UTF-8 é stays as it is
  job.designs[0].references.outsideColor = "\xC0\x80";  // overlong NUL
  const std::string text = FormatJob(job);
  EXPECT_THAT(text, HasSubstr(R"("barType": {
        "bytes": "Grün"
      })"));
  EXPECT_THAT(text, HasSubstr("\"edgeType\": \"\xC3\xA9\""));
  const JobFileResult read = ReadJobText(text, "job.grilljob");
  ASSERT_TRUE(read.job) << read.error;
  EXPECT_EQ(read.job->designs[0].references, job.designs[0].references);
}

TEST(JobFileTextTest, Utf8CheckFollowsTheStandard) {
  struct Case {
    const char* text;
    bool valid;
  };
  const Case cases[] = {
      {"", true},
      {"plain", true},
      {"\xC3\xA9", true},
      {"\xF0\x9F\x98\x80", true},   // U+1F600
      {"\xF4\x8F\xBF\xBF", true},   // U+10FFFF
      {"\xC3", false},              // cut short
      {"\xC0\x80", false},          // overlong
      {"\xE0\x9F\xBF", false},      // overlong
      {"\xED\xA0\x80", false},      // surrogate
      {"\xF4\x90\x80\x80", false},  // past U+10FFFF
      {"\xFF", false},
      {"\x80", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IsValidUtf8(c.text), c.valid) << c.text;
  }
}

TEST(JobFileTextTest, EveryByteMapsToOneCharacterAndBack) {
  std::string all;
  for (int byte = 0; byte < 256; ++byte) {
    all += static_cast<char>(byte);
  }
  const std::string characters = BytesAsCharacters(all);
  EXPECT_TRUE(IsValidUtf8(characters));
  EXPECT_EQ(CharactersAsBytes(characters), all);
  EXPECT_EQ(CharactersAsBytes("\xC4\x80"), std::nullopt);  // U+0100 names no byte
}

}  // namespace
}  // namespace grill
