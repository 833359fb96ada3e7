#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "basic_page_fakes.h"
#include "settings/key_codes.h"

namespace k8 {
namespace {

using layout::rect;
using testing::BasicRig;
using testing::centre;
using testing::FakeControls;
using testing::imageOp;
using testing::textOp;

bool drew(const std::vector<std::string>& ops, const std::string& op) {
  return std::find(ops.begin(), ops.end(), op) != ops.end();
}

TEST(BasicPageFirstVisit, ExchangesOnceKeepsTheSensorAndSavesFirstRunCaptions) {
  BasicRig rig(/*sensorType=*/2, /*firstRunFlag=*/0);
  EXPECT_EQ(rig.pageHost.exchanges, 1);
  EXPECT_EQ(rig.basic.sensorType(), 2);
  EXPECT_EQ(rig.strIni.readString(L"Setting-EN", L"Item123", 1024), L"Key Off");
  // Coming back from the Advanced page draws again but does not talk to the mouse again.
  rig.controller.showPage(Page::Advanced);
  rig.controller.showPage(Page::Basic);
  EXPECT_EQ(rig.pageHost.exchanges, 1);
}

TEST(BasicPageLayout, EightEntryScaleForKnownSensorsTwelveOtherwise) {
  BasicRig eight(1);
  EXPECT_EQ(eight.controls.text(kScaleLabelFirstId), L"600");
  EXPECT_EQ(eight.controls.text(kScaleLabelFirstId + 7), L"3200");
  EXPECT_EQ(eight.controls.rect(kScaleLabelFirstId), rect("basic", "DPI scale label 1 of 8"));
  EXPECT_FALSE(eight.controls.exists(kScaleLabelFirstId + 8));
  // A level 9 cell is no control with 8 levels: the click drags the window.
  const Rect level9 = rect("basic", "DPI stage 1 level 9");
  eight.controller.click({level9.left, level9.top});
  EXPECT_EQ(eight.host.take(), std::vector<std::string>{"drag " + std::to_string(level9.left) +
                                                        "," + std::to_string(level9.top)});
  EXPECT_EQ(eight.s().dpiLevel[0], 1);

  BasicRig unknown(9);
  EXPECT_EQ(unknown.controls.text(kScaleLabelFirstId + 11), L"4000");
  EXPECT_EQ(unknown.controls.rect(kScaleLabelFirstId), rect("basic", "DPI scale label 1"));
  unknown.clickOn("DPI stage # level #", {1, 12});
  EXPECT_EQ(unknown.s().dpiLevel[0], 11);
}

TEST(BasicPageLayout, UnknownReportRateShowsAs1000AndClickingTheLitSegmentRedrawsNothing) {
  BasicRig rig;
  rig.s().reportRate = 0;
  rig.controller.redrawPage();
  const Rect r125 = rect("basic", "report rate 125"), r1000 = rect("basic", "report rate 1000");
  EXPECT_TRUE(drew(rig.canvas.take(), imageOp("/slider-RP-light.png", r1000)));
  rig.clickOn("report rate 125");
  EXPECT_EQ(rig.s().reportRate, 8);
  EXPECT_EQ(rig.canvas.take(),
            (std::vector<std::string>{imageOp("/slider-RP-dark.png", r1000),
                                      imageOp("/slider-RP-light.png", r125), "present"}));
  rig.clickOn("report rate 125");
  EXPECT_TRUE(rig.canvas.take().empty());
  EXPECT_EQ(rig.s().reportRate, 8);
}

TEST(BasicPageStages, TheOnlyEnabledStageStaysAndLevelsWorkOnDisabledStages) {
  BasicRig rig;
  for (int stage : {1, 2, 3}) rig.clickOn("DPI stage # enable", {stage});
  EXPECT_EQ(rig.s().dpiStageEnabled, (std::array<std::uint8_t, 4>{0, 0, 0, 1}));
  rig.canvas.take();
  rig.clickOn("DPI stage # enable", {4});  // the only one left
  EXPECT_EQ(rig.s().dpiStageEnabled[3], 1);
  EXPECT_TRUE(rig.canvas.take().empty());

  // Level 5 of disabled stage 2: cells 1-5 lit, level index 4, still disabled.
  rig.clickOn("DPI stage # level #", {2, 5});
  EXPECT_EQ(rig.s().dpiLevel[1], 4);
  EXPECT_EQ(rig.s().dpiStageEnabled[1], 0);
  const auto ops = rig.canvas.take();
  EXPECT_TRUE(drew(ops, imageOp("/slider-DPI-light.png", rect("basic", "DPI stage 2 level 5"))));
  EXPECT_TRUE(drew(ops, imageOp("/slider-DPI-dark.png", rect("basic", "DPI stage 2 level 6"))));

  // Enabling a stage lights cells 1 .. level + 1.
  rig.clickOn("DPI stage # enable", {2});
  EXPECT_EQ(rig.s().dpiStageEnabled[1], 1);
  EXPECT_EQ(std::count(rig.canvas.ops.begin(), rig.canvas.ops.end(),
                       imageOp("/PaneMakingTick.png", rect("basic", "DPI stage 2 enable"))),
            1);
}

TEST(BasicPageModes, ModesSwitchCaptionsOnlyAndDefaultResetsBothModes) {
  BasicRig rig;
  rig.captions.captions().modeB[0] = L"B-one";
  rig.clickOn("Mode B");
  EXPECT_EQ(rig.s().editMode, 1);
  const Rect box1 = rect("basic", "function box 1");
  EXPECT_TRUE(drew(rig.canvas.take(),
                   textOp("B-one", {box1.left + 20, box1.top, box1.right, box1.bottom}, "left")));
  const MouseSettings before = rig.s();
  rig.clickOn("Mode A");
  EXPECT_EQ(rig.s().editMode, 0);
  EXPECT_TRUE(std::equal(before.modeA.function.begin(), before.modeA.function.end(),
                         rig.s().modeA.function.begin()));

  rig.clickOn("Mode B");
  rig.s().modeA.function[4] = kKeyOff;
  rig.s().modeB.fireSpeed[4] = 9;
  rig.s().dpiActionB[5] = 3;
  rig.clickOn("Default");  // in Mode B
  EXPECT_EQ(rig.s().modeA.function[4], kBackward);
  EXPECT_EQ(rig.s().dpiActionB[5], kDpiUp);
  EXPECT_EQ(rig.s().modeB.fireSpeed[4], 9) << "parameters are left as they are";
  EXPECT_EQ(rig.caption(1, 0), L"Left Click");
}

TEST(KeyChooser, TheLastLeftClickCannotBeGivenAway) {
  BasicRig rig;
  rig.clickBox(1);
  EXPECT_EQ(rig.pageHost.boxes, std::vector<std::wstring>{L"Warning|Left key must be selected!"});
  EXPECT_FALSE(rig.controls.exists(kFunctionListFirstId));
  rig.choose(2, kLeftClick);
  EXPECT_EQ(rig.block(0).function[1], kLeftClick);
  rig.clickBox(1);
  EXPECT_TRUE(rig.controls.exists(kFunctionListFirstId));
  EXPECT_EQ(rig.controls.itemCount(kFunctionListFirstId), 16);
  EXPECT_EQ(rig.controls.rect(kFunctionListFirstId), rect("basic", "function list 1"));
}

TEST(KeyChooser, OneListAtATimeAndASecondClickCloses) {
  BasicRig rig;
  rig.clickBox(3);
  rig.clickBox(5);
  EXPECT_FALSE(rig.controls.exists(kFunctionListFirstId + 2));
  EXPECT_TRUE(rig.controls.exists(kFunctionListFirstId + 4));
  rig.clickBox(5);
  EXPECT_FALSE(rig.controls.exists(kFunctionListFirstId + 4));
  // A click on the page away from the list closes it.
  rig.clickBox(4);
  rig.controller.click({700, 100});
  EXPECT_FALSE(rig.controls.exists(kFunctionListFirstId + 3));
  EXPECT_FALSE(rig.basic.chooser().isOpen(3));
}

TEST(KeyChooser, ShiftLivesInBothModesAndOnlyOnce) {
  BasicRig rig;
  rig.choose(3, kShift);
  EXPECT_EQ(rig.block(0).function[2], kShift);
  EXPECT_EQ(rig.block(1).function[2], kShift);
  EXPECT_EQ(rig.caption(1, 2), L"Shift");
  EXPECT_FALSE(rig.controls.exists(kFunctionListFirstId + 2));

  rig.choose(4, kShift);  // a second Shift: refused without a word
  EXPECT_EQ(rig.block(0).function[3], kForward);
  EXPECT_TRUE(rig.pageHost.boxes.empty());
  EXPECT_FALSE(rig.controls.exists(kFunctionListFirstId + 3));

  rig.clickOn("Mode B");  // Key Off frees the button in both modes
  rig.choose(3, kKeyOff);
  EXPECT_EQ(rig.block(0).function[2], kKeyOff);
  EXPECT_EQ(rig.block(1).function[2], kKeyOff);
  EXPECT_EQ(rig.caption(0, 2), L"Key Off");
}

TEST(KeyChooser, DpiListFollowsTheHoverAndItsChoiceLandsInTheShownModeOnly) {
  BasicRig rig;
  rig.clickOn("Mode B");
  rig.clickBox(4);
  const int list = kFunctionListFirstId + 3;
  rig.hoverItem(list, kDpiSwitchItem);
  ASSERT_TRUE(rig.controls.exists(kDpiListId));
  const Rect dpi = rig.controls.rect(kDpiListId);
  // Beside the "DPI Switch" item of list 4.
  const Rect list4 = rect("basic", "function list 4");
  const int top = list4.top + kDpiSwitchItem * FakeControls::kItemHeight;
  EXPECT_EQ(dpi, (Rect{list4.right, top, list4.right + kDpiListWidth, top + kDpiListHeight}));
  rig.hoverItem(list, kFireKey);
  EXPECT_FALSE(rig.controls.exists(kDpiListId));
  // A click on "DPI Switch" itself stores nothing and leaves the list open.
  rig.pick(list, kDpiSwitchItem);
  EXPECT_TRUE(rig.controls.exists(list));
  EXPECT_EQ(rig.block(1).function[3], kForward);

  rig.canvas.take();
  rig.pick(kDpiListId, 1);  // "DPI -"
  EXPECT_EQ(rig.block(1).function[3], kDpiSwitch);
  EXPECT_EQ(rig.s().dpiActionB[3], kDpiDown);
  EXPECT_EQ(rig.block(0).function[3], kForward);
  EXPECT_EQ(rig.s().dpiActionA[3], 0);
  EXPECT_EQ(rig.caption(1, 3), L"DPI -");
  EXPECT_FALSE(rig.controls.exists(list));
  EXPECT_FALSE(rig.controls.exists(kDpiListId));
  const Rect box4 = rect("basic", "function box 4");
  EXPECT_TRUE(drew(rig.canvas.ops,
                   textOp("DPI -", {box4.left + 20, box4.top, box4.right, box4.bottom}, "left")));
}

TEST(KeyChooser, DialogResultsGoToTheShownModeAndACancelChangesNothing) {
  BasicRig rig;
  auto& d = rig.pageHost.fakeDialogs;
  d.combo = ComboKeyChoice{L"Left Ctrl", L"", L"C"};
  rig.choose(5, kComboKey);
  EXPECT_EQ(rig.block(0).function[4], kComboKey);
  EXPECT_EQ(rig.block(0).comboModifiers[4], 0x01);
  EXPECT_EQ(rig.block(0).comboKey1[4], 0);
  EXPECT_EQ(rig.block(0).comboKey2[4], 0x06);
  EXPECT_EQ(rig.caption(0, 4), L"Combo Key-Left Ctrl+C");
  EXPECT_EQ(rig.block(1).function[4], kBackward);

  d.fire = FireKeyChoice{3, L"D", 5, 1};
  rig.choose(6, kFireKey);
  EXPECT_EQ(rig.caption(0, 5), L"Fire Key-D");
  EXPECT_EQ(rig.block(0).fireSpeed[5], 5);

  d.windows = ListChoice{4, L"Browser-My Favorites"};
  rig.choose(7, kWindowsFunction);
  EXPECT_EQ(rig.block(0).windowsUsageHigh[6], 2);
  EXPECT_EQ(rig.caption(0, 6), L"Browser-My Favorites");

  // Cancelled: function, parameters and text stay as they were.
  const MouseSettings before = rig.s();
  for (int f : {kWindowsFunction, kMultimedia, kFireKey, kSingleKey, kComboKey, kMacroKey}) {
    d = {};
    rig.choose(5, f);
    EXPECT_EQ(d.runs, 1) << f;
    EXPECT_EQ(0, std::memcmp(&before, &rig.s(), sizeof before)) << f;
    EXPECT_EQ(rig.caption(0, 4), L"Combo Key-Left Ctrl+C") << f;
    EXPECT_FALSE(rig.controls.exists(kFunctionListFirstId + 4)) << f;
  }
}

TEST(LightSettings, EachModeKeepsItsOwnParameterAndOption) {
  BasicRig rig;
  const auto box = [&](int i) { rig.controller.click(centre(regionOf(Control::LightList, i))); };
  box(1);
  rig.pick(kLightModeListId, 1);  // Respiration
  box(2);
  EXPECT_EQ(rig.controls.rect(kLightParameterListId), rect("basic", "light parameter list 2"));
  rig.pick(kLightParameterListId, 3);
  box(3);
  rig.pick(kLightOptionListId, 1);  // RGB Flash
  box(1);
  rig.pick(kLightModeListId, 2);  // Neon
  box(2);
  EXPECT_NE(rig.controls.children.at(kLightParameterListId).style & kStyleVScroll, 0u);
  EXPECT_EQ(rig.controls.itemCount(kLightParameterListId), 30);
  rig.pick(kLightParameterListId, 29);
  box(3);
  rig.pick(kLightOptionListId, 1);  // RGB Fixed On
  box(1);
  rig.pick(kLightModeListId, 1);  // back to Respiration
  EXPECT_EQ(rig.s().ledMode, 2);
  EXPECT_EQ(rig.s().ledBeatSpeed, 3);
  EXPECT_EQ(rig.s().ledMode2Option, 2);
  EXPECT_EQ(rig.s().ledSwitchTime, 29);
  EXPECT_EQ(rig.s().ledMode3Option, 3);
  EXPECT_EQ(rig.controls.text(kLightParameterLabelId), L"5S");
  EXPECT_EQ(rig.controls.text(kLightOptionLabelId), L"RGB Flash");

  // Standard: the Effect box opens no list, it only shows "RGB Effect".
  box(1);
  rig.pick(kLightModeListId, 0);
  box(3);
  EXPECT_FALSE(rig.controls.exists(kLightOptionListId));
  EXPECT_EQ(rig.controls.text(kLightOptionLabelId), L"RGB Effect");
}

TEST(LightSettings, AModeChosenOnAnOffRecordShowsItsLabelsAtOnce) {
  BasicRig rig;
  rig.s().ledMode = 0;
  rig.controller.redrawPage();
  EXPECT_EQ(rig.controls.text(kLightModeLabelId), L"Off");
  EXPECT_FALSE(rig.controls.exists(kLightParameterLabelId));
  rig.clickOn("light parameter box");  // the times, and a choice stores nothing
  rig.pick(kLightParameterListId, 4);
  EXPECT_EQ(rig.s().ledSwitchTime, 0);
  rig.clickOn("light mode box");
  rig.pick(kLightModeListId, 0);
  EXPECT_EQ(rig.controls.text(kLightParameterLabelId), L"5%");
  EXPECT_EQ(rig.controls.text(kLightOptionLabelId), L"RGB Effect");
  // A click elsewhere closes an open list and clears its flag.
  rig.clickOn("light mode box");
  rig.controller.click({100, 300});
  EXPECT_FALSE(rig.controls.exists(kLightModeListId));
  EXPECT_FALSE(rig.basic.lights().isOpen(1));
}

TEST(LightSettings, SwatchesOnlyForEnabledStagesAndCancelKeepsTheColour) {
  BasicRig rig;
  rig.clickOn("DPI stage # enable", {2});  // stage 2 off
  rig.pageHost.colour = Colour{255, 0, 0};
  rig.clickOn("DPI colour swatch #", {2});
  EXPECT_EQ(rig.pageHost.colourDialogs, 0);
  rig.clickOn("DPI colour swatch #", {1});
  EXPECT_EQ(rig.pageHost.colourDialogs, 1);
  EXPECT_EQ(
      (std::array<std::uint8_t, 3>{rig.s().dpiColor[0], rig.s().dpiColor[1], rig.s().dpiColor[2]}),
      (std::array<std::uint8_t, 3>{255, 0, 0}));
  EXPECT_EQ(rig.controls.children.at(kSwatchFirstId).invalidated, 1);
  rig.pageHost.colour.reset();
  rig.clickOn("DPI colour swatch #", {1});
  EXPECT_EQ(rig.s().dpiColor[0], 255);
}

TEST(BasicPageChildren, LeavingThePageDestroysEveryChild) {
  BasicRig rig;
  rig.clickBox(4);
  rig.hoverItem(kFunctionListFirstId + 3, kDpiSwitchItem);
  rig.clickOn("light mode box");
  rig.controller.showPage(Page::Advanced);
  EXPECT_TRUE(rig.controls.children.empty());
}

}  // namespace
}  // namespace k8
