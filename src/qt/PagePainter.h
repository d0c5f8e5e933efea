#pragma once

#include "print/PageItems.h"

class QPainter;

namespace grill {

// Paints a drawing page on `painter` (a printer, a PDF, an image or a
// preview) with the page's top-left corner at the painter's origin and
// `pixelsPerMillimetre` device pixels to a millimetre of paper. Each text is
// set inside its box, at a smaller size when the font runs wider than the
// box allows.
void PaintPage(QPainter& painter, const print::Page& page, double pixelsPerMillimetre);

}  // namespace grill
