#include "pages/advanced_page.h"

#include <string>

#include "pages/skin_names.h"

namespace k8 {
namespace {

constexpr int kRows = 3;
constexpr int cellLeft(int position) { return 52 + 24 * (position - 1); }
constexpr int rowTop(int row) { return 200 + 150 * (row - 1); }
constexpr int kCellHeight = 11;
constexpr Point kBoxAt[2] = {{51, 255}, {51, 405}};
constexpr int kBoxSize = 16;
constexpr Rect kDefault{38, 584, 143, 605};
constexpr Rect kMacroButtons[3] = {
    {513, 528, 618, 549}, {617, 528, 722, 549}, {721, 528, 826, 549}};

}  // namespace

AdvancedSettingsPage::AdvancedSettingsPage(const UiStrings& texts, PageModel& model, PageHost& host,
                                           Canvas& canvas, Controls& controls,
                                           SystemPointer& system, ProfileFile& recordIni,
                                           RecorderHost& recorderHost)
    : AdvancedPage(texts),
      model_(model),
      host_(host),
      canvas_(canvas),
      system_(system),
      macros_(model, host, controls, recordIni, recorderHost) {}

void AdvancedSettingsPage::warn(const std::wstring& text) {
  host_.messageBox(text, kWarningCaption);
}

std::uint8_t& AdvancedSettingsPage::rowField(int row) {
  MouseSettings& s = model_.working();
  return row == 1 ? s.pointerSpeed : row == 2 ? s.scrollLines : s.doubleClickSpeed;
}

void AdvancedSettingsPage::drawRow(int row) {
  const int step = rowField(row);
  for (int p = 1; p <= kPointerSteps; ++p)
    canvas_.drawImageOnBase(p <= step ? img::kSliderLight : img::kSliderDark, cellLeft(p),
                            rowTop(row));
}

void AdvancedSettingsPage::drawBox(int box) {
  const MouseSettings& s = model_.working();
  const bool set = (box == 1 ? s.enhancePointerPrecision : s.scrollOneScreen) != 0;
  const Point at = kBoxAt[box - 1];
  canvas_.drawImageOnBase(set ? img::kPaneTicked : img::kPane, at.x, at.y);
}

void AdvancedSettingsPage::draw(Canvas& canvas, Controls&) {
  const UiStrings& ui = model_.texts;
  canvas.drawText(ui.advancedSettings, {105, 51, 320, 99}, FontKind::Bold, TextAlign::Left);
  const std::wstring* titles[kRows] = {&ui.mouseSpeed, &ui.scrollingSpeed, &ui.doubleClickSpeed};
  for (int row = 1; row <= kRows; ++row) {
    const int top = rowTop(row);
    // Centred over (38, 143) as the artwork has it, with room for titles wider than that.
    canvas.drawText(*titles[row - 1], {18, top - 40, 163, top - 19}, FontKind::Normal,
                    TextAlign::Centre);
    for (int p = 1; p <= kPointerSteps; ++p) {
      canvas.drawImageOnBase(img::kSliderDark, cellLeft(p), top);
      const int bottom = top + kCellHeight;
      canvas.drawText(std::to_wstring(p), {cellLeft(p), bottom + 10, cellLeft(p) + 24, bottom + 30},
                      FontKind::Normal, TextAlign::Centre);
    }
  }
  const std::wstring* options[2] = {&ui.enhancePointerPrecision, &ui.scrollOneScreen};
  for (int box = 1; box <= 2; ++box) {
    const Point at = kBoxAt[box - 1];
    canvas.drawText(*options[box - 1], {at.x + kBoxSize + 10, at.y, 408, at.y + kBoxSize},
                    FontKind::Normal, TextAlign::Left);
  }
  canvas.drawImageOnBase(img::kButtonNormal, kDefault.left, kDefault.top);
  canvas.drawText(texts_.systemDefaults, kDefault, FontKind::Normal, TextAlign::Centre);

  canvas.drawText(ui.macroSetting, {469, 160, 578, 181}, FontKind::Normal, TextAlign::Centre);
  canvas.drawText(ui.selectMacro, {457, 196, 592, 220}, FontKind::Normal, TextAlign::Centre);
  canvas.drawText(ui.keyPressSequence, {591, 196, 726, 220}, FontKind::Normal, TextAlign::Centre);
  canvas.drawText(ui.recordOption, {725, 196, 875, 220}, FontKind::Normal, TextAlign::Centre);
  canvas.drawText(ui.startRecording, {765, 227, 874, 260}, FontKind::Normal, TextAlign::CentreWrap);
  canvas.drawText(ui.stopRecording, {765, 263, 874, 296}, FontKind::Normal, TextAlign::CentreWrap);
  canvas.drawText(ui.macroName, {735, 302, 874, 322}, FontKind::Normal, TextAlign::Left);
  canvas.drawText(ui.loopTimes, {735, 342, 874, 362}, FontKind::Normal, TextAlign::Left);
  canvas.drawText(ui.insertMouseEvent, {735, 382, 874, 402}, FontKind::Normal, TextAlign::Left);
  const std::wstring* captions[3] = {&texts_.newMacro, &texts_.deleteMacro, &texts_.confirm};
  for (int b = 0; b < 3; ++b) {
    canvas.drawImageOnBase(img::kButtonNormal, kMacroButtons[b].left, kMacroButtons[b].top);
    canvas.drawText(*captions[b], kMacroButtons[b], FontKind::Normal, TextAlign::Centre);
  }

  // The system is read once per process, on the first visit; afterwards the working copy is
  // what the page shows.
  if (!systemRead_) {
    systemRead_ = true;
    readSystemPointer(system_, model_.working(), [this](const std::wstring& t) { warn(t); });
  }
  for (int row = 1; row <= kRows; ++row) drawRow(row);
  drawBox(1);
  drawBox(2);
  // Drawn again into a new back buffer, the page keeps the children it has.
  if (!macros_.hasChildren()) macros_.createChildren();
}

void AdvancedSettingsPage::destroyChildren(Controls&) { macros_.destroyChildren(); }

void AdvancedSettingsPage::writeSystemSettings() {
  writeSystemPointer(system_, model_.working(), [this](const std::wstring& t) { warn(t); });
}

void AdvancedSettingsPage::toggleBox(int box) {
  MouseSettings& s = model_.working();
  std::uint8_t& field = box == 1 ? s.enhancePointerPrecision : s.scrollOneScreen;
  field = field ? 0 : 1;
  drawBox(box);
  // Scrolling by lines again after a first visit that found one-screen scrolling: with no line
  // count the wheel would do nothing after Apply, so it gets the system's default of 3.
  if (box == 2 && field == 0 && s.scrollLines == 0) {
    s.scrollLines = 3;
    drawRow(2);
  }
  canvas_.present();
}

void AdvancedSettingsPage::cellClick(int row, int position) {
  if (row < 1 || row > kRows || position < 1 || position > kPointerSteps) return;
  rowField(row) = static_cast<std::uint8_t>(position);
  drawRow(row);
  canvas_.present();
}

void AdvancedSettingsPage::systemDefaults() {
  writeSystemDefaults(system_, model_.working(), [this](const std::wstring& t) { warn(t); });
  drawBox(1);
  drawBox(2);
  for (int row = 1; row <= kRows; ++row) drawRow(row);
  canvas_.present();
}

void AdvancedSettingsPage::click(const Region& r) {
  switch (r.control) {
    case Control::PrecisionBox: toggleBox(1); break;
    case Control::ScrollScreenBox: toggleBox(2); break;
    case Control::SystemDefault: systemDefaults(); break;
    case Control::StartRecording: macros_.startRecording(); break;
    case Control::StopRecording: macros_.stopRecording(); break;
    case Control::NewMacro: macros_.newMacro(); break;
    case Control::DeleteMacro: macros_.deleteMacro(); break;
    case Control::ConfirmMacro: macros_.confirmMacro(); break;
    case Control::InsertEventBox: macros_.insertBoxClick(); break;
    case Control::SpeedCell: cellClick(r.index, r.level); break;
    default: break;
  }
}

void AdvancedSettingsPage::dismissLists(Point p) { macros_.dismiss(p); }

void AdvancedSettingsPage::command(int id, Notify code) { macros_.command(id, code); }

void AdvancedSettingsPage::listHover(int id, Point p) { macros_.hover(id, p); }

}  // namespace k8
