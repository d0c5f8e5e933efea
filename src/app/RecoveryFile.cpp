#include "app/RecoveryFile.h"

#include <charconv>
#include <cstdint>
#include <utility>

#include "model/JobFileReader.h"
#include "model/JobFileWriter.h"
#include "platform/ReplaceFile.h"

namespace grill {
namespace {

constexpr std::string_view kHeader = "varnel-grill-recovery 1\n";
constexpr std::string_view kPathWord = "path ";
constexpr std::string_view kModifiedWord = "modified ";
// A recovery file holds one job; anything larger is no recovery file.
constexpr std::int64_t kRecoveryLimit = kJobFileLimit + 64 * 1024;

// Takes `prefix` off the front of `text`; false when it is not there.
bool Consume(std::string_view& text, std::string_view prefix) {
  if (text.substr(0, prefix.size()) != prefix) {
    return false;
  }
  text.remove_prefix(prefix.size());
  return true;
}

std::optional<std::string> ReadWhole(Files& files, const std::string& path) {
  std::unique_ptr<ReadableFile> file = files.OpenForRead(path);
  if (file == nullptr) {
    return std::nullopt;
  }
  const std::int64_t length = file->Length();
  if (length < 0 || length > kRecoveryLimit) {
    return std::nullopt;
  }
  std::string bytes(static_cast<std::size_t>(length), '\0');
  if (file->Read(bytes.data(), length) != length) {
    return std::nullopt;
  }
  return bytes;
}

}  // namespace

std::string FormatRecovery(const RecoveryState& state) {
  std::string text(kHeader);
  text += kPathWord;
  text += std::to_string(state.jobPath.size());
  text += ' ';
  text += state.jobPath;
  text += '\n';
  text += kModifiedWord;
  text += state.modified ? "1\n" : "0\n";
  text += FormatJob(state.job);
  return text;
}

std::optional<RecoveryState> ParseRecovery(std::string_view text) {
  RecoveryState state;
  if (!Consume(text, kHeader) || !Consume(text, kPathWord)) {
    return std::nullopt;
  }
  std::size_t pathLength = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), pathLength);
  if (error != std::errc() || end == text.data()) {
    return std::nullopt;
  }
  text.remove_prefix(static_cast<std::size_t>(end - text.data()));
  if (!Consume(text, " ") || text.size() < pathLength) {
    return std::nullopt;
  }
  state.jobPath = text.substr(0, pathLength);
  text.remove_prefix(pathLength);
  if (!Consume(text, "\n") || !Consume(text, kModifiedWord)) {
    return std::nullopt;
  }
  if (Consume(text, "1\n")) {
    state.modified = true;
  } else if (!Consume(text, "0\n")) {
    return std::nullopt;
  }
  JobFileResult job = ReadJobText(text, "the recovery file");
  if (!job.job) {
    return std::nullopt;
  }
  state.job = std::move(*job.job);
  return state;
}

std::string RecoveryFileStem(std::string_view workingFolder) {
  // FNV-1a: stable across runs and builds, unlike std::hash.
  std::uint64_t hash = 0xcbf29ce484222325ULL;
  for (const char c : workingFolder) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 0x100000001b3ULL;
  }
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string hex(16, '0');
  for (auto digit = hex.rbegin(); digit != hex.rend(); ++digit, hash >>= 4) {
    *digit = kDigits[hash & 0xF];
  }
  return "recovery-" + hex;
}

RecoveryStore::RecoveryStore(Files& files, FileLocks& locks, std::string stateFolder,
                             std::string workingFolder)
    : files_(files), locks_(locks), folder_(std::move(stateFolder)) {
  path_ = files_.Join(folder_, RecoveryFileStem(workingFolder) + ".recovery");
}

LockStatus RecoveryStore::Claim(std::string& reason) {
  if (!files_.CreateFolders(folder_, reason)) {
    return LockStatus::Failed;
  }
  LockAttempt attempt = locks_.TryLock(path_ + ".lock");
  lock_ = std::move(attempt.lock);
  reason = std::move(attempt.reason);
  return attempt.status;
}

std::optional<RecoveryState> RecoveryStore::Read() {
  if (!Claimed()) {
    return std::nullopt;
  }
  const std::optional<std::string> text = ReadWhole(files_, path_);
  return text ? ParseRecovery(*text) : std::nullopt;
}

std::optional<std::string> RecoveryStore::Write(const RecoveryState& state) {
  if (!Claimed()) {
    return std::nullopt;
  }
  return ReplaceFileUnflushed(files_, path_, FormatRecovery(state));
}

}  // namespace grill
