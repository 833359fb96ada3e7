// Timing of the main window's drawing with the shipped Default skin: one hover repaint (decode,
// blend, present) and one full page draw. Prints the figures; fails only if drawing is absurdly
// slow (a redraw the user would see lag).
#include <gtest/gtest.h>

#include <cstdio>

#include "../unit/fake_controls.h"
#include "pages/main_window.h"
#include "pages/pages.h"
#include "skin/gdi_win32.h"
#include "skin/skin_canvas_win32.h"
#include "skin/skin_image_win32.h"
#include "skin_test_support_win32.h"

namespace k8 {
namespace {

class QuietHost : public MainWindowHost {
 public:
  bool mousePresent() const override { return true; }
  void applyAndCommit() override {}
  void revertAndMarkCancel() override {}
  void hideWindow() override {}
  bool runSkinsDialog() override { return false; }
  void bringToFront() override {}
  void closeProgram() override {}
  void startDrag(Point) override {}
  void trackHover() override {}
};

double seconds() {
  LARGE_INTEGER now, frequency;
  QueryPerformanceCounter(&now);
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

TEST(SkinBenchmark, HoverRepaintAndFullPageDraw) {
  if (!testing::canMakeWindows()) GTEST_SKIP() << "no display for windows";
  std::wstring folder = fromUtf8(K8_SOURCE_DIR) + L"/skins/Default";
  if (folder[0] == L'/') folder = L"Z:" + folder;
  const ImageLibraryHold hold;
  SkinImage main(folder + L"/main.png");
  if (!main.ok()) GTEST_SKIP() << "the Default skin is not there";
  HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, main.width(),
                                main.height(), nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(window, nullptr);
  gdi::Bitmap backBuffer(main.release());
  gdi::Font font(
      CreateFontW(14, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, FF_SWISS, L"Arial"));
  SkinCanvas canvas(window, folder);
  canvas.setBitmap(backBuffer.get());
  canvas.setFonts(font.get(), font.get());
  testing::FakeControls controls;
  QuietHost host;
  PageTexts texts;
  BasicPage basic(texts);
  AdvancedPage advanced(texts);
  MainWindow mainWindow(canvas, controls, host, basic, advanced);

  constexpr int kPages = 6;
  double start = seconds();
  for (int i = 0; i < kPages; ++i) mainWindow.showPage(i % 2 == 0 ? Page::Basic : Page::Advanced);
  const double pageMs = (seconds() - start) * 1000 / kPages;

  constexpr int kHovers = 30;
  start = seconds();
  for (int i = 0; i < kHovers; ++i)
    mainWindow.mouseHover(i % 2 == 0 ? Point{600, 630} : Point{800, 630});
  const double hoverMs = (seconds() - start) * 1000 / kHovers;

  start = seconds();
  for (int i = 0; i < kHovers; ++i) SkinImage image(folder + L"/button-over.png");
  const double decodeMs = (seconds() - start) * 1000 / kHovers;
  start = seconds();
  for (int i = 0; i < kHovers; ++i) canvas.present();
  const double presentMs = (seconds() - start) * 1000 / kHovers;
  start = seconds();
  for (int i = 0; i < kPages; ++i) SkinImage image(folder + L"/BasicSet2.png");
  const double bgMs = (seconds() - start) * 1000 / kPages;
  std::printf("[ skin timing ] decode button %.2f ms, present %.2f ms, decode page bg %.2f ms\n",
              decodeMs, presentMs, bgMs);
  std::printf("[ skin timing ] full page draw %.2f ms, hover repaint (OK<->Cancel) %.2f ms\n",
              pageMs, hoverMs);
  RecordProperty("page_draw_us", static_cast<int>(pageMs * 1000));
  RecordProperty("hover_repaint_us", static_cast<int>(hoverMs * 1000));
  EXPECT_LT(hoverMs, 100.0);
  EXPECT_LT(pageMs, 500.0);
  DestroyWindow(window);
}

}  // namespace
}  // namespace k8
