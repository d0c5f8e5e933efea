#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/Files.h"

namespace grill {

// The folder of the designer's own files, under the user's configuration
// folder and under an installation's share folder.
inline constexpr const char* kConfigFolderName = "varnel-grill-designer";
inline constexpr const char* kConfigFileName = "MenuConfig.txt";

// Where else MenuConfig.txt may be when the working folder holds none. Each
// place is looked at only when it is given: the headless driver gives at most
// the command line's path.
struct ConfigSearch {
  std::optional<std::string> commandLinePath = std::nullopt;  // --config PATH
  std::optional<std::string> xdgConfigHome = std::nullopt;    // $XDG_CONFIG_HOME
  std::optional<std::string> home = std::nullopt;             // $HOME
  std::optional<std::string> executableFolder = std::nullopt;
  std::vector<std::string> dataFolders = {};  // DataFolders($XDG_DATA_DIRS)
  std::optional<std::string> installPrefix = std::nullopt;
};

// The user's own MenuConfig.txt: under $XDG_CONFIG_HOME when it is an
// absolute path, otherwise under $HOME/.config; none without either.
std::optional<std::string> UserConfigFile(const ConfigSearch& search);

// The files to read, in order, the first that opens wins: the working
// folder's, then the command line's path or, without one, the user's own.
std::vector<std::string> ConfigCandidates(const std::string& workingFolderFile,
                                          const ConfigSearch& search);

// The folders of $XDG_DATA_DIRS, in order; /usr/local/share and /usr/share
// when it is unset or empty. Relative entries are ignored, as the base
// directory rules ask.
std::vector<std::string> DataFolders(const std::optional<std::string>& xdgDataDirs);

// Where an installed sample may be: ../share/varnel-grill-designer beside the
// executable's folder, then the same under each data folder and under the
// install prefix.
std::vector<std::string> SampleCandidates(const ConfigSearch& search);

struct ConfigSearchResult {
  std::optional<std::string> found;
  // Every candidate, in order, whether found or not.
  std::vector<std::string> lookedIn;
  // When nothing was found and no path was named on the command line: an
  // installed sample and the user's own file it may be copied to, both
  // present or both absent.
  std::optional<std::string> sample;
  std::optional<std::string> userFile;
};

// Looks for the configuration; a file counts as there when it opens.
ConfigSearchResult FindConfiguration(const std::string& workingFolderFile,
                                     const ConfigSearch& search, Files& files);

// Copies `sample` to `target`, creating its folder. Refuses to replace a file
// already at `target`. The empty text on success, otherwise the reason.
std::string CopySampleConfiguration(Files& files, const std::string& sample,
                                    const std::string& target);

}  // namespace grill
