#include "pages/child_controls_win32.h"

#include "pages/layout_table.h"
#include "platform/list_mouse_win32.h"

namespace k8 {

Notify notifyOf(WORD code) {
  switch (code) {
    case LBN_SELCHANGE: return Notify::SelChange;
    case LBN_DBLCLK: return Notify::DoubleClick;
    case LBN_SETFOCUS:
    case EN_SETFOCUS: return Notify::SetFocus;
    case LBN_KILLFOCUS:
    case EN_KILLFOCUS: return Notify::KillFocus;
    case EN_CHANGE: return Notify::Change;
    default: return Notify::Other;
  }
}

ChildControls::~ChildControls() {
  for (auto& [id, hwnd] : children_)
    if (IsWindow(hwnd)) DestroyWindow(hwnd);
}

HWND ChildControls::window(int id) const {
  const auto it = children_.find(id);
  return it != children_.end() && IsWindow(it->second) ? it->second : nullptr;
}

LRESULT ChildControls::send(int id, UINT message, WPARAM wParam, LPARAM lParam) const {
  HWND hwnd = window(id);
  return hwnd ? SendMessageW(hwnd, message, wParam, lParam) : LB_ERR;
}

HWND ChildControls::make(int id, const wchar_t* cls, DWORD style, DWORD exStyle, Rect rect,
                         const std::wstring& text) {
  destroy(id);
  const Rect at = layout::scaled(rect, dpi_);
  HWND hwnd = CreateWindowExW(exStyle, cls, text.c_str(), WS_CHILD | WS_VISIBLE | style, at.left,
                              at.top, at.width(), at.height(), parent_,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
  if (hwnd == nullptr) return nullptr;
  if (font_ != nullptr) SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  children_[id] = hwnd;
  places_[id] = rect;
  return hwnd;
}

void ChildControls::setDpi(int dpi) {
  dpi_ = dpi;
  for (const auto& [id, hwnd] : children_) {
    if (!IsWindow(hwnd)) continue;
    const Rect at = layout::scaled(places_[id], dpi_);
    if (font_ != nullptr) SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    // Not a copy of its old pixels: they were drawn at the old scale.
    SetWindowPos(hwnd, nullptr, at.left, at.top, at.width(), at.height(),
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
  }
}

namespace {

DWORD commonStyle(unsigned style) {
  DWORD s = 0;
  if (style & kStyleBorder) s |= WS_BORDER;
  if (style & kStyleVScroll) s |= WS_VSCROLL;
  return s;
}

}  // namespace

void ChildControls::createListBox(int id, Rect rect, const std::vector<std::wstring>& items,
                                  unsigned style) {
  // The page's lists are exactly as high as it says: no rounding to whole items.
  DWORD s = commonStyle(style) | LBS_NOINTEGRALHEIGHT;
  if (style & kStyleNotify) s |= LBS_NOTIFY;
  HWND list = make(id, L"LISTBOX", s, 0, rect, L"");
  if (list == nullptr) return;
  for (const std::wstring& item : items)
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  forwardListMouse(list);
}

void ChildControls::createLabel(int id, Rect rect, std::wstring_view text, unsigned style) {
  DWORD s = commonStyle(style);
  s |= (style & kStyleCentre) ? SS_CENTER : SS_LEFT;
  if (style & kStyleCentreImage) s |= SS_CENTERIMAGE;
  if (style & kStyleNotify) s |= SS_NOTIFY;
  if (style & kStyleSunken) s |= SS_SUNKEN;
  make(id, L"STATIC", s, 0, rect, std::wstring(text));
}

void ChildControls::createEdit(int id, Rect rect, std::wstring_view text, unsigned style) {
  DWORD s = commonStyle(style) | ES_AUTOHSCROLL;
  if (style & kStyleCentre) s |= ES_CENTER;
  if (style & kStyleNumber) s |= ES_NUMBER;
  make(id, L"EDIT", s, (style & kStyleSunken) ? WS_EX_CLIENTEDGE : 0, rect, std::wstring(text));
}

void ChildControls::destroy(int id) {
  const auto it = children_.find(id);
  if (it == children_.end()) return;
  HWND hwnd = it->second;
  // Erased first: destroying a focused list can send notifications that come back here.
  children_.erase(it);
  places_.erase(id);
  if (IsWindow(hwnd)) DestroyWindow(hwnd);
}

int ChildControls::selection(int id) const {
  const LRESULT r = send(id, LB_GETCURSEL);
  return r < 0 ? kNoItem : static_cast<int>(r);
}

void ChildControls::setSelection(int id, int index) {
  send(id, LB_SETCURSEL, static_cast<WPARAM>(index));
}

int ChildControls::itemCount(int id) const {
  const LRESULT r = send(id, LB_GETCOUNT);
  return r < 0 ? 0 : static_cast<int>(r);
}

std::wstring ChildControls::itemText(int id, int index) const {
  const LRESULT length = send(id, LB_GETTEXTLEN, static_cast<WPARAM>(index));
  if (length < 0) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const LRESULT got =
      send(id, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(got < 0 ? 0 : static_cast<std::size_t>(got));
  return text;
}

Rect ChildControls::itemRect(int id, int index) const {
  RECT r{};
  if (send(id, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r)) == LB_ERR)
    return {};
  return layout::unscaled(Rect{r.left, r.top, r.right, r.bottom}, dpi_);
}

int ChildControls::itemFromPoint(int id, Point p) const {
  if (!exists(id) || p.x < 0 || p.y < 0) return kNoItem;
  p = {layout::scaled(p.x, dpi_), layout::scaled(p.y, dpi_)};
  const LRESULT r =
      send(id, LB_ITEMFROMPOINT, 0, MAKELPARAM(static_cast<WORD>(p.x), static_cast<WORD>(p.y)));
  // The high word is 1 when the point lies outside every item.
  if (HIWORD(r) != 0) return kNoItem;
  return LOWORD(r);
}

void ChildControls::addItem(int id, std::wstring_view text) {
  const std::wstring s(text);
  send(id, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s.c_str()));
}

void ChildControls::insertItem(int id, int index, std::wstring_view text) {
  const std::wstring s(text);
  const int count = itemCount(id);
  const WPARAM at =
      index < 0 || index >= count ? static_cast<WPARAM>(-1) : static_cast<WPARAM>(index);
  send(id, LB_INSERTSTRING, at, reinterpret_cast<LPARAM>(s.c_str()));
}

void ChildControls::deleteItem(int id, int index) {
  send(id, LB_DELETESTRING, static_cast<WPARAM>(index));
}

void ChildControls::clearItems(int id) { send(id, LB_RESETCONTENT); }

Rect ChildControls::rect(int id) const {
  HWND hwnd = window(id);
  if (hwnd == nullptr) return {};
  RECT r{};
  GetWindowRect(hwnd, &r);
  MapWindowPoints(nullptr, parent_, reinterpret_cast<POINT*>(&r), 2);
  return layout::unscaled(Rect{r.left, r.top, r.right, r.bottom}, dpi_);
}

std::wstring ChildControls::text(int id) const {
  HWND hwnd = window(id);
  if (hwnd == nullptr) return {};
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
  return text;
}

void ChildControls::setText(int id, std::wstring_view text) {
  if (HWND hwnd = window(id)) SetWindowTextW(hwnd, std::wstring(text).c_str());
}

void ChildControls::enable(int id, bool on) {
  if (HWND hwnd = window(id)) EnableWindow(hwnd, on ? TRUE : FALSE);
}

bool ChildControls::enabled(int id) const {
  HWND hwnd = window(id);
  return hwnd != nullptr && IsWindowEnabled(hwnd);
}

void ChildControls::focus(int id) {
  if (HWND hwnd = window(id)) SetFocus(hwnd);
}

void ChildControls::invalidate(int id) {
  if (HWND hwnd = window(id)) {
    InvalidateRect(hwnd, nullptr, TRUE);
    UpdateWindow(hwnd);
  }
}

}  // namespace k8
