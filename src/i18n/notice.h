#pragma once
// What the notification-area balloon says when the mouse reports a switch made with its own
// buttons, or when it is missing. Pure: the caller shows the result (Shell_NotifyIconW with
// NIM_MODIFY, NIIF_INFO for both titles) and nothing here touches the system.
//
//   kind 5  report rate:  value 1, 2, 4, 8 -> "Switch report rate into 1000HZ" (500, 250, 125)
//   kind 7  DPI stage:    value 1-4 -> the stage text directly followed by the DPI value of
//                         that stage in the working copy, from the DPI scale of the sensor type
//                         (an unknown sensor type gives the stage text alone)
//   kind 8  key matrix:   value 1-4 -> "Switch to key matrix N"
//   kind 9  macro key:    value not 0 -> "Switch to macro key" directly followed by the value
//   kind 15 mouse missing: any value -> "The system did not detect the gaming mouse!"
//   kind 16 settings not delivered: any value -> the settings did not all reach the mouse
// Kinds 5-9 have the title "Info" and a time-out of 5000 ms; kind 15 has "Warning" and 100 ms,
// kind 16 "Warning" and 5000 ms.
// Every other kind or value gives no notice. Texts are in the given language, titles are not
// translated.

#include <cstdint>
#include <optional>
#include <string>

#include "device/notice_kind.h"
#include "i18n/language.h"
#include "settings/mouse_settings.h"

namespace k8 {

struct NoticeText {
  std::wstring title;
  std::wstring text;
  unsigned timeoutMs = 0;
};

std::optional<NoticeText> noticeText(NoticeKind kind, std::int64_t value, Language language,
                                     int sensorType, const MouseSettings& working);

}  // namespace k8
