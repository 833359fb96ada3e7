#include "i18n/str_ini.h"

#include <climits>
#include <cwctype>

#include "i18n/captions.h"

namespace k8 {

std::wstring readLanguageCode(const ProfileFile& strIni) {
  return strIni.readString(kSkinsSection, L"Lan");
}

SkinKeys readSkinKeys(const ProfileFile& strIni) {
  SkinKeys keys;
  keys.textColor[0] = profileByte(strIni.readString(kSkinsSection, L"RColor"));
  keys.textColor[1] = profileByte(strIni.readString(kSkinsSection, L"GColor"));
  keys.textColor[2] = profileByte(strIni.readString(kSkinsSection, L"BColor"));
  keys.skinName = strIni.readString(kSkinsSection, L"Path");
  return keys;
}

bool writeInstalledStrIni(ProfileFile& strIni) {
  bool ok = strIni.writeString(kSkinsSection, L"Lan", L"EN");
  ok = strIni.writeString(kSkinsSection, L"RColor", L"0") && ok;
  ok = strIni.writeString(kSkinsSection, L"GColor", L"255") && ok;
  ok = strIni.writeString(kSkinsSection, L"BColor", L"0") && ok;
  ok = strIni.writeString(kSkinsSection, L"Path", L"Default") && ok;
  for (Language language : {Language::English, Language::SimplifiedChinese,
                            Language::TraditionalChinese, Language::Turkish}) {
    ok = writeCaptions(strIni, language, defaultCaptions(language)) && ok;
  }
  return ok;
}

std::uint8_t profileByte(std::wstring_view text) {
  std::size_t i = 0;
  while (i < text.size() && std::iswspace(static_cast<std::wint_t>(text[i]))) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) negative = text[i++] == L'-';
  long long value = 0;
  for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i) {
    value = value * 10 + (text[i] - L'0');
    if (value > static_cast<long long>(INT_MAX) + 1) break;  // saturates below
  }
  if (negative) value = -value;
  if (value > INT_MAX) value = INT_MAX;
  if (value < INT_MIN) value = INT_MIN;
  return static_cast<std::uint8_t>(static_cast<unsigned>(static_cast<int>(value)) & 0xFFu);
}

}  // namespace k8
