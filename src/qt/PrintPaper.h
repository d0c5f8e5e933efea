#pragma once

#include <string>

#include <QPageLayout>

#include "print/DrawingSettings.h"
#include "print/PageItems.h"

class QPrinter;

namespace grill {

// Letter in the United States and Canada, A4 elsewhere, by the user's locale.
print::PaperSize LocalePaper();

// The sheet the printer is set to, as it stands in portrait.
print::PaperSize PrinterPaper(const QPrinter& printer);

// The page's own sheet, turned as the page stands, without margins.
QPageLayout PageLayoutOf(const print::Page& page);

// Today as the pages' title blocks show it, the same in every locale.
std::string DrawingDate();

}  // namespace grill
