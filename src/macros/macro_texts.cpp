// The refusals of the macro store in the four languages (English, Simplified Chinese,
// Traditional Chinese, Turkish), worded like the page's other macro messages.
#include <array>

#include "macros/macro_store.h"

namespace k8 {
namespace {

using Row = std::array<const wchar_t*, kLanguageCount>;

constexpr Row kNameTooLong = {
    L"Macro name up to 31 characters.",
    L"宏名称最多31个字符",
    L"巨集名稱最多31個字元",
    L"Makro adı en fazla 31 karakter",
};

constexpr Row kNameListFull = {
    L"Macro names up to 255 characters in all.",
    L"所有宏名称合计最多255个字符",
    L"所有巨集名稱合計最多255個字元",
    L"Makro adları toplam en fazla 255 karakter",
};

constexpr Row kTooManySteps = {
    L"Macro steps up to 63 (a delay over 1270 ms takes two).",
    L"宏步骤最多63个（超过1270毫秒的延时占两个）",
    L"巨集步驟最多63個（超過1270毫秒的延時佔兩個）",
    L"Makro adımları en fazla 63 (1270 ms üstü gecikme iki adım sayılır)",
};

}  // namespace

std::wstring macroRefusalText(MacroRefusal refusal, Language language) {
  const int index = languageIndex(language);
  const int column = index >= 0 && index < kLanguageCount ? index : 0;
  switch (refusal) {
    case MacroRefusal::NameTooLong: return kNameTooLong[column];
    case MacroRefusal::NameListFull: return kNameListFull[column];
    case MacroRefusal::TooManySteps: return kTooManySteps[column];
  }
  return kTooManySteps[0];
}

}  // namespace k8
