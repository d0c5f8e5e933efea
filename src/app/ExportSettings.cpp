#include "app/ExportSettings.h"

#include "model/Measurements.h"
#include "platform/ControlIds.h"

namespace grill {
namespace {

// The design with what Process Data stores into it, up to its first refusal.
GrillWindow WithExportSettings(const GrillWindow& current, const Configuration& config,
                               const Controls& c) {
  GrillWindow after = current;
  if (config.FindBarType(c.Text(kBarTypeCombo)) == nullptr ||
      config.FindEdgeType(c.Text(kEdgeTypeCombo)) == nullptr) {
    return after;
  }
  const std::string quantityText = c.Text(kQuantityEdit);
  if (quantityText.empty()) {
    after.quantity = 1;
  } else {
    int ok = 0;
    // Stored even when refused, as the run has always done.
    after.quantity = ParseInteger(quantityText, ok);
    if (ok == 0) {
      return after;
    }
  }
  const ColorEntry* inside = config.FindColor(c.Text(kInsideColorCombo));
  if (inside == nullptr) {
    return after;
  }
  after.insideColor = inside;
  const ColorEntry* outside = config.FindColor(c.Text(kOutsideColorCombo));
  if (outside != nullptr) {
    after.outsideColor = outside;
  }
  return after;
}

}  // namespace

void CommitExportSettings(DesignerContext& context) {
  DesignDocument& document = context.Document();
  const GrillWindow* current = document.Current();
  if (current == nullptr) {
    return;
  }
  GrillWindow after = WithExportSettings(*current, context.state.config, context.controls);
  if (after.quantity == current->quantity && after.insideColor == current->insideColor &&
      after.outsideColor == current->outsideColor) {
    return;
  }
  document.Commit(ReplaceCurrentDesign(document, "Quantity and Colors", std::move(after),
                                       ChangeOrigin::Canvas));
}

}  // namespace grill
