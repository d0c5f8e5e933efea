#include "config/LoadConfiguration.h"

#include "config/BarTypeReader.h"
#include "config/ColorReader.h"
#include "config/ConfigReader.h"
#include "config/EdgeTypeReader.h"
#include "config/FieldText.h"
#include "config/ToolMapLinking.h"
#include "config/ToolMapReader.h"

namespace grill {
namespace {

// A note as one line of the start-up log: line breaks at its start and end
// are dropped (the measurement note starts with one), and every run of them
// inside (a configuration line may span physical lines) becomes one blank.
std::string OnOneLine(std::string_view note) {
  while (!note.empty() && IsLineBreak(note.front())) {
    note.remove_prefix(1);
  }
  while (!note.empty() && IsLineBreak(note.back())) {
    note.remove_suffix(1);
  }
  std::string line;
  for (size_t i = 0; i < note.size(); ++i) {
    if (!IsLineBreak(note[i])) {
      line.push_back(note[i]);
    } else if (!IsLineBreak(note[i - 1])) {
      line.push_back(' ');
    }
  }
  return line;
}

template <typename Record>
void AddNames(const std::vector<Record>& records, std::vector<std::string>& names) {
  for (const Record& record : records) {
    names.push_back(record.name);
  }
}

void ReadSections(ConfigReader& reader, LoadedConfiguration& loaded) {
  Configuration& config = loaded.configuration;
  while (reader.Cursor() < reader.BufferSize()) {
    const std::string section = reader.NextSection();
    if (section == "bartypes") {
      config.barTypes = ReadBarTypes(reader);
      AddNames(config.barTypes, loaded.barTypeNames);
    } else if (section == "color") {
      config.colors = ReadColors(reader);
      AddNames(config.colors, loaded.colorNames);
    } else if (section == "edgetypes") {
      config.edgeTypes = ReadEdgeTypes(reader);
      AddNames(config.edgeTypes, loaded.edgeTypeNames);
    } else if (section == "toolmap") {
      config.toolMap = ReadToolMap(reader);
    } else if (section == "interface") {
      ReadInterfaceSection(reader, loaded.settings);
    } else if (section != "?End of File") {
      // Fatal for the dialog, yet the rest of the file is still read.
      reader.messages.push_back("Config Error:" + section);
      loaded.endDialog = true;
    }
  }
}

}  // namespace

LoadedConfiguration LoadConfiguration(Files& files, const std::string& path) {
  LoadedConfiguration loaded;
  loaded.path = path;
  ConfigReader reader;
  {
    const std::unique_ptr<ReadableFile> file = files.OpenForRead(path);
    if (file == nullptr) {
      loaded.messages.push_back("Cannot Find Config File");
      loaded.endDialog = true;
      return loaded;
    }
    // A file too large to read leaves the reader empty: no section is read.
    reader.LoadWholeFile(*file);
  }
  ReadSections(reader, loaded);
  loaded.messages = std::move(reader.messages);
  LinkToolMap(loaded.configuration, loaded.messages);
  for (const std::string& note : reader.diagnostics) {
    loaded.notes.push_back(OnOneLine(note));
  }
  return loaded;
}

}  // namespace grill
