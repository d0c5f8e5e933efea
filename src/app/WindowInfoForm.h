#pragma once

#include <cstddef>
#include <optional>

#include "app/DesignerContext.h"
#include "editing/PreDesignLayouts.h"
#include "model/GrillWindow.h"

namespace grill {

// The design the Window Info fields describe, built but not yet laid out,
// and the predesign that lays out its bars.
struct WindowInfoDesign {
  GrillWindow built;
  PreDesign preDesign = PreDesign::Standard;
  std::optional<double> sideWidth;
};

// Reads the Window Info fields as New reads them, checked in the order the
// messages are given; the first fault is shown and gives nothing. A name
// another design has is refused, except the present name of the design the
// fields change (`edited`, its place in the list). Reading changes no control.
std::optional<WindowInfoDesign> ReadWindowInfo(DesignerContext& context,
                                               std::optional<std::size_t> edited = std::nullopt);

// Lays out the bars as New does; a refusal is shown and gives nothing.
std::optional<GrillWindow> LayOutWindowInfo(DesignerContext& context, WindowInfoDesign design);

// The design when its pieces can be cut; otherwise the problem is shown, lengths in the
// dialog's unit, and gives nothing.
std::optional<GrillWindow> RefuseUncuttableShown(DesignerContext& context, GrillWindow design);

}  // namespace grill
