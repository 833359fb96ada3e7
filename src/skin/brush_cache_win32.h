#pragma once
// Solid brushes a window hands out for its child controls' colours: one per colour, owned by the
// window and deleted with it.

#include <windows.h>

#include <optional>
#include <vector>

#include "pages/control_colours.h"
#include "platform/handles_win32.h"

namespace k8 {

class BrushCache {
 public:
  HBRUSH get(COLORREF colour);
  std::size_t size() const { return brushes_.size(); }
  void clear() { brushes_.clear(); }

 private:
  struct Entry {
    COLORREF colour;
    UniqueBrush brush;
  };
  std::vector<Entry> brushes_;
};

inline COLORREF toColorRef(Colour c) { return RGB(c.r, c.g, c.b); }

// Sets the context up as the rule says and returns the brush for the control's background.
HBRUSH applyColourRule(HDC dc, const ColourRule& rule, HFONT font, BrushCache& brushes);

}  // namespace k8
