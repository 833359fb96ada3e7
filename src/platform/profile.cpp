#include "platform/profile.h"

#include <fstream>
#include <iterator>
#include <optional>
#include <system_error>

#include "platform/atomic_file.h"
#include "platform/profile_text.h"
#include "platform/text.h"

namespace k8 {
namespace {

bool isBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

std::wstring_view trim(std::wstring_view s) {
  while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
  return s;
}

char32_t foldLetter(char32_t c) {
  if (c >= U'A' && c <= U'Z') return c + 0x20;
  if (c < 0xC0) return c;
  if ((c >= 0xC0 && c <= 0xDE && c != 0xD7)) return c + 0x20;  // Latin-1 capitals
  if (c >= 0x100 && c <= 0x137 && c != 0x130) return c | 1;    // Latin Extended-A pairs
  if (c >= 0x139 && c <= 0x148) return (c & 1) ? c + 1 : c;
  if (c >= 0x14A && c <= 0x177) return c | 1;
  if (c == 0x178) return 0xFF;
  if (c >= 0x179 && c <= 0x17E) return (c & 1) ? c + 1 : c;
  if (c >= 0x391 && c <= 0x3AB && c != 0x3A2) return c + 0x20;  // Greek
  if (c >= 0x410 && c <= 0x42F) return c + 0x20;                // Cyrillic
  if (c >= 0x400 && c <= 0x40F) return c + 0x50;
  return c;
}

// Section and key lines as the profile functions see them.
bool sectionName(std::wstring_view line, std::wstring_view& name) {
  line = trim(line);
  if (line.empty() || line.front() != L'[') return false;
  const std::size_t close = line.rfind(L']');
  if (close == std::wstring_view::npos || close == 0) return false;
  name = trim(line.substr(1, close - 1));
  return true;
}

bool keyLine(std::wstring_view line, std::wstring_view& key, std::wstring_view& value) {
  const std::size_t eq = line.find(L'=');
  if (eq == std::wstring_view::npos) return false;
  key = trim(line.substr(0, eq));
  value = trim(line.substr(eq + 1));
  return true;
}

// --- Encodings -------------------------------------------------------------------------------

bool validUtf8(std::string_view bytes) {
  std::size_t i = 0;
  while (i < bytes.size()) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    std::size_t extra = b < 0x80           ? 0
                        : (b >> 5) == 0x6  ? 1
                        : (b >> 4) == 0xE  ? 2
                        : (b >> 3) == 0x1E ? 3
                                           : 9;
    if (extra == 9 || i + extra >= bytes.size()) return false;
    for (std::size_t k = 1; k <= extra; ++k) {
      if ((static_cast<unsigned char>(bytes[i + k]) & 0xC0) != 0x80) return false;
    }
    i += extra + 1;
  }
  return true;
}

std::wstring decodeUtf16Le(std::string_view bytes) {
  std::wstring out;
  out.reserve(bytes.size() / 2);
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    char32_t unit = static_cast<unsigned char>(bytes[i]) |
                    (static_cast<char32_t>(static_cast<unsigned char>(bytes[i + 1])) << 8);
    if constexpr (sizeof(wchar_t) == 4) {
      if (unit >= 0xD800 && unit < 0xDC00 && i + 3 < bytes.size()) {
        const char32_t low = static_cast<unsigned char>(bytes[i + 2]) |
                             (static_cast<char32_t>(static_cast<unsigned char>(bytes[i + 3])) << 8);
        if (low >= 0xDC00 && low < 0xE000) {
          unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
          i += 2;
        }
      }
      if (unit >= 0xD800 && unit < 0xE000) unit = 0xFFFD;
    }
    out += static_cast<wchar_t>(unit);
  }
  return out;
}

void appendUnit(std::string& out, char32_t unit) {
  out += static_cast<char>(unit & 0xFF);
  out += static_cast<char>((unit >> 8) & 0xFF);
}

std::string encodeUtf16Le(std::wstring_view text) {
  std::string out;
  out.reserve(text.size() * 2);
  for (wchar_t w : text) {
    char32_t c = static_cast<char32_t>(w);
    if (sizeof(wchar_t) == 4 && c >= 0x10000) {
      if (c > 0x10FFFF) {
        c = 0xFFFD;
      } else {
        c -= 0x10000;
        appendUnit(out, 0xD800 + (c >> 10));
        c = 0xDC00 + (c & 0x3FF);
      }
    }
    appendUnit(out, c);
  }
  return out;
}

constexpr std::string_view kUtf16Bom = "\xFF\xFE";
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

std::optional<std::string> readBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

bool sameProfileName(std::wstring_view a, std::wstring_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (foldLetter(static_cast<char32_t>(a[i])) != foldLetter(static_cast<char32_t>(b[i]))) {
      return false;
    }
  }
  return true;
}

// --- ProfileText -----------------------------------------------------------------------------

ProfileText ProfileText::parse(std::string_view bytes) {
  ProfileText result;
  std::wstring text;
  if (bytes.starts_with(kUtf16Bom)) {
    result.encoding_ = ProfileEncoding::Utf16Le;
    text = decodeUtf16Le(bytes.substr(2));
  } else if (bytes.starts_with(kUtf8Bom)) {
    result.encoding_ = ProfileEncoding::Utf8Bom;
    text = fromUtf8(bytes.substr(3));
  } else {
    result.encoding_ = ProfileEncoding::Utf8;
    if (validUtf8(bytes)) {
      text = fromUtf8(bytes);
    } else {
      for (char c : bytes) text += static_cast<wchar_t>(static_cast<unsigned char>(c));
    }
  }
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t stop = text.find_first_of(L"\r\n", start);
    if (stop == std::wstring::npos) {
      result.lines_.push_back({text.substr(start), L""});
      break;
    }
    const std::size_t endLength =
        (text[stop] == L'\r' && stop + 1 < text.size() && text[stop + 1] == L'\n') ? 2 : 1;
    result.lines_.push_back({text.substr(start, stop - start), text.substr(stop, endLength)});
    start = stop + endLength;
  }
  return result;
}

std::string ProfileText::serialize() const {
  std::wstring text;
  for (const Line& line : lines_) text += line.text + line.end;
  switch (encoding_) {
    case ProfileEncoding::Utf16Le: return std::string(kUtf16Bom) + encodeUtf16Le(text);
    case ProfileEncoding::Utf8Bom: return std::string(kUtf8Bom) + toUtf8(text);
    case ProfileEncoding::Utf8: break;
  }
  return toUtf8(text);
}

bool ProfileText::findBlock(std::wstring_view section, Block& block) const {
  section = trim(section);
  std::wstring_view name;
  std::size_t i = 0;
  while (i < lines_.size() &&
         !(sectionName(lines_[i].text, name) && sameProfileName(name, section))) {
    ++i;
  }
  if (i == lines_.size()) return false;
  block = {i, i + 1, i + 1};
  std::wstring_view key, value;
  for (std::size_t j = i + 1; j < lines_.size() && !sectionName(lines_[j].text, name); ++j) {
    block.end = j + 1;
    if (keyLine(lines_[j].text, key, value)) block.afterKeys = j + 1;
  }
  return true;
}

bool ProfileText::findKey(const Block& block, std::wstring_view key, std::size_t& line) const {
  key = trim(key);
  std::wstring_view k, v;
  for (std::size_t j = block.header + 1; j < block.end; ++j) {
    if (keyLine(lines_[j].text, k, v) && sameProfileName(k, key)) {
      line = j;
      return true;
    }
  }
  return false;
}

std::wstring ProfileText::read(std::wstring_view section, std::wstring_view key,
                               std::size_t bufferSize) const {
  Block block{};
  std::size_t line = 0;
  if (bufferSize == 0 || !findBlock(section, block) || !findKey(block, key, line)) return {};
  std::wstring_view k, value;
  keyLine(lines_[line].text, k, value);
  if (value.size() >= 2 && (value.front() == L'"' || value.front() == L'\'') &&
      value.back() == value.front()) {
    value = value.substr(1, value.size() - 2);
  }
  return std::wstring(value.substr(0, bufferSize - 1));
}

bool ProfileText::write(std::wstring_view section, std::wstring_view key, std::wstring_view value) {
  section = trim(section);
  key = trim(key);
  std::wstring text = std::wstring(key) + L"=" + std::wstring(value);
  Block block{};
  if (!findBlock(section, block)) {
    if (!lines_.empty() && lines_.back().end.empty()) lines_.back().end = L"\r\n";
    lines_.push_back({L"[" + std::wstring(section) + L"]", L"\r\n"});
    lines_.push_back({std::move(text), L"\r\n"});
    return true;
  }
  std::size_t line = 0;
  if (findKey(block, key, line)) {
    std::wstring_view oldKey, oldValue;
    keyLine(lines_[line].text, oldKey, oldValue);
    text = std::wstring(oldKey) + L"=" + std::wstring(value);
    if (lines_[line].text == text) return false;
    lines_[line].text = std::move(text);
    return true;
  }
  const std::size_t at = block.afterKeys;
  if (lines_[at - 1].end.empty()) lines_[at - 1].end = L"\r\n";
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), Line{std::move(text), L"\r\n"});
  return true;
}

bool ProfileText::removeKey(std::wstring_view section, std::wstring_view key) {
  Block block{};
  std::size_t line = 0;
  if (!findBlock(section, block) || !findKey(block, key, line)) return false;
  lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(line));
  return true;
}

bool ProfileText::removeSection(std::wstring_view section) {
  Block block{};
  if (!findBlock(section, block)) return false;
  lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(block.header),
               lines_.begin() + static_cast<std::ptrdiff_t>(block.end));
  return true;
}

std::size_t ProfileText::sectionNames(wchar_t* buffer, std::size_t size) const {
  std::vector<std::wstring_view> names;
  std::wstring_view name;
  for (const Line& line : lines_) {
    if (sectionName(line.text, name) && !name.empty()) names.push_back(name);
  }
  return fillSectionNames(names, buffer, size);
}

std::size_t fillSectionNames(const std::vector<std::wstring_view>& names, wchar_t* buffer,
                             std::size_t size) {
  if (size == 0 || buffer == nullptr) return 0;
  if (size == 1) {
    buffer[0] = L'\0';
    return 0;
  }
  std::size_t at = 0;
  std::size_t room = size - 1;  // keeps one place for the closing NUL
  for (std::wstring_view name : names) {
    if (name.size() + 1 >= room) {
      // Cut: as much of the name as fits, then two NULs; the result is always size - 2.
      const std::size_t keep = room - 1;
      name.copy(buffer + at, keep);
      at += keep;
      buffer[at++] = L'\0';
      buffer[at] = L'\0';
      return size - 2;
    }
    name.copy(buffer + at, name.size());
    at += name.size();
    buffer[at++] = L'\0';
    room -= name.size() + 1;
  }
  buffer[at] = L'\0';
  if (at == 0 && size >= 2) buffer[1] = L'\0';
  return at;
}

// --- PortableProfile -------------------------------------------------------------------------

PortableProfile::PortableProfile(std::filesystem::path file) : path_(std::move(file)) {}
PortableProfile::~PortableProfile() = default;
PortableProfile::PortableProfile(const PortableProfile& other) : path_(other.path_) {}
PortableProfile& PortableProfile::operator=(const PortableProfile& other) {
  if (this != &other) {
    path_ = other.path_;
    cache_.reset();
  }
  return *this;
}

ProfileText* PortableProfile::current() const {
  auto bytes = readBytes(path_);
  if (!bytes) {
    cache_.reset();
    return nullptr;
  }
  if (!cache_ || *bytes != cachedBytes_) {
    cache_ = std::make_unique<ProfileText>(ProfileText::parse(*bytes));
    cachedBytes_ = std::move(*bytes);
  }
  return cache_.get();
}

template <class Edit>
bool PortableProfile::change(Edit edit, bool createMissing) {
  ProfileText* text = current();
  const bool missing = text == nullptr;
  if (missing) {
    if (!createMissing) return true;
    if (exists()) return false;  // there but unreadable
    cache_ = std::make_unique<ProfileText>();
    text = cache_.get();
  }
  if (!edit(*text) && !missing) return true;
  std::string bytes = text->serialize();
  std::error_code error;
  if (!replaceFileAtomically(path_, bytes, error)) {
    cache_.reset();  // the file is what it was: read it again next time
    return false;
  }
  cachedBytes_ = std::move(bytes);
  return true;
}

std::wstring PortableProfile::readString(std::wstring_view section, std::wstring_view key,
                                         std::size_t bufferSize) const {
  const ProfileText* text = current();
  return text ? text->read(section, key, bufferSize) : std::wstring();
}

bool PortableProfile::writeString(std::wstring_view section, std::wstring_view key,
                                  std::wstring_view value) {
  return change([&](ProfileText& text) { return text.write(section, key, value); }, true);
}

bool PortableProfile::deleteKey(std::wstring_view section, std::wstring_view key) {
  return change([&](ProfileText& text) { return text.removeKey(section, key); }, false);
}

bool PortableProfile::deleteSection(std::wstring_view section) {
  return change([&](ProfileText& text) { return text.removeSection(section); }, false);
}

std::size_t PortableProfile::sectionNames(wchar_t* buffer, std::size_t size) const {
  const ProfileText* text = current();
  return text ? text->sectionNames(buffer, size) : fillSectionNames({}, buffer, size);
}

bool PortableProfile::exists() const {
  std::error_code ec;
  return std::filesystem::is_regular_file(path_, ec);
}

}  // namespace k8
