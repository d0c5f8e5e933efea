#pragma once

#include <string>
#include <vector>

#include "config/ConfigRecords.h"
#include "config/InterfaceSection.h"
#include "platform/Files.h"

namespace grill {

// What a load of MenuConfig.txt found, for the dialog to apply.
struct LoadedConfiguration {
  // The file read, empty when none was; Stock.txt is looked for beside it.
  std::string path;
  // The lists, their types linked to the tool map. The links point into
  // `configuration.toolMap`, so the lists are moved, never copied.
  Configuration configuration;
  // The entries of the combos, in file order. A section read twice adds the
  // names of both occurrences, while the lists keep only the later one.
  std::vector<std::string> barTypeNames;
  std::vector<std::string> edgeTypeNames;
  std::vector<std::string> colorNames;  // both colour combos
  InterfaceSettings settings;
  // The message boxes to show, in order.
  std::vector<std::string> messages;
  // Notes on malformed lines, one line each, for the start-up log.
  std::vector<std::string> notes;
  // A missing file or a fatal fault: the dialog ends as Cancel does.
  bool endDialog = false;
};

// Reads MenuConfig.txt from `path`: every section in turn, then the link of
// the types to the tool map. A fatal fault does not stop the load.
LoadedConfiguration LoadConfiguration(Files& files, const std::string& path);

}  // namespace grill
