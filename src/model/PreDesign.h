#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace grill {

// The predesigns a design is laid out by, in the order of the PreDesign combo box.
enum class PreDesign { Cottage1, Cottage2, Standard, Prarie, CustomCottage };

// The combo box's entries, by PreDesign; job files store the same names.
inline constexpr std::array<std::string_view, 5> kPreDesignNames = {
    "Cottage1", "Cottage2", "Standard", "Prarie", "Custom Cottage"};

inline std::string_view PreDesignName(PreDesign preDesign) {
  return kPreDesignNames[static_cast<std::size_t>(preDesign)];
}

// The predesign of that name; nothing for any other text.
inline std::optional<PreDesign> PreDesignNamed(std::string_view name) {
  for (std::size_t i = 0; i < kPreDesignNames.size(); ++i) {
    if (kPreDesignNames[i] == name) {
      return static_cast<PreDesign>(i);
    }
  }
  return std::nullopt;
}

}  // namespace grill
