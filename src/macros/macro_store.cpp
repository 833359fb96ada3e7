#include "macros/macro_store.h"

#include "macros/macro_encoder.h"
#include "macros/macro_file.h"
#include "macros/macro_lines.h"

namespace k8 {
namespace {

std::wstring trimmed(std::wstring_view s) {
  while (!s.empty() && (s.front() == L' ' || s.front() == L'\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == L' ' || s.back() == L'\t')) s.remove_suffix(1);
  return std::wstring(s);
}

}  // namespace

MacroTexts MacroTexts::forLanguage(Language language, std::wstring appTitle) {
  MacroTexts texts;
  texts.nameTooLong = macroRefusalText(MacroRefusal::NameTooLong, language);
  texts.nameListFull = macroRefusalText(MacroRefusal::NameListFull, language);
  texts.tooManySteps = macroRefusalText(MacroRefusal::TooManySteps, language);
  texts.appTitle = std::move(appTitle);
  return texts;
}

void MacroStore::show(const std::wstring& text, bool warning) const {
  if (message_) message_(text, warning ? texts_.warningCaption : texts_.appTitle);
}

std::vector<std::wstring> MacroStore::ListMacros() const { return listMacroNames(file_); }

std::vector<std::wstring> MacroStore::LoadMacro(std::wstring_view name) const {
  return loadMacroLines(file_, name);
}

bool MacroStore::CreateMacro(MacroLists& lists, const std::wstring& typed) {
  // The profile functions trim section names, so the list keeps the name as the file will.
  const std::wstring name = trimmed(typed);
  if (name.empty()) {
    show(texts_.nameBlank, false);
    return false;
  }
  if (lists.names.size() >= static_cast<std::size_t>(kMacroLimit)) {
    show(texts_.tooManyMacros, true);
    return false;
  }
  for (const std::wstring& listed : lists.names) {
    if (sameProfileName(listed, name)) {
      show(texts_.nameExists, false);
      return false;
    }
  }
  if (name.size() > kMacroNameLimit) {
    show(texts_.nameTooLong, true);
    return false;
  }
  std::size_t listLength = name.size() + 1;
  for (const std::wstring& listed : lists.names) listLength += listed.size() + 1;
  if (listLength > kMacroNameListLimit) {
    show(texts_.nameListFull, true);
    return false;
  }
  lists.names.push_back(name);
  lists.selectedName = static_cast<int>(lists.names.size()) - 1;
  lists.events.clear();
  lists.selectedEvent = -1;
  return true;
}

bool MacroStore::SaveMacro(MacroLists& lists, MouseSettings& settings) {
  if (!lists.hasSelectedName()) return false;
  if (macroPairCount(lists.events) > kMacroPairLimit) {
    show(texts_.tooManySteps, true);
    return false;
  }
  const bool written = writeMacroSection(file_, lists.names[lists.selectedName], lists.events);
  if (file_.exists()) EncodeMacros(file_, settings);
  return written;
}

bool MacroStore::DeleteMacro(MacroLists& lists) {
  if (!lists.hasSelectedName()) return false;
  const std::wstring name = lists.names[lists.selectedName];
  lists.names.erase(lists.names.begin() + lists.selectedName);
  lists.selectedName = -1;
  lists.events.clear();
  lists.selectedEvent = -1;
  lists.nameField.clear();
  return file_.deleteSection(name);
}

}  // namespace k8
