#include "skin/brush_cache_win32.h"

#include <algorithm>

namespace k8 {

HBRUSH BrushCache::get(int slot, COLORREF colour) {
  if (const auto unused = slots_.use(slot, colour)) {
    std::erase_if(brushes_, [&](const Entry& e) { return e.colour == *unused; });
  }
  for (const Entry& e : brushes_)
    if (e.colour == colour) return e.brush.get();
  UniqueBrush brush(CreateSolidBrush(colour));
  HBRUSH h = brush.get();
  if (h != nullptr) brushes_.push_back({colour, std::move(brush)});
  return h;
}

HBRUSH applyColourRule(HDC dc, const ColourRule& rule, HFONT font, int slot, BrushCache& brushes) {
  if (rule.text) SetTextColor(dc, toColorRef(*rule.text));
  if (rule.transparent) SetBkMode(dc, TRANSPARENT);
  // List boxes paint each item with an opaque fill in the background colour whatever the
  // mode: a transparent rule gives them the brush's colour.
  SetBkColor(dc, toColorRef(rule.textBackground ? *rule.textBackground : rule.brush));
  if (rule.normalFont && font != nullptr) SelectObject(dc, font);
  return brushes.get(slot, toColorRef(rule.brush));
}

}  // namespace k8
