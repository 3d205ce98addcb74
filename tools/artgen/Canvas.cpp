#include "Canvas.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace lwk::art {

std::uint64_t Rng::next() {
  std::uint64_t z = (s_ += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

double Rng::uniform() {
  return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0);
}

double Rng::range(double lo, double hi) {
  return lo + (hi - lo) * uniform();
}

int Rng::below(int n) {
  return n <= 0 ? 0 : static_cast<int>(next() % static_cast<std::uint64_t>(n));
}

namespace {

std::uint32_t Hash3(std::uint32_t a, std::uint32_t b, std::uint32_t c) {
  std::uint32_t h = a * 0x8DA6B343u ^ b * 0xD8163841u ^ c * 0xCB1AB31Fu;
  h ^= h >> 15;
  h *= 0x2C1B3C6Du;
  h ^= h >> 12;
  h *= 0x297A2D39u;
  h ^= h >> 15;
  return h;
}

int Wrap(int v, int n) {
  return ((v % n) + n) % n;
}

double Smooth(double t) {
  return t * t * (3.0 - 2.0 * t);
}

}  // namespace

double Hash01(int x, int y, std::uint32_t seed) {
  return (Hash3(static_cast<std::uint32_t>(x), static_cast<std::uint32_t>(y), seed) & 0xFFFFFFu) / 16777216.0;
}

double PeriodicNoise(double x, double y, int cell, int period, std::uint32_t seed) {
  const int n = period / cell;
  const double fx = x / cell;
  const double fy = y / cell;
  const int ix = static_cast<int>(std::floor(fx));
  const int iy = static_cast<int>(std::floor(fy));
  const double tx = Smooth(fx - ix);
  const double ty = Smooth(fy - iy);
  auto v = [&](int a, int b) { return Hash01(Wrap(a, n), Wrap(b, n), seed); };
  const double top = v(ix, iy) + (v(ix + 1, iy) - v(ix, iy)) * tx;
  const double bottom = v(ix, iy + 1) + (v(ix + 1, iy + 1) - v(ix, iy + 1)) * tx;
  return top + (bottom - top) * ty;
}

double Fbm32(double x, double y, std::uint32_t seed) {
  return (PeriodicNoise(x, y, 16, 32, seed) * 0.5 + PeriodicNoise(x, y, 8, 32, seed + 1) * 0.3 +
          PeriodicNoise(x, y, 4, 32, seed + 2) * 0.2);
}

bool Dither(double t, int x, int y) {
  static const int kBayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
  return t * 16.0 > kBayer[Wrap(y, 4)][Wrap(x, 4)] + 0.5;
}

QRgb Mix(QRgb a, QRgb b, double t) {
  auto m = [t](int p, int q) { return static_cast<int>(std::lround(p + (q - p) * t)); };
  return qRgb(m(qRed(a), qRed(b)), m(qGreen(a), qGreen(b)), m(qBlue(a), qBlue(b)));
}

Canvas::Canvas(int width, int height)
    : w(width),
      h(height),
      img(width, height, QImage::Format_RGB32),
      floatable(static_cast<std::size_t>(width * height), 0) {
  img.fill(0);
}

void Canvas::water(int x, int y, QRgb c) {
  if (!inside(x, y)) return;
  img.setPixel(x, y, c | 0xFF000000u);
  floatable[static_cast<std::size_t>(y * w + x)] = 1;
}

void Canvas::solid(int x, int y, QRgb c) {
  if (!inside(x, y)) return;
  img.setPixel(x, y, c | 0xFF000000u);
  floatable[static_cast<std::size_t>(y * w + x)] = 0;
}

QImage SuperPaint(int w, int h, int scale, const std::function<void(QPainter&)>& draw) {
  QImage big(w * scale, h * scale, QImage::Format_ARGB32);
  big.fill(0);
  {
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.scale(scale, scale);
    draw(p);
  }
  QImage out(w, h, QImage::Format_ARGB32);
  out.fill(0);
  std::vector<std::pair<QRgb, int>> counts;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      counts.clear();
      for (int sy = 0; sy < scale; ++sy) {
        const QRgb* line = reinterpret_cast<const QRgb*>(big.constScanLine(y * scale + sy));
        for (int sx = 0; sx < scale; ++sx) {
          QRgb c = line[x * scale + sx];
          if (qAlpha(c) < 128) c = 0;
          auto it = std::find_if(counts.begin(), counts.end(), [c](const auto& e) { return e.first == c; });
          if (it == counts.end())
            counts.emplace_back(c, 1);
          else
            ++it->second;
        }
      }
      // Most frequent colour; a tie goes to the opaque colour drawn with the
      // lowest value, so the result never depends on iteration order.
      auto best = counts.front();
      for (const auto& e : counts) {
        const bool better = e.second > best.second ||
                            (e.second == best.second && ((best.first == 0 && e.first != 0) ||
                                                         (e.first != 0 && best.first != 0 && e.first < best.first)));
        if (better) best = e;
      }
      out.setPixel(x, y, best.first == 0 ? 0u : (best.first | 0xFF000000u));
    }
  }
  return out;
}

namespace {

void Stamp(Canvas& c, const QImage& overlay, int dx, int dy, bool water) {
  for (int y = 0; y < overlay.height(); ++y)
    for (int x = 0; x < overlay.width(); ++x) {
      const QRgb p = overlay.pixel(x, y);
      if (qAlpha(p) < 128) continue;
      if (water)
        c.water(x + dx, y + dy, p & 0xFFFFFFu);
      else
        c.solid(x + dx, y + dy, p & 0xFFFFFFu);
    }
}

}  // namespace

void StampSolid(Canvas& c, const QImage& overlay, int dx, int dy) {
  Stamp(c, overlay, dx, dy, false);
}
void StampWater(Canvas& c, const QImage& overlay, int dx, int dy) {
  Stamp(c, overlay, dx, dy, true);
}

QImage Flatten(const QImage& overlay, QRgb key) {
  QImage out(overlay.width(), overlay.height(), QImage::Format_RGB32);
  for (int y = 0; y < overlay.height(); ++y)
    for (int x = 0; x < overlay.width(); ++x) {
      const QRgb p = overlay.pixel(x, y);
      out.setPixel(x, y, qAlpha(p) < 128 ? (key | 0xFF000000u) : (p | 0xFF000000u));
    }
  return out;
}

QImage Turn(const QImage& img, int quarters) {
  QImage cur = img;
  for (int q = 0; q < ((quarters % 4) + 4) % 4; ++q) {
    QImage next(cur.height(), cur.width(), cur.format());
    for (int y = 0; y < cur.height(); ++y)
      for (int x = 0; x < cur.width(); ++x) next.setPixel(cur.height() - 1 - y, x, cur.pixel(x, y));
    cur = next;
  }
  return cur;
}

}  // namespace lwk::art
