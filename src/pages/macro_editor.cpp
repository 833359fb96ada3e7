#include "pages/macro_editor.h"

#include <algorithm>

#include "macros/macro_encoder.h"
#include "macros/macro_lines.h"
#include "pages/hover.h"
#include "pages/layout_table.h"
#include "pages/regions.h"
#include "platform/text.h"

namespace k8 {
namespace {

MacroTexts macroTexts(const UiStrings& ui, Language language) {
  // An empty caption is the program's name (PageHost::messageBox).
  MacroTexts t = MacroTexts::forLanguage(language, L"");
  t.nameBlank = ui.macroNameBlank;
  t.nameExists = ui.macroNameExists;
  return t;
}

RecorderTexts recorderTexts(const UiStrings& ui) {
  RecorderTexts t;
  t.startRecording = ui.startRecording;
  t.stopRecording = ui.stopRecording;
  t.recordingTitle = ui.pressCtrlBreakToStop;
  t.notStarted = ui.notRecording;
  t.nameBlank = ui.macroNameBlank;
  t.appTitle = L"";
  return t;
}

bool validIndex(int index, std::size_t size) {
  return index >= 0 && static_cast<std::size_t>(index) < size;
}

}  // namespace

MacroEditor::MacroEditor(PageModel& model, PageHost& host, Controls& controls,
                         ProfileFile& recordIni, RecorderHost& recorderHost)
    : model_(model),
      host_(host),
      controls_(controls),
      store_(recordIni, macroTexts(model.texts, model.captions.language()),
             [&host](const std::wstring& text, const std::wstring& caption) {
               host.messageBox(text, caption);
             }),
      recorder_(recorderHost, recorderTexts(model.texts),
                [&host](const std::wstring& text, const std::wstring& caption) {
                  host.messageBox(text, caption);
                }) {}

void MacroEditor::createChildren() {
  using layout::rect;
  controls_.createEdit(kMacroNameId, rect("advanced", "macro name edit"), L"", kStyleCentre);
  controls_.createEdit(kLoopTimesId, rect("advanced", "loop times edit"), L"",
                       kStyleCentre | kStyleNumber);
  controls_.createListBox(kMacroListId, rect("advanced", "macro list"), {}, kStyleNotify);
  // A long macro has more lines than the list shows: it scrolls.
  controls_.createListBox(kSequenceListId, rect("advanced", "key press sequence list"), {},
                          kStyleNotify | kStyleVScroll);
  controls_.createLabel(kInsertLabelId, rect("advanced", "insert mouse event label"), L"",
                        kStyleCentre);
  shownNames_.clear();
  shownEvents_.clear();
  lists_ = {};
  lists_.names = store_.ListMacros();
  if (!lists_.names.empty()) {
    lists_.selectedName = 0;
    lists_.nameField = lists_.names[0];
    lists_.events = store_.LoadMacro(lists_.names[0]);
  }
  push();
  if (lists_.names.empty()) {
    controls_.setText(kLoopTimesId, L"");
    loopTimesChanged();
  } else {
    showLoopCount(0);
  }
}

void MacroEditor::destroyChildren() {
  recorder_.removeHook();
  for (int id :
       {kMacroNameId, kLoopTimesId, kMacroListId, kSequenceListId, kInsertLabelId, kInsertListId})
    controls_.destroy(id);
  shownNames_.clear();
  shownEvents_.clear();
}

void MacroEditor::pull() {
  lists_.selectedName = controls_.selection(kMacroListId);
  lists_.selectedEvent = controls_.selection(kSequenceListId);
  lists_.nameField = controls_.text(kMacroNameId);
}

void MacroEditor::push() {
  if (shownNames_ != lists_.names) {
    controls_.clearItems(kMacroListId);
    for (const std::wstring& name : lists_.names) controls_.addItem(kMacroListId, name);
    shownNames_ = lists_.names;
  }
  controls_.setSelection(kMacroListId, lists_.hasSelectedName() ? lists_.selectedName : kNoItem);
  if (shownEvents_ != lists_.events) {
    controls_.clearItems(kSequenceListId);
    for (const std::wstring& line : lists_.events) controls_.addItem(kSequenceListId, line);
    shownEvents_ = lists_.events;
  }
  controls_.setSelection(kSequenceListId, validIndex(lists_.selectedEvent, lists_.events.size())
                                              ? lists_.selectedEvent
                                              : kNoItem);
  if (controls_.text(kMacroNameId) != lists_.nameField)
    controls_.setText(kMacroNameId, lists_.nameField);
}

void MacroEditor::showLoopCount(int image) {
  if (!validIndex(image, model_.working().macroImages.size())) return;
  const auto count = repeatCount(model_.working().macroImages[static_cast<std::size_t>(image)]);
  controls_.setText(kLoopTimesId, std::to_wstring(count));
  loopTimesChanged();
}

void MacroEditor::loopTimesChanged() {
  if (!controls_.exists(kLoopTimesId)) return;
  bool replaced = false;
  const std::uint16_t count = loopTimesFromText(controls_.text(kLoopTimesId), replaced);
  // The edit gets "1" back, which notifies again; that second pass stores the same 1.
  if (replaced) controls_.setText(kLoopTimesId, L"1");
  auto& images = model_.working().macroImages;
  const int selected = controls_.selection(kMacroListId);
  if (validIndex(selected, images.size()))
    setRepeatCount(images[static_cast<std::size_t>(selected)], count);
}

void MacroEditor::newMacro() {
  pull();
  if (store_.CreateMacro(lists_, controls_.text(kMacroNameId))) push();
}

void MacroEditor::deleteMacro() {
  pull();
  store_.DeleteMacro(lists_);
  push();
}

void MacroEditor::confirmMacro() {
  pull();
  store_.SaveMacro(lists_, model_.working());
}

void MacroEditor::startRecording() {
  pull();
  recorder_.StartRecording(lists_);
  push();
}

void MacroEditor::stopRecording() { recorder_.StopRecording(); }

void MacroEditor::onHookKey(std::wstring_view keyName, std::uint32_t keyData) {
  recorder_.onHookKey(keyName, keyData);
}

void MacroEditor::onRecorderMessage(RecorderKind kind) {
  pull();
  recorder_.onRecorderMessage(kind, lists_);
  push();
}

void MacroEditor::insertBoxClick() {
  if (controls_.exists(kInsertListId)) {
    controls_.destroy(kInsertListId);
    return;
  }
  controls_.createListBox(kInsertListId, insertEventListArea(),
                          {std::begin(kMouseEventEntries), std::end(kMouseEventEntries)},
                          kStyleBorder | kStyleNotify);
}

void MacroEditor::dismiss(Point p) {
  if (controls_.exists(kInsertListId) && !regionOf(Control::InsertEventBox).contains(p) &&
      !insertEventListArea().contains(p))
    controls_.destroy(kInsertListId);
}

void MacroEditor::deleteSelectedLine() {
  pull();
  if (!validIndex(lists_.selectedEvent, lists_.events.size())) return;
  lists_.events.erase(lists_.events.begin() + lists_.selectedEvent);
  lists_.selectedEvent = -1;
  push();
}

void MacroEditor::hover(int id, Point p) {
  if (id == kSequenceListId || id == kInsertListId) hotTrackList(controls_, id, p);
}

void MacroEditor::command(int id, Notify code) {
  if (id == kLoopTimesId && code == Notify::Change) {
    loopTimesChanged();
  } else if (id == kMacroListId && code == Notify::SelChange) {
    pull();
    if (!lists_.hasSelectedName()) return;
    lists_.nameField = lists_.names[static_cast<std::size_t>(lists_.selectedName)];
    lists_.events = store_.LoadMacro(lists_.nameField);
    lists_.selectedEvent = -1;
    push();
    if (!lists_.events.empty()) showLoopCount(lists_.selectedName);
  } else if (id == kSequenceListId && code == Notify::DoubleClick) {
    pull();
    const int line = lists_.selectedEvent;
    if (!validIndex(line, lists_.events.size()) ||
        lists_.events[static_cast<std::size_t>(line)].find(L"ms") == std::wstring::npos)
      return;
    const auto typed = host_.dialogs().delayTime();
    if (!typed) return;
    // Anything past the upper limit is the limit; a long holds no more than 32 bits on Windows.
    const long delay = static_cast<long>(
        std::min<std::int64_t>(decimalNumber(*typed, NumberForm::Digits), 100000));
    replaceDelayLine(lists_, static_cast<std::size_t>(line), delay, *typed);
    push();
  } else if (id == kInsertListId && code == Notify::SelChange) {
    const std::wstring entry =
        controls_.itemText(kInsertListId, controls_.selection(kInsertListId));
    if (entry.empty()) return;
    controls_.setText(kInsertLabelId, entry);
    controls_.destroy(kInsertListId);
    pull();
    insertMouseEvent(lists_, entry);
    push();
  }
}

}  // namespace k8
