#pragma once

#include <string>

#include "print/DrawingSettings.h"

class QPrinter;

namespace grill {

// Letter in the United States and Canada, A4 elsewhere, by the user's locale.
print::PaperSize LocalePaper();

// The sheet the printer is set to, as it stands in portrait.
print::PaperSize PrinterPaper(const QPrinter& printer);

// Today as the pages' title blocks show it, the same in every locale.
std::string DrawingDate();

}  // namespace grill
