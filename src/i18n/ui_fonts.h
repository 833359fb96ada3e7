#pragma once
// The two fonts of the main window (normal and bold), chosen by language and, for Simplified
// Chinese, by the system version. Only face, height and weight vary; every font is otherwise
// created with width 0, no escapement or orientation, not italic, underlined or struck out,
// character set 0 (ANSI_CHARSET), default precision and quality and pitch-and-family 0x20
// (FF_SWISS).

#include <string_view>

#include "i18n/language.h"

namespace k8 {

struct UiFont {
  std::wstring_view face;  // a NUL-terminated literal
  int height = 0;
  int weight = 0;
};

struct UiFonts {
  UiFont normal;
  UiFont bold;
};

inline constexpr int kFontCharset = 0;            // ANSI_CHARSET
inline constexpr int kFontPitchAndFamily = 0x20;  // FF_SWISS

// `majorVersion` and `minorVersion` are the system version as GetVersion reports it; only
// 6.2 changes the choice (Simplified Chinese then uses the same face as Traditional Chinese).
UiFonts uiFontsFor(Language language, unsigned majorVersion, unsigned minorVersion);

}  // namespace k8
