#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "job_file_samples.h"
#include "model/JobFileReader.h"
#include "model/JobFileWriter.h"
#include "testing/MemoryFiles.h"

namespace grill {
namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;

// The small job's text with the first `from` replaced by `to`.
std::string Edited(const std::string& from, const std::string& to) {
  std::string text = FormatJob(SmallJob());
  const std::size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

std::string HorzPosOf(int entries) {
  std::string list = "[";
  for (int i = 0; i < entries; ++i) {
    list += (i > 0 ? ", " : "") + std::to_string(i) + ".0";
  }
  return list + "]";
}

struct HostileFile {
  const char* what;
  std::string text;
  std::string reason;
};

TEST(JobFileRefusalTest, HostileFilesAreRefusedWithWhereAndWhy) {
  const std::string whole = FormatJob(SmallJob());
  const std::string segmentsA = R"("vertSegments": [
        "1",
        "1"
      ])";
  const HostileFile files[] = {
      {"truncated", whole.substr(0, whole.size() / 2), "not valid JSON at byte"},
      {"empty", "", "not valid JSON at byte 1: "},
      {"not an object", "[1, 2]", "it is not a grill job file"},
      {"another format", Edited("varnel-grill-job", "other"), "it is not a grill job file"},
      {"version as text", Edited("\"version\": 3", "\"version\": \"3\""), "version must be"},
      {"version 0", Edited("\"version\": 3", "\"version\": 0"), "version must be"},
      {"unknown unit", Edited("\"mm\"", "\"cm\""), "unit must be \"in\" or \"mm\""},
      {"unknown field", Edited("\"unit\"", "\"colour\": 1, \"unit\""), "unknown field \"colour\""},
      {"missing field", Edited("\"spacing\": \"equal\",", ""), "spacing is missing"},
      {"duplicate key", Edited("\"unit\": \"mm\"", "\"unit\": \"mm\", \"unit\": \"in\""),
       "the key \"unit\" appears twice in the top level"},
      {"duplicate key in a design", Edited("\"quantity\": 2", "\"quantity\": 2, \"quantity\": 3"),
       "the key \"quantity\" appears twice in designs[0]"},
      {"size as text", Edited("\"outerWidth\": 600.0", "\"outerWidth\": \"600\""),
       "design \"A\": outerWidth must be a finite number above zero"},
      {"size zero", Edited("\"outerHeight\": 400.0", "\"outerHeight\": 0"),
       "design \"A\": outerHeight must be a finite number above zero"},
      {"negative inside", Edited("\"innerWidth\": 560.0", "\"innerWidth\": -1.0"),
       "design \"A\": innerWidth must be a finite number, not negative"},
      {"NaN token", Edited("600.0", "NaN"), "not valid JSON at byte"},
      {"Infinity token", Edited("600.0", "Infinity"), "not valid JSON at byte"},
      {"number overflowing a double", Edited("600.0", "1e999"), "beyond the range of a double"},
      {"quantity past 32 bits", Edited("\"quantity\": 2", "\"quantity\": 2147483648"),
       "design \"A\": quantity must be a whole number from -2147483648 to 2147483647"},
      {"quantity with a fraction", Edited("\"quantity\": 2", "\"quantity\": 2.5"),
       "quantity must be a whole number"},
      {"reference as number", Edited("\"White\"", "7"), "insideColor must be a text or null"},
      {"byte form past U+00FF", Edited("\"White\"", R"({"bytes": "\u0100"})"),
       "insideColor must be a text or null"},
      {"31 bars",
       Edited("\"horzPos\": [\n        0.0,\n        180.0,\n        360.0\n      ]",
              "\"horzPos\": " + HorzPosOf(33)),
       "design \"A\": horzPos holds 33 entries; it needs both edges and at most 30 bars"},
      {"one edge only",
       Edited("\"horzPos\": [\n        0.0,\n        180.0,\n        360.0\n      ]",
              "\"horzPos\": [0.0]"),
       "horzPos holds 1 entries"},
      {"position null", Edited("180.0", "null"),
       "design \"A\": horzPos[1] must be a finite number"},
      {"segment string with a letter", Edited(segmentsA, R"("vertSegments": ["1", "x"])"),
       "design \"A\": vertSegments must be a list of 2 strings of 1 '0' or '1' each"},
      {"segment string too long", Edited(segmentsA, R"("vertSegments": ["1", "10"])"),
       "vertSegments must be a list of 2 strings"},
      {"segment rows missing", Edited(segmentsA, R"("vertSegments": ["1"])"),
       "vertSegments must be a list of 2 strings"},
      {"horizontal segments short", Edited("\"11\"", "\"1\""),
       "horzSegments must be a list of 1 strings of 2"},
      {"duplicate names", Edited("\"name\": \"B\"", "\"name\": \"A\""),
       "design 2: the name \"A\" is used by an earlier design"},
      {"empty name", Edited("\"name\": \"B\"", "\"name\": \"\""), "design 2: the name is empty"},
      {"unsafe name", Edited("\"name\": \"B\"", "\"name\": \"../B\""),
       "design 2: the name \"../B\" cannot name a design"},
      // Names that would give hidden cut files, or files named by blanks alone.
      {"hidden name", Edited("\"name\": \"B\"", "\"name\": \".hidden\""),
       "design 2: the name \".hidden\" cannot name a design"},
      {"blank name", Edited("\"name\": \"B\"", "\"name\": \"   \""),
       "design 2: the name \"   \" cannot name a design"},
      {"name with a comma", Edited("\"name\": \"B\"", "\"name\": \"B,C\""), "holds a character"},
      {"name with a control character", Edited("\"name\": \"B\"", "\"name\": \"B\\t\""),
       "holds a character"},
      {"design not an object", Edited("\"designs\": [", "\"designs\": [7,"),
       "design 1: must be an object"},
      {"current names no design", Edited("\"current\": \"B\"", "\"current\": \"C\""),
       "current names no design: \"C\""},
      {"deep nesting", std::string(100'000, '[') + std::string(100'000, ']'),
       "nested deeper than 32 levels at [0][0]"},
      {"invalid UTF-8 in a string", Edited("MASTER", "MA\xFFSTER"), "not valid JSON at byte"},
      {"invalid UTF-8 outside strings", Edited("{", "\xC3{"), "not valid JSON at byte 1"},
  };
  for (const HostileFile& file : files) {
    const JobFileResult result = ReadJobText(file.text, kJobPath);
    EXPECT_FALSE(result.job) << file.what;
    EXPECT_THAT(result.error, StartsWith("Cannot open " + kJobPath + ": ")) << file.what;
    EXPECT_THAT(result.error, HasSubstr(file.reason)) << file.what;
  }
}

TEST(JobFileRefusalTest, AcceptsWhatNewAccepts) {
  const std::string texts[] = {
      Edited("\"quantity\": 2", "\"quantity\": -2147483648"),
      Edited("\"quantity\": 2", "\"quantity\": 0"),
      Edited("\"innerWidth\": 560.0", "\"innerWidth\": 0"),
      Edited("\"name\": \"A\"", "\"name\": \"Kitchen 2 (left)\""),
      Edited("\"current\": \"B\"", "\"current\": null"),
      Edited("\"White\"", R"({"bytes": "Wei\u00df"})"),
  };
  for (const std::string& text : texts) {
    const JobFileResult result = ReadJobText(text, kJobPath);
    EXPECT_TRUE(result.job) << result.error;
  }
}

// A version 1 file, from before designs kept their predesign, reads with the
// predesign unknown and is written back as the current version; a version 1
// file may not hold the newer field, and a later file names a known predesign.
TEST(JobFileRefusalTest, VersionOneFilesReadWithThePredesignUnknown) {
  Job job = SmallJob();
  job.designs[0].window.preDesign = PreDesign::Prarie;
  const std::string current = FormatJob(job);
  EXPECT_THAT(current, HasSubstr("\"preDesign\": \"Prarie\""));

  std::string old = WithoutDetails(current);
  old.replace(old.find("\"version\": 3"), 12, "\"version\": 1");
  for (std::size_t at; (at = old.find("      \"preDesign\":")) != std::string::npos;) {
    old.erase(at, old.find('\n', at) - at + 1);
  }
  const JobFileResult migrated = ReadJobText(old, kJobPath);
  ASSERT_TRUE(migrated.job) << migrated.error;
  EXPECT_FALSE(migrated.job->designs[0].window.preDesign);
  EXPECT_THAT(FormatJob(*migrated.job), HasSubstr("\"version\": 3"));
  EXPECT_THAT(FormatJob(*migrated.job), HasSubstr("\"preDesign\": null"));

  std::string mixed = WithoutDetails(current);
  mixed.replace(mixed.find("\"version\": 3"), 12, "\"version\": 1");
  EXPECT_THAT(ReadJobText(mixed, kJobPath).error, HasSubstr("unknown field \"preDesign\""));

  std::string unknown = current;
  unknown.replace(unknown.find("\"Prarie\""), 8, "\"Gothic\"");
  EXPECT_THAT(ReadJobText(unknown, kJobPath).error, HasSubstr("preDesign must be one of"));
}

// A shop is told first what the file is, and only then the detail.
TEST(JobFileRefusalTest, SaysWhatKindOfFileWasRefused) {
  const std::string whole = FormatJob(SmallJob());
  const struct {
    const char* what;
    std::string text;
    std::string heading;
  } cases[] = {
      {"a drawing", "%PDF-1.4\n%binary", "it is not a grill job file.\nDetail: not valid JSON"},
      {"an empty file", "", "it is not a grill job file.\nDetail: not valid JSON at byte 1"},
      {"other JSON", R"({"name": "x"})", "it is not a grill job file.\nDetail: \"format\" is not"},
      {"a JSON list", "[1, 2]", "it is not a grill job file.\nDetail: the document is not"},
      {"a job cut off", whole.substr(0, whole.size() / 2),
       "the job file is damaged.\nDetail: not valid JSON at byte"},
      {"a wrong value", Edited("\"quantity\": 2", "\"quantity\": \"two\""),
       "design \"A\": quantity must be"},
  };
  for (const auto& file : cases) {
    const JobFileResult result = ReadJobText(file.text, kJobPath);
    EXPECT_FALSE(result.job) << file.what;
    EXPECT_THAT(result.error, StartsWith("Cannot open " + kJobPath + ": " + file.heading))
        << file.what;
  }
}

TEST(JobFileRefusalTest, NewerVersionIsNamedAsSuch) {
  const JobFileResult result = ReadJobText(
      R"({"format": "varnel-grill-job", "version": 4, "shape": "unknown to us"})", kJobPath);
  EXPECT_FALSE(result.job);
  EXPECT_EQ(result.error, kJobPath + " was written by a newer version of the designer");
}

TEST(JobFileRefusalTest, FilesOverTheLimitAreRefusedUnread) {
  MemoryFiles files;
  // A file of the largest size is parsed (and fails on its first byte); one
  // byte more is refused before parsing.
  std::string text = "x";
  text.resize(static_cast<std::size_t>(kJobFileLimit), ' ');
  files.contents[kJobPath] = text;
  EXPECT_EQ(OpenJob(files, kJobPath).error,
            "Cannot open " + kJobPath +
                ": it is not a grill job file.\nDetail: not valid JSON at byte 1: syntax error "
                "while parsing value - invalid literal");

  files.contents[kJobPath] += ' ';
  const JobFileResult overLimit = OpenJob(files, kJobPath);
  EXPECT_FALSE(overLimit.job);
  EXPECT_EQ(overLimit.error, "Cannot open " + kJobPath + ": the file is larger than 64 MiB");
}

TEST(JobFileRefusalTest, MissingFileIsRefused) {
  MemoryFiles files;
  const JobFileResult result = OpenJob(files, kJobPath);
  EXPECT_FALSE(result.job);
  EXPECT_EQ(result.error, "Cannot open " + kJobPath + ": the file cannot be opened for reading");
}

}  // namespace
}  // namespace grill
