#pragma once

#include "app/DesignView.h"
#include "editing/DesignerState.h"
#include "platform/Controls.h"

namespace grill {

// What the dialog's handlers work with: the state, the controls they read
// the form from and show messages on, and the view that shows the document.
struct DesignerContext {
  DesignerState& state;
  Controls& controls;
  DesignView& view;

  DesignDocument& Document() { return state.document; }
};

}  // namespace grill
