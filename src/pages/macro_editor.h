#pragma once
// The macro editor of the Advanced page: the macro list and the key-press sequence of the
// selected macro, New / Delete / Confirm over record.ini, the loop count, recording from the
// keyboard, inserting mouse events and editing delays. The macro store and the recorder work on
// a model of the two lists (MacroLists); this class keeps the child controls showing it.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "macros/macro_recorder.h"
#include "macros/macro_store.h"
#include "pages/control_ids.h"
#include "pages/controls.h"
#include "pages/page_model.h"

namespace k8 {

class MacroEditor {
 public:
  MacroEditor(PageModel& model, PageHost& host, Controls& controls, ProfileFile& recordIni,
              RecorderHost& recorderHost);

  // The page is shown: children made and filled from record.ini.
  void createChildren();
  // The page is left: children and the recording hook go.
  void destroyChildren();
  bool hasChildren() const { return controls_.exists(kMacroListId); }

  void newMacro();
  void deleteMacro();
  void confirmMacro();
  void startRecording();
  void stopRecording();
  void insertBoxClick();
  // A click outside the insert box and its open list closes the list.
  void dismiss(Point p);
  void command(int id, Notify code);
  // The pointer over the sequence list or the open insert list selects the line under it.
  void hover(int id, Point p);
  // The sequence list's popup "Delete": only the selected line goes.
  void deleteSelectedLine();

  // The keyboard hook, for one key: its name and the hook's lParam.
  void onHookKey(std::wstring_view keyName, std::uint32_t keyData);
  // The recorder message (WM_RECORDER_KEY) reached the window.
  void onRecorderMessage(RecorderKind kind);
  bool recording() const { return recorder_.hookInstalled(); }

 private:
  void pull();  // controls -> lists_ (selections, name field)
  void push();  // lists_ -> controls
  void showLoopCount(int image);
  void loopTimesChanged();

  PageModel& model_;
  PageHost& host_;
  Controls& controls_;
  MacroLists lists_;
  MacroStore store_;
  MacroRecorder recorder_;
  std::vector<std::wstring> shownNames_, shownEvents_;
};

}  // namespace k8
