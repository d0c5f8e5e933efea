#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "editing/Result.h"
#include "model/Units.h"
#include "model/WindowList.h"

namespace grill {

// The fields New and the window editor share, as typed.
struct DesignFormText {
  std::string name;
  std::string width;
  std::string height;
  std::string vertBars;
  std::string horzBars;
};

// The same fields once every one has passed its check; lengths in millimetres.
struct DesignFormValues {
  std::string name;
  double width = 0.0;
  double height = 0.0;
  std::int32_t vertCount = 0;
  std::int32_t horzCount = 0;
};

// Where the readings of New and the window editor differ.
struct DesignFormRules {
  Unit unit = Unit::Inches;
  // New accepts a direction without bars; the editor needs at least one.
  std::int32_t fewestBars = 0;
  // The design the editor works on, which may keep its present name; none for New.
  std::optional<std::size_t> edited;
};

// Checks the fields in the order the user is told about them; the first
// fault is the refusal. A name already in `designs` is refused, except the
// edited design's own.
Result<DesignFormValues> ReadDesignForm(const DesignFormText& form, const DesignFormRules& rules,
                                        const WindowList& designs);

// A quantity field: empty means 1; otherwise a whole number or nothing.
std::optional<std::int32_t> ReadQuantity(std::string_view text);

}  // namespace grill
