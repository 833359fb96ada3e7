#pragma once
// The Controls seam over real child windows of one parent, made with the page's normal font.

#include <windows.h>

#include <map>

#include "pages/canvas.h"

namespace k8 {

class ChildControls : public Controls {
 public:
  explicit ChildControls(HWND parent = nullptr) : parent_(parent) {}
  ~ChildControls() override;
  ChildControls(const ChildControls&) = delete;
  ChildControls& operator=(const ChildControls&) = delete;

  void setParent(HWND parent) { parent_ = parent; }
  void setFont(HFONT font) { font_ = font; }
  HWND window(int id) const;

  void createListBox(int id, Rect rect, const std::vector<std::wstring>& items) override;
  void createLabel(int id, Rect rect, std::wstring_view text) override;
  void createEdit(int id, Rect rect, std::wstring_view text) override;
  bool exists(int id) const override { return window(id) != nullptr; }
  void destroy(int id) override;

 private:
  HWND make(int id, const wchar_t* cls, DWORD style, Rect rect, const std::wstring& text);
  HWND parent_;
  HFONT font_ = nullptr;
  std::map<int, HWND> children_;
};

}  // namespace k8
