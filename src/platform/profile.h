#pragma once
// Profile (INI) files: record.ini and str.ini. The program reads and writes them with the
// Windows private-profile semantics; on Windows through the Win32 functions (profile_win32.h),
// elsewhere through PortableProfile, which behaves the same (system_profile.h picks one):
//  - section names, keys and values are trimmed of blanks and tabs; a value wholly inside
//    matching double or single quotes loses them when read;
//  - lookups ignore letter case; the first of duplicate keys wins; of a duplicated section only
//    the first block is searched and edited, while both names are listed;
//  - a line without "=" is no key; a new key goes after the last key of its section, a new
//    section at the end of the file; the rest of the file (blank lines, comments) is kept.
// Files the program creates are UTF-16LE with a byte-order mark, so that Chinese and Turkish
// text survives (the Win32 functions would otherwise write the ANSI code page).

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace k8 {

// Every value is read through a buffer of this many characters (the last one is the NUL).
inline constexpr std::size_t kProfileValueLimit = 1024;

class ProfileFile {
 public:
  virtual ~ProfileFile() = default;

  // GetPrivateProfileStringW with an empty default and a buffer of `bufferSize` characters:
  // a value longer than the buffer comes back cut to bufferSize - 1 characters. A missing file,
  // section or key reads as "".
  virtual std::wstring readString(std::wstring_view section, std::wstring_view key,
                                  std::size_t bufferSize = kProfileValueLimit) const = 0;
  // WritePrivateProfileStringW(section, key, value). Creates a missing file (UTF-16LE + BOM).
  virtual bool writeString(std::wstring_view section, std::wstring_view key,
                           std::wstring_view value) = 0;
  // WritePrivateProfileStringW(section, key, NULL): removes the first such key.
  virtual bool deleteKey(std::wstring_view section, std::wstring_view key) = 0;
  // WritePrivateProfileStringW(section, NULL, NULL): removes the section with its keys.
  virtual bool deleteSection(std::wstring_view section) = 0;
  // GetPrivateProfileSectionNamesW into `buffer` of `size` characters: "name\0name\0\0".
  // Returns the characters written without the final NUL. A buffer too small gets a cut last
  // name and two closing NULs, and the result is size - 2. A missing file lists nothing
  // (two NULs, result 0). Nothing is written when size is 0.
  virtual std::size_t sectionNames(wchar_t* buffer, std::size_t size) const = 0;

  virtual bool exists() const = 0;
  virtual const std::filesystem::path& path() const = 0;
};

class ProfileText;

// The same semantics in portable C++. Reads UTF-16LE (BOM FF FE), UTF-8 with or without BOM,
// and falls back to Latin-1 for bytes that are not UTF-8; writes a file back in the encoding it
// was read in. Every change replaces the file in one step (temporary file, then rename). The
// parsed file is kept while the file's bytes stay the same, so a macro's hundred reads parse it
// once.
class PortableProfile final : public ProfileFile {
 public:
  explicit PortableProfile(std::filesystem::path file);
  ~PortableProfile() override;
  PortableProfile(const PortableProfile& other);
  PortableProfile& operator=(const PortableProfile& other);

  std::wstring readString(std::wstring_view section, std::wstring_view key,
                          std::size_t bufferSize = kProfileValueLimit) const override;
  bool writeString(std::wstring_view section, std::wstring_view key,
                   std::wstring_view value) override;
  bool deleteKey(std::wstring_view section, std::wstring_view key) override;
  bool deleteSection(std::wstring_view section) override;
  std::size_t sectionNames(wchar_t* buffer, std::size_t size) const override;
  bool exists() const override;
  const std::filesystem::path& path() const override { return path_; }

 private:
  // The file as it is now (parsed again only when it changed); nullptr when it cannot be read.
  ProfileText* current() const;
  // Applies `edit` to the file's text and stores the file when the text changed.
  template <class Edit>
  bool change(Edit edit, bool createMissing);

  std::filesystem::path path_;
  mutable std::unique_ptr<ProfileText> cache_;
  mutable std::string cachedBytes_;  // the file's bytes that cache_ was parsed from
};

// Equality ignoring letter case, as profile lookups compare names (Latin, Greek and Cyrillic
// letters fold; everything else compares exactly).
bool sameProfileName(std::wstring_view a, std::wstring_view b);

}  // namespace k8
