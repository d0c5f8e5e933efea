#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Clock.h"
#include "platform/Files.h"

namespace grill {

// The file in a job's folder that says when its files went to the saw and which files
// they are, so that the next run replaces exactly that set. Hidden, so that the saw's
// software and the shop see only the cut files.
inline constexpr std::string_view kRunRecordName = ".sent-to-saw";

// Why `name` cannot name a job's folder inside the export folder, or nullopt when it
// can: a blank name, a path separator, "..", or a control character would put the
// files somewhere else or under a name no one can type.
std::optional<std::string> JobFolderNameRefusal(std::string_view name);

// "YYYY-MM-DD", as the drawings date their pages.
std::string FormatDate(const LocalTime& time);

// The files an earlier run left in a job's folder and the day it was sent.
struct EarlierRun {
  std::string date;
  std::vector<std::string> files;
};

// The run record's text: the day the files were sent and their names, one a line.
std::string RunRecordText(std::string_view date, const std::vector<std::string>& files);
// The record `text` holds, or nullopt when it is not one (damaged, or written by hand):
// every name must be a plain file name of the folder, the record's own excepted.
std::optional<EarlierRun> ParseRunRecord(std::string_view text);

// The earlier run in `folder`: the one its run record names, the files that are still
// there; without a readable record, the folder's cut files (".csv") dated by the newest
// of them. Nullopt when the folder holds neither. Links and other non-files are never
// taken for a run's files.
std::optional<EarlierRun> FindEarlierRun(Files& files, const std::string& folder);

}  // namespace grill
