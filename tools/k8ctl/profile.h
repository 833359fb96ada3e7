#pragma once
// A whole profile in one JSON file (k8ctl export / import): the settings record in words, the
// button captions of every language, the skin keys of str.ini and the macros of record.ini.

#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "i18n/captions.h"
#include "i18n/language.h"
#include "i18n/str_ini.h"
#include "platform/profile.h"
#include "settings/mouse_settings.h"

namespace k8ctl {

struct ProfileMacro {
  std::wstring name;
  std::uint16_t loops = 0;
  std::vector<std::wstring> lines;
};

struct Profile {
  k8::MouseSettings settings{};  // macro images as record.ini's macros encode them
  k8::Language language = k8::Language::English;
  k8::SkinKeys skin;
  std::array<k8::ButtonCaptions, k8::kLanguageCount> captions;
  std::vector<ProfileMacro> macros;
};

// Reads config.bin (required), str.ini and record.ini of `folder`. False with `error` set when
// config.bin is missing or not a config.bin.
bool readProfile(const std::filesystem::path& folder, Profile& profile, std::string& error);

// The macros of record.ini as the program lists and loads them, each with the repeat count of its
// image; `settings`' images are encoded from the file first, as the program would.
std::vector<ProfileMacro> readMacros(const k8::ProfileFile& recordIni, k8::MouseSettings& settings);
// Appends one section per macro to `recordIni`, each reading back as it is.
bool writeMacros(k8::ProfileFile& recordIni, const std::vector<ProfileMacro>& macros);

std::string profileToJson(const Profile& profile);

// Parses and checks every field; false with `error` naming the first bad field.
bool parseProfile(std::string_view json, Profile& profile, std::string& error);

// The profile's "macros" member alone, written and parsed as above.
std::string macrosToJson(const std::vector<ProfileMacro>& macros);
bool parseMacros(std::string_view json, std::vector<ProfileMacro>& macros, std::string& error);

// Replaces config.bin, str.ini and record.ini of `folder`, each in one step, after all three
// were prepared; an existing str.ini keeps the keys a profile does not hold. False with `error`
// (and no file changed) when a new file cannot be prepared.
bool writeProfile(const std::filesystem::path& folder, const Profile& profile, std::string& error);

}  // namespace k8ctl
