#include "print/Code128.h"

#include <zint.h>

#include <algorithm>
#include <cmath>
#include <memory>

namespace grill::print {
namespace {

struct SymbolDeleter {
  void operator()(zint_symbol* symbol) const { ZBarcode_Delete(symbol); }
};

}  // namespace

std::optional<BarcodeModules> Code128Modules(std::string_view text) {
  if (text.empty()) {
    return std::nullopt;
  }
  const std::unique_ptr<zint_symbol, SymbolDeleter> symbol(ZBarcode_Create());
  if (!symbol) {
    return std::nullopt;
  }
  symbol->symbology = BARCODE_CODE128;
  symbol->input_mode = DATA_MODE;
  symbol->show_hrt = 0;
  symbol->whitespace_width = 0;
  symbol->border_width = 0;
  symbol->scale = 1.0f;
  const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
  if (ZBarcode_Encode(symbol.get(), bytes, static_cast<int>(text.size())) >= ZINT_ERROR ||
      ZBarcode_Buffer_Vector(symbol.get(), 0) >= ZINT_ERROR || symbol->vector == nullptr ||
      symbol->width <= 0 || symbol->vector->width <= 0.0f) {
    return std::nullopt;
  }
  // The vector's units are the library's own; its width spans exactly the
  // symbol's modules, so a rectangle's edges divided by one module's share
  // give whole modules.
  const double module = static_cast<double>(symbol->vector->width) / symbol->width;
  BarcodeModules modules{symbol->width, {}};
  for (const zint_vector_rect* rect = symbol->vector->rectangles; rect != nullptr;
       rect = rect->next) {
    const int start = static_cast<int>(std::lround(rect->x / module));
    const int end = static_cast<int>(std::lround((rect->x + rect->width) / module));
    if (end > start) {
      modules.bars.push_back({start, end - start});
    }
  }
  std::sort(modules.bars.begin(), modules.bars.end(),
            [](const BarRun& a, const BarRun& b) { return a.start < b.start; });
  return modules;
}

}  // namespace grill::print
