#pragma once
// The Advanced page: the system's pointer speed, wheel and double-click time with the two
// options (left half), and the macro editor (right half). The pointer settings change the
// working copy only; OK and Apply write them to the system.

#include "macros/macro_recorder.h"
#include "pages/macro_editor.h"
#include "pages/page_model.h"
#include "pages/pages.h"
#include "pages/system_pointer.h"

namespace k8 {

class AdvancedSettingsPage : public AdvancedPage {
 public:
  AdvancedSettingsPage(const UiStrings& texts, PageModel& model, PageHost& host, Canvas& canvas,
                       Controls& controls, SystemPointer& system, ProfileFile& recordIni,
                       RecorderHost& recorderHost);

  void dismissLists(Point p) override;
  void click(const Region& r) override;
  void command(int id, Notify code) override;
  void listHover(int id, Point p) override;
  void draw(Canvas& canvas, Controls& controls) override;
  void destroyChildren(Controls& controls) override;

  // OK and Apply, after the Apply sequence, whether or not the page was ever shown.
  void writeSystemSettings();

  MacroEditor& macros() { return macros_; }

 private:
  void drawRow(int row);
  void drawBox(int box);
  void toggleBox(int box);
  void cellClick(int row, int position);
  void systemDefaults();
  std::uint8_t& rowField(int row);
  void warn(const std::wstring& text);

  PageModel& model_;
  PageHost& host_;
  Canvas& canvas_;
  SystemPointer& system_;
  MacroEditor macros_;
  bool systemRead_ = false;
};

}  // namespace k8
