#pragma once
// The main window's click regions: the controls common to both pages and those of each page, in
// the order a click tests them (first match wins within a page).

#include <array>
#include <optional>
#include <span>
#include <vector>

#include "pages/geometry.h"

namespace k8 {

enum class Control {
  // Common to both pages.
  Ok,
  Apply,
  Skins,
  Minimise,
  Close,
  BasicTab,
  AdvancedTab,
  Cancel,
  // Basic page.
  ModeA,
  ModeB,
  KeyDefault,
  FunctionBox,  // index: button 1-8
  RateSegment,  // index: 1-4 (125, 250, 500, 1000 Hz)
  DpiEnable,    // index: stage 1-4
  DpiColour,    // index: stage 1-4
  LightList,    // index: 1-3
  DpiCell,      // index: stage 1-4, level: 1-12
  // Advanced page.
  PrecisionBox,
  ScrollScreenBox,
  SystemDefault,
  StartRecording,
  StopRecording,
  NewMacro,
  DeleteMacro,
  ConfirmMacro,
  InsertEventBox,
  SpeedCell,  // index: row 1-3 (pointer, scrolling, double-click), level: position 1-11
};

struct Region {
  Control control;
  Rect rect;
  int index = 0;
  int level = 0;
};

enum class Page { None = 0, Basic = 1, Advanced = 2 };

inline constexpr int kFunctionBoxes = 8;
inline constexpr int kDpiStageCount = 4;

// The eight common controls, in the order every click tests them.
std::span<const Region> commonRegions();
// Basic page controls in test order. Levels 9-12 of the DPI slider exist only when the DPI scale
// has 12 entries (dpiScaleLength 12; anything else counts as 8).
std::vector<Region> basicRegions(int dpiScaleLength);
std::span<const Region> advancedRegions();

// Where an open function list k (1-8) lies; a click there does not dismiss it.
Rect functionListArea(int box);
// Where the Advanced page's open insert-event list lies.
Rect insertEventListArea();

// One DPI stage's column on the Basic page: its enable box, colour swatch, number under the
// column and level cells (level n at cells[n - 1]; levels 9-12 only with a 12-entry scale).
struct DpiStageRects {
  Rect enable, swatch, number;
  std::array<Rect, 12> cells;
};
DpiStageRects dpiStageRects(int stage);

std::optional<Region> hitTest(std::span<const Region> regions, Point p);

// The rectangle of one control (the first region of that control and index).
Rect regionOf(Control control, int index = 0);

}  // namespace k8
