#pragma once
// The main window's painting, click dispatch and hover: the portable PageController rules over the
// window's back buffer (SkinCanvas) and child windows (ChildControls). Split by concern:
//   main_paint_win32.cpp     messages: erase, paint, frame paint, mouse, control colours
//   main_actions_win32.cpp   what the common buttons do: Apply, Cancel, skins, hide, close, drag

#include <windows.h>

#include <memory>
#include <optional>
#include <string_view>

#include "app/main_window_pages_win32.h"
#include "app/sub_dialogs_win32.h"
#include "i18n/captions.h"
#include "macros/keyboard_hook_win32.h"
#include "pages/advanced_page.h"
#include "pages/basic_page.h"
#include "pages/child_controls_win32.h"
#include "pages/page_controller.h"
#include "pages/page_model.h"
#include "pages/pages.h"
#include "pages/system_pointer_win32.h"
#include "platform/message_table_win32.h"
#include "platform/system_profile.h"
#include "skin/brush_cache_win32.h"
#include "skin/skin_canvas_win32.h"
#include "skin/skin_image_win32.h"
#include "sync/program_apply.h"

namespace k8 {

class CPexonDlg;

class SkinnedPages final : public MainWindowPages,
                           private PageControllerHost,
                           private PageHost,
                           private ProgramApplyHost {
 public:
  explicit SkinnedPages(CPexonDlg& window);

  void startUp() override;
  void beforeShow() override;
  // A hidden window keeps neither its back buffer nor any decoded image; beforeShow draws the
  // page again.
  void windowHidden() override;
  void scaleChanged() override;
  bool handleMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
  bool preTranslate(MSG& msg) override;

  // For the page code and the benchmark.
  PageController& controller() { return controller_; }
  SkinCanvas& canvas() { return canvas_; }

 private:
  // main_actions_win32.cpp
  bool mousePresent() const override;
  void applyAndCommit() override;
  void revert() override;
  void hideWindow() override;
  bool runSkinsDialog() override;
  void bringToFront() override;
  void closeProgram() override;
  void startDrag(Point p) override;
  void trackHover() override;
  // PageHost
  void messageBox(std::wstring_view text, std::wstring_view caption) override;
  std::optional<Colour> chooseColour() override;
  SubDialogs& dialogs() override { return *dialogs_; }
  void exchangeSensorSettings() override;
  // ProgramApplyHost
  bool saveConfig(const MouseSettings& s) override;
  void saveCaptions() override;
  void writeSystemSettings() override;
  void tellNotDelivered() override;

  // main_paint_win32.cpp
  INT_PTR onEraseBackground(WPARAM, LPARAM);
  INT_PTR onPaint(WPARAM, LPARAM);
  INT_PTR onFramePaint(WPARAM, LPARAM);
  INT_PTR onLButtonDown(WPARAM, LPARAM);
  INT_PTR onMouseMove(WPARAM, LPARAM);
  INT_PTR onMouseHover(WPARAM, LPARAM);
  INT_PTR onMouseLeave(WPARAM, LPARAM);
  INT_PTR onCtlColorStatic(WPARAM, LPARAM);
  INT_PTR onCtlColorEdit(WPARAM, LPARAM);
  INT_PTR onCtlColorListBox(WPARAM, LPARAM);
  INT_PTR ctlColor(ChildKind kind, WPARAM, LPARAM);
  INT_PTR onChildCommand(WPARAM, LPARAM);
  INT_PTR onListMouse(WPARAM, LPARAM);
  INT_PTR onRecorderKey(WPARAM, LPARAM);
  INT_PTR onContextMenu(WPARAM, LPARAM);

  static const MessageRow<SkinnedPages> kMessageTable[];
  Point pointOf(LPARAM lParam) const;

  ImageLibraryHold images_;  // GDI+ stays up while the window can draw
  CPexonDlg& window_;
  CaptionStore& captions_;  // the window's: the page code and Apply share one
  PageModel model_;
  std::unique_ptr<SubDialogs> dialogs_;
  SkinCanvas canvas_;
  ChildControls controls_;
  BasicSettingsPage basic_;
  Win32SystemPointer systemPointer_;
  SystemProfile recordIni_;
  RecorderWindow recorderWindow_;
  AdvancedSettingsPage advanced_;
  PageController controller_;
  BrushCache brushes_;
  StartHidden startHidden_;
  bool dialogRan_ = false;  // a dialog ran inside the click being dispatched
};

std::unique_ptr<MainWindowPages> createSkinnedPages(CPexonDlg& window);

}  // namespace k8
