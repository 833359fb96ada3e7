#pragma once
// The profile seam over the Win32 private-profile functions.

#include "platform/profile.h"

namespace k8 {

class Win32Profile final : public ProfileFile {
 public:
  // The system looks for a bare file name in the Windows folder: the path is made absolute first,
  // so that a relative name means what it means elsewhere.
  explicit Win32Profile(std::filesystem::path file);

  std::wstring readString(std::wstring_view section, std::wstring_view key,
                          std::size_t bufferSize = kProfileValueLimit) const override;
  // A missing file is first created holding only a UTF-16LE byte-order mark, which makes the
  // Win32 functions write Unicode instead of the ANSI code page.
  bool writeString(std::wstring_view section, std::wstring_view key,
                   std::wstring_view value) override;
  bool deleteKey(std::wstring_view section, std::wstring_view key) override;
  bool deleteSection(std::wstring_view section) override;
  std::size_t sectionNames(wchar_t* buffer, std::size_t size) const override;
  bool exists() const override;
  const std::filesystem::path& path() const override { return path_; }

 private:
  std::filesystem::path path_;
};

}  // namespace k8
