#include "profile.h"

#include <fstream>
#include <system_error>

#include "json_fields.h"
#include "macros/macro_encoder.h"
#include "macros/macro_file.h"
#include "macros/macro_lines.h"
#include "platform/paths.h"
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
constexpr long kMinDelay = kMinDelayMs;
constexpr long kMaxDelay = kMaxDelayMs;

std::string u8(std::wstring_view text) { return toUtf8(text); }

// "EN", "CHS", "CHT", "TUK": the str.ini section name without "Setting-".
std::string languageCode(Language language) {
  return u8(languageSection(language).substr(std::wstring_view(L"Setting-").size()));
}

Language languageAt(int index) { return static_cast<Language>(index); }

// A value str.ini or record.ini keeps as it is: the profile functions trim blanks and strip
// quotes around a whole value when reading, so such a value would not read back the same.
void checkProfileValue(const std::wstring& value, const std::string& path) {
  if (value.empty()) return;
  auto blank = [](wchar_t c) { return c == L' ' || c == L'\t'; };
  if (blank(value.front()) || blank(value.back())) {
    badField(path, "must not begin or end with a blank");
  }
  if (value.size() >= 2 && (value.front() == L'"' || value.front() == L'\'') &&
      value.back() == value.front()) {
    badField(path, "must not be wholly inside quotes");
  }
}

void checkMacroLine(const std::wstring& line, const std::string& path) {
  switch (lineKind(line)) {
    case LineKind::Press:
    case LineKind::Release: {
      const std::wstring_view suffix =
          lineKind(line) == LineKind::Press ? kPressSuffix : kReleaseSuffix;
      const std::wstring name = eventKeyName(line);
      if (line != name + std::wstring(suffix) || keyUsage(name) == 0) {
        badField(path, "not a key event \"KEY   Dn\" or \"KEY   Up\" of a known key");
      }
      break;
    }
    case LineKind::Delay: {
      const std::wstring digits = line.size() > kDelaySuffix.size()
                                      ? line.substr(0, line.size() - kDelaySuffix.size())
                                      : std::wstring();
      const bool form = !digits.empty() && digits.size() <= 5 && line.ends_with(kDelaySuffix) &&
                        digits.find_first_not_of(L"0123456789") == std::wstring::npos;
      const long ms = form ? static_cast<long>(decimalNumber(digits, NumberForm::Digits)) : 0;
      if (!form || ms < kMinDelay || ms > kMaxDelay) {
        badField(path, "not a key event or a delay \"N ms\" of " + std::to_string(kMinDelay) + "-" +
                           std::to_string(kMaxDelay) + " ms");
      }
      break;
    }
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
    macro.name = fromUtf8(text(f.take("name"), np, kMacroNameLimit));
    if (macro.name.empty()) badField(np, "must not be empty");
    checkProfileValue(macro.name, np);
    if (macro.name.find_first_of(L"[]") != std::wstring::npos) badField(np, "must not hold [ or ]");
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
    for (std::size_t n = 0; n < lines.size(); ++n) {
      const std::string p = lp + "[" + std::to_string(n) + "]";
      macro.lines.push_back(fromUtf8(text(lines[n], p, 64)));
      checkMacroLine(macro.lines.back(), p);
    }
    if (macroPairCount(macro.lines) > kMacroPairLimit) {
      badField(lp, "needs " + std::to_string(macroPairCount(macro.lines)) +
                       " event pairs, a macro holds " + std::to_string(kMacroPairLimit));
    }
    if (macro.lines.empty() && macro.loops != 0) {
      badField(f.pathOf("loops"), "must be 0 for a macro without lines");
    }
    f.done();
    macros.push_back(std::move(macro));
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
  // The images as the program would encode them from record.ini at its next macro save, so that
  // a profile always describes what importing it gives.
  const SystemProfile recordIni(paths.recordIni);
  EncodeMacros(recordIni, profile.settings);
  const auto names = listMacroNames(recordIni);
  profile.macros.clear();
  for (std::size_t k = 0; k < names.size() && k < static_cast<std::size_t>(kMacroLimit); ++k) {
    ProfileMacro macro{names[k], repeatCount(profile.settings.macroImages[k]),
                       loadMacroLines(recordIni, names[k])};
    profile.macros.push_back(std::move(macro));
  }
  return true;
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
  Json macros = Json::array();
  for (const auto& m : p.macros) {
    Json macro;
    macro["name"] = u8(m.name);
    macro["loops"] = m.loops;
    Json lines = Json::array();
    for (const auto& line : m.lines) lines.push_back(u8(line));
    macro["lines"] = lines;
    macros.push_back(macro);
  }
  j["macros"] = macros;
  return j.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

bool parseProfile(std::string_view json, Profile& p, std::string& error) {
  try {
    const Json j = Json::parse(json);
    Fields f(j, "profile");
    if (f.take("format") != kFormat) badField("format", std::string("must be \"") + kFormat + "\"");
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

  // record.ini: new, UTF-16LE with its byte-order mark like the program's, one section a macro.
  if (ok) {
    std::ofstream out(recordTemp, std::ios::binary | std::ios::trunc);
    ok = out && out.write("\xFF\xFE", 2) && out.flush();
  }
  SystemProfile recordIni(recordTemp);
  for (const auto& m : p.macros) ok = ok && writeMacroSection(recordIni, m.name, m.lines);

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
