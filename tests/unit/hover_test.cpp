#include <gtest/gtest.h>

#include "pages_fakes.h"
#include "skin/skinned_frame.h"

namespace k8 {
namespace {

using testing::PageControllerRig;
using testing::RecordingCanvas;
using Ops = std::vector<std::string>;

TEST(PageControllerHover, MovingOntoATrackedControlOnlyAsksForAHoverNotice) {
  PageControllerRig rig;
  rig.show(Page::Basic);
  for (Point p : {Point{600, 630}, Point{705, 10}, Point{830, 10}, Point{855, 10}, Point{20, 60},
                  Point{70, 60}, Point{310, 550}, Point{300, 250}}) {
    rig.controller.mouseMove(p);
    EXPECT_EQ(rig.host.take(), std::vector<std::string>{"track"}) << p.x << "," << p.y;
  }
  rig.controller.mouseMove({400, 400});
  EXPECT_TRUE(rig.host.calls.empty());
  EXPECT_TRUE(rig.canvas.ops.empty()) << "nothing flagged, nothing drawn";
}

TEST(PageControllerHover, PushButtonsShowOneOverImageAtATime) {
  PageControllerRig rig;
  rig.show(Page::Basic);
  rig.controller.mouseHover({600, 630});
  EXPECT_EQ(rig.canvas.take(),
            (Ops{"image /button-normal.png 666,623", "text Apply 666,623,771,644 centre",
                 "image /button-normal.png 770,623", "text Cancel 770,623,875,644 centre",
                 "image /button-over.png 562,623", "text OK 562,623,667,644 centre", "present"}));
  EXPECT_EQ(rig.canvas.onBase, 11) << "8 controls of the page draw, then 3 buttons of the hover";
  rig.controller.mouseHover({600, 630});
  EXPECT_TRUE(rig.canvas.ops.empty()) << "an over image already shown is not drawn again";

  rig.controller.mouseHover({800, 630});
  const Ops ops = rig.canvas.take();
  EXPECT_NE(std::find(ops.begin(), ops.end(), "image /button-normal.png 562,623"), ops.end());
  EXPECT_NE(std::find(ops.begin(), ops.end(), "image /button-over.png 770,623"), ops.end());
  EXPECT_EQ(ops.back(), "present");
  EXPECT_TRUE(rig.controller.isOver(Control::Cancel));
  EXPECT_FALSE(rig.controller.isOver(Control::Ok));
}

TEST(PageControllerHover, UngroupedControlsStayOverUntilThePointerLeavesThemAll) {
  PageControllerRig rig;
  rig.show(Page::Basic);
  rig.controller.mouseHover({600, 630});
  rig.controller.mouseHover({830, 10});
  rig.controller.mouseHover({20, 60});
  EXPECT_TRUE(rig.controller.isOver(Control::Ok));
  EXPECT_TRUE(rig.controller.isOver(Control::Minimise));
  EXPECT_TRUE(rig.controller.isOver(Control::BasicTab));
  rig.controller.mouseHover({70, 60});
  EXPECT_FALSE(rig.controller.isOver(Control::BasicTab)) << "the tabs are a group";
  rig.canvas.take();

  rig.controller.mouseMove({400, 400});
  const Ops ops = rig.canvas.take();
  EXPECT_EQ(ops, (Ops{"image /button-normal.png 562,623", "text OK 562,623,667,644 centre",
                      "image /button-min-normal.png 825,5",
                      "image /button-NextPage-normal.png 60,54", "present"}));
  EXPECT_FALSE(rig.controller.isOver(Control::Ok));
}

TEST(PageControllerHover, FunctionBoxesAreAGroupWithNumberAndCaption) {
  PageControllerRig rig;
  rig.show(Page::Basic);
  rig.controller.mouseHover({300, 199 + 23 * 2});
  Ops ops = rig.canvas.take();
  EXPECT_EQ(std::count_if(ops.begin(), ops.end(),
                          [](const std::string& s) {
                            return s.starts_with("image /DropdownBox-normal.png");
                          }),
            7);
  const Ops box3{"image /DropdownBox-over.png 252,245", "text 3 252,245,272,266 centre",
                 "text cap3 272,245,463,266 left", "present"};
  EXPECT_TRUE(std::equal(box3.begin(), box3.end(), ops.end() - 4));
  // Default is not part of the boxes' group.
  rig.controller.mouseHover({310, 550});
  EXPECT_TRUE(rig.controller.isOver(Control::FunctionBox, 3));
  EXPECT_TRUE(rig.controller.isOver(Control::KeyDefault));
}

TEST(PageControllerHover, AdvancedPageMacroButtonsAreAGroup) {
  PageControllerRig rig;
  rig.show(Page::Advanced);
  rig.controller.mouseHover({520, 530});
  rig.controller.mouseHover({40, 590});
  rig.controller.mouseHover({800, 530});
  EXPECT_FALSE(rig.controller.isOver(Control::NewMacro));
  EXPECT_TRUE(rig.controller.isOver(Control::ConfirmMacro));
  EXPECT_TRUE(rig.controller.isOver(Control::SystemDefault));
  rig.controller.mouseHover({300, 250});  // a Basic page box is not tracked here
  EXPECT_FALSE(rig.controller.isOver(Control::FunctionBox, 3));
}

TEST(PageControllerHover, APageDrawClearsTheFlagsSoTheNextHoverDrawsAgain) {
  PageControllerRig rig;
  rig.show(Page::Basic);
  rig.controller.mouseHover({70, 60});
  rig.controller.click({70, 60});
  EXPECT_FALSE(rig.controller.isOver(Control::AdvancedTab));
  rig.canvas.take();
  rig.controller.mouseHover({70, 60});
  EXPECT_EQ(rig.canvas.ops.back(), "present");
}

TEST(PageDrawing, ShowPageDrawsInOrderAndPresentsOnce) {
  PageControllerRig rig;
  rig.controller.showPage(Page::Basic);
  EXPECT_EQ(
      rig.canvas.take(),
      (Ops{"image /BasicSet2.png 0,0", "keep base", "image /button-min-normal.png 825,5",
           "image /button-close-normal.png 850,5", "image /button-Skins-normal.png 701,5",
           "image /button-normal.png 562,623", "text OK 562,623,667,644 centre",
           "image /button-normal.png 666,623", "text Apply 666,623,771,644 centre",
           "image /button-normal.png 770,623", "text Cancel 770,623,875,644 centre",
           "image /button-PrePage-normal.png 14,54", "image /button-NextPage-normal.png 60,54",
           "image /basic-own.png 0,0", "present"}));
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
  EXPECT_EQ(ops[6], "text Tamam 562,623,667,644 centre");
  EXPECT_EQ(ops[10], "text \xC4\xB0ptal 770,623,875,644 centre");
  EXPECT_EQ(rig.controller.currentPage(), Page::Basic);
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

constexpr Point kInOk{200, 260};
constexpr Point kInCancel{300, 260};
constexpr Point kInClose{360, 10};
constexpr Point kInField{100, 130};
constexpr Point kElsewhere{100, 60};

TEST(SkinnedFrameHover, OkThenCancelSwapsTheirImages) {
  FrameRig rig;
  rig.frame.mouseMove(kInOk);
  EXPECT_EQ(rig.host.take(), std::vector<std::string>{"track"});
  rig.frame.mouseHover(kInOk);
  EXPECT_EQ(rig.canvas.take(),
            (Ops{"image /button-normal.png 270,253", "text Cancel 270,253,375,274 centre",
                 "image /button-over.png 166,253", "text OK 166,253,271,274 centre", "present"}));
  rig.frame.mouseHover(kInCancel);
  EXPECT_EQ(
      rig.canvas.take(),
      (Ops{"image /button-normal.png 166,253", "text OK 166,253,271,274 centre",
           "image /button-over.png 270,253", "text Cancel 270,253,375,274 centre", "present"}));
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
            (Ops{"image /button-normal.png 166,253", "text OK 166,253,271,274 centre",
                 "image /button-close-normal.png 352,6", "present"}));
  rig.frame.mouseMove(kElsewhere);
  EXPECT_TRUE(rig.canvas.ops.empty());
}

TEST(SkinnedFrameClicks, ButtonsEndTheDialog) {
  for (auto [p, want] : {std::pair{kInOk, "end ok"},
                         {kInCancel, "end cancel"},
                         {kInClose, "end cancel"},
                         {Point{270, 253}, "end ok"}}) {
    FrameRig rig;
    rig.frame.click(p);
    EXPECT_EQ(rig.host.take(), std::vector<std::string>{want});
  }
  FrameRig rig;
  rig.frame.click({375, 260});
  rig.frame.click({370, 10});
  EXPECT_TRUE(rig.host.calls.empty()) << "right edges are outside";
}

TEST(SkinnedFrameClicks, DropDownTogglesClosesElsewhereAndChooses) {
  FrameRig rig;
  rig.frame.click(kInField);
  EXPECT_EQ(rig.host.take(), std::vector<std::string>{"create 42,146,151,266 4"});
  EXPECT_TRUE(rig.frame.listOpen());
  rig.frame.click({150, 143});
  EXPECT_EQ(rig.host.take(), std::vector<std::string>{"destroy"});
  EXPECT_FALSE(rig.frame.listOpen());

  rig.frame.click(kInField);
  rig.frame.click({100, 200});  // inside the open list's rectangle: stays open
  rig.frame.click(kElsewhere);
  EXPECT_EQ(rig.host.take(), (std::vector<std::string>{"create 42,146,151,266 4", "destroy"}));

  rig.frame.click(kInField);
  rig.frame.click(kInOk);  // the list goes before the dialog ends
  EXPECT_EQ(rig.host.take(),
            (std::vector<std::string>{"create 42,146,151,266 4", "destroy", "end ok"}));

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
  rig.frame.setDropGeometry({49, 69, 132, 85}, {49, 87, 132, 257});
  rig.frame.click({60, 75});
  EXPECT_EQ(rig.host.take(), std::vector<std::string>{"create 49,87,132,257 4"});
  rig.frame.click({60, 75});  // its field again
  rig.frame.click({60, 75});
  rig.frame.click({300, 100});  // elsewhere
  rig.frame.click({60, 75});
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
  EXPECT_EQ(host.take(), (std::vector<std::string>{"create 42,146,151,286 0", "destroy",
                                                   "create 42,146,151,286 1"}));
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
