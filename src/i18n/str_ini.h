#pragma once
// The "Skins" section of str.ini as the program reads it at start and after Cancel: the
// language code, the colour of skinned texts and the skin folder's name. (The skins dialog
// writes the colour and the name; nothing writes "Lan".)

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/profile.h"

namespace k8 {

inline constexpr wchar_t kSkinsSection[] = L"Skins";

// "Lan": "CHS", "CHT", "TUK" or anything else (English); see languageFromCode.
std::wstring readLanguageCode(const ProfileFile& strIni);

struct SkinKeys {
  std::array<std::uint8_t, 3> textColor{0, 255, 0};  // "RColor", "GColor", "BColor"
  std::wstring skinName;                             // "Path"
};
SkinKeys readSkinKeys(const ProfileFile& strIni);

// The str.ini installed beside the program: English ("Lan" "EN"), the "Default" skin with
// green texts, and every language's section with its default captions, so that switching the
// language shows labels before the first Apply. Writes into `strIni` (an empty file gives the
// shipped file exactly); false if a write failed.
bool writeInstalledStrIni(ProfileFile& strIni);

// The integer value of a profile text as the C runtime reads it (leading blanks, a sign, the
// digits up to the first other character, "" or no digits = 0, overflow saturates), kept to
// its low byte: "300" gives 44, "-1" gives 255.
std::uint8_t profileByte(std::wstring_view text);

}  // namespace k8
