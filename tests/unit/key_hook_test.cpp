// The thread's one keyboard hook: which user gets a key while modal windows come and go, and
// which keys each user keeps from its window.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "macros/key_hook_rules.h"
#include "platform/modal_windows.h"

namespace k8 {
namespace {

struct Typed {
  HookUsers users;
  std::vector<std::wstring> got;
  HookUsers::Id add(HookUse use, const std::wstring& who) {
    return users.add(use, nullptr, [this, who](std::wstring_view name, std::uint32_t) {
      got.push_back(who + L":" + std::wstring(name));
    });
  }
  void type(const wchar_t* name) {
    if (const auto* user = users.active()) users.deliver(*user, name, 0, 0);
  }
};

TEST(KeyHook, KeysGoToTheNewestUserOnlyWhileNoLaterModalWindowRuns) {
  Typed t;
  const auto recorder = t.add(HookUse::Recorder, L"recorder");
  t.type(L"A");
  {
    const ModalWindow delayDialog;
    t.type(L"5");
    {
      const ModalWindow box;
      t.type(L"Enter");
    }
    t.type(L"Enter");
  }
  t.type(L"B");
  {
    const ModalWindow singleKeyDialog;
    const auto capture = t.add(HookUse::SingleKey, L"single");
    t.type(L"C");
    {
      const ModalWindow box;
      t.type(L"Esc");
    }
    t.type(L"D");
    t.users.remove(capture);
    t.type(L"E");
  }
  t.users.remove(recorder);
  t.type(L"F");
  EXPECT_EQ(t.got,
            (std::vector<std::wstring>{L"recorder:A", L"recorder:B", L"single:C", L"single:D"}));
  EXPECT_TRUE(t.users.empty());
}

TEST(KeyHook, AUserMayEndItselfWhileItsKeyIsDelivered) {
  HookUsers users;
  HookUsers::Id id = 0;
  int calls = 0;
  id = users.add(HookUse::ComboKey, nullptr, [&](std::wstring_view, std::uint32_t) {
    ++calls;
    users.remove(id);
  });
  EXPECT_TRUE(users.deliver(*users.active(), L"Enter", kVkReturn, 0)) << "Enter is still kept";
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(users.active(), nullptr);
}

TEST(KeyHook, CapturingDialogsKeepEnterAndEscPressesAndTheSingleKeyDialogTheWindowsKeys) {
  constexpr std::uint32_t kUp = kKeyReleaseBit | kKeyPreviousStateBit;
  struct Case {
    HookUse use;
    unsigned key;
    std::uint32_t data;
    bool kept;
  };
  const Case cases[] = {
      {HookUse::SingleKey, kVkReturn, 0, true},
      {HookUse::SingleKey, kVkEscape, 0, true},
      {HookUse::SingleKey, kVkReturn, kUp, false},
      {HookUse::ComboKey, kVkEscape, 0, true},
      {HookUse::ComboKey, kVkEscape, kUp, false},
      {HookUse::SingleKey, kVkLeftWindows, 0, true},
      {HookUse::SingleKey, kVkRightWindows, kUp, true},
      {HookUse::ComboKey, kVkLeftWindows, 0, false},
      {HookUse::SingleKey, 'A', 0, false},
      {HookUse::Recorder, kVkReturn, 0, false},
      {HookUse::Recorder, kVkLeftWindows, 0, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(hookSwallows(c.use, c.key, c.data), c.kept)
        << "use " << static_cast<int>(c.use) << " key " << c.key << " data " << c.data;
  }
  EXPECT_TRUE(recordingDropsKey(KeyMessage::SystemDown, true, true));
  EXPECT_FALSE(recordingDropsKey(KeyMessage::Other, true, true)) << "releases reach the page";
  EXPECT_FALSE(recordingDropsKey(KeyMessage::Down, false, true)) << "another page is shown";
}

}  // namespace
}  // namespace k8
