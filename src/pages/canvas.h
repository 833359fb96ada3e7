#pragma once
// The two seams between page logic and the window system. Page code draws through Canvas (into the
// window's back buffer) and creates child windows through Controls; the Windows side implements
// them with GDI and child windows, tests with recording fakes.

#include <string>
#include <string_view>
#include <vector>

#include "pages/controls.h"
#include "pages/geometry.h"

namespace k8 {

enum class FontKind { Normal, Bold };
// Every text is one line, vertically centred in its rectangle, except CentreWrap: broken into
// lines at word breaks, the block centred both ways.
enum class TextAlign { Left, Centre, Right, CentreWrap };

class Canvas {
 public:
  virtual ~Canvas() = default;
  // Draws a skin image ("/name.png") at its natural size; false when it could not be drawn.
  virtual bool drawImage(std::wstring_view name, int x, int y) = 0;
  virtual void drawText(std::wstring_view text, Rect rect, FontKind font, TextAlign align) = 0;
  // Copies the whole back buffer to the window.
  virtual void present() = 0;

  // A page background at (0, 0), kept as the base that drawImageOnBase puts back.
  virtual bool drawBackground(std::wstring_view name) {
    const bool drawn = drawImage(name, 0, 0);
    keepAsBase();
    return drawn;
  }
  // Keeps what has been drawn so far (a page background) as the base that drawImageOnBase puts
  // back under an image.
  virtual void keepAsBase() {}
  // Draws an image over the base rather than over what is there now: a control redrawn in
  // another state must not blend its soft edges over its previous image.
  virtual bool drawImageOnBase(std::wstring_view name, int x, int y) {
    return drawImage(name, x, y);
  }
};

}  // namespace k8
