#include "editing/NewDesign.h"

#include <utility>

namespace grill {

Result<GrillWindow> BuildNewDesign(const DesignFormValues& values, const NewDesignChoices& choices,
                                   const Configuration& config) {
  GrillWindow window;
  window.name = values.name;
  window.outerWidth = values.width;
  window.outerHeight = values.height;
  window.vertCount = values.vertCount;
  window.horzCount = values.horzCount;

  window.edgeType = config.FindEdgeType(choices.edgeType);
  if (window.edgeType == nullptr) {
    return Refusal{"EdgeType Not Found"};
  }
  window.barType = config.FindBarType(choices.barType);
  if (window.barType == nullptr) {
    return Refusal{"BarType Not Found"};
  }

  const double edgeDepth = 2 * (window.edgeType->SH + window.edgeType->SO);
  window.innerHeight = window.outerHeight - edgeDepth;
  window.innerWidth = window.outerWidth - edgeDepth;
  if (window.innerWidth < 0) {
    return Refusal{"Invalid Width"};
  }
  if (window.innerHeight < 0) {
    return Refusal{"Invalid Height"};
  }

  // A colour text that names no colour leaves the design without that colour.
  window.insideColor = config.FindColor(choices.insideColor);
  window.outsideColor = config.FindColor(choices.outsideColor);

  const std::optional<std::int32_t> quantity = ReadQuantity(choices.quantity);
  if (!quantity) {
    return Refusal{"Invalid Quantity"};
  }
  window.quantity = *quantity;
  return window;
}

Result<GrillWindow> LayOutNewDesign(GrillWindow window, PreDesign preDesign, SpacingMode spacing,
                                    std::optional<double> sideWidth) {
  if (UsesSideWidth(preDesign) && !sideWidth) {
    return Refusal{preDesign == PreDesign::Prarie ? "Input Sidewidth" : "Input Cottage Height"};
  }
  LayOutPreDesign(window, preDesign, spacing, sideWidth.value_or(0.0));
  window.preDesign = preDesign;
  return window;
}

}  // namespace grill
