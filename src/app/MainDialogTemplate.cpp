#include "app/MainDialogTemplate.h"

namespace grill {
namespace {

using K = ControlKind;

// One bar group ("Horz Bars" or "Vert Bars") at x: its list, edit field and
// buttons, in the same places for both directions.
void AddBarGroup(std::vector<ControlSpec>& controls, int x, const char* title, int list, int edit,
                 int editButton, int minus, int plus, int remove, int insert, int respaceBefore,
                 const char* respaceBeforeText, int respaceAfter, const char* respaceAfterText,
                 int setSpacing, int sliderAlign) {
  const int left = x + 7;
  controls.push_back({kNoId, K::GroupBox, title, x, 7, 106, 176});
  controls.push_back({list, K::ListBox, "", left, 18, 92, 62});
  controls.push_back({edit, K::Edit, "", left, 84, 92, 13});
  controls.push_back({editButton, K::PushButton, "Edit", left, 101, 30, 13});
  controls.push_back({minus, K::PushButton, "-", left + 33, 101, 28, 13});
  controls.push_back({plus, K::PushButton, "+", left + 64, 101, 28, 13});
  controls.push_back({remove, K::PushButton, "Remove", left, 117, 45, 13});
  controls.push_back({insert, K::PushButton, "Insert", left + 47, 117, 45, 13});
  controls.push_back({respaceBefore, K::PushButton, respaceBeforeText, left, 133, 92, 12});
  controls.push_back({respaceAfter, K::PushButton, respaceAfterText, left, 147, 92, 12});
  controls.push_back({setSpacing, K::PushButton, "Set Spacing", left, 163, 45, 13});
  controls.push_back({sliderAlign, K::PushButton, "Slider Align", left + 47, 163, 45, 13});
}

DialogTemplate BuildMainDialog() {
  DialogTemplate t;
  t.templateId = 102;
  t.title = kApplicationTitle;
  t.width = 483;
  t.height = 334;
  auto& c = t.controls;

  c.push_back({kEqualSpaceRadio, K::RadioButton, "Equal Space", 197, 15, 57, 10});
  c.push_back({kDividedRadio, K::RadioButton, "Divided", 197, 29, 57, 10});

  AddBarGroup(c, 255, "Horz Bars", kHorzList, kHorzEdit, kHorzEditButton, kHorzMinusButton,
              kHorzPlusButton, kHorzRemoveButton, kHorzInsertButton, kRespaceAboveButton,
              "Respace Above", kRespaceBelowButton, "Respace Below", kHorzSetSpacingButton,
              kHorzSliderAlignButton);
  AddBarGroup(c, 371, "Vert Bars", kVertList, kVertEdit, kVertEditButton, kVertMinusButton,
              kVertPlusButton, kVertRemoveButton, kVertInsertButton, kRespaceLeftButton,
              "Respace Left", kRespaceRightButton, "Respace Right", kVertSetSpacingButton,
              kVertSliderAlignButton);

  c.push_back({kNoteText, K::Label,
               "Note!!!: Ensure that ALL Window Information is properly set before creating a "
               "New Window",
               7, 188, 469, 8});

  c.push_back({kNoId, K::GroupBox, "Window Info", 7, 202, 364, 125});
  // Left column: the design's name, sizes, bar counts and predesign.
  const struct {
    const char* label;
    int id;
    ControlKind kind;
  } left[] = {
      {"Name", kNameEdit, K::Edit},          {"Width", kWidthEdit, K::Edit},
      {"Height", kHeightEdit, K::Edit},      {"Vert Bars", kVertBarsEdit, K::Edit},
      {"Horz Bars", kHorzBarsEdit, K::Edit}, {"PreDesign", kPreDesignCombo, K::DropDownCombo},
  };
  int y = 213;
  for (const auto& row : left) {
    c.push_back({kNoId, K::Label, row.label, 14, y + 2, 52, 9});
    c.push_back({row.id, row.kind, "", 68, y, 64, 13});
    y += 16;
  }
  // Wide enough for its other caption, "Cottage Height".
  c.push_back({kSideWidthLabel, K::Label, "Side Width", 14, y + 2, 52, 9, true});
  c.push_back({kSideWidthEdit, K::Edit, "", 68, y, 64, 13, true});

  // Right column: units, types, colours, quantity and the master file name.
  c.push_back({kInchesRadio, K::RadioButton, "Inches", 140, 214, 45, 10});
  c.push_back({kMillimetresRadio, K::RadioButton, "Millimetres", 190, 214, 60, 10});
  const struct {
    const char* label;
    int id;
    ControlKind kind;
  } right[] = {
      {"Bar Type", kBarTypeCombo, K::DropDownCombo},
      {"Edge Type", kEdgeTypeCombo, K::DropDownCombo},
      {"Inside Color", kInsideColorCombo, K::DropDownCombo},
      {"Outside Color", kOutsideColorCombo, K::DropDownCombo},
      {"Quantity", kQuantityEdit, K::Edit},
      {"Master File", kMasterFileEdit, K::Edit},
  };
  y = 229;
  for (const auto& row : right) {
    c.push_back({kNoId, K::Label, row.label, 140, y + 2, 52, 9});
    c.push_back({row.id, row.kind, "", 195, y, 112, 13});
    y += 16;
  }

  // The command buttons, stacked at x = 315.
  c.push_back({kApplyButton, K::PushButton, "Apply", 315, 213, 50, 14});
  c.push_back({kDeleteButton, K::PushButton, "Delete", 315, 231, 50, 14});
  c.push_back({kNewButton, K::PushButton, "New", 315, 249, 50, 14});
  c.push_back({kProcessDataButton, K::PushButton, "Process Data", 315, 267, 50, 14});
  c.push_back({kProcessAllButton, K::PushButton, "Process All", 315, 285, 50, 14});

  c.push_back({kNoId, K::GroupBox, "Windows", 377, 202, 99, 125});
  c.push_back({kWindowsList, K::SortedListBox, "", 384, 213, 85, 108});

  t.radioPairs = {{kInchesRadio, kMillimetresRadio}, {kEqualSpaceRadio, kDividedRadio}};
  return t;
}

}  // namespace

const DialogTemplate& MainDialogTemplate() {
  static const DialogTemplate instance = BuildMainDialog();
  return instance;
}

}  // namespace grill
