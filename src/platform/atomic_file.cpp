#include "platform/atomic_file.h"

#include <cerrno>
#include <fstream>

namespace k8 {

bool replaceFileAtomically(const std::filesystem::path& file, std::string_view bytes,
                           std::error_code& error) {
  std::filesystem::path temp = file;
  temp += L".k8new";
  std::error_code ignored;
  {
    errno = 0;
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out || !out.write(bytes.data(), static_cast<std::streamsize>(bytes.size())) ||
        !out.flush()) {
      error = std::error_code(errno ? errno : EIO, std::generic_category());
      out.close();
      std::filesystem::remove(temp, ignored);
      return false;
    }
  }
  std::filesystem::rename(temp, file, error);
  if (error) std::filesystem::remove(temp, ignored);
  return !error;
}

}  // namespace k8
