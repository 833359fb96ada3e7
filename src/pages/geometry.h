#pragma once
// Client-area geometry of the skinned windows: fixed pixels, right and bottom exclusive.

namespace k8 {

struct Point {
  int x = 0;
  int y = 0;
};

struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  constexpr bool contains(Point p) const {
    return left <= p.x && p.x < right && top <= p.y && p.y < bottom;
  }
  constexpr int width() const { return right - left; }
  constexpr int height() const { return bottom - top; }
  constexpr bool operator==(const Rect&) const = default;
};

struct Colour {
  unsigned char r = 0;
  unsigned char g = 0;
  unsigned char b = 0;
  constexpr bool operator==(const Colour&) const = default;
};

}  // namespace k8
