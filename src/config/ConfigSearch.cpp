#include "config/ConfigSearch.h"

#include <algorithm>
#include <filesystem>

namespace grill {
namespace {

namespace fs = std::filesystem;

std::string FileIn(const fs::path& folder) {
  return (folder / kConfigFolderName / kConfigFileName).lexically_normal().string();
}

bool Opens(Files& files, const std::string& path) {
  return files.OpenForRead(path) != nullptr;
}

std::optional<std::string> FirstThatOpens(const std::vector<std::string>& paths, Files& files) {
  for (const std::string& path : paths) {
    if (Opens(files, path)) {
      return path;
    }
  }
  return std::nullopt;
}

// The whole file, or none when it cannot be read.
std::optional<std::string> ReadAll(Files& files, const std::string& path) {
  const std::unique_ptr<ReadableFile> file = files.OpenForRead(path);
  if (file == nullptr || file->Length() < 0) {
    return std::nullopt;
  }
  std::string bytes(static_cast<size_t>(file->Length()), '\0');
  const std::int64_t read = file->Read(bytes.data(), static_cast<std::int64_t>(bytes.size()));
  if (read != static_cast<std::int64_t>(bytes.size())) {
    return std::nullopt;
  }
  return bytes;
}

}  // namespace

std::optional<std::string> UserConfigFile(const ConfigSearch& search) {
  // A relative $XDG_CONFIG_HOME is invalid and ignored, as the base
  // directory rules ask.
  if (search.xdgConfigHome && fs::path(*search.xdgConfigHome).is_absolute()) {
    return FileIn(*search.xdgConfigHome);
  }
  if (search.home && !search.home->empty()) {
    return FileIn(fs::path(*search.home) / ".config");
  }
  return std::nullopt;
}

std::vector<std::string> ConfigCandidates(const std::string& workingFolderFile,
                                          const ConfigSearch& search) {
  std::vector<std::string> candidates{workingFolderFile};
  if (search.commandLinePath) {
    candidates.push_back(*search.commandLinePath);
  } else if (const std::optional<std::string> userFile = UserConfigFile(search)) {
    candidates.push_back(*userFile);
  }
  return candidates;
}

std::vector<std::string> DataFolders(const std::optional<std::string>& xdgDataDirs) {
  const std::string list =
      xdgDataDirs && !xdgDataDirs->empty() ? *xdgDataDirs : "/usr/local/share:/usr/share";
  std::vector<std::string> folders;
  std::size_t start = 0;
  while (start <= list.size()) {
    const std::size_t colon = std::min(list.find(':', start), list.size());
    const std::string folder = list.substr(start, colon - start);
    if (fs::path(folder).is_absolute()) {
      folders.push_back(folder);
    }
    start = colon + 1;
  }
  return folders;
}

std::vector<std::string> SampleCandidates(const ConfigSearch& search) {
  std::vector<std::string> candidates;
  auto add = [&candidates](const fs::path& share) {
    const std::string candidate = FileIn(share);
    if (std::find(candidates.begin(), candidates.end(), candidate) == candidates.end()) {
      candidates.push_back(candidate);
    }
  };
  if (search.executableFolder && !search.executableFolder->empty()) {
    add(fs::path(*search.executableFolder) / ".." / "share");
  }
  for (const std::string& folder : search.dataFolders) {
    add(folder);
  }
  if (search.installPrefix && !search.installPrefix->empty()) {
    add(fs::path(*search.installPrefix) / "share");
  }
  return candidates;
}

ConfigSearchResult FindConfiguration(const std::string& workingFolderFile,
                                     const ConfigSearch& search, Files& files) {
  ConfigSearchResult result;
  result.lookedIn = ConfigCandidates(workingFolderFile, search);
  result.found = FirstThatOpens(result.lookedIn, files);
  // A path named on the command line is not replaced by a copy elsewhere.
  if (!result.found && !search.commandLinePath) {
    result.userFile = UserConfigFile(search);
    if (result.userFile) {
      result.sample = FirstThatOpens(SampleCandidates(search), files);
    }
    if (!result.sample) {
      result.userFile.reset();
    }
  }
  return result;
}

std::string CopySampleConfiguration(Files& files, const std::string& sample,
                                    const std::string& target) {
  if (Opens(files, target)) {
    return target + " already exists";
  }
  const std::optional<std::string> bytes = ReadAll(files, sample);
  if (!bytes) {
    return "cannot read " + sample;
  }
  const std::string folder = fs::path(target).parent_path().string();
  std::string error;
  if (!folder.empty() && !files.CreateFolders(folder, error)) {
    return "cannot create " + folder + ": " + error;
  }
  const std::unique_ptr<WritableFile> copy = files.CreateForWrite(target, error);
  if (copy == nullptr) {
    return target + ": " + error;
  }
  if (!copy->Write(*bytes) || !copy->Close()) {
    return target + ": " + copy->Error();
  }
  return {};
}

}  // namespace grill
