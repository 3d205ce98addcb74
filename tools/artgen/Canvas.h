#pragma once
// Drawing helpers shared by the tiles, the sprites and the pictures: a tile
// canvas that records for every pixel whether the boat may float there,
// periodic noise (so textures repeat every 32 pixels and tiles join), ordered
// dithering, a small deterministic random generator and a supersampling
// painter that gives crisp pixel art from QPainter shapes.

#include <QImage>
#include <QPainter>
#include <cstdint>
#include <functional>
#include <vector>

namespace lwk::art {

// A deterministic random generator (splitmix64); never seeded from time.
class Rng {
 public:
  explicit Rng(std::uint64_t seed) : s_(seed) {}
  std::uint64_t next();
  double uniform();                    // [0, 1)
  double range(double lo, double hi);  // [lo, hi)
  int below(int n);                    // 0 .. n-1
  bool chance(double p) { return uniform() < p; }

 private:
  std::uint64_t s_;
};

// A hash of a pixel position, 0 .. 1.
double Hash01(int x, int y, std::uint32_t seed);
// Smooth value noise, 0 .. 1, repeating every `period` pixels in x and y
// (`cell` must divide `period`).
double PeriodicNoise(double x, double y, int cell, int period, std::uint32_t seed);
// Three octaves of PeriodicNoise with period 32, 0 .. 1.
double Fbm32(double x, double y, std::uint32_t seed);
// Ordered (Bayer 4 x 4) dithering: true on a fraction t of the pixels.
bool Dither(double t, int x, int y);

QRgb Mix(QRgb a, QRgb b, double t);

// A picture being drawn, with a mask of the pixels where the boat floats.
struct Canvas {
  Canvas(int w, int h);
  int w;
  int h;
  QImage img;
  std::vector<std::uint8_t> floatable;

  bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < w && y < h; }
  void water(int x, int y, QRgb c);
  void solid(int x, int y, QRgb c);
  QRgb at(int x, int y) const { return img.pixel(x, y); }
  bool isWater(int x, int y) const { return floatable[static_cast<std::size_t>(y * w + x)] != 0; }
};

// Draws with QPainter at `scale` times the size (no antialiasing) and
// reduces each scale x scale block to its most frequent colour. Untouched
// pixels stay transparent (alpha 0).
QImage SuperPaint(int w, int h, int scale, const std::function<void(QPainter&)>& draw);

// Copies the opaque pixels of an overlay onto a canvas as solid (land,
// object) or as water.
void StampSolid(Canvas& c, const QImage& overlay, int dx = 0, int dy = 0);
void StampWater(Canvas& c, const QImage& overlay, int dx = 0, int dy = 0);

// A sprite with the transparent pixels of `overlay` filled with `key`.
QImage Flatten(const QImage& overlay, QRgb key);

// Turns a picture by a quarter turn clockwise `quarters` times.
QImage Turn(const QImage& img, int quarters);

}  // namespace lwk::art
