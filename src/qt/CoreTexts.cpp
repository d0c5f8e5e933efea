#include "qt/Catalogue.h"

// The core's texts as the catalogue knows them: the captions of the dialog
// templates, the menu texts and the messages the dialog shows. The core keeps
// them in English for grill-script and the tests; lupdate collects them from
// here, so that a changed core text shows up as untranslated.
namespace grill {
namespace {

const char* const kTexts[] = {
    // The main dialog.
    QT_TRANSLATE_NOOP("Catalogue", "Equal Space"),
    QT_TRANSLATE_NOOP("Catalogue", "Divided"),
    QT_TRANSLATE_NOOP("Catalogue", "Horz Bars"),
    QT_TRANSLATE_NOOP("Catalogue", "Vert Bars"),
    QT_TRANSLATE_NOOP("Catalogue", "Edit"),
    QT_TRANSLATE_NOOP("Catalogue", "Remove"),
    QT_TRANSLATE_NOOP("Catalogue", "Insert"),
    QT_TRANSLATE_NOOP("Catalogue", "Respace Above"),
    QT_TRANSLATE_NOOP("Catalogue", "Respace Below"),
    QT_TRANSLATE_NOOP("Catalogue", "Respace Left"),
    QT_TRANSLATE_NOOP("Catalogue", "Respace Right"),
    QT_TRANSLATE_NOOP("Catalogue", "Set Spacing"),
    QT_TRANSLATE_NOOP("Catalogue", "Slider Align"),
    QT_TRANSLATE_NOOP("Catalogue",
                      "Note!!!: Ensure that ALL Window Information is properly set before "
                      "creating a New Window"),
    QT_TRANSLATE_NOOP("Catalogue", "Window Info"),
    QT_TRANSLATE_NOOP("Catalogue", "Name"),
    QT_TRANSLATE_NOOP("Catalogue", "Width"),
    QT_TRANSLATE_NOOP("Catalogue", "Height"),
    QT_TRANSLATE_NOOP("Catalogue", "Inner Width"),
    QT_TRANSLATE_NOOP("Catalogue", "Inner Height"),
    QT_TRANSLATE_NOOP("Catalogue", "PreDesign"),
    QT_TRANSLATE_NOOP("Catalogue", "Side Width"),
    QT_TRANSLATE_NOOP("Catalogue", "Cottage Height"),
    QT_TRANSLATE_NOOP("Catalogue", "Inches"),
    QT_TRANSLATE_NOOP("Catalogue", "Millimetres"),
    QT_TRANSLATE_NOOP("Catalogue", "Bar Type"),
    QT_TRANSLATE_NOOP("Catalogue", "Edge Type"),
    QT_TRANSLATE_NOOP("Catalogue", "Inside Color"),
    QT_TRANSLATE_NOOP("Catalogue", "Outside Color"),
    QT_TRANSLATE_NOOP("Catalogue", "Quantity"),
    QT_TRANSLATE_NOOP("Catalogue", "Master File"),
    QT_TRANSLATE_NOOP("Catalogue", "Apply"),
    QT_TRANSLATE_NOOP("Catalogue", "Delete"),
    QT_TRANSLATE_NOOP("Catalogue", "New"),
    QT_TRANSLATE_NOOP("Catalogue", "Process Data"),
    QT_TRANSLATE_NOOP("Catalogue", "Process All"),
    QT_TRANSLATE_NOOP("Catalogue", "Windows"),
    // The window editor.
    QT_TRANSLATE_NOOP("Catalogue", "Window Editor"),
    QT_TRANSLATE_NOOP("Catalogue", "OK"),
    QT_TRANSLATE_NOOP("Catalogue", "Cancel"),
    // The job properties.
    QT_TRANSLATE_NOOP("Catalogue", "Job Properties"),
    QT_TRANSLATE_NOOP("Catalogue", "Customer"),
    QT_TRANSLATE_NOOP("Catalogue", "Order / PO Number"),
    QT_TRANSLATE_NOOP("Catalogue", "Due Date"),
    QT_TRANSLATE_NOOP("Catalogue", "Notes"),
    // The export settings.
    QT_TRANSLATE_NOOP("Catalogue", "Export Settings"),
    QT_TRANSLATE_NOOP("Catalogue", "All files in the export folder"),
    QT_TRANSLATE_NOOP("Catalogue", "One folder per job"),
    // Menus and the about box.
    QT_TRANSLATE_NOOP("Catalogue", "Window Editor..."),
    QT_TRANSLATE_NOOP("Catalogue", "&About Varnel Grill Designer..."),
    QT_TRANSLATE_NOOP("Catalogue", "About Varnel Grill Designer"),
    QT_TRANSLATE_NOOP("Catalogue", "Varnel Grill Designer Version 1.0"),
    QT_TRANSLATE_NOOP("Catalogue", "Open Job"),
    QT_TRANSLATE_NOOP("Catalogue", "Import Designs"),
    QT_TRANSLATE_NOOP("Catalogue", "Untitled"),
    // The cutting plan window's headings.
    QT_TRANSLATE_NOOP("Catalogue", "Bar"),
    QT_TRANSLATE_NOOP("Catalogue", "Design"),
    QT_TRANSLATE_NOOP("Catalogue", "Tag"),
    // Messages.
    QT_TRANSLATE_NOOP("Catalogue", "Input Name"),
    QT_TRANSLATE_NOOP("Catalogue", "Name Already Exists"),
    QT_TRANSLATE_NOOP("Catalogue", "Invalid Name"),
    QT_TRANSLATE_NOOP("Catalogue", "Invalid Width"),
    QT_TRANSLATE_NOOP("Catalogue", "Invalid Height"),
    QT_TRANSLATE_NOOP("Catalogue", "Invalid Vertical Sections"),
    QT_TRANSLATE_NOOP("Catalogue", "Invalid Horizontal Sections"),
    QT_TRANSLATE_NOOP("Catalogue", "Invalid Quantity"),
    QT_TRANSLATE_NOOP("Catalogue", "Invalid quantity"),
    QT_TRANSLATE_NOOP("Catalogue", "Invalid Inside Color"),
    QT_TRANSLATE_NOOP("Catalogue", "Invalid Outside Color"),
    QT_TRANSLATE_NOOP("Catalogue", "Invalid Spacing"),
    QT_TRANSLATE_NOOP("Catalogue", "BarType Not Found"),
    QT_TRANSLATE_NOOP("Catalogue", "EdgeType Not Found"),
    QT_TRANSLATE_NOOP("Catalogue", "No Window Selected"),
    QT_TRANSLATE_NOOP("Catalogue", "No Edge Types Found"),
    QT_TRANSLATE_NOOP("Catalogue", "No Bar Types Found"),
    QT_TRANSLATE_NOOP("Catalogue", "No Colors Found"),
    QT_TRANSLATE_NOOP("Catalogue", "Export Cancelled"),
    QT_TRANSLATE_NOOP("Catalogue", "Cannot Find Config File"),
    QT_TRANSLATE_NOOP("Catalogue", "Looked for:"),
    QT_TRANSLATE_NOOP("Catalogue", "Copy the sample configuration"),
    QT_TRANSLATE_NOOP("Catalogue", "There is no design to print."),
    QT_TRANSLATE_NOOP("Catalogue", "Imported designs renamed:"),
    QT_TRANSLATE_NOOP("Catalogue",
                      "Not in MenuConfig.txt, left empty (pick them again before "
                      "exporting):"),
    QT_TRANSLATE_NOOP("Catalogue",
                      "Another Grill Designer is running in this folder: this one keeps "
                      "no recovery copy."),
    QT_TRANSLATE_NOOP("Catalogue", "Invalid Job Folder Name: the name is blank"),
    QT_TRANSLATE_NOOP("Catalogue", "Invalid Job Folder Name: the name holds a control character"),
    // The label sheets Print Labels... offers.
    QT_TRANSLATE_NOOP("Catalogue", "A4, 3 \u00d7 8 labels (63.5 \u00d7 33.9 mm)"),
    QT_TRANSLATE_NOOP("Catalogue", "Letter, 3 \u00d7 10 labels (2 5/8 \u00d7 1 in, Avery 5160)"),
    QT_TRANSLATE_NOOP("Catalogue", "Roll, 62 mm wide, one label per page"),
    // Take from Stock and its undo.
    QT_TRANSLATE_NOOP("Catalogue", "This plan was already taken from stock."),
    QT_TRANSLATE_NOOP("Catalogue",
                      "This plan was not made from Stock.txt, so there is no stock to take it "
                      "from."),
    QT_TRANSLATE_NOOP("Catalogue", "Nothing to undo: this plan was not taken from stock."),
    QT_TRANSLATE_NOOP("Catalogue", "Undo Take: the inventory is as it was before the take."),
};

// Phrases whose %1, %2, ... stand for the names, numbers or paths the core
// adds, in their order in the English text.
const char* const kPhrases[] = {
    QT_TRANSLATE_NOOP("Catalogue", "Files Exported to %1"),
    QT_TRANSLATE_NOOP("Catalogue", "Invalid quantity: %1"),
    QT_TRANSLATE_NOOP("Catalogue", "Invalid File Name: %1"),
    QT_TRANSLATE_NOOP("Catalogue", "Invalid Export Text: %1"),
    QT_TRANSLATE_NOOP("Catalogue", "Invalid Bar Positions: %1"),
    QT_TRANSLATE_NOOP("Catalogue", "A sample configuration is installed at %1."),
    QT_TRANSLATE_NOOP("Catalogue", "Cannot copy the sample configuration: %1"),
    QT_TRANSLATE_NOOP("Catalogue", "Cannot keep a recovery copy in %1"),
    QT_TRANSLATE_NOOP("Catalogue", "Save changes to \"%1\"?"),
    QT_TRANSLATE_NOOP("Catalogue", "No Stock.txt: %1"),
    QT_TRANSLATE_NOOP("Catalogue", "Toolmap not found: %1"),
    QT_TRANSLATE_NOOP("Catalogue", "Stock (%1)"),
    QT_TRANSLATE_NOOP("Catalogue", "Piece (%1)"),
    QT_TRANSLATE_NOOP("Catalogue", "Rest (%1)"),
    // The line under the drawing: the design's outer and inner sizes.
    QT_TRANSLATE_NOOP("Catalogue", "Width = %1, Height = %2, Inner Width = %3, Inner Height = %4"),
    // The title of a job without a file; %1 is the program's name.
    QT_TRANSLATE_NOOP("Catalogue", "Untitled[*] - %1"),
    QT_TRANSLATE_NOOP("Catalogue", "Undo %1"),
    QT_TRANSLATE_NOOP("Catalogue", "Redo %1"),
    QT_TRANSLATE_NOOP("Catalogue", "%1 was sent to the saw on %2. Send again?"),
    QT_TRANSLATE_NOOP("Catalogue", "Invalid Job Folder Name: \"%1\" holds a path separator"),
    QT_TRANSLATE_NOOP("Catalogue",
                      "Invalid Job Folder Name: \"%1\" would lead out of the export folder"),
    // Take from Stock: %1, %2 and %3 are counted ("3 remnants"), %4 a path.
    QT_TRANSLATE_NOOP("Catalogue",
                      "Take this plan from stock? Its %1 and %2 are taken out of the inventory, "
                      "and its %3 added as remnants."),
    QT_TRANSLATE_NOOP("Catalogue", "Taken from stock: %1 and %2 used, %3 kept as remnants in %4."),
    QT_TRANSLATE_NOOP("Catalogue", "Cannot take this plan from stock: %1 was not found."),
    QT_TRANSLATE_NOOP("Catalogue", "Cannot take this plan from stock: %1. Plan again."),
    QT_TRANSLATE_NOOP("Catalogue", "Cannot take this plan from stock: %1: %2"),
    QT_TRANSLATE_NOOP("Catalogue",
                      "Cannot write %1: %2. Nothing was taken from stock; the inventory is as it "
                      "was."),
    QT_TRANSLATE_NOOP("Catalogue", "Cannot write %1: %2. The take stands."),
    QT_TRANSLATE_NOOP("Catalogue", "Cannot undo the take: %1 changed since. It is left as it is."),
    QT_TRANSLATE_NOOP("Catalogue", "Cannot remove %1, which the take made. The take stands."),
};

// The counted values of the phrases above, singular and plural as the core
// writes them.
const char* const kCountPhrases[] = {
    QT_TRANSLATE_NOOP("Catalogue", "%1 remnant"),
    QT_TRANSLATE_NOOP("Catalogue", "%1 remnants"),
    QT_TRANSLATE_NOOP("Catalogue", "%1 bar on hand"),
    QT_TRANSLATE_NOOP("Catalogue", "%1 bars on hand"),
    QT_TRANSLATE_NOOP("Catalogue", "%1 offcut is"),
    QT_TRANSLATE_NOOP("Catalogue", "%1 offcuts are"),
    QT_TRANSLATE_NOOP("Catalogue", "%1 offcut"),
    QT_TRANSLATE_NOOP("Catalogue", "%1 offcuts"),
};

}  // namespace

std::span<const char* const> CoreTexts() {
  return kTexts;
}

std::span<const char* const> CorePhrases() {
  return kPhrases;
}

std::span<const char* const> CoreCountPhrases() {
  return kCountPhrases;
}

}  // namespace grill
