#pragma once
// config.bin: one first-run flag byte followed by the settings record, byte for byte.

#include <filesystem>
#include <functional>
#include <string>

#include "settings/mouse_settings.h"

namespace k8 {

// Shows a message to the user (text, caption); the Windows program uses a message box.
using MessageFn = std::function<void(const std::wstring& text, const std::wstring& caption)>;

inline constexpr wchar_t kConfigMissingText[] = L"Config file is not exist.";
inline constexpr wchar_t kSaveErrorCaption[] = L"NULL ==fp ";

enum class LoadResult { Loaded, Missing, Unreadable, WrongSize };

// Reads config.bin into the working copy and commits it. A missing file is reported through
// `message` (caption: the application title); an unreadable or wrong-sized file is ignored
// silently and leaves the record as it was.
LoadResult loadSettings(SettingsState& state, const std::filesystem::path& configBin,
                        const std::wstring& appTitle, const MessageFn& message);

// Writes flag 1 and the record. The file is never created: a missing file is reported and
// left missing. The new image goes to a temporary file in the same folder that then replaces
// the old one in one step, so a failed or interrupted save keeps the previous file.
bool saveSettings(const MouseSettings& settings, const std::filesystem::path& configBin,
                  const std::wstring& appTitle, const MessageFn& message);

// Reads a config.bin image without touching any state (k8ctl and tests).
bool readConfigImage(const std::filesystem::path& configBin, std::uint8_t& flag,
                     MouseSettings& settings);
// Writes a complete image the same safe way, creating the file if needed (k8ctl only).
bool writeConfigImage(const std::filesystem::path& configBin, std::uint8_t flag,
                      const MouseSettings& settings, std::error_code& error);

}  // namespace k8
