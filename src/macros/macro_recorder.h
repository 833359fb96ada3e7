#pragma once
// The recorder's logic: Start/Stop Recording, what the keyboard hook reports, and how reported
// keys become event lines. The window supplies the hook and the title through RecorderHost.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "macros/key_hook_rules.h"
#include "macros/macro_store.h"
#include "settings/config_file.h"

namespace k8 {

// wParam of the recorder message (WM_RECORDER_KEY).
enum class RecorderKind : int { KeyPressed = 0, KeyReleased = 1, Stopped = 5 };

// The texts the recorder shows; UiStrings of the current language, English by default.
struct RecorderTexts {
  std::wstring startRecording = L"Start Recording";
  std::wstring stopRecording = L"Stop Recording";
  std::wstring recordingTitle = L"Press Ctrl+Break key to stop recording";
  std::wstring notStarted = L"It doesn\u2019t start recording, unnecessary to press Stop key!";
  std::wstring nameBlank = L"Macro name is blank";
  std::wstring warningCaption = L"Warning";
  std::wstring appTitle;
};

// "JournalRecordHook Install error code :%d\n" with the system error number.
std::wstring hookInstallErrorText(unsigned long error);

class RecorderHost {
 public:
  virtual ~RecorderHost() = default;
  // Installs the keyboard hook for the user-interface thread; on failure sets the system error.
  virtual bool installHook(unsigned long& error) = 0;
  virtual void removeHook() = 0;
  virtual void setTitle(const std::wstring& title) = 0;
  // Sends the recorder message to the main window (synchronously).
  virtual void sendRecorderMessage(RecorderKind kind, bool freshPress) = 0;
};

class MacroRecorder {
 public:
  static constexpr std::size_t kKeyNameLimit = 31;  // GetKeyNameTextW into 32 characters
  static constexpr std::uint32_t kReleaseBit = kKeyReleaseBit;
  static constexpr std::uint32_t kPreviousStateBit = kKeyPreviousStateBit;

  MacroRecorder(RecorderHost& host, RecorderTexts texts, MessageFn message)
      : host_(host), texts_(std::move(texts)), message_(std::move(message)) {}

  void StartRecording(MacroLists& lists);
  void StopRecording();
  // Leaving the Advanced page: the hook goes, nothing is shown.
  void removeHook();

  // The hook procedure for one key (HC_ACTION): `keyName` as GetKeyNameTextW gives it,
  // `keyData` the hook's lParam. Reports every release and every press except an auto-repeat
  // of the last recorded key.
  void onHookKey(std::wstring_view keyName, std::uint32_t keyData);
  // The main window's handler of the recorder message. A release is recorded only for a key whose
  // press this recording took: a key held when recording started, or pressed while the hook
  // passed keys on to a modal window, would otherwise be let go in the macro without being
  // pressed.
  void onRecorderMessage(RecorderKind kind, MacroLists& lists);

  bool hookInstalled() const { return hookInstalled_; }
  bool recording() const { return recording_; }

 private:
  void show(const std::wstring& text, bool warning) const;

  RecorderHost& host_;
  RecorderTexts texts_;
  MessageFn message_;
  bool hookInstalled_ = false;
  bool recording_ = false;  // set by Start, never cleared by Stop
  bool firstEventAdded_ = false;
  std::wstring currentKeyName_;
  std::wstring lastKeyName_;
  std::vector<std::wstring> held_;  // keys pressed in this recording and not yet released
};

// The Advanced page's insert list (three blanks before Dn/Up).
inline constexpr std::wstring_view kMouseEventEntries[] = {
    L"L-Button Click", L"R-Button Click", L"M-Button Click", L"L-Button   Dn", L"L-Button   Up",
    L"R-Button   Dn",  L"R-Button   Up",  L"M-Button   Dn",  L"M-Button   Up",
};

// Inserts a chosen mouse event into the event list: a "Click" entry as its Dn line, "50 ms" and
// its Up line, a Dn or Up entry as one line. With no line selected it goes to the top (then
// "50 ms") only when the list is empty and a macro is selected; after a selected delay line it
// goes right after it followed by "50 ms"; after a selected event line "50 ms" comes first.
// The selection moves to the first inserted event line. Returns whether anything was inserted.
bool insertMouseEvent(MacroLists& lists, std::wstring_view entry);

// The delay dialog's OK on event-list line `index`: a line containing "ms" is replaced by
// delayLine(delay, typedText) and selected; other lines are left alone.
bool replaceDelayLine(MacroLists& lists, std::size_t index, long delay,
                      std::wstring_view typedText);

}  // namespace k8
