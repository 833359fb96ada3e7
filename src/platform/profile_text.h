#pragma once
// The portable profile backend's model of one file: its lines, kept verbatim so that an edit
// changes only the lines it must (blank lines and comments survive), and the text encoding the
// file came in. PortableProfile loads, edits and stores it for every call.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "platform/profile.h"

namespace k8 {

enum class ProfileEncoding { Utf16Le, Utf8Bom, Utf8 };

class ProfileText {
 public:
  // An empty file that will be written as UTF-16LE with a byte-order mark.
  ProfileText() = default;
  // Any bytes are accepted; what is not a line of the known kinds is kept and ignored.
  static ProfileText parse(std::string_view bytes);
  std::string serialize() const;

  std::wstring read(std::wstring_view section, std::wstring_view key, std::size_t bufferSize) const;
  // Return true when the text changed.
  bool write(std::wstring_view section, std::wstring_view key, std::wstring_view value);
  bool removeKey(std::wstring_view section, std::wstring_view key);
  bool removeSection(std::wstring_view section);
  std::size_t sectionNames(wchar_t* buffer, std::size_t size) const;

  ProfileEncoding encoding() const { return encoding_; }

 private:
  struct Line {
    std::wstring text;
    std::wstring end;  // "\r\n", "\n", "\r" or "" (last line without one)
  };
  struct Block {
    std::size_t header;     // index of the "[name]" line
    std::size_t end;        // one past the block's last line
    std::size_t afterKeys;  // where a new key goes: after the last key line, or the header
  };

  bool findBlock(std::wstring_view section, Block& block) const;
  bool findKey(const Block& block, std::wstring_view key, std::size_t& line) const;

  std::vector<Line> lines_;
  ProfileEncoding encoding_ = ProfileEncoding::Utf16Le;
};

// A profile held in memory (fuzzing and tests): the portable semantics without a file.
class MemoryProfile final : public ProfileFile {
 public:
  explicit MemoryProfile(std::string_view bytes) : text_(ProfileText::parse(bytes)) {}
  MemoryProfile() : exists_(false) {}

  std::wstring readString(std::wstring_view section, std::wstring_view key,
                          std::size_t bufferSize = kProfileValueLimit) const override {
    return text_.read(section, key, bufferSize);
  }
  bool writeString(std::wstring_view section, std::wstring_view key,
                   std::wstring_view value) override {
    text_.write(section, key, value);
    return exists_ = true;
  }
  bool deleteKey(std::wstring_view section, std::wstring_view key) override {
    text_.removeKey(section, key);
    return true;
  }
  bool deleteSection(std::wstring_view section) override {
    text_.removeSection(section);
    return true;
  }
  std::size_t sectionNames(wchar_t* buffer, std::size_t size) const override {
    return text_.sectionNames(buffer, size);
  }
  bool exists() const override { return exists_; }
  const std::filesystem::path& path() const override { return path_; }
  const ProfileText& text() const { return text_; }

 private:
  ProfileText text_;
  bool exists_ = true;
  std::filesystem::path path_;
};

// Writes `text` as the section-name list (used for the empty list of a missing file, too).
std::size_t fillSectionNames(const std::vector<std::wstring_view>& names, wchar_t* buffer,
                             std::size_t size);

}  // namespace k8
