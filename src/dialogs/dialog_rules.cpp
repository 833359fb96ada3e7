#include "dialogs/dialog_rules.h"

#include <system_error>

#include "i18n/str_ini.h"
#include "platform/text.h"
#include "settings/key_tables.h"

namespace k8 {

namespace {

// Stores the field's value when it lies in [low, high], else `fallback`; returns the text the
// field must show instead, if any.
std::optional<std::wstring> checkedField(std::wstring_view text, int low, int high, int fallback,
                                         int& stored) {
  const std::int64_t value = decimalNumber(text, NumberForm::Signed);
  if (value < low || value > high) {
    stored = fallback;
    return std::to_wstring(fallback);
  }
  stored = static_cast<int>(value);
  return std::nullopt;
}

}  // namespace

std::optional<std::wstring> FireKeyRules::speedLeft(std::wstring_view text) {
  return checkedField(text, 5, 255, 5, choice_.speed);
}

std::optional<std::wstring> FireKeyRules::timesChanged(std::wstring_view text) {
  return checkedField(text, 0, 255, 1, choice_.times);
}

void FireKeyRules::chooseKey(int position, std::wstring name) {
  choice_.keyIndex = position;
  choice_.keyName = std::move(name);
}

ComboField ComboKeyRules::captured(const std::wstring& name, ComboField focused) {
  if (focused == ComboField::Key1) choice_.key1 = name;
  if (focused == ComboField::Key2) choice_.key2 = name;
  return focused;
}

std::vector<std::wstring> comboModifierItems() {
  std::vector<std::wstring> items;
  for (int bit = 0; bit < 8; ++bit) items.emplace_back(modifierNameOfBit(bit));
  return items;
}

std::optional<RepeatSwitch> RepeatModeBoxes::click(Point p) {
  for (int k = 1; k <= 3; ++k) {
    if (!kRepeatBoxes[k - 1].contains(p)) continue;
    if (k == mode_) return std::nullopt;
    const RepeatSwitch change{mode_, k};
    mode_ = k;
    return change;
  }
  return std::nullopt;
}

Rect centredVertically(Rect label, int textHeight) {
  // A text taller than its label grows it evenly instead of being cut off.
  const int spare = label.height() - textHeight;
  return {label.left, label.top + spare / 2, label.right, label.bottom - spare / 2};
}

namespace {

template <typename Visit>
void forEachFolder(const std::filesystem::path& root, Visit visit) {
  std::error_code error;
  std::filesystem::directory_iterator it(root, error), end;
  for (; !error && it != end; it.increment(error)) {
    std::error_code kindError;
    if (!it->is_directory(kindError)) continue;
    if (!visit(it->path().filename().wstring())) return;
  }
}

}  // namespace

std::vector<std::wstring> listSkinFolders(const std::filesystem::path& root) {
  std::vector<std::wstring> names;
  forEachFolder(root, [&names](std::wstring name) {
    names.push_back(std::move(name));
    return true;
  });
  return names;
}

std::optional<std::filesystem::path> findSkinFolder(const std::filesystem::path& root,
                                                    std::wstring_view name) {
  std::optional<std::filesystem::path> found;
  forEachFolder(root, [&](const std::wstring& folder) {
    if (!sameProfileName(folder, name)) return true;
    found = root / folder;
    return false;
  });
  return found;
}

void writeSkinKeys(ProfileFile& strIni, std::wstring_view skinName, const Colour& colour) {
  strIni.writeString(kSkinsSection, L"RColor", std::to_wstring(colour.r));
  strIni.writeString(kSkinsSection, L"GColor", std::to_wstring(colour.g));
  strIni.writeString(kSkinsSection, L"BColor", std::to_wstring(colour.b));
  strIni.writeString(kSkinsSection, L"Path", skinName);
}

}  // namespace k8
