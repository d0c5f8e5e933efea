#pragma once

#include <cstdint>
#include <optional>

#include "config/ConfigRecords.h"
#include "model/GrillWindow.h"

namespace grill {

// What Process Data stores into the current design before its run: the
// quantity typed and the colours chosen, each only when present.
struct ExportSettings {
  std::optional<std::int32_t> quantity;
  const ColorEntry* insideColor = nullptr;
  const ColorEntry* outsideColor = nullptr;
};

// `design` with the settings that are present stored into it.
GrillWindow WithExportSettings(const GrillWindow& design, const ExportSettings& settings);

}  // namespace grill
