#include "app/RecoveryFormat.h"

#include <algorithm>
#include <charconv>
#include <iterator>
#include <utility>

#include "model/JobFileReader.h"
#include "model/JobFileWriter.h"

namespace grill {
namespace {

constexpr std::string_view kHeader = "varnel-grill-recovery 3\n";
constexpr std::string_view kFormlessHeader = "varnel-grill-recovery 2\n";
constexpr std::string_view kFirstHeader = "varnel-grill-recovery 1\n";
constexpr std::string_view kChangeWord = "change ";
constexpr std::string_view kPathWord = "path ";
constexpr std::string_view kModifiedWord = "modified ";
constexpr std::string_view kCurrentWord = "current ";
constexpr std::string_view kNoCurrent = "current -\n";
constexpr std::string_view kFormWord = "form ";
constexpr std::string_view kFieldWord = "field ";
constexpr std::string_view kTextWord = "text ";
constexpr std::string_view kDesignsWord = "designs ";
constexpr std::string_view kSource = "the recovery file";

// Takes `prefix` off the front of `text`; false when it is not there.
bool Consume(std::string_view& text, std::string_view prefix) {
  if (text.substr(0, prefix.size()) != prefix) {
    return false;
  }
  text.remove_prefix(prefix.size());
  return true;
}

template <typename Number>
std::optional<Number> ConsumeNumber(std::string_view& text, int base = 10) {
  Number value{};
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
  if (error != std::errc() || end == text.data()) {
    return std::nullopt;
  }
  text.remove_prefix(static_cast<std::size_t>(end - text.data()));
  return value;
}

// "WORD N BYTES\n", where BYTES are N bytes of any kind.
void AppendCounted(std::string& text, std::string_view word, std::string_view bytes) {
  text += word;
  text += std::to_string(bytes.size());
  text += ' ';
  text += bytes;
  text += '\n';
}

std::optional<std::string> ConsumeCounted(std::string_view& text, std::string_view word) {
  if (!Consume(text, word)) {
    return std::nullopt;
  }
  const std::optional<std::size_t> length = ConsumeNumber<std::size_t>(text);
  if (!length || !Consume(text, " ") || text.size() < *length) {
    return std::nullopt;
  }
  std::string bytes(text.substr(0, *length));
  text.remove_prefix(*length);
  if (!Consume(text, "\n")) {
    return std::nullopt;
  }
  return bytes;
}

std::optional<bool> ConsumeModified(std::string_view& text) {
  if (!Consume(text, kModifiedWord)) {
    return std::nullopt;
  }
  if (Consume(text, "1\n")) {
    return true;
  }
  if (Consume(text, "0\n")) {
    return false;
  }
  return std::nullopt;
}

// The job text names no current design: the replacing designs alone need
// not hold it.
std::string FormatBody(RecoveryChange change) {
  RecoveryState& state = change.state;
  std::string body;
  AppendCounted(body, kPathWord, state.jobPath);
  body += kModifiedWord;
  body += state.modified ? "1\n" : "0\n";
  if (state.job.current) {
    AppendCounted(body, kCurrentWord, *state.job.current);
  } else {
    body += kNoCurrent;
  }
  body += kFormWord;
  body += std::to_string(state.form.size()) + '\n';
  for (const FieldText& field : state.form) {
    AppendCounted(body, kFieldWord, field.field);
    AppendCounted(body, kTextWord, field.text);
  }
  body += kDesignsWord;
  body += std::to_string(change.from) + ' ' + std::to_string(change.removed) + '\n';
  state.job.current.reset();
  body += FormatJob(state.job);
  return body;
}

// "form N" and N fields with their texts; a count that the body cannot hold
// is damage.
std::optional<std::vector<FieldText>> ConsumeForm(std::string_view& body) {
  if (!Consume(body, kFormWord)) {
    return std::nullopt;
  }
  const std::optional<std::size_t> count = ConsumeNumber<std::size_t>(body);
  if (!count || !Consume(body, "\n") || *count > body.size()) {
    return std::nullopt;
  }
  std::vector<FieldText> form;
  for (std::size_t i = 0; i < *count; ++i) {
    std::optional<std::string> field = ConsumeCounted(body, kFieldWord);
    std::optional<std::string> text = field ? ConsumeCounted(body, kTextWord) : std::nullopt;
    if (!text) {
      return std::nullopt;
    }
    form.push_back({std::move(*field), std::move(*text)});
  }
  return form;
}

// `withForm`: the record holds the form's texts (version 3 on).
std::optional<RecoveryChange> ParseBody(std::string_view body, bool withForm) {
  RecoveryChange change;
  RecoveryState& state = change.state;
  std::optional<std::string> path = ConsumeCounted(body, kPathWord);
  const std::optional<bool> modified = ConsumeModified(body);
  if (!path || !modified) {
    return std::nullopt;
  }
  std::optional<std::string> current;
  if (!Consume(body, kNoCurrent)) {
    current = ConsumeCounted(body, kCurrentWord);
    if (!current) {
      return std::nullopt;
    }
  }
  std::optional<std::vector<FieldText>> form =
      withForm ? ConsumeForm(body) : std::vector<FieldText>{};
  if (!form || !Consume(body, kDesignsWord)) {
    return std::nullopt;
  }
  const std::optional<std::size_t> from = ConsumeNumber<std::size_t>(body);
  const bool blank = from && Consume(body, " ");
  const std::optional<std::size_t> removed = ConsumeNumber<std::size_t>(body);
  if (!blank || !removed || !Consume(body, "\n")) {
    return std::nullopt;
  }
  JobFileResult job = ReadJobText(body, std::string(kSource));
  if (!job.job) {
    return std::nullopt;
  }
  state.job = std::move(*job.job);
  state.job.current = std::move(current);
  state.jobPath = std::move(*path);
  state.modified = *modified;
  state.form = std::move(*form);
  change.from = *from;
  change.removed = *removed;
  return change;
}

// The body of the record at the front of `text`, which then starts at the
// next one; nullopt when the record is cut off or damaged.
std::optional<std::string_view> ConsumeRecord(std::string_view& text) {
  if (!Consume(text, kChangeWord)) {
    return std::nullopt;
  }
  const std::optional<std::size_t> length = ConsumeNumber<std::size_t>(text);
  if (!length || !Consume(text, " ")) {
    return std::nullopt;
  }
  const std::string_view digits = text.substr(0, 16);
  std::string_view rest = digits;
  const std::optional<std::uint64_t> checksum = ConsumeNumber<std::uint64_t>(rest, 16);
  text.remove_prefix(digits.size());
  if (digits.size() != 16 || !checksum || !rest.empty() || !Consume(text, "\n") ||
      text.size() < *length) {
    return std::nullopt;
  }
  const std::string_view body = text.substr(0, *length);
  text.remove_prefix(*length);
  if (StableHash(body) != *checksum) {
    return std::nullopt;
  }
  return body;
}

// Plays `change` on `state`; false when its stretch lies outside the designs.
// Designs that take the place of as many are assigned where they stand, so a
// journal of edits plays in time that follows the edits, not the job.
bool Apply(RecoveryState& state, RecoveryChange change) {
  std::vector<JobDesign>& designs = state.job.designs;
  if (change.from > designs.size() || change.removed > designs.size() - change.from) {
    return false;
  }
  std::vector<JobDesign>& added = change.state.job.designs;
  const std::size_t kept = std::min(change.removed, added.size());
  const auto at = designs.begin() + static_cast<std::ptrdiff_t>(change.from);
  std::move(added.begin(), added.begin() + static_cast<std::ptrdiff_t>(kept), at);
  const auto rest = at + static_cast<std::ptrdiff_t>(kept);
  if (change.removed > kept) {
    designs.erase(rest, rest + static_cast<std::ptrdiff_t>(change.removed - kept));
  } else {
    designs.insert(rest, std::make_move_iterator(added.begin() + static_cast<std::ptrdiff_t>(kept)),
                   std::make_move_iterator(added.end()));
  }
  added.clear();
  Job& job = state.job;
  Job& now = change.state.job;
  job.unit = now.unit;
  job.spacing = now.spacing;
  job.masterFile = std::move(now.masterFile);
  job.current = std::move(now.current);
  // The details, whole in every record as the other job settings are.
  job.details = std::move(now.details);
  state.jobPath = std::move(change.state.jobPath);
  state.modified = change.state.modified;
  state.form = std::move(change.state.form);
  return true;
}

// Version 1: the path, the modified mark and one job text to the end.
std::optional<RecoveryState> ParseFirstVersion(std::string_view text) {
  RecoveryState state;
  std::optional<std::string> path = ConsumeCounted(text, kPathWord);
  const std::optional<bool> modified = ConsumeModified(text);
  if (!path || !modified) {
    return std::nullopt;
  }
  JobFileResult job = ReadJobText(text, std::string(kSource));
  if (!job.job) {
    return std::nullopt;
  }
  state.job = std::move(*job.job);
  state.jobPath = std::move(*path);
  state.modified = *modified;
  return state;
}

}  // namespace

std::uint64_t StableHash(std::string_view bytes) {
  std::uint64_t hash = 0xcbf29ce484222325ULL;
  for (const char c : bytes) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 0x100000001b3ULL;
  }
  return hash;
}

std::string HexDigits(std::uint64_t value) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string hex(16, '0');
  for (auto digit = hex.rbegin(); digit != hex.rend(); ++digit, value >>= 4) {
    *digit = kDigits[value & 0xF];
  }
  return hex;
}

std::string FormatRecoveryChange(RecoveryChange change) {
  const std::string body = FormatBody(std::move(change));
  std::string record(kChangeWord);
  record += std::to_string(body.size());
  record += ' ';
  record += HexDigits(StableHash(body));
  record += '\n';
  record += body;
  return record;
}

std::string FormatRecovery(RecoveryState state) {
  std::string text(kHeader);
  text += FormatRecoveryChange({std::move(state), 0, 0});
  return text;
}

std::optional<RecoveryState> ParseRecovery(std::string_view text) {
  if (Consume(text, kFirstHeader)) {
    return ParseFirstVersion(text);
  }
  const bool withForm = Consume(text, kHeader);
  if (!withForm && !Consume(text, kFormlessHeader)) {
    return std::nullopt;
  }
  std::optional<RecoveryState> state;
  while (!text.empty()) {
    const std::optional<std::string_view> body = ConsumeRecord(text);
    std::optional<RecoveryChange> change = body ? ParseBody(*body, withForm) : std::nullopt;
    if (!change) {
      break;
    }
    if (!state) {
      if (change->from != 0 || change->removed != 0) {
        break;
      }
      state = std::move(change->state);
    } else if (!Apply(*state, std::move(*change))) {
      break;
    }
  }
  return state;
}

}  // namespace grill
