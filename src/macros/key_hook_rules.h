#pragma once
// The rules of the user-interface thread's one keyboard hook, apart from the system: which user
// gets a key (the newest, and none while a modal window opened after it still runs), and which
// keys the hook or the main window keeps from the window they were typed into.

#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

namespace k8 {

// What the hook is taken for.
enum class HookUse { Recorder, SingleKey, ComboKey };

// The system's key codes and key-data bits (the hook's wParam and lParam) that the rules read.
inline constexpr unsigned kVkReturn = 0x0D;
inline constexpr unsigned kVkEscape = 0x1B;
inline constexpr unsigned kVkLeftWindows = 0x5B;
inline constexpr unsigned kVkRightWindows = 0x5C;
inline constexpr std::uint32_t kKeyReleaseBit = 1u << 31;
inline constexpr std::uint32_t kKeyPreviousStateBit = 1u << 30;

// Whether the hook keeps a key event from its window. A capturing dialog names Enter and Esc
// but must not end on them; the single-key dialog must not see the Windows keys at all. The
// recorder lets every key through: the main window drops the presses (recordingDropsKey).
bool hookSwallows(HookUse use, unsigned virtualKey, std::uint32_t keyData);

enum class KeyMessage { Down, SystemDown, Other };

// Whether the main window drops a key message before it is dispatched: while a macro records on
// the Advanced page, a typed key must not act on the page's controls (nor Enter hide the
// window); releases pass.
bool recordingDropsKey(KeyMessage message, bool advancedShown, bool recording);

// The users of the thread's hook. The system side asks active() for each key event, checks that
// the keyboard focus is in the user's window, and hands the key over with deliver().
class HookUsers {
 public:
  using Id = int;
  // Gets every key the user is given: its name and the hook's key data.
  using KeyHandler = std::function<void(std::wstring_view name, std::uint32_t keyData)>;
  struct User {
    Id id;
    HookUse use;
    void* window;  // the system's handle of the window the user's keys are typed into
    KeyHandler onKey;
    int modalDepth;  // modal windows running when the user came
  };

  // A new user, above every earlier one.
  Id add(HookUse use, void* window, KeyHandler onKey);
  void remove(Id id);
  bool empty() const { return users_.empty(); }
  // The user that gets the keys now, or nullptr: keys typed into a modal window that opened
  // after the newest user came are that window's, not the user's.
  const User* active() const;
  // Gives `user` the key; returns whether the hook keeps it from the window (hookSwallows).
  bool deliver(const User& user, std::wstring_view name, unsigned virtualKey,
               std::uint32_t keyData) const;

 private:
  std::vector<User> users_;
  Id next_ = 1;
};

}  // namespace k8
