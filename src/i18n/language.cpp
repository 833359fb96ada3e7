#include "i18n/language.h"

namespace k8 {

Language languageFromCode(std::wstring_view code) {
  if (code == L"CHS") return Language::SimplifiedChinese;
  if (code == L"CHT") return Language::TraditionalChinese;
  if (code == L"TUK") return Language::Turkish;
  return Language::English;
}

std::wstring_view languageSection(Language language) {
  switch (language) {
    case Language::SimplifiedChinese: return L"Setting-CHS";
    case Language::TraditionalChinese: return L"Setting-CHT";
    case Language::Turkish: return L"Setting-TUK";
    case Language::English: break;
  }
  return L"Setting-EN";
}

}  // namespace k8
