#pragma once
// The Controls seam over real child windows of one parent, made with the page's normal font.

#include <windows.h>

#include <map>

#include "pages/controls.h"

namespace k8 {

// The portable name of a child's WM_COMMAND notification code.
Notify notifyOf(WORD code);

class ChildControls : public Controls {
 public:
  explicit ChildControls(HWND parent = nullptr) : parent_(parent) {}
  ~ChildControls() override;
  ChildControls(const ChildControls&) = delete;
  ChildControls& operator=(const ChildControls&) = delete;

  void setFont(HFONT font) { font_ = font; }
  // Rectangles and points of the seam are in 96-DPI units, the children at `dpi`: existing ones
  // move to their places at the new scale and take the font set last.
  void setDpi(int dpi);
  HWND window(int id) const;

  void createListBox(int id, Rect rect, const std::vector<std::wstring>& items,
                     unsigned style) override;
  void createLabel(int id, Rect rect, std::wstring_view text, unsigned style) override;
  void createEdit(int id, Rect rect, std::wstring_view text, unsigned style) override;
  bool exists(int id) const override { return window(id) != nullptr; }
  void destroy(int id) override;

  int selection(int id) const override;
  void setSelection(int id, int index) override;
  int itemCount(int id) const override;
  std::wstring itemText(int id, int index) const override;
  Rect itemRect(int id, int index) const override;
  int itemFromPoint(int id, Point p) const override;
  void addItem(int id, std::wstring_view text) override;
  void insertItem(int id, int index, std::wstring_view text) override;
  void deleteItem(int id, int index) override;
  void clearItems(int id) override;

  Rect rect(int id) const override;
  std::wstring text(int id) const override;
  void setText(int id, std::wstring_view text) override;
  void enable(int id, bool on) override;
  bool enabled(int id) const override;
  void focus(int id) override;
  void invalidate(int id) override;

 private:
  HWND make(int id, const wchar_t* cls, DWORD style, DWORD exStyle, Rect rect,
            const std::wstring& text);
  LRESULT send(int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
  HWND parent_;
  HFONT font_ = nullptr;
  int dpi_ = 96;
  std::map<int, HWND> children_;
  std::map<int, Rect> places_;  // where each child was asked for, in 96-DPI units
};

}  // namespace k8
