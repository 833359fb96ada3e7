#include "record_json.h"

#include <string_view>

#include "platform/text.h"
#include "settings/key_codes.h"
#include "settings/key_tables.h"

namespace k8ctl {
namespace {

using namespace k8;

constexpr const char* kModeNames[] = {"A", "B"};
constexpr const char* kRepeatWords[] = {"count", "until-pressed", "while-held"};
constexpr const char* kLightModes[] = {"Off", "Standard", "Respiration", "Neon"};
constexpr const char* kLightOptions[] = {"Non-Disolay", "RGB Effect", "RGB Flash", "RGB Fixed On"};
// The largest DPI scale has twelve positions.
constexpr long kDpiLevelMax = 11;
constexpr long kStepMax = 11;

std::string u8(std::wstring_view text) { return toUtf8(text); }

std::string unknown(long code) { return "unknown (" + std::to_string(code) + ")"; }

// Key words: "none" for usage 0, the key's name, or "unknown (N)" (which import refuses).
std::string keyWord(std::uint8_t usage) {
  if (usage == 0) return "none";
  const auto name = keyNameOfUsage(usage);
  return name.empty() ? unknown(usage) : u8(name);
}

std::uint8_t keyFromWord(const Json& v, const std::string& path) {
  const std::string word = text(v, path, 64);
  if (word == "none") return 0;
  const std::uint8_t usage = keyUsage(fromUtf8(word));
  if (usage == 0) badField(path, "unknown key '" + word + "'");
  return usage;
}

// The position of `word` in a name table read through `nameAt`, or a FieldError.
template <class NameAt>
int positionOf(const Json& v, const std::string& path, int count, NameAt nameAt, const char* what) {
  const std::string word = text(v, path, 64);
  for (int i = 0; i < count; ++i) {
    if (u8(nameAt(i)) == word) return i;
  }
  badField(path, std::string("unknown ") + what + " '" + word + "'");
}

template <class NameAt>
std::string nameOr(NameAt nameAt, int position) {
  const auto name = nameAt(position);
  return name.empty() ? unknown(position) : u8(name);
}

Json buttonToJson(const MouseSettings& s, int mode, int b, bool codes) {
  const KeyModeBlock& m = s.mode(mode);
  const auto i = static_cast<std::size_t>(b);
  const int fn = m.function[i];
  Json j;
  if (codes) j["button"] = b + 1;
  j["function"] = functionName(fn).empty() ? unknown(fn) : u8(functionName(fn));
  if (codes) j["functionCode"] = fn;
  switch (fn) {
    case kDpiSwitch: {
      const int action = s.dpiAction(mode)[i];
      j["action"] = action == 0 ? "none" : nameOr(dpiActionName, action);
      if (codes) j["actionCode"] = action;
      break;
    }
    case kWindowsFunction:
      j["item"] = nameOr(windowsFunctionName, m.windowsIndex[i]);
      if (codes) {
        j["itemIndex"] = m.windowsIndex[i];
        j["usage"] = m.windowsUsageHigh[i] << 8 | m.windowsUsageLow[i];
      }
      break;
    case kMultimedia:
      j["item"] = nameOr(mediaName, m.mediaIndex[i]);
      if (codes) {
        j["itemIndex"] = m.mediaIndex[i];
        j["usage"] = m.mediaUsage[i];
      }
      break;
    case kFireKey:
      j["key"] = nameOr(fireKeyName, m.fireKeyIndex[i]);
      if (codes) {
        j["keyIndex"] = m.fireKeyIndex[i];
        j["usage"] = m.fireKeyUsage[i];
      }
      j["speed"] = m.fireSpeed[i];
      j["times"] = m.fireTimes[i];
      break;
    case kSingleKey:
      j["key"] = keyWord(m.singleKeyUsage[i]);
      if (codes) j["usage"] = m.singleKeyUsage[i];
      break;
    case kComboKey: {
      Json modifiers = Json::array(), keys = Json::array(), usages = Json::array();
      for (int bit = 0; bit < 8; ++bit) {
        if (m.comboModifiers[i] & (1u << bit)) modifiers.push_back(u8(modifierNameOfBit(bit)));
      }
      for (std::uint8_t k : {m.comboKey1[i], m.comboKey2[i]}) {
        if (k) keys.push_back(keyWord(k));
        if (codes) usages.push_back(k);
      }
      j["modifiers"] = modifiers;
      if (codes) j["modifierBits"] = m.comboModifiers[i];
      j["keys"] = keys;
      if (codes) j["usages"] = usages;
      break;
    }
    case kMacroKey: {
      const int repeat = m.macroRepeatMode[i];
      j["macro"] = m.macroIndex[i] + 1;
      j["repeat"] = repeat < 3 ? std::string(kRepeatWords[repeat]) : unknown(repeat);
      if (codes) j["repeatCode"] = repeat;
      break;
    }
    default: break;
  }
  return j;
}

void buttonFromJson(const Json& j, const std::string& path, MouseSettings& s, int mode, int b) {
  KeyModeBlock& m = s.mode(mode);
  const auto i = static_cast<std::size_t>(b);
  Fields f(j, path);
  const int fn = positionOf(f.take("function"), f.pathOf("function"), kFunctionCount, functionName,
                            "function");
  m.function[i] = static_cast<std::uint8_t>(fn);
  switch (fn) {
    case kDpiSwitch: {
      const Json& v = f.take("action");
      s.dpiAction(mode)[i] =
          v == "none" ? 0
                      : static_cast<std::uint8_t>(
                            1 + positionOf(
                                    v, f.pathOf("action"), 4,
                                    [](int k) { return dpiActionName(k + 1); }, "action"));
      break;
    }
    case kWindowsFunction: {
      const int k = positionOf(f.take("item"), f.pathOf("item"), windowsFunctionCount(),
                               windowsFunctionName, "Windows function");
      m.windowsIndex[i] = static_cast<std::uint8_t>(k);
      m.windowsUsageLow[i] = windowsUsageLow(k);
      m.windowsUsageHigh[i] = windowsUsageHigh(k);
      break;
    }
    case kMultimedia: {
      const int k = positionOf(f.take("item"), f.pathOf("item"), mediaCount(), mediaName,
                               "multimedia function");
      m.mediaIndex[i] = static_cast<std::uint8_t>(k);
      m.mediaUsage[i] = mediaUsage(k);
      break;
    }
    case kFireKey: {
      const int k =
          positionOf(f.take("key"), f.pathOf("key"), fireKeyCount(), fireKeyName, "fire key");
      m.fireKeyIndex[i] = static_cast<std::uint8_t>(k);
      m.fireKeyUsage[i] = fireKeyUsage(k);
      m.fireSpeed[i] =
          static_cast<std::uint8_t>(integerIn(f.take("speed"), f.pathOf("speed"), 5, 255));
      m.fireTimes[i] =
          static_cast<std::uint8_t>(integerIn(f.take("times"), f.pathOf("times"), 0, 255));
      break;
    }
    case kSingleKey: m.singleKeyUsage[i] = keyFromWord(f.take("key"), f.pathOf("key")); break;
    case kComboKey: {
      const std::string mp = f.pathOf("modifiers");
      const Json& modifiers = arrayOf(f.take("modifiers"), mp, 8, false);
      std::uint8_t bits = 0;
      for (std::size_t k = 0; k < modifiers.size(); ++k) {
        const std::string p = mp + "[" + std::to_string(k) + "]";
        const std::string word = text(modifiers[k], p, 64);
        const std::uint8_t bit = modifierBit(fromUtf8(word));
        if (bit == 0) badField(p, "unknown modifier '" + word + "'");
        if (bits & bit) badField(p, "'" + word + "' given twice");
        bits |= bit;
      }
      m.comboModifiers[i] = bits;
      const std::string kp = f.pathOf("keys");
      const Json& keys = arrayOf(f.take("keys"), kp, 2, false);
      std::uint8_t usage[2] = {0, 0};
      for (std::size_t k = 0; k < keys.size(); ++k) {
        usage[k] = keyFromWord(keys[k], kp + "[" + std::to_string(k) + "]");
      }
      m.comboKey1[i] = usage[0];
      m.comboKey2[i] = usage[1];
      break;
    }
    case kMacroKey: {
      m.macroIndex[i] = static_cast<std::uint8_t>(
          integerIn(f.take("macro"), f.pathOf("macro"), 1, kMacroCount) - 1);
      const std::string rp = f.pathOf("repeat");
      m.macroRepeatMode[i] = static_cast<std::uint8_t>(positionOf(
          f.take("repeat"), rp, 3, [](int k) { return fromUtf8(kRepeatWords[k]); }, "repeat mode"));
      break;
    }
    default: break;
  }
  f.done();
}

}  // namespace

MouseSettings emptyRecord() {
  MouseSettings s{};
  for (int mode = 0; mode < 2; ++mode) {
    for (int b = kButtonCount; b < kButtonSlots; ++b) {
      s.mode(mode).function[static_cast<std::size_t>(b)] = kKeyOff;
    }
  }
  return s;
}

Json recordToJson(const MouseSettings& s, bool codes, int sensorType) {
  Json j;
  j["shownMode"] = kModeNames[s.shownMode()];
  if (codes) j["editMode"] = s.editMode;
  Json buttons;
  for (int mode = 0; mode < 2; ++mode) {
    Json list = Json::array();
    for (int b = 0; b < kButtonCount; ++b) list.push_back(buttonToJson(s, mode, b, codes));
    buttons[kModeNames[mode]] = list;
  }
  j["buttons"] = buttons;

  const int hz = reportRateHz(s.reportRate);
  j["reportRateHz"] = hz == 0 ? Json(unknown(s.reportRate)) : Json(hz);
  if (codes) j["reportRateCode"] = s.reportRate;

  if (codes) j["sensorType"] = sensorType;
  Json stages = Json::array();
  for (std::size_t st = 0; st < kDpiStages; ++st) {
    Json stage;
    stage["enabled"] = s.dpiStageEnabled[st] != 0;
    if (codes) stage["enabledByte"] = s.dpiStageEnabled[st];
    stage["level"] = s.dpiLevel[st];
    if (codes) {
      const auto dpi = dpiText(sensorType, s.dpiLevel[st]);
      stage["dpi"] = dpi.empty() ? Json(nullptr) : Json(std::stoi(u8(dpi)));
    }
    stage["color"] = colourText(s.dpiColor[st * 3], s.dpiColor[st * 3 + 1], s.dpiColor[st * 3 + 2]);
    stages.push_back(stage);
  }
  j["dpiStages"] = stages;

  Json light;
  light["mode"] = s.ledMode < 4 ? std::string(kLightModes[s.ledMode]) : unknown(s.ledMode);
  if (codes) light["modeCode"] = s.ledMode;
  light["brightness"] = s.ledBrightness;
  if (codes) light["brightnessText"] = u8(brightnessText(s.ledBrightness));
  light["beatSpeed"] = s.ledBeatSpeed;
  if (codes) light["beatSpeedText"] = u8(beatSpeedText(s.ledBeatSpeed));
  light["switchTime"] = s.ledSwitchTime;
  if (codes) light["switchTimeText"] = u8(switchTimeText(s.ledSwitchTime));
  const std::pair<const char*, std::uint8_t> options[] = {{"standardOption", s.ledMode1Option},
                                                          {"respirationOption", s.ledMode2Option},
                                                          {"neonOption", s.ledMode3Option}};
  for (const auto& [name, value] : options) {
    light[name] = value;
    if (codes) light[std::string(name) + "Name"] = value < 4 ? kLightOptions[value] : "";
  }
  j["light"] = light;

  Json pointer;
  pointer["speed"] = s.pointerSpeed;
  if (codes) pointer["systemSpeed"] = s.pointerSpeed == 1 ? 1 : 2 * s.pointerSpeed - 2;
  pointer["scrollOneScreen"] = s.scrollOneScreen != 0;
  pointer["scrollLines"] = s.scrollLines;
  pointer["doubleClickSpeed"] = s.doubleClickSpeed;
  if (codes) pointer["doubleClickMs"] = 970 - 70 * s.doubleClickSpeed;
  pointer["enhancePrecision"] = s.enhancePointerPrecision != 0;
  j["pointer"] = pointer;
  return j;
}

void recordFromJson(const Json& j, const std::string& path, MouseSettings& s) {
  Fields f(j, path);
  const std::string shown = text(f.take("shownMode"), f.pathOf("shownMode"), 1);
  if (shown != "A" && shown != "B") badField(f.pathOf("shownMode"), "must be \"A\" or \"B\"");
  s.editMode = shown == "B" ? 1 : 0;

  Fields buttons(f.take("buttons"), f.pathOf("buttons"));
  for (int mode = 0; mode < 2; ++mode) {
    const std::string mp = buttons.pathOf(kModeNames[mode]);
    const Json& list = arrayOf(buttons.take(kModeNames[mode]), mp, kButtonCount, true);
    for (int b = 0; b < kButtonCount; ++b) {
      buttonFromJson(list[static_cast<std::size_t>(b)], mp + "[" + std::to_string(b) + "]", s, mode,
                     b);
    }
  }
  buttons.done();

  const long hz = integerIn(f.take("reportRateHz"), f.pathOf("reportRateHz"), 125, 1000);
  s.reportRate = 0;
  for (const ReportRate& rate : kReportRates) {
    if (hz == rate.hz) s.reportRate = rate.code;
  }
  if (!s.reportRate) badField(f.pathOf("reportRateHz"), "must be 125, 250, 500 or 1000");

  const std::string sp = f.pathOf("dpiStages");
  const Json& stages = arrayOf(f.take("dpiStages"), sp, kDpiStages, true);
  for (std::size_t st = 0; st < kDpiStages; ++st) {
    Fields stage(stages[st], sp + "[" + std::to_string(st) + "]");
    s.dpiStageEnabled[st] = boolean(stage.take("enabled"), stage.pathOf("enabled")) ? 1 : 0;
    s.dpiLevel[st] = static_cast<std::uint8_t>(
        integerIn(stage.take("level"), stage.pathOf("level"), 0, kDpiLevelMax));
    const auto rgb = colour(stage.take("color"), stage.pathOf("color"));
    for (std::size_t c = 0; c < 3; ++c) s.dpiColor[st * 3 + c] = rgb[c];
    stage.done();
  }

  Fields light(f.take("light"), f.pathOf("light"));
  s.ledMode = static_cast<std::uint8_t>(positionOf(
      light.take("mode"), light.pathOf("mode"), 4, [](int k) { return fromUtf8(kLightModes[k]); },
      "light mode"));
  auto byte = [&light](const char* name, long high) {
    return static_cast<std::uint8_t>(integerIn(light.take(name), light.pathOf(name), 0, high));
  };
  s.ledBrightness = byte("brightness", 9);
  s.ledBeatSpeed = byte("beatSpeed", 4);
  s.ledSwitchTime = byte("switchTime", 29);
  s.ledMode1Option = byte("standardOption", 3);
  s.ledMode2Option = byte("respirationOption", 3);
  s.ledMode3Option = byte("neonOption", 3);
  light.done();

  Fields pointer(f.take("pointer"), f.pathOf("pointer"));
  s.pointerSpeed = static_cast<std::uint8_t>(
      integerIn(pointer.take("speed"), pointer.pathOf("speed"), 1, kStepMax));
  s.scrollOneScreen = boolean(pointer.take("scrollOneScreen"), pointer.pathOf("scrollOneScreen"));
  // The wheel's line count comes from the system and may pass the page's eleven cells.
  s.scrollLines = static_cast<std::uint8_t>(
      integerIn(pointer.take("scrollLines"), pointer.pathOf("scrollLines"), 0, 255));
  s.doubleClickSpeed = static_cast<std::uint8_t>(
      integerIn(pointer.take("doubleClickSpeed"), pointer.pathOf("doubleClickSpeed"), 1, kStepMax));
  s.enhancePointerPrecision =
      boolean(pointer.take("enhancePrecision"), pointer.pathOf("enhancePrecision"));
  pointer.done();
  f.done();
}

}  // namespace k8ctl
