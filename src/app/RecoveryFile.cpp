#include "app/RecoveryFile.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "platform/ReplaceFile.h"

namespace grill {
namespace {

// The whole state and a journal that may grow as large again, with room for
// the last record.
constexpr std::int64_t kRecoveryLimit = 2 * kJobFileLimit + 2 * RecoveryStore::kJournalFloor;

std::optional<std::string> ReadWhole(Files& files, const std::string& path) {
  // A path that holds no regular file (a FIFO, a device) is refused here
  // without waiting; the first whole write then replaces it.
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

std::string RecoveryFileStem(std::string_view workingFolder) {
  return "recovery-" + HexDigits(StableHash(workingFolder));
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

std::optional<std::string> RecoveryStore::Write(RecoveryState state) {
  if (!Claimed()) {
    return std::nullopt;
  }
  const std::string text = FormatRecovery(std::move(state));
  std::optional<std::string> error = ReplaceFileUnflushed(files_, path_, text);
  appendable_ = !error;
  wholeBytes_ = static_cast<std::int64_t>(text.size());
  journalBytes_ = 0;
  return error;
}

std::optional<std::string> RecoveryStore::Record(RecoveryChange change,
                                                 const std::function<RecoveryState()>& whole) {
  if (!Claimed()) {
    return std::nullopt;
  }
  if (appendable_) {
    const std::string record = FormatRecoveryChange(std::move(change));
    const auto size = static_cast<std::int64_t>(record.size());
    if (journalBytes_ + size <= std::max(wholeBytes_, kJournalFloor)) {
      return Append(record);
    }
  }
  return Write(whole());
}

std::optional<std::string> RecoveryStore::Append(const std::string& record) {
  std::string error;
  std::unique_ptr<WritableFile> file = files_.OpenForAppend(path_, error);
  const bool written = file != nullptr && file->Write(record);
  // A close that fails may have lost the write: counted as failed too.
  const bool closed = file != nullptr && file->Close();
  if (!written || !closed) {
    // Part of the record may have landed: only a whole write sets it right.
    appendable_ = false;
    return file != nullptr ? file->Error() : error;
  }
  journalBytes_ += static_cast<std::int64_t>(record.size());
  return std::nullopt;
}

}  // namespace grill
