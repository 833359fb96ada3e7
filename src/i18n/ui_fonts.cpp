#include "i18n/ui_fonts.h"

namespace k8 {
namespace {

constexpr UiFonts kHeiti{{L"黑体", 13, 400}, {L"黑体", 18, 700}};
constexpr UiFonts kSongti{{L"宋体", 13, 400}, {L"宋体", 18, 700}};
constexpr UiFonts kLatin{{L"Arial", 14, 400}, {L"Tahoma", 18, 700}};

}  // namespace

UiFonts uiFontsFor(Language language, unsigned majorVersion, unsigned minorVersion) {
  switch (language) {
    case Language::SimplifiedChinese:
      return majorVersion == 6 && minorVersion == 2 ? kHeiti : kSongti;
    case Language::TraditionalChinese: return kHeiti;
    case Language::English:
    case Language::Turkish: break;
  }
  return kLatin;
}

}  // namespace k8
