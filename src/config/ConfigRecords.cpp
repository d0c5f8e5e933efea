#include "config/ConfigRecords.h"

namespace grill {
namespace {

template <typename Record>
const Record* FindByName(const std::vector<Record>& records, std::string_view name) {
  for (const Record& record : records) {
    if (record.name == name) {
      return &record;
    }
  }
  return nullptr;
}

}  // namespace

const BarType* Configuration::FindBarType(std::string_view name) const {
  for (const BarType& barType : barTypes) {
    if (barType.accepted && barType.name == name) {
      return &barType;
    }
  }
  return nullptr;
}

const EdgeType* Configuration::FindEdgeType(std::string_view name) const {
  return FindByName(edgeTypes, name);
}

const ColorEntry* Configuration::FindColor(std::string_view name) const {
  return FindByName(colors, name);
}

}  // namespace grill
