#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/JobFile.h"

namespace grill {

// What one field of the form held, named by a word of its own (not by its
// control), so that a copy outlives a change of the dialog's layout.
struct FieldText {
  std::string field;
  std::string text;

  bool operator==(const FieldText&) const = default;
};

// The working set that a run leaves behind for the next run in the same
// folder: the job, the path of its file, whether it had unsaved changes and
// the texts of the fields that describe a design, typed but not yet made.
struct RecoveryState {
  Job job;
  std::string jobPath;  // empty: the job has no file yet
  bool modified = false;
  std::vector<FieldText> form;
};

// One change of the working set: the recorded designs [from, from + removed)
// gave way to `state.job.designs`; everything else in `state` is the working
// set as it stands.
struct RecoveryChange {
  RecoveryState state;
  std::size_t from = 0;
  std::size_t removed = 0;
};

// A recovery file is the line "varnel-grill-recovery 3" and a journal of
// records, each "change LENGTH CHECKSUM" and LENGTH bytes that hold the path,
// the modified mark, the current design's name, the form's texts, the stretch
// of designs replaced, and a job text with the replacing designs. The first record
// holds the whole working set. A record cut off or damaged ends the journal:
// the ones before it stand.
//
// The whole file for `state`: the header and its one record.
std::string FormatRecovery(RecoveryState state);
// One record to append.
std::string FormatRecoveryChange(RecoveryChange change);
// The working set the file's records make; nullopt for text that holds no
// whole record. Also reads the records of version 2, which kept no form, and
// the single job text that version 1 wrote.
std::optional<RecoveryState> ParseRecovery(std::string_view text);

// FNV-1a over `bytes`: the same in every run and build, unlike std::hash.
std::uint64_t StableHash(std::string_view bytes);
// The 16 hexadecimal digits of `value`.
std::string HexDigits(std::uint64_t value);

}  // namespace grill
