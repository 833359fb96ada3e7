#include "pages/basic_page.h"

#include <array>

#include "pages/hover.h"
#include "pages/layout_table.h"
#include "pages/skin_names.h"
#include "settings/key_codes.h"

namespace k8 {
namespace {

using layout::rect;

constexpr Rect kModeA = rect("basic", "Mode A");
constexpr Rect kModeB = rect("basic", "Mode B");
constexpr Rect kDefault = rect("basic", "Default");
// The table names the segments by their rates.
constexpr std::array kRateLabels{
    rect("basic", "report rate 125 label"), rect("basic", "report rate 250 label"),
    rect("basic", "report rate 500 label"), rect("basic", "report rate 1000 label")};
Rect rateRect(int segment) { return regionOf(Control::RateSegment, segment); }

}  // namespace

int rateSegmentOf(std::uint8_t code) {
  for (int segment = 1; segment < 4; ++segment)
    if (kReportRates[segment - 1].code == code) return segment;
  return 4;
}

BasicSettingsPage::BasicSettingsPage(const UiStrings& texts, PageModel& model, PageHost& host,
                                     Canvas& canvas, Controls& controls)
    : BasicPage(texts),
      model_(model),
      host_(host),
      canvas_(canvas),
      controls_(controls),
      chooser_(model, host, controls,
               [this](int button) {
                 drawBox(button + 1);
                 canvas_.present();
               }),
      lights_(model, host, controls) {}

std::wstring BasicSettingsPage::boxCaption(int box) const {
  if (box < 1 || box > kFunctionBoxes) return {};
  return model_.captions.captions().mode(model_.working().shownMode())[box - 1];
}

void BasicSettingsPage::willShow() {
  if (visited_) return;
  visited_ = true;
  host_.exchangeSensorSettings();
  sensorType_ = model_.device.sensorType;
  model_.captions.applyFirstRunDefaults(model_.settings.firstRunFlag);
}

void BasicSettingsPage::drawBox(int box) {
  const HoverItem item{Control::FunctionBox,
                       box,
                       regionOf(Control::FunctionBox, box),
                       img::kDropdownNormal,
                       img::kDropdownOver,
                       boxCaption(box),
                       HoverGroup::FunctionBoxes};
  drawHoverItem(canvas_, item, false);
}

void BasicSettingsPage::drawModeButtons() {
  const int mode = model_.working().shownMode();
  canvas_.drawImageOnBase(mode == 0 ? img::kButtonOver : img::kButtonNormal, kModeA.left,
                          kModeA.top);
  canvas_.drawImageOnBase(mode == 1 ? img::kButtonOver : img::kButtonNormal, kModeB.left,
                          kModeB.top);
  canvas_.drawText(L"Mode A", kModeA, FontKind::Normal, TextAlign::Centre);
  canvas_.drawText(L"Mode B", kModeB, FontKind::Normal, TextAlign::Centre);
}

void BasicSettingsPage::drawRateSegment(int segment, bool lit) {
  const Rect r = rateRect(segment);
  canvas_.drawImageOnBase(lit ? img::kSliderRateLight : img::kSliderRateDark, r.left, r.top);
}

void BasicSettingsPage::drawStage(int stage) {
  const MouseSettings& s = model_.working();
  const auto i = static_cast<std::size_t>(stage - 1);
  const bool enabled = s.dpiStageEnabled[i] == 1;
  const DpiStageRects column = dpiStageRects(stage);
  canvas_.drawImageOnBase(enabled ? img::kPaneTicked : img::kPane, column.enable.left,
                          column.enable.top);
  const int n = dpiScaleLength();
  for (int level = 1; level <= n; ++level) {
    const bool lit = enabled && level <= s.dpiLevel[i] + 1;
    const Rect cell = column.cells[static_cast<std::size_t>(level - 1)];
    canvas_.drawImageOnBase(lit ? img::kSliderDpiLight : img::kSliderDpiDark, cell.left, cell.top);
  }
}

void BasicSettingsPage::draw(Canvas& canvas, Controls& controls) {
  const UiStrings& ui = model_.texts;
  canvas.drawText(ui.basicSettings, rect("pages", "page title"), FontKind::Bold, TextAlign::Left);
  for (int box = 1; box <= kFunctionBoxes; ++box) drawBox(box);
  drawModeButtons();
  for (int segment = 1; segment <= 4; ++segment) {
    drawRateSegment(segment, false);
    canvas.drawText(std::to_wstring(kReportRates[segment - 1].hz),
                    kRateLabels[static_cast<std::size_t>(segment - 1)], FontKind::Normal,
                    TextAlign::Centre);
  }
  // Titles start where the artwork leaves room for them; longer translations run on to the
  // right instead of being cut off.
  canvas.drawText(ui.keySetting, rect("basic", "Key Setting room"), FontKind::Normal,
                  TextAlign::Left);
  canvas.drawText(ui.reportRateSetting, rect("basic", "Report Rate Setting room"), FontKind::Normal,
                  TextAlign::Left);
  canvas.drawText(ui.dpiSetting, rect("basic", "DPI Setting room"), FontKind::Normal,
                  TextAlign::Left);
  canvas.drawImageOnBase(img::kButtonNormal, kDefault.left, kDefault.top);
  canvas.drawText(texts_.keyDefaults, kDefault, FontKind::Normal, TextAlign::Centre);
  canvas.drawText(L"Select", rect("basic", "Select text"), FontKind::Normal, TextAlign::Right);
  canvas.drawText(L"Color", rect("basic", "Color text"), FontKind::Normal, TextAlign::Right);
  for (int stage = 1; stage <= kDpiStageCount; ++stage)
    canvas.drawText(std::to_wstring(stage), dpiStageRects(stage).number, FontKind::Normal,
                    TextAlign::Centre);
  lights_.draw(canvas);
  // Drawn again into a new back buffer, the page keeps the children it has.
  if (!controls.exists(kSwatchFirstId)) {
    // An eight-step scale has room for wider labels.
    static constexpr auto kLabels12 = layout::series<12>("basic", "DPI scale label #");
    static constexpr auto kLabels8 = layout::series<8>("basic", "DPI scale label # of 8");
    const int n = dpiScaleLength();
    for (int level = 1; level <= n; ++level) {
      const auto i = static_cast<std::size_t>(level - 1);
      controls.createLabel(kScaleLabelFirstId + level - 1, n == 12 ? kLabels12[i] : kLabels8[i],
                           pageDpiText(sensorType_, level - 1), kStyleCentre | kStyleCentreImage);
    }
    lights_.createChildren();
  }
  drawRateSegment(rateSegmentOf(model_.working().reportRate), true);
  for (int stage = 1; stage <= kDpiStageCount; ++stage) drawStage(stage);
}

void BasicSettingsPage::destroyChildren(Controls& controls) {
  chooser_.closeAll();
  lights_.destroyChildren();
  for (int level = 1; level <= 12; ++level) controls.destroy(kScaleLabelFirstId + level - 1);
}

void BasicSettingsPage::dismissLists(Point p) {
  for (int box = 1; box <= kFunctionBoxes; ++box) {
    if (regionOf(Control::FunctionBox, box).contains(p) || functionListArea(box).contains(p))
      continue;
    chooser_.close(box - 1);
  }
  // No point lies in every box and list area at once: a click on the page always closes the
  // DPI list.
  controls_.destroy(kDpiListId);
  lights_.dismiss(p);
}

void BasicSettingsPage::setMode(int mode) {
  model_.working().editMode = static_cast<std::uint8_t>(mode);
  drawModeButtons();
  for (int box = 1; box <= kFunctionBoxes; ++box) drawBox(box);
  canvas_.present();
}

void BasicSettingsPage::keyDefaults() {
  MouseSettings& s = model_.working();
  resetKeyDefaults(s);
  model_.captions.captions() = defaultCaptions(model_.captions.language());
  for (int box = 1; box <= kFunctionBoxes; ++box) drawBox(box);
  canvas_.present();
}

void BasicSettingsPage::rateClick(int segment) {
  MouseSettings& s = model_.working();
  const std::uint8_t code = kReportRates[segment - 1].code;
  const int current = rateSegmentOf(s.reportRate);
  if (s.reportRate != code) {
    if (current != segment) {
      drawRateSegment(current, false);
      drawRateSegment(segment, true);
    }
    s.reportRate = code;
    canvas_.present();
  }
}

void BasicSettingsPage::stageClick(int stage) {
  MouseSettings& s = model_.working();
  const auto i = static_cast<std::size_t>(stage - 1);
  if (s.dpiStageEnabled[i] == 1) {
    int others = 0;
    for (std::size_t k = 0; k < s.dpiStageEnabled.size(); ++k)
      if (k != i && s.dpiStageEnabled[k] == 1) ++others;
    if (others == 0) return;  // one stage always stays on
    s.dpiStageEnabled[i] = 0;
  } else {
    s.dpiStageEnabled[i] = 1;
  }
  drawStage(stage);
  canvas_.present();
}

void BasicSettingsPage::levelClick(int stage, int level) {
  if (level < 1 || level > dpiScaleLength()) return;
  MouseSettings& s = model_.working();
  const auto i = static_cast<std::size_t>(stage - 1);
  s.dpiLevel[i] = static_cast<std::uint8_t>(level - 1);
  const DpiStageRects column = dpiStageRects(stage);
  for (int n = 1; n <= dpiScaleLength(); ++n) {
    const Rect cell = column.cells[static_cast<std::size_t>(n - 1)];
    canvas_.drawImageOnBase(n <= level ? img::kSliderDpiLight : img::kSliderDpiDark, cell.left,
                            cell.top);
  }
  canvas_.present();
}

void BasicSettingsPage::click(const Region& r) {
  switch (r.control) {
    case Control::ModeA: setMode(0); break;
    case Control::ModeB: setMode(1); break;
    case Control::KeyDefault: keyDefaults(); break;
    case Control::FunctionBox: chooser_.fieldClick(r.index - 1); break;
    case Control::RateSegment: rateClick(r.index); break;
    case Control::DpiEnable: stageClick(r.index); break;
    case Control::DpiColour: lights_.swatchClick(r.index); break;
    case Control::LightList: lights_.boxClick(r.index); break;
    case Control::DpiCell: levelClick(r.index, r.level); break;
    default: break;
  }
}

void BasicSettingsPage::command(int id, Notify code) {
  if (code != Notify::SelChange && code != Notify::DoubleClick) return;
  if (id == kDpiListId || isFunctionListId(id)) {
    chooser_.listNotification(id);
  } else if (isLightListId(id) && code == Notify::SelChange) {
    lights_.listNotification(id);
  }
}

void BasicSettingsPage::listHover(int id, Point p) {
  if (id == kDpiListId || isFunctionListId(id)) {
    chooser_.hover(id, p);
  } else if (isLightListId(id)) {
    lights_.hover(id, p);
  }
}

}  // namespace k8
