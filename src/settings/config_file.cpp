#include "settings/config_file.h"

#include <array>
#include <cstdio>
#include <cstring>
#include <fstream>

#include "platform/atomic_file.h"

namespace k8 {
namespace fs = std::filesystem;

bool readConfigImage(const fs::path& configBin, std::uint8_t& flag, MouseSettings& settings) {
  std::ifstream in(configBin, std::ios::binary);
  if (!in) return false;
  in.seekg(0, std::ios::end);
  const auto length = in.tellg();
  in.seekg(0, std::ios::beg);
  if (length != static_cast<std::streamoff>(kConfigFileSize)) return false;
  std::array<char, kConfigFileSize> image{};
  if (!in.read(image.data(), image.size())) return false;
  flag = static_cast<std::uint8_t>(image[0]);
  std::memcpy(&settings, image.data() + 1, kSettingsSize);
  return true;
}

LoadResult loadSettings(SettingsState& state, const fs::path& configBin,
                        const std::wstring& appTitle, const MessageFn& message) {
  std::error_code ec;
  if (!fs::exists(configBin, ec)) {
    if (message) message(kConfigMissingText, appTitle);
    return LoadResult::Missing;
  }
  std::ifstream probe(configBin, std::ios::binary);
  if (!probe) return LoadResult::Unreadable;
  probe.close();
  std::uint8_t flag = 0;
  MouseSettings loaded{};
  if (!readConfigImage(configBin, flag, loaded)) return LoadResult::WrongSize;
  state.firstRunFlag = flag;
  state.working = loaded;
  state.commit();
  return LoadResult::Loaded;
}

bool writeConfigImage(const fs::path& configBin, std::uint8_t flag, const MouseSettings& settings,
                      std::error_code& error) {
  std::array<char, kConfigFileSize> image{};
  image[0] = static_cast<char>(flag);
  std::memcpy(image.data() + 1, &settings, kSettingsSize);

  return replaceFileAtomically(configBin, std::string_view(image.data(), image.size()), error);
}

bool saveSettings(const MouseSettings& settings, const fs::path& configBin,
                  const std::wstring& appTitle, const MessageFn& message) {
  std::error_code ec;
  if (!fs::exists(configBin, ec)) {
    if (message) message(kConfigMissingText, appTitle);
    return false;
  }
  if (!writeConfigImage(configBin, 1, settings, ec)) {
    if (message) {
      wchar_t text[64];
      std::swprintf(text, std::size(text), L"Error Code is: %d \n", ec.value());
      message(text, kSaveErrorCaption);
    }
    return false;
  }
  return true;
}

}  // namespace k8
