#pragma once
// The ids of the main window's child controls, one set for the pages that create them, the
// colour rules that paint them and the window that routes their notifications.

namespace k8 {

// Basic page: button functions and the DPI list beside "DPI Switch".
inline constexpr int kDpiListId = 37;
inline constexpr int kFunctionListFirstId = 41;  // 41-48 for buttons 0-7
// Basic page: the light area.
inline constexpr int kLightModeListId = 63;
inline constexpr int kLightParameterListId = 64;
inline constexpr int kLightOptionListId = 65;
inline constexpr int kSwatchFirstId = 71;  // 71-74 for stages 1-4
inline constexpr int kSwatchLastId = kSwatchFirstId + 3;
inline constexpr int kLightModeLabelId = 80;
inline constexpr int kLightParameterLabelId = 81;
inline constexpr int kLightOptionLabelId = 82;
inline constexpr int kScaleLabelFirstId = 90;  // 90-101: DPI scale labels of levels 1-12
// Advanced page: the macro editor.
inline constexpr int kInsertLabelId = 119;
inline constexpr int kLoopTimesId = 149;
inline constexpr int kMacroNameId = 150;
inline constexpr int kMacroListId = 151;
inline constexpr int kSequenceListId = 152;
inline constexpr int kInsertListId = 154;
inline constexpr int kDeleteLineCommand = 32772;  // the sequence list's popup menu entry

constexpr bool isSwatchId(int id) { return id >= kSwatchFirstId && id <= kSwatchLastId; }

}  // namespace k8
