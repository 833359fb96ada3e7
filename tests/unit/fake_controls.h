#pragma once
// An in-memory Controls: it keeps what real child windows would (items, selection, text,
// enabled, focus), so a test can click a list item and read what the page stored.

#include <map>
#include <string>
#include <vector>

#include "pages/controls.h"

namespace k8::testing {

class FakeControls : public Controls {
 public:
  enum class Kind { List, Label, Edit };
  struct Child {
    Kind kind;
    Rect rect;
    unsigned style = 0;
    std::vector<std::wstring> items;
    int selection = kNoItem;
    std::wstring text;
    bool enabled = true;
    int invalidated = 0;
  };
  static constexpr int kItemHeight = 16;

  std::map<int, Child> children;
  int focused = 0;
  std::vector<int> created;  // ids in creation order

  void createListBox(int id, Rect r, const std::vector<std::wstring>& items,
                     unsigned style) override {
    Child c{};
    c.kind = Kind::List;
    c.rect = r;
    c.style = style;
    c.items = items;
    children[id] = c;
    created.push_back(id);
  }
  void createLabel(int id, Rect r, std::wstring_view text, unsigned style) override {
    children[id] = make(Kind::Label, r, text, style);
    created.push_back(id);
  }
  void createEdit(int id, Rect r, std::wstring_view text, unsigned style) override {
    children[id] = make(Kind::Edit, r, text, style);
    created.push_back(id);
  }
  bool exists(int id) const override { return children.count(id) != 0; }
  void destroy(int id) override {
    children.erase(id);
    if (focused == id) focused = 0;
  }

  int selection(int id) const override {
    const Child* c = find(id);
    return c ? c->selection : kNoItem;
  }
  void setSelection(int id, int index) override {
    if (Child* c = find(id)) c->selection = inRange(*c, index) ? index : kNoItem;
  }
  int itemCount(int id) const override {
    const Child* c = find(id);
    return c ? static_cast<int>(c->items.size()) : 0;
  }
  std::wstring itemText(int id, int index) const override {
    const Child* c = find(id);
    return c && inRange(*c, index) ? c->items[static_cast<std::size_t>(index)] : std::wstring();
  }
  Rect itemRect(int id, int index) const override {
    const Child* c = find(id);
    if (!c || !inRange(*c, index)) return {};
    return {0, index * kItemHeight, c->rect.width(), (index + 1) * kItemHeight};
  }
  int itemFromPoint(int id, Point p) const override {
    const Child* c = find(id);
    if (!c || p.y < 0 || p.x < 0) return kNoItem;
    const int i = p.y / kItemHeight;
    return inRange(*c, i) ? i : kNoItem;
  }
  void addItem(int id, std::wstring_view text) override {
    if (Child* c = find(id)) c->items.emplace_back(text);
  }
  void insertItem(int id, int index, std::wstring_view text) override {
    Child* c = find(id);
    if (!c) return;
    if (index < 0 || index >= static_cast<int>(c->items.size()))
      c->items.emplace_back(text);
    else
      c->items.emplace(c->items.begin() + index, text);
  }
  void deleteItem(int id, int index) override {
    Child* c = find(id);
    if (!c || !inRange(*c, index)) return;
    c->items.erase(c->items.begin() + index);
    if (c->selection >= static_cast<int>(c->items.size()) || c->selection == index)
      c->selection = kNoItem;
  }
  void clearItems(int id) override {
    if (Child* c = find(id)) {
      c->items.clear();
      c->selection = kNoItem;
    }
  }
  Rect rect(int id) const override {
    const Child* c = find(id);
    return c ? c->rect : Rect{};
  }
  std::wstring text(int id) const override {
    const Child* c = find(id);
    return c ? c->text : std::wstring();
  }
  void setText(int id, std::wstring_view text) override {
    if (Child* c = find(id)) c->text = text;
  }
  void enable(int id, bool on) override {
    if (Child* c = find(id)) c->enabled = on;
  }
  bool enabled(int id) const override {
    const Child* c = find(id);
    return c && c->enabled;
  }
  void focus(int id) override {
    if (exists(id)) focused = id;
  }
  void invalidate(int id) override {
    if (Child* c = find(id)) ++c->invalidated;
  }

 private:
  static Child make(Kind kind, Rect r, std::wstring_view text, unsigned style) {
    Child c{};
    c.kind = kind;
    c.rect = r;
    c.style = style;
    c.text = text;
    return c;
  }
  static bool inRange(const Child& c, int i) {
    return i >= 0 && i < static_cast<int>(c.items.size());
  }
  Child* find(int id) {
    const auto it = children.find(id);
    return it == children.end() ? nullptr : &it->second;
  }
  const Child* find(int id) const {
    const auto it = children.find(id);
    return it == children.end() ? nullptr : &it->second;
  }
};

}  // namespace k8::testing
