#pragma once
// The child-window seam of the pages and dialogs: page rules create, read and change their list
// boxes, labels and edits through it. The Windows side implements it with real child windows,
// tests with a fake that keeps the same state.

#include <string>
#include <string_view>
#include <vector>

#include "pages/geometry.h"

namespace k8 {

// Window styles a page asks for; the Windows side maps them to WS_/SS_/ES_/LBS_ bits.
enum ControlStyle : unsigned {
  kStyleNone = 0,
  kStyleBorder = 1u << 0,       // WS_BORDER
  kStyleNotify = 1u << 1,       // LBS_NOTIFY / SS_NOTIFY
  kStyleCentre = 1u << 2,       // SS_CENTER / ES_CENTER
  kStyleCentreImage = 1u << 3,  // SS_CENTERIMAGE: one line, vertically centred
  kStyleNumber = 1u << 4,       // ES_NUMBER
  kStyleSunken = 1u << 5,       // SS_SUNKEN / WS_EX_CLIENTEDGE
  kStyleVScroll = 1u << 6,      // WS_VSCROLL
};

// What a child control tells its parent (WM_COMMAND notification codes, portable).
enum class Notify { SelChange, DoubleClick, Change, KillFocus, SetFocus, Other };

inline constexpr int kNoItem = -1;

// What hot-tracking needs of a list: a sub-dialog's own drop list has this much of Controls.
class ListItems {
 public:
  virtual ~ListItems() = default;
  virtual int selection(int id) const = 0;
  virtual void setSelection(int id, int index) = 0;
  // The item under a point in the list's client coordinates; kNoItem below the last item.
  virtual int itemFromPoint(int id, Point p) const = 0;
};

class Controls : public ListItems {
 public:
  // Creating an id that exists replaces the old control.
  virtual void createListBox(int id, Rect rect, const std::vector<std::wstring>& items,
                             unsigned style) = 0;
  virtual void createLabel(int id, Rect rect, std::wstring_view text, unsigned style) = 0;
  virtual void createEdit(int id, Rect rect, std::wstring_view text, unsigned style) = 0;
  virtual bool exists(int id) const = 0;
  // Destroying a control that does not exist is a no-op.
  virtual void destroy(int id) = 0;

  // Lists. Every call on a missing control or item does nothing and answers kNoItem / "" / {}.
  virtual int itemCount(int id) const = 0;
  virtual std::wstring itemText(int id, int index) const = 0;
  // The item's rectangle in the list's client coordinates.
  virtual Rect itemRect(int id, int index) const = 0;
  virtual void addItem(int id, std::wstring_view text) = 0;
  // index past the end appends.
  virtual void insertItem(int id, int index, std::wstring_view text) = 0;
  virtual void deleteItem(int id, int index) = 0;
  virtual void clearItems(int id) = 0;

  // Any control.
  virtual Rect rect(int id) const = 0;  // in the parent's client coordinates
  virtual std::wstring text(int id) const = 0;
  virtual void setText(int id, std::wstring_view text) = 0;
  virtual void enable(int id, bool on) = 0;
  virtual bool enabled(int id) const = 0;
  virtual void focus(int id) = 0;
  // Repaints the control now (a swatch whose colour changed).
  virtual void invalidate(int id) = 0;
};

}  // namespace k8
