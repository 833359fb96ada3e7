// The page code of this build: the skinned pages draw the main window and handle its clicks.
#include "app/main_window_pages_win32.h"

#include "app/skinned_pages_win32.h"

namespace k8 {

std::unique_ptr<MainWindowPages> createMainWindowPages(CPexonDlg& window) {
  return createSkinnedPages(window);
}

}  // namespace k8
