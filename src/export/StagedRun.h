#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/Files.h"

namespace grill {

// The files of one export run, written aside and put in place together: every file is
// written to a temporary of its own in the export folder, and only when all of them are
// complete does Publish rename them over their final names. A run that fails or is
// cancelled leaves the files of the earlier run as they were, byte for byte.
class StagedRun {
 public:
  StagedRun(Files& files, std::string folder);
  // Removes every temporary left, unless the run was published.
  ~StagedRun();
  StagedRun(const StagedRun&) = delete;
  StagedRun& operator=(const StagedRun&) = delete;

  // Opens the run's file `name`: a new temporary the first time, the same temporary
  // again, for appending, after that. On failure returns null with `error` set to
  // "File Error: PATH: REASON" for the final path.
  std::unique_ptr<WritableFile> Open(const std::string& name, std::string& error);

  // Marks the earlier file `name` of the folder as part of the set the run replaces
  // although the run makes no file of that name: Publish moves it aside with the files it
  // replaces and removes it once the new set is in place. A name the run writes is
  // replaced anyway.
  void Retire(const std::string& name);

  // The names of the files opened so far, in the order they were first opened.
  std::vector<std::string> FileNames() const;

  // Makes every file survive a power cut, moves the retired files aside, then renames each
  // file over its final name. When a step fails, every earlier file comes back under its
  // name and the new ones are removed; returns the file error then.
  std::optional<std::string> Publish();

  // Removes the temporaries: the run leaves nothing behind.
  void Discard();

 private:
  struct StagedFile {
    std::string name;
    std::string finalPath;
    std::string temporary;
    // Where the earlier file of the final name waits while the new one takes its place.
    std::optional<std::string> backup;
    bool published = false;
  };

  // An earlier file that leaves with the earlier set.
  struct RetiredFile {
    std::string path;
    std::optional<std::string> backup;
  };

  std::optional<std::string> SyncToDisk(const StagedFile& file);
  // Moves the file at `path` to a name reserved for it, kept in `backup`.
  std::optional<std::string> MoveAside(const std::string& path, std::optional<std::string>& backup);
  std::optional<std::string> PutInPlace(StagedFile& file);
  void RollBack();
  void RemoveBackups();

  Files& files_;
  std::string folder_;
  std::vector<StagedFile> staged_;
  std::vector<RetiredFile> retired_;
  bool published_ = false;
};

}  // namespace grill
