#include "platform/paths.h"

#ifndef _WIN32
#include <system_error>
#endif

namespace k8 {

DataPaths DataPaths::inFolder(const std::filesystem::path& folder) {
  DataPaths p;
  p.folder = folder;
  p.configBin = folder / L"config.bin";
  p.recordIni = folder / L"record.ini";
  p.strIni = folder / L"str.ini";
  p.skins = folder / L"Skins";
  return p;
}

DataPaths DataPaths::besideProgram(const std::filesystem::path& programFile) {
  return inFolder(programFile.parent_path());
}

#ifndef _WIN32
std::filesystem::path programFilePath() {
  std::error_code ec;
  auto p = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::filesystem::path{} : p;
}
#endif

}  // namespace k8
