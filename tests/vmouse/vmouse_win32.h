#pragma once
// The virtual mouse's host process and control tool (test equipment, k8vmouse.exe).

#include <cstdint>
#include <filesystem>
#include <string>

namespace k8vmouse {

// Runs the firmware for the driver until a "stop" command; the wire log is appended to logPath.
int serve(std::uint8_t sensorType, const std::wstring& logPath);

// Install or remove one collection (0 mouse, 1 keyboard, 2 feature, 3 input) as a root device
// named with an interface number (...&MI_0n); folder holds k8vmouse.sys and k8vmouse.inf.
bool plug(int role, int interface, const std::filesystem::path& folder);
bool unplug(int role, bool quiet);

}  // namespace k8vmouse
