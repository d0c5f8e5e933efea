#include "testing/MemoryFiles.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace grill {
namespace {

class MemoryReadable final : public ReadableFile {
 public:
  explicit MemoryReadable(std::string bytes) : bytes_(std::move(bytes)) {}
  std::int64_t Length() override { return static_cast<std::int64_t>(bytes_.size()); }
  std::int64_t Read(char* buffer, std::int64_t size) override {
    const size_t count = std::min(static_cast<size_t>(size), bytes_.size() - offset_);
    std::memcpy(buffer, bytes_.data() + offset_, count);
    offset_ += count;
    return static_cast<std::int64_t>(count);
  }

 private:
  std::string bytes_;
  size_t offset_ = 0;
};

std::string ParentOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

}  // namespace

class MemoryFiles::Handle final : public WritableFile {
 public:
  Handle(MemoryFiles& owner, std::string path) : owner_(owner), path_(std::move(path)) {
    ++owner_.openCount_;
  }
  ~Handle() override {
    if (open_) {
      --owner_.openCount_;
    }
  }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;

  bool Write(std::string_view bytes) override {
    if (!open_) {
      error_ = "Bad file descriptor";
      return false;
    }
    if (++owner_.writes_ == owner_.failWriteAt) {
      error_ = owner_.failureReason;
      return false;
    }
    owner_.contents[path_] += bytes;
    owner_.events.push_back({Event::Kind::kWrite, path_,
                             owner_.recordWrittenBytes ? std::string(bytes) : std::string()});
    return true;
  }

  bool Flush() override {
    if (!open_) {
      error_ = "Bad file descriptor";
      return false;
    }
    owner_.events.push_back({Event::Kind::kFlush, path_, {}});
    if (++owner_.flushes_ == owner_.failFlushAt) {
      error_ = owner_.failureReason;
      return false;
    }
    return true;
  }

  bool Close() override {
    if (!open_) {
      return true;
    }
    open_ = false;
    --owner_.openCount_;
    owner_.events.push_back({Event::Kind::kClose, path_, {}});
    if (++owner_.closes_ == owner_.failCloseAt) {
      error_ = owner_.failureReason;
      return false;
    }
    return true;
  }

  std::string Error() const override { return error_; }
  const std::string& Path() const override { return path_; }

 private:
  MemoryFiles& owner_;
  std::string path_;
  std::string error_;
  bool open_ = true;
};

std::unique_ptr<ReadableFile> MemoryFiles::OpenForRead(const std::string& path) {
  if (nonRegular.count(path) != 0) {
    return nullptr;
  }
  const auto found = contents.find(path);
  if (found == contents.end()) {
    return nullptr;
  }
  return std::make_unique<MemoryReadable>(found->second);
}

std::unique_ptr<WritableFile> MemoryFiles::CreateForWrite(const std::string& path,
                                                          std::string& error) {
  if (++creates_ == failCreateAt) {
    error = failureReason;
    return nullptr;
  }
  return Open(path, true, error);
}

std::unique_ptr<WritableFile> MemoryFiles::OpenForAppend(const std::string& path,
                                                         std::string& error) {
  if (++appends_ == failAppendAt) {
    error = failureReason;
    return nullptr;
  }
  return Open(path, false, error);
}

std::unique_ptr<WritableFile> MemoryFiles::CreateTemporary(const std::string& folder,
                                                           std::string& error) {
  std::string path;
  do {
    path = Join(folder, ".tmp-" + std::to_string(++temporaries_));
  } while (Exists(path));
  return CreateForWrite(path, error);
}

std::unique_ptr<WritableFile> MemoryFiles::Open(const std::string& path, bool truncate,
                                                std::string& error) {
  if (!FolderExists(ParentOf(path))) {
    error = "No such file or directory";
    return nullptr;
  }
  if (links.count(path) != 0) {
    error = "Too many levels of symbolic links";
    return nullptr;
  }
  if (nonRegular.count(path) != 0) {
    error = "No such device or address";
    return nullptr;
  }
  std::string& bytes = contents[path];
  if (truncate) {
    bytes.clear();
  }
  events.push_back({truncate ? Event::Kind::kCreate : Event::Kind::kAppend, path, {}});
  return std::make_unique<Handle>(*this, path);
}

bool MemoryFiles::FolderExists(const std::string& path) const {
  return path.empty() || folders.count(path) != 0;
}

bool MemoryFiles::CreateFolders(const std::string& path, std::string& error) {
  if (failCreateFolders) {
    error = failureReason;
    return false;
  }
  for (std::string folder = path; !folder.empty(); folder = ParentOf(folder)) {
    folders.insert(folder);
  }
  return true;
}

bool MemoryFiles::Rename(const std::string& from, const std::string& to, std::string& error) {
  const auto found = contents.find(from);
  const bool isLink = links.count(from) != 0;
  if (found == contents.end() && !isLink) {
    error = "No such file or directory";
    return false;
  }
  if (++renames_ == failRenameAt) {
    error = failureReason;
    return false;
  }
  // Whatever was at `to`, a link among them, is replaced, never followed.
  links.erase(to);
  nonRegular.erase(to);
  contents.erase(to);
  if (isLink) {
    links.erase(from);
    links.insert(to);
  } else {
    std::string bytes = std::move(found->second);
    contents.erase(from);
    contents[to] = std::move(bytes);
  }
  events.push_back({Event::Kind::kRename, from, to});
  return true;
}

bool MemoryFiles::RemoveFile(const std::string& path) {
  if (contents.erase(path) == 0) {
    return false;
  }
  events.push_back({Event::Kind::kRemove, path, {}});
  return true;
}

std::string MemoryFiles::Join(const std::string& folder, const std::string& name) const {
  if (folder.empty()) {
    return name;
  }
  return folder.back() == '/' ? folder + name : folder + "/" + name;
}

std::optional<std::vector<std::string>> MemoryFiles::RegularFilesIn(const std::string& folder) {
  if (!IsFolder(folder)) {
    return std::nullopt;
  }
  std::vector<std::string> names;
  for (const auto& [path, bytes] : contents) {
    if (ParentOf(path) == folder && nonRegular.count(path) == 0) {
      names.push_back(path.substr(folder.size() + 1));
    }
  }
  return names;
}

std::optional<LocalTime> MemoryFiles::ModifiedTime(const std::string& path) const {
  const auto found = modified.find(path);
  return found == modified.end() ? std::nullopt : std::optional(found->second);
}

std::string MemoryFiles::Content(const std::string& path) const {
  const auto found = contents.find(path);
  return found == contents.end() ? std::string() : found->second;
}

}  // namespace grill
