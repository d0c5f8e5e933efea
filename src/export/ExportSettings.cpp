#include "export/ExportSettings.h"

namespace grill {

GrillWindow WithExportSettings(const GrillWindow& design, const ExportSettings& settings) {
  GrillWindow changed = design;
  if (settings.quantity) {
    changed.quantity = *settings.quantity;
  }
  if (settings.insideColor != nullptr) {
    changed.insideColor = settings.insideColor;
  }
  if (settings.outsideColor != nullptr) {
    changed.outsideColor = settings.outsideColor;
  }
  return changed;
}

}  // namespace grill
