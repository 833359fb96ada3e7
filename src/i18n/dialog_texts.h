#pragma once
// The texts the key-function dialogs and the skins dialog choose by the language themselves:
// button captions, prompts, list entries and repeat-mode texts. Every view refers to a static,
// NUL-terminated literal, so `data()` may be handed to the system as it is.

#include <array>
#include <string_view>

#include "i18n/language.h"

namespace k8 {

// The OK and Cancel captions shared by every sub-dialog.
struct OkCancelTexts {
  std::wstring_view ok;
  std::wstring_view cancel;
};
OkCancelTexts okCancelTexts(Language language);

// Single-key dialog: "Please enter a key".
std::wstring_view singleKeyPrompt(Language language);

// Fire-key dialog: the labels above the two fields and the two range explanations below them.
struct FireKeyTexts {
  std::wstring_view speedLabel;
  std::wstring_view timesLabel;
  std::wstring_view speedRange;
  std::wstring_view timesRange;
};
FireKeyTexts fireKeyTexts(Language language);

// Delay-time dialog: "Please enter a delay" and "(value range 20-10000)".
struct DelayTimeTexts {
  std::wstring_view prompt;
  std::wstring_view range;
};
DelayTimeTexts delayTimeTexts(Language language);

// Macro-key dialog: the labels of repeat modes 1-3 (repeatMode[0] is mode 1) and the prompt.
struct MacroDialogTexts {
  std::array<std::wstring_view, 3> repeatMode;
  std::wstring_view prompt;
};
MacroDialogTexts macroDialogTexts(Language language);

// Skins dialog: "Please click to set the UI text color".
std::wstring_view skinsColorPrompt(Language language);

// The entries of the media-key list (7, "Next" .. "Vol-") and of the Windows-function list
// (11, "Multimedia Player" .. "Browser-My Favorites"), in list order; "" outside the list.
int mediaItemCount();
std::wstring_view mediaItemText(Language language, int index);
int windowsItemCount();
std::wstring_view windowsItemText(Language language, int index);

}  // namespace k8
