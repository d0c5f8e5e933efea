#include "config/ToolMapLinking.h"

#include <functional>
#include <string_view>
#include <vector>

#include "config/FieldText.h"

namespace grill {
namespace {

// The tool map by name, holding the first entry of each name: a lookup finds
// the same entry as a search of the list from its head, without a search of
// the list per type. Open addressing in one table, as linking happens once on
// a list that never changes afterwards.
class FirstEntryByName {
 public:
  explicit FirstEntryByName(const std::vector<ToolMapEntry>& toolMap) {
    size_t capacity = 16;
    while (capacity < toolMap.size() * 2) {
      capacity *= 2;
    }
    slots_.assign(capacity, nullptr);
    for (const ToolMapEntry& entry : toolMap) {
      const ToolMapEntry*& slot = slots_[SlotOf(entry.name)];
      if (slot == nullptr) {
        slot = &entry;
      }
    }
  }

  const ToolMapEntry* Find(std::string_view name) const { return slots_[SlotOf(name)]; }

 private:
  // The slot holding the entry of that name, or the empty slot where it
  // would go. The table is never more than half full.
  size_t SlotOf(std::string_view name) const {
    const size_t mask = slots_.size() - 1;
    size_t at = std::hash<std::string_view>{}(name)&mask;
    while (slots_[at] != nullptr && slots_[at]->name != name) {
      at = (at + 1) & mask;
    }
    return at;
  }

  std::vector<const ToolMapEntry*> slots_;
};

template <typename Type>
void LinkType(Type& type, const FirstEntryByName& index, Controls& controls) {
  type.toolEntry = index.Find(type.toolMapName);
  if (type.toolEntry == nullptr) {
    controls.ShowMessage("Toolmap not found: " + type.name);
  }
}

}  // namespace

void LinkToolMap(Configuration& config, Controls& controls) {
  const FirstEntryByName index(config.toolMap);
  for (BarType& barType : config.barTypes) {
    StripBlanksAndCommasInPlace(barType.toolMapName);
    LinkType(barType, index, controls);
  }
  for (EdgeType& edgeType : config.edgeTypes) {
    LinkType(edgeType, index, controls);
  }
}

}  // namespace grill
