#include "cutting/PieceIds.h"

#include "model/Measurements.h"

namespace grill {

std::string PieceId(const PiecePlace& place) {
  std::string bar = FormatInteger(place.bar);
  if (bar.size() < 2) {
    bar.insert(0, 2 - bar.size(), '0');
  }
  return FormatInteger(place.group) + "-" + bar + "-" + FormatInteger(place.position);
}

}  // namespace grill
