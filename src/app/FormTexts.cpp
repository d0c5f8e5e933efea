#include "app/FormTexts.h"

#include <algorithm>
#include <string_view>

#include "app/DesignView.h"
#include "platform/ControlIds.h"

namespace grill {
namespace {

struct FormField {
  std::string_view word;
  int id;
};

constexpr FormField kFormFields[] = {
    {"name", kNameEdit},
    {"width", kWidthEdit},
    {"height", kHeightEdit},
    {"vertical bars", kVertBarsEdit},
    {"horizontal bars", kHorzBarsEdit},
    {"predesign", kPreDesignCombo},
    {"side width", kSideWidthEdit},
    {"quantity", kQuantityEdit},
    {"bar type", kBarTypeCombo},
    {"edge type", kEdgeTypeCombo},
    {"inside colour", kInsideColorCombo},
    {"outside colour", kOutsideColorCombo},
};

const FormField* FieldNamed(std::string_view word) {
  const auto found = std::find_if(std::begin(kFormFields), std::end(kFormFields),
                                  [word](const FormField& field) { return field.word == word; });
  return found != std::end(kFormFields) ? found : nullptr;
}

}  // namespace

bool IsFormField(int id) {
  return std::any_of(std::begin(kFormFields), std::end(kFormFields),
                     [id](const FormField& field) { return field.id == id; });
}

std::vector<FieldText> ReadFormTexts(const Controls& controls) {
  std::vector<FieldText> form;
  for (const FormField& field : kFormFields) {
    form.push_back({std::string(field.word), controls.Text(field.id)});
  }
  return form;
}

void ShowFormTexts(Controls& controls, const std::vector<FieldText>& form) {
  for (const FieldText& text : form) {
    const FormField* field = FieldNamed(text.field);
    if (field == nullptr) {
      continue;
    }
    // The predesign is picked from its list, which shows or hides the side width.
    if (field->id == kPreDesignCombo) {
      if (const int entry = controls.FindEntryExact(kPreDesignCombo, text.text); entry >= 0) {
        controls.SetSelection(kPreDesignCombo, entry);
        ShowSideWidthField(controls);
      }
      continue;
    }
    controls.SetText(field->id, text.text);
  }
}

}  // namespace grill
