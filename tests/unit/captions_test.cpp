// The button captions in str.ini: their keys, the first-run defaults, Chinese and Turkish text
// through a real file, the language section chosen by "Lan", and the "Skins" keys.
#include "i18n/captions.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>

#include "i18n/str_ini.h"
#include "platform/profile.h"

namespace fs = std::filesystem;
using namespace k8;

namespace {

class StrIniTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ =
        fs::temp_directory_path() /
        ("k8-lang-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    path_ = dir_ / "str.ini";
  }
  void TearDown() override { fs::remove_all(dir_); }

  // The file's lines, decoded from UTF-16LE after checking the byte-order mark.
  std::vector<std::wstring> fileLines() {
    std::ifstream in(path_, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    EXPECT_GE(bytes.size(), 2u);
    EXPECT_EQ(bytes.substr(0, 2), std::string("\xFF\xFE"));
    std::vector<std::wstring> lines(1);
    for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
      const auto c = static_cast<wchar_t>(static_cast<unsigned char>(bytes[i]) |
                                          (static_cast<unsigned char>(bytes[i + 1]) << 8));
      if (c == L'\n') {
        lines.emplace_back();
      } else if (c != L'\r') {
        lines.back() += c;
      }
    }
    return lines;
  }
  // The keys of one section, in file order.
  std::vector<std::wstring> keysOf(const std::wstring& section) {
    std::vector<std::wstring> keys;
    bool inside = false;
    for (const auto& line : fileLines()) {
      if (!line.empty() && line.front() == L'[') {
        inside = line == L"[" + section + L"]";
      } else if (inside && line.find(L'=') != std::wstring::npos) {
        keys.push_back(line.substr(0, line.find(L'=')));
      }
    }
    return keys;
  }
  void writeUtf16(const std::wstring& text) {
    std::string bytes = "\xFF\xFE";
    for (wchar_t c : text) {
      bytes += static_cast<char>(c & 0xFF);
      bytes += static_cast<char>((c >> 8) & 0xFF);
    }
    std::ofstream(path_, std::ios::binary) << bytes;
  }

  fs::path dir_, path_;
};

TEST(CaptionKeys, ModeAIsItem1To12AndModeBIsTenTimesButtonPlus3) {
  std::set<std::wstring> keys;
  for (int button = 0; button < kButtonSlots; ++button) {
    keys.insert(captionKey(0, button));
    keys.insert(captionKey(1, button));
  }
  EXPECT_EQ(keys.size(), 24u);
  EXPECT_EQ(captionKey(0, 0), L"Item1");
  EXPECT_EQ(captionKey(0, 11), L"Item12");
  EXPECT_EQ(captionKey(1, 0), L"Item13");
  EXPECT_EQ(captionKey(1, 1), L"Item23");
  EXPECT_EQ(captionKey(1, 11), L"Item123");
  EXPECT_EQ(captionKey(0, 12), L"");
  EXPECT_EQ(captionKey(1, -1), L"");
}

TEST_F(StrIniTest, FirstRunWritesAll24ItemKeysOnceInKeyOrder) {
  PortableProfile ini(path_);
  CaptionStore store(ini, Language::English);
  EXPECT_TRUE(store.applyFirstRunDefaults(0));
  EXPECT_FALSE(store.applyFirstRunDefaults(0));  // only the first showing in a process

  std::vector<std::wstring> expected;
  for (int mode = 0; mode < 2; ++mode) {
    for (int button = 0; button < kButtonSlots; ++button)
      expected.push_back(captionKey(mode, button));
  }
  EXPECT_EQ(keysOf(L"Setting-EN"), expected);
  EXPECT_EQ(expected.back(), L"Item123");

  PortableProfile reread(path_);
  EXPECT_EQ(reread.readString(L"Setting-EN", L"Item123"), L"Key Off");
  EXPECT_EQ(reread.readString(L"Setting-EN", L"Item6"), L"DPI +");
  EXPECT_EQ(reread.readString(L"Setting-EN", L"Item73"), L"DPI -");
  EXPECT_EQ(reread.readString(L"Setting-EN", L"Item83"), L"Triple-click");
  EXPECT_EQ(reread.readString(L"Setting-EN", L"Item9"), L"Key Off");
}

TEST_F(StrIniTest, FirstRunDefaultsOnlyWhenConfigWasNeverSaved) {
  PortableProfile ini(path_);
  CaptionStore store(ini, Language::Turkish);
  EXPECT_FALSE(store.applyFirstRunDefaults(1));
  EXPECT_FALSE(store.applyFirstRunDefaults(0));  // the first showing has passed
  EXPECT_FALSE(fs::exists(path_));
  EXPECT_EQ(defaultCaptions(Language::Turkish).modeB[0], L"Sol tık");
  EXPECT_EQ(defaultCaptions(Language::SimplifiedChinese).modeA[7], L"三连发");
}

TEST_F(StrIniTest, TurkishAndChineseCaptionsSurviveAWriteAndARead) {
  ButtonCaptions tuk = defaultCaptions(Language::Turkish);
  tuk.modeA[3] = L"Tek tuş-Ş";
  tuk.modeB[11] = L"Çıkış ğüöİı";
  ButtonCaptions chs = defaultCaptions(Language::SimplifiedChinese);
  chs.modeB[4] = L"组合键-Left Ctrl+C";
  ButtonCaptions cht = defaultCaptions(Language::TraditionalChinese);
  {
    PortableProfile ini(path_);
    EXPECT_TRUE(writeCaptions(ini, Language::Turkish, tuk));
    EXPECT_TRUE(writeCaptions(ini, Language::SimplifiedChinese, chs));
    EXPECT_TRUE(writeCaptions(ini, Language::TraditionalChinese, cht));
  }
  PortableProfile ini(path_);
  const ButtonCaptions tukRead = readCaptions(ini, Language::Turkish);
  const ButtonCaptions chsRead = readCaptions(ini, Language::SimplifiedChinese);
  const ButtonCaptions chtRead = readCaptions(ini, Language::TraditionalChinese);
  EXPECT_EQ(tukRead.modeA, tuk.modeA);
  EXPECT_EQ(tukRead.modeB, tuk.modeB);
  EXPECT_EQ(chsRead.modeA, chs.modeA);
  EXPECT_EQ(chsRead.modeB, chs.modeB);
  EXPECT_EQ(chtRead.modeB[2], L"中鍵");
  EXPECT_EQ(keysOf(L"Setting-TUK").size(), 24u);
  EXPECT_EQ(readCaptions(ini, Language::English).modeA[0], L"");  // other sections untouched
}

TEST_F(StrIniTest, CaptionsThatAProfileReadWouldAlterComeBackAsWritten) {
  ButtonCaptions captions;
  captions.modeA = {L"\"quoted\"",
                    L"'single'",
                    L" lead",
                    L"trail ",
                    L"\t",
                    L"\"",
                    L"a\r\n[Skins]\r\nLan=CHS",
                    L"'x\"",
                    L"",
                    L"\"a\" \"b\"",
                    L"x",
                    L"Key Off"};
  {
    PortableProfile ini(path_);
    ASSERT_TRUE(writeCaptions(ini, Language::English, captions));
  }
  PortableProfile ini(path_);
  const ButtonCaptions back = readCaptions(ini, Language::English);
  for (int i = 0; i < kButtonSlots; ++i) {
    if (i == 6) continue;
    EXPECT_EQ(back.modeA[i], captions.modeA[i]) << i;
  }
  // A line break cannot be kept; it must not start a section or key of its own either.
  EXPECT_EQ(back.modeA[6], L"a  [Skins]  Lan=CHS");
  EXPECT_EQ(readLanguageCode(ini), L"");
}

TEST_F(StrIniTest, LowerCaseLanGivesEnglishAndItsSection) {
  writeUtf16(
      L"[Skins]\r\nLan=chs\r\nPath=Black\r\n"
      L"[Setting-CHS]\r\nItem1=左键\r\n"
      L"[Setting-EN]\r\nItem1=Left Click\r\nItem13=Right Click\r\n");
  PortableProfile ini(path_);
  const Language language = languageFromCode(readLanguageCode(ini));
  EXPECT_EQ(language, Language::English);
  CaptionStore store(ini, language);
  store.load();
  EXPECT_EQ(store.captions().modeA[0], L"Left Click");
  EXPECT_EQ(store.captions().modeB[0], L"Right Click");
  EXPECT_EQ(store.captions().modeA[1], L"");
}

TEST_F(StrIniTest, SavedCaptionsGoToTheLanguageSectionAndKeepTheRestOfTheFile) {
  writeUtf16(L"[Skins]\r\nLan=CHT\r\n\r\n; kept\r\n[Setting-CHT]\r\nItem1=舊\r\n");
  PortableProfile ini(path_);
  CaptionStore store(ini, languageFromCode(readLanguageCode(ini)));
  store.load();
  EXPECT_EQ(store.captions().modeA[0], L"舊");
  store.captions().modeA[0] = L"巨集-新";
  store.save();

  PortableProfile reread(path_);
  EXPECT_EQ(reread.readString(L"Setting-CHT", L"Item1"), L"巨集-新");
  EXPECT_EQ(keysOf(L"Setting-CHT").size(), 24u);
  const auto lines = fileLines();
  EXPECT_NE(std::find(lines.begin(), lines.end(), L"; kept"), lines.end());
}

TEST_F(StrIniTest, SkinKeysAreReadAsBytesAndTheFolderName) {
  writeUtf16(L"[Skins]\r\nRColor=300\r\nGColor= 17 \r\nBColor=-1\r\nPath=Dark Red\r\n");
  PortableProfile ini(path_);
  const SkinKeys keys = readSkinKeys(ini);
  EXPECT_EQ(keys.textColor, (std::array<std::uint8_t, 3>{44, 17, 255}));
  EXPECT_EQ(keys.skinName, L"Dark Red");

  const SkinKeys none = readSkinKeys(PortableProfile(dir_ / "missing.ini"));
  EXPECT_EQ(none.textColor, (std::array<std::uint8_t, 3>{0, 0, 0}));
  EXPECT_EQ(none.skinName, L"");

  EXPECT_EQ(profileByte(L"12abc"), 12);
  EXPECT_EQ(profileByte(L"abc"), 0);
  EXPECT_EQ(profileByte(L"+255"), 255);
  EXPECT_EQ(profileByte(L"99999999999999999999999"), 255);  // saturates at INT_MAX
  EXPECT_EQ(profileByte(L"-99999999999999999999999"), 0);   // INT_MIN
  EXPECT_EQ(profileByte(L"-"), 0);
}

// res/str.ini in the source tree (under Wine the Unix root is drive Z:).
fs::path installedStrIni() {
  fs::path path = fs::path(K8_SOURCE_DIR) / "res" / "str.ini";
#ifdef _WIN32
  if (!fs::exists(path)) path = fs::path("Z:" K8_SOURCE_DIR) / "res" / "str.ini";
#endif
  return path;
}

TEST_F(StrIniTest, InstalledFileIsWhatTheGeneratorMakesAndReadsAsEnglishWithEveryCaption) {
  {
    PortableProfile made(path_);
    ASSERT_TRUE(writeInstalledStrIni(made));
  }
  const auto bytesOf = [](const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string{std::istreambuf_iterator<char>(in), {}};
  };
  ASSERT_TRUE(fs::exists(installedStrIni())) << installedStrIni();
  EXPECT_EQ(bytesOf(installedStrIni()), bytesOf(path_)) << "regenerate with k8ctl init-str-ini";

  PortableProfile ini(installedStrIni());
  EXPECT_EQ(languageFromCode(readLanguageCode(ini)), Language::English);
  const SkinKeys skin = readSkinKeys(ini);
  EXPECT_EQ(skin.textColor, (std::array<std::uint8_t, 3>{0, 255, 0}));
  EXPECT_EQ(skin.skinName, L"Default");
  for (Language language : {Language::English, Language::SimplifiedChinese,
                            Language::TraditionalChinese, Language::Turkish}) {
    const ButtonCaptions read = readCaptions(ini, language);
    const ButtonCaptions expected = defaultCaptions(language);
    EXPECT_EQ(read.modeA, expected.modeA);
    EXPECT_EQ(read.modeB, expected.modeB);
  }
}

}  // namespace
