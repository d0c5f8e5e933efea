#include "export/OutputFile.h"

namespace grill {
namespace {

// Text is collected up to this size before it is written, so that a run
// costs few system calls however many lines it writes; text at least this
// long is written at once rather than copied.
constexpr size_t kWriteChunk = 64 * 1024;

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
  if (bytes.size() >= kWriteChunk) {
    return Flush() && WriteNow(bytes);
  }
  pending_ += bytes;
  return pending_.size() < kWriteChunk || Flush();
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
