// The captions and the installed str.ini through the Win32 profile functions, which the
// program itself uses.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>

#include "i18n/captions.h"
#include "i18n/str_ini.h"
#include "platform/profile_win32.h"

namespace fs = std::filesystem;
using namespace k8;

namespace {

class Win32Captions : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("k8-lang-w32-" + std::to_string(GetCurrentProcessId()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    path_ = dir_ / "str.ini";
  }
  void TearDown() override { fs::remove_all(dir_); }
  fs::path dir_, path_;
};

TEST_F(Win32Captions, EveryLanguageAndAwkwardCaptionsComeBackAsWritten) {
  ButtonCaptions tuk = defaultCaptions(Language::Turkish);
  tuk.modeA[4] = L"Çıkış ğüöİı";
  tuk.modeA[5] = L"\"quoted\"";
  tuk.modeA[6] = L" lead and trail\t";
  tuk.modeB[7] = L"'";
  const ButtonCaptions chs = defaultCaptions(Language::SimplifiedChinese);
  {
    Win32Profile ini(path_);
    ASSERT_TRUE(writeCaptions(ini, Language::Turkish, tuk));
    ASSERT_TRUE(writeCaptions(ini, Language::SimplifiedChinese, chs));
  }
  Win32Profile ini(path_);
  EXPECT_EQ(readCaptions(ini, Language::Turkish).modeA, tuk.modeA);
  EXPECT_EQ(readCaptions(ini, Language::Turkish).modeB, tuk.modeB);
  EXPECT_EQ(readCaptions(ini, Language::SimplifiedChinese).modeB, chs.modeB);
  EXPECT_EQ(ini.readString(L"Setting-TUK", L"Item123"), L"TuşKapa");
}

TEST_F(Win32Captions, InstalledStrIniReadsAsEnglishWithTheDefaultSkin) {
  {
    PortableProfile made(path_);
    ASSERT_TRUE(writeInstalledStrIni(made));
  }
  Win32Profile ini(path_);
  EXPECT_EQ(languageFromCode(readLanguageCode(ini)), Language::English);
  const SkinKeys skin = readSkinKeys(ini);
  EXPECT_EQ(skin.textColor, (std::array<std::uint8_t, 3>{0, 255, 0}));
  EXPECT_EQ(skin.skinName, L"Default");
  EXPECT_EQ(readCaptions(ini, Language::TraditionalChinese).modeA,
            defaultCaptions(Language::TraditionalChinese).modeA);
}

}  // namespace
