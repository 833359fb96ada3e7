#include "i18n/captions.h"

#include "i18n/ui_strings.h"

namespace k8 {
namespace {

bool isBlank(wchar_t c) { return c == L' ' || c == L'\t'; }
bool isQuote(wchar_t c) { return c == L'"' || c == L'\''; }

// Profile reads trim blanks at both ends and drop a pair of quotes around a value, and a line
// break would end the line early. A caption (a macro or key name, say) is written so that it
// reads back as it was: line breaks become blanks, and a value that would lose something is
// put in double quotes, which the read removes again.
std::wstring storableValue(std::wstring_view caption) {
  std::wstring value(caption);
  for (wchar_t& c : value) {
    if (c == L'\r' || c == L'\n') c = L' ';
  }
  if (!value.empty() && (isBlank(value.front()) || isBlank(value.back()) ||
                         (value.size() >= 2 && isQuote(value.front()) && isQuote(value.back())) ||
                         (value.size() == 1 && isQuote(value.front())))) {
    value = L'"' + value + L'"';
  }
  return value;
}

}  // namespace

std::wstring captionKey(int mode, int button) {
  if (button < 0 || button >= kButtonSlots) return {};
  const int number = button + 1;
  return L"Item" + std::to_wstring(mode == 1 ? 10 * number + 3 : number);
}

ButtonCaptions defaultCaptions(Language language) {
  const UiStrings ui = uiStringsFor(language);
  const std::array<std::wstring, kButtonSlots> labels = {
      ui.leftClick, ui.rightClick,  ui.midClick, ui.forward, ui.backward, ui.dpiPlus,
      ui.dpiMinus,  ui.tripleClick, ui.keyOff,   ui.keyOff,  ui.keyOff,   ui.keyOff};
  return {labels, labels};
}

ButtonCaptions readCaptions(const ProfileFile& strIni, Language language) {
  const std::wstring_view section = languageSection(language);
  ButtonCaptions captions;
  for (int mode = 0; mode < 2; ++mode) {
    for (int button = 0; button < kButtonSlots; ++button) {
      captions.mode(mode)[button] = strIni.readString(section, captionKey(mode, button));
    }
  }
  return captions;
}

bool writeCaptions(ProfileFile& strIni, Language language, const ButtonCaptions& captions) {
  const std::wstring_view section = languageSection(language);
  bool ok = true;
  for (int mode = 0; mode < 2; ++mode) {
    for (int button = 0; button < kButtonSlots; ++button) {
      ok = strIni.writeString(section, captionKey(mode, button),
                              storableValue(captions.mode(mode)[button])) &&
           ok;
    }
  }
  return ok;
}

bool CaptionStore::applyFirstRunDefaults(std::uint8_t firstRunFlag) {
  const bool first = !firstShowingSeen_;
  firstShowingSeen_ = true;
  if (!first || firstRunFlag != 0) return false;
  captions_ = defaultCaptions(language_);
  save();
  return true;
}

}  // namespace k8
