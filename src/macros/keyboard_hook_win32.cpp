#include "macros/keyboard_hook_win32.h"

#include "platform/handles_win32.h"
#include "settings/scan_code_names.h"

namespace k8 {
namespace {

// The hook procedure has no context of its own: this is the thread's one hook and its users.
struct Owner {
  UniqueHook hook;
  HookUsers users;
};

Owner& owner() {
  static Owner o;
  return o;
}

// A modal window that is not the program's own (or that nobody declared) still takes the
// focus away from the holder's window: its keys are not the holder's either.
bool focusWithin(HWND window) {
  const HWND focus = GetFocus();
  return focus == nullptr || focus == window || GetAncestor(focus, GA_ROOT) == window;
}

LRESULT CALLBACK hookProc(int code, WPARAM wParam, LPARAM lParam) {
  const HookUsers& users = owner().users;
  const HookUsers::User* user = code == HC_ACTION ? users.active() : nullptr;
  if (user == nullptr || !focusWithin(static_cast<HWND>(user->window)))
    return CallNextHookEx(nullptr, code, wParam, lParam);
  const bool swallow = users.deliver(*user, keystrokeNameOf(lParam), static_cast<unsigned>(wParam),
                                     static_cast<std::uint32_t>(lParam));
  return swallow ? 1 : 0;
}

}  // namespace

std::wstring keystrokeNameOf(LPARAM keyData) {
  const auto data = static_cast<std::uint32_t>(keyData);
  const std::wstring_view own = keystrokeName((data >> 16) & 0xFF, ((data >> 24) & 1) != 0);
  if (!own.empty()) return std::wstring(own);
  wchar_t buffer[32] = {};
  const int length = GetKeyNameTextW(static_cast<LONG>(keyData), buffer, 32);
  return std::wstring(buffer, length > 0 ? static_cast<std::size_t>(length) : 0);
}

bool HookLease::start(HookUse use, HWND window, KeyHandler onKey, unsigned long& error) {
  stop();
  Owner& o = owner();
  if (!o.hook) {
    o.hook.reset(SetWindowsHookExW(WH_KEYBOARD, &hookProc, nullptr, GetCurrentThreadId()));
    if (!o.hook) {
      error = GetLastError();
      return false;
    }
  }
  id_ = o.users.add(use, window, std::move(onKey));
  return true;
}

void HookLease::stop() {
  if (id_ == 0) return;
  Owner& o = owner();
  o.users.remove(id_);
  id_ = 0;
  if (o.users.empty()) o.hook.reset();
}

RecorderWindow::RecorderWindow(HWND window, UINT recorderMessage, HookLease::KeyHandler onKey)
    : window_(window), message_(recorderMessage), onKey_(std::move(onKey)) {}

RecorderWindow::~RecorderWindow() { removeHook(); }

bool RecorderWindow::installHook(unsigned long& error) {
  return lease_.start(HookUse::Recorder, window_, onKey_, error);
}

void RecorderWindow::removeHook() {
  lease_.stop();
  if (titleSaved_) {
    titleSaved_ = false;
    if (IsWindow(window_)) SetWindowTextW(window_, savedTitle_.c_str());
  }
}

void RecorderWindow::setTitle(const std::wstring& title) {
  if (!titleSaved_) {
    wchar_t buffer[256] = {};
    const int length = GetWindowTextW(window_, buffer, 256);
    savedTitle_.assign(buffer, length > 0 ? static_cast<std::size_t>(length) : 0);
    titleSaved_ = true;
  }
  SetWindowTextW(window_, title.c_str());
}

void RecorderWindow::sendRecorderMessage(RecorderKind kind, bool freshPress) {
  SendMessageW(window_, message_, static_cast<WPARAM>(kind), freshPress ? 1 : 0);
}

}  // namespace k8
