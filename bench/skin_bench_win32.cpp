// Drawing speed of the main window under the shipped Default skin: a full Basic page draw (about
// sixty images, texts and the page's child windows) and one hover repaint, each with the decoded
// images kept (as the program draws) and with every image decoded anew for each draw, at a
// display scale (DPI, 96 unless given).
//   skin_bench.exe [SKIN_FOLDER] [ROUNDS] [DPI]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "pages/basic_page.h"
#include "pages/child_controls_win32.h"
#include "pages/layout_table.h"
#include "pages/page_controller.h"
#include "pages/skin_names.h"
#include "platform/handles_win32.h"
#include "platform/profile.h"
#include "skin/display_scale_win32.h"
#include "skin/skin_canvas_win32.h"
#include "skin/skin_image_win32.h"

namespace k8 {
namespace {

// The hover bench moves between the middles of function boxes 1 and 2.
constexpr Point middleOf(Rect r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }
constexpr Point kBox1 = middleOf(layout::rect("basic", "function box 1"));
constexpr Point kBox2 = middleOf(layout::rect("basic", "function box 2"));

class QuietHost : public PageControllerHost, public PageHost {
 public:
  bool mousePresent() const override { return true; }
  void applyAndCommit() override {}
  void revert() override {}
  void hideWindow() override {}
  bool runSkinsDialog() override { return false; }
  void bringToFront() override {}
  void closeProgram() override {}
  void startDrag(Point) override {}
  void trackHover() override {}
  void messageBox(std::wstring_view, std::wstring_view) override {}
  std::optional<Colour> chooseColour() override { return std::nullopt; }
  SubDialogs& dialogs() override { return dialogs_; }
  void exchangeSensorSettings() override {}

 private:
  CancelledSubDialogs dialogs_;
};

double now() {
  LARGE_INTEGER count, frequency;
  QueryPerformanceCounter(&count);
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

int run(const std::wstring& folder, int rounds, int dpi) {
  const ImageLibraryHold hold;
  const SkinImage natural(folder + img::kMain);
  const Rect size = layout::scaled(Rect{0, 0, natural.width(), natural.height()}, dpi);
  SkinImage main(skinArtPath(folder, img::kMain, dpi), size.width(), size.height());
  if (!natural.ok() || !main.ok()) {
    std::fprintf(stderr, "skin_bench: no main.png in the skin folder\n");
    return 2;
  }
  HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, main.width(),
                                main.height(), nullptr, nullptr, nullptr, nullptr);
  if (window == nullptr) return 2;
  UniqueBitmap backBuffer(main.release());
  UniqueFont font(CreateFontW(layout::scaled(14, dpi), 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0,
                              0, 0, FF_SWISS, L"Arial"));
  SkinCanvas canvas(window, folder);
  canvas.setDpi(dpi);
  canvas.setBitmap(backBuffer.get());
  canvas.setFonts(font.get(), font.get());
  ChildControls controls(window);
  controls.setFont(font.get());
  controls.setDpi(dpi);
  QuietHost host;
  SettingsState settings;
  resetKeyDefaults(settings.working);
  settings.working.dpiStageEnabled = {1, 1, 1, 1};
  settings.working.dpiLevel = {1, 3, 5, 7};
  settings.working.ledMode = 2;
  settings.firstRunFlag = 1;
  PortableProfile strIni(std::filesystem::path("skin-bench-str.ini"));
  CaptionStore captions(strIni, Language::English);
  captions.captions() = defaultCaptions(Language::English);
  DeviceState device;
  const UiStrings ui = uiStringsFor(Language::English);
  PageModel model{settings, captions, device, ui};
  const UiStrings texts = uiStringsFor(Language::English);
  BasicSettingsPage basic(texts, model, host, canvas, controls);
  AdvancedPage advanced(texts);
  PageController controller(canvas, controls, host, basic, advanced);

  for (const bool cached : {false, true}) {
    canvas.dropImages();
    controller.showPage(Page::Basic);  // warm-up: the images are decoded once here
    double start = now();
    for (int i = 0; i < rounds; ++i) {
      if (!cached) canvas.dropImages();
      controller.redrawPage();
    }
    const double pageMs = (now() - start) * 1000 / rounds;
    start = now();
    for (int i = 0; i < rounds * 4; ++i) {
      if (!cached) canvas.dropImages();
      controller.mouseHover(i % 2 == 0 ? kBox1 : kBox2);
    }
    const double hoverMs = (now() - start) * 1000 / (rounds * 4);
    std::printf(
        "%3d DPI, %-26s full Basic page draw %6.2f ms   hover repaint (box 1 <-> box 2) %5.2f ms\n",
        dpi, cached ? "images kept per skin:" : "images decoded per draw:", pageMs, hoverMs);
  }
  DestroyWindow(window);
  std::remove("skin-bench-str.ini");
  return 0;
}

}  // namespace
}  // namespace k8

int wmain(int argc, wchar_t** argv) {
  std::wstring folder = argc > 1 ? argv[1] : L"Skins/Default";
  const int rounds = argc > 2 ? std::max(1, _wtoi(argv[2])) : 20;
  const int dpi = argc > 3 ? std::clamp(_wtoi(argv[3]), k8::kBaseDpi, k8::kMaxDpi) : k8::kBaseDpi;
  return k8::run(folder, rounds, dpi);
}
