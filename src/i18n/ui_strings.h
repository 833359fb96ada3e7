#pragma once
// The built-in texts of the user interface in the four languages. They are compiled in and
// chosen once at start-up by the "Lan" value of str.ini (see language.h); nothing is
// translated at run time. Every text is kept exactly as the program shows it, including the
// trailing blanks of the DPI-stage notices (the DPI value follows them directly) and the odd
// spellings of some translations.

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "i18n/language.h"

namespace k8 {

// One string per text, the English text beside each member.
struct UiStrings {
  // page tab
  std::wstring basicSettings;     // "Basic Settings"
  std::wstring advancedSettings;  // "Advanced Settings"
  // common button
  std::wstring ok;      // "OK"
  std::wstring apply;   // "Apply"
  std::wstring cancel;  // "Cancel"
  // button function
  std::wstring leftClick;   // "Left Click"
  std::wstring rightClick;  // "Right Click"
  std::wstring midClick;    // "Mid Click"
  // DPI sub-function
  std::wstring dpiPlus;   // "DPI +"
  std::wstring dpiMinus;  // "DPI -"
  // button function
  std::wstring forward;      // "Forward"
  std::wstring backward;     // "Backward"
  std::wstring tripleClick;  // "Triple-click"
  std::wstring dpiSwitch;    // "DPI Switch"
  std::wstring shift;        // "Shift"
  std::wstring rgbOnOff;     // "RGB On/Off"
  std::wstring windows;      // "Windows"
  std::wstring multimedia;   // "Multimedia"
  std::wstring fireKey;      // "Fire Key"
  std::wstring singleKey;    // "Single Key"
  std::wstring comboKey;     // "Combo Key"
  std::wstring macroKey;     // "Macro Key"
  std::wstring keyOff;       // "Key Off"
  // message
  std::wstring leftKeyMustBeSelected;  // "Left key must be selected!"
  // Basic page: key defaults
  std::wstring keyDefaults;  // "Default"
  // Basic page heading
  std::wstring keySetting;         // "Key Setting"
  std::wstring reportRateSetting;  // "Report Rate Setting"
  std::wstring dpiSetting;         // "DPI Setting"
  // light settings label
  std::wstring dpiEffect;       // "DPI Effect"
  std::wstring lightMode;       // "Mode"
  std::wstring lightParameter;  // "Parameter"
  std::wstring lightEffect;     // "Effect"
  // light mode name
  std::wstring lightStandard;     // "Standard"
  std::wstring lightRespiration;  // "Respiration"
  std::wstring lightNeon;         // "Neon"
  std::wstring lightRgbEffect;    // "RGB Effect"
  std::wstring lightRgbFlash;     // "RGB Flash"
  std::wstring lightRgbFixedOn;   // "RGB Fixed On"
  // report-rate notice
  std::wstring reportRate1000Notice;  // "Switch report rate into 1000HZ"
  std::wstring reportRate500Notice;   // "Switch report rate into 500HZ"
  std::wstring reportRate250Notice;   // "Switch report rate into 250HZ"
  std::wstring reportRate125Notice;   // "Switch report rate into 125HZ"
  // DPI-stage notice
  std::wstring dpiStage1Notice;  // "Switch DPI into the first stage "
  std::wstring dpiStage2Notice;  // "Switch DPI into the second stage "
  std::wstring dpiStage3Notice;  // "Switch DPI into the third stage "
  std::wstring dpiStage4Notice;  // "Switch DPI into the fourth stage "
  // key-matrix notice
  std::wstring keyMatrix1Notice;  // "Switch to key matrix 1"
  std::wstring keyMatrix2Notice;  // "Switch to key matrix 2"
  std::wstring keyMatrix3Notice;  // "Switch to key matrix 3"
  std::wstring keyMatrix4Notice;  // "Switch to key matrix 4"
  // macro-key notice
  std::wstring macroKeyNotice;  // "Switch to macro key"
  // notification menu
  std::wstring exit;  // "Exit"
  // mouse-missing notice
  std::wstring mouseMissing;  // "The system did not detect the gaming mouse!"
  // an Apply that did not reach the mouse whole
  std::wstring settingsNotDelivered;  // "Not all settings reached the mouse. ..."
  // Advanced page
  std::wstring mouseSpeed;               // "Mouse Speed"
  std::wstring scrollingSpeed;           // "Scrolling Speed"
  std::wstring doubleClickSpeed;         // "Double-Click Speed"
  std::wstring macroSetting;             // "Macro Setting"
  std::wstring selectMacro;              // "Select Macro"
  std::wstring keyPressSequence;         // "Key Press Sequence"
  std::wstring recordOption;             // "Record Option"
  std::wstring enhancePointerPrecision;  // "Enhance Pointer Precision"
  std::wstring scrollOneScreen;          // "Scroll One Screen"
  // Advanced page: system defaults
  std::wstring systemDefaults;  // "Default"
  // Advanced page
  std::wstring macroName;         // "Macro Name"
  std::wstring startRecording;    // "Start Recording"
  std::wstring stopRecording;     // "Stop Recording"
  std::wstring loopTimes;         // "Loop Times"
  std::wstring insertMouseEvent;  // "Insert A Mouse Event"
  std::wstring newMacro;          // "New"
  std::wstring deleteMacro;       // "Delete"
  std::wstring confirm;           // "Confirm"
  // macro message
  std::wstring macroNameBlank;        // "Macro name is blank"
  std::wstring macroNameExists;       // "Macro name already exists"
  std::wstring pressCtrlBreakToStop;  // "Press Ctrl+Break key to stop recording"
  std::wstring notRecording;  // "It doesn’t start recording, unnecessary to press Stop key!"
};

// Every text of `language`.
UiStrings uiStringsFor(Language language);

// The text of a function number (0 "Left Click" .. 15 "Key Off", the order of the function
// list); "" outside 0-15.
std::wstring_view functionText(const UiStrings& ui, int function);

// The table behind uiStringsFor: one row per text, in the order of the members above, with the
// text of each language at languageIndex(language).
struct UiTextRow {
  std::wstring UiStrings::*member;
  std::array<std::wstring_view, kLanguageCount> text;
};
inline constexpr int kUiTextCount = 76;
std::span<const UiTextRow> uiTextTable();

}  // namespace k8
