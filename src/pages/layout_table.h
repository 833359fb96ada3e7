#pragma once
// Every rectangle of the main window and the sub-dialogs, in client pixels at 96 DPI. The rows
// are made from skins/layout.json at configure time (cmake/layout-table.cmake); the skin renderer
// and scripts/check-skins read the same file, so each rectangle is written in one place only.
// Windows: "pages" (both pages), "basic", "advanced", "dialogs" (every sub-dialog's frame) and
// one per sub-dialog. Names with numbers are written with '#' for each number.

#include <array>
#include <cstddef>
#include <initializer_list>
#include <iterator>
#include <span>
#include <string_view>

#include "pages/geometry.h"

namespace k8::layout {

struct Row {
  std::string_view window;
  std::string_view name;
  Rect rect;
};

inline constexpr Row kRows[] = {
#include "layout_rows.inc"
};

namespace detail {

// `name` is `pattern` with each '#' replaced by the decimal numbers in `numbers`, in order.
constexpr bool named(std::string_view name, std::string_view pattern,
                     std::span<const int> numbers) {
  std::size_t n = 0, k = 0;
  for (const char c : pattern) {
    if (c != '#') {
      if (n >= name.size() || name[n++] != c) return false;
      continue;
    }
    if (k >= numbers.size() || n >= name.size() || name[n] < '0' || name[n] > '9') return false;
    int value = 0;
    while (n < name.size() && name[n] >= '0' && name[n] <= '9')
      value = 10 * value + name[n++] - '0';
    if (value != numbers[k++]) return false;
  }
  return n == name.size() && k == numbers.size();
}

// The row's index, or kNone. An index and not a pointer: a sanitizing build cannot compare
// pointers to the table in a constant expression.
inline constexpr std::size_t kNone = static_cast<std::size_t>(-1);
constexpr std::size_t find(std::string_view window, std::string_view pattern,
                           std::span<const int> numbers) {
  for (std::size_t i = 0; i < std::size(kRows); ++i)
    if (kRows[i].window == window && named(kRows[i].name, pattern, numbers)) return i;
  return kNone;
}

}  // namespace detail

// The rectangle named `pattern` (its '#' filled from `numbers`); the empty rectangle when the
// table has no such row, which a rule then never hits.
constexpr Rect at(std::string_view window, std::string_view pattern,
                  std::initializer_list<int> numbers = {}) {
  const std::size_t row = detail::find(window, pattern, {numbers.begin(), numbers.size()});
  return row != detail::kNone ? kRows[row].rect : Rect{};
}

// The same, where the row must exist: a name missing from the table does not compile.
consteval Rect rect(std::string_view window, std::string_view pattern,
                    std::initializer_list<int> numbers = {}) {
  const std::size_t row = detail::find(window, pattern, {numbers.begin(), numbers.size()});
  if (row == detail::kNone) throw "no such row in skins/layout.json";
  return kRows[row].rect;
}

// Rows numbered 1..N: series<8>("basic", "function box #")[k - 1] is box k.
template <int N>
consteval std::array<Rect, N> series(std::string_view window, std::string_view pattern) {
  std::array<Rect, N> out{};
  for (int i = 1; i <= N; ++i) out[i - 1] = rect(window, pattern, {i});
  return out;
}

// Rows numbered 1..R and 1..C: grid<4, 12>("basic", "DPI stage # level #")[s - 1][n - 1].
template <int R, int C>
consteval std::array<std::array<Rect, C>, R> grid(std::string_view window,
                                                  std::string_view pattern) {
  std::array<std::array<Rect, C>, R> out{};
  for (int r = 1; r <= R; ++r)
    for (int c = 1; c <= C; ++c) out[r - 1][c - 1] = rect(window, pattern, {r, c});
  return out;
}

// A coordinate of the table at `dpi` (96 leaves it as it is): rounded to the nearest pixel,
// halves upward, the same way for every edge, so that rectangles that meet at 96 DPI still meet.
constexpr int scaled(int v, int dpi) {
  const long long twice = 2LL * v * dpi + 96;  // 2 * (v * dpi / 96 + 1/2) * 96
  const long long q = twice >= 0 ? twice / 192 : -((-twice + 191) / 192);  // floor
  return static_cast<int>(q);
}
constexpr Rect scaled(Rect r, int dpi) {
  return {scaled(r.left, dpi), scaled(r.top, dpi), scaled(r.right, dpi), scaled(r.bottom, dpi)};
}

// The table coordinate of a pixel at `dpi`: the largest v with scaled(v, dpi) <= p, so that a
// point lies in a rectangle of the table exactly when its pixel lies in the scaled rectangle.
constexpr int unscaled(int p, int dpi) {
  if (dpi <= 0) return p;
  int v = static_cast<int>((static_cast<long long>(p) * 96) / dpi);
  while (scaled(v + 1, dpi) <= p) ++v;
  while (v > -(1 << 30) && scaled(v, dpi) > p) --v;
  return v;
}
constexpr Point unscaled(Point p, int dpi) { return {unscaled(p.x, dpi), unscaled(p.y, dpi)}; }
constexpr Rect unscaled(Rect r, int dpi) {
  return {unscaled(r.left, dpi), unscaled(r.top, dpi), unscaled(r.right, dpi),
          unscaled(r.bottom, dpi)};
}

}  // namespace k8::layout
