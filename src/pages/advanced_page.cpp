#include "pages/advanced_page.h"

#include <array>
#include <string>

#include "pages/layout_table.h"
#include "pages/skin_names.h"

namespace k8 {
namespace {

using layout::rect;

constexpr int kRows = 3;
constexpr auto kCells = layout::grid<kRows, kPointerSteps>("advanced", "slider row # cell #");
constexpr auto kNumbers = layout::series<kRows>("advanced", "slider row # numbers");
constexpr std::array kRowTitles{rect("advanced", "Mouse Speed room"),
                                rect("advanced", "Scrolling Speed room"),
                                rect("advanced", "Double-Click Speed room")};
constexpr std::array kBoxes{rect("advanced", "Enhance Pointer Precision box"),
                            rect("advanced", "Scroll One Screen box")};
constexpr std::array kBoxTexts{rect("advanced", "Enhance Pointer Precision text"),
                               rect("advanced", "Scroll One Screen text")};
constexpr Rect kDefault = rect("advanced", "Default");
constexpr std::array kMacroButtons{rect("advanced", "New"), rect("advanced", "Delete"),
                                   rect("advanced", "Confirm")};

constexpr Rect cell(int row, int position) {
  return kCells[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(position - 1)];
}

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
    canvas_.drawImageOnBase(p <= step ? img::kSliderLight : img::kSliderDark, cell(row, p).left,
                            cell(row, p).top);
}

void AdvancedSettingsPage::drawBox(int box) {
  const MouseSettings& s = model_.working();
  const bool set = (box == 1 ? s.enhancePointerPrecision : s.scrollOneScreen) != 0;
  const Rect at = kBoxes[static_cast<std::size_t>(box - 1)];
  canvas_.drawImageOnBase(set ? img::kPaneTicked : img::kPane, at.left, at.top);
}

void AdvancedSettingsPage::draw(Canvas& canvas, Controls&) {
  const UiStrings& ui = model_.texts;
  canvas.drawText(ui.advancedSettings, rect("pages", "page title"), FontKind::Bold,
                  TextAlign::Left);
  const std::wstring* titles[kRows] = {&ui.mouseSpeed, &ui.scrollingSpeed, &ui.doubleClickSpeed};
  for (int row = 1; row <= kRows; ++row) {
    const auto r = static_cast<std::size_t>(row - 1);
    // Centred over the title as the artwork has it, with room for titles wider than that.
    canvas.drawText(*titles[r], kRowTitles[r], FontKind::Normal, TextAlign::Centre);
    for (int p = 1; p <= kPointerSteps; ++p) {
      const Rect c = cell(row, p);
      canvas.drawImageOnBase(img::kSliderDark, c.left, c.top);
      // Each number under its cell, in the row of numbers.
      canvas.drawText(std::to_wstring(p), {c.left, kNumbers[r].top, c.right, kNumbers[r].bottom},
                      FontKind::Normal, TextAlign::Centre);
    }
  }
  const std::wstring* options[2] = {&ui.enhancePointerPrecision, &ui.scrollOneScreen};
  for (std::size_t box = 0; box < 2; ++box)
    canvas.drawText(*options[box], kBoxTexts[box], FontKind::Normal, TextAlign::Left);
  canvas.drawImageOnBase(img::kButtonNormal, kDefault.left, kDefault.top);
  canvas.drawText(texts_.systemDefaults, kDefault, FontKind::Normal, TextAlign::Centre);

  const auto text = [&canvas](const std::wstring& t, Rect r, TextAlign align) {
    canvas.drawText(t, r, FontKind::Normal, align);
  };
  text(ui.macroSetting, rect("advanced", "Macro Setting title"), TextAlign::Centre);
  text(ui.selectMacro, rect("advanced", "Select Macro title"), TextAlign::Centre);
  text(ui.keyPressSequence, rect("advanced", "Key Press Sequence title"), TextAlign::Centre);
  text(ui.recordOption, rect("advanced", "Record Option title"), TextAlign::Centre);
  text(ui.startRecording, rect("advanced", "Start Recording text"), TextAlign::CentreWrap);
  text(ui.stopRecording, rect("advanced", "Stop Recording text"), TextAlign::CentreWrap);
  text(ui.macroName, rect("advanced", "Macro Name text"), TextAlign::Left);
  text(ui.loopTimes, rect("advanced", "Loop Times text"), TextAlign::Left);
  text(ui.insertMouseEvent, rect("advanced", "Insert A Mouse Event text"), TextAlign::Left);
  const std::wstring* captions[3] = {&texts_.newMacro, &texts_.deleteMacro, &texts_.confirm};
  for (std::size_t b = 0; b < 3; ++b) {
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
