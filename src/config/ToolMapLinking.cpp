#include "config/ToolMapLinking.h"

#include <string_view>
#include <unordered_map>

#include "config/FieldText.h"

namespace grill {
namespace {

// Keyed by views of the entries' own names, which outlive the linking.
using EntriesByName = std::unordered_map<std::string_view, const ToolMapEntry*>;

// A name given twice keeps its first entry, as a search from the head of the
// list would find.
EntriesByName FirstEntryOfEachName(const std::vector<ToolMapEntry>& toolMap) {
  EntriesByName entries;
  entries.reserve(toolMap.size());
  for (const ToolMapEntry& entry : toolMap) {
    entries.emplace(entry.name, &entry);
  }
  return entries;
}

template <typename Type>
void LinkType(Type& type, const EntriesByName& entries, std::vector<std::string>& messages) {
  const auto found = entries.find(type.toolMapName);
  type.toolEntry = found == entries.end() ? nullptr : found->second;
  if (type.toolEntry == nullptr) {
    messages.push_back("Toolmap not found: " + type.name);
  }
}

}  // namespace

void LinkToolMap(Configuration& config, std::vector<std::string>& messages) {
  const EntriesByName entries = FirstEntryOfEachName(config.toolMap);
  for (BarType& barType : config.barTypes) {
    barType.toolMapName = StripBlanksAndCommas(barType.toolMapName);
    LinkType(barType, entries, messages);
  }
  for (EdgeType& edgeType : config.edgeTypes) {
    LinkType(edgeType, entries, messages);
  }
}

}  // namespace grill
