#include "skin/skinned_dialog_win32.h"

#include <commctrl.h>
#include <windowsx.h>

#include "i18n/dialog_texts.h"
#include "i18n/language.h"
#include "i18n/ui_fonts_win32.h"
#include "pages/layout_table.h"
#include "platform/list_mouse_win32.h"
#include "platform/modal_windows.h"
#include "skin/display_scale_win32.h"
#include "skin/mem_dc_win32.h"
#include "skin/skin_image_win32.h"

namespace k8 {
namespace {

// An empty popup template: every control is made at run time, the size comes from the
// background image, and the dialog opens at the owner's client origin.
std::vector<WORD> emptyTemplate() {
  std::vector<WORD> t(sizeof(DLGTEMPLATE) / sizeof(WORD), 0);
  auto* head = reinterpret_cast<DLGTEMPLATE*>(t.data());
  head->style = WS_POPUP | WS_BORDER | WS_CLIPCHILDREN | DS_SETFONT | DS_SETFOREGROUND | DS_CONTROL;
  head->cdit = 0;
  head->x = 0;
  head->y = 0;
  head->cx = 250;
  head->cy = 190;
  t.push_back(0);  // no menu
  t.push_back(0);  // default class
  t.push_back(0);  // no title
  t.push_back(9);  // point size
  for (const wchar_t* c = L"MS Shell Dlg"; *c != 0; ++c) t.push_back(static_cast<WORD>(*c));
  t.push_back(0);
  return t;
}

}  // namespace

Point SkinnedDialog::pointOf(LPARAM lParam) const {
  return layout::unscaled(Point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}, dpi_);
}

Rect SkinnedDialog::pixels(Rect r) const { return layout::scaled(r, dpi_); }

const MessageRow<SkinnedDialog> SkinnedDialog::kMessageTable[] = {
    {WM_INITDIALOG, kAny, kAny, &SkinnedDialog::onInitDialog},
    {WM_ERASEBKGND, kAny, kAny, &SkinnedDialog::onEraseBackground},
    {WM_MOUSEMOVE, kAny, kAny, &SkinnedDialog::onMouseMove},
    {WM_MOUSEHOVER, kAny, kAny, &SkinnedDialog::onMouseHover},
    {WM_MOUSELEAVE, kAny, kAny, &SkinnedDialog::onMouseLeave},
    {WM_LBUTTONDOWN, kAny, kAny, &SkinnedDialog::onLButtonDown},
    {WM_COMMAND, IDOK, kAny, &SkinnedDialog::onOkCommand},
    {WM_COMMAND, IDCANCEL, kAny, &SkinnedDialog::onCancelCommand},
    {WM_COMMAND, kAny, kAny, &SkinnedDialog::onChildCommand},
    {WM_MOUSEWHEEL, kAny, kAny, &SkinnedDialog::onMouseWheel},
    {WM_LIST_MOUSE, kAny, kAny, &SkinnedDialog::onListMouse},
    {WM_CTLCOLORSTATIC, kAny, kAny, &SkinnedDialog::onCtlColorStatic},
    {WM_CTLCOLORLISTBOX, kAny, kAny, &SkinnedDialog::onCtlColorListBox},
    {WM_CTLCOLOREDIT, kAny, kAny, &SkinnedDialog::onCtlColorEdit},
};

SkinnedDialog::SkinnedDialog(SkinSettings skin, SubDialogLayout layout)
    : skin_(std::move(skin)),
      layout_(layout),
      canvas_(nullptr, skin_.skinFolder),
      frame_(canvas_, *this) {
  canvas_.setTextColour(skin_.textColour);
  const OkCancelTexts texts = okCancelTexts(languageFromCode(skin_.language));
  frame_.setCaptions(std::wstring(texts.ok), std::wstring(texts.cancel));
  frame_.setWheelScrolls(layout_.wheelScrollsList);
}

SkinnedDialog::~SkinnedDialog() = default;

INT_PTR SkinnedDialog::runModal(HWND owner) {
  ending_ = false;
  const std::vector<WORD> tmpl = emptyTemplate();
  INT_PTR result = 0;
  {
    const ModalWindow modal;
    result = DialogBoxIndirectParamW(GetModuleHandleW(nullptr),
                                     reinterpret_cast<const DLGTEMPLATE*>(tmpl.data()), owner,
                                     &SkinnedDialog::dialogProc, reinterpret_cast<LPARAM>(this));
  }
  hwnd_ = nullptr;
  list_ = nullptr;
  valueDisplay_ = nullptr;
  // The background and the font go with the dialog.
  canvas_.setBitmap(nullptr);
  canvas_.setBase(nullptr);
  canvas_.dropImages();
  surface_.reset();
  background_.reset();
  font_.reset();
  brushes_.clear();
  return result;
}

INT_PTR CALLBACK SkinnedDialog::dialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    auto* self = reinterpret_cast<SkinnedDialog*>(lParam);
    if (self == nullptr) return FALSE;
    self->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
  }
  auto* self = reinterpret_cast<SkinnedDialog*>(GetWindowLongPtrW(hwnd, DWLP_USER));
  if (self == nullptr || self->hwnd_ != hwnd) return FALSE;
  INT_PTR result = FALSE;
  if (self->extraMessage(message, wParam, lParam, result)) return result;
  return dispatchMessage(*self, std::span<const MessageRow<SkinnedDialog>>(kMessageTable), message,
                         wParam, lParam, result)
             ? result
             : FALSE;
}

INT_PTR SkinnedDialog::onChildCommand(WPARAM wParam, LPARAM lParam) {
  const int id = LOWORD(wParam);
  const int code = HIWORD(wParam);
  if (list_ != nullptr && id == layout_.dropListId && (code == LBN_SELCHANGE || code == LBN_DBLCLK))
    return onListSelection(wParam, lParam);
  return childCommand(id, code) ? TRUE : FALSE;
}

INT_PTR SkinnedDialog::onInitDialog(WPARAM, LPARAM) {
  canvas_.setWindow(hwnd_);
  canvas_.setImageFailure([this] { showMessage(kLoadImageFailedText, skin_.appName); });
  // At the main window's scale, which may be below the monitor's where that did not fit.
  const HWND owner = GetWindow(hwnd_, GW_OWNER);
  const LRESULT ownerDpi = owner != nullptr ? SendMessageW(owner, kGetScaleMessage, 0, 0) : 0;
  dpi_ =
      ownerDpi >= kBaseDpi && ownerDpi <= kMaxDpi ? static_cast<int>(ownerDpi) : windowDpi(hwnd_);
  canvas_.setDpi(dpi_);

  const std::wstring path = skin_.skinFolder + layout_.background;
  std::optional<SkinImage> image(std::in_place, path);
  if (image->ok() && dpi_ != kBaseDpi) {
    const Rect size = pixels(Rect{0, 0, image->width(), image->height()});
    image.emplace(skinArtPath(skin_.skinFolder, layout_.background, dpi_), size.width(),
                  size.height());
  }
  if (!image->ok()) {
    showMessage(kBackgroundFailureText, layout_.failureCaption ? layout_.failureCaption : L"");
    return TRUE;
  }
  SetWindowPos(hwnd_, nullptr, 0, 0, image->width(), image->height(),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  background_.reset(image->release());
  surface_.reset(copyBitmap(background_.get()));
  canvas_.setBitmap(surface_.get());
  canvas_.setBase(background_.get());

  // The main window's normal font.
  font_.reset(createScaledUiFont(systemUiFonts(languageFromCode(skin_.language)).normal, dpi_));
  canvas_.setFonts(font_.get(), font_.get());

  initContent();
  if (layout_.valueDisplayId != 0) {
    const Rect r = pixels(layout_.valueDisplay);
    const DWORD style = WS_CHILD | WS_VISIBLE | SS_SUNKEN | (layout_.centreValue ? SS_CENTER : 0);
    valueDisplay_ = CreateWindowExW(
        0, L"STATIC", frame_.valueText().c_str(), style, r.left, r.top, r.width(), r.height(),
        hwnd_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(layout_.valueDisplayId)), nullptr,
        nullptr);
    if (valueDisplay_ != nullptr)
      SendMessageW(valueDisplay_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
  }
  return TRUE;
}

INT_PTR SkinnedDialog::onEraseBackground(WPARAM wParam, LPARAM) {
  if (!surface_) return FALSE;
  RECT client{};
  GetClientRect(hwnd_, &client);
  CMemDC memory(reinterpret_cast<HDC>(wParam), client);
  {
    // Each paint starts again from the decoded background, so soft edges never pile up.
    const MemoryDc from(memory.dc()), to(memory.dc());
    const SelectedObject selectFrom(from.get(), background_.get());
    const SelectedObject selectTo(to.get(), surface_.get());
    BitBlt(to.get(), 0, 0, client.right, client.bottom, from.get(), 0, 0, SRCCOPY);
  }
  frame_.paintButtons();
  paintExtras(canvas_);
  const MemoryDc source(memory.dc());
  const SelectedObject select(source.get(), surface_.get());
  BitBlt(memory.dc(), 0, 0, client.right, client.bottom, source.get(), 0, 0, SRCCOPY);
  return TRUE;
}

INT_PTR SkinnedDialog::onMouseMove(WPARAM, LPARAM lParam) {
  frame_.mouseMove(pointOf(lParam));
  return TRUE;
}

INT_PTR SkinnedDialog::onMouseHover(WPARAM, LPARAM lParam) {
  frame_.mouseHover(pointOf(lParam));
  return TRUE;
}

// Leaving the dialog straight from the close button sends no move outside it.
INT_PTR SkinnedDialog::onMouseLeave(WPARAM, LPARAM) {
  frame_.mouseMove({-1, -1});
  return FALSE;
}

INT_PTR SkinnedDialog::onLButtonDown(WPARAM, LPARAM lParam) {
  frame_.click(pointOf(lParam));
  if (!ending_) clickAfterFrame(pointOf(lParam));
  return FALSE;  // default processing follows
}

HWND SkinnedDialog::createControl(const wchar_t* windowClass, int id, Rect r, DWORD style,
                                  const std::wstring& text) {
  r = pixels(r);
  HWND control =
      CreateWindowExW(0, windowClass, text.c_str(), style, r.left, r.top, r.width(), r.height(),
                      hwnd_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
  if (control != nullptr)
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
  return control;
}

void SkinnedDialog::drawSurfaceText(std::wstring_view text, Rect rect, COLORREF colour,
                                    UINT format) {
  if (!surface_ || text.empty()) return;
  const WindowDc screen(nullptr);
  const MemoryDc memory(screen.get());
  const SelectedObject select(memory.get(), surface_.get());
  const SelectedObject selectFont(memory.get(), font_.get());
  SetBkMode(memory.get(), TRANSPARENT);
  SetTextColor(memory.get(), colour);
  rect = pixels(rect);
  RECT r{rect.left, rect.top, rect.right, rect.bottom};
  DrawTextW(memory.get(), text.data(), static_cast<int>(text.size()), &r, format | DT_NOPREFIX);
}

int SkinnedDialog::measureText(std::wstring_view text, Rect rect, UINT format) {
  const WindowDc screen(nullptr);
  const MemoryDc memory(screen.get());
  const SelectedObject selectFont(memory.get(), font_.get());
  rect = pixels(rect);
  RECT r{rect.left, rect.top, rect.right, rect.bottom};
  DrawTextW(memory.get(), text.data(), static_cast<int>(text.size()), &r,
            format | DT_CALCRECT | DT_NOPREFIX);
  // Back in 96-DPI units, rounded up so that the text is never cut.
  const int height = r.bottom - r.top;
  const int units = layout::unscaled(height, dpi_);
  return layout::scaled(units, dpi_) < height ? units + 1 : units;
}

void SkinnedDialog::repaint() {
  if (hwnd_ != nullptr)
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

INT_PTR SkinnedDialog::onListSelection(WPARAM, LPARAM) {
  const LRESULT index = SendMessageW(list_, LB_GETCURSEL, 0, 0);
  std::wstring text;
  if (index != LB_ERR) {
    const LRESULT length = SendMessageW(list_, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length != LB_ERR) {
      text.resize(static_cast<std::size_t>(length) + 1);
      const LRESULT got = SendMessageW(list_, LB_GETTEXT, static_cast<WPARAM>(index),
                                       reinterpret_cast<LPARAM>(text.data()));
      text.resize(got == LB_ERR ? 0 : static_cast<std::size_t>(got));
    }
  }
  const int chosen = index == LB_ERR ? -1 : static_cast<int>(index);
  frame_.listChosen(chosen, text);
  if (chosen >= 0) listChosen(chosen);
  return TRUE;
}

INT_PTR SkinnedDialog::onMouseWheel(WPARAM wParam, LPARAM) {
  frame_.wheel(GET_WHEEL_DELTA_WPARAM(wParam));
  return FALSE;
}

INT_PTR SkinnedDialog::ctlColor(ChildKind kind, WPARAM wParam, LPARAM lParam) {
  HWND control = reinterpret_cast<HWND>(lParam);
  const int id = GetDlgCtrlID(control);
  const auto rule = controlColour(kind, id);
  if (!rule) return FALSE;
  return reinterpret_cast<INT_PTR>(
      applyColourRule(reinterpret_cast<HDC>(wParam), *rule, font_.get(), id, brushes_));
}

INT_PTR SkinnedDialog::onCtlColorStatic(WPARAM w, LPARAM l) {
  return ctlColor(ChildKind::Static, w, l);
}
INT_PTR SkinnedDialog::onCtlColorListBox(WPARAM w, LPARAM l) {
  return ctlColor(ChildKind::ListBox, w, l);
}
INT_PTR SkinnedDialog::onCtlColorEdit(WPARAM w, LPARAM l) {
  return ctlColor(ChildKind::Edit, w, l);
}

INT_PTR SkinnedDialog::onOkCommand(WPARAM, LPARAM) {
  endDialog(DialogResult::Ok);
  return TRUE;
}

INT_PTR SkinnedDialog::onCancelCommand(WPARAM, LPARAM) {
  endDialog(DialogResult::Cancel);
  return TRUE;
}

void SkinnedDialog::showMessage(const std::wstring& text, const std::wstring& caption) {
  const ModalWindow modal;
  MessageBoxW(hwnd_, text.c_str(), caption.c_str(), MB_OK);
}

void SkinnedDialog::trackHover() {
  TRACKMOUSEEVENT track{sizeof(track), TME_HOVER | TME_LEAVE, hwnd_, 10};
  TrackMouseEvent(&track);
}

void SkinnedDialog::endDialog(DialogResult result) {
  aboutToEnd(result);
  ending_ = true;
  EndDialog(hwnd_, result == DialogResult::Ok ? IDOK : IDCANCEL);
}

void SkinnedDialog::createList(Rect rect, const std::vector<std::wstring>& items) {
  rect = pixels(rect);
  list_ = CreateWindowExW(
      0, L"LISTBOX", nullptr, WS_CHILD | WS_VISIBLE | WS_BORDER | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
      rect.left, rect.top, rect.width(), rect.height(), hwnd_,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(layout_.dropListId)), nullptr, nullptr);
  if (list_ == nullptr) return;
  SendMessageW(list_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
  for (const std::wstring& item : items)
    SendMessageW(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  // Its wheel goes to the dialog's rule (three lines a notch) instead of the list's own.
  forwardListMouse(list_, ListWheel::ToParent);
}

void SkinnedDialog::destroyList() {
  if (list_ == nullptr) return;
  HWND list = list_;
  list_ = nullptr;
  DestroyWindow(list);
}

void SkinnedDialog::setValueText(const std::wstring& text) {
  if (valueDisplay_ == nullptr) return;
  SetWindowTextW(valueDisplay_, text.c_str());
  InvalidateRect(valueDisplay_, nullptr, TRUE);
}

void SkinnedDialog::scrollList(bool down) {
  if (list_ != nullptr) SendMessageW(list_, WM_VSCROLL, down ? SB_LINEDOWN : SB_LINEUP, 0);
}

// The open list's highlight follows the pointer, by the pages' rule. The point stays in the
// list's pixels: only this list is asked about it.
INT_PTR SkinnedDialog::onListMouse(WPARAM wParam, LPARAM lParam) {
  hotTrackList(*this, static_cast<int>(wParam), {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
  return TRUE;
}

int SkinnedDialog::selection(int id) const {
  if (list_ == nullptr || id != layout_.dropListId) return kNoItem;
  const LRESULT index = SendMessageW(list_, LB_GETCURSEL, 0, 0);
  return index == LB_ERR ? kNoItem : static_cast<int>(index);
}

void SkinnedDialog::setSelection(int id, int index) {
  if (list_ != nullptr && id == layout_.dropListId)
    SendMessageW(list_, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

int SkinnedDialog::itemFromPoint(int id, Point p) const {
  if (list_ == nullptr || id != layout_.dropListId || p.x < 0 || p.y < 0) return kNoItem;
  const LRESULT item = SendMessageW(list_, LB_ITEMFROMPOINT, 0, MAKELPARAM(p.x, p.y));
  // The high word is 1 when the point lies outside every item.
  return HIWORD(item) == 0 ? LOWORD(item) : kNoItem;
}

}  // namespace k8
