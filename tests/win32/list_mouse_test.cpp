// The lists' mouse moves reach their parent as one message, for the main window's lists as for
// a sub-dialog's drop list.
#include <gtest/gtest.h>

#include <vector>

#include "pages/child_controls_win32.h"
#include "platform/list_mouse_win32.h"
#include "skin_test_support_win32.h"

namespace k8 {
namespace {

struct Parent {
  std::vector<std::pair<WPARAM, LPARAM>> moves;
  int wheels = 0;
};
Parent* g_parent = nullptr;  // the window procedure's only way to the test's state

LRESULT CALLBACK parentProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_LIST_MOUSE && g_parent != nullptr) {
    g_parent->moves.emplace_back(wParam, lParam);
    return 0;
  }
  if (message == WM_MOUSEWHEEL && g_parent != nullptr) ++g_parent->wheels;
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

TEST(ListMouse, MovesReachTheParentAndAPageListKeepsItsWheel) {
  if (!testing::canMakeWindows()) GTEST_SKIP() << "no display for windows";
  WNDCLASSW cls{};
  cls.lpfnWndProc = parentProc;
  cls.lpszClassName = L"k8ListMouseTest";
  RegisterClassW(&cls);
  HWND parent = CreateWindowExW(0, cls.lpszClassName, L"", WS_POPUP, 0, 0, 200, 200, nullptr,
                                nullptr, nullptr, nullptr);
  ASSERT_NE(parent, nullptr);
  Parent state;
  g_parent = &state;
  {
    ChildControls controls(parent);
    std::vector<std::wstring> items(40, L"item");
    controls.createListBox(7, {0, 0, 100, 100}, items, kStyleNotify | kStyleVScroll);
    HWND list = controls.window(7);
    ASSERT_NE(list, nullptr);

    SendMessageW(list, WM_MOUSEMOVE, 0, MAKELPARAM(5, 30));
    ASSERT_EQ(state.moves.size(), 1u);
    EXPECT_EQ(state.moves[0], (std::pair<WPARAM, LPARAM>{7, MAKELPARAM(5, 30)}));

    SendMessageW(list, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
    EXPECT_EQ(state.wheels, 0) << "only a drop list gives its wheel to the parent";
    EXPECT_GT(SendMessageW(list, LB_GETTOPINDEX, 0, 0), 0);
  }
  g_parent = nullptr;
  DestroyWindow(parent);
}

}  // namespace
}  // namespace k8
