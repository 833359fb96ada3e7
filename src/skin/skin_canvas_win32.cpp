#include "skin/skin_canvas_win32.h"

#include <algorithm>

#include "pages/layout_table.h"
#include "platform/handles_win32.h"
#include "skin/display_scale_win32.h"
#include "skin/skin_image_win32.h"

namespace k8 {

namespace {

Rect drawnAt(int x, int y, SIZE size, int dpi) {
  return layout::scaled(Rect{x, y, x + size.cx, y + size.cy}, dpi);
}

}  // namespace

std::wstring SkinCanvas::imageKey(std::wstring_view name, int x, int y) {
  std::wstring key(name);
  if (dpi_ == 96) return key;
  auto it = sizes_.find(name);
  if (it == sizes_.end()) {
    const SkinImage natural(folder_ + key);
    it = sizes_.emplace(key, natural.ok() ? SIZE{natural.width(), natural.height()} : SIZE{0, 0})
             .first;
  }
  // Each edge is rounded on its own, so the size can differ by a pixel with the position.
  const Rect at = drawnAt(x, y, it->second, dpi_);
  return key + L'@' + std::to_wstring(at.width()) + L'x' + std::to_wstring(at.height());
}

const SkinImage* SkinCanvas::image(std::wstring_view name, int x, int y) {
  const std::wstring key = imageKey(name, x, y);
  auto it = images_.find(key);
  if (it == images_.end()) {
    std::unique_ptr<SkinImage> decoded;
    if (dpi_ == 96) {
      decoded = std::make_unique<SkinImage>(folder_ + std::wstring(name));
    } else if (const SIZE size = sizes_.find(name)->second; size.cx > 0) {
      const Rect at = drawnAt(x, y, size, dpi_);
      decoded =
          std::make_unique<SkinImage>(skinArtPath(folder_, name, dpi_), at.width(), at.height());
    }
    if (decoded && !decoded->ok()) decoded.reset();
    it = images_.emplace(key, std::move(decoded)).first;
  }
  return it->second.get();
}

void SkinCanvas::touched(Rect pixels) {
  if (pixels.width() <= 0 || pixels.height() <= 0) return;
  if (dirty_.width() <= 0) {
    dirty_ = pixels;
    return;
  }
  dirty_ = {std::min(dirty_.left, pixels.left), std::min(dirty_.top, pixels.top),
            std::max(dirty_.right, pixels.right), std::max(dirty_.bottom, pixels.bottom)};
}

// (x, y) in pixels.
bool SkinCanvas::blend(const SkinImage& image, int x, int y) {
  touched({x, y, x + image.width(), y + image.height()});
  const SelectedObject target(target_.get(), bitmap_);
  const SelectedObject source(source_.get(), image.bitmap());
  if (!target.ok() || !source.ok()) return false;
  if (image.hasAlpha()) {
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    return GdiAlphaBlend(target_.get(), x, y, image.width(), image.height(), source_.get(), 0, 0,
                         image.width(), image.height(), blend) != FALSE;
  }
  return BitBlt(target_.get(), x, y, image.width(), image.height(), source_.get(), 0, 0, SRCCOPY) !=
         FALSE;
}

const SkinImage* SkinCanvas::imageOrReport(std::wstring_view name, int x, int y) {
  const SkinImage* decoded = image(name, x, y);
  if (decoded == nullptr && onFailure_) onFailure_();
  return decoded;
}

bool SkinCanvas::baseFromBackground() {
  if (background_.empty()) return false;
  const SkinImage* back = image(background_, 0, 0);
  if (back == nullptr || back->hasAlpha()) return false;
  ownedBase_.reset();
  base_ = back->bitmap();
  baseIsImage_ = true;
  return true;
}

bool SkinCanvas::drawImage(std::wstring_view name, int x, int y) {
  if (bitmap_ == nullptr) return false;
  const SkinImage* decoded = imageOrReport(name, x, y);
  return decoded != nullptr && blend(*decoded, layout::scaled(x, dpi_), layout::scaled(y, dpi_));
}

bool SkinCanvas::drawBackground(std::wstring_view name) {
  // A window-sized image is kept for the shown page only.
  if (!background_.empty() && background_ != name) {
    forgetImageBase();
    if (const auto it = images_.find(imageKey(background_, 0, 0)); it != images_.end())
      images_.erase(it);
  }
  background_ = name;
  // An opaque background is itself the base: no copy of the whole window is made.
  if (bitmap_ != nullptr && baseFromBackground()) return blend(*image(name, 0, 0), 0, 0);
  const bool drawn = drawImage(name, 0, 0);
  keepAsBase();
  return drawn;
}

void SkinCanvas::keepAsBase() {
  baseIsImage_ = false;
  patches_.clear();
  ownedBase_.reset(copyBitmap(bitmap_));
  base_ = ownedBase_.get();
}

void SkinCanvas::releaseBackground() {
  if (!baseIsImage_) return;
  base_ = nullptr;
  baseIsImage_ = false;
  if (const auto it = images_.find(imageKey(background_, 0, 0)); it != images_.end())
    images_.erase(it);
}

HBITMAP SkinCanvas::patch(int x, int y, int width, int height) {
  const std::array<int, 4> key{x, y, width, height};
  if (const auto it = patches_.find(key); it != patches_.end()) return it->second.get();
  // The background was let go (after a page draw, or while the window was hidden): it is
  // decoded again for the piece.
  if (base_ == nullptr && !baseFromBackground()) return nullptr;
  // Made while the back buffer is selected, so the patch has its colours.
  UniqueBitmap piece(CreateCompatibleBitmap(target_.get(), width, height));
  const MemoryDc cut(target_.get());
  const SelectedObject into(cut.get(), piece.get());
  const SelectedObject out(source_.get(), base_);
  if (!into.ok() || !out.ok() ||
      !BitBlt(cut.get(), 0, 0, width, height, source_.get(), x, y, SRCCOPY))
    return nullptr;
  return patches_.emplace(key, std::move(piece)).first->second.get();
}

void SkinCanvas::restoreBase(int x, int y, int width, int height) {
  const SelectedObject target(target_.get(), bitmap_);
  if (!target.ok()) return;
  HBITMAP from = base_;
  int fromX = x;
  int fromY = y;
  // A base kept elsewhere, or copied from the window, is used as it is; the decoded page
  // background goes through its patches (or itself, when a patch could not be cut).
  if (baseIsImage_ || base_ == nullptr) {
    if (HBITMAP piece = patch(x, y, width, height)) {
      from = piece;
      fromX = 0;
      fromY = 0;
    } else {
      from = base_;
    }
  }
  if (from == nullptr) return;
  const SelectedObject source(source_.get(), from);
  if (source.ok()) BitBlt(target_.get(), x, y, width, height, source_.get(), fromX, fromY, SRCCOPY);
}

bool SkinCanvas::drawImageOnBase(std::wstring_view name, int x, int y) {
  if (bitmap_ == nullptr) return false;
  const SkinImage* decoded = imageOrReport(name, x, y);
  if (decoded == nullptr) return false;
  const int left = layout::scaled(x, dpi_), top = layout::scaled(y, dpi_);
  restoreBase(left, top, decoded->width(), decoded->height());
  return blend(*decoded, left, top);
}

void SkinCanvas::drawText(std::wstring_view text, Rect rect, FontKind font, TextAlign align) {
  if (bitmap_ == nullptr || text.empty()) return;
  const MemoryDc& memory = target_;
  const SelectedObject select(memory.get(), bitmap_);
  if (!select.ok()) return;
  HFONT chosen = font == FontKind::Bold && bold_ != nullptr ? bold_ : normal_;
  const SelectedObject selectFont(memory.get(), chosen);
  SetBkMode(memory.get(), TRANSPARENT);
  SetTextColor(memory.get(), textColour_);
  rect = layout::scaled(rect, dpi_);
  touched(rect);
  RECT r{rect.left, rect.top, rect.right, rect.bottom};
  if (align == TextAlign::CentreWrap) {
    // DT_VCENTER works on single lines only: measure the block, then centre it by hand.
    const UINT wrap = DT_WORDBREAK | DT_CENTER | DT_NOPREFIX;
    RECT measured = r;
    const int height = DrawTextW(memory.get(), text.data(), static_cast<int>(text.size()),
                                 &measured, wrap | DT_CALCRECT);
    r.top += (rect.height() - height) / 2;
    r.bottom = r.top + height;
    touched({r.left, r.top, r.right, r.bottom});
    DrawTextW(memory.get(), text.data(), static_cast<int>(text.size()), &r, wrap);
    return;
  }
  UINT flags = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
  flags |= align == TextAlign::Centre ? DT_CENTER : align == TextAlign::Right ? DT_RIGHT : DT_LEFT;
  DrawTextW(memory.get(), text.data(), static_cast<int>(text.size()), &r, flags);
}

void SkinCanvas::presentTo(HDC target, Rect part) const {
  if (bitmap_ == nullptr || target == nullptr) return;
  const MemoryDc& memory = target_;
  const SelectedObject select(memory.get(), bitmap_);
  if (!select.ok()) return;
  RECT client{};
  GetClientRect(window_, &client);
  // A hover repaint copies only its few images, not the whole window (four times the pixels at
  // 200 %).
  if (part.width() <= 0 || part.height() <= 0) part = {0, 0, client.right, client.bottom};
  // The buffer is kept in the skin's own format (24 bits when main.png has no alpha), the
  // screen has its own; the system converts through a scratch copy of what is blitted.
  // Copied in bands, that copy stays small and is reused: one window-sized scratch copy
  // would stay in the process's heap after it is freed.
  constexpr int kBandBytes = 64 * 1024;
  const int band = std::max(1, kBandBytes / (std::max(part.width(), 1) * 4));
  for (int top = part.top; top < part.bottom; top += band) {
    const int rows = std::min(band, part.bottom - top);
    BitBlt(target, part.left, top, part.width(), rows, memory.get(), part.left, top, SRCCOPY);
  }
}

void SkinCanvas::present() {
  if (bitmap_ == nullptr) return;
  const WindowDc window(window_);
  presentTo(window.get(), wholeDirty_ ? Rect{} : dirty_);
  dirty_ = {};
  wholeDirty_ = false;
  releaseBackground();
}

}  // namespace k8
