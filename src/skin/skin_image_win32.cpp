#include "skin/skin_image_win32.h"

#include <objidl.h>

#include <algorithm>
#include <span>
#include <vector>

namespace Gdiplus {
using std::max;
using std::min;
}  // namespace Gdiplus
#include <gdiplus.h>

#include "platform/system_library_win32.h"
#include "skin/premultiply.h"

namespace k8 {
namespace {

using namespace Gdiplus::DllExports;
using Gdiplus::GdiplusShutdown;
using Gdiplus::GdiplusStartup;

// GDI+ comes from the system folder on first use; without it nothing decodes, and every image
// fails as a missing file does.
#define K8_GDIPLUS(function, ...) \
  K8_SYSTEM_CALL(L"gdiplus.dll", function, Gdiplus::GdiplusNotInitialized, __VA_ARGS__)

// Larger images are refused before any memory is taken for them.
constexpr UINT kMaxSide = 8192;

struct LibraryState {
  CRITICAL_SECTION lock;
  int count = 0;
  ULONG_PTR token = 0;
  LibraryState() { InitializeCriticalSection(&lock); }
};

LibraryState& library() {
  static LibraryState state;
  return state;
}

class Locked {
 public:
  Locked() { EnterCriticalSection(&library().lock); }
  ~Locked() { LeaveCriticalSection(&library().lock); }
  Locked(const Locked&) = delete;
  Locked& operator=(const Locked&) = delete;
};

class GdipBitmap {
 public:
  explicit GdipBitmap(const std::wstring& path) {
    if (K8_GDIPLUS(GdipCreateBitmapFromFile, path.c_str(), &bitmap_) != Gdiplus::Ok)
      bitmap_ = nullptr;
  }
  explicit GdipBitmap(Gdiplus::GpBitmap* owned) : bitmap_(owned) {}
  ~GdipBitmap() {
    if (bitmap_ != nullptr) K8_GDIPLUS(GdipDisposeImage, bitmap_);
  }
  GdipBitmap(const GdipBitmap&) = delete;
  GdipBitmap& operator=(const GdipBitmap&) = delete;
  Gdiplus::GpBitmap* get() const { return bitmap_; }

 private:
  Gdiplus::GpBitmap* bitmap_ = nullptr;
};

bool paletteHasAlpha(Gdiplus::GpBitmap* bitmap) {
  INT size = 0;
  if (K8_GDIPLUS(GdipGetImagePaletteSize, bitmap, &size) != Gdiplus::Ok ||
      size < static_cast<INT>(sizeof(Gdiplus::ColorPalette)))
    return false;
  std::vector<unsigned char> buffer(static_cast<std::size_t>(size));
  auto* palette = reinterpret_cast<Gdiplus::ColorPalette*>(buffer.data());
  if (K8_GDIPLUS(GdipGetImagePalette, bitmap, palette, size) != Gdiplus::Ok) return false;
  return (palette->Flags & Gdiplus::PaletteFlagsHasAlpha) != 0;
}

// `source` redrawn at width x height with a high-quality filter; the edge pixels are mirrored
// outwards so that the filter does not fade the border. Null on failure.
Gdiplus::GpBitmap* resized(Gdiplus::GpBitmap* source, UINT sourceWidth, UINT sourceHeight,
                           UINT width, UINT height, Gdiplus::PixelFormat format) {
  Gdiplus::GpBitmap* out = nullptr;
  if (K8_GDIPLUS(GdipCreateBitmapFromScan0, static_cast<INT>(width), static_cast<INT>(height), 0,
                 format, nullptr, &out) != Gdiplus::Ok)
    return nullptr;
  Gdiplus::GpGraphics* graphics = nullptr;
  Gdiplus::GpImageAttributes* attributes = nullptr;
  bool drawn = false;
  if (K8_GDIPLUS(GdipGetImageGraphicsContext, reinterpret_cast<Gdiplus::GpImage*>(out),
                 &graphics) == Gdiplus::Ok &&
      K8_GDIPLUS(GdipCreateImageAttributes, &attributes) == Gdiplus::Ok) {
    K8_GDIPLUS(GdipSetCompositingMode, graphics, Gdiplus::CompositingModeSourceCopy);
    K8_GDIPLUS(GdipSetInterpolationMode, graphics, Gdiplus::InterpolationModeHighQualityBicubic);
    K8_GDIPLUS(GdipSetPixelOffsetMode, graphics, Gdiplus::PixelOffsetModeHalf);
    K8_GDIPLUS(GdipSetImageAttributesWrapMode, attributes, Gdiplus::WrapModeTileFlipXY, 0, FALSE);
    drawn =
        K8_GDIPLUS(GdipDrawImageRectRectI, graphics, reinterpret_cast<Gdiplus::GpImage*>(source), 0,
                   0, static_cast<INT>(width), static_cast<INT>(height), 0, 0,
                   static_cast<INT>(sourceWidth), static_cast<INT>(sourceHeight),
                   Gdiplus::UnitPixel, attributes, nullptr, nullptr) == Gdiplus::Ok;
  }
  if (attributes != nullptr) K8_GDIPLUS(GdipDisposeImageAttributes, attributes);
  if (graphics != nullptr) K8_GDIPLUS(GdipDeleteGraphics, graphics);
  if (!drawn) {
    K8_GDIPLUS(GdipDisposeImage, reinterpret_cast<Gdiplus::GpImage*>(out));
    return nullptr;
  }
  return out;
}

}  // namespace

void ImageLibrary::acquire() {
  Locked locked;
  LibraryState& s = library();
  if (s.token == 0) {
    // GDI+ may load the system's image codecs later, by name and past the program's search
    // rules (Wine does, and the codecs' own imports follow): loaded first from the system
    // folder, they are found already in place.
    systemLibrary(L"windowscodecs.dll");
    Gdiplus::GdiplusStartupInput input;
    if (K8_GDIPLUS(GdiplusStartup, &s.token, &input, nullptr) != Gdiplus::Ok) s.token = 0;
  }
  ++s.count;
}

void ImageLibrary::release() {
  Locked locked;
  LibraryState& s = library();
  if (s.count > 0) --s.count;
  if (s.count == 0 && s.token != 0) {
    K8_GDIPLUS(GdiplusShutdown, s.token);
    s.token = 0;
  }
}

int ImageLibrary::liveImages() {
  Locked locked;
  return library().count;
}

bool ImageLibrary::running() {
  Locked locked;
  return library().token != 0;
}

SkinImage::SkinImage(const std::wstring& path, int wantWidth, int wantHeight) {
  ImageLibrary::acquire();
  GdipBitmap decoded(path);
  if (decoded.get() == nullptr) return;
  UINT width = 0, height = 0;
  Gdiplus::PixelFormat format = 0;
  auto* image = reinterpret_cast<Gdiplus::GpImage*>(decoded.get());
  if (K8_GDIPLUS(GdipGetImageWidth, image, &width) != Gdiplus::Ok ||
      K8_GDIPLUS(GdipGetImageHeight, image, &height) != Gdiplus::Ok ||
      K8_GDIPLUS(GdipGetImagePixelFormat, image, &format) != Gdiplus::Ok)
    return;
  if (width == 0 || height == 0 || width > kMaxSide || height > kMaxSide) return;

  const bool alpha = Gdiplus::IsAlphaPixelFormat(format) ||
                     (Gdiplus::IsIndexedPixelFormat(format) && paletteHasAlpha(decoded.get()));
  const bool rgb24 = !alpha && format == PixelFormat24bppRGB;
  const WORD bits = rgb24 ? 24 : 32;
  const Gdiplus::PixelFormat lockAs =
      alpha ? PixelFormat32bppARGB : (rgb24 ? PixelFormat24bppRGB : PixelFormat32bppRGB);

  // Art for another display scale is made from this one when the skin has none of its own.
  // Art made for the scale may differ by a pixel where an edge was rounded the other way: it
  // is drawn as it is rather than blurred by a redraw.
  const auto off = [](int want, UINT have) { return want - static_cast<int>(have); };
  const bool resize = wantWidth > 0 && wantHeight > 0 &&
                      (off(wantWidth, width) > 1 || off(wantWidth, width) < -1 ||
                       off(wantHeight, height) > 1 || off(wantHeight, height) < -1);
  if (resize && (wantWidth > static_cast<int>(kMaxSide) || wantHeight > static_cast<int>(kMaxSide)))
    return;
  const GdipBitmap scaledCopy(resize ? resized(decoded.get(), width, height,
                                               static_cast<UINT>(wantWidth),
                                               static_cast<UINT>(wantHeight), lockAs)
                                     : nullptr);
  if (resize) {
    if (scaledCopy.get() == nullptr) return;
    width = static_cast<UINT>(wantWidth);
    height = static_cast<UINT>(wantHeight);
  }
  Gdiplus::GpBitmap* const source = resize ? scaledCopy.get() : decoded.get();

  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = static_cast<LONG>(width);
  info.bmiHeader.biHeight = -static_cast<LONG>(height);  // top-down, like GDI+ rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = bits;
  info.bmiHeader.biCompression = BI_RGB;
  void* pixels = nullptr;
  UniqueBitmap dib(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0));
  if (!dib || pixels == nullptr) return;
  const UINT stride = (width * bits / 8 + 3) & ~3u;

  Gdiplus::BitmapData data{};
  data.Width = width;
  data.Height = height;
  data.Stride = static_cast<INT>(stride);
  data.PixelFormat = lockAs;
  data.Scan0 = pixels;
  const Gdiplus::GpRect all(0, 0, static_cast<INT>(width), static_cast<INT>(height));
  if (K8_GDIPLUS(GdipBitmapLockBits, source, &all,
                 Gdiplus::ImageLockModeRead | Gdiplus::ImageLockModeUserInputBuf, lockAs,
                 &data) != Gdiplus::Ok)
    return;
  K8_GDIPLUS(GdipBitmapUnlockBits, source, &data);

  if (alpha)
    premultiplyBgra(
        std::span(static_cast<std::uint8_t*>(pixels), static_cast<std::size_t>(stride) * height));
  bitmap_ = std::move(dib);
  width_ = static_cast<int>(width);
  height_ = static_cast<int>(height);
  hasAlpha_ = alpha;
}

SkinImage::~SkinImage() {
  bitmap_.reset();
  ImageLibrary::release();
}

HBITMAP copyBitmap(HBITMAP source) {
  BITMAP info{};
  if (source == nullptr || GetObjectW(source, sizeof(info), &info) == 0) return nullptr;
  const WindowDc screen(nullptr);
  UniqueBitmap copy(CreateCompatibleBitmap(screen.get(), info.bmWidth, info.bmHeight));
  if (!copy) return nullptr;
  const MemoryDc from(screen.get()), to(screen.get());
  const SelectedObject selectFrom(from.get(), source), selectTo(to.get(), copy.get());
  if (!selectFrom.ok() || !selectTo.ok()) return nullptr;
  BitBlt(to.get(), 0, 0, info.bmWidth, info.bmHeight, from.get(), 0, 0, SRCCOPY);
  return copy.release();
}

}  // namespace k8
