// The settings record: config.bin load/save and the two default groups.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

#include "settings/config_file.h"
#include "settings/key_codes.h"
#include "settings/mouse_settings.h"

namespace fs = std::filesystem;
using namespace k8;

namespace {

struct Shown {
  std::wstring text, caption;
};

class ConfigFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("k8-config-" +
            std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    path_ = dir_ / "config.bin";
  }
  void TearDown() override { fs::remove_all(dir_); }

  void writeFile(std::size_t size, std::uint8_t flag, std::uint8_t fill) {
    std::vector<char> bytes(size, static_cast<char>(fill));
    if (!bytes.empty()) bytes[0] = static_cast<char>(flag);
    std::ofstream(path_, std::ios::binary).write(bytes.data(), static_cast<long>(bytes.size()));
  }
  std::vector<char> readFile() {
    std::ifstream in(path_, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  MessageFn recorder() {
    return [this](const std::wstring& t, const std::wstring& c) { shown_.push_back({t, c}); };
  }

  fs::path dir_, path_;
  std::vector<Shown> shown_;
};

TEST_F(ConfigFileTest, LoadsEitherFlagAndKeepsItAsRead) {
  for (int flag : {0, 1}) {
    writeFile(kConfigFileSize, static_cast<std::uint8_t>(flag), 0x05);
    SettingsState state;
    EXPECT_EQ(loadSettings(state, path_, L"App", recorder()), LoadResult::Loaded);
    EXPECT_EQ(state.firstRunFlag, flag);
    EXPECT_EQ(state.working.reportRate, 0x05);
    EXPECT_EQ(state.committed.dpiActionB[11], 0x05);  // committed follows the load
  }
  EXPECT_TRUE(shown_.empty());
}

TEST_F(ConfigFileTest, WrongSizedFilesAreIgnoredSilently) {
  for (std::size_t size : {kConfigFileSize - 1, kConfigFileSize + 1, std::size_t{0}}) {
    writeFile(size, 1, 0x07);
    SettingsState state;
    EXPECT_EQ(loadSettings(state, path_, L"App", recorder()), LoadResult::WrongSize);
    EXPECT_EQ(state.working.reportRate, 0);
    EXPECT_EQ(state.firstRunFlag, 0);
  }
  EXPECT_TRUE(shown_.empty());
}

TEST_F(ConfigFileTest, MissingFileIsReportedAtLoadAndSaveAndNeverCreated) {
  SettingsState state;
  EXPECT_EQ(loadSettings(state, path_, L"QTV-K8GamingMouse", recorder()), LoadResult::Missing);
  EXPECT_FALSE(saveSettings(state.working, path_, L"QTV-K8GamingMouse", recorder()));
  ASSERT_EQ(shown_.size(), 2u);
  for (const auto& s : shown_) {
    EXPECT_EQ(s.text, L"Config file is not exist.");
    EXPECT_EQ(s.caption, L"QTV-K8GamingMouse");
  }
  EXPECT_FALSE(fs::exists(path_));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator{}), 0);
}

TEST_F(ConfigFileTest, SaveWritesFlagOneAndTheRecordByteForByte) {
  writeFile(kConfigFileSize - 1, 0, 0);  // wrong size: still replaced by a correct image
  MouseSettings s{};
  s.reportRate = 8;
  s.dpiActionB[11] = 4;
  s.reserved1920 = {1, 2, 3, 4, 5};
  ASSERT_TRUE(saveSettings(s, path_, L"App", recorder()));
  const auto bytes = readFile();
  ASSERT_EQ(bytes.size(), kConfigFileSize);
  EXPECT_EQ(bytes[0], 1);
  EXPECT_EQ(bytes[1 + 1925], 8);
  EXPECT_EQ(bytes[1 + 1984], 4);
  EXPECT_EQ(bytes[1 + 1920], 1);
  // Saved twice: the replacement also works over an existing file.
  s.reportRate = 2;
  ASSERT_TRUE(saveSettings(s, path_, L"App", recorder()));
  EXPECT_EQ(readFile()[1 + 1925], 2);
  EXPECT_TRUE(shown_.empty());
  EXPECT_FALSE(fs::exists(dir_ / "config.bin.k8new"));
}

TEST_F(ConfigFileTest, FailedSaveKeepsThePreviousFileAndReportsTheError) {
  writeFile(kConfigFileSize, 1, 0x09);
  const auto before = readFile();
  fs::create_directory(dir_ / "config.bin.k8new");  // the temporary file cannot be made
  MouseSettings s{};
  EXPECT_FALSE(saveSettings(s, path_, L"App", recorder()));
  EXPECT_EQ(readFile(), before);
  ASSERT_EQ(shown_.size(), 1u);
  EXPECT_EQ(shown_[0].caption, L"NULL ==fp ");
  EXPECT_EQ(shown_[0].text.rfind(L"Error Code is: ", 0), 0u);
  EXPECT_EQ(shown_[0].text.substr(shown_[0].text.size() - 2), L" \n");
}

TEST(SettingsDefaults, KeyDefaultsCoverBothModesAndTouchOnlyFunctionsAndDpiActions) {
  MouseSettings s{};
  s.editMode = 1;
  for (int m = 0; m < 2; ++m) {
    s.mode(m).function.fill(13);
    s.mode(m).macroIndex.fill(7);
    s.mode(m).comboKey1.fill(0x04);
    s.mode(m).mediaUsage.fill(0xE2);
  }
  resetKeyDefaults(s);
  const std::uint8_t expected[12] = {0, 1, 2, 3, 4, 6, 6, 5, 15, 15, 15, 15};
  for (int m = 0; m < 2; ++m) {
    for (std::size_t b = 0; b < 12; ++b) EXPECT_EQ(s.mode(m).function[b], expected[b]);
    EXPECT_EQ(s.dpiAction(m)[5], kDpiUp);
    EXPECT_EQ(s.dpiAction(m)[6], kDpiDown);
    EXPECT_EQ(s.mode(m).macroIndex[3], 7);
    EXPECT_EQ(s.mode(m).comboKey1[0], 0x04);
    EXPECT_EQ(s.mode(m).mediaUsage[7], 0xE2);
  }
}

TEST(SettingsDefaults, SystemMouseDefaultsAndCommitRevert) {
  SettingsState st;
  st.working.pointerSpeed = 9;
  st.working.scrollOneScreen = 1;
  resetSystemMouseDefaults(st.working);
  EXPECT_EQ(st.working.pointerSpeed, 6);
  EXPECT_EQ(st.working.scrollLines, 3);
  EXPECT_EQ(st.working.doubleClickSpeed, 6);
  EXPECT_EQ(st.working.scrollOneScreen, 0);

  st.commit();
  st.working.editMode = 1;
  st.working.reportRate = 8;
  st.revert();
  EXPECT_EQ(st.working.editMode, 0);  // Cancel also restores the shown mode
  EXPECT_EQ(st.working.pointerSpeed, 6);
  EXPECT_EQ(std::memcmp(&st.working, &st.committed, sizeof(MouseSettings)), 0);
}

}  // namespace
