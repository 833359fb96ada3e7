// The recorder's logic, the insert-mouse-event rules and the delay-line rule.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "macros/macro_recorder.h"

namespace k8 {
namespace {

using Lines = std::vector<std::wstring>;
constexpr std::uint32_t kRelease = MacroRecorder::kReleaseBit | MacroRecorder::kPreviousStateBit;
constexpr std::uint32_t kRepeat = MacroRecorder::kPreviousStateBit;

// Plays the window: the hook's message reaches the handler at once, as SendMessageW does.
class RecorderTest : public ::testing::Test, public RecorderHost {
 protected:
  bool installHook(unsigned long& error) override {
    error = installError_;
    return hooked_ = installError_ == 0;
  }
  void removeHook() override { hooked_ = false; }
  void setTitle(const std::wstring& title) override { title_ = title; }
  void sendRecorderMessage(RecorderKind kind, bool) override {
    kinds_.push_back(kind);
    recorder_.onRecorderMessage(kind, lists_);
  }

  void type(std::wstring_view key, int repeats = 0) {
    recorder_.onHookKey(key, 0);
    for (int i = 0; i < repeats; ++i) recorder_.onHookKey(key, kRepeat);
    recorder_.onHookKey(key, kRelease);
  }
  std::vector<std::wstring> texts() const {
    std::vector<std::wstring> t;
    for (const auto& [text, caption] : shown_) t.push_back(text + L"|" + caption);
    return t;
  }

  MacroLists lists_{{L"m"}, 0, {L"old"}, 0, L"m"};
  MacroRecorder recorder_{*this, RecorderTexts{.appTitle = L"App"},
                          [this](const std::wstring& t, const std::wstring& c) {
                            shown_.emplace_back(t, c);
                            // The user closes the box with Enter; a hook still in place would see
                            // the key.
                            if (enterClosesBoxes_ && hooked_) recorder_.onHookKey(L"Enter", 0);
                          }};
  std::vector<std::pair<std::wstring, std::wstring>> shown_;
  std::vector<RecorderKind> kinds_;
  unsigned long installError_ = 0;
  bool hooked_ = false;
  bool enterClosesBoxes_ = false;
  std::wstring title_;
};

TEST_F(RecorderTest, TypingAThenBRecordsSevenLinesWithoutRepeats) {
  recorder_.StartRecording(lists_);
  EXPECT_TRUE(hooked_);
  EXPECT_EQ(title_, L"Press Ctrl+Break key to stop recording");
  EXPECT_TRUE(lists_.events.empty());
  type(L"A", 5);  // held: one press line only, also for the first key
  type(L"B");
  EXPECT_EQ(lists_.events,
            (Lines{L"A   Dn", L"50 ms", L"A   Up", L"50 ms", L"B   Dn", L"50 ms", L"B   Up"}));
  EXPECT_EQ(lists_.selectedEvent, 6);

  // A fresh press of the same key is recorded again; names are cut to 31 characters.
  recorder_.onHookKey(std::wstring(40, L'K'), 0);
  EXPECT_EQ(lists_.events.back(), std::wstring(31, L'K') + L"   Dn");
  // Keys while no macro is selected are dropped.
  lists_.selectedName = -1;
  type(L"C");
  EXPECT_EQ(lists_.events.size(), 9u);
}

TEST_F(RecorderTest, OnlyReleasesOfRecordedPressesAreRecorded) {
  recorder_.StartRecording(lists_);
  recorder_.onHookKey(L"Enter", kRelease);  // the key that closed the "Start Recording" box
  type(L"A");
  // Shift went down before the recording; Enter ended a dialog the recorder did not see.
  recorder_.onHookKey(L"Shift", kRelease);
  recorder_.onHookKey(L"Enter", kRelease);
  type(L"B");
  recorder_.onHookKey(L"B", kRelease);  // a second release of the same press
  EXPECT_EQ(lists_.events,
            (Lines{L"A   Dn", L"50 ms", L"A   Up", L"50 ms", L"B   Dn", L"50 ms", L"B   Up"}));
}

TEST_F(RecorderTest, TheKeyThatClosesTheStopBoxIsNotRecorded) {
  enterClosesBoxes_ = true;
  recorder_.StartRecording(lists_);
  type(L"A");
  recorder_.StopRecording();
  EXPECT_EQ(lists_.events, (Lines{L"A   Dn", L"50 ms", L"A   Up"}));
}

TEST_F(RecorderTest, StartAndStopShowTheirBoxes) {
  recorder_.StopRecording();  // never started
  recorder_.StartRecording(lists_);
  recorder_.StopRecording();
  EXPECT_FALSE(hooked_);
  recorder_.StopRecording();  // a second stop: only the first box
  EXPECT_EQ(texts(), (std::vector<std::wstring>{
                         L"Stop Recording|App",
                         L"It doesn\u2019t start recording, unnecessary to press Stop key!|Warning",
                         L"Start Recording|App", L"Stop Recording|App", L"Stop Recording|App"}));
  EXPECT_EQ(kinds_, (std::vector<RecorderKind>{RecorderKind::Stopped}));
  EXPECT_TRUE(recorder_.recording());  // stopping never clears it
}

TEST_F(RecorderTest, NoMacroOrNoHookMeansNoRecording) {
  MacroLists none;
  recorder_.StartRecording(none);
  EXPECT_FALSE(hooked_);
  installError_ = 1428;
  recorder_.StartRecording(lists_);
  EXPECT_FALSE(recorder_.recording());
  EXPECT_TRUE(title_.empty());
  EXPECT_EQ(texts(),
            (std::vector<std::wstring>{L"Macro name is blank|Warning", L"Start Recording|App",
                                       L"JournalRecordHook Install error code :1428\n|App"}));
}

TEST(InsertMouseEvent, FollowsTheSelectedLine) {
  MacroLists lists{{L"m"}, 0, {L"A   Dn", L"50 ms", L"A   Up"}, 1, L"m"};
  ASSERT_TRUE(insertMouseEvent(lists, L"L-Button Click"));
  EXPECT_EQ(lists.events, (Lines{L"A   Dn", L"50 ms", L"L-Button   Dn", L"50 ms", L"L-Button   Up",
                                 L"50 ms", L"A   Up"}));
  EXPECT_EQ(lists.selectedEvent, 2);

  lists.selectedEvent = 6;  // an event line: a delay first, then the event
  ASSERT_TRUE(insertMouseEvent(lists, L"R-Button   Up"));
  EXPECT_EQ(Lines(lists.events.begin() + 6, lists.events.end()),
            (Lines{L"A   Up", L"50 ms", L"R-Button   Up"}));
  EXPECT_EQ(lists.selectedEvent, 8);

  lists.selectedEvent = -1;  // nothing selected in a filled list: nothing happens
  EXPECT_FALSE(insertMouseEvent(lists, L"M-Button   Dn"));
  EXPECT_EQ(lists.events.size(), 9u);
}

TEST(InsertMouseEvent, EmptyListGetsTheEventAtTheTopOnlyWithAMacro) {
  MacroLists lists;
  EXPECT_FALSE(insertMouseEvent(lists, L"M-Button Click"));
  lists.names = {L"m"};
  lists.selectedName = 0;
  ASSERT_TRUE(insertMouseEvent(lists, L"M-Button Click"));
  EXPECT_EQ(lists.events, (Lines{L"M-Button   Dn", L"50 ms", L"M-Button   Up", L"50 ms"}));
}

TEST(DelayLine, ClampsTheValueAndKeepsTheTypedText) {
  MacroLists lists{{L"m"}, 0, {L"A   Dn", L"50 ms", L"A   Up"}, -1, L"m"};
  EXPECT_FALSE(replaceDelayLine(lists, 0, 100, L"100"));  // event lines are not delays
  EXPECT_FALSE(replaceDelayLine(lists, 7, 100, L"100"));
  const std::pair<long, const wchar_t*> cases[] = {{0, L"20 ms"},        {19, L"20 ms"},
                                                   {20, L"20 ms"},       {50, L"050 ms"},
                                                   {10000, L"10000 ms"}, {10001, L"10000 ms"}};
  for (const auto& [value, line] : cases) {
    const std::wstring typed = value == 50 ? L"050" : std::to_wstring(value);
    ASSERT_TRUE(replaceDelayLine(lists, 1, value, typed));
    EXPECT_EQ(lists.events[1], line);
    EXPECT_EQ(lists.selectedEvent, 1);
  }
}

}  // namespace
}  // namespace k8
