#pragma once

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <string>

#include "platform/Files.h"

namespace grill::config_test {

// A readable file held in memory. `declaredLength` lets a test claim a
// length other than the bytes it holds (a file that shrank, or one too large
// to be read at all).
class BytesFile final : public ReadableFile {
 public:
  explicit BytesFile(std::string bytes)
      : bytes_(std::move(bytes)), declaredLength_(static_cast<std::int64_t>(bytes_.size())) {}
  BytesFile(std::string bytes, std::int64_t declaredLength)
      : bytes_(std::move(bytes)), declaredLength_(declaredLength) {}

  std::int64_t Length() override { return declaredLength_; }
  std::int64_t Read(char* buffer, std::int64_t size) override {
    const std::int64_t count =
        std::min<std::int64_t>(size, static_cast<std::int64_t>(bytes_.size()));
    std::memcpy(buffer, bytes_.data(), static_cast<size_t>(count));
    return count;
  }

 private:
  std::string bytes_;
  std::int64_t declaredLength_;
};

// Files that can only be read, each given by its path and its bytes.
class ReadOnlyFiles final : public Files {
 public:
  void Add(const std::string& path, std::string bytes) { files_[path] = std::move(bytes); }

  std::unique_ptr<ReadableFile> OpenForRead(const std::string& path) override {
    const auto found = files_.find(path);
    if (found == files_.end()) {
      return nullptr;
    }
    return std::make_unique<BytesFile>(found->second);
  }
  std::unique_ptr<WritableFile> CreateForWrite(const std::string&, std::string& error) override {
    error = "read-only";
    return nullptr;
  }
  std::unique_ptr<WritableFile> OpenForAppend(const std::string&, std::string& error) override {
    error = "read-only";
    return nullptr;
  }
  bool CreateFolders(const std::string&, std::string&) override { return false; }
  std::string Join(const std::string& folder, const std::string& name) const override {
    return folder + "/" + name;
  }

 private:
  std::map<std::string, std::string> files_;
};

}  // namespace grill::config_test
