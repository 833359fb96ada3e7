#pragma once
// The seam between the shell's main window and the page code that draws into it and handles
// its clicks. The shell owns the window, the back buffer and the fonts; a MainWindowPages
// object gets the messages listed below first.

#include <windows.h>

#include <memory>

namespace k8 {

class CPexonDlg;

class MainWindowPages {
 public:
  virtual ~MainWindowPages() = default;
  // Start-up with the mouse present, after settings, texts, skin and fonts are loaded: the Basic
  // page's first visit (the exchange with the mouse, the first-run captions). It is drawn when
  // the window is first shown.
  virtual void startUp() {}
  // A click on the icon with the mouse present, just before the window is shown (rebuilds a
  // cancelled page, shows the Basic page the first time).
  virtual void beforeShow() {}
  // The window was hidden: what only a shown window needs can go.
  virtual void windowHidden() {}
  // The window's scale changed: its back buffer and fonts are new; the page is drawn again at
  // the new scale, its child controls moved and given the new font.
  virtual void scaleChanged() {}
  // Painting, erasing, mouse and child-colour messages. Return true when handled, with the
  // dialog procedure's result in `result`.
  virtual bool handleMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) = 0;
  // Runs first in the message loop for messages of the main window and its children; true
  // swallows the message.
  virtual bool preTranslate(MSG& msg) {
    (void)msg;
    return false;
  }
};

// The page code of this build (main_window_pages_win32.cpp).
std::unique_ptr<MainWindowPages> createMainWindowPages(CPexonDlg& window);

}  // namespace k8
