#include "editing/DesignForm.h"

#include "editing/TypedLength.h"
#include "model/Measurements.h"
#include "model/NameRules.h"

namespace grill {
namespace {

// The smallest width or height, in the unit as typed.
constexpr double kSmallestTypedSize = 0.1;

std::optional<std::int32_t> ReadBarCount(std::string_view text, std::int32_t fewest) {
  int ok = 0;
  const std::int32_t count = ParseInteger(text, ok);
  if (ok == 0 || count < fewest || count > kMaxBars) {
    return std::nullopt;
  }
  return count;
}

}  // namespace

Result<DesignFormValues> ReadDesignForm(const DesignFormText& form, const DesignFormRules& rules,
                                        const WindowList& designs) {
  if (form.name.empty()) {
    return Refusal{"Input Name"};
  }
  const bool ownName =
      rules.edited && *rules.edited < designs.size() && designs[*rules.edited].name == form.name;
  if (!ownName && designs.FindWindowByName(form.name) != nullptr) {
    return Refusal{"Name Already Exists"};
  }
  if (!IsAcceptableDesignName(form.name)) {
    return Refusal{"Invalid Name"};
  }
  const auto width = ParseTypedLengthFrom(form.width, rules.unit, kSmallestTypedSize);
  if (!width) {
    return Refusal{"Invalid Width"};
  }
  const auto height = ParseTypedLengthFrom(form.height, rules.unit, kSmallestTypedSize);
  if (!height) {
    return Refusal{"Invalid Height"};
  }
  const auto vertCount = ReadBarCount(form.vertBars, rules.fewestBars);
  if (!vertCount) {
    return Refusal{"Invalid Vertical Sections"};
  }
  const auto horzCount = ReadBarCount(form.horzBars, rules.fewestBars);
  if (!horzCount) {
    return Refusal{"Invalid Horizontal Sections"};
  }
  return DesignFormValues{form.name, *width, *height, *vertCount, *horzCount};
}

std::optional<std::int32_t> ReadQuantity(std::string_view text) {
  if (text.empty()) {
    return 1;
  }
  int ok = 0;
  const std::int32_t quantity = ParseInteger(text, ok);
  if (ok == 0 || quantity > kMaxQuantity) {
    return std::nullopt;
  }
  return quantity;
}

}  // namespace grill
