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

  // Makes every file survive a power cut, then renames each over its final name. When a
  // step fails, the final names that were replaced get their earlier files back and the
  // new ones are removed; returns the file error then.
  std::optional<std::string> Publish();

  // Removes the temporaries: the run leaves nothing behind.
  void Discard();

 private:
  struct StagedFile {
    std::string finalPath;
    std::string temporary;
    // Where the earlier file of the final name waits while the new one takes its place.
    std::optional<std::string> backup;
    bool published = false;
  };

  std::optional<std::string> SyncToDisk(const StagedFile& file);
  std::optional<std::string> PutInPlace(StagedFile& file);
  void RollBack();

  Files& files_;
  std::string folder_;
  std::vector<StagedFile> staged_;
  bool published_ = false;
};

}  // namespace grill
