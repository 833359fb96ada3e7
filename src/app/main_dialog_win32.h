#pragma once
// CPexonDlg: the main window. It lives hidden from start-up to the end of the process; the
// notification-area icon shows it. Its handlers are split by concern:
//   main_dialog_win32.cpp     message table, binding, start-up, visibility, exit
//   tray_win32.cpp            the icon's callback, its menu and the notices
//   device_events_win32.cpp   device notifications and the reader's reports
// Painting, clicks and the pages reach it through MainWindowPages (main_window_pages_win32.h),
// implemented by SkinnedPages (skinned_pages_win32.h).

// clang-format off
#include <windows.h>
#include <dbt.h>  // needs windows.h first
// clang-format on

#include <array>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "app/main_window_pages_win32.h"
#include "app/program_options_win32.h"
#include "app/tray_action.h"
#include "app/tray_icon_win32.h"
#include "device/commands.h"
#include "device/device_link.h"
#include "device/input_reader.h"
#include "i18n/captions.h"
#include "i18n/language.h"
#include "i18n/ui_strings.h"
#include "platform/handles_win32.h"
#include "platform/message_table_win32.h"
#include "platform/paths.h"
#include "platform/profile.h"
#include "settings/mouse_settings.h"

namespace k8 {

inline constexpr wchar_t kWindowClass[] = L"GamingMouse-dwQTV-K8Class";
inline constexpr wchar_t kInstanceMutex[] = L"dwQTV-K8Mutex";
inline constexpr wchar_t kTrayTooltip[] = L"GamingMouse";

class CPexonDlg {
 public:
  CPexonDlg(HINSTANCE instance, const ProgramOptions& options);
  ~CPexonDlg();
  CPexonDlg(const CPexonDlg&) = delete;
  CPexonDlg& operator=(const CPexonDlg&) = delete;

  // Creates the window from template 700, kept hidden. False when it could not be created.
  bool create();
  // The message filter of the loop; true swallows the message.
  bool preTranslate(MSG& msg);

  HWND hwnd() const { return hwnd_; }
  HINSTANCE instance() const { return instance_; }

  // For the page code.
  SettingsState& settings() { return settings_; }
  DeviceLink& link() { return link_; }
  DeviceState& deviceState() { return deviceState_; }
  const PauseFn& pause() const { return options_.pause; }
  const DataPaths& paths() const { return paths_; }
  const std::wstring& languageCode() const { return languageCode_; }
  Language language() const { return language_; }
  const UiStrings& strings() const { return strings_; }
  ProfileFile& strIni() { return *strIni_; }
  CaptionStore& captions() { return *captions_; }
  const std::wstring& skinFolder() const { return skinFolder_; }
  const std::wstring& skinName() const { return skinName_; }
  std::array<std::uint8_t, 3> textColor() const { return textColor_; }
  HBITMAP backBuffer() const { return backBuffer_.get(); }
  // A hidden window keeps no back buffer; the next show makes one again (false when it could
  // not: then nothing can be drawn).
  void dropBackBuffer() { backBuffer_.reset(); }
  bool ensureBackBuffer();
  HFONT normalFont() const { return normalFont_.get(); }
  // The scale everything of the window is drawn at (96: 100 %).
  int dpi() const { return dpi_; }
  HFONT boldFont() const { return boldFont_.get(); }

  // The skin chosen in the skins dialog: its folder, text colour and a new back buffer from its
  // "/main.png".
  void changeSkin(std::wstring name, std::wstring folder, std::array<std::uint8_t, 3> colour);

  void showWindow();  // to the foreground and visible
  void hideWindow();
  // A message box of this window, caption the program's base name.
  void messageBox(const std::wstring& text);
  void messageBox(const std::wstring& text, const std::wstring& caption);
  // Runs the destroy clean-up and ends the process with exit code 0.
  [[noreturn]] void exitProgram();

 private:
  static INT_PTR CALLBACK dialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR handle(UINT message, WPARAM wParam, LPARAM lParam);
  void journal(std::initializer_list<std::wstring_view> fields);

  // main_dialog_win32.cpp
  INT_PTR onInitDialog(WPARAM, LPARAM);
  INT_PTR onClose(WPARAM, LPARAM);
  INT_PTR onHideCommand(WPARAM, LPARAM);
  INT_PTR onDestroy(WPARAM, LPARAM);
  INT_PTR onWindowPosChanged(WPARAM, LPARAM);
  INT_PTR onDpiChanged(WPARAM, LPARAM);
  INT_PTR onQueryDragIcon(WPARAM, LPARAM);
  INT_PTR onPaintMinimised(WPARAM, LPARAM);
  bool initialiseAfterDiscovery();
  void loadLanguageAndSkin();
  // Decodes the skin's main.png as the window's back buffer.
  void loadBackBuffer();
  void createFonts();
  // The scale for the window on its monitor: the monitor's, or the largest that still fits its
  // work area, down to 100 %.
  int fittingDpi(int monitorDpi, HMONITOR on = nullptr) const;
  void destroyCleanup();
  // tray_win32.cpp
  INT_PTR onTrayCallback(WPARAM, LPARAM);
  INT_PTR onDeviceNotice(WPARAM, LPARAM);
  INT_PTR onTrayExit(WPARAM, LPARAM);
  void onTaskbarCreated();
  // device_events_win32.cpp
  INT_PTR onDeviceChange(WPARAM, LPARAM);
  bool registerDeviceNotifications();
  void showDiscoveryProblems();
  bool startReader();

  static const MessageRow<CPexonDlg> kMessageTable[];
  static const std::size_t kMessageTableSize;

  HINSTANCE instance_;
  ProgramOptions options_;
  HWND hwnd_ = nullptr;
  UINT taskbarCreated_ = 0;
  UniqueKernelHandle instanceMutex_;  // held for the life of the process
  UniqueIcon bigIcon_, smallIcon_;
  TrayIcon tray_;
  DeviceLink link_;
  DeviceState deviceState_;
  // After link_: it is interrupted and joined before the link goes.
  std::optional<InputReader> reader_;
  UniqueDeviceNotification deviceNotification_;
  SettingsState settings_;
  DataPaths paths_;
  std::wstring appTitle_;
  std::wstring languageCode_;
  Language language_ = Language::English;
  UiStrings strings_;
  std::unique_ptr<ProfileFile> strIni_;
  std::unique_ptr<CaptionStore> captions_;
  std::wstring skinName_, skinFolder_;
  std::array<std::uint8_t, 3> textColor_{0, 255, 0};
  UniqueBitmap backBuffer_;
  SIZE backBufferSize_{0, 0};
  SIZE skinSize_{0, 0};  // main.png's own size, at 96 DPI
  int dpi_ = 96;
  UniqueFont normalFont_, boldFont_;
  std::unique_ptr<MainWindowPages> pages_;
  bool cleanedUp_ = false;
};

}  // namespace k8
