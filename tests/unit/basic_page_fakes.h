#pragma once
// The Basic page over fakes: settings, captions in an in-memory str.ini, what the mouse reports,
// and a page host whose dialogs answer what the test set.

#include <optional>

#include "pages/basic_page.h"
#include "pages_fakes.h"
#include "platform/profile_text.h"

namespace k8::testing {

class FakeDialogs : public SubDialogs {
 public:
  std::optional<ListChoice> windows, media;
  std::optional<FireKeyChoice> fire;
  std::optional<std::wstring> single, delay;
  std::optional<ComboKeyChoice> combo;
  std::optional<MacroKeyChoice> macro;
  int runs = 0;
  std::optional<ListChoice> windowsFunction() override { return ++runs, windows; }
  std::optional<ListChoice> mediaKey() override { return ++runs, media; }
  std::optional<FireKeyChoice> fireKey() override { return ++runs, fire; }
  std::optional<std::wstring> singleKey() override { return ++runs, single; }
  std::optional<ComboKeyChoice> comboKey() override { return ++runs, combo; }
  std::optional<MacroKeyChoice> macroKey() override { return ++runs, macro; }
  std::optional<std::wstring> delayTime() override { return ++runs, delay; }
};

class FakePageHost : public PageHost {
 public:
  std::vector<std::wstring> boxes;  // "caption|text"
  std::optional<Colour> colour;
  int colourDialogs = 0;
  int exchanges = 0;
  std::uint8_t reportedSensor = 0;
  DeviceState* device = nullptr;
  FakeDialogs fakeDialogs;
  void messageBox(std::wstring_view text, std::wstring_view caption) override {
    boxes.push_back(std::wstring(caption) + L"|" + std::wstring(text));
  }
  std::optional<Colour> chooseColour() override {
    ++colourDialogs;
    return colour;
  }
  SubDialogs& dialogs() override { return fakeDialogs; }
  void exchangeSensorSettings() override {
    ++exchanges;
    if (device) device->sensorType = reportedSensor;
  }
};

// The whole main window with the real Basic page; clicks go in at client coordinates.
struct BasicRig {
  RecordingCanvas canvas;
  FakeControls controls;
  FakeHost host;
  FakePageHost pageHost;
  const UiStrings texts = uiStringsFor(Language::English);
  SettingsState settings;
  MemoryProfile strIni;
  CaptionStore captions{strIni, Language::English};
  DeviceState device;
  UiStrings ui = uiStringsFor(Language::English);
  PageModel model{settings, captions, device, ui};
  BasicSettingsPage basic{texts, model, pageHost, canvas, controls};
  RecordingAdvanced advanced{texts};
  PageController controller{canvas, controls, host, basic, advanced};

  explicit BasicRig(std::uint8_t sensorType = 0, std::uint8_t firstRunFlag = 1) {
    resetKeyDefaults(settings.working);
    settings.working.reportRate = 1;
    settings.working.dpiStageEnabled = {1, 1, 1, 1};
    settings.working.dpiLevel = {1, 3, 5, 7};
    settings.working.ledMode = 1;
    settings.firstRunFlag = firstRunFlag;
    settings.commit();
    captions.captions() = defaultCaptions(Language::English);
    pageHost.device = &device;
    pageHost.reportedSensor = sensorType;
    controller.showPage(Page::Basic);
    canvas.take();
    host.take();
  }
  MouseSettings& s() { return settings.working; }
  const KeyModeBlock& block(int mode) { return settings.working.mode(mode); }
  std::wstring caption(int mode, int button) { return captions.captions().mode(mode)[button]; }
  void clickBox(int box) { controller.click(centre(layout::at("basic", "function box #", {box}))); }
  // A click in the middle of a control of the Basic page's table.
  void clickOn(std::string_view name, std::initializer_list<int> numbers = {}) {
    controller.click(centre(layout::at("basic", name, numbers)));
  }
  // The pointer rests on item i of button b's open list, then the user clicks it.
  void hoverItem(int listId, int item) {
    controller.listHover(listId, {10, item * FakeControls::kItemHeight + 3});
  }
  void pick(int listId, int item) {
    hoverItem(listId, item);
    controller.command(listId, Notify::SelChange);
  }
  void choose(int box, int function) {
    clickBox(box);
    pick(kFunctionListFirstId + box - 1, function);
  }
};

}  // namespace k8::testing
