#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <random>
#include <system_error>

#include "platform/Files.h"

namespace grill {
namespace {

std::string Reason(int errorNumber) {
  return std::strerror(errorNumber);
}

class PosixReadable final : public ReadableFile {
 public:
  explicit PosixReadable(int fd) : fd_(fd) {}
  ~PosixReadable() override { ::close(fd_); }
  PosixReadable(const PosixReadable&) = delete;
  PosixReadable& operator=(const PosixReadable&) = delete;

  std::int64_t Length() override {
    struct stat info {};
    if (::fstat(fd_, &info) != 0) {
      return -1;
    }
    return static_cast<std::int64_t>(info.st_size);
  }

  std::int64_t Read(char* buffer, std::int64_t size) override {
    std::int64_t total = 0;
    while (total < size) {
      const ssize_t got = ::read(fd_, buffer + total, static_cast<size_t>(size - total));
      if (got < 0 && errno == EINTR) {
        continue;
      }
      if (got <= 0) {
        break;
      }
      total += got;
    }
    return total;
  }

 private:
  int fd_;
};

class PosixWritable final : public WritableFile {
 public:
  PosixWritable(int fd, std::string path) : fd_(fd), path_(std::move(path)) {}
  ~PosixWritable() override {
    if (fd_ >= 0) {
      ::close(fd_);
    }
  }
  PosixWritable(const PosixWritable&) = delete;
  PosixWritable& operator=(const PosixWritable&) = delete;

  bool Write(std::string_view bytes) override {
    if (fd_ < 0) {
      error_ = Reason(EBADF);
      return false;
    }
    const char* data = bytes.data();
    size_t left = bytes.size();
    while (left > 0) {
      const ssize_t written = ::write(fd_, data, left);
      if (written < 0 && errno == EINTR) {
        continue;
      }
      if (written <= 0) {
        error_ = Reason(written < 0 ? errno : ENOSPC);
        return false;
      }
      data += written;
      left -= static_cast<size_t>(written);
    }
    return true;
  }

  bool Flush() override {
    if (fd_ < 0) {
      error_ = Reason(EBADF);
      return false;
    }
    if (::fsync(fd_) != 0) {
      error_ = Reason(errno);
      return false;
    }
    return true;
  }

  bool Close() override {
    if (fd_ < 0) {
      return true;
    }
    const int result = ::close(fd_);
    fd_ = -1;
    if (result != 0) {
      error_ = Reason(errno);
      return false;
    }
    return true;
  }

  std::string Error() const override { return error_; }
  const std::string& Path() const override { return path_; }

 private:
  int fd_;
  std::string path_;
  std::string error_;
};

// A link planted under the name of a file to write is not followed: nothing
// is written through it, and the open fails with the system's reason.
// Nor is a pipe or a device waited on: opening one without a reader fails at once, and
// anything but a regular file is refused.
std::unique_ptr<WritableFile> OpenWritable(const std::string& path, int flags, std::string& error) {
  const int fd =
      ::open(path.c_str(), flags | O_WRONLY | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0666);
  if (fd < 0) {
    error = Reason(errno);
    return nullptr;
  }
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    error = Reason(ENXIO);
    return nullptr;
  }
  return std::make_unique<PosixWritable>(fd, path);
}

// Makes a rename in the folder of `path` survive a power cut. Only a best
// effort: the rename has happened already, and the new file is complete
// either way, so a failure here is no reason to report the save as failed.
void SyncFolderOf(const std::string& path) {
  const std::filesystem::path parent = std::filesystem::path(path).parent_path();
  const std::string folder = parent.empty() ? std::string(".") : parent.string();
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd >= 0) {
    ::fsync(fd);
    ::close(fd);
  }
}

// A hidden name that says what it is, with twelve random letters and digits.
std::string TemporaryName() {
  static constexpr char kAlphabet[] = "abcdefghijklmnopqrstuvwxyz0123456789";
  thread_local std::mt19937_64 generator{std::random_device{}()};
  std::uniform_int_distribution<size_t> pick(0, sizeof kAlphabet - 2);
  std::string name = ".grill-";
  for (int i = 0; i < 12; ++i) {
    name += kAlphabet[pick(generator)];
  }
  return name + ".tmp";
}

}  // namespace

std::unique_ptr<ReadableFile> StdFiles::OpenForRead(const std::string& path) {
  // Without O_NONBLOCK, opening a pipe waits until something opens its other end, which
  // may be never; once the file is known to be a regular one, reads may block again.
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
  if (fd < 0) {
    return nullptr;
  }
  struct stat info {};
  const int flags = ::fcntl(fd, F_GETFL);
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || flags < 0 ||
      ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
    ::close(fd);
    return nullptr;
  }
  return std::make_unique<PosixReadable>(fd);
}

std::unique_ptr<WritableFile> StdFiles::CreateForWrite(const std::string& path,
                                                       std::string& error) {
  return OpenWritable(path, O_TRUNC, error);
}

std::unique_ptr<WritableFile> StdFiles::OpenForAppend(const std::string& path, std::string& error) {
  return OpenWritable(path, O_APPEND, error);
}

bool StdFiles::CreateFolders(const std::string& path, std::string& error) {
  std::error_code code;
  std::filesystem::create_directories(path, code);
  if (code) {
    error = code.message();
    return false;
  }
  if (!std::filesystem::is_directory(path, code)) {
    error = Reason(ENOTDIR);
    return false;
  }
  return true;
}

bool StdFiles::Rename(const std::string& from, const std::string& to, std::string& error) {
  if (::rename(from.c_str(), to.c_str()) != 0) {
    error = Reason(errno);
    return false;
  }
  SyncFolderOf(to);
  return true;
}

bool StdFiles::RemoveFile(const std::string& path) {
  return ::unlink(path.c_str()) == 0;
}

std::unique_ptr<WritableFile> StdFiles::CreateTemporary(const std::string& folder,
                                                        std::string& error) {
  // O_EXCL refuses any name in use, a planted link among them, so the file is always new.
  constexpr int kAttempts = 100;
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    const std::string path = Join(folder, TemporaryName());
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (fd >= 0) {
      return std::make_unique<PosixWritable>(fd, path);
    }
    if (errno != EEXIST) {
      error = Reason(errno);
      return nullptr;
    }
  }
  error = Reason(EEXIST);
  return nullptr;
}

bool StdFiles::Exists(const std::string& path) const {
  struct stat info {};
  return ::lstat(path.c_str(), &info) == 0;
}

bool StdFiles::IsFolder(const std::string& path) const {
  struct stat info {};
  return ::lstat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::optional<std::vector<std::string>> StdFiles::RegularFilesIn(const std::string& folder) {
  // O_NOFOLLOW: a link planted in place of the folder is not read through.
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NOFOLLOW);
  if (fd < 0) {
    return std::nullopt;
  }
  DIR* dir = ::fdopendir(fd);
  if (dir == nullptr) {
    ::close(fd);
    return std::nullopt;
  }
  std::vector<std::string> names;
  while (const dirent* entry = ::readdir(dir)) {
    struct stat info {};
    if (::fstatat(fd, entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(info.st_mode)) {
      names.emplace_back(entry->d_name);
    }
  }
  ::closedir(dir);
  return names;
}

std::optional<LocalTime> StdFiles::ModifiedTime(const std::string& path) const {
  struct stat info {};
  std::tm local{};
  if (::lstat(path.c_str(), &info) != 0 || ::localtime_r(&info.st_mtime, &local) == nullptr) {
    return std::nullopt;
  }
  return LocalTime{local.tm_year + 1900, local.tm_mon, local.tm_mday,
                   local.tm_hour,        local.tm_min, local.tm_sec};
}

std::string StdFiles::Join(const std::string& folder, const std::string& name) const {
  if (folder.empty()) {
    return name;
  }
  return folder.back() == '/' ? folder + name : folder + "/" + name;
}

std::string StdFiles::DefaultExportFolder() {
#ifdef _WIN32
  return "C:\\export\\grills";
#else
  const char* home = std::getenv("HOME");
  const std::string base = (home != nullptr && *home != '\0') ? home : ".";
  return base + "/export/grills";
#endif
}

}  // namespace grill
