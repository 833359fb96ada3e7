#include "sync/program_apply.h"

#include "sync/apply.h"

namespace k8 {
namespace {

class HostPersistence final : public ApplyPersistence {
 public:
  HostPersistence(SettingsState& settings, ProgramApplyHost& host)
      : settings_(settings), host_(host) {}
  void saveSettings(const MouseSettings& s) override {
    // A saved config.bin begins with flag 1: the first-run captions are never written again.
    if (host_.saveConfig(s)) settings_.firstRunFlag = 1;
  }
  void saveCaptions() override { host_.saveCaptions(); }

 private:
  SettingsState& settings_;
  ProgramApplyHost& host_;
};

}  // namespace

bool applyAndCommit(SettingsState& settings, CommandSet& commands, ProgramApplyHost& host) {
  HostPersistence persistence(settings, host);
  const bool delivered = applySettings(settings.working, commands, persistence);
  settings.commit();
  host.writeSystemSettings();
  if (!delivered) host.tellNotDelivered();
  return delivered;
}

}  // namespace k8
