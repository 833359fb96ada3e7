#include "app/main_dialog_win32.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "app/journal.h"
#include "app/resource_ids.h"
#include "i18n/str_ini.h"
#include "i18n/ui_fonts_win32.h"
#include "pages/layout_table.h"
#include "pages/skin_names.h"
#include "platform/modal_windows.h"
#include "platform/system_profile.h"
#include "platform/text.h"
#include "settings/config_file.h"
#include "skin/display_scale_win32.h"
#include "skin/skin_image_win32.h"

namespace k8 {

const MessageRow<CPexonDlg> CPexonDlg::kMessageTable[] = {
    {WM_INITDIALOG, kAny, kAny, &CPexonDlg::onInitDialog},
    {WM_CLOSE, kAny, kAny, &CPexonDlg::onClose},
    {WM_COMMAND, IDOK, kAny, &CPexonDlg::onHideCommand},
    {WM_COMMAND, IDCANCEL, kAny, &CPexonDlg::onHideCommand},
    {WM_COMMAND, ID_TRAY_EXIT, kAny, &CPexonDlg::onTrayExit},
    {WM_DESTROY, kAny, kAny, &CPexonDlg::onDestroy},
    {WM_WINDOWPOSCHANGED, kAny, kAny, &CPexonDlg::onWindowPosChanged},
    {WM_DPICHANGED, kAny, kAny, &CPexonDlg::onDpiChanged},
    {WM_QUERYDRAGICON, kAny, kAny, &CPexonDlg::onQueryDragIcon},
    {WM_PAINT, kAny, kAny, &CPexonDlg::onPaintMinimised},
    {WM_TRAY_CALLBACK, kAny, kAny, &CPexonDlg::onTrayCallback},
    {WM_DEVICE_NOTICE, kAny, kAny, &CPexonDlg::onDeviceNotice},
    {WM_DEVICECHANGE, kAny, kAny, &CPexonDlg::onDeviceChange},
};
const std::size_t CPexonDlg::kMessageTableSize = std::size(kMessageTable);

CPexonDlg::CPexonDlg(HINSTANCE instance, const ProgramOptions& options)
    : instance_(instance), options_(options), link_(*options.backend) {
  paths_ = DataPaths::besideProgram(programFilePath());
  appTitle_ = programFilePath().stem().wstring();
}

CPexonDlg::~CPexonDlg() { destroyCleanup(); }

bool CPexonDlg::create() {
  // The template asks for a visible window; this one stays hidden until the icon is clicked,
  // so it is made from a copy without WS_VISIBLE.
  const HRSRC found = FindResourceW(instance_, MAKEINTRESOURCEW(IDD_MAIN_WINDOW), RT_DIALOG);
  const HGLOBAL loaded = found ? LoadResource(instance_, found) : nullptr;
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  const DWORD size = found ? SizeofResource(instance_, found) : 0;
  if (!bytes || size < sizeof(DLGTEMPLATE)) return false;
  std::vector<std::uint8_t> copy(static_cast<const std::uint8_t*>(bytes),
                                 static_cast<const std::uint8_t*>(bytes) + size);
  const bool extended = size >= 16 && copy[2] == 0xFF && copy[3] == 0xFF;
  const std::size_t styleOffset = extended ? 12 : 0;
  DWORD style;
  std::memcpy(&style, copy.data() + styleOffset, sizeof style);
  style &= ~static_cast<DWORD>(WS_VISIBLE);
  std::memcpy(copy.data() + styleOffset, &style, sizeof style);
  hwnd_ =
      CreateDialogIndirectParamW(instance_, reinterpret_cast<LPCDLGTEMPLATEW>(copy.data()), nullptr,
                                 &CPexonDlg::dialogProc, reinterpret_cast<LPARAM>(this));
  return hwnd_ != nullptr;
}

INT_PTR CALLBACK CPexonDlg::dialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    auto* self = reinterpret_cast<CPexonDlg*>(lParam);
    if (!self) return FALSE;
    SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
    self->hwnd_ = hwnd;
  }
  // Messages can arrive before WM_INITDIALOG binds the object (WM_SETFONT, for one).
  auto* self = reinterpret_cast<CPexonDlg*>(GetWindowLongPtrW(hwnd, DWLP_USER));
  if (!self || self->hwnd_ != hwnd) return FALSE;
  return self->handle(message, wParam, lParam);
}

INT_PTR CPexonDlg::handle(UINT message, WPARAM wParam, LPARAM lParam) {
  if (taskbarCreated_ != 0 && message == taskbarCreated_) {
    onTaskbarCreated();
    return FALSE;
  }
  if (message == kGetScaleMessage) return setDialogResult(hwnd_, dpi_);
  INT_PTR result = FALSE;
  if (pages_ && pages_->handleMessage(message, wParam, lParam, result)) return result;
  if (dispatchMessage(*this, std::span(kMessageTable, kMessageTableSize), message, wParam, lParam,
                      result)) {
    return result;
  }
  return FALSE;
}

bool CPexonDlg::preTranslate(MSG& msg) {
  if (!hwnd_ || (msg.hwnd != hwnd_ && !IsChild(hwnd_, msg.hwnd))) return false;
  if (pages_ && pages_->preTranslate(msg)) return true;
  if (msg.message == WM_KEYDOWN && (msg.wParam == VK_RETURN || msg.wParam == VK_ESCAPE)) {
    hideWindow();
    return true;
  }
  return false;
}

void CPexonDlg::journal(std::initializer_list<std::wstring_view> fields) {
  if (options_.journal) options_.journal(journalLine(fields));
}

INT_PTR CPexonDlg::onInitDialog(WPARAM, LPARAM) {
  instanceMutex_.reset(CreateMutexW(nullptr, FALSE, kInstanceMutex));
  if (GetLastError() == ERROR_ALREADY_EXISTS) ExitProcess(0);

  const int big = systemIconSize(hwnd_, false), small = systemIconSize(hwnd_, true);
  bigIcon_.reset(static_cast<HICON>(
      LoadImageW(instance_, MAKEINTRESOURCEW(IDI_PROGRAM), IMAGE_ICON, big, big, 0)));
  // The tray shows this one: the image of exactly the size the shell asks for.
  smallIcon_.reset(static_cast<HICON>(
      LoadImageW(instance_, MAKEINTRESOURCEW(IDI_PROGRAM), IMAGE_ICON, small, small, 0)));
  SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_.get()));
  SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.get()));

  const LONG_PTR exStyle = GetWindowLongPtrW(hwnd_, GWL_EXSTYLE);
  SetWindowLongPtrW(hwnd_, GWL_EXSTYLE, (exStyle & ~WS_EX_APPWINDOW) | WS_EX_TOOLWINDOW);

  // Shell restarts announce themselves with this message; the icon is then added again. The
  // program runs elevated and the shell does not, so the message has to be let through.
  taskbarCreated_ = RegisterWindowMessageW(L"TaskbarCreated");
  if (taskbarCreated_ != 0) {
    ChangeWindowMessageFilterEx(hwnd_, taskbarCreated_, MSGFLT_ALLOW, nullptr);
  }
  tray_.add(hwnd_, smallIcon_.get(), WM_TRAY_CALLBACK, kTrayTooltip);

  const bool found = link_.discover();
  showDiscoveryProblems();
  if (!initialiseAfterDiscovery()) return TRUE;
  if (link_.mousePresent()) pages_->startUp();
  // Hidden until the user opens it: nothing is drawn before then.
  pages_->windowHidden();
  if (!found) {
    SendMessageW(hwnd_, WM_DEVICE_NOTICE, static_cast<WPARAM>(NoticeKind::MouseMissing), 0);
  }
  if (options_.windowReady) options_.windowReady(hwnd_, settings_);
  return TRUE;
}

bool CPexonDlg::initialiseAfterDiscovery() {
  if (!startReader()) {
    messageBox(L"CreateEvent failed.");
    return false;
  }
  if (!registerDeviceNotifications()) {
    messageBox(L"RegisterDeviceNotification failed!!!");
    return false;
  }
  loadSettings(
      settings_, paths_.configBin, appTitle_,
      [this](const std::wstring& text, const std::wstring& caption) { messageBox(text, caption); });
  loadLanguageAndSkin();
  createFonts();
  pages_ = createMainWindowPages(*this);
  return true;
}

void CPexonDlg::loadLanguageAndSkin() {
  strIni_ = std::make_unique<SystemProfile>(paths_.strIni);
  languageCode_ = readLanguageCode(*strIni_);
  language_ = languageFromCode(languageCode_);
  strings_ = uiStringsFor(language_);
  captions_ = std::make_unique<CaptionStore>(*strIni_, language_);
  captions_->load();
  const SkinKeys skin = readSkinKeys(*strIni_);
  skinName_ = skin.skinName;
  textColor_ = skin.textColor;
  skinFolder_ = (paths_.skins / skinName_).wstring();
  dpi_ = kBaseDpi;
  loadBackBuffer();
  if (const int dpi = fittingDpi(windowDpi(hwnd_)); dpi != kBaseDpi) {
    dpi_ = dpi;
    loadBackBuffer();
  }
  SetWindowPos(hwnd_, nullptr, 0, 0, backBufferSize_.cx, backBufferSize_.cy,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CPexonDlg::changeSkin(std::wstring name, std::wstring folder,
                           std::array<std::uint8_t, 3> colour) {
  skinName_ = std::move(name);
  skinFolder_ = std::move(folder);
  textColor_ = colour;
  skinSize_ = SIZE{0, 0};
  loadBackBuffer();
}

void CPexonDlg::loadBackBuffer() {
  if (dpi_ != kBaseDpi && skinSize_.cx == 0) {
    const SkinImage natural(skinFolder_ + img::kMain);
    if (natural.ok()) skinSize_ = SIZE{natural.width(), natural.height()};
  }
  const Rect scaled = layout::scaled(Rect{0, 0, skinSize_.cx, skinSize_.cy}, dpi_);
  SkinImage background(skinArtPath(skinFolder_, img::kMain, dpi_),
                       dpi_ == kBaseDpi ? 0 : scaled.width(),
                       dpi_ == kBaseDpi ? 0 : scaled.height());
  if (!background.ok()) return;  // a skin without main.png keeps the buffer it had
  if (dpi_ == kBaseDpi) skinSize_ = SIZE{background.width(), background.height()};
  backBufferSize_ = SIZE{background.width(), background.height()};
  backBuffer_.reset(background.release());
}

int CPexonDlg::fittingDpi(int monitorDpi, HMONITOR on) const {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  if (on == nullptr) on = MonitorFromWindow(hwnd_, MONITOR_DEFAULTTONEAREST);
  if (!GetMonitorInfoW(on, &monitor)) return monitorDpi;
  const RECT& work = monitor.rcWork;
  // The frame around the client area, if the window has one, is not scaled.
  RECT frame{0, 0, 0, 0};
  AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_EXSTYLE)));
  const int roomX = (work.right - work.left) - (frame.right - frame.left);
  const int roomY = (work.bottom - work.top) - (frame.bottom - frame.top);
  int dpi = monitorDpi;
  while (dpi > kBaseDpi &&
         (layout::scaled(skinSize_.cx, dpi) > roomX || layout::scaled(skinSize_.cy, dpi) > roomY))
    --dpi;
  return dpi;
}

bool CPexonDlg::ensureBackBuffer() {
  if (backBuffer_) return true;
  loadBackBuffer();
  if (!backBuffer_ && backBufferSize_.cx > 0 && backBufferSize_.cy > 0) {
    // main.png has gone since the start: a plain buffer of the same size, the page's own
    // background covers it.
    const WindowDc screen(nullptr);
    backBuffer_.reset(CreateCompatibleBitmap(screen.get(), backBufferSize_.cx, backBufferSize_.cy));
  }
  return static_cast<bool>(backBuffer_);
}

void CPexonDlg::createFonts() {
  const UiFonts fonts = systemUiFonts(language_);
  normalFont_.reset(createScaledUiFont(fonts.normal, dpi_));
  boldFont_.reset(createScaledUiFont(fonts.bold, dpi_));
}

void CPexonDlg::showWindow() {
  // Never partly off its monitor's work area (the window fits it: fittingDpi).
  RECT window{};
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  if (GetWindowRect(hwnd_, &window) &&
      GetMonitorInfoW(MonitorFromWindow(hwnd_, MONITOR_DEFAULTTONEAREST), &monitor)) {
    const RECT& work = monitor.rcWork;
    const int x = std::max<int>(
        work.left, std::min<int>(window.left, work.right - (window.right - window.left)));
    const int y = std::max<int>(
        work.top, std::min<int>(window.top, work.bottom - (window.bottom - window.top)));
    if (x != window.left || y != window.top)
      SetWindowPos(hwnd_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  // Shown first: brought forward while still hidden, the window could come up behind the one
  // the user just clicked (the notification area's).
  ShowWindow(hwnd_, SW_SHOW);
  SetForegroundWindow(hwnd_);
}

void CPexonDlg::hideWindow() { ShowWindow(hwnd_, SW_HIDE); }

INT_PTR CPexonDlg::onClose(WPARAM, LPARAM) {
  hideWindow();
  return TRUE;
}

INT_PTR CPexonDlg::onHideCommand(WPARAM, LPARAM) {
  // The sub-dialogs are control parents owned by this window, so the dialog manager hands Enter
  // and Esc typed in one of them to this window as OK and Cancel. While one runs (this window
  // is disabled), they must not hide the window from under it.
  if (IsWindowEnabled(hwnd_)) hideWindow();
  return TRUE;
}

INT_PTR CPexonDlg::onWindowPosChanged(WPARAM, LPARAM lParam) {
  const auto* pos = reinterpret_cast<const WINDOWPOS*>(lParam);
  if (pos && (pos->flags & SWP_SHOWWINDOW)) journal({L"window", L"shown"});
  if (pos && (pos->flags & SWP_HIDEWINDOW)) {
    journal({L"window", L"hidden"});
    if (pages_) pages_->windowHidden();
  }
  return FALSE;  // the default handling still runs
}

// Moved to a monitor of another scale (or the scale of this one changed): the suggested
// rectangle's monitor decides the scale that fits, and everything is made again at it.
INT_PTR CPexonDlg::onDpiChanged(WPARAM wParam, LPARAM lParam) {
  const auto* suggested = reinterpret_cast<const RECT*>(lParam);
  if (suggested == nullptr) return FALSE;
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  const int dpi = fittingDpi(std::clamp<int>(LOWORD(wParam), kBaseDpi, kMaxDpi),
                             MonitorFromRect(suggested, MONITOR_DEFAULTTONEAREST));
  // The old fonts and buffer live until the pages have the new ones.
  UniqueFont oldNormal(normalFont_.release()), oldBold(boldFont_.release());
  UniqueBitmap oldBuffer(backBuffer_.release());
  dpi_ = dpi;
  createFonts();
  loadBackBuffer();
  SetWindowPos(hwnd_, nullptr, suggested->left, suggested->top, backBufferSize_.cx,
               backBufferSize_.cy, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
  if (pages_) pages_->scaleChanged();
  journal({L"scale", std::to_wstring(dpi_)});
  return TRUE;
}

INT_PTR CPexonDlg::onQueryDragIcon(WPARAM, LPARAM) {
  return reinterpret_cast<INT_PTR>(bigIcon_.get());
}

INT_PTR CPexonDlg::onPaintMinimised(WPARAM, LPARAM) {
  if (!IsIconic(hwnd_)) return FALSE;
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd_, &ps);
  SendMessageW(hwnd_, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  RECT client;
  GetClientRect(hwnd_, &client);
  const int x = (client.right - GetSystemMetrics(SM_CXICON) + 1) / 2;
  const int y = (client.bottom - GetSystemMetrics(SM_CYICON) + 1) / 2;
  DrawIcon(dc, x, y, bigIcon_.get());
  EndPaint(hwnd_, &ps);
  return TRUE;
}

void CPexonDlg::messageBox(const std::wstring& text) { messageBox(text, appTitle_); }

void CPexonDlg::messageBox(const std::wstring& text, const std::wstring& caption) {
  journal({L"messagebox", caption, text});
  const ModalWindow modal;
  MessageBoxW(hwnd_, text.c_str(), caption.c_str(), MB_OK);
}

void CPexonDlg::destroyCleanup() {
  if (cleanedUp_) return;
  cleanedUp_ = true;
  link_.close();
  deviceNotification_.reset();
  tray_.remove();
}

INT_PTR CPexonDlg::onDestroy(WPARAM, LPARAM) {
  destroyCleanup();
  PostQuitMessage(0);
  return FALSE;
}

void CPexonDlg::exitProgram() {
  destroyCleanup();
  journal({L"exit", L"0"});
  ExitProcess(0);
}

}  // namespace k8
