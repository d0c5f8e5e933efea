#include "app/InventoryFile.h"

#include <memory>

#include "platform/ReplaceFile.h"

namespace grill {

InventoryFileReading ReadInventoryFile(Files& files, const std::string& path) {
  InventoryFileReading read;
  if (!files.Exists(path)) {
    return read;
  }
  const auto unreadable = [&read](const std::string& why) {
    read.readable = false;
    read.notes.push_back(why + ", no remnants read");
    return read;
  };
  const std::unique_ptr<ReadableFile> file = files.OpenForRead(path);
  if (file == nullptr) {
    return unreadable("The file cannot be opened for reading");
  }
  const std::int64_t length = file->Length();
  if (length < 0 || length > kInventoryFileLimit) {
    return unreadable(length < 0 ? "The length of the file cannot be told" : "File too large");
  }
  std::string bytes(static_cast<std::size_t>(length), '\0');
  if (file->Read(bytes.data(), length) != length) {
    return unreadable("The file could not be read to its end");
  }
  InventoryReading reading = ReadInventory(bytes);
  read.inventory = std::move(reading.inventory);
  read.notes = std::move(reading.notes);
  read.bytes = std::move(bytes);
  return read;
}

std::optional<std::string> WriteInventoryFile(Files& files, const std::string& path,
                                              const std::string& bytes) {
  return ReplaceFile(files, path, bytes);
}

}  // namespace grill
