#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Clock.h"

namespace grill {

class ReadableFile {
 public:
  virtual ~ReadableFile() = default;
  // Length of the file in bytes, -1 when it cannot be told.
  virtual std::int64_t Length() = 0;
  // Reads up to `size` bytes; returns the number read (0 at the end or on error).
  virtual std::int64_t Read(char* buffer, std::int64_t size) = 0;
};

class WritableFile {
 public:
  virtual ~WritableFile() = default;
  // Each returns false on failure; Error() then tells the system's reason.
  virtual bool Write(std::string_view bytes) = 0;
  // Makes what was written so far survive a power cut (fsync), so that a
  // rename that follows never publishes a file whose bytes are still in flight.
  virtual bool Flush() = 0;
  virtual bool Close() = 0;
  virtual std::string Error() const = 0;
  virtual const std::string& Path() const = 0;
};

// File access of the designer. Paths are bytes as the platform writes them.
class Files {
 public:
  virtual ~Files() = default;
  // Opens a regular file; anything else (a folder, a pipe, a device) gives null, at once:
  // opening never waits for a writer at the other end of a pipe.
  virtual std::unique_ptr<ReadableFile> OpenForRead(const std::string& path) = 0;
  // Creates the file or empties an existing one. On failure returns null and
  // sets `error` to the system's reason.
  virtual std::unique_ptr<WritableFile> CreateForWrite(const std::string& path,
                                                       std::string& error) = 0;
  // Opens the file for writing at its end, creating it when missing, never
  // truncating it.
  virtual std::unique_ptr<WritableFile> OpenForAppend(const std::string& path,
                                                      std::string& error) = 0;
  // Creates the folder and its parents; false when it could not be made,
  // with `error` set to the system's reason.
  virtual bool CreateFolders(const std::string& path, std::string& error) = 0;
  // Moves the file `from` to `to` in one step, replacing a file at `to`; both
  // in the same folder. On failure leaves both paths as they were and sets
  // `error` to the system's reason. Stand-ins that only read need not
  // provide it: the default refuses.
  virtual bool Rename(const std::string& /*from*/, const std::string& /*to*/, std::string& error) {
    error = "Operation not supported";
    return false;
  }
  // Deletes the file; false when it could not be deleted (the default).
  virtual bool RemoveFile(const std::string& /*path*/) { return false; }
  // Creates a new, empty file in `folder` ("" for the working folder) under a name that no
  // other file there has, never through a link; its Path() tells the name. Files written
  // there first and renamed into place afterwards are all or nothing. On failure returns
  // null and sets `error` to the system's reason (the default refuses).
  virtual std::unique_ptr<WritableFile> CreateTemporary(const std::string& /*folder*/,
                                                        std::string& error) {
    error = "Operation not supported";
    return nullptr;
  }
  // True when anything, a link among them, is at `path` (the default: nothing is).
  virtual bool Exists(const std::string& /*path*/) const { return false; }
  // True when `path` is a folder itself; a link to a folder is not one (the default: none is).
  virtual bool IsFolder(const std::string& /*path*/) const { return false; }
  // The names of the regular files in `folder`, leaving out links and anything else; nullopt
  // when the folder cannot be read (the default).
  virtual std::optional<std::vector<std::string>> RegularFilesIn(const std::string& /*folder*/) {
    return std::nullopt;
  }
  // When the file at `path` (a link itself, not what it points to) was last written, in local
  // time; nullopt when that cannot be told (the default).
  virtual std::optional<LocalTime> ModifiedTime(const std::string& /*path*/) const {
    return std::nullopt;
  }
  // `folder` joined with `name` by the platform's separator.
  virtual std::string Join(const std::string& folder, const std::string& name) const = 0;
};

// Files on the machine's file system.
class StdFiles final : public Files {
 public:
  std::unique_ptr<ReadableFile> OpenForRead(const std::string& path) override;
  std::unique_ptr<WritableFile> CreateForWrite(const std::string& path,
                                               std::string& error) override;
  std::unique_ptr<WritableFile> OpenForAppend(const std::string& path, std::string& error) override;
  bool CreateFolders(const std::string& path, std::string& error) override;
  bool Rename(const std::string& from, const std::string& to, std::string& error) override;
  bool RemoveFile(const std::string& path) override;
  std::unique_ptr<WritableFile> CreateTemporary(const std::string& folder,
                                                std::string& error) override;
  bool Exists(const std::string& path) const override;
  bool IsFolder(const std::string& path) const override;
  std::optional<std::vector<std::string>> RegularFilesIn(const std::string& folder) override;
  std::optional<LocalTime> ModifiedTime(const std::string& path) const override;
  std::string Join(const std::string& folder, const std::string& name) const override;

  // Where cut files go: "C:\export\grills" on Windows, otherwise
  // export/grills in the user's home folder.
  static std::string DefaultExportFolder();
};

}  // namespace grill
