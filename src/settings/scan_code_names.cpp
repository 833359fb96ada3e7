#include "settings/scan_code_names.h"

namespace k8 {

std::wstring_view keystrokeName(unsigned, bool) { return {}; }

}  // namespace k8
