#include "macros/macro_recorder.h"

#include <algorithm>
#include <vector>

#include "macros/macro_lines.h"

namespace k8 {

std::wstring hookInstallErrorText(unsigned long error) {
  return L"JournalRecordHook Install error code :" + std::to_wstring(error) + L"\n";
}

void MacroRecorder::show(const std::wstring& text, bool warning) const {
  if (message_) message_(text, warning ? texts_.warningCaption : texts_.appTitle);
}

void MacroRecorder::StartRecording(MacroLists& lists) {
  if (lists.names.empty()) {
    show(texts_.nameBlank, true);
    return;
  }
  show(texts_.startRecording, false);
  removeHook();
  lists.events.clear();
  lists.selectedEvent = -1;
  held_.clear();
  unsigned long error = 0;
  if (!host_.installHook(error)) {
    show(hookInstallErrorText(error), false);
    return;
  }
  hookInstalled_ = true;
  recording_ = true;
  firstEventAdded_ = false;
  host_.setTitle(texts_.recordingTitle);
}

void MacroRecorder::StopRecording() {
  // The hook goes before the box is shown: the key that closes the box is not the macro's.
  const bool wasHooked = hookInstalled_;
  removeHook();
  show(texts_.stopRecording, false);
  if (!recording_) {
    show(texts_.notStarted, true);
    return;
  }
  if (wasHooked) host_.sendRecorderMessage(RecorderKind::Stopped, false);
}

void MacroRecorder::removeHook() {
  if (!hookInstalled_) return;
  host_.removeHook();
  hookInstalled_ = false;
}

void MacroRecorder::onHookKey(std::wstring_view keyName, std::uint32_t keyData) {
  currentKeyName_ = std::wstring(keyName.substr(0, kKeyNameLimit));
  if (keyData & kReleaseBit) {
    host_.sendRecorderMessage(RecorderKind::KeyReleased, false);
    return;
  }
  const bool held = (keyData & kPreviousStateBit) != 0;
  if (held && currentKeyName_ == lastKeyName_) return;  // auto-repeat
  host_.sendRecorderMessage(RecorderKind::KeyPressed, !held);
}

void MacroRecorder::onRecorderMessage(RecorderKind kind, MacroLists& lists) {
  if (!lists.hasSelectedName()) return;
  switch (kind) {
    case RecorderKind::KeyPressed:
      if (firstEventAdded_) lists.events.emplace_back(kRecordedDelay);
      lists.events.push_back(pressLine(currentKeyName_));
      firstEventAdded_ = true;
      lastKeyName_ = currentKeyName_;
      if (std::find(held_.begin(), held_.end(), currentKeyName_) == held_.end())
        held_.push_back(currentKeyName_);
      break;
    case RecorderKind::KeyReleased: {
      const auto held = std::find(held_.begin(), held_.end(), currentKeyName_);
      if (held == held_.end()) return;
      held_.erase(held);
      lists.events.emplace_back(kRecordedDelay);
      lists.events.push_back(releaseLine(currentKeyName_));
      break;
    }
    default: return;
  }
  lists.selectedEvent = static_cast<int>(lists.events.size()) - 1;
}

bool insertMouseEvent(MacroLists& lists, std::wstring_view entry) {
  std::vector<std::wstring> lines;
  constexpr std::wstring_view kClick = L" Click";
  const std::size_t click = entry.find(kClick);
  if (click != std::wstring_view::npos) {
    const std::wstring_view button = entry.substr(0, click);
    lines = {pressLine(button), std::wstring(kRecordedDelay), releaseLine(button)};
  } else {
    lines = {std::wstring(entry)};
  }
  auto& events = lists.events;
  const int selected = lists.selectedEvent;
  if (selected < 0 || static_cast<std::size_t>(selected) >= events.size()) {
    if (!events.empty() || !lists.hasSelectedName()) return false;
    events = std::move(lines);
    events.emplace_back(kRecordedDelay);
    return true;
  }
  auto at = events.begin() + selected + 1;
  if (isEventLine(events[selected])) {
    at = events.insert(at, std::wstring(kRecordedDelay)) + 1;
    lists.selectedEvent = selected + 2;
    events.insert(at, lines.begin(), lines.end());
  } else {
    at = events.insert(at, lines.begin(), lines.end()) + static_cast<long>(lines.size());
    events.insert(at, std::wstring(kRecordedDelay));
    lists.selectedEvent = selected + 1;
  }
  return true;
}

bool replaceDelayLine(MacroLists& lists, std::size_t index, long delay,
                      std::wstring_view typedText) {
  if (index >= lists.events.size() || lists.events[index].find(L"ms") == std::wstring::npos) {
    return false;
  }
  lists.events[index] = delayLine(delay, typedText);
  lists.selectedEvent = static_cast<int>(index);
  return true;
}

}  // namespace k8
