#pragma once
// The faces of the shaded push buttons: an 8-bit indexed picture whose 256-entry palette runs
// from the shadow colour through the face colour to the highlight colour, filled with one of
// nine shade patterns plus a little noise, and a hover and a disabled face that differ only in
// their palettes.
#include <array>
#include <cstdint>
#include <vector>

namespace controls {

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  bool operator==(const Rgb&) const = default;
};

// rand() of the toolkits the shade formulas were written for: 15-bit results, 0..32767.
class Rand15 {
 public:
  explicit Rand15(std::uint32_t seed = 1) : state_(seed) {}
  int Next() {
    state_ = state_ * 214013u + 2531011u;
    return static_cast<int>((state_ >> 16) & 0x7FFF);
  }
  static constexpr int kMax = 32767;

 private:
  std::uint32_t state_;
};

class IndexedImage {
 public:
  void Allocate(int width, int height);
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetEntry(int index, Rgb colour) { palette_[static_cast<std::size_t>(index & 0xFF)] = colour; }
  Rgb Entry(int index) const { return palette_[static_cast<std::size_t>(index & 0xFF)]; }
  // Blends every palette entry towards colour by percent (clamped to 100).
  void TintEntries(Rgb colour, int percent);
  // y counts from the top; pixels outside the picture are ignored (read as 0).
  void PutPixel(int x, int y, std::uint8_t index);
  std::uint8_t Pixel(int x, int y) const;
  void FillIndex(std::uint8_t index);
  Rgb Colour(int x, int y) const { return Entry(Pixel(x, y)); }

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<std::uint8_t> pixels_;  // row by row from the top
  std::array<Rgb, 256> palette_{};
};

struct ShadeColours {
  Rgb shadow;     // the 3D shadow colour
  Rgb face;       // the button face colour
  Rgb highlight;  // the 3D highlight colour
};

struct ShadeStyle {
  int type = 6;  // 1 diagonal, 2 vertical, 3 horizontal ramp, 4 vertical, 5 horizontal, 6 two-way cubic,
                 // 7 cubic with a band, 8 streaked, anything else noise
  int granularity = 8;        // noise amplitude, 0..255
  int highlightPercent = 10;  // how much lighter the hover face is
  int colouringPercent = 0;   // how far the faces are tinted towards colouring
  Rgb colouring;
};

struct ShadedFaces {
  IndexedImage normal;
  IndexedImage hover;
  IndexedImage disabled;  // the shading faded most of the way to the flat face, as greyed
};

ShadedFaces BuildShadedFaces(int width, int height, const ShadeStyle& style, const ShadeColours& colours, Rand15& random);

}  // namespace controls
