#include "controls/core/ShadedFace.h"

#include <algorithm>

namespace controls {
namespace {

// A disabled native button is flat: the shading keeps only this much of its contrast.
constexpr int kDisabledFadePercent = 70;

int Blend(int from, int to, int percent) { return (to * percent + from * (100 - percent)) / 100; }

int Cube(int c) { return c * c * c / 16384; }

// The palette: shadow (0) → face (about 128) → highlight (255).
void ShadePalette(IndexedImage& image, const ShadeColours& colours) {
  auto mix = [](Rgb a, Rgb b, int k, int total) {
    return Rgb{static_cast<std::uint8_t>((k * b.r + (total - k) * a.r) / total),
               static_cast<std::uint8_t>((k * b.g + (total - k) * a.g) / total),
               static_cast<std::uint8_t>((k * b.b + (total - k) * a.b) / total)};
  };
  for (int k = 0; k < 128; ++k) image.SetEntry(k, mix(colours.shadow, colours.face, k, 128));
  for (int v = 1; v <= 128; ++v) image.SetEntry(127 + v, mix(colours.face, colours.highlight, v, 128));
}

class ShadeFiller {
 public:
  ShadeFiller(IndexedImage& image, int granularity, Rand15& random)
      : image_(image), w_(image.Width()), h_(image.Height()), g_(granularity), random_(random) {}

  // Noise 0 .. 2g from a 15-bit random number.
  int Noise() { return random_.Next() / (Rand15::kMax / (g_ > 0 ? 2 * g_ : 1)); }

  // Sets every pixel to value(i, j), i the column from the left and j the row from the bottom.
  template <typename Value>
  void Each(Value&& value) {
    for (int j = 0; j < h_; ++j) {
      for (int i = 0; i < w_; ++i) image_.PutPixel(i, h_ - 1 - j, static_cast<std::uint8_t>(value(i, j)));
    }
  }

  void Fill(int type) {
    const int span = 255 - 2 * g_;
    switch (type) {
      case 1:
        Each([&](int i, int j) { return ((w_ - i) * (span / 2)) / w_ + (j * (span / 2)) / h_ + Noise(); });
        break;
      case 2: Each([&](int, int j) { return (j * span) / h_ + Noise(); }); break;
      case 3: Each([&](int i, int) { return ((w_ - i) * span) / w_ + Noise(); }); break;
      case 4: VerticalCubic(128 - g_); break;
      case 5:
        Each([&](int i, int) { return (128 - g_) * Cube(((w_ - i) * 255) / w_ - 127) / 128 + 128 + Noise() - g_; });
        break;
      case 6:
        Each([&](int i, int j) {
          int a = (j * 255) / h_ - 127;
          int b = ((w_ - i) * 255) / w_ - 127;
          int m = std::clamp((Cube(b) + Cube(a)) * (128 - g_) / 128 + 128, g_, 255 - g_);
          return m + Noise() - g_;
        });
        break;
      case 7: Band(); break;
      case 8: Streaks(); break;
      default: Each([&](int, int) { return Noise() - g_ - 128; }); break;
    }
  }

 private:
  void VerticalCubic(int amplitude) {
    Each([&](int, int j) { return Cube((j * 255) / h_ - 127) * amplitude / 128 + 128 + Noise() - g_; });
  }

  void Band() {
    VerticalCubic((64 - g_) * 2);
    const int s = std::min(w_ / 6, 16);
    if (s == 0 || h_ < 2) return;
    for (int j = 0; j < h_; ++j) {
      const int y = j - h_ / 2;
      const int x0 = (y * s * y) / (h_ * h_ / 4) + w_ / 2 - s;
      for (int i = 0; i < w_; ++i) {
        const int x = i - w_ / 2;
        int value = image_.Pixel(i, h_ - 1 - j);
        if (x0 < x) value = g_ + ((w_ - i) * 128) / s;
        if (x + x0 < 0) value = (255 - g_) - (i * 128) / s;
        image_.PutPixel(i, h_ - 1 - j, static_cast<std::uint8_t>(value + Noise() - g_));
      }
    }
  }

  void Streaks() {
    image_.FillIndex(0);
    auto scaled = [&](int range) { return range > 0 ? random_.Next() / std::max(1, Rand15::kMax / range) : 0; };
    for (int n = 0; n < 200; ++n) {
      const int c = scaled(w_);
      const int t = scaled(h_);
      const int length = scaled(std::min(w_, h_)) / 2;
      const auto value = static_cast<std::uint8_t>(random_.Next() / 819);
      for (int k = 0; k < length; ++k) {
        image_.PutPixel(c - k, t + k, value);
        image_.PutPixel(w_ - c + k, t - k, value);
      }
    }
    const int a = (255 - 2 * g_ - 40) / 2;
    Each([&](int i, int j) { return image_.Pixel(i, h_ - 1 - j) + ((w_ - i) * a) / w_ + (j * a) / h_ + Noise(); });
  }

  IndexedImage& image_;
  int w_;
  int h_;
  int g_;
  Rand15& random_;
};

}  // namespace

void IndexedImage::Allocate(int width, int height) {
  width_ = std::max(width, 0);
  height_ = std::max(height, 0);
  pixels_.assign(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), 0);
}

void IndexedImage::TintEntries(Rgb colour, int percent) {
  percent = std::clamp(percent, 0, 100);
  for (Rgb& entry : palette_) {
    entry = Rgb{static_cast<std::uint8_t>(Blend(entry.r, colour.r, percent)),
                static_cast<std::uint8_t>(Blend(entry.g, colour.g, percent)),
                static_cast<std::uint8_t>(Blend(entry.b, colour.b, percent))};
  }
}

void IndexedImage::PutPixel(int x, int y, std::uint8_t index) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)] = index;
}

std::uint8_t IndexedImage::Pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
  return pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)];
}

void IndexedImage::FillIndex(std::uint8_t index) { std::fill(pixels_.begin(), pixels_.end(), index); }

ShadedFaces BuildShadedFaces(int width, int height, const ShadeStyle& style, const ShadeColours& colours, Rand15& random) {
  ShadedFaces faces;
  faces.normal.Allocate(width, height);
  ShadePalette(faces.normal, colours);
  faces.normal.TintEntries(style.colouring, style.colouringPercent);
  if (width > 0 && height > 0) {
    ShadeFiller(faces.normal, std::clamp(style.granularity, 0, 255), random).Fill(style.type);
  }
  faces.hover = faces.normal;
  faces.hover.TintEntries(colours.highlight, style.highlightPercent);
  faces.disabled = faces.normal;
  faces.disabled.TintEntries(colours.face, kDisabledFadePercent);
  return faces;
}

}  // namespace controls
