#pragma once
// The sub-dialogs of the running program, behind the page rules' seam.

#include <memory>

#include "dialogs/sub_dialogs.h"

namespace k8 {

class CPexonDlg;

std::unique_ptr<SubDialogs> createSubDialogs(CPexonDlg& window);

}  // namespace k8
