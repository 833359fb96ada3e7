#pragma once
// The user-interface thread's one keyboard hook. The recorder and the capturing dialogs each
// take it through a HookLease; the system hook is in while anyone holds one, and each key goes
// to the newest holder only while no modal window opened after it runs (HookUsers) and the
// keyboard focus is in the holder's window.

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "macros/key_hook_rules.h"
#include "macros/macro_recorder.h"

namespace k8 {

// The name of the keystroke a key message's lParam describes (at most 31 characters): the
// program's own table first, since the system's names depend on the keyboard layout's language
// and, under Wine, on the X server; the system's name for keys the table does not know.
std::wstring keystrokeNameOf(LPARAM keyData);

class HookLease {
 public:
  using KeyHandler = HookUsers::KeyHandler;

  HookLease() = default;
  ~HookLease() { stop(); }
  HookLease(const HookLease&) = delete;
  HookLease& operator=(const HookLease&) = delete;

  // False with the system's error when the hook could not be installed.
  bool start(HookUse use, HWND window, KeyHandler onKey, unsigned long& error);
  void stop();
  bool held() const { return id_ != 0; }

 private:
  HookUsers::Id id_ = 0;
};

// The recorder's side of the main window: its hook lease, its title while it records, and the
// recorder message.
class RecorderWindow final : public RecorderHost {
 public:
  RecorderWindow(HWND window, UINT recorderMessage, HookLease::KeyHandler onKey);
  ~RecorderWindow() override;
  RecorderWindow(const RecorderWindow&) = delete;
  RecorderWindow& operator=(const RecorderWindow&) = delete;

  bool installHook(unsigned long& error) override;
  // Also gives the window back the title it had before recording.
  void removeHook() override;
  void setTitle(const std::wstring& title) override;
  void sendRecorderMessage(RecorderKind kind, bool freshPress) override;

 private:
  HWND window_;
  UINT message_;
  HookLease::KeyHandler onKey_;
  HookLease lease_;
  bool titleSaved_ = false;
  std::wstring savedTitle_;
};

}  // namespace k8
