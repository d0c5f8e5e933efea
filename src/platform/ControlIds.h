#pragma once

namespace grill {

// Every control id of the designer's dialogs. The main dialog's ids are the
// numbers its handlers and MenuConfig.txt documentation refer to; the window
// editor's ids live in the same enum so that one table names them all.
enum ControlId : int {
  kNoId = -1,  // labels and group boxes that no handler addresses

  // Dialog results / buttons shared by modal dialogs.
  kIdOk = 1,
  kIdCancel = 2,

  // Main dialog (template 102).
  kWindowsList = 1000,
  kNewButton = 1001,
  kDeleteButton = 1002,
  kVertEdit = 1019,
  kHorzEdit = 1020,
  kHorzList = 1017,
  kVertList = 1018,
  kHorzEditButton = 1021,
  kVertEditButton = 1022,
  kHorzPlusButton = 1025,
  kHorzMinusButton = 1026,
  kVertPlusButton = 1027,
  kVertMinusButton = 1028,
  kNoteText = 1031,
  kHorzRemoveButton = 1032,
  kHorzInsertButton = 1033,
  kVertRemoveButton = 1034,
  kVertInsertButton = 1035,
  kProcessDataButton = 1036,
  kBarTypeCombo = 1037,
  kApplyButton = 1039,
  kOutsideColorCombo = 1040,
  kEdgeTypeCombo = 1047,
  kInsideColorCombo = 1048,
  kNameEdit = 1049,
  kWidthEdit = 1050,
  kHeightEdit = 1051,
  kVertBarsEdit = 1052,
  kHorzBarsEdit = 1053,
  kPreDesignCombo = 1054,
  kSideWidthEdit = 1055,
  kInchesRadio = 1057,
  kMillimetresRadio = 1058,
  kSideWidthLabel = 1059,
  kQuantityEdit = 1061,
  kMasterFileEdit = 1062,
  kProcessAllButton = 1063,
  kRespaceLeftButton = 1065,
  kRespaceAboveButton = 1066,
  kRespaceRightButton = 1067,
  kRespaceBelowButton = 1068,
  kHorzSetSpacingButton = 1069,
  kVertSetSpacingButton = 1070,
  kEqualSpaceRadio = 1071,
  kDividedRadio = 1072,
  kHorzSliderAlignButton = 1073,
  kVertSliderAlignButton = 1074,

  // Window editor (template 103).
  kEditorNameEdit = 1004,
  kEditorHeightEdit = 1005,
  kEditorWidthEdit = 1006,
  kEditorVertBarsEdit = 1007,
  kEditorHorzBarsEdit = 1008,
  kEditorInchesRadio = 1012,
  kEditorMillimetresRadio = 1013,

  // Job properties (template 104).
  kJobCustomerEdit = 1080,
  kJobOrderEdit = 1081,
  kJobDueDateEdit = 1082,
  kJobNotesEdit = 1083,
  // Export settings (template 106).
  kExportFolderRadio = 1201,
  kJobFolderRadio = 1202,
};

// The system command number of the "About" menu item.
inline constexpr int kAboutCommand = 16;
// The system command number of the system menu's "Close".
inline constexpr int kCloseCommand = 0xF060;

}  // namespace grill
