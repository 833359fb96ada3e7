#include "i18n/ui_fonts_win32.h"

namespace k8 {

UiFonts systemUiFonts(Language language) {
  const DWORD version = GetVersion();
  return uiFontsFor(language, LOBYTE(LOWORD(version)), HIBYTE(LOWORD(version)));
}

HFONT createUiFont(const UiFont& font) {
  return CreateFontW(font.height, 0, 0, 0, font.weight, FALSE, FALSE, FALSE, kFontCharset,
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, kFontPitchAndFamily,
                     font.face.data());
}

}  // namespace k8
