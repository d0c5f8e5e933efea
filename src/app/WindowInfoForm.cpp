#include "app/WindowInfoForm.h"

#include <utility>

#include "editing/CuttableDesign.h"
#include "editing/DesignForm.h"
#include "editing/NewDesign.h"
#include "editing/TypedLength.h"
#include "platform/ControlIds.h"

namespace grill {

std::optional<WindowInfoDesign> ReadWindowInfo(DesignerContext& context,
                                               std::optional<std::size_t> edited) {
  Controls& c = context.controls;
  const DesignDocument& document = context.Document();
  const Unit unit = document.DisplayUnit();
  const DesignFormText form{c.Text(kNameEdit), c.Text(kWidthEdit), c.Text(kHeightEdit),
                            c.Text(kVertBarsEdit), c.Text(kHorzBarsEdit)};
  const auto values = ReadDesignForm(form, {unit, 0, edited}, document.Designs());
  if (!values) {
    c.ShowMessage(values.Message());
    return std::nullopt;
  }
  const NewDesignChoices choices{c.Text(kEdgeTypeCombo), c.Text(kBarTypeCombo),
                                 c.Text(kInsideColorCombo), c.Text(kOutsideColorCombo),
                                 c.Text(kQuantityEdit)};
  auto built = BuildNewDesign(*values, choices, context.state.config);
  if (!built) {
    c.ShowMessage(built.Message());
    return std::nullopt;
  }
  const PreDesign preDesign = PreDesignAt(c.Selection(kPreDesignCombo));
  const std::optional<double> sideWidth =
      UsesSideWidth(preDesign) ? ParseTypedLength(c.Text(kSideWidthEdit), unit) : std::nullopt;
  return WindowInfoDesign{std::move(*built), preDesign, sideWidth};
}

std::optional<GrillWindow> LayOutWindowInfo(DesignerContext& context, WindowInfoDesign design) {
  auto laidOut = LayOutNewDesign(std::move(design.built), design.preDesign,
                                 context.Document().Spacing(), design.sideWidth);
  if (!laidOut) {
    context.controls.ShowMessage(laidOut.Message());
    return std::nullopt;
  }
  return std::move(*laidOut);
}

std::optional<GrillWindow> RefuseUncuttableShown(DesignerContext& context, GrillWindow design) {
  auto cuttable = RefuseUncuttable(std::move(design), context.Document().DisplayUnit());
  if (!cuttable) {
    context.controls.ShowMessage(cuttable.Message());
    return std::nullopt;
  }
  return std::move(*cuttable);
}

}  // namespace grill
