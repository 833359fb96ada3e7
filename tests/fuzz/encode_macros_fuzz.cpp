// Any bytes as record.ini: EncodeMacros must stay inside the twelve images and leave the rest
// of the settings record alone.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "macros/macro_encoder.h"
#include "macros/macro_file.h"
#include "platform/profile_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const k8::MemoryProfile file(std::string_view(reinterpret_cast<const char*>(data), size));
  k8::MouseSettings settings;
  std::memset(&settings, 0x5A, sizeof settings);
  k8::MouseSettings before = settings;
  k8::EncodeMacros(file, settings);

  constexpr std::size_t kImagesBegin = offsetof(k8::MouseSettings, macroImages);
  constexpr std::size_t kImagesEnd = kImagesBegin + sizeof settings.macroImages;
  const auto* a = reinterpret_cast<const std::uint8_t*>(&settings);
  const auto* b = reinterpret_cast<const std::uint8_t*>(&before);
  if (std::memcmp(a, b, kImagesBegin) != 0) std::abort();
  if (std::memcmp(a + kImagesEnd, b + kImagesEnd, sizeof settings - kImagesEnd) != 0) std::abort();

  // Every name the encoder saw stays within the list limit, and a cut never leaves a half step.
  std::size_t listed = 0;
  for (const auto& name : k8::listMacroNames(file)) listed += name.size() + 1;
  if (listed > k8::kMacroNameListLimit) std::abort();
  return 0;
}
