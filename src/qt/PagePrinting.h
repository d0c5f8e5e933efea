#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "print/PageItems.h"
#include "print/Paper.h"

class QPrinter;
class QWidget;

namespace grill {

// Makes the pages for the sheet they go on: the printer's paper, or the
// locale's for a PDF.
using PageMaker = std::function<std::vector<print::Page>(print::PaperSize)>;

// Sets the printer up for the page about to be painted.
using SheetSetUp = std::function<void(QPrinter&, const print::Page&)>;

// Paints `pages` from the printer's very corner (the pages keep their own
// margins), each after `setUp` readied the printer for it.
void PaintPages(QPrinter& printer, const std::vector<print::Page>& pages, const SheetSetUp& setUp);

// Paints the pages on the printer, each turned as it asks, on the printer's
// paper from its very corner (the pages keep their own margins).
void PrintPages(QPrinter& printer, const PageMaker& makePages);

// Print Preview...: the pages in the preview dialog, which may print them.
void PreviewPages(QWidget& parent, const PageMaker& makePages);

// Print...: the printer dialog, then the pages on the chosen printer.
void PrintPagesWithDialog(QWidget& parent, const PageMaker& makePages);

// Export PDF...: asks for the file, suggesting `suggestedName`, and writes the
// pages on the locale's paper under `documentTitle`; a file that cannot be
// written is left as it was and the user is told why in a box titled `title`.
void ExportPagesPdf(QWidget& parent, const QString& title, const std::string& suggestedName,
                    const QString& documentTitle, const PageMaker& makePages);

}  // namespace grill
