#include "platform/ReplaceFile.h"

#include <filesystem>
#include <memory>

namespace grill {

namespace {

std::optional<std::string> Replace(Files& files, const std::string& path, std::string_view bytes,
                                   bool flush) {
  // A name of its own, so that two saves of one file at once never write into one
  // temporary, and in the same folder, so that the rename stays on one file system.
  std::string error;
  std::unique_ptr<WritableFile> file =
      files.CreateTemporary(std::filesystem::path(path).parent_path().string(), error);
  if (file == nullptr) {
    return error;
  }
  const std::string temporary = file->Path();
  const bool written = file->Write(bytes) && (!flush || file->Flush());
  // Closed even after a failed write, and its failure counts: some file
  // systems report a lost write only when the file is closed.
  const bool closed = file->Close();
  if (!written || !closed) {
    error = file->Error();
    file.reset();
    files.RemoveFile(temporary);
    return error;
  }
  if (!files.Rename(temporary, path, error)) {
    files.RemoveFile(temporary);
    return error;
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> ReplaceFile(Files& files, const std::string& path,
                                       std::string_view bytes) {
  return Replace(files, path, bytes, true);
}

std::optional<std::string> ReplaceFileUnflushed(Files& files, const std::string& path,
                                                std::string_view bytes) {
  return Replace(files, path, bytes, false);
}

}  // namespace grill
