#pragma once

#include <vector>

#include "app/RecoveryFormat.h"
#include "platform/Controls.h"

namespace grill {

// The Window Info fields, which describe a design before New or Apply makes
// it, kept in the recovery copy so that neither Escape nor a crash loses a
// design typed but not yet made.

// Whether the control with `id` is one of those fields.
bool IsFormField(int id);
// What each field holds, by its word.
std::vector<FieldText> ReadFormTexts(const Controls& controls);
// Puts the texts back; a word the dialog does not know is left out, and a
// predesign the list does not hold leaves the list as it is.
void ShowFormTexts(Controls& controls, const std::vector<FieldText>& form);

}  // namespace grill
