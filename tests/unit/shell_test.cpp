// The shell's portable rules: notices, icon actions, the journal and the simulated build's
// control commands.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/journal.h"
#include "app/notices.h"
#include "app/sim_channel.h"

using namespace k8;

namespace {

MouseSettings withLevels(std::array<std::uint8_t, 4> levels) {
  MouseSettings s{};
  s.dpiLevel = levels;
  return s;
}

TEST(Notices, TextsTitlesAndTimeouts) {
  const auto texts = englishShellTexts();
  const auto s = withLevels({0, 3, 7, 11});
  auto n = noticeFor(7u, 2, texts, s, 0);
  ASSERT_TRUE(n);
  EXPECT_EQ(n->text, L"Switch DPI into the second stage 1000");
  EXPECT_EQ(n->title, L"Info");
  EXPECT_EQ(n->timeoutMs, 5000u);
  EXPECT_EQ(noticeFor(7u, 4, texts, s, 0)->text, L"Switch DPI into the fourth stage 4000");
  EXPECT_EQ(noticeFor(7u, 2, texts, s, 1)->text, L"Switch DPI into the second stage 1200");
  EXPECT_EQ(noticeFor(5u, 8, texts, s, 0)->text, L"Switch report rate into 125HZ");
  EXPECT_EQ(noticeFor(5u, 1, texts, s, 0)->text, L"Switch report rate into 1000HZ");
  EXPECT_EQ(noticeFor(9u, 3, texts, s, 0)->text, L"Switch to macro key3");
  EXPECT_EQ(noticeFor(9u, 255, texts, s, 0)->text, L"Switch to macro key255");
  EXPECT_EQ(noticeFor(8u, 3, texts, s, 0)->text, L"Switch to key matrix 3");
  EXPECT_EQ(noticeFor(8u, 4, texts, s, 0)->title, L"Info");

  n = noticeFor(15u, 0, texts, s, 0);
  ASSERT_TRUE(n);
  EXPECT_EQ(n->title, L"Warning");
  EXPECT_EQ(n->text, L"The system did not detect the gaming mouse!");
  EXPECT_EQ(n->timeoutMs, 100u);
}

TEST(Notices, UnknownValuesKindsAndOutOfRangeLevelsGiveNothingOrNoValue) {
  const auto texts = englishShellTexts();
  const auto s = withLevels({0, 9, 200, 0});
  for (int v : {0, 3, 5, 16})
    EXPECT_FALSE(noticeFor(5u, static_cast<std::uint8_t>(v), texts, s, 0));
  for (int v : {0, 5}) EXPECT_FALSE(noticeFor(7u, static_cast<std::uint8_t>(v), texts, s, 0));
  for (int v : {0, 5}) EXPECT_FALSE(noticeFor(8u, static_cast<std::uint8_t>(v), texts, s, 0));
  EXPECT_FALSE(noticeFor(9u, 0, texts, s, 0));
  for (unsigned kind : {0u, 6u, 10u, 14u, 16u, 0x1234u})
    EXPECT_FALSE(noticeFor(kind, 1, texts, s, 0));
  // Level 9 exists on the 12-step scale but not on the 8-step one; 200 on neither.
  EXPECT_EQ(noticeFor(7u, 2, texts, s, 0)->text, L"Switch DPI into the second stage 3000");
  EXPECT_EQ(noticeFor(7u, 2, texts, s, 1)->text, L"Switch DPI into the second stage ");
  EXPECT_EQ(noticeFor(7u, 3, texts, s, 0)->text, L"Switch DPI into the third stage ");
  EXPECT_EQ(noticeFor(7u, 1, texts, s, 4)->text, L"Switch DPI into the first stage ");
}

TEST(TrayIcon, ClicksOpenOrWarnAndRightButtonUpShowsTheMenu) {
  for (unsigned m : {kMsgLButtonUp, kMsgLButtonDblClk}) {
    EXPECT_EQ(trayAction(m, true), TrayAction::OpenWindow);
    EXPECT_EQ(trayAction(m, false), TrayAction::WarnMissing);
  }
  EXPECT_EQ(trayAction(kMsgRButtonUp, false), TrayAction::ShowMenu);
  for (unsigned m : {kMsgMouseMove, kMsgLButtonDown, 0x0204u, 0x0207u, 0x0208u}) {
    EXPECT_EQ(trayAction(m, true), TrayAction::None);
  }
}

TEST(Journal, OneEscapedLinePerEntryAppendedAtOnce) {
  EXPECT_EQ(journalLine({L"notice", L"Info", L"Switch to macro key3"}),
            "notice\tInfo\tSwitch to macro key3");
  EXPECT_EQ(journalLine({L"messagebox", L"QTV", L"a\tb\\c\nd\r"}),
            "messagebox\tQTV\ta\\tb\\\\c\\nd\\r");
  EXPECT_EQ(journalLine({L"notice", L"Info", L"\u5207\u6362"}),
            "notice\tInfo\t\xe5\x88\x87\xe6\x8d\xa2");
  EXPECT_EQ(journalLine({L"window", L"shown"}), "window\tshown");

  const auto file = std::filesystem::temp_directory_path() / "k8-journal-test.log";
  std::filesystem::remove(file);
  {
    Journal first(file);
    first.write("exit\t0");
    std::ifstream in(file);  // flushed before the journal closes
    std::string line;
    EXPECT_TRUE(std::getline(in, line));
    EXPECT_EQ(line, "exit\t0");
  }
  Journal(file).write("window\thidden");
  std::ifstream in(file);
  std::string all((std::istreambuf_iterator<char>(in)), {});
  EXPECT_EQ(all, "exit\t0\nwindow\thidden\n");
  std::filesystem::remove(file);
}

TEST(SimCommands, ParseFormatAndReports) {
  auto c = parseSimCommand(std::vector<std::string>{"report", "7", "2"});
  ASSERT_TRUE(c);
  EXPECT_EQ(c->reportId, 6);
  EXPECT_EQ(formatSimCommand(*c), "report 7 2 6");
  c = parseSimCommand(std::string_view("report  9 3 5"));
  ASSERT_TRUE(c);
  EXPECT_EQ(c->reportId, 5);
  EXPECT_EQ(simInputReport(*c, 9), (std::vector<std::uint8_t>{5, 9, 0, 3, 0, 0, 0, 0, 0}));
  EXPECT_EQ(simInputReport(*c, 0).size(), 4u);
  EXPECT_EQ(parseSimCommand(std::string_view("plug"))->kind, SimCommand::Kind::Plug);
  EXPECT_EQ(formatSimCommand(*parseSimCommand(std::string_view("unplug"))), "unplug");

  for (const char* bad : {"", "plug 1", "report", "report 7", "report 7 256", "report -1 2",
                          "report 7 2 6 1", "report 7x 2", "unplugged", "report 7 0x2"}) {
    EXPECT_FALSE(parseSimCommand(std::string_view(bad))) << bad;
  }
}

}  // namespace
