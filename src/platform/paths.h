#pragma once
// Where the program's data files live: beside the program file, whatever it is called.

#include <filesystem>
#include <string_view>

namespace k8 {

struct DataPaths {
  std::filesystem::path folder;
  std::filesystem::path configBin;
  std::filesystem::path recordIni;
  std::filesystem::path strIni;
  std::filesystem::path skins;  // folder holding one sub-folder per skin

  static DataPaths besideProgram(const std::filesystem::path& programFile);
  static DataPaths inFolder(const std::filesystem::path& folder);
};

// The running program's full path (Windows: GetModuleFileNameW; elsewhere /proc/self/exe).
std::filesystem::path programFilePath();

}  // namespace k8
