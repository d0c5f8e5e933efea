#pragma once

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/Files.h"

namespace grill {

// Files held in memory, with '/' between folder and name, and faults to
// inject: a test names the Nth file creation, append-open, write, flush,
// close or rename that is to fail. Writes land at once, so what was written before a fault
// stays. The handles it returns must not outlive it.
class MemoryFiles final : public Files {
 public:
  std::unique_ptr<ReadableFile> OpenForRead(const std::string& path) override;
  std::unique_ptr<WritableFile> CreateForWrite(const std::string& path,
                                               std::string& error) override;
  std::unique_ptr<WritableFile> OpenForAppend(const std::string& path, std::string& error) override;
  bool CreateFolders(const std::string& path, std::string& error) override;
  bool Rename(const std::string& from, const std::string& to, std::string& error) override;
  bool RemoveFile(const std::string& path) override;
  std::string Join(const std::string& folder, const std::string& name) const override;

  // Named ".tmp-N" in their folder, N counting up; a creation like any other, so that
  // failCreateAt counts it.
  std::unique_ptr<WritableFile> CreateTemporary(const std::string& folder,
                                                std::string& error) override;
  bool Exists(const std::string& path) const override {
    return contents.count(path) != 0 || links.count(path) != 0 || folders.count(path) != 0 ||
           nonRegular.count(path) != 0;
  }
  bool IsFolder(const std::string& path) const override {
    return folders.count(path) != 0 && links.count(path) == 0;
  }
  std::optional<std::vector<std::string>> RegularFilesIn(const std::string& folder) override;
  // The time set in `modified`, or nullopt.
  std::optional<LocalTime> ModifiedTime(const std::string& path) const override;
  // The bytes of a file, empty when there is none.
  std::string Content(const std::string& path) const;
  // Writable handles opened and not yet closed.
  int OpenCount() const { return openCount_; }

  // The bytes of every file by path, and the folders made so far. A file can
  // be made only in a folder that exists (or at a path without a folder).
  std::map<std::string, std::string> contents;
  std::set<std::string> folders;
  // Paths where a symbolic link was planted: opening one for writing fails
  // as the std implementation does, without following the link.
  std::set<std::string> links;
  // Paths that hold something other than a regular file (a FIFO, a device):
  // reading refuses them at once, as the std implementation does, and so
  // does opening one for writing, where the system would wait for a reader.
  // A rename over one puts a regular file there.
  std::set<std::string> nonRegular;
  // When each file was last written, by path, for those a test gives a time.
  std::map<std::string, LocalTime> modified;

  // Faults: the 1-based number of the call that is to fail, 0 for none.
  // Creations and append-opens are counted apart; writes and closes are
  // counted over all files.
  int failCreateAt = 0;
  int failAppendAt = 0;
  int failWriteAt = 0;
  int failFlushAt = 0;
  int failCloseAt = 0;
  int failRenameAt = 0;
  bool failCreateFolders = false;
  std::string failureReason = "No space left on device";

  // Every open, write, flush, close, rename and removal in the order they
  // happened.
  struct Event {
    enum class Kind { kCreate, kAppend, kWrite, kFlush, kClose, kRename, kRemove };
    Kind kind;
    std::string path;
    std::string bytes;  // what a write wrote; where a rename moved the file
  };
  std::vector<Event> events;
  // False keeps the events of writes without their bytes.
  bool recordWrittenBytes = true;

 private:
  class Handle;
  std::unique_ptr<WritableFile> Open(const std::string& path, bool truncate, std::string& error);
  bool FolderExists(const std::string& path) const;

  int creates_ = 0;
  int appends_ = 0;
  int writes_ = 0;
  int flushes_ = 0;
  int closes_ = 0;
  int renames_ = 0;
  int temporaries_ = 0;
  int openCount_ = 0;
};

}  // namespace grill
