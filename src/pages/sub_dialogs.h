#pragma once
// The modal sub-dialogs as the page rules see them: each runs to its end and hands back what the
// user chose, or nothing when the user cancelled. The Windows side runs the skinned dialogs
// (app/sub_dialogs_win32.h); tests and the drawing benchmark answer with stand-ins.

#include <optional>
#include <string>

namespace k8 {

// A position in a dialog's list and the entry's text as the list showed it.
struct ListChoice {
  int index = 0;
  std::wstring name;
};

struct FireKeyChoice {
  int keyIndex = 0;  // position in the fire-key list
  std::wstring keyName;
  int speed = 32;
  int times = 1;
};

struct ComboKeyChoice {
  std::wstring modifier;  // a modifier name ("Left Ctrl") or ""
  std::wstring key1;      // key names as the key-name table spells them, or ""
  std::wstring key2;
};

struct MacroKeyChoice {
  int macroIndex = 0;  // 0-based position in record.ini
  int repeatMode = 1;  // 1-3
  std::wstring name;
};

class SubDialogs {
 public:
  virtual ~SubDialogs() = default;
  virtual std::optional<ListChoice> windowsFunction() = 0;  // position 0-10
  virtual std::optional<ListChoice> mediaKey() = 0;         // position 0-6
  virtual std::optional<FireKeyChoice> fireKey() = 0;
  virtual std::optional<std::wstring> singleKey() = 0;  // the captured key's name
  virtual std::optional<ComboKeyChoice> comboKey() = 0;
  virtual std::optional<MacroKeyChoice> macroKey() = 0;
  // The delay-time field as typed (the caller checks it).
  virtual std::optional<std::wstring> delayTime() = 0;
};

// Every dialog reports "cancelled": a base for stand-ins that answer only some.
class CancelledSubDialogs : public SubDialogs {
 public:
  std::optional<ListChoice> windowsFunction() override { return std::nullopt; }
  std::optional<ListChoice> mediaKey() override { return std::nullopt; }
  std::optional<FireKeyChoice> fireKey() override { return std::nullopt; }
  std::optional<std::wstring> singleKey() override { return std::nullopt; }
  std::optional<ComboKeyChoice> comboKey() override { return std::nullopt; }
  std::optional<MacroKeyChoice> macroKey() override { return std::nullopt; }
  std::optional<std::wstring> delayTime() override { return std::nullopt; }
};

}  // namespace k8
