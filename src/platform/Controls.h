#pragma once

#include <string>
#include <string_view>

namespace grill {

// What a control tells its dialog; the dialog's dispatch table maps
// (control id, notification) to a handler.
enum class Notification {
  Clicked,           // push button or radio button
  SelectionChanged,  // list box or combo box, by the user
  TextEdited,        // edit control, by the user's typing
};

// The controls of one dialog, addressed by control id. Texts are bytes; the
// toolkit converts them for display. Every operation on an id that the
// dialog does not have is ignored (reads give empty results).
class Controls {
 public:
  virtual ~Controls() = default;

  // Edit, static, combo (its edit text), buttons (their caption).
  virtual std::string Text(int id) const = 0;
  virtual void SetText(int id, std::string_view text) = 0;

  virtual void SetVisible(int id, bool visible) = 0;
  virtual bool IsVisible(int id) const = 0;

  // List boxes and combo boxes. AddEntry returns the index at which the entry
  // landed (a sorted list places it in order).
  virtual int AddEntry(int id, std::string_view text) = 0;
  virtual int EntryCount(int id) const = 0;
  virtual void ClearEntries(int id) = 0;
  // Selects entry `index`; -1 clears the selection. A combo's text becomes
  // the entry's text. Sends no notification.
  virtual void SetSelection(int id, int index) = 0;
  // The entry the user or a command selected, -1 for none.
  virtual int Selection(int id) const = 0;
  virtual std::string EntryText(int id, int index) const = 0;
  // Index of the first entry equal to `text` exactly, -1 for none.
  virtual int FindEntryExact(int id, std::string_view text) const = 0;

  // Radio buttons: checking one unchecks its partner.
  virtual void SetChecked(int id, bool checked) = 0;
  virtual bool IsChecked(int id) const = 0;

  // A modal message box with the text and an OK button.
  virtual void ShowMessage(std::string_view text) = 0;
  // Ends the dialog as Cancel does.
  virtual void EndDialog() = 0;
  // Asks for a repaint of the dialog (drawing area included).
  virtual void Invalidate() = 0;
};

}  // namespace grill
