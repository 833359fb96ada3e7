#include "platform/profile_win32.h"

#include <windows.h>

#include <algorithm>
#include <limits>
#include <system_error>
#include <vector>

#include "platform/handles_win32.h"

namespace k8 {
namespace {

DWORD clampSize(std::size_t size) {
  return static_cast<DWORD>(std::min<std::size_t>(size, std::numeric_limits<DWORD>::max()));
}

// Creates the file with only the byte-order mark; an existing file is left alone.
bool ensureUnicodeFile(const std::filesystem::path& file) {
  const UniqueFile h(CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                 FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!h) return GetLastError() == ERROR_FILE_EXISTS;
  static const unsigned char kBom[2] = {0xFF, 0xFE};
  DWORD written = 0;
  const BOOL ok = WriteFile(h.get(), kBom, sizeof kBom, &written, nullptr);
  return ok && written == sizeof kBom;
}

}  // namespace

Win32Profile::Win32Profile(std::filesystem::path file) : path_(std::move(file)) {
  std::error_code error;
  std::filesystem::path full = std::filesystem::absolute(path_, error);
  if (!error) path_ = std::move(full);
}

std::wstring Win32Profile::readString(std::wstring_view section, std::wstring_view key,
                                      std::size_t bufferSize) const {
  if (bufferSize == 0) return {};
  std::vector<wchar_t> buffer(std::min<std::size_t>(bufferSize, 1u << 20), L'\0');
  const DWORD n =
      GetPrivateProfileStringW(std::wstring(section).c_str(), std::wstring(key).c_str(), L"",
                               buffer.data(), clampSize(buffer.size()), path_.c_str());
  return std::wstring(buffer.data(), std::min<std::size_t>(n, buffer.size() - 1));
}

bool Win32Profile::writeString(std::wstring_view section, std::wstring_view key,
                               std::wstring_view value) {
  if (!ensureUnicodeFile(path_)) return false;
  return WritePrivateProfileStringW(std::wstring(section).c_str(), std::wstring(key).c_str(),
                                    std::wstring(value).c_str(), path_.c_str()) != FALSE;
}

bool Win32Profile::deleteKey(std::wstring_view section, std::wstring_view key) {
  if (!exists()) return true;
  return WritePrivateProfileStringW(std::wstring(section).c_str(), std::wstring(key).c_str(),
                                    nullptr, path_.c_str()) != FALSE;
}

bool Win32Profile::deleteSection(std::wstring_view section) {
  if (!exists()) return true;
  return WritePrivateProfileStringW(std::wstring(section).c_str(), nullptr, nullptr,
                                    path_.c_str()) != FALSE;
}

std::size_t Win32Profile::sectionNames(wchar_t* buffer, std::size_t size) const {
  if (buffer == nullptr || size == 0) return 0;
  if (size == 1) {
    buffer[0] = L'\0';
    return 0;
  }
  if (!exists()) {  // both NULs, whatever the system leaves in the buffer
    buffer[0] = buffer[1] = L'\0';
    return 0;
  }
  return GetPrivateProfileSectionNamesW(buffer, clampSize(size), path_.c_str());
}

bool Win32Profile::exists() const {
  const DWORD attributes = GetFileAttributesW(path_.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace k8
