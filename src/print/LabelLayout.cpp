#include "print/LabelLayout.h"

#include <algorithm>
#include <optional>
#include <string>

#include "print/Code128.h"
#include "print/PageText.h"

namespace grill::print {
namespace {

// Kept clear all round: die-cut labels sit a little off where the sheet says.
constexpr double kLabelPadding = 2.0;
constexpr int kLines = 5;
// A line at full size; text shrinks with a short label, never below the
// smallest line a shop reads.
constexpr double kFullLine = 4.0;
constexpr double kBarcodeGap = 1.0;
constexpr double kMinBarcodeHeight = 6.0;
constexpr double kMaxBarcodeHeight = 12.0;
// The widest module a label needs, and the share of the label's width the
// barcode with its quiet zones may take; the id is written beside it.
constexpr double kMaxModule = 0.3;
constexpr double kBarcodeShare = 0.62;

Box Inside(const Box& box, double margin) {
  return {box.left + margin, box.top + margin, box.width - 2 * margin, box.height - 2 * margin};
}

struct LabelRows {
  double lineHeight = kFullLine;
  double barcodeHeight = kMaxBarcodeHeight;
};

// The text takes full-size lines first and the barcode what is left, up to
// its full height; on a short label the text gives way to the barcode's least.
LabelRows RowsFor(const Box& inner) {
  LabelRows rows;
  const double rest = inner.height - kBarcodeGap - kLines * kFullLine;
  rows.barcodeHeight = std::clamp(rest, kMinBarcodeHeight, kMaxBarcodeHeight);
  rows.lineHeight = std::min(kFullLine, (inner.height - kBarcodeGap - rows.barcodeHeight) / kLines);
  return rows;
}

void AddLine(const Box& box, std::string text, double lineHeight, bool bold, Page& page) {
  page.items.push_back(Text{box, std::move(text), lineHeight / kLineSpacing, Align::Left, false,
                            bold, bold ? Role::Label : Role::Value});
}

// The bars of the id's symbol across `zone`, quiet zones inside it at either
// end; returns the zone's width taken, 0 when the id has no symbol.
double AddBarcode(const std::string& id, const Box& zone, Page& page) {
  const std::optional<BarcodeModules> symbol = Code128Modules(id);
  if (!symbol) {
    return 0.0;
  }
  const int modules = symbol->width + 2 * kCode128QuietZone;
  const double module = std::min(kMaxModule, zone.width / modules);
  const double left = zone.left + kCode128QuietZone * module;
  for (const BarRun& run : symbol->bars) {
    page.items.push_back(
        Rect{{left + run.start * module, zone.top, run.width * module, zone.height},
             true,
             Stroke::Thin,
             Role::Barcode});
  }
  return modules * module;
}

}  // namespace

void AddPieceLabel(const PieceLabel& piece, const Box& label, Page& page) {
  const Box inner = Inside(label, kLabelPadding);
  const LabelRows rows = RowsFor(inner);
  const std::string lines[kLines] = {piece.piece, "Length " + piece.length, piece.stock, piece.cut,
                                     "Job " + piece.job};
  double y = inner.top;
  for (int i = 0; i < kLines; ++i) {
    AddLine({inner.left, y, inner.width, rows.lineHeight}, lines[i], rows.lineHeight, i == 0, page);
    y += rows.lineHeight;
  }
  const Box zone{inner.left, inner.Bottom() - rows.barcodeHeight, inner.width * kBarcodeShare,
                 rows.barcodeHeight};
  const double taken = AddBarcode(piece.id, zone, page);
  // The id in figures beside its barcode, for a label that will not scan.
  const double idHeight = std::min(rows.barcodeHeight, 2.0 * rows.lineHeight);
  page.items.push_back(Text{{zone.left + taken + kBarcodeGap, zone.Bottom() - idHeight,
                             inner.width - taken - kBarcodeGap, idHeight},
                            piece.id,
                            idHeight / kLineSpacing,
                            Align::Centre,
                            false,
                            true,
                            Role::Value});
}

double RollLabelHeight() {
  return 2 * kLabelPadding + kLines * kFullLine + kBarcodeGap + kMaxBarcodeHeight;
}

}  // namespace grill::print
