#include <gtest/gtest.h>

#include <functional>

#include "skin/skin_image_win32.h"
#include "skin/skinned_dialog_win32.h"
#include "skin_test_support_win32.h"

namespace k8 {
namespace {

using testing::pixelOf;
using testing::Rgb;
using testing::skinData;

constexpr int kValueId = 552;
constexpr int kListId = 553;

// A small dialog on the skinned frame, driven by a script that runs inside its modal loop.
class DemoDialog : public SkinnedDialog {
 public:
  using Script = std::function<void(DemoDialog&)>;
  DemoDialog(const std::wstring& skin, Script script)
      : SkinnedDialog({skinData(L"/Skins/" + skin), L"EN", RGB(0, 255, 0), L"Demo"},
                      {L"/media-key.png", L"Media Dialog Load background image failed!!!", kValueId,
                       kListId, 266, true}),
        script_(std::move(script)) {}

  std::vector<std::wstring> messages;
  std::vector<std::wstring> items;
  Colour valueColour{40, 40, 40};  // picked again and again, as a swatch's

  using SkinnedDialog::background;
  using SkinnedDialog::dropList;
  using SkinnedDialog::ending;
  using SkinnedDialog::font;
  using SkinnedDialog::ownedBrushes;
  using SkinnedDialog::surface;

  LRESULT send(UINT message, int x, int y, WPARAM wParam = 0) {
    return SendMessageW(hwnd(), message, wParam, MAKELPARAM(x, y));
  }
  // Runs the dialog with the script started from inside its modal loop.
  INT_PTR run() {
    running_ = this;
    const UINT_PTR timer = SetTimer(nullptr, 0, 0, &DemoDialog::runScript);
    const INT_PTR result = runModal(nullptr);
    KillTimer(nullptr, timer);
    return result;
  }
  Rgb at(int x, int y) const { return pixelOf(surface(), x, y); }

 protected:
  void initContent() override {
    for (int i = 0; i < 20; ++i) items.push_back(L"Item " + std::to_wstring(i));
    frame().setDropDown(items, layout::rect("media-key", "drop list"));
    frame().setValue(0, items[0]);
  }
  std::optional<ColourRule> controlColour(ChildKind, int id) override {
    ColourRule rule;
    rule.text = Colour{255, 255, 255};
    rule.transparent = true;
    rule.normalFont = true;
    rule.brush = id == kValueId ? valueColour : Colour{40, 40, 40};
    return rule;
  }
  void showMessage(const std::wstring& text, const std::wstring& caption) override {
    messages.push_back(text + L"|" + caption);
  }

 private:
  static void CALLBACK runScript(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    DemoDialog* self = std::exchange(running_, nullptr);
    if (self == nullptr || self->hwnd() == nullptr) return;
    self->script_(*self);
    if (!self->ending()) EndDialog(self->hwnd(), 99);  // a script that forgot to end it
  }
  static inline DemoDialog* running_ = nullptr;
  Script script_;
};

constexpr Rgb kBlue{0, 0, 200}, kRed{200, 0, 0}, kGreen{0, 200, 0}, kYellow{200, 200, 0};
// Points inside the frame's buttons and field, left of their centred captions.
constexpr POINT leftPart(Rect r) { return {r.left + 8, (r.top + r.bottom) / 2}; }
constexpr POINT kOk = leftPart(kFrameOk), kCancel = leftPart(kFrameCancel),
                kClose = leftPart(kFrameClose), kField = leftPart(kDropField);

TEST(SkinnedDialog, HoverImagesFollowTheFrameRules) {
  if (!testing::canMakeWindows()) GTEST_SKIP() << "no display for windows";
  DemoDialog dialog(L"Test", [](DemoDialog& d) {
    RECT window{};
    GetWindowRect(d.hwnd(), &window);
    EXPECT_EQ(window.right - window.left, 380) << "the window takes the background's size";
    EXPECT_EQ(window.bottom - window.top, 290);
    {
      HDC dc = GetDC(d.hwnd());
      SendMessageW(d.hwnd(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
      ReleaseDC(d.hwnd(), dc);
    }
    EXPECT_EQ(d.at(kOk.x, kOk.y), kBlue);
    EXPECT_EQ(d.at(kCancel.x, kCancel.y), kBlue);
    EXPECT_EQ(d.at(kClose.x, kClose.y), kGreen);
    const Rgb edge = d.at(kOk.x, 253);
    EXPECT_NEAR(edge.b, 100 + 30 * 127 / 255, 2) << "soft edge blended over the background";
    EXPECT_NEAR(edge.r, 30 * 127 / 255, 2);
    for (int i = 0; i < 3; ++i) {
      d.send(WM_MOUSEHOVER, kOk.x, kOk.y);
      d.send(WM_MOUSEMOVE, 100, 60);
      InvalidateRect(d.hwnd(), nullptr, TRUE);
      UpdateWindow(d.hwnd());
    }
    EXPECT_EQ(d.at(kOk.x, 253), edge) << "repaints and hovers never blend an edge twice";
    EXPECT_EQ(d.at(100, 60), (Rgb{30, 30, 30}));

    d.send(WM_MOUSEHOVER, kOk.x, kOk.y);
    EXPECT_EQ(d.at(kOk.x, kOk.y), kRed);
    d.send(WM_MOUSEHOVER, kCancel.x, kCancel.y);
    EXPECT_EQ(d.at(kCancel.x, kCancel.y), kRed);
    EXPECT_EQ(d.at(kOk.x, kOk.y), kBlue);
    d.send(WM_MOUSEHOVER, kOk.x, kOk.y);
    d.send(WM_MOUSEHOVER, kClose.x, kClose.y);
    EXPECT_EQ(d.at(kOk.x, kOk.y), kRed) << "OK stays over while close is hovered";
    EXPECT_EQ(d.at(kClose.x, kClose.y), kYellow);
    EXPECT_EQ(d.at(kCancel.x, kCancel.y), kBlue);
    d.send(WM_MOUSEMOVE, 100, 60);
    EXPECT_EQ(d.at(kOk.x, kOk.y), kBlue);
    EXPECT_EQ(d.at(kClose.x, kClose.y), kGreen);
    d.send(WM_MOUSEHOVER, kClose.x, kClose.y);
    d.send(WM_MOUSELEAVE, 0, 0);  // out of the window straight from close
    EXPECT_EQ(d.at(kClose.x, kClose.y), kGreen);

    LOGFONTW font{};
    ASSERT_NE(GetObjectW(d.font(), sizeof(font), &font), 0);
    EXPECT_EQ(font.lfHeight, 14);
    EXPECT_STREQ(font.lfFaceName, L"Arial");
    d.send(WM_LBUTTONDOWN, kOk.x, kOk.y);
  });
  EXPECT_EQ(dialog.run(), IDOK);
  EXPECT_TRUE(dialog.messages.empty());
}

TEST(SkinnedDialog, DropDownListOpensClosesScrollsAndChooses) {
  if (!testing::canMakeWindows()) GTEST_SKIP() << "no display for windows";
  DemoDialog dialog(L"Test", [](DemoDialog& d) {
    HWND value = GetDlgItem(d.hwnd(), kValueId);
    ASSERT_NE(value, nullptr);
    wchar_t text[32]{};
    GetWindowTextW(value, text, 32);
    EXPECT_STREQ(text, L"Item 0");

    d.send(WM_LBUTTONDOWN, kField.x, kField.y);
    ASSERT_NE(d.dropList(), nullptr);
    EXPECT_EQ(GetDlgCtrlID(d.dropList()), kListId);
    d.send(WM_LBUTTONDOWN, kField.x, kField.y);
    EXPECT_EQ(d.dropList(), nullptr) << "a second click on the field closes the list";

    d.send(WM_LBUTTONDOWN, kField.x, kField.y);
    HWND list = d.dropList();
    d.send(WM_MOUSEWHEEL, 0, 0, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)));
    EXPECT_EQ(SendMessageW(list, LB_GETTOPINDEX, 0, 0), 3);
    // The list's own wheel goes through the same rule.
    SendMessageW(list, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
    EXPECT_EQ(SendMessageW(list, LB_GETTOPINDEX, 0, 0), 6);
    d.send(WM_MOUSEWHEEL, 0, 0, MAKEWPARAM(0, WHEEL_DELTA));
    EXPECT_EQ(SendMessageW(list, LB_GETTOPINDEX, 0, 0), 3);

    const int itemHeight = static_cast<int>(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
    SendMessageW(list, WM_MOUSEMOVE, 0, MAKELPARAM(10, itemHeight * 2 + 2));
    EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), 5) << "the highlight follows the pointer";
    SendMessageW(d.hwnd(), WM_COMMAND, MAKEWPARAM(kListId, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list));
    EXPECT_EQ(d.dropList(), nullptr);
    EXPECT_EQ(d.selectedIndex(), 5);
    GetWindowTextW(value, text, 32);
    EXPECT_STREQ(text, L"Item 5");

    d.send(WM_LBUTTONDOWN, kField.x, kField.y);
    d.send(WM_LBUTTONDOWN, 100, 200);  // inside the open list's rectangle
    EXPECT_NE(d.dropList(), nullptr);
    d.send(WM_LBUTTONDOWN, 300, 100);
    EXPECT_EQ(d.dropList(), nullptr) << "a click elsewhere closes the list";

    // Colour messages reuse the dialog's one brush of that colour; a new colour replaces it.
    HDC dc = GetDC(value);
    const auto colourMessage = [&] {
      return SendMessageW(d.hwnd(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                          reinterpret_cast<LPARAM>(value));
    };
    const LRESULT first = colourMessage();
    for (int i = 0; i < 50; ++i) EXPECT_EQ(colourMessage(), first);
    EXPECT_NE(first, 0);
    EXPECT_EQ(d.ownedBrushes(), 1u);
    for (std::uint8_t c = 1; c <= 30; ++c) {
      d.valueColour = Colour{c, c, c};
      EXPECT_NE(colourMessage(), 0);
    }
    // The list may have painted in between with the first colour.
    EXPECT_LE(d.ownedBrushes(), 2u) << "one brush per colour in use, not one per colour picked";
    ReleaseDC(value, dc);
    d.send(WM_LBUTTONDOWN, kClose.x, kClose.y);
  });
  EXPECT_EQ(dialog.run(), IDCANCEL);
  EXPECT_EQ(dialog.ownedBrushes(), 0u) << "the brushes go with the dialog";
  EXPECT_EQ(dialog.selectedIndex(), 5);
  EXPECT_EQ(dialog.valueText(), L"Item 5");
}

TEST(SkinnedDialog, MissingImagesAreReportedAndTheButtonsStillWork) {
  if (!testing::canMakeWindows()) GTEST_SKIP() << "no display for windows";
  DemoDialog noSkin(L"Nothing", [](DemoDialog& d) {
    EXPECT_EQ(d.background(), nullptr);
    EXPECT_EQ(GetDlgItem(d.hwnd(), kValueId), nullptr) << "initialisation stops at the failure";
    d.send(WM_LBUTTONDOWN, kCancel.x, kCancel.y);
  });
  EXPECT_EQ(noSkin.run(), IDCANCEL);
  EXPECT_EQ(noSkin.messages,
            std::vector<std::wstring>{L"error|Media Dialog Load background image failed!!!"});

  DemoDialog noButtons(L"BackgroundOnly", [](DemoDialog& d) {
    HDC dc = GetDC(d.hwnd());
    SendMessageW(d.hwnd(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    ReleaseDC(d.hwnd(), dc);
    d.send(WM_LBUTTONDOWN, kOk.x, kOk.y);
  });
  EXPECT_EQ(noButtons.run(), IDOK);
  ASSERT_GE(noButtons.messages.size(), 3u);
  EXPECT_EQ(noButtons.messages[0], L"LoadPng---Load image failed.|Demo");
  EXPECT_EQ(ImageLibrary::liveImages(), 0);
}

}  // namespace
}  // namespace k8
