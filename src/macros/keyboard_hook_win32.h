#pragma once
// The recorder's keyboard hook on the user-interface thread, the main window's title while it
// records, and the recorder message to the main window.

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "macros/macro_recorder.h"
#include "platform/handles_win32.h"

namespace k8 {

class RecorderHook final : public RecorderHost {
 public:
  // Gets every key the hook sees: its name and the hook's lParam.
  using KeyHandler = std::function<void(std::wstring_view name, std::uint32_t keyData)>;

  RecorderHook(HWND window, UINT recorderMessage, KeyHandler onKey);
  ~RecorderHook() override;
  RecorderHook(const RecorderHook&) = delete;
  RecorderHook& operator=(const RecorderHook&) = delete;

  bool installHook(unsigned long& error) override;
  // Also gives the window back the title it had before recording.
  void removeHook() override;
  void setTitle(const std::wstring& title) override;
  void sendRecorderMessage(RecorderKind kind, bool freshPress) override;

 private:
  static LRESULT CALLBACK hookProc(int code, WPARAM wParam, LPARAM lParam);

  HWND window_;
  UINT message_;
  KeyHandler onKey_;
  UniqueHook hook_;
  bool titleSaved_ = false;
  std::wstring savedTitle_;
};

}  // namespace k8
