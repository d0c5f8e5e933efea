#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "config/ConfigRecords.h"
#include "editing/DesignForm.h"
#include "editing/PreDesignLayouts.h"
#include "editing/Result.h"
#include "model/GrillWindow.h"

namespace grill {

// The Window Info choices New reads after the shared form fields.
struct NewDesignChoices {
  std::string edgeType;
  std::string barType;
  std::string insideColor;
  std::string outsideColor;
  std::string quantity;
};

// The design New makes from checked form values and the choices, before its
// bars are laid out: the types must exist and the edge must leave a
// non-negative inner size; the quantity is read last.
Result<GrillWindow> BuildNewDesign(const DesignFormValues& values, const NewDesignChoices& choices,
                                   const Configuration& config);

// Lays out the bars of a built design by the predesign. "Prarie" and "Custom
// Cottage" need a side width, given in millimetres; without it the design is
// refused.
Result<GrillWindow> LayOutNewDesign(GrillWindow window, PreDesign preDesign, SpacingMode spacing,
                                    std::optional<double> sideWidth);

}  // namespace grill
