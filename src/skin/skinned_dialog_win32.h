#pragma once
// The skinned sub-dialog: a borderless modal popup drawn from the skin's images, with the OK,
// Cancel and close image buttons, hover, the drop-down field and its list, and control colours
// from brushes the dialog owns. The eight modal dialogs derive from it.

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "pages/control_colours.h"
#include "platform/handles_win32.h"
#include "platform/message_table_win32.h"
#include "skin/brush_cache_win32.h"
#include "skin/skin_canvas_win32.h"
#include "skin/skinned_frame.h"

namespace k8 {

// What the running program knows about its skin and language.
struct SkinSettings {
  std::wstring skinFolder;  // program folder + "/Skins/" + name; image names begin with "/"
  std::wstring language;    // "CHS", "CHT", "TUK" or anything else
  COLORREF textColour = RGB(0, 255, 0);
  std::wstring appName;  // caption of the dialogs' message boxes
};

struct SubDialogLayout {
  const wchar_t* background = nullptr;  // e.g. "/media-key.png"
  const wchar_t* failureCaption = nullptr;
  int valueDisplayId = 0;  // 0: the dialog has no drop-down field
  int dropListId = 0;
  int dropListBottom = 0;
  bool wheelScrollsList = false;
  Rect valueDisplay = kValueDisplay;  // the combo and fire-key dialogs have theirs elsewhere
  bool centreValue = false;
};

inline constexpr wchar_t kBackgroundFailureText[] = L"error";

class SkinnedDialog : private FrameHost, private ListItems {
 public:
  SkinnedDialog(SkinSettings skin, SubDialogLayout layout);
  virtual ~SkinnedDialog();
  SkinnedDialog(const SkinnedDialog&) = delete;
  SkinnedDialog& operator=(const SkinnedDialog&) = delete;

  // IDOK or IDCANCEL (-1 when the window could not be made).
  INT_PTR runModal(HWND owner);

  HWND hwnd() const { return hwnd_; }
  int selectedIndex() const { return frame_.selectedIndex(); }
  const std::wstring& valueText() const { return frame_.valueText(); }

 protected:
  SkinnedFrame& frame() { return frame_; }
  const SkinSettings& skin() const { return skin_; }
  HFONT font() const { return font_.get(); }
  HBITMAP background() const { return background_.get(); }
  // What the window shows: the background with the buttons drawn over it.
  HBITMAP surface() const { return surface_.get(); }
  HWND dropList() const { return list_; }
  std::size_t ownedBrushes() const { return brushes_.size(); }
  bool ending() const { return ending_; }
  Canvas& canvas() { return canvas_; }

  // Captions, items and the dialog's own controls, once the frame is set up.
  virtual void initContent() {}
  // Drawn over the background after the buttons on every background paint.
  virtual void paintExtras(Canvas&) {}
  // Colours of the dialog's static and list controls; nullopt: default handling.
  virtual std::optional<ColourRule> controlColour(ChildKind, int) { return std::nullopt; }
  // After the drop list reported a choice.
  virtual void listChosen(int) {}
  // The drop list opened or closed.
  virtual void dropListShown(bool) {}
  virtual void showMessage(const std::wstring& text, const std::wstring& caption);
  // A WM_COMMAND of one of the dialog's own controls (not OK, Cancel or the drop list).
  virtual bool childCommand(int /*id*/, int /*code*/) { return false; }
  // Any message, before the common table; true when the dialog handled it (with `result`).
  virtual bool extraMessage(UINT, WPARAM, LPARAM, INT_PTR& /*result*/) { return false; }
  // A click the common areas (buttons, drop-down field) left to the dialog.
  virtual void clickAfterFrame(Point) {}
  // OK, Cancel or close was pressed; the dialog ends right after.
  virtual void aboutToEnd(DialogResult) {}

  // A child control in the dialog font; rectangles here and below are in 96-DPI units.
  HWND createControl(const wchar_t* windowClass, int id, Rect rect, DWORD style,
                     const std::wstring& text = {});
  // Text drawn onto what the window shows (inside paintExtras), in `colour`, with DrawText's
  // `format`; measureText gives the height such a text takes (DT_CALCRECT).
  void drawSurfaceText(std::wstring_view text, Rect rect, COLORREF colour, UINT format);
  int measureText(std::wstring_view text, Rect rect, UINT format);
  // Everything painted again (background, buttons, extras).
  void repaint();

 private:
  static const MessageRow<SkinnedDialog> kMessageTable[];
  static INT_PTR CALLBACK dialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR onChildCommand(WPARAM, LPARAM);

  INT_PTR onInitDialog(WPARAM, LPARAM);
  INT_PTR onEraseBackground(WPARAM, LPARAM);
  INT_PTR onMouseMove(WPARAM, LPARAM);
  INT_PTR onMouseHover(WPARAM, LPARAM);
  INT_PTR onMouseLeave(WPARAM, LPARAM);
  INT_PTR onLButtonDown(WPARAM, LPARAM);
  INT_PTR onListSelection(WPARAM, LPARAM);
  INT_PTR onMouseWheel(WPARAM, LPARAM);
  INT_PTR onListMouse(WPARAM, LPARAM);
  INT_PTR ctlColor(ChildKind kind, WPARAM, LPARAM);
  INT_PTR onCtlColorStatic(WPARAM, LPARAM);
  INT_PTR onCtlColorListBox(WPARAM, LPARAM);
  INT_PTR onCtlColorEdit(WPARAM, LPARAM);
  INT_PTR onOkCommand(WPARAM, LPARAM);
  INT_PTR onCancelCommand(WPARAM, LPARAM);

  // FrameHost
  void trackHover() override;
  void endDialog(DialogResult result) override;
  bool listExists() const override { return list_ != nullptr; }
  void createList(Rect rect, const std::vector<std::wstring>& items) override;
  void destroyList() override;
  void setValueText(const std::wstring& text) override;
  void scrollList(bool down) override;
  void listShown(bool open) override { dropListShown(open); }
  // ListItems: the drop list, for hot-tracking
  int selection(int id) const override;
  void setSelection(int id, int index) override;
  int itemFromPoint(int id, Point p) const override;

  // Mouse points in 96-DPI units, and a rectangle of them in pixels.
  Point pointOf(LPARAM lParam) const;
  Rect pixels(Rect r) const;

  SkinSettings skin_;
  SubDialogLayout layout_;
  HWND hwnd_ = nullptr;
  int dpi_ = 96;  // the owner's scale
  bool ending_ = false;
  HWND list_ = nullptr;
  HWND valueDisplay_ = nullptr;
  UniqueBitmap background_;  // as decoded; put back under every redrawn button
  UniqueBitmap surface_;
  UniqueFont font_;
  BrushCache brushes_;
  SkinCanvas canvas_;
  SkinnedFrame frame_;
};

}  // namespace k8
