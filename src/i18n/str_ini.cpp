#include "i18n/str_ini.h"

#include <algorithm>
#include <climits>

#include "i18n/captions.h"
#include "platform/text.h"

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
  const std::int64_t value =
      std::clamp<std::int64_t>(decimalNumber(text, NumberForm::Signed), INT_MIN, INT_MAX);
  return static_cast<std::uint8_t>(static_cast<std::uint64_t>(value) & 0xFFu);
}

}  // namespace k8
