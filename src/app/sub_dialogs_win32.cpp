#include "app/sub_dialogs_win32.h"

#include "app/main_dialog_win32.h"

namespace k8 {

std::unique_ptr<SubDialogs> createSubDialogs(CPexonDlg&) {
  return std::make_unique<CancelledSubDialogs>();
}

}  // namespace k8
