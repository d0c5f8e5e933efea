#include "config/LoadConfiguration.h"

#include "config/BarTypeReader.h"
#include "config/ColorReader.h"
#include "config/ConfigReader.h"
#include "config/EdgeTypeReader.h"
#include "config/InterfaceSection.h"
#include "config/ToolMapLinking.h"
#include "config/ToolMapReader.h"
#include "platform/ControlIds.h"

namespace grill {
namespace {

bool IsLineBreak(char c) {
  return c == '\n' || c == '\r';
}

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
  line.reserve(note.size());
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
void AddNames(Controls& controls, int comboId, const std::vector<Record>& records) {
  for (const Record& record : records) {
    controls.AddEntry(comboId, record.name);
  }
}

void ReadSections(ConfigReader& reader, Controls& controls, Configuration& config,
                  DisplayModes& modes) {
  while (reader.Cursor() < reader.BufferSize()) {
    const std::string section = reader.NextSection();
    if (section == "bartypes") {
      config.barTypes = ReadBarTypes(reader, controls);
      AddNames(controls, kBarTypeCombo, config.barTypes);
    } else if (section == "color") {
      config.colors = ReadColors(reader);
      for (const ColorEntry& color : config.colors) {
        controls.AddEntry(kInsideColorCombo, color.name);
        controls.AddEntry(kOutsideColorCombo, color.name);
      }
    } else if (section == "edgetypes") {
      config.edgeTypes = ReadEdgeTypes(reader);
      AddNames(controls, kEdgeTypeCombo, config.edgeTypes);
    } else if (section == "toolmap") {
      config.toolMap = ReadToolMap(reader);
    } else if (section == "interface") {
      ApplyInterfaceSection(reader, controls, modes);
    } else if (section != "?End of File") {
      // Fatal for the dialog, yet the rest of the file is still read.
      controls.ShowMessage("Config Error:" + section);
      controls.EndDialog();
    }
  }
}

}  // namespace

void LoadConfiguration(Files& files, const std::string& path, Controls& controls,
                       Configuration& config, DisplayModes& modes,
                       std::vector<std::string>& diagnostics) {
  ConfigReader reader;
  {
    const std::unique_ptr<ReadableFile> file = files.OpenForRead(path);
    if (file == nullptr) {
      controls.ShowMessage("Cannot Find Config File");
      controls.EndDialog();
      return;
    }
    // A file too large to read leaves the reader empty: no section is read.
    reader.LoadWholeFile(*file);
  }
  ReadSections(reader, controls, config, modes);
  LinkToolMap(config, controls);
  for (const std::string& note : reader.diagnostics) {
    diagnostics.push_back(OnOneLine(note));
  }
}

}  // namespace grill
