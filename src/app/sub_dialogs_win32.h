#pragma once
// The sub-dialogs of the running program, behind the page rules' seam.

#include <memory>

#include "pages/sub_dialogs.h"
#include "skin/skinned_dialog_win32.h"

namespace k8 {

class CPexonDlg;

std::unique_ptr<SubDialogs> createSubDialogs(CPexonDlg& window);
// The skin, language and text colour the window uses now, for a sub-dialog about to open.
SkinSettings subDialogSkin(const CPexonDlg& window);

}  // namespace k8
