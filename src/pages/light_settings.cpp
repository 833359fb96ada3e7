#include "pages/light_settings.h"

#include <array>

#include "pages/hover.h"
#include "pages/layout_table.h"
#include "pages/regions.h"
#include "settings/key_tables.h"

namespace k8 {
namespace {

constexpr unsigned kLabelStyle = kStyleCentre | kStyleCentreImage;
constexpr unsigned kListStyle = kStyleBorder | kStyleNotify;

using layout::rect;

// Mode, parameter and effect, in that order.
constexpr std::array kLabels{rect("basic", "light mode label"),
                             rect("basic", "light parameter label"),
                             rect("basic", "light effect label")};
constexpr std::array kNames{rect("basic", "light mode room"), rect("basic", "light parameter room"),
                            rect("basic", "light effect room")};
Rect labelRect(int box) { return kLabels[static_cast<std::size_t>(box - 1)]; }
int listIdOf(int box) { return kLightModeListId + box - 1; }

}  // namespace

std::wstring lightModeText(const UiStrings& ui, int mode) {
  switch (mode) {
    case 0: return L"Off";
    case 1: return ui.lightStandard;
    case 2: return ui.lightRespiration;
    case 3: return ui.lightNeon;
    default: return {};
  }
}

std::wstring lightOptionText(const UiStrings& ui, int option) {
  switch (option) {
    case 0: return L"Non-Disolay";
    case 1: return ui.lightRgbEffect;
    case 2: return ui.lightRgbFlash;
    case 3: return ui.lightRgbFixedOn;
    default: return {};
  }
}

std::vector<std::wstring> lightParameterTexts(int mode) {
  std::vector<std::wstring> texts;
  const int count = mode == 1 ? 10 : mode == 2 ? 5 : 30;
  for (int v = 0; v < count; ++v) {
    texts.emplace_back(mode == 1   ? brightnessText(v)
                       : mode == 2 ? beatSpeedText(v)
                                   : switchTimeText(v));
  }
  return texts;
}

std::wstring lightParameterText(const MouseSettings& s, int mode) {
  switch (mode) {
    case 1: return std::wstring(brightnessText(s.ledBrightness));
    case 2: return std::wstring(beatSpeedText(s.ledBeatSpeed));
    case 3: return std::wstring(switchTimeText(s.ledSwitchTime));
    default: return {};
  }
}

namespace {

int optionOf(const MouseSettings& s, int mode) {
  switch (mode) {
    case 1: return s.ledMode1Option;
    case 2: return s.ledMode2Option;
    case 3: return s.ledMode3Option;
    default: return -1;
  }
}

}  // namespace

void LightSettings::draw(Canvas& canvas) {
  const UiStrings& ui = model_.texts;
  canvas.drawText(ui.dpiEffect, rect("basic", "DPI Effect room"), FontKind::Normal,
                  TextAlign::Left);
  const std::wstring* names[] = {&ui.lightMode, &ui.lightParameter, &ui.lightEffect};
  // Right-aligned before the label; a long word may reach further left.
  for (std::size_t box = 0; box < 3; ++box)
    canvas.drawText(*names[box], kNames[box], FontKind::Normal, TextAlign::Right);
}

void LightSettings::createChildren() {
  const UiStrings& ui = model_.texts;
  for (int stage = 1; stage <= kDpiStageCount; ++stage)
    controls_.createLabel(kSwatchFirstId + stage - 1, dpiStageRects(stage).swatch, L"",
                          kStyleCentre);
  const MouseSettings& s = model_.working();
  controls_.createLabel(kLightModeLabelId, labelRect(1), lightModeText(ui, s.ledMode), kLabelStyle);
  if (s.ledMode >= 1 && s.ledMode <= 3) createParameterAndOption();
}

void LightSettings::createParameterAndOption() {
  const MouseSettings& s = model_.working();
  controls_.createLabel(kLightParameterLabelId, labelRect(2), lightParameterText(s, s.ledMode),
                        kLabelStyle);
  controls_.createLabel(kLightOptionLabelId, labelRect(3),
                        lightOptionText(model_.texts, optionOf(s, s.ledMode)), kLabelStyle);
}

void LightSettings::setLabel(int id, const std::wstring& text) {
  controls_.setText(id, text);
  controls_.invalidate(id);
}

void LightSettings::close(int box) {
  controls_.destroy(listIdOf(box));
  open_[box - 1] = false;
}

void LightSettings::swatchClick(int stage) {
  if (stage < 1 || stage > kDpiStageCount) return;
  MouseSettings& s = model_.working();
  const auto i = static_cast<std::size_t>(stage - 1);
  if (s.dpiStageEnabled[i] != 1) return;
  const auto colour = host_.chooseColour();
  if (!colour) return;
  s.dpiColor[3 * i] = colour->r;
  s.dpiColor[3 * i + 1] = colour->g;
  s.dpiColor[3 * i + 2] = colour->b;
  controls_.invalidate(kSwatchFirstId + stage - 1);
}

void LightSettings::boxClick(int box) {
  if (box < 1 || box > 3) return;
  if (open_[box - 1]) {
    close(box);
    return;
  }
  const MouseSettings& s = model_.working();
  const UiStrings& ui = model_.texts;
  switch (box) {
    case 1:
      if (!controls_.exists(kLightModeListId))
        controls_.createListBox(kLightModeListId, rect("basic", "light mode list"),
                                {ui.lightStandard, ui.lightRespiration, ui.lightNeon}, kListStyle);
      break;
    case 2: {
      // As long as each mode's list of values (1 and 2), or as long as fits (3).
      static constexpr auto kLists = layout::series<3>("basic", "light parameter list #");
      const int mode = s.ledMode == 1 || s.ledMode == 2 ? s.ledMode : 3;
      // Thirty switch times do not fit in the list's height: it scrolls.
      const unsigned scroll = mode == 3 ? kStyleVScroll : 0u;
      controls_.createListBox(kLightParameterListId, kLists[static_cast<std::size_t>(mode - 1)],
                              lightParameterTexts(s.ledMode), kListStyle | scroll);
      break;
    }
    case 3:
      if (s.ledMode == 1) {
        if (!controls_.exists(kLightOptionLabelId)) createParameterAndOption();
        setLabel(kLightOptionLabelId, ui.lightRgbEffect);
      } else if (s.ledMode == 2) {
        controls_.createListBox(kLightOptionListId, rect("basic", "light effect list"),
                                {ui.lightRgbEffect, ui.lightRgbFlash}, kListStyle);
      } else if (s.ledMode == 3) {
        controls_.createListBox(kLightOptionListId, rect("basic", "light effect list"),
                                {ui.lightRgbFlash, ui.lightRgbFixedOn}, kListStyle);
      }
      break;
  }
  open_[box - 1] = true;
}

void LightSettings::listNotification(int id) {
  if (!isLightListId(id)) return;
  const int i = controls_.selection(id);
  if (i == kNoItem) return;
  MouseSettings& s = model_.working();
  const UiStrings& ui = model_.texts;
  const auto byte = [](int v) { return static_cast<std::uint8_t>(v); };
  if (id == kLightModeListId) {
    s.ledMode = byte(i + 1);
    // A page drawn without a mode has no parameter and option labels yet.
    if (!controls_.exists(kLightParameterLabelId) || !controls_.exists(kLightOptionLabelId))
      createParameterAndOption();
    setLabel(kLightModeLabelId, lightModeText(ui, s.ledMode));
    setLabel(kLightParameterLabelId, lightParameterText(s, s.ledMode));
    setLabel(kLightOptionLabelId,
             s.ledMode == 1 ? ui.lightRgbEffect : lightOptionText(ui, optionOf(s, s.ledMode)));
    close(1);
  } else if (id == kLightParameterListId) {
    const std::wstring text = controls_.itemText(id, i);
    switch (s.ledMode) {
      case 1: s.ledBrightness = byte(i); break;
      case 2: s.ledBeatSpeed = byte(i); break;
      case 3: s.ledSwitchTime = byte(i); break;
      default: break;
    }
    if (controls_.exists(kLightParameterLabelId)) setLabel(kLightParameterLabelId, text);
    close(2);
  } else {
    const std::wstring text = controls_.itemText(id, i);
    switch (s.ledMode) {
      case 1: s.ledMode1Option = 1; break;
      case 2: s.ledMode2Option = byte(i + 1); break;
      case 3: s.ledMode3Option = byte(i + 2); break;
      default: break;
    }
    if (controls_.exists(kLightOptionLabelId)) setLabel(kLightOptionLabelId, text);
    close(3);
  }
}

void LightSettings::hover(int id, Point p) {
  if (isLightListId(id)) hotTrackList(controls_, id, p);
}

void LightSettings::dismiss(Point p) {
  for (int box = 1; box <= 3; ++box)
    if (!regionOf(Control::LightList, box).contains(p) &&
        (open_[box - 1] || controls_.exists(listIdOf(box))))
      close(box);
}

void LightSettings::destroyChildren() {
  for (int box = 1; box <= 3; ++box) close(box);
  for (int stage = 1; stage <= kDpiStageCount; ++stage)
    controls_.destroy(kSwatchFirstId + stage - 1);
  for (int id : {kLightModeLabelId, kLightParameterLabelId, kLightOptionLabelId})
    controls_.destroy(id);
}

}  // namespace k8
