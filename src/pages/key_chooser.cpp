#include "pages/key_chooser.h"

#include <array>
#include <vector>

#include "pages/hover.h"
#include "pages/regions.h"
#include "settings/key_codes.h"
#include "settings/key_tables.h"

namespace k8 {
namespace {

int listId(int button) { return kFunctionListFirstId + button; }

std::vector<std::wstring> functionItems(const UiStrings& ui) {
  std::vector<std::wstring> items;
  for (int f = 0; f < kFunctionCount; ++f) items.emplace_back(functionText(ui, f));
  return items;
}

std::vector<std::wstring> dpiItems() {
  std::vector<std::wstring> items;
  for (int action = 1; action <= kDpiActionCount; ++action)
    items.emplace_back(dpiActionName(action));
  return items;
}

std::wstring joined(std::wstring_view head, std::wstring_view tail) {
  return std::wstring(head) + L"-" + std::wstring(tail);
}

}  // namespace

int KeyChooser::openButton() const {
  for (int b = 0; b < kButtonCount; ++b)
    if (isOpen(b)) return b;
  return -1;
}

void KeyChooser::close(int button) {
  if (button < 0 || button >= kButtonCount) return;
  controls_.destroy(listId(button));
  controls_.destroy(kDpiListId);
}

void KeyChooser::closeAll() {
  for (int b = 0; b < kButtonCount; ++b) close(b);
}

void KeyChooser::fieldClick(int button) {
  if (button < 0 || button >= kButtonCount) return;
  if (isOpen(button)) {
    close(button);
    return;
  }
  for (int b = 0; b < kButtonCount; ++b)
    if (b != button && isOpen(b)) close(b);

  // The last left click may not be given away: the user could not click anything any more.
  const MouseSettings& s = model_.working();
  const KeyModeBlock& block = s.mode(s.shownMode());
  if (block.function[button] == kLeftClick) {
    bool another = false;
    for (int b = 0; b < kButtonSlots; ++b)
      if (b != button && block.function[b] == kLeftClick) another = true;
    if (!another) {
      host_.messageBox(model_.texts.leftKeyMustBeSelected, kWarningCaption);
      return;
    }
  }
  controls_.createListBox(listId(button), functionListArea(button + 1), functionItems(model_.texts),
                          kStyleBorder | kStyleNotify);
}

void KeyChooser::createDpiList(int button) {
  const int id = listId(button);
  const Rect list = controls_.rect(id);
  const Rect item = controls_.itemRect(id, kDpiSwitchItem);
  const int x = list.left + item.right;
  const int y = list.top + item.top;
  controls_.createListBox(kDpiListId, {x, y, x + kDpiListWidth, y + kDpiListHeight}, dpiItems(),
                          kStyleBorder | kStyleNotify);
}

void KeyChooser::hover(int id, Point p) {
  if (id == kDpiListId) {
    hotTrackList(controls_, id, p);
    return;
  }
  if (!isFunctionListId(id)) return;
  const int item = hotTrackList(controls_, id, p);
  if (item == kNoItem) return;
  if (item == kDpiSwitchItem) {
    if (!controls_.exists(kDpiListId)) createDpiList(id - kFunctionListFirstId);
  } else {
    controls_.destroy(kDpiListId);
  }
}

void KeyChooser::listNotification(int id) {
  if (id == kDpiListId) {
    chooseDpiAction();
  } else if (isFunctionListId(id)) {
    choose(id - kFunctionListFirstId);
  }
}

bool KeyChooser::storeChoice(int b, int f) {
  MouseSettings& s = model_.working();
  const int m = s.shownMode();
  const int other = 1 - m;
  KeyModeBlock& block = s.mode(m);
  auto& texts = model_.captions.captions();
  const UiStrings& ui = model_.texts;
  SubDialogs& dialogs = host_.dialogs();
  const auto byte = [](int v) { return static_cast<std::uint8_t>(v); };

  if (f == kShift) {
    for (int k = 0; k < kButtonCount; ++k)
      if (block.function[k] == kShift) return true;  // one Shift button only
    s.modeA.function[b] = kShift;
    s.modeB.function[b] = kShift;
    texts.modeA[b] = ui.shift;
    texts.modeB[b] = ui.shift;
    return true;
  }

  std::wstring text;
  switch (f) {
    case kWindowsFunction: {
      const auto c = dialogs.windowsFunction();
      if (!c) return false;
      block.windowsIndex[b] = byte(c->index);
      block.windowsUsageLow[b] = windowsUsageLow(c->index);
      block.windowsUsageHigh[b] = c->index <= 3 ? 1 : 2;
      text = c->name;
      break;
    }
    case kMultimedia: {
      const auto c = dialogs.mediaKey();
      if (!c) return false;
      block.mediaIndex[b] = byte(c->index);
      block.mediaUsage[b] = mediaUsage(c->index);
      text = joined(ui.multimedia, c->name);
      break;
    }
    case kFireKey: {
      const auto c = dialogs.fireKey();
      if (!c) return false;
      block.fireKeyIndex[b] = byte(c->keyIndex);
      block.fireKeyUsage[b] = fireKeyUsage(c->keyIndex);
      block.fireSpeed[b] = byte(c->speed);
      block.fireTimes[b] = byte(c->times);
      text = joined(ui.fireKey, c->keyName);
      break;
    }
    case kSingleKey: {
      const auto c = dialogs.singleKey();
      if (!c) return false;
      block.singleKeyUsage[b] = keyUsage(*c);
      text = joined(ui.singleKey, *c);
      break;
    }
    case kComboKey: {
      const auto c = dialogs.comboKey();
      if (!c) return false;
      block.comboModifiers[b] = modifierBit(c->modifier);
      block.comboKey1[b] = keyUsage(c->key1);
      block.comboKey2[b] = keyUsage(c->key2);
      std::wstring parts;
      const auto add = [&parts](bool on, const std::wstring& name) {
        if (!on) return;
        if (!parts.empty()) parts += L"+";
        parts += name;
      };
      add(block.comboModifiers[b] != 0, c->modifier);
      add(block.comboKey1[b] != 0, c->key1);
      add(block.comboKey2[b] != 0, c->key2);
      text = joined(ui.comboKey, parts);
      break;
    }
    case kMacroKey: {
      const auto c = dialogs.macroKey();
      if (!c) return false;
      block.macroIndex[b] = byte(c->macroIndex);
      block.macroRepeatMode[b] = byte(c->repeatMode - 1);
      text = joined(ui.macroKey, c->name);
      break;
    }
    default: text = std::wstring(functionText(ui, f)); break;
  }
  texts.mode(m)[b] = text;
  if (block.function[b] == kShift) {
    // Shift lives in both modes: replacing it frees the button in both.
    s.modeA.function[b] = byte(f);
    s.modeB.function[b] = byte(f);
    texts.mode(other)[b] = text;
  } else {
    block.function[b] = byte(f);
  }
  return true;
}

void KeyChooser::choose(int b) {
  const int f = controls_.selection(listId(b));
  if (f == kNoItem || f == kDpiSwitchItem || f >= kFunctionCount) return;
  // A cancelled dialog leaves the button as it was: its function, parameters and text agree.
  storeChoice(b, f);
  close(b);
  if (redrawBox_) redrawBox_(b);
}

void KeyChooser::chooseDpiAction() {
  const int d = controls_.selection(kDpiListId);
  const int b = openButton();
  if (d < 0 || d >= kDpiActionCount || b < 0) return;
  MouseSettings& s = model_.working();
  const int m = s.shownMode();
  model_.captions.captions().mode(m)[b] = std::wstring(dpiActionName(d + 1));
  close(b);
  s.mode(m).function[b] = kDpiSwitch;
  s.dpiAction(m)[b] = static_cast<std::uint8_t>(d + 1);
  if (redrawBox_) redrawBox_(b);
}

}  // namespace k8
