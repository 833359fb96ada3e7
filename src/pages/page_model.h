#pragma once
// What the page rules work on, in one place: the settings (working and committed copies), the
// button captions, what the mouse reported, the texts of the UI language, and the seams for the
// few things a page asks of the window system (message box, colour dialog, sub-dialogs, the
// first exchange with the mouse).

#include <optional>
#include <string_view>

#include "device/commands.h"
#include "i18n/captions.h"
#include "i18n/ui_strings.h"
#include "pages/geometry.h"
#include "pages/sub_dialogs.h"
#include "settings/mouse_settings.h"

namespace k8 {

inline constexpr wchar_t kWarningCaption[] = L"Warning";

class PageHost {
 public:
  virtual ~PageHost() = default;
  // A modal message box; an empty caption gives the program's name.
  virtual void messageBox(std::wstring_view text, std::wstring_view caption) = 0;
  // The system colour dialog; nothing when cancelled.
  virtual std::optional<Colour> chooseColour() = 0;
  virtual SubDialogs& dialogs() = 0;
  // The sensor-settings exchange of the first Basic page (read, set a bit, write back); the
  // sensor type the mouse reported lands in the model's device state.
  virtual void exchangeSensorSettings() = 0;
};

struct PageModel {
  SettingsState& settings;
  CaptionStore& captions;
  DeviceState& device;
  const UiStrings& texts;

  MouseSettings& working() { return settings.working; }
  const MouseSettings& working() const { return settings.working; }
};

}  // namespace k8
