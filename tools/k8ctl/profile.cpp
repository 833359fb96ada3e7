#include "profile.h"

#include <algorithm>
#include <fstream>
#include <system_error>

#include "json_fields.h"
#include "macros/macro_encoder.h"
#include "macros/macro_file.h"
#include "macros/macro_lines.h"
#include "platform/paths.h"
#include "platform/profile.h"
#include "platform/profile_text.h"
#include "platform/system_profile.h"
#include "platform/text.h"
#include "record_json.h"
#include "settings/config_file.h"
#include "settings/key_tables.h"

namespace k8ctl {
namespace {

using namespace k8;
namespace fs = std::filesystem;

constexpr const char* kFormat = "k8-profile";
constexpr int kVersion = 1;
// Captions are short labels; a limit keeps a hand-edited file from growing str.ini without end.
constexpr std::size_t kCaptionLimit = 255;
constexpr std::size_t kSkinNameLimit = 64;

std::string u8(std::wstring_view text) { return toUtf8(text); }

// "EN", "CHS", "CHT", "TUK": the str.ini section name without "Setting-".
std::string languageCode(Language language) {
  return u8(languageSection(language).substr(std::wstring_view(L"Setting-").size()));
}

Language languageAt(int index) { return static_cast<Language>(index); }

// A value str.ini or record.ini keeps as it is: the profile functions trim blanks and strip
// quotes around a whole value when reading, so such a value would not read back the same.
bool isProfileBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

void checkProfileValue(const std::wstring& value, const std::string& path) {
  if (value.empty()) return;
  if (isProfileBlank(value.front()) || isProfileBlank(value.back())) {
    badField(path, "must not begin or end with a blank");
  }
  if (value.size() >= 2 && (value.front() == L'"' || value.front() == L'\'') &&
      value.back() == value.front()) {
    badField(path, "must not be wholly inside quotes");
  }
}

std::vector<ProfileMacro> macrosFromJson(const Json& value, const std::string& path) {
  const Json& list = arrayOf(value, path, kMacroLimit, false);
  std::vector<ProfileMacro> macros;
  std::size_t nameList = 0;
  for (std::size_t k = 0; k < list.size(); ++k) {
    Fields f(list[k], path + "[" + std::to_string(k) + "]");
    ProfileMacro macro;
    const std::string np = f.pathOf("name");
    // What the program lists as a macro: a section name (kept with any quotes) that fits the
    // name list.
    macro.name = fromUtf8(recordText(f.take("name"), np, kMacroNameListLimit - 1));
    if (macro.name.empty()) badField(np, "must not be empty");
    if (isProfileBlank(macro.name.front()) || isProfileBlank(macro.name.back()))
      badField(np, "must not begin or end with a blank");
    for (const auto& other : macros) {
      if (sameProfileName(other.name, macro.name)) badField(np, "names a macro twice");
    }
    nameList += macro.name.size() + 1;
    if (nameList > kMacroNameListLimit) {
      badField(np, "the macro names pass " + std::to_string(kMacroNameListLimit) + " characters");
    }
    macro.loops =
        static_cast<std::uint16_t>(integerIn(f.take("loops"), f.pathOf("loops"), 0, 65535));
    const std::string lp = f.pathOf("lines");
    const Json& lines = arrayOf(f.take("lines"), lp, kMacroLineLimit, false);
    // Any line the program loads and shows: it plays what it knows and cuts what does not fit.
    for (std::size_t n = 0; n < lines.size(); ++n) {
      const std::string p = lp + "[" + std::to_string(n) + "]";
      macro.lines.push_back(fromUtf8(recordText(lines[n], p, kProfileValueLimit - 1)));
    }
    if (macro.lines.empty() && macro.loops != 0) {
      badField(f.pathOf("loops"), "must be 0 for a macro without lines");
    }
    f.done();
    macros.push_back(std::move(macro));
  }
  return macros;
}

// Runs `parse`; false with `error` set when the text is not JSON or a field is bad.
template <class Parse>
bool parsing(Parse parse, std::string& error) {
  try {
    parse();
  } catch (const Json::exception& e) {
    // Malformed text, and also well-formed JSON the parser cannot hold (a number past the
    // range of a double).
    error = std::string("not JSON: ") + e.what();
    return false;
  } catch (const FieldError& e) {
    error = e.what();
    return false;
  }
  return true;
}

Json macrosJson(const std::vector<ProfileMacro>& list) {
  Json macros = Json::array();
  for (const auto& m : list) {
    Json macro;
    macro["name"] = u8(m.name);
    macro["loops"] = m.loops;
    Json lines = Json::array();
    for (const auto& line : m.lines) lines.push_back(u8(line));
    macro["lines"] = lines;
    macros.push_back(macro);
  }
  return macros;
}

// Writes `profile`'s side of str.ini into `file` (a copy of the folder's str.ini, or new).
bool writeStrIni(ProfileFile& file, const Profile& profile) {
  bool ok = file.writeString(kSkinsSection, L"Lan", fromUtf8(languageCode(profile.language)));
  const wchar_t* keys[] = {L"RColor", L"GColor", L"BColor"};
  for (std::size_t c = 0; c < 3; ++c) {
    ok &= file.writeString(kSkinsSection, keys[c], std::to_wstring(profile.skin.textColor[c]));
  }
  ok &= file.writeString(kSkinsSection, L"Path", profile.skin.skinName);
  for (int l = 0; l < kLanguageCount; ++l) {
    ok &= writeCaptions(file, languageAt(l), profile.captions[static_cast<std::size_t>(l)]);
  }
  return ok;
}

}  // namespace

bool readProfile(const fs::path& folder, Profile& profile, std::string& error) {
  const DataPaths paths = DataPaths::inFolder(folder);
  std::uint8_t flag = 0;
  std::error_code ec;
  if (!fs::is_regular_file(paths.configBin, ec) ||
      !readConfigImage(paths.configBin, flag, profile.settings)) {
    error = paths.configBin.string() + ": missing or not a config.bin";
    return false;
  }
  const SystemProfile strIni(paths.strIni);
  profile.language = languageFromCode(readLanguageCode(strIni));
  profile.skin = readSkinKeys(strIni);
  for (int l = 0; l < kLanguageCount; ++l) {
    profile.captions[static_cast<std::size_t>(l)] = readCaptions(strIni, languageAt(l));
  }
  profile.macros = readMacros(SystemProfile(paths.recordIni), profile.settings);
  return true;
}

std::vector<ProfileMacro> readMacros(const ProfileFile& recordIni, MouseSettings& settings) {
  // The images as the program would encode them from record.ini at its next macro save, so that
  // a profile always describes what importing it gives.
  EncodeMacros(recordIni, settings);
  const auto names = listMacroNames(recordIni);
  std::vector<ProfileMacro> macros;
  for (std::size_t k = 0; k < names.size() && k < static_cast<std::size_t>(kMacroLimit); ++k) {
    // Left out, as no profile function can write them again: a second section of the same name
    // (letter case aside), which the program lists but never reaches, since every read and save
    // finds the first; and a name with a blank at either end, which only a NUL in a section
    // line makes and which every read and save trims.
    const std::wstring& name = names[k];
    const auto same = [&](const ProfileMacro& m) { return sameProfileName(m.name, name); };
    if (isProfileBlank(name.front()) || isProfileBlank(name.back()) ||
        std::any_of(macros.begin(), macros.end(), same))
      continue;
    macros.push_back({name, repeatCount(settings.macroImages[k]), loadMacroLines(recordIni, name)});
  }
  return macros;
}

bool writeMacros(ProfileFile& recordIni, const std::vector<ProfileMacro>& macros) {
  bool ok = true;
  for (const auto& m : macros) ok = ok && writeMacroSection(recordIni, m.name, m.lines);
  return ok;
}

std::string profileToJson(const Profile& p) {
  Json j;
  j["format"] = kFormat;
  j["version"] = kVersion;
  j["settings"] = recordToJson(p.settings, false);
  Json skin;
  skin["language"] = languageCode(p.language);
  skin["textColor"] = colourText(p.skin.textColor[0], p.skin.textColor[1], p.skin.textColor[2]);
  skin["name"] = u8(p.skin.skinName);
  j["skin"] = skin;
  Json captions;
  for (int l = 0; l < kLanguageCount; ++l) {
    Json modes;
    for (int mode = 0; mode < 2; ++mode) {
      Json list = Json::array();
      for (const auto& c : p.captions[static_cast<std::size_t>(l)].mode(mode))
        list.push_back(u8(c));
      modes[mode ? "B" : "A"] = list;
    }
    captions[languageCode(languageAt(l))] = modes;
  }
  j["captions"] = captions;
  j["macros"] = macrosJson(p.macros);
  return j.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

std::string macrosToJson(const std::vector<ProfileMacro>& macros) {
  return macrosJson(macros).dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

bool parseMacros(std::string_view json, std::vector<ProfileMacro>& macros, std::string& error) {
  return parsing([&] { macros = macrosFromJson(Json::parse(json), "macros"); }, error);
}

bool parseProfile(std::string_view json, Profile& p, std::string& error) {
  return parsing(
      [&] {
        const Json j = Json::parse(json);
        Fields f(j, "profile");
        if (f.take("format") != kFormat)
          badField("format", std::string("must be \"") + kFormat + "\"");
        integerIn(f.take("version"), "version", kVersion, kVersion);
        p.settings = emptyRecord();
        recordFromJson(f.take("settings"), "settings", p.settings);

        Fields skin(f.take("skin"), "skin");
        const std::string code = text(skin.take("language"), "skin.language", 3);
        int language = -1;
        for (int l = 0; l < kLanguageCount; ++l) {
          if (languageCode(languageAt(l)) == code) language = l;
        }
        if (language < 0) badField("skin.language", "must be EN, CHS, CHT or TUK");
        p.language = languageAt(language);
        p.skin.textColor = colour(skin.take("textColor"), "skin.textColor");
        p.skin.skinName = fromUtf8(text(skin.take("name"), "skin.name", kSkinNameLimit));
        checkProfileValue(p.skin.skinName, "skin.name");
        if (p.skin.skinName.find_first_of(L"/\\:*?\"<>|") != std::wstring::npos ||
            p.skin.skinName == L"." || p.skin.skinName == L"..") {
          badField("skin.name", "must be a folder name under Skins");
        }
        skin.done();

        Fields captions(f.take("captions"), "captions");
        for (int l = 0; l < kLanguageCount; ++l) {
          const std::string lp = captions.pathOf(languageCode(languageAt(l)));
          Fields modes(captions.take(languageCode(languageAt(l))), lp);
          for (int mode = 0; mode < 2; ++mode) {
            const std::string mp = modes.pathOf(mode ? "B" : "A");
            const Json& list = arrayOf(modes.take(mode ? "B" : "A"), mp, kButtonSlots, true);
            for (std::size_t b = 0; b < kButtonSlots; ++b) {
              const std::string bp = mp + "[" + std::to_string(b) + "]";
              std::wstring caption = fromUtf8(text(list[b], bp, kCaptionLimit));
              checkProfileValue(caption, bp);
              p.captions[static_cast<std::size_t>(l)].mode(mode)[b] = std::move(caption);
            }
          }
          modes.done();
        }
        captions.done();

        p.macros = macrosFromJson(f.take("macros"), "macros");
        f.done();
      },
      error);
}

bool writeProfile(const fs::path& folder, const Profile& p, std::string& error) {
  const DataPaths paths = DataPaths::inFolder(folder);
  fs::path strTemp = paths.strIni, recordTemp = paths.recordIni;
  strTemp += ".importing";
  recordTemp += ".importing";
  std::error_code ec;
  auto dropTemps = [&] {
    std::error_code ignored;
    fs::remove(strTemp, ignored);
    fs::remove(recordTemp, ignored);
  };
  dropTemps();

  // str.ini: the folder's own (other keys kept) or the installed one, with the profile's keys.
  bool ok = true;
  if (fs::exists(paths.strIni, ec)) {
    ok = fs::copy_file(paths.strIni, strTemp, ec);
  } else {
    SystemProfile fresh(strTemp);
    ok = writeInstalledStrIni(fresh);
  }
  SystemProfile strIni(strTemp);
  ok = ok && writeStrIni(strIni, p);

  // record.ini: new, UTF-16LE with its byte-order mark like the program's, one section a macro;
  // made in memory and written once, however many lines the macros have.
  MemoryProfile recordIni;
  if (ok) {
    writeMacros(recordIni, p.macros);
    const std::string bytes = recordIni.text().serialize();
    std::ofstream out(recordTemp, std::ios::binary | std::ios::trunc);
    ok = out && out.write(bytes.data(), static_cast<std::streamsize>(bytes.size())) && out.flush();
  }

  MouseSettings settings = p.settings;
  if (ok) {
    EncodeMacros(recordIni, settings);
    for (std::size_t k = 0; k < p.macros.size(); ++k) {
      if (!p.macros[k].lines.empty()) setRepeatCount(settings.macroImages[k], p.macros[k].loops);
    }
  }
  // Saved by the program (first byte 1): the program keeps the imported captions instead of
  // putting its first-run defaults over them.
  if (!ok || !writeConfigImage(paths.configBin, 1, settings, ec)) {
    dropTemps();
    error = folder.string() + ": the new files cannot be written" +
            (ec ? " (" + ec.message() + ")" : std::string());
    return false;
  }
  fs::rename(recordTemp, paths.recordIni, ec);
  if (!ec) fs::rename(strTemp, paths.strIni, ec);
  if (ec) {
    dropTemps();
    error =
        folder.string() + ": config.bin replaced, but not every text file (" + ec.message() + ")";
    return false;
  }
  return true;
}

}  // namespace k8ctl
