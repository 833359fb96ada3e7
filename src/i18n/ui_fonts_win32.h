#pragma once
// The UI fonts of this system: uiFontsFor with the running Windows version, made into GDI fonts.

#include <windows.h>

#include "i18n/ui_fonts.h"

namespace k8 {

UiFonts systemUiFonts(Language language);
// A new font the caller owns (nullptr on failure).
HFONT createUiFont(const UiFont& font);

}  // namespace k8
