#pragma once
// What the program's Apply saves: config.bin and the button captions of str.ini.

#include <functional>
#include <utility>

#include "i18n/captions.h"
#include "settings/mouse_settings.h"
#include "sync/apply.h"

namespace k8 {

// Apply's persistence for the program: config.bin through `saveSettings`, then the captions.
class ProgramPersistence final : public ApplyPersistence {
 public:
  using SaveSettingsFn = std::function<void(const MouseSettings&)>;
  ProgramPersistence(SaveSettingsFn saveSettings, CaptionStore& captions)
      : saveSettings_(std::move(saveSettings)), captions_(captions) {}

  void saveSettings(const MouseSettings& s) override {
    if (saveSettings_) saveSettings_(s);
  }
  void saveCaptions() override { captions_.save(); }

 private:
  SaveSettingsFn saveSettings_;
  CaptionStore& captions_;
};

}  // namespace k8
