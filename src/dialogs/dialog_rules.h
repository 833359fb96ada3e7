#pragma once
// What the sub-dialogs decide without a window: the fire-key field checks, the combo dialog's
// capture target, the macro dialog's repeat-mode boxes and the skins dialog's folder choice.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "pages/geometry.h"
#include "pages/layout_table.h"
#include "pages/sub_dialogs.h"
#include "platform/profile.h"

namespace k8 {

// Fire-key dialog: key position and name from its list, speed and times from its two fields.
class FireKeyRules {
 public:
  static constexpr int kStartSpeed = 32;
  static constexpr int kStartTimes = 1;

  // The speed field lost the focus, or OK was pressed while it had it: below 5 or above 255
  // becomes 5. Returns the text the field must show instead, if any.
  std::optional<std::wstring> speedLeft(std::wstring_view text);
  // Every change of the times field: negative or above 255 becomes 1 (0 repeats until release).
  std::optional<std::wstring> timesChanged(std::wstring_view text);
  void chooseKey(int position, std::wstring name);

  const FireKeyChoice& choice() const { return choice_; }

 private:
  FireKeyChoice choice_;
};

// Combo dialog: which field a captured key lands in.
enum class ComboField { None, Key1, Key2 };
class ComboKeyRules {
 public:
  // A keystroke named `name` while `focused` had the keyboard focus; the field to update, if any.
  ComboField captured(const std::wstring& name, ComboField focused);
  void chooseModifier(std::wstring name) { choice_.modifier = std::move(name); }
  const ComboKeyChoice& choice() const { return choice_; }

 private:
  ComboKeyChoice choice_;
};
// The eight modifiers of the combo dialog's list, in list order (not translated).
std::vector<std::wstring> comboModifierItems();

// Macro dialog: three repeat-mode boxes, mode 1 ticked at start.
inline constexpr auto kRepeatBoxes = layout::series<3>("macro-key", "mode # box");
inline constexpr auto kRepeatLabels = layout::series<3>("macro-key", "mode # label");
struct RepeatSwitch {
  int from;  // the mode whose box loses its tick
  int to;    // the mode whose box gets it
};
class RepeatModeBoxes {
 public:
  // A click in the dialog: a switch when it hits the box of a mode other than the current one.
  std::optional<RepeatSwitch> click(Point p);
  int mode() const { return mode_; }

 private:
  int mode_ = 1;
};
// A label rectangle shrunk (or grown) evenly at top and bottom to the height of its text.
Rect centredVertically(Rect label, int textHeight);

// Skins dialog: the skin folders of the skins root (files are not skins), in the order the file
// system gives them; nothing when the root cannot be read.
std::vector<std::wstring> listSkinFolders(const std::filesystem::path& root);
// The folder of the root whose name equals `name` ignoring letter case (the first one found).
std::optional<std::filesystem::path> findSkinFolder(const std::filesystem::path& root,
                                                    std::wstring_view name);
// The skin and colour keys of str.ini's "Skins" section, each colour as a plain decimal number.
void writeSkinKeys(ProfileFile& strIni, std::wstring_view skinName, const Colour& colour);

}  // namespace k8
