#include "macros/key_hook_rules.h"

#include <algorithm>

#include "platform/modal_windows.h"

namespace k8 {

bool hookSwallows(HookUse use, unsigned virtualKey, std::uint32_t keyData) {
  if (use == HookUse::Recorder) return false;
  const bool press = (keyData & kKeyReleaseBit) == 0;
  if (press && (virtualKey == kVkReturn || virtualKey == kVkEscape)) return true;
  return use == HookUse::SingleKey &&
         (virtualKey == kVkLeftWindows || virtualKey == kVkRightWindows);
}

bool recordingDropsKey(KeyMessage message, bool advancedShown, bool recording) {
  return message != KeyMessage::Other && advancedShown && recording;
}

HookUsers::Id HookUsers::add(HookUse use, void* window, KeyHandler onKey) {
  users_.push_back({next_, use, window, std::move(onKey), modalWindowDepth()});
  return next_++;
}

void HookUsers::remove(Id id) {
  std::erase_if(users_, [id](const User& u) { return u.id == id; });
}

const HookUsers::User* HookUsers::active() const {
  if (users_.empty() || users_.back().modalDepth != modalWindowDepth()) return nullptr;
  return &users_.back();
}

bool HookUsers::deliver(const User& user, std::wstring_view name, unsigned virtualKey,
                        std::uint32_t keyData) const {
  const HookUse use = user.use;
  // Copies: the handler may end the user it belongs to.
  const KeyHandler onKey = user.onKey;
  if (onKey) onKey(name, keyData);
  return hookSwallows(use, virtualKey, keyData);
}

}  // namespace k8
