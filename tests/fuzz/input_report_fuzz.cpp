// Whatever the mouse's input collection hands the reader (any length up to the reader's buffer,
// any bytes), and whatever the working copy holds, becomes a notice or nothing, never a read past
// a table.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "device/input_reader.h"
#include "i18n/notice.h"
#include "settings/mouse_settings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Byte 0: sensor type (the four known, two unknown); byte 1: the report length the input
  // collection claims; bytes 2-5: the stage levels; the rest: the report.
  if (size < 6) return 0;
  const int sensorType = data[0] % 6;
  const std::size_t claimed = data[1];
  k8::MouseSettings working{};
  std::memcpy(working.dpiLevel.data(), data + 2, working.dpiLevel.size());

  const std::uint8_t* report = data + 6;
  const std::size_t length = std::min({claimed, k8::kInputBufferSize, size - 6});
  const auto notice = k8::parseInputReport(report, length);
  if (!notice) return 0;
  for (int l = 0; l < k8::kLanguageCount; ++l) {
    (void)k8::noticeText(notice->kind, notice->value, static_cast<k8::Language>(l), sensorType,
                         working);
  }
  return 0;
}
