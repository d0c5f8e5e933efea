#include "export/JobFolder.h"

#include <algorithm>
#include <cstdio>
#include <tuple>
#include <unordered_set>

namespace grill {
namespace {

constexpr std::string_view kRecordHeader = "Varnel Grill Designer run";
constexpr std::string_view kSentPrefix = "sent ";
constexpr std::string_view kFilePrefix = "file ";
// A record of any run this designer makes is far smaller; a larger file is not read.
constexpr std::int64_t kMaxRecordBytes = 1 << 20;

bool IsControl(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte < 0x20 || byte == 0x7f;
}

// A name of the folder's own files: no way into another folder, and not the record.
bool IsPlainFileName(std::string_view name) {
  return !name.empty() && name != "." && name != ".." && name != kRunRecordName &&
         name.find_first_of("/\\") == std::string_view::npos &&
         std::none_of(name.begin(), name.end(), IsControl);
}

bool IsDate(std::string_view text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') {
    return false;
  }
  for (size_t i : {0, 1, 2, 3, 5, 6, 8, 9}) {
    if (text[i] < '0' || text[i] > '9') {
      return false;
    }
  }
  return true;
}

// The lines of `text`, each without its end.
std::vector<std::string_view> Lines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const size_t end = text.find('\n');
    lines.push_back(text.substr(0, end));
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
  }
  return lines;
}

std::optional<std::string> ReadSmallFile(Files& files, const std::string& path) {
  std::unique_ptr<ReadableFile> file = files.OpenForRead(path);
  if (!file) {
    return std::nullopt;
  }
  const std::int64_t length = file->Length();
  if (length < 0 || length > kMaxRecordBytes) {
    return std::nullopt;
  }
  std::string bytes(static_cast<size_t>(length), '\0');
  if (file->Read(bytes.data(), length) != length) {
    return std::nullopt;
  }
  return bytes;
}

bool Newer(const LocalTime& a, const LocalTime& b) {
  return std::tie(a.year, a.month, a.day, a.hour, a.minute, a.second) >
         std::tie(b.year, b.month, b.day, b.hour, b.minute, b.second);
}

// The folder's cut files, dated by the newest of them.
std::optional<EarlierRun> CutFilesIn(Files& files, const std::string& folder,
                                     const std::vector<std::string>& names) {
  EarlierRun run;
  std::optional<LocalTime> newest;
  for (const std::string& name : names) {
    if (!name.ends_with(".csv") || !IsPlainFileName(name)) {
      continue;
    }
    run.files.push_back(name);
    const std::optional<LocalTime> time = files.ModifiedTime(files.Join(folder, name));
    if (time && (!newest || Newer(*time, *newest))) {
      newest = time;
    }
  }
  if (run.files.empty()) {
    return std::nullopt;
  }
  run.date = newest ? FormatDate(*newest) : "an unknown day";
  return run;
}

}  // namespace

std::optional<std::string> JobFolderNameRefusal(std::string_view name) {
  const std::string shown(name);
  if (name.find_first_not_of(' ') == std::string_view::npos) {
    return "Invalid Job Folder Name: the name is blank";
  }
  if (std::any_of(name.begin(), name.end(), IsControl)) {
    return "Invalid Job Folder Name: the name holds a control character";
  }
  if (name.find_first_of("/\\") != std::string_view::npos) {
    return "Invalid Job Folder Name: \"" + shown + "\" holds a path separator";
  }
  if (name == "." || name.find("..") != std::string_view::npos) {
    return "Invalid Job Folder Name: \"" + shown + "\" would lead out of the export folder";
  }
  return std::nullopt;
}

std::string FormatDate(const LocalTime& time) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", time.year, time.month + 1, time.day);
  return text;
}

std::string RunRecordText(std::string_view date, const std::vector<std::string>& files) {
  std::string text(kRecordHeader);
  text += '\n';
  text += kSentPrefix;
  text += date;
  text += '\n';
  for (const std::string& name : files) {
    text += kFilePrefix;
    text += name;
    text += '\n';
  }
  return text;
}

std::optional<EarlierRun> ParseRunRecord(std::string_view text) {
  const std::vector<std::string_view> lines = Lines(text);
  if (lines.size() < 2 || lines[0] != kRecordHeader || !lines[1].starts_with(kSentPrefix)) {
    return std::nullopt;
  }
  EarlierRun run;
  run.date = std::string(lines[1].substr(kSentPrefix.size()));
  if (!IsDate(run.date)) {
    return std::nullopt;
  }
  for (size_t i = 2; i < lines.size(); ++i) {
    const std::string_view name = lines[i].substr(std::min(kFilePrefix.size(), lines[i].size()));
    if (!lines[i].starts_with(kFilePrefix) || !IsPlainFileName(name)) {
      return std::nullopt;
    }
    run.files.emplace_back(name);
  }
  return run;
}

std::optional<EarlierRun> FindEarlierRun(Files& files, const std::string& folder) {
  const std::optional<std::vector<std::string>> names = files.RegularFilesIn(folder);
  if (!names) {
    return std::nullopt;
  }
  const std::string recordName(kRunRecordName);
  const bool hasRecord = std::find(names->begin(), names->end(), recordName) != names->end();
  std::optional<std::string> text;
  if (hasRecord) {
    text = ReadSmallFile(files, files.Join(folder, recordName));
  }
  std::optional<EarlierRun> recorded = text ? ParseRunRecord(*text) : std::nullopt;
  if (!recorded) {
    return CutFilesIn(files, folder, *names);
  }
  // A file removed by hand since is no longer part of the run.
  const std::unordered_set<std::string> present(names->begin(), names->end());
  std::erase_if(recorded->files, [&](const std::string& name) { return !present.contains(name); });
  return recorded;
}

}  // namespace grill
