#include <gtest/gtest.h>

#include "pages_fakes.h"
#include "skin/skinned_frame.h"

namespace k8 {
namespace {

using testing::centre;
using testing::imageOp;
using testing::PageControllerRig;
using testing::RecordingCanvas;
using testing::textOp;
using Ops = std::vector<std::string>;
using layout::rect;

constexpr Rect kOk = rect("pages", "OK"), kApply = rect("pages", "Apply"),
               kCancel = rect("pages", "Cancel"), kSkins = rect("pages", "Skins"),
               kMinimise = rect("pages", "Minimise"), kClose = rect("pages", "Close"),
               kBasicTab = rect("pages", "Basic tab"), kAdvancedTab = rect("pages", "Advanced tab");
// Clear of every control of either page.
constexpr Point kNowhere{400, 400};

TEST(PageControllerHover, MovingOntoATrackedControlOnlyAsksForAHoverNotice) {
  PageControllerRig rig;
  rig.show(Page::Basic);
  for (Rect r : {kOk, kSkins, kMinimise, kClose, kBasicTab, kAdvancedTab, rect("basic", "Default"),
                 rect("basic", "function box 3")}) {
    rig.controller.mouseMove(centre(r));
    EXPECT_EQ(rig.host.take(), std::vector<std::string>{"track"}) << testing::rectText(r);
  }
  rig.controller.mouseMove(kNowhere);
  EXPECT_TRUE(rig.host.calls.empty());
  EXPECT_TRUE(rig.canvas.ops.empty()) << "nothing flagged, nothing drawn";
}

TEST(PageControllerHover, PushButtonsShowOneOverImageAtATime) {
  PageControllerRig rig;
  rig.show(Page::Basic);
  rig.controller.mouseHover(centre(kOk));
  EXPECT_EQ(rig.canvas.take(),
            (Ops{imageOp("/button-normal.png", kApply), textOp("Apply", kApply, "centre"),
                 imageOp("/button-normal.png", kCancel), textOp("Cancel", kCancel, "centre"),
                 imageOp("/button-over.png", kOk), textOp("OK", kOk, "centre"), "present"}));
  EXPECT_EQ(rig.canvas.onBase, 11) << "8 controls of the page draw, then 3 buttons of the hover";
  rig.controller.mouseHover(centre(kOk));
  EXPECT_TRUE(rig.canvas.ops.empty()) << "an over image already shown is not drawn again";

  rig.controller.mouseHover(centre(kCancel));
  const Ops ops = rig.canvas.take();
  EXPECT_NE(std::find(ops.begin(), ops.end(), imageOp("/button-normal.png", kOk)), ops.end());
  EXPECT_NE(std::find(ops.begin(), ops.end(), imageOp("/button-over.png", kCancel)), ops.end());
  EXPECT_EQ(ops.back(), "present");
  EXPECT_TRUE(rig.controller.isOver(Control::Cancel));
  EXPECT_FALSE(rig.controller.isOver(Control::Ok));
}

TEST(PageControllerHover, UngroupedControlsStayOverUntilThePointerLeavesThemAll) {
  PageControllerRig rig;
  rig.show(Page::Basic);
  rig.controller.mouseHover(centre(kOk));
  rig.controller.mouseHover(centre(kMinimise));
  rig.controller.mouseHover(centre(kBasicTab));
  EXPECT_TRUE(rig.controller.isOver(Control::Ok));
  EXPECT_TRUE(rig.controller.isOver(Control::Minimise));
  EXPECT_TRUE(rig.controller.isOver(Control::BasicTab));
  rig.controller.mouseHover(centre(kAdvancedTab));
  EXPECT_FALSE(rig.controller.isOver(Control::BasicTab)) << "the tabs are a group";
  rig.canvas.take();

  rig.controller.mouseMove(kNowhere);
  const Ops ops = rig.canvas.take();
  EXPECT_EQ(ops, (Ops{imageOp("/button-normal.png", kOk), textOp("OK", kOk, "centre"),
                      imageOp("/button-min-normal.png", kMinimise),
                      imageOp("/button-NextPage-normal.png", kAdvancedTab), "present"}));
  EXPECT_FALSE(rig.controller.isOver(Control::Ok));
}

TEST(PageControllerHover, FunctionBoxesAreAGroupWithNumberAndCaption) {
  PageControllerRig rig;
  rig.show(Page::Basic);
  const Rect box = rect("basic", "function box 3");
  rig.controller.mouseHover(centre(box));
  Ops ops = rig.canvas.take();
  EXPECT_EQ(std::count_if(ops.begin(), ops.end(),
                          [](const std::string& s) {
                            return s.starts_with("image /DropdownBox-normal.png");
                          }),
            7);
  // The number in the image's 20-pixel strip, the caption after it.
  const Ops box3{imageOp("/DropdownBox-over.png", box),
                 textOp("3", {box.left, box.top, box.left + 20, box.bottom}, "centre"),
                 textOp("cap3", {box.left + 20, box.top, box.right, box.bottom}, "left"),
                 "present"};
  EXPECT_TRUE(std::equal(box3.begin(), box3.end(), ops.end() - 4));
  // Default is not part of the boxes' group.
  rig.controller.mouseHover(centre(rect("basic", "Default")));
  EXPECT_TRUE(rig.controller.isOver(Control::FunctionBox, 3));
  EXPECT_TRUE(rig.controller.isOver(Control::KeyDefault));
}

TEST(PageControllerHover, AdvancedPageMacroButtonsAreAGroup) {
  PageControllerRig rig;
  rig.show(Page::Advanced);
  rig.controller.mouseHover(centre(rect("advanced", "New")));
  rig.controller.mouseHover(centre(rect("advanced", "Default")));
  rig.controller.mouseHover(centre(rect("advanced", "Confirm")));
  EXPECT_FALSE(rig.controller.isOver(Control::NewMacro));
  EXPECT_TRUE(rig.controller.isOver(Control::ConfirmMacro));
  EXPECT_TRUE(rig.controller.isOver(Control::SystemDefault));
  // A Basic page box is not tracked here.
  rig.controller.mouseHover(centre(rect("basic", "function box 3")));
  EXPECT_FALSE(rig.controller.isOver(Control::FunctionBox, 3));
}

TEST(PageControllerHover, APageDrawClearsTheFlagsSoTheNextHoverDrawsAgain) {
  PageControllerRig rig;
  rig.show(Page::Basic);
  rig.controller.mouseHover(centre(kAdvancedTab));
  rig.controller.click(centre(kAdvancedTab));
  EXPECT_FALSE(rig.controller.isOver(Control::AdvancedTab));
  rig.canvas.take();
  rig.controller.mouseHover(centre(kAdvancedTab));
  EXPECT_EQ(rig.canvas.ops.back(), "present");
}

TEST(PageDrawing, ShowPageDrawsInOrderAndPresentsOnce) {
  PageControllerRig rig;
  rig.controller.showPage(Page::Basic);
  EXPECT_EQ(
      rig.canvas.take(),
      (Ops{"image /BasicSet2.png 0,0", "keep base", imageOp("/button-min-normal.png", kMinimise),
           imageOp("/button-close-normal.png", kClose), imageOp("/button-Skins-normal.png", kSkins),
           imageOp("/button-normal.png", kOk), textOp("OK", kOk, "centre"),
           imageOp("/button-normal.png", kApply), textOp("Apply", kApply, "centre"),
           imageOp("/button-normal.png", kCancel), textOp("Cancel", kCancel, "centre"),
           imageOp("/button-PrePage-normal.png", kBasicTab),
           imageOp("/button-NextPage-normal.png", kAdvancedTab), "image /basic-own.png 0,0",
           "present"}));
  rig.controller.showPage(Page::Basic);
  EXPECT_TRUE(rig.canvas.ops.empty());
}

TEST(PageDrawing, RedrawPageRebuildsTheShownPage) {
  PageControllerRig rig;
  rig.show(Page::Basic);
  rig.controller.setTexts({L"Tamam", L"Uygula", L"\u0130ptal"});
  rig.controller.redrawPage();
  EXPECT_EQ(rig.basic.destroyed, 1);
  EXPECT_EQ(rig.basic.drawn, 2);
  const Ops ops = rig.canvas.take();
  EXPECT_EQ(ops[6], textOp("Tamam", kOk, "centre"));
  EXPECT_EQ(ops[10], textOp("\xC4\xB0ptal", kCancel, "centre"));
  EXPECT_EQ(rig.controller.currentPage(), Page::Basic);
}

TEST(PageDrawing, ShowingTheWindowDrawsBasicFirstAfreshAfterCancelOtherwiseAsItStood) {
  PageControllerRig rig;
  rig.controller.beforeShow(false);
  EXPECT_EQ(rig.controller.currentPage(), Page::Basic);
  EXPECT_EQ(rig.basic.drawn, 1);
  rig.show(Page::Advanced);
  rig.controller.beforeShow(true);  // shown and drawn already
  EXPECT_TRUE(rig.canvas.ops.empty());
  rig.controller.beforeShow(false);  // hidden: the buffer went, the child controls stayed
  EXPECT_EQ(rig.advanced.drawn, 2);
  EXPECT_EQ(rig.advanced.destroyed, 0);

  rig.controller.click({800, 630});  // Cancel
  EXPECT_EQ(rig.host.take().front(), "revert");
  rig.controller.beforeShow(false);
  EXPECT_EQ(rig.advanced.destroyed, 1);  // rebuilt from the reverted settings
  rig.controller.beforeShow(false);      // once per Cancel
  EXPECT_EQ(rig.advanced.destroyed, 1);
  EXPECT_EQ(rig.advanced.drawn, 4);
  EXPECT_EQ(rig.controller.currentPage(), Page::Advanced);
}

// The skinned sub-dialog frame.

class FakeFrameHost : public FrameHost {
 public:
  std::vector<std::string> calls;
  bool list = false;
  void trackHover() override { calls.push_back("track"); }
  void endDialog(DialogResult r) override {
    calls.push_back(r == DialogResult::Ok ? "end ok" : "end cancel");
  }
  bool listExists() const override { return list; }
  void createList(Rect rect, const std::vector<std::wstring>& items) override {
    list = true;
    calls.push_back("create " + testing::rectText(rect) + " " + std::to_string(items.size()));
  }
  void destroyList() override {
    list = false;
    calls.push_back("destroy");
  }
  void setValueText(const std::wstring& text) override { calls.push_back("value " + toUtf8(text)); }
  void scrollList(bool down) override { calls.push_back(down ? "down" : "up"); }
  std::vector<bool> shown;  // listShown, apart from the calls
  void listShown(bool open) override { shown.push_back(open); }
  std::vector<std::string> take() { return std::exchange(calls, {}); }
};

struct FrameRig {
  RecordingCanvas canvas;
  FakeFrameHost host;
  SkinnedFrame frame{canvas, host};
  FrameRig() {
    frame.setDropDown({L"Play", L"Stop", L"Next", L"Prev"}, layout::rect("media-key", "drop list"));
  }
};

constexpr Rect kFrameOkRect = rect("dialogs", "OK"), kFrameCancelRect = rect("dialogs", "Cancel"),
               kFrameCloseRect = rect("dialogs", "close");
constexpr Point kInOk = centre(kFrameOkRect);
constexpr Point kInCancel = centre(kFrameCancelRect);
constexpr Point kInClose = centre(kFrameCloseRect);
constexpr Point kInField = centre(rect("media-key", "drop-down field"));
constexpr Point kElsewhere{100, 60};  // on no control of the frame
const std::string kCreateMediaList =
    "create " + testing::rectText(rect("media-key", "drop list")) + " 4";

TEST(SkinnedFrameHover, OkThenCancelSwapsTheirImages) {
  FrameRig rig;
  rig.frame.mouseMove(kInOk);
  EXPECT_EQ(rig.host.take(), std::vector<std::string>{"track"});
  rig.frame.mouseHover(kInOk);
  EXPECT_EQ(rig.canvas.take(), (Ops{imageOp("/button-normal.png", kFrameCancelRect),
                                    textOp("Cancel", kFrameCancelRect, "centre"),
                                    imageOp("/button-over.png", kFrameOkRect),
                                    textOp("OK", kFrameOkRect, "centre"), "present"}));
  rig.frame.mouseHover(kInCancel);
  EXPECT_EQ(rig.canvas.take(),
            (Ops{imageOp("/button-normal.png", kFrameOkRect), textOp("OK", kFrameOkRect, "centre"),
                 imageOp("/button-over.png", kFrameCancelRect),
                 textOp("Cancel", kFrameCancelRect, "centre"), "present"}));
  EXPECT_TRUE(rig.frame.isOver(Control::Cancel));
  EXPECT_FALSE(rig.frame.isOver(Control::Ok));
}

TEST(SkinnedFrameHover, OkThenCloseKeepsBothUntilThePointerLeavesAllThree) {
  FrameRig rig;
  rig.frame.mouseHover(kInOk);
  rig.frame.mouseHover(kInClose);
  EXPECT_TRUE(rig.frame.isOver(Control::Ok));
  EXPECT_TRUE(rig.frame.isOver(Control::Close));
  rig.canvas.take();
  rig.frame.mouseMove(kInCancel);
  EXPECT_TRUE(rig.canvas.ops.empty());
  rig.frame.mouseMove(kElsewhere);
  EXPECT_EQ(rig.canvas.take(),
            (Ops{imageOp("/button-normal.png", kFrameOkRect), textOp("OK", kFrameOkRect, "centre"),
                 imageOp("/button-close-normal.png", kFrameCloseRect), "present"}));
  rig.frame.mouseMove(kElsewhere);
  EXPECT_TRUE(rig.canvas.ops.empty());
}

TEST(SkinnedFrameClicks, ButtonsEndTheDialog) {
  for (auto [p, want] : {std::pair{kInOk, "end ok"},
                         {kInCancel, "end cancel"},
                         {kInClose, "end cancel"},
                         // OK's last column is Cancel's first: OK is tested first.
                         {Point{kFrameCancelRect.left, kFrameCancelRect.top}, "end ok"}}) {
    FrameRig rig;
    rig.frame.click(p);
    EXPECT_EQ(rig.host.take(), std::vector<std::string>{want});
  }
  FrameRig rig;
  rig.frame.click({kFrameCancelRect.right, kInCancel.y});
  rig.frame.click({kFrameCloseRect.right, kInClose.y});
  EXPECT_TRUE(rig.host.calls.empty()) << "right edges are outside";
}

TEST(SkinnedFrameClicks, DropDownTogglesClosesElsewhereAndChooses) {
  FrameRig rig;
  rig.frame.click(kInField);
  EXPECT_EQ(rig.host.take(), std::vector<std::string>{kCreateMediaList});
  EXPECT_TRUE(rig.frame.listOpen());
  const Rect field = rect("media-key", "drop-down field");
  rig.frame.click({field.right - 1, field.bottom - 1});
  EXPECT_EQ(rig.host.take(), std::vector<std::string>{"destroy"});
  EXPECT_FALSE(rig.frame.listOpen());

  rig.frame.click(kInField);
  rig.frame.click(centre(rect("media-key", "drop list")));  // inside the open list: stays open
  rig.frame.click(kElsewhere);
  EXPECT_EQ(rig.host.take(), (std::vector<std::string>{kCreateMediaList, "destroy"}));

  rig.frame.click(kInField);
  rig.frame.click(kInOk);  // the list goes before the dialog ends
  EXPECT_EQ(rig.host.take(), (std::vector<std::string>{kCreateMediaList, "destroy", "end ok"}));

  rig.frame.click(kInField);
  rig.host.take();
  rig.frame.listChosen(2, L"Next");
  EXPECT_EQ(rig.host.take(), (std::vector<std::string>{"value Next", "destroy"}));
  EXPECT_EQ(rig.frame.selectedIndex(), 2);
  EXPECT_EQ(rig.frame.valueText(), L"Next");
  EXPECT_FALSE(rig.frame.listOpen());
}

TEST(SkinnedFrameClicks, WheelScrollsThreeLinesOnlyWhereTheDialogHasAWheel) {
  FrameRig rig;
  rig.frame.click(kInField);
  rig.host.take();
  rig.frame.wheel(-120);
  EXPECT_TRUE(rig.host.calls.empty());
  rig.frame.setWheelScrolls(true);
  rig.frame.wheel(-120);
  rig.frame.wheel(0);
  rig.frame.wheel(120);
  EXPECT_EQ(rig.host.take(), (std::vector<std::string>{"down", "down", "down", "down", "down",
                                                       "down", "up", "up", "up"}));
  rig.frame.click(kElsewhere);
  rig.host.take();
  rig.frame.wheel(120);
  EXPECT_TRUE(rig.host.calls.empty());
}

// The combo and fire-key dialogs lock their fields while the list is open: every way the list
// closes must tell them, or the fields stay disabled.
TEST(SkinnedFrameClicks, EveryWayTheListClosesIsReported) {
  FrameRig rig;
  const Rect field = rect("fire-key", "key field"), list = rect("fire-key", "key list");
  rig.frame.setDropGeometry(field, list);
  rig.frame.click(centre(field));
  EXPECT_EQ(rig.host.take(), std::vector<std::string>{"create " + testing::rectText(list) + " 4"});
  rig.frame.click(centre(field));  // its field again
  rig.frame.click(centre(field));
  rig.frame.click({300, 100});  // elsewhere
  rig.frame.click(centre(field));
  rig.frame.listChosen(1, L"Stop");
  rig.frame.click({300, 100});  // closed already: nothing more to report
  EXPECT_EQ(rig.host.shown, (std::vector<bool>{true, false, true, false, true, false}));
  rig.frame.click(kInField);  // the common field is not this dialog's
  EXPECT_FALSE(rig.frame.listOpen());
}

// The macro and skins lists are read when they open, and open even when empty.
TEST(SkinnedFrameClicks, AnItemSourceIsReadOnEveryOpening) {
  RecordingCanvas canvas;
  FakeFrameHost host;
  SkinnedFrame frame{canvas, host};
  frame.setDropDown({}, layout::rect("macro-key", "drop list"));
  int reads = 0;
  frame.setItemSource(
      [&reads] { return std::vector<std::wstring>(static_cast<std::size_t>(reads++), L"m"); });
  frame.click(kInField);
  frame.click(kInField);
  frame.click(kInField);
  const std::string create = "create " + testing::rectText(rect("macro-key", "drop list"));
  EXPECT_EQ(host.take(), (std::vector<std::string>{create + " 0", "destroy", create + " 1"}));
}

TEST(SkinnedFrameClicks, ADialogWithoutItemsHasNoField) {
  RecordingCanvas canvas;
  FakeFrameHost host;
  SkinnedFrame frame{canvas, host};
  frame.click(kInField);
  EXPECT_TRUE(host.calls.empty());
}

}  // namespace
}  // namespace k8
