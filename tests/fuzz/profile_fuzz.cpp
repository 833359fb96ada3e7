// Any bytes as a profile file: reading, listing into buffers of every small size, and a write
// that must read back the same, before and after the file is stored and parsed again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

#include "platform/profile_text.h"

namespace {

void check(bool ok) {
  if (!ok) std::abort();
}

// Names and values of plain characters picked from the input, so a write has a known result.
std::wstring pick(const std::uint8_t* data, std::size_t size, std::size_t at, wchar_t lead) {
  std::wstring s(1, lead);
  s += static_cast<wchar_t>(L'0' + (size ? data[at % size] % 10 : 0));
  return s;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  k8::ProfileText text = k8::ProfileText::parse(bytes);

  for (std::size_t bufferSize : {std::size_t{0}, std::size_t{1}, std::size_t{2}, std::size_t{5},
                                 std::size_t{64}, std::size_t{1024}}) {
    // Exactly sized heap buffers: the sanitizer sees any write past the end.
    std::unique_ptr<wchar_t[]> buffer(bufferSize ? new wchar_t[bufferSize] : nullptr);
    const std::size_t n = text.sectionNames(buffer.get(), bufferSize);
    if (bufferSize >= 2) {
      check(n <= bufferSize - 2);
      check(buffer[n] == L'\0' &&
            (n == 0 ? buffer[1] == L'\0' : buffer[n - 1] == L'\0' || n == bufferSize - 2));
    } else {
      check(n == 0);
    }
    check(text.read(L"S1", L"K1", bufferSize).size() + 1 <= std::max<std::size_t>(bufferSize, 1));
  }

  const std::wstring section = pick(data, size, 0, L'S');
  const std::wstring key = pick(data, size, 1, L'K');
  const std::wstring value = pick(data, size, 2, L'v') + L" value";
  text.write(section, key, value);
  check(text.read(section, key, 1024) == value);
  const k8::ProfileText again = k8::ProfileText::parse(text.serialize());
  check(again.read(section, key, 1024) == value);

  text.removeKey(section, key);
  text.removeSection(section);
  (void)text.serialize();
  return 0;
}
