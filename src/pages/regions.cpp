#include "pages/regions.h"

#include <array>

namespace k8 {
namespace {

constexpr std::array<Region, 8> kCommon{{
    {Control::Ok, {562, 623, 667, 644}},
    {Control::Apply, {666, 623, 771, 644}},
    {Control::Skins, {701, 5, 719, 23}},
    {Control::Minimise, {825, 5, 843, 23}},
    {Control::Close, {850, 5, 868, 23}},
    {Control::BasicTab, {14, 54, 54, 94}},
    {Control::AdvancedTab, {60, 54, 100, 94}},
    {Control::Cancel, {770, 623, 875, 644}},
}};

constexpr Rect functionBox(int k) { return {252, 199 + 23 * (k - 1), 463, 220 + 23 * (k - 1)}; }
constexpr Rect stageColumn(int s, int top) {
  return {554 + 27 * (s - 1), top, 570 + 27 * (s - 1), top + 16};
}

std::vector<Region> makeAdvanced() {
  std::vector<Region> r{
      {Control::PrecisionBox, {51, 255, 67, 271}},
      {Control::ScrollScreenBox, {51, 405, 67, 421}},
      {Control::SystemDefault, {38, 584, 143, 605}},
      {Control::StartRecording, {735, 229, 764, 258}},
      {Control::StopRecording, {735, 265, 764, 294}},
      {Control::NewMacro, {513, 528, 618, 549}},
      {Control::DeleteMacro, {617, 528, 722, 549}},
      {Control::ConfirmMacro, {721, 528, 826, 549}},
      {Control::InsertEventBox, {735, 402, 854, 416}},
  };
  for (int row = 1; row <= 3; ++row) {
    const int top = 200 + 150 * (row - 1);
    for (int p = 1; p <= 11; ++p) {
      const int left = 52 + 24 * (p - 1);
      r.push_back({Control::SpeedCell, {left, top, left + 24, top + 11}, row, p});
    }
  }
  return r;
}

}  // namespace

std::span<const Region> commonRegions() { return kCommon; }

std::vector<Region> basicRegions(int dpiScaleLength) {
  std::vector<Region> r{
      {Control::ModeA, {253, 518, 358, 539}},
      {Control::ModeB, {357, 518, 462, 539}},
      {Control::KeyDefault, {307, 549, 412, 570}},
  };
  for (int k = 1; k <= kFunctionBoxes; ++k) r.push_back({Control::FunctionBox, functionBox(k), k});
  for (int i = 1; i <= 4; ++i) {
    const int left = 542 + 72 * (i - 1);
    r.push_back({Control::RateSegment, {left, 204, left + 70, 215}, i});
  }
  for (int s = 1; s <= kDpiStageCount; ++s)
    r.push_back({Control::DpiEnable, stageColumn(s, 541), s});
  for (int s = 1; s <= kDpiStageCount; ++s)
    r.push_back({Control::DpiColour, stageColumn(s, 523), s});
  for (int i = 1; i <= 3; ++i) {
    const int top = 330 + 30 * (i - 1);
    r.push_back({Control::LightList, {767, top, 851, top + 14}, i});
  }
  const int levels = dpiScaleLength == 12 ? 12 : 8;
  for (int s = 1; s <= kDpiStageCount; ++s)
    for (int n = 1; n <= levels; ++n)
      r.push_back({Control::DpiCell, stageColumn(s, 500 - 18 * (n - 1)), s, n});
  return r;
}

std::span<const Region> advancedRegions() {
  static const std::vector<Region> regions = makeAdvanced();
  return regions;
}

Rect functionListArea(int box) { return {252, 221 + 23 * (box - 1), 463, 491 + 23 * (box - 1)}; }

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
