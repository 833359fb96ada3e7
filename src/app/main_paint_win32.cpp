// The main window's messages for drawing and input: everything draws into the back buffer and
// reaches the screen only through the canvas's present.
#include <windowsx.h>

#include "app/main_dialog_win32.h"
#include "app/resource_ids.h"
#include "app/skinned_pages_win32.h"
#include "device/hot_plug.h"
#include "pages/control_colours.h"
#include "pages/layout_table.h"
#include "platform/list_mouse_win32.h"
#include "platform/modal_windows.h"

namespace k8 {

const MessageRow<SkinnedPages> SkinnedPages::kMessageTable[] = {
    {WM_ERASEBKGND, kAny, kAny, &SkinnedPages::onEraseBackground},
    {WM_PAINT, kAny, kAny, &SkinnedPages::onPaint},
    {WM_NCPAINT, kAny, kAny, &SkinnedPages::onFramePaint},
    {WM_LBUTTONDOWN, kAny, kAny, &SkinnedPages::onLButtonDown},
    {WM_MOUSEMOVE, kAny, kAny, &SkinnedPages::onMouseMove},
    {WM_MOUSEHOVER, kAny, kAny, &SkinnedPages::onMouseHover},
    {WM_MOUSELEAVE, kAny, kAny, &SkinnedPages::onMouseLeave},
    {WM_CTLCOLORSTATIC, kAny, kAny, &SkinnedPages::onCtlColorStatic},
    {WM_CTLCOLOREDIT, kAny, kAny, &SkinnedPages::onCtlColorEdit},
    {WM_CTLCOLORLISTBOX, kAny, kAny, &SkinnedPages::onCtlColorListBox},
    // Child notifications of the page controls (OK, Cancel and the menu go to the window).
    {WM_COMMAND, kDpiListId, kAny, &SkinnedPages::onChildCommand},
    {WM_COMMAND, kFunctionListFirstId + 0, kAny, &SkinnedPages::onChildCommand},
    {WM_COMMAND, kFunctionListFirstId + 1, kAny, &SkinnedPages::onChildCommand},
    {WM_COMMAND, kFunctionListFirstId + 2, kAny, &SkinnedPages::onChildCommand},
    {WM_COMMAND, kFunctionListFirstId + 3, kAny, &SkinnedPages::onChildCommand},
    {WM_COMMAND, kFunctionListFirstId + 4, kAny, &SkinnedPages::onChildCommand},
    {WM_COMMAND, kFunctionListFirstId + 5, kAny, &SkinnedPages::onChildCommand},
    {WM_COMMAND, kFunctionListFirstId + 6, kAny, &SkinnedPages::onChildCommand},
    {WM_COMMAND, kFunctionListFirstId + 7, kAny, &SkinnedPages::onChildCommand},
    {WM_COMMAND, kLightModeListId, kAny, &SkinnedPages::onChildCommand},
    {WM_COMMAND, kLightParameterListId, kAny, &SkinnedPages::onChildCommand},
    {WM_COMMAND, kLightOptionListId, kAny, &SkinnedPages::onChildCommand},
    {WM_COMMAND, kLoopTimesId, kAny, &SkinnedPages::onChildCommand},
    {WM_COMMAND, kMacroNameId, kAny, &SkinnedPages::onChildCommand},
    {WM_COMMAND, kMacroListId, kAny, &SkinnedPages::onChildCommand},
    {WM_COMMAND, kSequenceListId, kAny, &SkinnedPages::onChildCommand},
    {WM_COMMAND, kInsertListId, kAny, &SkinnedPages::onChildCommand},
    {WM_LIST_MOUSE, kAny, kAny, &SkinnedPages::onListMouse},
    {WM_RECORDER_KEY, kAny, kAny, &SkinnedPages::onRecorderKey},
    {WM_CONTEXTMENU, kAny, kAny, &SkinnedPages::onContextMenu},
};

// Mouse points go to the pages in 96-DPI units.
Point SkinnedPages::pointOf(LPARAM lParam) const {
  return layout::unscaled(Point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}, window_.dpi());
}

SkinnedPages::SkinnedPages(CPexonDlg& window)
    : window_(window),
      captions_(window.captions()),
      model_{window.settings(), window.captions(), window.deviceState(), window.strings()},
      dialogs_(createSubDialogs(window)),
      canvas_(window.hwnd(), window.skinFolder()),
      controls_(window.hwnd()),
      basic_(window.strings(), model_, *this, canvas_, controls_),
      recordIni_(window.paths().recordIni),
      recorderWindow_(window.hwnd(), WM_RECORDER_KEY,
                      [this](std::wstring_view name, std::uint32_t keyData) {
                        advanced_.macros().onHookKey(name, keyData);
                      }),
      advanced_(window.strings(), model_, *this, canvas_, controls_, systemPointer_, recordIni_,
                recorderWindow_),
      controller_(canvas_, controls_, *this, basic_, advanced_) {
  const auto colour = window.textColor();
  canvas_.setDpi(window.dpi());
  controls_.setDpi(window.dpi());
  canvas_.setBitmap(window.backBuffer());
  canvas_.setFonts(window.normalFont(), window.boldFont());
  canvas_.setTextColour(RGB(colour[0], colour[1], colour[2]));
  controls_.setFont(window.normalFont());
  controller_.setTexts({window.strings().ok, window.strings().apply, window.strings().cancel});
}

void SkinnedPages::startUp() { controller_.prepare(Page::Basic); }

void SkinnedPages::windowHidden() {
  canvas_.setBitmap(nullptr);
  canvas_.dropImages();
  window_.dropBackBuffer();
}

void SkinnedPages::scaleChanged() {
  canvas_.setDpi(window_.dpi());
  canvas_.setFonts(window_.normalFont(), window_.boldFont());
  controls_.setFont(window_.normalFont());
  controls_.setDpi(window_.dpi());
  canvas_.setBitmap(window_.backBuffer());
  if (!IsWindowVisible(window_.hwnd())) return;  // the next show draws the page
  controller_.repaint();
  // The children too: the page was presented over them.
  RedrawWindow(window_.hwnd(), nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void SkinnedPages::beforeShow() {
  // From here on the user shows the window; the start-up frame paints are over.
  startHidden_.disarm();
  const bool bufferKept = window_.backBuffer() != nullptr;
  window_.ensureBackBuffer();
  canvas_.setBitmap(window_.backBuffer());
  controller_.beforeShow(bufferKept);
}

bool SkinnedPages::handleMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
  if (message == WM_PAINT && IsIconic(window_.hwnd())) return false;
  return dispatchMessage(*this, std::span<const MessageRow<SkinnedPages>>(kMessageTable), message,
                         wParam, lParam, result);
}

bool SkinnedPages::preTranslate(MSG& msg) {
  const KeyMessage key = msg.message == WM_KEYDOWN      ? KeyMessage::Down
                         : msg.message == WM_SYSKEYDOWN ? KeyMessage::SystemDown
                                                        : KeyMessage::Other;
  return recordingDropsKey(key, controller_.currentPage() == Page::Advanced,
                           advanced_.macros().recording());
}

INT_PTR SkinnedPages::onListMouse(WPARAM wParam, LPARAM lParam) {
  controller_.listHover(static_cast<int>(wParam), pointOf(lParam));
  return TRUE;
}

INT_PTR SkinnedPages::onRecorderKey(WPARAM wParam, LPARAM) {
  advanced_.macros().onRecorderMessage(static_cast<RecorderKind>(wParam));
  return TRUE;
}

// A right click on the key-press sequence: one popup entry that deletes the line under the
// pointer (hot-tracking selected it).
INT_PTR SkinnedPages::onContextMenu(WPARAM wParam, LPARAM lParam) {
  const HWND from = reinterpret_cast<HWND>(wParam);
  if (controller_.currentPage() != Page::Advanced || from == nullptr ||
      GetDlgCtrlID(from) != kSequenceListId)
    return FALSE;
  POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  if (lParam == -1) GetCursorPos(&at);
  const UniqueMenu menu(CreatePopupMenu());
  if (!menu) return TRUE;
  const ModalWindow modal;
  AppendMenuW(menu.get(), MF_STRING, kDeleteLineCommand, window_.strings().deleteMacro.c_str());
  const int chosen =
      static_cast<int>(TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY,
                                      at.x, at.y, 0, window_.hwnd(), nullptr));
  if (chosen == kDeleteLineCommand) advanced_.macros().deleteSelectedLine();
  return TRUE;
}

INT_PTR SkinnedPages::onChildCommand(WPARAM wParam, LPARAM lParam) {
  if (lParam == 0) return FALSE;  // a menu or accelerator, not a control
  controller_.command(LOWORD(wParam), notifyOf(HIWORD(wParam)));
  return TRUE;
}

INT_PTR SkinnedPages::onEraseBackground(WPARAM wParam, LPARAM) {
  canvas_.presentTo(reinterpret_cast<HDC>(wParam));
  return setDialogResult(window_.hwnd(), TRUE);
}

INT_PTR SkinnedPages::onPaint(WPARAM, LPARAM) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(window_.hwnd(), &ps);
  canvas_.presentTo(dc);
  EndPaint(window_.hwnd(), &ps);
  return TRUE;
}

INT_PTR SkinnedPages::onFramePaint(WPARAM, LPARAM) {
  if (startHidden_.hideOnFramePaint()) ShowWindow(window_.hwnd(), SW_HIDE);
  return FALSE;  // the default handling follows
}

INT_PTR SkinnedPages::onLButtonDown(WPARAM, LPARAM lParam) {
  controller_.click(pointOf(lParam));
  return TRUE;
}

INT_PTR SkinnedPages::onMouseMove(WPARAM, LPARAM lParam) {
  controller_.mouseMove(pointOf(lParam));
  return TRUE;
}

INT_PTR SkinnedPages::onMouseHover(WPARAM, LPARAM lParam) {
  controller_.mouseHover(pointOf(lParam));
  return TRUE;
}

// A pointer that leaves the window straight from a control (Cancel lies on the bottom edge)
// sends no move outside it: the leave notice puts the over images back to normal instead.
INT_PTR SkinnedPages::onMouseLeave(WPARAM, LPARAM) {
  controller_.mouseMove({-1, -1});
  return FALSE;  // the default handling follows
}

INT_PTR SkinnedPages::ctlColor(ChildKind kind, WPARAM wParam, LPARAM lParam) {
  const auto colour = window_.textColor();
  const auto& rgb = window_.settings().working.dpiColor;
  std::array<Colour, 4> stages;
  for (std::size_t s = 0; s < stages.size(); ++s)
    stages[s] = {rgb[3 * s], rgb[3 * s + 1], rgb[3 * s + 2]};
  const int id = GetDlgCtrlID(reinterpret_cast<HWND>(lParam));
  const auto rule = mainWindowColours(kind, id, {colour[0], colour[1], colour[2]}, stages);
  if (!rule) return FALSE;
  return reinterpret_cast<INT_PTR>(
      applyColourRule(reinterpret_cast<HDC>(wParam), *rule, window_.normalFont(), id, brushes_));
}

INT_PTR SkinnedPages::onCtlColorStatic(WPARAM w, LPARAM l) {
  return ctlColor(ChildKind::Static, w, l);
}
INT_PTR SkinnedPages::onCtlColorEdit(WPARAM w, LPARAM l) { return ctlColor(ChildKind::Edit, w, l); }
INT_PTR SkinnedPages::onCtlColorListBox(WPARAM w, LPARAM l) {
  return ctlColor(ChildKind::ListBox, w, l);
}

std::unique_ptr<MainWindowPages> createSkinnedPages(CPexonDlg& window) {
  return std::make_unique<SkinnedPages>(window);
}

}  // namespace k8
