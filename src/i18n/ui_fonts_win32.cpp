#include "i18n/ui_fonts_win32.h"

namespace k8 {

UiFonts systemUiFonts(Language language) {
  const DWORD version = GetVersion();
  return uiFontsFor(language, LOBYTE(LOWORD(version)), HIBYTE(LOWORD(version)));
}

HFONT createUiFont(const FontSpec& spec) {
  return CreateFontW(spec.height, 0, 0, 0, spec.weight, FALSE, FALSE, FALSE, kFontCharset,
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, kFontPitchAndFamily,
                     spec.face.data());
}

}  // namespace k8
