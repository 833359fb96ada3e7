// k8ctl show / apply / init-config: the settings record on the command line.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>

#include "cli.h"
#include "device/commands.h"
#include "device/simulated_mouse.h"
#include "macros/macro_encoder.h"
#include "mouse_apply.h"
#include "platform/text.h"
#include "record_json.h"
#include "settings/config_file.h"
#include "settings/key_codes.h"
#include "settings/key_tables.h"
#include "sync/apply.h"

namespace k8ctl {
namespace {

using namespace k8;

std::string u8(std::wstring_view text) { return toUtf8(text); }

std::string hex2(unsigned v) {
  char b[8];
  std::snprintf(b, sizeof b, "%02X", v & 0xFF);
  return b;
}

// Parses "--sensor-type N" out of args; returns false (after printing) on a bad value.
bool takeSensorType(Args& args, std::uint8_t& type) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] != "--sensor-type") continue;
    if (i + 1 >= args.size()) {
      fail("--sensor-type needs a number 0-255");
      return false;
    }
    char* end = nullptr;
    const long v = std::strtol(args[i + 1].c_str(), &end, 10);
    if (args[i + 1].empty() || *end || v < 0 || v > 255) {
      fail("--sensor-type needs a number 0-255, not '" + args[i + 1] + "'");
      return false;
    }
    type = static_cast<std::uint8_t>(v);
    args.erase(args.begin() + static_cast<long>(i), args.begin() + static_cast<long>(i) + 2);
    return true;
  }
  return true;
}

std::string describeButton(const MouseSettings& s, int mode, int b) {
  const KeyModeBlock& m = s.mode(mode);
  const auto i = static_cast<std::size_t>(b);
  const int fn = m.function[i];
  std::string name = u8(functionName(fn));
  if (name.empty()) return "unknown function " + std::to_string(fn) + " (sent as Key Off)";
  auto keyName = [](std::uint8_t usage) {
    const auto n = keyNameOfUsage(usage);
    return n.empty() ? "usage 0x" + hex2(usage) : u8(n);
  };
  switch (fn) {
    case kDpiSwitch: {
      const auto action = dpiActionName(s.dpiAction(mode)[i]);
      return name + ": " + (action.empty() ? "no action" : u8(action));
    }
    case kWindowsFunction: {
      const auto n = windowsFunctionName(m.windowsIndex[i]);
      return name + ": " + (n.empty() ? "?" : u8(n)) + " (usage 0x" + hex2(m.windowsUsageHigh[i]) +
             hex2(m.windowsUsageLow[i]) + ")";
    }
    case kMultimedia: {
      const auto n = mediaName(m.mediaIndex[i]);
      return name + ": " + (n.empty() ? "?" : u8(n)) + " (usage 0x" + hex2(m.mediaUsage[i]) + ")";
    }
    case kFireKey: {
      const auto n = fireKeyName(m.fireKeyIndex[i]);
      return name + ": " + (n.empty() ? "usage 0x" + hex2(m.fireKeyUsage[i]) : u8(n)) + ", speed " +
             std::to_string(m.fireSpeed[i]) + ", " +
             (m.fireTimes[i] ? std::to_string(m.fireTimes[i]) + " times" : "until released");
    }
    case kSingleKey: return name + ": " + keyName(m.singleKeyUsage[i]);
    case kComboKey: {
      std::string keys;
      for (int bit = 0; bit < 8; ++bit) {
        if (m.comboModifiers[i] & (1u << bit))
          keys += (keys.empty() ? "" : "+") + u8(modifierNameOfBit(bit));
      }
      for (std::uint8_t k : {m.comboKey1[i], m.comboKey2[i]}) {
        if (k) keys += (keys.empty() ? "" : "+") + keyName(k);
      }
      return name + ": " + (keys.empty() ? "nothing" : keys);
    }
    case kMacroKey: {
      static const char* kRepeat[] = {"repeat a specified number of times or press any key to end",
                                      "repeat until press any key to end",
                                      "repeat until the key is released"};
      const int mode3 = m.macroRepeatMode[i];
      return name + ": macro " + std::to_string(m.macroIndex[i] + 1) + ", " +
             (mode3 < 3 ? kRepeat[mode3] : "repeat mode " + std::to_string(mode3));
    }
    default: return name;
  }
}

std::string rateText(std::uint8_t code) {
  switch (code) {
    case 1: return "1000 Hz";
    case 2: return "500 Hz";
    case 4: return "250 Hz";
    case 8: return "125 Hz";
    default: return "unknown (code " + std::to_string(code) + ")";
  }
}

std::string lightText(const MouseSettings& s) {
  static const char* kOptions[] = {"Non-Disolay", "RGB Effect", "RGB Flash", "RGB Fixed On"};
  auto option = [](std::uint8_t v) {
    return v < 4 ? std::string(kOptions[v]) : "option " + std::to_string(v);
  };
  auto param = [](std::wstring_view t, std::uint8_t v) {
    return t.empty() ? "value " + std::to_string(v) : u8(t);
  };
  switch (s.ledMode) {
    case 0: return "Off";
    case 1:
      return "Standard, brightness " + param(brightnessText(s.ledBrightness), s.ledBrightness) +
             (s.ledMode1Option == 1 ? ", " + option(1) : "");
    case 2:
      return "Respiration, beat " + param(beatSpeedText(s.ledBeatSpeed), s.ledBeatSpeed) + ", " +
             option(s.ledMode2Option);
    case 3:
      return "Neon, switch time " + param(switchTimeText(s.ledSwitchTime), s.ledSwitchTime) + ", " +
             option(s.ledMode3Option);
    default: return "unknown mode " + std::to_string(s.ledMode);
  }
}

// Pairs run from byte 2 up to the last non-zero pair; the second pair of a long delay carries
// key code 3, which no key has.
struct ImageCounts {
  int pairs = 0;
  int events = 0;
};
ImageCounts countImage(const MacroImage& img) {
  std::size_t end = img.size();
  while (end > 2 && img[end - 1] == 0 && img[end - 2] == 0) end -= 2;
  ImageCounts c;
  for (std::size_t i = 2; i + 1 < end; i += 2) {
    ++c.pairs;
    c.events += img[i + 1] != 3;
  }
  return c;
}

int showJson(const MouseSettings& s, std::uint8_t flag, std::uint8_t sensorType) {
  Json j;
  j["firstRunFlag"] = flag;
  j["savedByProgram"] = flag != 0;
  const Json record = recordToJson(s, true, sensorType);
  for (const auto& item : record.items()) j[item.key()] = item.value();
  Json images = Json::array();
  for (std::size_t n = 0; n < kMacroCount; ++n) {
    const auto counts = countImage(s.macroImages[n]);
    images.push_back({{"macro", n + 1},
                      {"loops", repeatCount(s.macroImages[n])},
                      {"keyEvents", counts.events},
                      {"pairs", counts.pairs}});
  }
  j["macroImages"] = images;
  std::cout << j.dump(2, ' ', false, Json::error_handler_t::replace) << "\n";
  return kOk;
}

int show(const Args& in) {
  Args args = in;
  std::uint8_t sensorType = 0;
  if (!takeSensorType(args, sensorType)) return kBadInput;
  const bool json = takeFlag(args, "--json");
  if (args.size() != 1) return fail("usage: k8ctl show CONFIG_BIN [--sensor-type N] [--json]");
  const auto loaded = readConfigBin(args[0]);
  if (!loaded) return kBadInput;
  const MouseSettings& s = loaded->settings;
  const std::uint8_t flag = loaded->flag;
  if (json) return showJson(s, flag, sensorType);

  std::ostringstream o;
  o << "config.bin: " << (flag ? "saved by the program" : "as installed (first run)") << "\n";
  for (int mode = 0; mode < 2; ++mode) {
    o << (mode ? "Mode B" : "Mode A") << (s.shownMode() == mode ? " (shown)" : "") << "\n";
    for (int b = 0; b < kButtonCount; ++b) {
      o << "  button " << b + 1 << ": " << describeButton(s, mode, b) << "\n";
    }
  }
  o << "report rate: " << rateText(s.reportRate) << "\n";
  o << "DPI stages (sensor type " << int(sensorType) << "):\n";
  for (std::size_t st = 0; st < kDpiStages; ++st) {
    const auto dpi = dpiText(sensorType, s.dpiLevel[st]);
    o << "  stage " << st + 1 << ": " << (s.dpiStageEnabled[st] ? "on " : "off") << "  "
      << (dpi.empty() ? "level " + std::to_string(s.dpiLevel[st]) : u8(dpi) + " DPI") << "  #"
      << hex2(s.dpiColor[st * 3]) << hex2(s.dpiColor[st * 3 + 1]) << hex2(s.dpiColor[st * 3 + 2])
      << "\n";
  }
  o << "light: " << lightText(s) << "\n";
  o << "pointer: speed step " << int(s.pointerSpeed) << ", wheel "
    << (s.scrollOneScreen ? std::string("one screen") : std::to_string(s.scrollLines) + " lines")
    << ", double-click " << 970 - 70 * int(s.doubleClickSpeed) << " ms, precision "
    << (s.enhancePointerPrecision ? "on" : "off") << "\n";
  o << "macros:\n";
  for (std::size_t n = 0; n < kMacroCount; ++n) {
    const MacroImage& img = s.macroImages[n];
    const auto counts = countImage(img);
    o << "  macro " << n + 1 << ": loops " << (img[0] << 8 | img[1]) << ", " << counts.events
      << " key events (" << counts.pairs << " pairs)\n";
  }
  std::cout << o.str();
  return kOk;
}

int apply(const Args& in) {
  Args args = in;
  std::uint8_t sensorType = 0;
  const std::size_t before = args.size();
  if (!takeSensorType(args, sensorType)) return kBadInput;
  const bool sensorGiven = args.size() != before;
  bool simulate = false;
  std::string trace;
  std::vector<std::string> rest;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--simulate") {
      simulate = true;
    } else if (args[i] == "--trace" && i + 1 < args.size()) {
      trace = args[++i];
    } else if (args[i].rfind("--", 0) == 0) {
      return fail("unknown option '" + args[i] + "'");
    } else {
      rest.push_back(args[i]);
    }
  }
  if (rest.size() != 1 || simulate == trace.empty() || (!simulate && sensorGiven)) {
    return fail(
        "usage: k8ctl apply CONFIG_BIN, or k8ctl apply --simulate [--sensor-type N] --trace FILE "
        "CONFIG_BIN");
  }
  const auto loaded = readConfigBin(rest[0]);
  if (!loaded) return kBadInput;
  if (!simulate) return applyToMouse(loaded->settings);

  SimulatedMouse mouse(sensorType);
  auto device = mouse.open(SimulatedMouse::kFeaturePath, true);
  const HidCaps caps = device->caps();
  Transport transport(
      device.get(),
      {caps.featureReportByteLength, caps.inputReportByteLength, caps.outputReportByteLength},
      mouse.pauseFn(false));
  DeviceState state;
  CommandSet commands(transport, state);
  commands.ExchangeSensorSettings();
  sendSettingsToMouse(loaded->settings, commands);

  std::ostringstream log;
  for (const auto& line : mouse.wireLog()) log << line << "\n";
  if (trace == "-") {
    std::cout << log.str();
    return kOk;
  }
  std::ofstream out(trace, std::ios::trunc);
  if (!out || !(out << log.str()) || !out.flush()) return fail(trace + ": cannot be written");
  return kOk;
}

MouseSettings shippedDefaults() {
  MouseSettings s{};
  resetKeyDefaults(s);
  resetSystemMouseDefaults(s);
  s.reportRate = 1;           // 1000 Hz
  s.dpiLevel = {1, 3, 5, 7};  // 500, 1000, 1500, 2000 DPI on the common sensor
  s.dpiStageEnabled = {1, 1, 1, 1};
  s.dpiColor = {0xFF, 0x00, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0x00};
  s.ledMode = 1;        // Standard
  s.ledBrightness = 9;  // 100%
  s.ledMode2Option = 1;
  s.ledMode3Option = 2;
  return s;
}

int initConfig(const Args& args) {
  if (args.size() != 1) return fail("usage: k8ctl init-config OUT");
  std::error_code ec;
  if (!writeConfigImage(args[0], 0, shippedDefaults(), ec)) {
    return fail(args[0] + ": cannot be written (" + ec.message() + ")");
  }
  return kOk;
}

const Registration kShow({"show", "CONFIG_BIN [--sensor-type N] [--json]", show});
const Registration kApply(
    {"apply", "CONFIG_BIN | apply --simulate [--sensor-type N] --trace FILE CONFIG_BIN", apply});
const Registration kInit({"init-config", "OUT", initConfig});

}  // namespace
}  // namespace k8ctl
