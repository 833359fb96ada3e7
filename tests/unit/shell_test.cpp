// The shell's portable rules: the journal and the simulated build's
// control commands.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/journal.h"
#include "app/sim_channel.h"
#include "settings/mouse_settings.h"

using namespace k8;

namespace {

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
  {
    std::ifstream in(file, std::ios::binary);
    std::string all((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(all, "exit\t0\nwindow\thidden\n");
  }
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
  c = parseSimCommand(std::string_view("scale 192"));
  ASSERT_TRUE(c);
  EXPECT_EQ(formatSimCommand(*c), "scale 192");
  EXPECT_FALSE(parseSimCommand(std::string_view("scale 95")));
  EXPECT_FALSE(parseSimCommand(std::string_view("scale 385")));
  c = parseSimCommand(std::string_view("set 1984 255"));  // the record's last byte
  ASSERT_TRUE(c);
  EXPECT_EQ(c->kind, SimCommand::Kind::Set);
  EXPECT_EQ(c->offset, sizeof(MouseSettings) - 1);
  EXPECT_EQ(c->value, 255);
  EXPECT_EQ(formatSimCommand(*c), "set 1984 255");
  c = parseSimCommand(std::string_view("unplug-after 40"));
  ASSERT_TRUE(c);
  EXPECT_EQ(c->kind, SimCommand::Kind::UnplugAfter);
  EXPECT_EQ(c->transfers, 40u);
  EXPECT_EQ(formatSimCommand(*c), "unplug-after 40");

  for (const char* bad : {"",
                          "plug 1",
                          "report",
                          "report 7",
                          "report 7 256",
                          "report -1 2",
                          "report 7 2 6 1",
                          "report 7x 2",
                          "unplugged",
                          "report 7 0x2",
                          "set 1985 0",
                          "set 1925",
                          "set 1925 256",
                          "set -1 0",
                          "set 1925 3 4",
                          "set 99999999999 1",
                          "unplug-after",
                          "unplug-after -1",
                          "unplug-after 100000",
                          "unplug-after 3 4"}) {
    EXPECT_FALSE(parseSimCommand(std::string_view(bad))) << bad;
  }
}

}  // namespace
