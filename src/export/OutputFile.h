#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/Files.h"

namespace grill {

// A file the export writes: collects lines and hands them to the file in
// large writes of whole chunks, checks every write and the close, and
// remembers the first failure. Once a write has failed nothing more is
// written.
class OutputFile {
 public:
  explicit OutputFile(std::unique_ptr<WritableFile> file);
  // A file left open is closed; a failure then goes unreported, so every
  // regular way out calls Close itself.
  ~OutputFile();
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;

  // False once the file has failed.
  bool Append(std::string_view bytes);
  // Writes what is pending and closes the file; false when that or an
  // earlier write failed. Closing twice does nothing more.
  bool Close();

  bool Failed() const { return failed_; }
  // "File Error: " + path + ": " + the system's reason for the first failure.
  const std::string& FileError() const { return error_; }

 private:
  bool Flush();
  bool WriteNow(std::string_view bytes);
  void Fail();

  std::unique_ptr<WritableFile> file_;
  std::string pending_;
  bool failed_ = false;
  bool closed_ = false;
  std::string error_;
};

// The report of a file that could not be created or opened.
std::string FileErrorMessage(std::string_view path, std::string_view reason);

}  // namespace grill
