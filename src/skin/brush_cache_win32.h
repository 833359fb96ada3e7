#pragma once
// Solid brushes a window hands out for its child controls' colours: one per colour that some
// control is painted with now (ColourSlots), owned by the window and deleted with it.

#include <windows.h>

#include <vector>

#include "pages/control_colours.h"
#include "platform/handles_win32.h"
#include "skin/colour_slots.h"

namespace k8 {

class BrushCache {
 public:
  // The brush of `colour` for control `slot` (its id); the brush the control had before goes
  // when no other control uses its colour.
  HBRUSH get(int slot, COLORREF colour);
  std::size_t size() const { return brushes_.size(); }
  void clear() {
    brushes_.clear();
    slots_.clear();
  }

 private:
  struct Entry {
    COLORREF colour;
    UniqueBrush brush;
  };
  std::vector<Entry> brushes_;
  ColourSlots slots_;
};

inline COLORREF toColorRef(Colour c) { return RGB(c.r, c.g, c.b); }

// Sets the context up as the rule says and returns the brush for the background of control
// `slot`.
HBRUSH applyColourRule(HDC dc, const ColourRule& rule, HFONT font, int slot, BrushCache& brushes);

}  // namespace k8
