#include "pages/regions.h"

#include <array>

#include "pages/layout_table.h"

namespace k8 {
namespace {

using layout::grid;
using layout::rect;
using layout::series;

constexpr std::array<Region, 8> kCommon{{
    {Control::Ok, rect("pages", "OK")},
    {Control::Apply, rect("pages", "Apply")},
    {Control::Skins, rect("pages", "Skins")},
    {Control::Minimise, rect("pages", "Minimise")},
    {Control::Close, rect("pages", "Close")},
    {Control::BasicTab, rect("pages", "Basic tab")},
    {Control::AdvancedTab, rect("pages", "Advanced tab")},
    {Control::Cancel, rect("pages", "Cancel")},
}};

constexpr auto kFunctionBoxRects = series<kFunctionBoxes>("basic", "function box #");
constexpr auto kFunctionLists = series<kFunctionBoxes>("basic", "function list #");
// The table names the segments by their rates.
constexpr std::array kRates{rect("basic", "report rate 125"), rect("basic", "report rate 250"),
                            rect("basic", "report rate 500"), rect("basic", "report rate 1000")};
constexpr auto kDpiCells = grid<kDpiStageCount, 12>("basic", "DPI stage # level #");
constexpr auto kLightBoxes =
    std::array{rect("basic", "light mode box"), rect("basic", "light parameter box"),
               rect("basic", "light effect box")};
constexpr auto kSpeedCells = grid<3, 11>("advanced", "slider row # cell #");

std::vector<Region> makeAdvanced() {
  std::vector<Region> r{
      {Control::PrecisionBox, rect("advanced", "Enhance Pointer Precision box")},
      {Control::ScrollScreenBox, rect("advanced", "Scroll One Screen box")},
      {Control::SystemDefault, rect("advanced", "Default")},
      {Control::StartRecording, rect("advanced", "Start Recording")},
      {Control::StopRecording, rect("advanced", "Stop Recording")},
      {Control::NewMacro, rect("advanced", "New")},
      {Control::DeleteMacro, rect("advanced", "Delete")},
      {Control::ConfirmMacro, rect("advanced", "Confirm")},
      {Control::InsertEventBox, rect("advanced", "insert mouse event box")},
  };
  for (int row = 1; row <= 3; ++row)
    for (int p = 1; p <= 11; ++p)
      r.push_back({Control::SpeedCell, kSpeedCells[row - 1][p - 1], row, p});
  return r;
}

}  // namespace

std::span<const Region> commonRegions() { return kCommon; }

std::vector<Region> basicRegions(int dpiScaleLength) {
  std::vector<Region> r{
      {Control::ModeA, rect("basic", "Mode A")},
      {Control::ModeB, rect("basic", "Mode B")},
      {Control::KeyDefault, rect("basic", "Default")},
  };
  for (int k = 1; k <= kFunctionBoxes; ++k)
    r.push_back({Control::FunctionBox, kFunctionBoxRects[k - 1], k});
  for (int i = 1; i <= 4; ++i) r.push_back({Control::RateSegment, kRates[i - 1], i});
  for (int s = 1; s <= kDpiStageCount; ++s)
    r.push_back({Control::DpiEnable, dpiStageRects(s).enable, s});
  for (int s = 1; s <= kDpiStageCount; ++s)
    r.push_back({Control::DpiColour, dpiStageRects(s).swatch, s});
  for (int i = 1; i <= 3; ++i) r.push_back({Control::LightList, kLightBoxes[i - 1], i});
  const int levels = dpiScaleLength == 12 ? 12 : 8;
  for (int s = 1; s <= kDpiStageCount; ++s)
    for (int n = 1; n <= levels; ++n)
      r.push_back({Control::DpiCell, kDpiCells[s - 1][n - 1], s, n});
  return r;
}

std::span<const Region> advancedRegions() {
  static const std::vector<Region> regions = makeAdvanced();
  return regions;
}

Rect functionListArea(int box) {
  return box >= 1 && box <= kFunctionBoxes ? kFunctionLists[box - 1] : Rect{};
}

Rect insertEventListArea() { return rect("advanced", "insert mouse event list"); }

DpiStageRects dpiStageRects(int stage) {
  static constexpr auto kEnable = series<kDpiStageCount>("basic", "DPI stage # enable");
  static constexpr auto kSwatch = series<kDpiStageCount>("basic", "DPI colour swatch #");
  static constexpr auto kNumber = series<kDpiStageCount>("basic", "DPI stage # number");
  if (stage < 1 || stage > kDpiStageCount) return {};
  const auto i = static_cast<std::size_t>(stage - 1);
  return {kEnable[i], kSwatch[i], kNumber[i], kDpiCells[i]};
}

std::optional<Region> hitTest(std::span<const Region> regions, Point p) {
  for (const Region& r : regions)
    if (r.rect.contains(p)) return r;
  return std::nullopt;
}

Rect regionOf(Control control, int index) {
  static const std::vector<Region> all = [] {
    std::vector<Region> r(kCommon.begin(), kCommon.end());
    const auto basic = basicRegions(12);
    r.insert(r.end(), basic.begin(), basic.end());
    r.insert(r.end(), advancedRegions().begin(), advancedRegions().end());
    return r;
  }();
  for (const Region& r : all)
    if (r.control == control && r.index == index) return r.rect;
  return {};
}

}  // namespace k8
