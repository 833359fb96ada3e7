#pragma once
// Recording fakes of the drawing, child-window and host seams of the main window.

#include <set>
#include <string>
#include <vector>

#include "fake_controls.h"
#include "pages/layout_table.h"
#include "pages/page_controller.h"
#include "pages/pages.h"
#include "platform/text.h"

namespace k8::testing {

inline std::string rectText(Rect r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) +
         "," + std::to_string(r.bottom);
}

// What RecordingCanvas writes for an image placed at a rectangle of the layout table, and for a
// text written in one; and a point well inside a rectangle (shared edges go to the first control).
inline std::string imageOp(std::string_view image, Rect r) {
  return "image " + std::string(image) + " " + std::to_string(r.left) + "," + std::to_string(r.top);
}
inline std::string textOp(std::string_view text, Rect r, std::string_view align) {
  return "text " + std::string(text) + " " + rectText(r) + " " + std::string(align);
}
constexpr Point centre(Rect r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

class RecordingCanvas : public Canvas {
 public:
  std::vector<std::string> ops;
  bool drawImage(std::wstring_view name, int x, int y) override {
    ops.push_back("image " + toUtf8(name) + " " + std::to_string(x) + "," + std::to_string(y));
    return true;
  }
  void drawText(std::wstring_view text, Rect rect, FontKind font, TextAlign align) override {
    const char* a = align == TextAlign::Left     ? "left"
                    : align == TextAlign::Centre ? "centre"
                    : align == TextAlign::Right  ? "right"
                                                 : "wrap";
    ops.push_back("text " + toUtf8(text) + " " + rectText(rect) + " " + a +
                  (font == FontKind::Bold ? " bold" : ""));
  }
  void present() override { ops.push_back("present"); }
  int onBase = 0;  // images drawn over the kept base
  bool drawImageOnBase(std::wstring_view name, int x, int y) override {
    ++onBase;
    return drawImage(name, x, y);
  }
  void keepAsBase() override { ops.push_back("keep base"); }
  std::vector<std::string> take() { return std::exchange(ops, {}); }
};

class FakeHost : public PageControllerHost {
 public:
  std::vector<std::string> calls;
  bool present = true;
  bool skinsConfirmed = false;
  bool mousePresent() const override { return present; }
  void applyAndCommit() override { calls.push_back("apply"); }
  void revert() override { calls.push_back("revert"); }
  void hideWindow() override { calls.push_back("hide"); }
  bool runSkinsDialog() override {
    calls.push_back("skins");
    return skinsConfirmed;
  }
  void bringToFront() override { calls.push_back("front"); }
  void closeProgram() override { calls.push_back("close"); }
  void startDrag(Point p) override {
    calls.push_back("drag " + std::to_string(p.x) + "," + std::to_string(p.y));
  }
  void trackHover() override { calls.push_back("track"); }
  std::vector<std::string> take() { return std::exchange(calls, {}); }
};

// Pages that record what the dispatcher hands them.
class RecordingBasic : public BasicPage {
 public:
  using BasicPage::BasicPage;
  std::vector<Region> clicks;
  std::vector<Point> dismissed;
  int drawn = 0;
  int destroyed = 0;
  int scale = 12;
  int dpiScaleLength() const override { return scale; }
  std::wstring boxCaption(int k) const override { return L"cap" + std::to_wstring(k); }
  void dismissLists(Point p) override { dismissed.push_back(p); }
  void click(const Region& r) override { clicks.push_back(r); }
  void draw(Canvas& c, Controls&) override {
    ++drawn;
    c.drawImage(L"/basic-own.png", 0, 0);
  }
  void destroyChildren(Controls&) override { ++destroyed; }
};

class RecordingAdvanced : public AdvancedPage {
 public:
  using AdvancedPage::AdvancedPage;
  std::vector<Region> clicks;
  int drawn = 0;
  int destroyed = 0;
  void click(const Region& r) override { clicks.push_back(r); }
  void draw(Canvas&, Controls&) override { ++drawn; }
  void destroyChildren(Controls&) override { ++destroyed; }
};

struct PageControllerRig {
  RecordingCanvas canvas;
  FakeControls controls;
  FakeHost host;
  const UiStrings texts = uiStringsFor(Language::English);
  RecordingBasic basic{texts};
  RecordingAdvanced advanced{texts};
  PageController controller{canvas, controls, host, basic, advanced};

  void show(Page page) {
    controller.showPage(page);
    canvas.take();
    host.take();
  }
};

}  // namespace k8::testing
