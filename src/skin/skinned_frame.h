#pragma once
// The rules every skinned sub-dialog shares: its fixed button and drop-down areas, hover images of
// OK/Cancel/close (by the pages' hover rules), the clicks that end it, and the drop-down field with
// its list. Drawing goes through Canvas and the window through FrameHost, so the rules are tested
// without a window.

#include <functional>
#include <string>
#include <vector>

#include "pages/canvas.h"
#include "pages/hover.h"
#include "pages/layout_table.h"

namespace k8 {

inline constexpr Rect kFrameOk = layout::rect("dialogs", "OK");
inline constexpr Rect kFrameCancel = layout::rect("dialogs", "Cancel");
inline constexpr Rect kFrameClose = layout::rect("dialogs", "close");
// The common drop-down field, where the media, Windows, macro and skins dialogs have it.
inline constexpr Rect kDropField = layout::rect("media-key", "drop-down field");
inline constexpr Rect kValueDisplay = layout::rect("media-key", "value display");

enum class DialogResult { Ok, Cancel };

class FrameHost {
 public:
  virtual ~FrameHost() = default;
  virtual void trackHover() = 0;
  virtual void endDialog(DialogResult result) = 0;
  virtual bool listExists() const = 0;
  virtual void createList(Rect rect, const std::vector<std::wstring>& items) = 0;
  virtual void destroyList() = 0;
  virtual void setValueText(const std::wstring& text) = 0;
  virtual void scrollList(bool down) = 0;  // one line
  // The drop list was opened or closed (by a choice, its field or a click elsewhere).
  virtual void listShown(bool /*open*/) {}
};

class SkinnedFrame {
 public:
  SkinnedFrame(Canvas& canvas, FrameHost& host) : canvas_(canvas), host_(host) {}

  void setCaptions(std::wstring ok, std::wstring cancel);
  // The drop-down field's items and where its list lies when open; no items: the dialog has no
  // field.
  void setDropDown(std::vector<std::wstring> items, Rect list);
  // A field elsewhere than the common one (the combo and fire-key dialogs).
  void setDropGeometry(Rect field, Rect list);
  // Items read each time the list opens (macro names, skin folders); the field exists even
  // when there are none.
  void setItemSource(std::function<std::vector<std::wstring>()> source);
  void setWheelScrolls(bool on) { wheelScrolls_ = on; }

  // OK, Cancel (with captions) and close in their normal images, none of them over any more; the
  // caller presents.
  void paintButtons();
  void mouseMove(Point p);
  void mouseHover(Point p);
  void click(Point p);
  // The open list reported a choice (index -1: no selection).
  void listChosen(int index, const std::wstring& text);
  void wheel(int delta);

  int selectedIndex() const { return selected_; }
  const std::wstring& valueText() const { return value_; }
  void setValue(int index, std::wstring text);
  bool listOpen() const { return listOpen_; }
  // Control::Ok, Control::Cancel or Control::Close shows its over image.
  bool isOver(Control control) const { return hover_.isOver(control); }

 private:
  // OK and Cancel are one group, as the main window's push buttons are.
  std::vector<HoverItem> hoverItems() const;
  void closeList();

  Canvas& canvas_;
  FrameHost& host_;
  std::wstring ok_ = L"OK";
  std::wstring cancel_ = L"Cancel";
  std::vector<std::wstring> items_;
  std::function<std::vector<std::wstring>()> itemSource_;
  bool hasField_ = false;
  Rect field_ = kDropField;
  Rect list_;
  bool wheelScrolls_ = false;
  int selected_ = 0;
  std::wstring value_;
  bool listOpen_ = false;
  HoverState hover_;
};

}  // namespace k8
