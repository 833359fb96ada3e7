#pragma once
// The English name of a keystroke, from its scan code and extended-key bit (bits 16-23 and 24 of
// a key message's lParam), spelled as the key-name table spells it ("Esc", "Right Ctrl",
// "Num 5"). The system's key-name function answers in the keyboard layout's language, and under
// Wine with X key names, so the program names keys itself on every system.

#include <string_view>

namespace k8 {

// "" when the table does not know the key (the caller then falls back to the system's name).
std::wstring_view keystrokeName(unsigned scanCode, bool extended);

}  // namespace k8
