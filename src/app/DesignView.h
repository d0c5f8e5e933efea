#pragma once

#include <cstddef>
#include <optional>

#include "app/CanvasStroke.h"
#include "editing/DesignDocument.h"
#include "editing/DocumentEvents.h"
#include "platform/Controls.h"
#include "platform/Drawing.h"
#include "view/GrillCanvas.h"

namespace grill {

// Shows the side width field, captioned for the predesign the combo shows,
// only for a predesign that uses it.
void ShowSideWidthField(Controls& controls);

// Refreshes the bar lists and the Window Info controls from `window` (its
// predesign among them, when known) and fits the canvas's scale to it. Does
// not redraw.
void ShowWindowDesign(Controls& controls, GrillCanvas& canvas, const GrillWindow& window,
                      Unit unit);

// Refills the bar list of one direction from `window`, with nothing selected,
// as ShowWindowDesign does.
void ShowBarList(Controls& controls, Axis axis, const GrillWindow& window, Unit unit);

// What the dialog shows of the document: the Windows list, the current
// design's lists and fields, the job's unit, spacing mode and Master File,
// and the canvas. It subscribes to the document, so every change reaches the
// screen by one path, whatever made it: a command, an undo, a drag, a load.
class DesignView {
 public:
  DesignView(DesignDocument& document, Controls& controls);
  DesignView(const DesignView&) = delete;
  DesignView& operator=(const DesignView&) = delete;

  GrillCanvas& Canvas() { return canvas_; }
  const GrillCanvas& Canvas() const { return canvas_; }
  CanvasStroke& Stroke() { return stroke_; }
  // The design drawn, as it stands in the middle of a drag too.
  const GrillWindow* ShownDesign() const { return document_.Current(); }

  // ShowWindowDesign of the current design; without one, empty bar lists
  // and size line. A command that changes nothing calls it to show the
  // stored design in place of what was typed.
  void ShowCurrent();
  // Refills the Windows list from the designs; nothing is selected afterwards.
  void FillWindowList();
  // Lists, fields and repaint, as after a change of the current design.
  void ShowAndRedraw();
  // The unit, the spacing mode and the Master File name as the job holds them.
  void ShowProperties();
  // Draws the shown design, the bars selected in the bar lists highlighted.
  void DrawShown(DrawingContext& dc) const;
  // The canvas has a new client size: the shown design is fitted to it again.
  void ResizeCanvas(int width, int height);

 private:
  void DesignsChanged(const grill::DesignsChanged& event);
  // Another design shown: the canvas lets go of the old one's drag.
  void FocusChanged();
  void PropertiesChanged(const grill::PropertiesChanged& event);

  DesignDocument& document_;
  Controls& controls_;
  GrillCanvas canvas_;
  CanvasStroke stroke_;
  std::optional<std::size_t> canvasDesign_;
};

}  // namespace grill
