#pragma once
// The Basic page: button functions in two key modes, report rate, the four DPI stages, and the
// light area. It edits the working copy only; Apply sends it.

#include <string>

#include "pages/key_chooser.h"
#include "pages/light_settings.h"
#include "pages/page_model.h"
#include "pages/pages.h"
#include "settings/key_tables.h"

namespace k8 {

// The segment (1-4, one per entry of kReportRates) that shows a report-rate code; any unknown
// code shows as 1000 Hz.
int rateSegmentOf(std::uint8_t code);

class BasicSettingsPage : public BasicPage {
 public:
  BasicSettingsPage(const UiStrings& texts, PageModel& model, PageHost& host, Canvas& canvas,
                    Controls& controls);

  int dpiScaleLength() const override { return k8::dpiScaleLength(sensorType_); }
  std::wstring boxCaption(int box) const override;

  void willShow() override;
  void dismissLists(Point p) override;
  void click(const Region& r) override;
  void draw(Canvas& canvas, Controls& controls) override;
  void destroyChildren(Controls& controls) override;
  void command(int id, Notify code) override;
  void listHover(int id, Point p) override;

  KeyChooser& chooser() { return chooser_; }
  LightSettings& lights() { return lights_; }
  std::uint8_t sensorType() const { return sensorType_; }

 private:
  void drawBox(int box);
  void drawModeButtons();
  void drawRateSegment(int segment, bool lit);
  void drawStage(int stage);
  void setMode(int mode);
  void keyDefaults();
  void rateClick(int segment);
  void stageClick(int stage);
  void levelClick(int stage, int level);

  PageModel& model_;
  PageHost& host_;
  Canvas& canvas_;
  Controls& controls_;
  KeyChooser chooser_;
  LightSettings lights_;
  bool visited_ = false;
  std::uint8_t sensorType_ = 0;
};

}  // namespace k8
