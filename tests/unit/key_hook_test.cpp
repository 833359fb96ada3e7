// The thread's one keyboard hook: which user gets a key while modal windows come and go, and
// which keys each user keeps from its window.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "macros/key_hook_rules.h"
#include "platform/modal_windows.h"

namespace k8 {
namespace {

TEST(KeyHook, KeysGoToTheNewestUserOnlyWhileNoLaterModalWindowRuns) {
  HookUsers users;
  std::wstring got;
  const auto add = [&](HookUse use) {
    return users.add(use, nullptr, [&](std::wstring_view name, std::uint32_t) { got += name; });
  };
  const auto type = [&](const wchar_t* name) {
    if (const auto* user = users.active()) users.deliver(*user, name, 0, 0);
  };
  const auto recorder = add(HookUse::Recorder);
  type(L"A");
  {
    const ModalWindow delayDialog;
    type(L"1");
    {
      const ModalWindow box;
      type(L"2");
    }
    type(L"3");
  }
  type(L"B");
  {
    const ModalWindow singleKeyDialog;
    const auto capture = add(HookUse::SingleKey);
    type(L"C");
    {
      const ModalWindow box;
      type(L"4");
    }
    users.remove(capture);
    type(L"5");
  }
  users.remove(recorder);
  type(L"6");
  EXPECT_EQ(got, L"ABC");
  EXPECT_TRUE(users.empty());
}

TEST(KeyHook, AUserMayEndItselfWhileItsKeyIsDelivered) {
  HookUsers users;
  HookUsers::Id id = 0;
  id = users.add(HookUse::ComboKey, nullptr,
                 [&](std::wstring_view, std::uint32_t) { users.remove(id); });
  EXPECT_TRUE(users.deliver(*users.active(), L"Enter", kVkReturn, 0)) << "Enter is still kept";
  EXPECT_EQ(users.active(), nullptr);
}

TEST(KeyHook, CapturingDialogsKeepEnterAndEscPressesAndTheSingleKeyDialogTheWindowsKeys) {
  constexpr std::uint32_t kUp = kKeyReleaseBit | kKeyPreviousStateBit;
  EXPECT_TRUE(hookSwallows(HookUse::ComboKey, kVkEscape, 0));
  EXPECT_FALSE(hookSwallows(HookUse::SingleKey, kVkReturn, kUp)) << "its release names the key";
  EXPECT_TRUE(hookSwallows(HookUse::SingleKey, kVkRightWindows, kUp));
  EXPECT_FALSE(hookSwallows(HookUse::ComboKey, kVkLeftWindows, 0));
  EXPECT_FALSE(hookSwallows(HookUse::Recorder, kVkReturn, 0)) << "the main window drops presses";
}

}  // namespace
}  // namespace k8
