#pragma once
// The texts shown in the Basic page's function boxes: twelve per key mode (buttons 1-8 exist,
// 9-12 are carried along), kept per language in str.ini so that each language has its own.
//
// str.ini, section languageSection(language):
//   "Item1" .. "Item12"                      Mode A buttons 1-12
//   "Item13", "Item23", .. "Item123"         Mode B buttons 1-12 ("Item" + 10 * button + 3)
//
// Use in the program:
//   start:        language = languageFromCode(readLanguageCode(strIni)) (str_ini.h);
//                 CaptionStore captions(strIni, language); captions.load(); readSkinKeys(strIni)
//   Basic page shown:  captions.applyFirstRunDefaults(settingsState.firstRunFlag)
//   Apply:        captions.save(), through applyAndCommit (sync/program_apply.h)
//   after Cancel: captions.load() and readSkinKeys(strIni) again

#include <array>
#include <cstdint>
#include <string>

#include "i18n/language.h"
#include "platform/profile.h"
#include "settings/mouse_settings.h"

namespace k8 {

struct ButtonCaptions {
  std::array<std::wstring, kButtonSlots> modeA;
  std::array<std::wstring, kButtonSlots> modeB;

  // mode 0 = Mode A, 1 = Mode B (any other value means Mode A, as the record does).
  std::array<std::wstring, kButtonSlots>& mode(int m) { return m == 1 ? modeB : modeA; }
  const std::array<std::wstring, kButtonSlots>& mode(int m) const { return m == 1 ? modeB : modeA; }
};

// The str.ini key of a caption; button counts from 0 (0-11). "" for a button outside 0-11.
std::wstring captionKey(int mode, int button);

// Both modes: "Left Click", "Right Click", "Mid Click", "Forward", "Backward", "DPI +", "DPI -",
// "Triple-click", then "Key Off" for buttons 9-12, in the language's words. They match the
// record's factory functions.
ButtonCaptions defaultCaptions(Language language);

// The 24 captions of the language's section; missing keys read as "".
ButtonCaptions readCaptions(const ProfileFile& strIni, Language language);
// Writes all 24 in key order, "Item1" first and "Item123" last. False if any write failed
// (the others are still attempted).
bool writeCaptions(ProfileFile& strIni, Language language, const ButtonCaptions& captions);

// The captions of the running program: read at start and after Cancel, written by Apply.
class CaptionStore {
 public:
  CaptionStore(ProfileFile& strIni, Language language) : strIni_(strIni), language_(language) {}

  Language language() const { return language_; }
  ButtonCaptions& captions() { return captions_; }
  const ButtonCaptions& captions() const { return captions_; }

  void load() { captions_ = readCaptions(strIni_, language_); }
  bool save() const { return writeCaptions(strIni_, language_, captions_); }

  // Call whenever the Basic page is shown. The first call in the store's life, when config.bin
  // has never been saved by the program (first-run flag 0), sets the default captions in both
  // modes and saves them; returns whether it did.
  bool applyFirstRunDefaults(std::uint8_t firstRunFlag);

 private:
  ProfileFile& strIni_;
  Language language_;
  ButtonCaptions captions_;
  bool firstShowingSeen_ = false;
};

}  // namespace k8
