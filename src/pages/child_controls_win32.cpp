#include "pages/child_controls_win32.h"

namespace k8 {

ChildControls::~ChildControls() {
  for (auto& [id, hwnd] : children_)
    if (IsWindow(hwnd)) DestroyWindow(hwnd);
}

HWND ChildControls::window(int id) const {
  const auto it = children_.find(id);
  return it != children_.end() && IsWindow(it->second) ? it->second : nullptr;
}

HWND ChildControls::make(int id, const wchar_t* cls, DWORD style, Rect rect,
                         const std::wstring& text) {
  destroy(id);
  HWND hwnd = CreateWindowExW(0, cls, text.c_str(), WS_CHILD | WS_VISIBLE | style, rect.left,
                              rect.top, rect.width(), rect.height(), parent_,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
  if (hwnd == nullptr) return nullptr;
  if (font_ != nullptr) SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  children_[id] = hwnd;
  return hwnd;
}

void ChildControls::createListBox(int id, Rect rect, const std::vector<std::wstring>& items) {
  HWND list = make(id, L"LISTBOX", WS_BORDER | WS_VSCROLL | LBS_NOTIFY, rect, L"");
  if (list == nullptr) return;
  for (const std::wstring& item : items)
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

void ChildControls::createLabel(int id, Rect rect, std::wstring_view text) {
  make(id, L"STATIC", SS_LEFT, rect, std::wstring(text));
}

void ChildControls::createEdit(int id, Rect rect, std::wstring_view text) {
  make(id, L"EDIT", ES_AUTOHSCROLL, rect, std::wstring(text));
}

void ChildControls::destroy(int id) {
  const auto it = children_.find(id);
  if (it == children_.end()) return;
  if (IsWindow(it->second)) DestroyWindow(it->second);
  children_.erase(it);
}

}  // namespace k8
