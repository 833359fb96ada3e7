#pragma once
// The macro store: the operations behind the Advanced page's "New", "Delete" and "Confirm"
// over record.ini and over a model of the page's two lists. Messages go to the caller.

#include <string>
#include <vector>

#include "i18n/language.h"
#include "platform/profile.h"
#include "settings/config_file.h"
#include "settings/mouse_settings.h"

namespace k8 {

// The Advanced page's macro-name list, its event list and the name field (-1: no selection).
struct MacroLists {
  std::vector<std::wstring> names;
  int selectedName = -1;
  std::vector<std::wstring> events;
  int selectedEvent = -1;
  std::wstring nameField;

  bool hasSelectedName() const {
    return selectedName >= 0 && static_cast<std::size_t>(selectedName) < names.size();
  }
};

// Refusals this program adds to the three of the page; texts in every language.
enum class MacroRefusal { NameTooLong, NameListFull, TooManySteps };
std::wstring macroRefusalText(MacroRefusal refusal, Language language);

// The texts the store shows. The first three are UiStrings of the current language; the
// defaults are the English ones.
struct MacroTexts {
  std::wstring nameBlank = L"Macro name is blank";
  std::wstring tooManyMacros = L"Macro numbers up to 12.";
  std::wstring nameExists = L"Macro name already exists";
  std::wstring nameTooLong;
  std::wstring nameListFull;
  std::wstring tooManySteps;
  std::wstring warningCaption = L"Warning";
  std::wstring appTitle;  // caption of the boxes without "Warning"

  // The refusal texts of `language`, the rest left English until the caller sets them.
  static MacroTexts forLanguage(Language language, std::wstring appTitle);
};

class MacroStore {
 public:
  MacroStore(ProfileFile& recordIni, MacroTexts texts, MessageFn message)
      : file_(recordIni), texts_(std::move(texts)), message_(std::move(message)) {}

  std::vector<std::wstring> ListMacros() const;
  std::vector<std::wstring> LoadMacro(std::wstring_view name) const;

  // Adds `name` to the name list and selects it, emptying the event list; nothing is written
  // until SaveMacro. Refuses a blank name, a thirteenth macro, a name already listed (ignoring
  // case), a name over 31 characters and a name that would push the names past 255 characters.
  bool CreateMacro(MacroLists& lists, const std::wstring& name);
  // Writes the selected macro's lines to record.ini (the section keeps its place) and rebuilds
  // the macro images of `settings` from the file. A macro needing more event pairs than an
  // image holds is refused and nothing is written.
  bool SaveMacro(MacroLists& lists, MouseSettings& settings);
  // Removes the selected macro from the list and its section from record.ini. The images are
  // rebuilt at the next save.
  bool DeleteMacro(MacroLists& lists);

 private:
  void show(const std::wstring& text, bool warning) const;

  ProfileFile& file_;
  MacroTexts texts_;
  MessageFn message_;
};

}  // namespace k8
