#pragma once
// The four built-in user-interface languages and how str.ini names them.

#include <string_view>

namespace k8 {

enum class Language { English, SimplifiedChinese, TraditionalChinese, Turkish };

inline constexpr int kLanguageCount = 4;

// The "Lan" value of str.ini: "CHS", "CHT" or "TUK", compared exactly (case matters);
// anything else, empty included, is English.
Language languageFromCode(std::wstring_view code);

// The str.ini section that keeps the button captions of a language: "Setting-EN",
// "Setting-CHS", "Setting-CHT" or "Setting-TUK".
std::wstring_view languageSection(Language language);

// Position of a language in the per-language text tables (English 0, CHS 1, CHT 2, TUK 3).
constexpr int languageIndex(Language language) { return static_cast<int>(language); }

}  // namespace k8
