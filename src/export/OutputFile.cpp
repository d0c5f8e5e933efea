#include "export/OutputFile.h"

namespace grill {
namespace {

// Text is collected and written in whole multiples of this size, so that a
// run costs few system calls however many lines it writes. Whole chunks
// also keep the writes to a file created for the run at offsets that are
// multiples of the chunk: the system then caches the file in large pieces,
// which costs it far less than many small, unaligned ones.
constexpr size_t kWriteChunk = 256 * 1024;

}  // namespace

std::string FileErrorMessage(std::string_view path, std::string_view reason) {
  std::string message = "File Error: ";
  message += path;
  message += ": ";
  message += reason;
  return message;
}

OutputFile::OutputFile(std::unique_ptr<WritableFile> file) : file_(std::move(file)) {}

OutputFile::~OutputFile() {
  Close();
}

bool OutputFile::Append(std::string_view bytes) {
  if (failed_ || closed_) {
    return false;
  }
  pending_ += bytes;
  if (pending_.size() < kWriteChunk) {
    return true;
  }
  // Whole chunks only; the rest waits for more text or the close.
  const size_t whole = pending_.size() - pending_.size() % kWriteChunk;
  WriteNow(std::string_view(pending_).substr(0, whole));
  pending_.erase(0, whole);
  return !failed_;
}

bool OutputFile::WriteNow(std::string_view bytes) {
  if (!file_->Write(bytes)) {
    Fail();
  }
  return !failed_;
}

bool OutputFile::Flush() {
  if (!failed_ && !pending_.empty()) {
    WriteNow(pending_);
  }
  pending_.clear();
  return !failed_;
}

bool OutputFile::Close() {
  if (closed_) {
    return !failed_;
  }
  Flush();
  closed_ = true;
  if (!file_->Close() && !failed_) {
    Fail();
  }
  return !failed_;
}

void OutputFile::Fail() {
  failed_ = true;
  error_ = FileErrorMessage(file_->Path(), file_->Error());
}

}  // namespace grill
