#include "macros/keyboard_hook_win32.h"

#include "settings/scan_code_names.h"

namespace k8 {
namespace {

// The one hook of the thread: the hook procedure has no context of its own.
RecorderHook* g_hook = nullptr;

std::wstring keyNameOf(LPARAM lParam) {
  const auto data = static_cast<std::uint32_t>(lParam);
  // The program's own table first: the system's names depend on the keyboard layout's
  // language, and under Wine on the X server.
  const std::wstring_view own = keystrokeName((data >> 16) & 0xFF, ((data >> 24) & 1) != 0);
  if (!own.empty()) return std::wstring(own);
  wchar_t buffer[32] = {};
  const int length = GetKeyNameTextW(static_cast<LONG>(lParam), buffer, 32);
  return std::wstring(buffer, length > 0 ? static_cast<std::size_t>(length) : 0);
}

}  // namespace

RecorderHook::RecorderHook(HWND window, UINT recorderMessage, KeyHandler onKey)
    : window_(window), message_(recorderMessage), onKey_(std::move(onKey)) {}

RecorderHook::~RecorderHook() { removeHook(); }

LRESULT CALLBACK RecorderHook::hookProc(int code, WPARAM wParam, LPARAM lParam) {
  if (code != HC_ACTION || g_hook == nullptr || !g_hook->onKey_)
    return CallNextHookEx(nullptr, code, wParam, lParam);
  g_hook->onKey_(keyNameOf(lParam), static_cast<std::uint32_t>(lParam));
  return 0;
}

bool RecorderHook::installHook(unsigned long& error) {
  hook_.reset(
      SetWindowsHookExW(WH_KEYBOARD, &RecorderHook::hookProc, nullptr, GetCurrentThreadId()));
  if (!hook_) {
    error = GetLastError();
    return false;
  }
  g_hook = this;
  return true;
}

void RecorderHook::removeHook() {
  hook_.reset();
  if (g_hook == this) g_hook = nullptr;
  if (titleSaved_) {
    titleSaved_ = false;
    if (IsWindow(window_)) SetWindowTextW(window_, savedTitle_.c_str());
  }
}

void RecorderHook::setTitle(const std::wstring& title) {
  if (!titleSaved_) {
    wchar_t buffer[256] = {};
    const int length = GetWindowTextW(window_, buffer, 256);
    savedTitle_.assign(buffer, length > 0 ? static_cast<std::size_t>(length) : 0);
    titleSaved_ = true;
  }
  SetWindowTextW(window_, title.c_str());
}

void RecorderHook::sendRecorderMessage(RecorderKind kind, bool freshPress) {
  SendMessageW(window_, message_, static_cast<WPARAM>(kind), freshPress ? 1 : 0);
}

}  // namespace k8
