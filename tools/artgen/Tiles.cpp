// The lake tiles. Textures are functions of the pixel position that repeat
// every 32 pixels, so a tile joins its neighbours whatever they are: open
// water continues into the water of a shore piece, grass into the grass verge
// of a bank. Shore pieces share one bank routine driven by the distance to
// the land neighbours, so edges, corners and points of land all meet.

#include "Tiles.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>

#include "Palette.h"
#include "PixelFont.h"
#include "TileCatalogue.h"

namespace lwk::art {

using namespace pal;
using namespace lwk::tiles;

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int T = kTileSize;

int W32(int v) {
  return ((v % 32) + 32) % 32;
}

// --- Textures -----------------------------------------------------------

// Small curved ripple marks scattered over the open water, 0 none, 1 ripple,
// 2 its bright middle. `seed` gives another scatter (glints, variants).
struct RippleMap {
  std::array<std::array<std::uint8_t, 32>, 32> m{};
};

RippleMap MakeRipples(std::uint64_t seed, int count) {
  RippleMap r;
  Rng rng(seed);
  for (int i = 0; i < count; ++i) {
    const int cx = rng.below(32);
    const int cy = rng.below(32);
    const int len = 3 + rng.below(3);
    for (int k = 0; k < len; ++k) {
      const int y = (k == 0 || k == len - 1) ? cy - 1 : cy;
      r.m[static_cast<std::size_t>(W32(y))][static_cast<std::size_t>(W32(cx + k))] = (k == len / 2 && len > 3) ? 2 : 1;
    }
  }
  return r;
}

const RippleMap& Ripples() {
  static const RippleMap r = MakeRipples(7001, 5);
  return r;
}

QRgb WaterTex(int x, int y) {
  x = W32(x);
  y = W32(y);
  const std::uint8_t rip = Ripples().m[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
  if (rip == 1) return kRipple;
  if (rip == 2) return kRippleHi;
  const double n = Fbm32(x, y, 101);
  const double t = std::clamp((n - 0.36) / 0.28, 0.0, 1.0) * 2.0;
  if (t < 1.0) return Dither(t, x, y) ? kDeep0 : kDeep1;
  return Dither(t - 1.0, x, y) ? kDeep2 : kDeep0;
}

QRgb GrassTex(int x, int y) {
  x = W32(x);
  y = W32(y);
  const double h = Hash01(x, y, 23);
  const double above = Hash01(x, W32(y - 1), 23);
  if (h < 0.05 || above < 0.05) return kGrassDark;
  if (h > 0.965) return kGrassLight;
  const double n = Fbm32(x, y, 21);
  const double t = std::clamp((n - 0.33) / 0.34, 0.0, 1.0) * 2.0;
  if (t < 1.0) return Dither(t, x, y) ? kGrass0 : kGrass2;
  return Dither(t - 1.0, x, y) ? kGrass1 : kGrass0;
}

QRgb SandTex(int x, int y) {
  const double n = Fbm32(x, y, 31) + (Hash01(x, y, 32) - 0.5) * 0.3;
  if (n < 0.42) return kSandDark;
  if (n > 0.62) return kSandLight;
  return kSand;
}

QRgb RockTex(int x, int y) {
  const double n = PeriodicNoise(x, y, 4, 32, 41) + (Hash01(x, y, 42) - 0.5) * 0.25;
  if (n < 0.35) return kRockShadow;
  if (n < 0.48) return kRockDark;
  if (n < 0.62) return kRock;
  if (n < 0.74) return kRockLight;
  return kRockHi;
}

QRgb AsphaltTex(int x, int y) {
  const double h = Hash01(W32(x), W32(y), 51);
  if (h < 0.08) return kAsphaltDark;
  if (h > 0.90) return kAsphaltLight;
  return kAsphalt;
}

QRgb ConcreteTex(int x, int y) {
  const double h = Hash01(W32(x), W32(y), 61);
  if (h < 0.1) return kConcreteDark;
  if (h > 0.93) return kConcreteLight;
  return kConcrete;
}

// Water near a bank, `t` pixels out from the waterline: foam, then shallows
// fading into the open-water texture.
QRgb ShoreWater(int x, int y, double t) {
  if (t < 1.0) return Dither(0.55, x, y) ? kFoam : kShallow4;
  struct Stop {
    double at;
    QRgb c;
  };
  static const Stop stops[] = {{1.0, kShallow4}, {3.0, kShallow3}, {6.0, kShallow2}, {9.0, kShallow1}};
  for (std::size_t i = 0; i + 1 < std::size(stops); ++i)
    if (t < stops[i + 1].at)
      return Dither((t - stops[i].at) / (stops[i + 1].at - stops[i].at), x, y) ? stops[i + 1].c : stops[i].c;
  if (t < 12.0) return Dither((t - 9.0) / 3.0, x, y) ? WaterTex(x, y) : kShallow1;
  return WaterTex(x, y);
}

void FillWater(Canvas& c) {
  for (int y = 0; y < c.h; ++y)
    for (int x = 0; x < c.w; ++x) c.water(x, y, WaterTex(x, y));
}

void FillGrass(Canvas& c) {
  for (int y = 0; y < c.h; ++y)
    for (int x = 0; x < c.w; ++x) c.solid(x, y, GrassTex(x, y));
}

// --- Overlays drawn pixel by pixel ----------------------------------------

QImage Blank(int w = T, int h = T) {
  QImage img(w, h, QImage::Format_ARGB32);
  img.fill(0);
  return img;
}

void Px(QImage& img, int x, int y, QRgb c) {
  if (x >= 0 && y >= 0 && x < img.width() && y < img.height()) img.setPixel(x, y, c | 0xFF000000u);
}

bool Opaque(const QImage& img, int x, int y) {
  return x >= 0 && y >= 0 && x < img.width() && y < img.height() && qAlpha(img.pixel(x, y)) >= 128;
}

// A rounded rock, lit from the top left, with a dark rim at the bottom right.
void Rock(QImage& ov, double cx, double cy, double r, std::uint32_t seed, double squash = 1.0) {
  for (int y = static_cast<int>(cy - r - 2); y <= static_cast<int>(cy + r + 2); ++y)
    for (int x = static_cast<int>(cx - r - 2); x <= static_cast<int>(cx + r + 2); ++x) {
      const double dx = x + 0.5 - cx;
      const double dy = (y + 0.5 - cy) / squash;
      const double ang = std::atan2(dy, dx);
      const double lump = 1.0 + 0.12 * std::sin(3 * ang + seed) + 0.07 * std::sin(5 * ang + 2.0 * seed);
      const double d = std::hypot(dx, dy) / (r * lump);
      if (d > 1.0) continue;
      const double light = (-dx - dy) / (r * 1.41);
      const double v = light * 0.8 + (Hash01(x, y, seed) - 0.5) * 0.35 + (1.0 - d) * 0.2;
      QRgb col = v > 0.45 ? kRockHi : v > 0.1 ? kRockLight : v > -0.25 ? kRock : kRockDark;
      if (d > 0.8 && light < -0.1) col = kRockShadow;
      Px(ov, x, y, col);
    }
}

struct CrownPal {
  QRgb c0, c1, c2, c3, shade;
};
const CrownPal kBroadleaf{kLeaf0, kLeaf1, kLeaf2, kLeaf3, kLeafShade};
const CrownPal kDarkLeaf{kLeafShade, kLeaf0, kLeaf1, kLeaf2, kPine0};
const CrownPal kPines{kPine0, kPine1, kPine2, kLeaf2, kLeafShade};

// A tree crown seen from above. With `wrap` the crown repeats every 32
// pixels, so the pieces cut at one edge continue at the opposite edge.
void Crown(Canvas& c, double cx, double cy, double r, const CrownPal& p, std::uint32_t seed, bool wrap = false,
           bool pine = false) {
  for (int y = 0; y < c.h; ++y)
    for (int x = 0; x < c.w; ++x) {
      double dx = x + 0.5 - cx;
      double dy = y + 0.5 - cy;
      if (wrap) {
        dx = std::fmod(dx + 16.0 + 320.0, 32.0) - 16.0;
        dy = std::fmod(dy + 16.0 + 320.0, 32.0) - 16.0;
      }
      const double ang = std::atan2(dy, dx);
      double lump = pine ? 0.82 + 0.18 * std::fabs(std::cos(4.0 * ang + seed))
                         : 1.0 + 0.08 * std::sin(5 * ang + seed) + 0.06 * std::sin(8 * ang + 3.0 * seed);
      const double d = std::hypot(dx, dy) / (r * lump);
      if (d > 1.0) continue;
      const double light = (-dx * 0.7 - dy * 0.7) / r;
      const int gx = W32(static_cast<int>(std::floor((x + 0.5) / 2.0)) + static_cast<int>(seed));
      const int gy = W32(static_cast<int>(std::floor((y + 0.5) / 2.0)));
      const double clump = Hash01(gx, gy, seed * 7 + 3);
      double v = light * 0.7 + (clump - 0.5) * 0.55 + (1.0 - d) * 0.25;
      if (pine) v = light * 0.6 + (1.0 - d) * 0.6 - 0.25 + (Hash01(x, y, seed) - 0.5) * 0.3;
      QRgb col = v > 0.5 ? p.c3 : v > 0.15 ? p.c2 : v > -0.2 ? p.c1 : p.c0;
      if (d > 0.86 && light < -0.05) col = p.shade;
      c.solid(x, y, col);
    }
}

void CrownShadow(Canvas& c, double cx, double cy, double r, QRgb shade = kGrassShade) {
  for (int y = 0; y < c.h; ++y)
    for (int x = 0; x < c.w; ++x)
      if (std::hypot(x + 0.5 - cx - 2.5, y + 0.5 - cy - 2.5) < r) c.solid(x, y, shade);
}

// --- Shore ---------------------------------------------------------------

double SmoothMin(double a, double b, double k) {
  const double h = std::max(k - std::fabs(a - b), 0.0) / k;
  return std::min(a, b) - h * h * k * 0.25;
}

enum class Bank { Sand, Stones };

// The bank and the water of a shore piece with land neighbours `land`.
void DrawShore(Canvas& c, std::uint8_t land, Bank bank = Bank::Sand) {
  for (int y = 0; y < T; ++y)
    for (int x = 0; x < T; ++x) {
      const double d = LandDistance(land, x + 0.5, y + 0.5);
      const double wl = 9.0 + (PeriodicNoise(x, y, 8, 32, 301) - 0.5) * 3.0;
      const double gl = 3.2 + (PeriodicNoise(x, y, 4, 32, 302) - 0.5) * 2.0;
      if (d >= wl) {
        c.water(x, y, ShoreWater(x, y, d - wl));
      } else if (d < gl) {
        c.solid(x, y, GrassTex(x, y));
      } else if (d < gl + 1.2) {
        c.solid(x, y, Dither(0.5, x, y) ? kGrassDark : (bank == Bank::Sand ? kSandDark : kRockDark));
      } else if (bank == Bank::Stones) {
        c.solid(x, y, d > wl - 1.0 ? kRockShadow : RockTex(x, y));
      } else if (d < wl - 1.8) {
        c.solid(x, y, SandTex(x, y));
      } else if (d < wl - 0.7) {
        c.solid(x, y, kWetSand);
      } else {
        c.solid(x, y, kMud);
      }
    }
}

// Which side the land of a one-sided feature piece lies on, as quarter turns
// from north.
int Quarters(std::uint8_t land) {
  if (land & kE) return 1;
  if (land & kS) return 2;
  if (land & kW) return 3;
  return 0;
}

// Distance from a pixel to the nearest tile edge that faces water, so that
// decorations stay clear of the edges a plain piece continues from.
double WaterEdgeDistance(std::uint8_t land, int x, int y) {
  double d = 99;
  if (!(land & kN)) d = std::min(d, y + 0.5);
  if (!(land & kS)) d = std::min(d, T - 0.5 - y);
  if (!(land & kW)) d = std::min(d, x + 0.5);
  if (!(land & kE)) d = std::min(d, T - 0.5 - x);
  return d;
}

// Floating and submerged weeds over water pixels chosen by `where`.
template <typename Where>
void Weeds(Canvas& c, std::uint32_t seed, double density, Where where) {
  for (int y = 0; y < c.h; ++y)
    for (int x = 0; x < c.w; ++x) {
      if (!where(x, y)) continue;
      const double n = PeriodicNoise(x, y, 4, 32, seed) * 0.6 + PeriodicNoise(x, y, 8, 32, seed + 1) * 0.4;
      const double thr = 0.62 - density * 0.25;
      if (n < thr) continue;
      // wavy strands swaying in the current
      const double flow = PeriodicNoise(x, y, 8, 32, seed + 5);
      const double s = std::sin((x + flow * 10.0) * 1.25 + y * 0.3);
      const double h = Hash01(x, y, seed + 2);
      QRgb col = s > 0.55 ? (h > 0.7 ? kWeedTip : kWeed3) : s > -0.15 ? kWeed2 : kWeed1;
      if (n < thr + 0.035) col = kWeedShadow;
      c.water(x, y, col);
    }
}

// A lily pad (with the notch showing water), optionally with a flower.
void LilyPad(Canvas& c, double cx, double cy, double r, double notch, int flower) {
  for (int y = static_cast<int>(cy - r - 1); y <= static_cast<int>(cy + r + 1); ++y)
    for (int x = static_cast<int>(cx - r - 1); x <= static_cast<int>(cx + r + 1); ++x) {
      const double dx = x + 0.5 - cx;
      const double dy = y + 0.5 - cy;
      const double d = std::hypot(dx, dy);
      if (d > r) continue;
      double a = std::atan2(dy, dx) - notch;
      while (a > kPi) a -= 2 * kPi;
      while (a < -kPi) a += 2 * kPi;
      if (std::fabs(a) < 0.38 && d > 0.8) continue;
      const double light = (-dx - dy) / (r * 1.41);
      QRgb col = kPad;
      if (light > 0.35) col = kPadLight;
      if (d > r - 1.0 && light < -0.1) col = kPadDark;
      if (std::fabs(a) > 2.6 && d < r - 1.0 && d > 1.0) col = kPadHi;  // the vein opposite the notch
      c.water(x, y, col);
    }
  if (flower) {
    const int fx = static_cast<int>(cx);
    const int fy = static_cast<int>(cy);
    const QRgb petal = flower == 1 ? kFlowerPink : kFlowerWhite;
    c.water(fx - 1, fy, petal);
    c.water(fx + 1, fy, petal);
    c.water(fx, fy - 1, petal);
    c.water(fx, fy + 1, petal);
    c.water(fx - 1, fy - 1, kFlowerWhite);
    c.water(fx, fy, kFlowerYellow);
  }
}

struct PadSpot {
  double x, y, r;
  int flower;
};

void Pads(Canvas& c, std::uint64_t seed, int count, double rmin, double rmax, double flowers,
          const std::function<bool(double, double, double)>& fits) {
  Rng rng(seed);
  std::vector<PadSpot> placed;
  for (int tries = 0; tries < 400 && static_cast<int>(placed.size()) < count; ++tries) {
    PadSpot p{rng.range(2, 30), rng.range(2, 30), rng.range(rmin, rmax), 0};
    if (!fits(p.x, p.y, p.r)) continue;
    bool overlaps = false;
    for (const auto& q : placed)
      if (std::hypot(p.x - q.x, p.y - q.y) < (p.r + q.r) * 0.8) overlaps = true;
    if (overlaps) continue;
    p.flower = rng.chance(flowers) ? 1 + rng.below(2) : 0;
    placed.push_back(p);
  }
  for (const auto& p : placed) LilyPad(c, p.x, p.y, p.r, rng.range(-kPi, kPi), p.flower);
}

// A ring of lighter water around an object in the water.
void RippleRing(Canvas& c, double cx, double cy, double r) {
  for (int y = 0; y < T; ++y)
    for (int x = 0; x < T; ++x) {
      const double d = std::hypot(x + 0.5 - cx, (y + 0.5 - cy) * 1.15);
      if (d > r && d < r + 1.2 && Dither(0.6, x, y)) c.water(x, y, kRipple);
      if (d > r + 2.2 && d < r + 3.0 && Dither(0.35, x, y)) c.water(x, y, kRipple);
    }
}

// Supersampled overlay, stamped as solid objects.
QImage Shapes(const std::function<void(QPainter&)>& draw, int w = T, int h = T) {
  return SuperPaint(w, h, 4, draw);
}

QPen Pen(QRgb c, double w) {
  QPen p{QColor::fromRgb(c), w};
  p.setCapStyle(Qt::RoundCap);
  p.setJoinStyle(Qt::RoundJoin);
  return p;
}

QBrush Brush(QRgb c) {
  return QBrush(QColor::fromRgb(c));
}

// --- Shore features ------------------------------------------------------

QImage DockOverlay() {
  QImage ov = Blank();
  for (int y = 1; y <= 27; ++y) {
    const int plank = y / 3;
    for (int x = 12; x <= 19; ++x) {
      QRgb col = (y % 3 == 0) ? kWoodGap : ((plank % 2) ? kWood : kWoodLight);
      if (x == 12 || x == 19) col = kWoodDark;
      if (y % 3 != 0 && Hash01(x, y, 71) < 0.08) col = kWoodDark;
      Px(ov, x, y, col);
    }
  }
  for (int py : {7, 16, 25}) {
    for (int px : {10, 20}) {
      Px(ov, px, py, kPost);
      Px(ov, px + 1, py, kPost);
      Px(ov, px, py + 1, kPost);
      Px(ov, px + 1, py + 1, kWoodGap);
    }
  }
  Px(ov, 15, 26, kEngineHi);  // a cleat at the end
  Px(ov, 16, 26, kEngineHi);
  return ov;
}

QImage FallenTreeOverlay() {
  return Shapes([](QPainter& p) {
    p.setPen(Pen(kWoodGap, 2.0));
    p.drawLine(QPointF(5, 2), QPointF(4, 5));
    p.drawLine(QPointF(9, 2), QPointF(12, 3));
    p.setPen(Pen(kDeadWoodDark, 1.3));
    p.drawLine(QPointF(12, 11), QPointF(17, 9));
    p.drawLine(QPointF(15, 15), QPointF(11, 20));
    p.drawLine(QPointF(19, 19), QPointF(25, 17));
    p.drawLine(QPointF(21, 22), QPointF(18, 27));
    p.drawLine(QPointF(24, 24), QPointF(28, 24));
    p.setPen(Pen(kDeadWood, 1.0));
    p.drawLine(QPointF(17, 9), QPointF(20, 10));
    p.drawLine(QPointF(11, 20), QPointF(9, 23));
    p.drawLine(QPointF(25, 17), QPointF(27, 14));
    p.drawLine(QPointF(18, 27), QPointF(20, 29));
    p.setPen(Pen(kBark, 3.0));
    p.drawLine(QPointF(7, 4), QPointF(24, 25));
    p.setPen(Pen(kBarkLight, 1.0));
    p.drawLine(QPointF(7.5, 3.3), QPointF(24.5, 24.3));
  });
}

QImage RampOverlay() {
  QImage ov = Blank();
  for (int y = 0; y <= 17; ++y)
    for (int x = 8; x <= 23; ++x) {
      const bool wet = y >= 8;
      QRgb col = wet ? kConcreteWet : ConcreteTex(x, y);
      if (y % 3 == 2) col = wet ? kRockShadow : kConcreteDark;
      if (x == 8 || x == 23) col = wet ? kRockShadow : kConcreteDark;
      if (y == 17 && !Dither(0.5, x, y)) continue;
      Px(ov, x, y, col);
    }
  return ov;
}

QImage RockyBankOverlay(std::uint64_t seed) {
  QImage ov = Blank();
  Rng rng(seed);
  for (int i = 0; i < 6; ++i) {
    const double x = 4.0 + i * 4.6 + rng.range(-1.0, 1.0);
    Rock(ov, x, rng.range(8.0, 10.5), rng.range(1.8, 2.8), static_cast<std::uint32_t>(seed + i));
  }
  return ov;
}

// The open-water, no-land part of a feature piece sits this far from the
// water-side edges at least, so the piece meets plain pieces cleanly.
constexpr double kEdgeClear = 2.5;

void DrawShoreFeature(Canvas& c, int v, const TileInfo& t) {
  const std::uint8_t land = t.land;
  const int q = Quarters(land);
  switch (v) {
    case 15:
    case 20:
      DrawShore(c, land);
      StampSolid(c, Turn(FallenTreeOverlay(), q));
      return;
    case 30:
    case 31:
    case 32:
    case 33:
      DrawShore(c, land);
      StampSolid(c, Turn(DockOverlay(), q));
      return;
    case 35:
      DrawShore(c, land);
      StampSolid(c, RampOverlay());
      return;
    case 140:
    case 141:
    case 142:
    case 143:
      DrawShore(c, land, Bank::Stones);
      StampSolid(c, Turn(RockyBankOverlay(900 + static_cast<std::uint64_t>(v)), q));
      return;
    default:
      break;
  }
  DrawShore(c, land);
  if (v >= 44 && v <= 49) {
    Weeds(c, 500 + static_cast<std::uint32_t>(v), 0.9, [&](int x, int y) {
      const double d = LandDistance(land, x + 0.5, y + 0.5);
      return c.isWater(x, y) && d > 11.0 && d < 26.0 && WaterEdgeDistance(land, x, y) > kEdgeClear;
    });
  } else if (v >= 52 && v <= 55) {
    Pads(c, 600 + static_cast<std::uint64_t>(v), 7, 2.6, 3.8, 0.35, [&](double x, double y, double r) {
      const double d = LandDistance(land, x, y);
      return d - r > 11.5 && d + r < 27.0 &&
             WaterEdgeDistance(land, static_cast<int>(x), static_cast<int>(y)) > r + kEdgeClear;
    });
  }
}

// --- Water pieces --------------------------------------------------------

// Blend weight of a centred patch: 1 in the middle, 0 within `margin` of the
// tile edges, so a variant piece fades into the open water around it.
double CentreWeight(int x, int y, double margin, std::uint32_t seed) {
  const double r = std::hypot(x + 0.5 - 16.0, y + 0.5 - 16.0);
  const double wob = (PeriodicNoise(x, y, 8, 32, seed) - 0.5) * 5.0;
  return std::clamp((13.0 - r + wob) / margin, 0.0, 1.0);
}

void DrawWaterVariant(Canvas& c, int v) {
  FillWater(c);
  static const RippleMap glints = MakeRipples(7007, 9);
  for (int y = 0; y < T; ++y)
    for (int x = 0; x < T; ++x) {
      const double w = CentreWeight(x, y, 9.0, 400 + static_cast<std::uint32_t>(v));
      if (w < 0.45) continue;
      switch (v) {
        case 86: {  // deep water: a darker hollow, darkest in the middle
          const double n = w + (Fbm32(x, y, 86) - 0.5) * 0.5;
          if (n > 0.55) c.water(x, y, n > 0.85 ? kDeepest : (n > 0.7 || Dither(0.5, x, y)) ? kDeepDark : kDeep1);
          break;
        }
        case 91: {  // sun glints
          const std::uint8_t g = glints.m[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
          if (g == 2) c.water(x, y, kGlint);
          if (g == 1) c.water(x, y, kRippleHi);
          break;
        }
        case 102: {  // shallows over a light bottom, the same shades as along a bank
          const double n = (w - 0.45) / 0.55 * 0.7 + Fbm32(x, y, 102) * 0.5;
          QRgb col = n < 0.45 ? kShallow1 : n < 0.62 ? kShallow2 : n < 0.8 ? kShallow3 : kShallow4;
          if (n > 0.8 && Hash01(x, y, 103) < 0.08) col = kFoam;
          c.water(x, y, col);
          break;
        }
        default:
          break;
      }
    }
  if (v == 115) {
    Weeds(c, 1150, 0.55, [&](int x, int y) { return CentreWeight(x, y, 8.0, 1151) > 0.4; });
    for (int y = 0; y < T; ++y)
      for (int x = 0; x < T; ++x)
        if (c.at(x, y) == kWeedTip || c.at(x, y) == kWeed3) c.water(x, y, kWeed2);
  } else if (v == 147) {
    Rng rng(1470);
    for (int i = 0; i < 9; ++i) {
      const int x = 3 + rng.below(26);
      const int y = 3 + rng.below(26);
      const QRgb leaf = rng.chance(0.5) ? kLeafBrown : kLeafRed;
      c.water(x, y, leaf);
      c.water(x + 1, y, leaf);
      c.water(x, y + 1, leaf);
      if (rng.chance(0.5)) c.water(x + 1, y + 1, kLeafBrown);
    }
  } else if (v == 148) {
    for (int y = 0; y < T; ++y)
      for (int x = 0; x < T; ++x) {
        const double w = CentreWeight(x, y, 8.0, 1480);
        const double n = PeriodicNoise(x, y, 4, 32, 1481);
        if (w > 0.2 && n * w > 0.32 && Hash01(x, y, 1482) < 0.55 + w * 0.4)
          c.water(x, y, Hash01(x, y, 1483) < 0.2 ? kPadHi : kDuckweed);
      }
  }
}

void DrawLilyPads(Canvas& c, int v) {
  FillWater(c);
  auto inside = [](double x, double y, double r) {
    return x - r > 1.5 && y - r > 1.5 && x + r < T - 1.5 && y + r < T - 1.5;
  };
  switch (v) {
    case 21:
      Pads(c, 21, 8, 3.0, 4.6, 0.25,
           [&](double x, double y, double r) { return inside(x, y, r) && std::hypot(x - 16, y - 16) < 11; });
      break;
    case 22:
      Pads(c, 22, 6, 2.5, 3.6, 0.3, inside);
      break;
    case 23:
      Pads(c, 23, 8, 3.0, 4.2, 0.8, inside);
      break;
    case 24:
      Pads(c, 24, 14, 2.8, 4.4, 0.2, inside);
      break;
    default:
      Pads(c, 25, 10, 2.6, 3.8, 0.5, [&](double x, double y, double r) {
        return inside(x, y, r) && (std::hypot(x - 10, y - 10) < 8 || std::hypot(x - 22, y - 21) < 8);
      });
      break;
  }
}

void DrawWeedBed(Canvas& c, int v) {
  FillWater(c);
  const double density = v == 26 ? 0.8 : v == 27 ? 0.5 : v == 28 ? 1.15 : 0.85;
  Weeds(c, 260 + static_cast<std::uint32_t>(v), density,
        [&](int x, int y) { return CentreWeight(x, y, 6.0, 270 + static_cast<std::uint32_t>(v)) > 0.5; });
  if (v == 29) {  // milfoil tips breaking the surface
    Rng rng(290);
    for (int i = 0; i < 14; ++i) {
      const int x = 5 + rng.below(22);
      const int y = 5 + rng.below(22);
      c.water(x, y, kWeedTip);
      c.water(x + 1, y, kPadHi);
    }
  }
}

// --- Objects in open water ----------------------------------------------

void StumpTop(QImage& ov, double cx, double cy, double r) {
  for (int y = static_cast<int>(cy - r - 1); y <= static_cast<int>(cy + r + 1); ++y)
    for (int x = static_cast<int>(cx - r - 1); x <= static_cast<int>(cx + r + 1); ++x) {
      const double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy);
      if (d > r) continue;
      QRgb col = d > r - 1.2 ? kBark : (static_cast<int>(d * 1.4) % 2 ? kWoodLight : kWood);
      if (d > r - 1.2 && (x + 0.5 - cx) + (y + 0.5 - cy) > 0) col = kWoodGap;
      if (d < 0.9) col = kWoodDark;
      Px(ov, x, y, col);
    }
}

void DeadTree(QImage& ov, double cx, double cy, std::uint64_t seed, double reach) {
  Rng rng(seed);
  QImage br = Shapes([&](QPainter& p) {
    for (int i = 0; i < 6; ++i) {
      const double a = i * kPi / 3 + rng.range(-0.4, 0.4);
      const double len = reach * rng.range(0.6, 1.0);
      const QPointF tip(cx + std::cos(a) * len, cy + std::sin(a) * len);
      p.setPen(Pen(kDeadWoodDark, 1.4));
      p.drawLine(QPointF(cx, cy), tip);
      p.setPen(Pen(kDeadWood, 0.9));
      p.drawLine(tip, QPointF(tip.x() + std::cos(a + 0.7) * 3, tip.y() + std::sin(a + 0.7) * 3));
    }
  });
  for (int y = 0; y < T; ++y)
    for (int x = 0; x < T; ++x)
      if (Opaque(br, x, y)) Px(ov, x, y, br.pixel(x, y));
  StumpTop(ov, cx, cy, 2.2);
}

void Reeds(Canvas& c, double cx, double cy, double rx, double ry, std::uint32_t seed, bool cattails) {
  // Tufts of stems seen from above, leaning out from a dark base, with
  // water showing between the tufts.
  Rng rng(seed);
  const int tufts = static_cast<int>(rx * ry * 0.22);
  for (int i = 0; i < tufts; ++i) {
    const double a = rng.range(0, 2 * kPi);
    const double r = std::sqrt(rng.uniform());
    const int tx = static_cast<int>(cx + std::cos(a) * r * rx);
    const int ty = static_cast<int>(cy + std::sin(a) * r * ry);
    if (tx < 2 || ty < 2 || tx > T - 3 || ty > T - 3) continue;
    const int arms = 3 + rng.below(3);
    for (int k = 0; k < arms; ++k) {
      const double b = rng.range(0, 2 * kPi);
      const int len = 1 + rng.below(3);
      for (int s = 1; s <= len; ++s) {
        const int x = tx + static_cast<int>(std::lround(std::cos(b) * s));
        const int y = ty + static_cast<int>(std::lround(std::sin(b) * s));
        c.solid(x, y, s == len ? kReedLight : kReed);
      }
    }
    c.solid(tx, ty, kReedDark);
    if (cattails && rng.chance(0.45)) {
      c.solid(tx + 1, ty - 1, kCattail);
      c.solid(tx + 1, ty - 2, kCattail);
    }
  }
}

QImage MooredBoat(int kind) {
  return Shapes([kind](QPainter& p) {
    p.translate(16, 16);
    p.rotate(kind == 65 ? -35 : kind == 66 ? 20 : kind == 67 ? -20 : 30);
    p.setPen(Qt::NoPen);
    if (kind == 64) {  // bass boat
      QPolygonF hull({{0, -12}, {4, -6}, {5, 6}, {4, 10}, {-4, 10}, {-5, 6}, {-4, -6}});
      p.setBrush(Brush(kRedDark));
      p.drawPolygon(hull);
      p.setBrush(Brush(kRed));
      p.drawPolygon(QPolygonF({{0, -11}, {3, -6}, {3.8, 6}, {3, 9}, {-3, 9}, {-3.8, 6}, {-3, -6}}));
      p.setBrush(Brush(kCarpet));
      p.drawRect(QRectF(-2.6, -5, 5.2, 13));
      p.setBrush(Brush(kOffWhite));
      p.drawRect(QRectF(0.5, -2, 2, 2.5));
      p.setBrush(Brush(kSeat));
      p.drawRect(QRectF(-2, 2, 4, 2));
      p.setBrush(Brush(kEngine));
      p.drawRect(QRectF(-1.5, 10, 3, 3.5));
    } else if (kind == 65) {  // rowboat
      QPolygonF hull({{0, -10}, {4.5, -4}, {4.5, 7}, {3, 9.5}, {-3, 9.5}, {-4.5, 7}, {-4.5, -4}});
      p.setBrush(Brush(kWoodDark));
      p.drawPolygon(hull);
      p.setBrush(Brush(kWood));
      p.drawPolygon(
          QPolygonF({{0, -8.5}, {3.3, -3.5}, {3.3, 6.5}, {2.2, 8.3}, {-2.2, 8.3}, {-3.3, 6.5}, {-3.3, -3.5}}));
      p.setBrush(Brush(kWoodLight));
      p.drawRect(QRectF(-3.5, -2, 7, 1.6));
      p.drawRect(QRectF(-3.5, 4, 7, 1.6));
      p.setPen(Pen(kWoodGap, 0.8));
      p.drawLine(QPointF(-2, -6), QPointF(-1, 7));
    } else if (kind == 66) {  // pontoon
      p.setBrush(Brush(kHullShade));
      p.drawRoundedRect(QRectF(-6, -11, 3, 22), 1.5, 1.5);
      p.drawRoundedRect(QRectF(3, -11, 3, 22), 1.5, 1.5);
      p.setBrush(Brush(kCarpet));
      p.drawRect(QRectF(-5.5, -8, 11, 17));
      p.setBrush(Brush(kBlueLight));
      p.drawRect(QRectF(-5, -4, 10, 8));
      p.setBrush(Brush(kBlue));
      p.drawRect(QRectF(-5, 1, 10, 3));
      p.setBrush(Brush(kSeat));
      p.drawRect(QRectF(-5, 6, 10, 2));
    } else {  // sailboat
      QPolygonF hull({{0, -13}, {4.5, -5}, {5, 5}, {3.5, 11}, {-3.5, 11}, {-5, 5}, {-4.5, -5}});
      p.setBrush(Brush(kHullShade));
      p.drawPolygon(hull);
      p.setBrush(Brush(kWhite));
      p.drawPolygon(QPolygonF({{0, -12}, {3.6, -5}, {4, 5}, {2.8, 10}, {-2.8, 10}, {-4, 5}, {-3.6, -5}}));
      p.setBrush(Brush(kWoodLight));
      p.drawRect(QRectF(-2.5, 3, 5, 6));
      p.setPen(Pen(kEngineHi, 1.0));
      p.drawLine(QPointF(0, -4), QPointF(0, 8));
      p.setPen(Pen(kOffWhite, 1.6));
      p.drawLine(QPointF(0, -3.5), QPointF(0, 7));
      p.setPen(Qt::NoPen);
      p.setBrush(Brush(kEngine));
      p.drawEllipse(QPointF(0, -4), 1.0, 1.0);
    }
  });
}

void DrawObstacle(Canvas& c, int v) {
  FillWater(c);
  QImage ov = Blank();
  switch (v) {
    case 34:
      RippleRing(c, 16, 16, 9);
      Rock(ov, 12, 13, 4.5, 341);
      Rock(ov, 20, 15, 3.8, 342);
      Rock(ov, 15, 20, 3.6, 343);
      Rock(ov, 21, 21, 2.4, 344);
      Rock(ov, 9, 19, 2.0, 345);
      break;
    case 63:
    case 93:
    case 114: {
      if (v == 93)
        Weeds(c, 930, 0.5, [](int x, int y) { return std::hypot(x - 15.5, y - 15.5) < 10; });
      else
        RippleRing(c, 16, 16, 10);
      Rng rng(static_cast<std::uint64_t>(v) * 13);
      const int sticks = v == 93 ? 5 : v == 63 ? 14 : 10;
      ov = Shapes([&](QPainter& p) {
        if (v == 63) {
          p.setPen(Pen(kBark, 2.4));
          p.drawLine(QPointF(5, 7), QPointF(17, 17));
        }
        for (int i = 0; i < sticks; ++i) {
          const QPointF a(rng.range(7, 25), rng.range(7, 25));
          const double ang = rng.range(0, 2 * kPi);
          const double len = v == 93 ? rng.range(2, 3.5) : rng.range(4, 9);
          p.setPen(Pen(rng.chance(0.5) ? kDeadWood : kDeadWoodDark, v == 93 ? 1.2 : 1.1));
          p.drawLine(a, a + QPointF(std::cos(ang) * len, std::sin(ang) * len));
        }
      });
      break;
    }
    case 68:
      RippleRing(c, 16, 16, 4.5);
      ov = Shapes([](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(Brush(kOffWhite));
        p.drawEllipse(QPointF(16, 16), 4.2, 4.2);
        p.setBrush(Brush(kWhite));
        p.drawEllipse(QPointF(15.2, 15.2), 3.0, 3.0);
        p.setBrush(Brush(kBlue));
        p.drawRect(QRectF(11.8, 15, 8.4, 2));
        p.setPen(Pen(kEngine, 1.0));
        p.drawLine(QPointF(16, 12), QPointF(16, 10));
      });
      break;
    case 69:
      RippleRing(c, 10, 11, 3.5);
      RippleRing(c, 22, 21, 3.5);
      ov = Shapes([](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(Brush(kGreenCan));
        p.drawRect(QRectF(7, 8, 6, 6));
        p.setBrush(Brush(kLeaf3));
        p.drawRect(QRectF(7, 8, 6, 1.5));
        p.setBrush(Brush(kRed));
        p.drawPolygon(QPolygonF({{22, 17}, {26, 21}, {22, 25}, {18, 21}}));
        p.setBrush(Brush(kRedDark));
        p.drawPolygon(QPolygonF({{26, 21}, {22, 25}, {18, 21}}));
        p.setBrush(Brush(kWhite));
        p.drawRect(QRectF(9, 10, 2, 2));
        p.drawRect(QRectF(21, 20, 2, 2));
      });
      break;
    case 70:
    case 110:
      RippleRing(c, 16, 16, 5);
      StumpTop(ov, 16, 16, 4.2);
      break;
    case 111:
      RippleRing(c, 11, 12, 4);
      RippleRing(c, 21, 21, 3.5);
      StumpTop(ov, 11, 12, 3.6);
      StumpTop(ov, 21, 21, 3.0);
      break;
    case 71:
      RippleRing(c, 16, 16, 8);
      Rock(ov, 16, 16, 7.0, 711);
      break;
    case 72:
      RippleRing(c, 16, 16, 9);
      Rock(ov, 11, 12, 4.0, 721);
      Rock(ov, 21, 12, 3.2, 722);
      Rock(ov, 16, 20, 4.2, 723);
      Rock(ov, 23, 21, 2.2, 724);
      break;
    case 73:
      RippleRing(c, 16, 16, 9);
      Rock(ov, 16, 16, 8.5, 731, 0.55);
      Rock(ov, 11, 15, 3.0, 732);
      break;
    case 74:
      for (int i = 0; i < 5; ++i) {
        RippleRing(c, 5 + i * 5.5, 16 + (i % 2 ? 2 : -2), 2.5);
        Rock(ov, 5 + i * 5.5, 16 + (i % 2 ? 2 : -2), 2.6 + (i % 3) * 0.5, 741 + static_cast<std::uint32_t>(i));
      }
      break;
    case 75:
      for (auto [x, y, r] : {std::tuple{9.0, 9.0, 3.0}, {22.0, 11.0, 2.6}, {14.0, 21.0, 3.2}, {24.0, 24.0, 2.2}}) {
        RippleRing(c, x, y, r + 0.5);
        StumpTop(ov, x, y, r);
      }
      break;
    case 76:
    case 112:
      RippleRing(c, 16, 16, 3);
      DeadTree(ov, 16, 16, static_cast<std::uint64_t>(v), v == 76 ? 12 : 9);
      if (v == 112) DeadTree(ov, 8, 9, 1121, 5);
      break;
    case 87:
    case 88: {
      const bool corner = v == 88;
      const std::vector<QPointF> posts =
          corner ? std::vector<QPointF>{{23, 22}, {29, 22}, {23, 28}, {29, 28}}
                 : std::vector<QPointF>{{10, 10}, {16, 9}, {22, 11}, {11, 17}, {21, 18}, {12, 23}, {18, 24}, {23, 23}};
      for (const auto& pt : posts) RippleRing(c, pt.x(), pt.y(), 2.0);
      ov = Shapes([&](QPainter& p) {
        p.setPen(Qt::NoPen);
        for (const auto& pt : posts) {
          p.setBrush(Brush(kPost));
          p.drawEllipse(pt, 1.9, 1.9);
          p.setBrush(Brush(kWoodDark));
          p.drawEllipse(pt - QPointF(0.4, 0.4), 1.0, 1.0);
        }
      });
      break;
    }
    case 90:
      RippleRing(c, 16, 16, 9);
      for (int y = 8; y <= 23; ++y)
        for (int x = 8; x <= 23; ++x) {
          QRgb col = (x % 3 == 2) ? kWoodGap : ((x / 3) % 2 ? kWood : kWoodLight);
          if (x == 8 || y == 8 || x == 23 || y == 23) col = kOffWhite;
          Px(ov, x, y, col);
        }
      for (int y = 11; y <= 17; y += 3) {
        Px(ov, 24, y, kRockHi);
        Px(ov, 25, y, kRockHi);
      }
      Px(ov, 24, 11, kRockLight);
      for (int y = 11; y <= 17; ++y) Px(ov, 26, y, kRockLight);
      break;
    case 92:
    case 113:
      RippleRing(c, 16, 16, v == 92 ? 7 : 5);
      ov = Shapes([v](QPainter& p) {
        p.translate(16, 16);
        p.rotate(v == 92 ? -25 : 35);
        p.setPen(Qt::NoPen);
        const double len = v == 92 ? 11 : 7;
        p.setBrush(Brush(kBark));
        p.drawRoundedRect(QRectF(-len, -2.2, 2 * len, 4.4), 2, 2);
        p.setBrush(Brush(kBarkLight));
        p.drawRect(QRectF(-len + 1, -2.0, 2 * len - 2, 1.2));
        p.setBrush(Brush(kWoodLight));
        p.drawEllipse(QPointF(len - 0.5, 0), 1.6, 2.1);
        p.setBrush(Brush(kWood));
        p.drawEllipse(QPointF(len - 0.5, 0), 0.7, 0.9);
      });
      if (v == 113)
        for (int i = 0; i < 9; ++i) {  // the sunken end, dark under the water
          const int x = 9 - i / 2 + (i % 2);
          const int y = 21 + i / 3;
          c.water(x, y, kDeepest);
        }
      break;
    case 94:
      RippleRing(c, 16, 17, 10);
      ov = Shapes([](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(Brush(kMud));
        p.drawEllipse(QPointF(16, 17), 10, 8.5);
        Rng rng(940);
        for (int i = 0; i < 40; ++i) {
          const double a = rng.range(0, 2 * kPi);
          const double r = rng.range(0, 8);
          const QPointF c0(16 + std::cos(a) * r, 17 + std::sin(a) * r * 0.85);
          const double b = rng.range(0, kPi);
          p.setPen(Pen(rng.chance(0.5) ? kWoodDark : kDeadWoodDark, 1.0));
          p.drawLine(c0, c0 + QPointF(std::cos(b) * 3, std::sin(b) * 3));
        }
      });
      break;
    case 95: {
      RippleRing(c, 16, 16, 11);
      for (int y = 0; y < T; ++y)
        for (int x = 0; x < T; ++x) {
          const double d = std::hypot(x + 0.5 - 16, (y + 0.5 - 16) * 1.1) + (PeriodicNoise(x, y, 4, 32, 951) - 0.5) * 2;
          if (d < 7.5)
            c.solid(x, y, GrassTex(x, y));
          else if (d < 9.0)
            c.solid(x, y, SandTex(x, y));
          else if (d < 10.0)
            c.solid(x, y, kWetSand);
        }
      CrownShadow(c, 15, 15, 5.5);
      Crown(c, 15, 14, 5.5, kBroadleaf, 952);
      return;
    }
    case 108:
    case 116:
    case 117:
    case 125:
      RippleRing(c, 16, 16, v == 125 ? 12 : 8);
      Reeds(c, 16, 16, v == 125 ? 13 : 9, v == 125 ? 11 : 8, 1000 + static_cast<std::uint32_t>(v), false);
      if (v == 117)
        for (int y = 0; y < T; ++y)
          for (int x = 0; x < T; ++x)
            if (!c.isWater(x, y) && Hash01(x, y, 1171) < 0.5) c.water(x, y, WaterTex(x, y));
      return;
    case 109:
      RippleRing(c, 16, 16, 9);
      Reeds(c, 16, 16, 10, 9, 1090, true);
      return;
    case 126:
      Pads(c, 1260, 5, 2.6, 3.6, 0.5, [](double x, double y, double r) {
        return x - r > 1.5 && y - r > 1.5 && x + r < 30.5 && y + r < 30.5 && (x > 18 || y > 20);
      });
      Reeds(c, 11, 11, 8, 7, 1261, false);
      return;
    case 119:
      RippleRing(c, 16, 16, 9);
      CrownShadow(c, 16, 16, 8, kDeepest);
      for (int y = 0; y < T; ++y)
        for (int x = 0; x < T; ++x)
          if (c.at(x, y) == kDeepest) c.water(x, y, kDeepest);
      {
        Canvas bush(T, T);
        Crown(bush, 16, 16, 8, kDarkLeaf, 1190);
        for (int y = 0; y < T; ++y)
          for (int x = 0; x < T; ++x)
            if (std::hypot(x + 0.5 - 16, y + 0.5 - 16) < 9 && bush.at(x, y) != 0) c.solid(x, y, bush.at(x, y));
      }
      return;
    case 120: {
      Rng rng(1200);
      ov = Shapes([&](QPainter& p) {
        for (int i = 0; i < 7; ++i) {
          const QPointF a(rng.range(6, 26), rng.range(6, 26));
          const double ang = rng.range(0, 2 * kPi);
          p.setPen(Pen(kDeadWoodDark, 1.5));
          p.drawLine(a, a + QPointF(std::cos(ang) * 2.5, std::sin(ang) * 2.5));
          p.setPen(Pen(kDeadWood, 0.9));
          p.drawPoint(a);
        }
      });
      for (int y = 0; y < T; ++y)
        for (int x = 0; x < T; ++x)
          if (Opaque(ov, x, y))
            for (auto [dx, dy] : {std::pair{-1, 1}, {1, 1}, {0, 2}})
              if (!Opaque(ov, x + dx, y + dy)) c.water(x + dx, y + dy, kRipple);
      break;
    }
    case 149:
      Weeds(c, 1490, 0.4, [](int x, int y) { return std::hypot(x - 15.5, y - 15.5) < 13; });
      ov = Shapes([](QPainter& p) {
        p.translate(16, 16);
        p.rotate(-30);
        p.setBrush(Qt::NoBrush);
        p.setPen(Pen(kWoodDark, 1.8));
        p.drawPolygon(QPolygonF({{0, -11}, {5, -4}, {5, 7}, {3, 10}, {-3, 10}, {-5, 7}, {-5, -4}}));
        p.setPen(Pen(kDeadWoodDark, 1.4));
        p.drawLine(QPointF(-4.5, -1), QPointF(4.5, -1));
        p.drawLine(QPointF(-4.5, 5), QPointF(2, 5));
      });
      for (int y = 0; y < T; ++y)
        for (int x = 0; x < T; ++x)
          if (!Opaque(ov, x, y) && c.isWater(x, y) && std::hypot(x - 15.5, y - 15.5) < 7 && Dither(0.5, x, y))
            c.water(x, y, kDeepest);
      break;
    default:
      break;
  }
  StampSolid(c, ov);
}

void DrawNoWakeBuoy(Canvas& c) {
  FillWater(c);
  RippleRing(c, 16, 17, 6);
  QImage ov = Shapes([](QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(Brush(kHullShade));
    p.drawEllipse(QPointF(16.6, 17), 5.2, 5.2);
    p.setBrush(Brush(kWhite));
    p.drawEllipse(QPointF(16, 16.4), 4.6, 4.6);
    p.setBrush(Brush(kOrange));
    p.drawEllipse(QPointF(16, 16.4), 2.8, 2.8);
    p.setBrush(Brush(kWhite));
    p.drawEllipse(QPointF(16, 16.4), 1.4, 1.4);
    p.setPen(Pen(kOrangeDark, 1.0));
    p.drawLine(QPointF(16, 9), QPointF(16, 11.5));
  });
  StampSolid(c, ov);
}

void DrawBuoyLine(Canvas& c, const TileInfo& t) {
  FillWater(c);
  const bool ew = (t.links & (kE | kW)) || t.links == 0;
  // Work in "along" (a) and "across" (b) coordinates; the rope sits at b 15..16.
  auto put = [&](int a, int b, QRgb col) {
    if (ew)
      c.solid(a, b, col);
    else
      c.solid(b, a, col);
  };
  const bool toLow = t.links & (ew ? kW : kN);
  const bool toHigh = t.links & (ew ? kE : kS);
  const int from = toLow ? 0 : 8;
  const int to = toHigh ? 31 : 23;
  for (int a = from; a <= to; ++a) {
    put(a, 15, kRope);
    put(a, 16, kCanvasTan);
  }
  for (int a = 3; a < 32; a += 8) {
    if (a + 3 < from || a > to) continue;
    const QRgb col = ((a / 8) % 2) ? kOrange : kWhite;
    for (int k = 0; k < 4; ++k) {
      put(a + k, 14, k == 0 ? kOffWhite : col);
      put(a + k, 15, col);
      put(a + k, 16, (col == kWhite) ? kHullShade : kOrangeDark);
    }
  }
  if (!(toLow && toHigh)) {  // an anchor float at the loose end
    const double a0 = toLow ? 27.0 : 5.0;
    QImage ov = Shapes([&](QPainter& p) {
      p.setPen(Qt::NoPen);
      const QPointF ctr = ew ? QPointF(a0, 16) : QPointF(16, a0);
      p.setBrush(Brush(kOrangeDark));
      p.drawEllipse(ctr + QPointF(0.5, 0.5), 3.8, 3.8);
      p.setBrush(Brush(kOrange));
      p.drawEllipse(ctr, 3.4, 3.4);
      p.setBrush(Brush(kYellow));
      p.drawEllipse(ctr - QPointF(1.2, 1.2), 1.1, 1.1);
    });
    StampSolid(c, ov);
  }
}

void DrawMooredBoat(Canvas& c, int v) {
  FillWater(c);
  QImage boat = MooredBoat(v);
  // a ring of wake-free darker water under the hull's shadow side
  for (int y = 0; y < T; ++y)
    for (int x = 0; x < T; ++x)
      if (Opaque(boat, x - 1, y - 1) && !Opaque(boat, x, y)) c.water(x, y, kDeepDark);
  StampSolid(c, boat);
}

// --- Marina walkways ------------------------------------------------------

void WalkwayPixel(Canvas& c, int x, int y, bool ewBoards) {
  const int along = ewBoards ? x : y;
  QRgb col = (along % 4 == 3) ? kWoodGap : ((along / 4) % 2 ? kWoodLight : kWood);
  if (Hash01(x, y, 81) < 0.06) col = kWoodDark;
  c.solid(x, y, col);
}

void DrawMarinaDock(Canvas& c, int v, const TileInfo& t) {
  FillWater(c);
  const bool ew = t.links & kE;
  // main walkway, band 12..19 across the piece
  for (int a = 0; a < T; ++a)
    for (int b = 12; b <= 19; ++b) {
      const int x = ew ? a : b;
      const int y = ew ? b : a;
      WalkwayPixel(c, x, y, ew);
      if (b == 12 || b == 19) c.solid(x, y, kOffWhite);  // bumper edge
    }
  // shadow of the walkway on the water
  for (int a = 0; a < T; ++a) {
    const int x = ew ? a : 20;
    const int y = ew ? 20 : a;
    c.water(x, y, kDeepDark);
  }
  // cleats
  for (int a = 4; a < T; a += 16) {
    const int x = ew ? a : 13;
    const int y = ew ? 13 : a;
    c.solid(x, y, kEngineHi);
    c.solid(ew ? x + 1 : x, ew ? y : y + 1, kEngineHi);
  }
  // finger pier
  int dir = 0;  // 0 none, else side: 1 S, 2 N, 3 E, 4 W
  if (v == 82 || v == 89) dir = 1;
  if (v == 83) dir = 2;
  if (v == 84) dir = 3;
  if (v == 85) dir = 4;
  if (dir) {
    for (int k = 0; k < 11; ++k)
      for (int w = 14; w <= 17; ++w) {
        int x = 0;
        int y = 0;
        if (dir == 1) x = w, y = 20 + k;
        if (dir == 2) x = w, y = 11 - k;
        if (dir == 3) x = 20 + k, y = w;
        if (dir == 4) x = 11 - k, y = w;
        if (k == 10) {
          c.solid(x, y, kOffWhite);
          continue;
        }
        WalkwayPixel(c, x, y, dir >= 3);
        if (w == 14 || w == 17) c.solid(x, y, kWoodDark);
      }
  }
  if (v == 89) {  // a bass boat in its slip, bow to the walkway
    QImage boat = Shapes([](QPainter& p) {
      p.translate(24.5, 25);
      p.setPen(Qt::NoPen);
      p.setBrush(Brush(kBlue));
      p.drawPolygon(QPolygonF({{0, -5.5}, {3.5, -2}, {3.8, 3.5}, {3, 6}, {-3, 6}, {-3.8, 3.5}, {-3.5, -2}}));
      p.setBrush(Brush(kCarpet));
      p.drawRect(QRectF(-2.2, -1.5, 4.4, 6));
      p.setBrush(Brush(kOffWhite));
      p.drawRect(QRectF(0.3, 0, 1.6, 1.6));
    });
    StampSolid(c, boat);
  }
}

// --- Bridges -------------------------------------------------------------

void DrawBridge(Canvas& c, int v, const TileInfo& t) {
  if (t.land)
    DrawShore(c, t.land);
  else
    FillWater(c);
  const bool ns = t.links & kN;
  auto put = [&](int a, int b, QRgb col) {  // a along the road, b across it
    if (ns)
      c.solid(b, a, col);
    else
      c.solid(a, b, col);
  };
  // the deck's shadow on the water beside it
  for (int a = 0; a < T; ++a)
    for (int b = 24; b <= 26; ++b) {
      const int x = ns ? b : a;
      const int y = ns ? a : b;
      if (c.isWater(x, y) && (b < 26 || Dither(0.5, x, y))) c.water(x, y, kDeepest);
    }
  for (int a = 0; a < T; ++a) {
    for (int b = 8; b <= 23; ++b) {
      QRgb col;
      if (b <= 9 || b >= 22) {
        col = (b == 8 || b == 23) ? kConcreteDark : kConcreteLight;
        if (a % 8 == 2 && (b == 9 || b == 22)) col = kRockShadow;  // railing posts
      } else {
        col = ns ? AsphaltTex(b, a) : AsphaltTex(a, b);
        if ((b == 15 || b == 16) && a % 8 >= 1 && a % 8 <= 5) col = kLineYellow;
      }
      put(a, b, col);
    }
  }
  (void)v;
}

// --- Land ----------------------------------------------------------------

void Roof(Canvas& c, int x0, int y0, int x1, int y1, QRgb light, QRgb mid, QRgb dark, bool ridgeAcross = true) {
  for (int y = y0 + 2; y <= y1 + 2; ++y)
    for (int x = x0 + 2; x <= x1 + 2; ++x)
      if (c.inside(x, y)) c.solid(x, y, kGrassShade);
  const int mid2 = ridgeAcross ? (y0 + y1) / 2 : (x0 + x1) / 2;
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x) {
      const int along = ridgeAcross ? y : x;
      QRgb col = along <= mid2 ? light : mid;
      if ((ridgeAcross ? (y - y0) : (x - x0)) % 3 == 2) col = along <= mid2 ? mid : dark;
      if (along == mid2) col = light;
      if (x == x0 || x == x1 || y == y0 || y == y1) col = dark;
      c.solid(x, y, col);
    }
}

void House(Canvas& c, int v) {
  FillGrass(c);
  QRgb l = kRoofRedLight, m = kRoofRed, d = kRoofRedDark;
  if (v == 184) l = kRoofGreyLight, m = kRoofGrey, d = kRoofGreyDark;
  if (v == 185) l = kRoofBrownLight, m = kRoofBrown, d = kRoofBrownDark;
  if (v == 186) {  // log cabin: logs run along the roof
    Roof(c, 6, 8, 25, 24, kWoodLight, kWood, kWoodDark);
    for (int x = 7; x <= 24; x += 4) c.solid(x, 16, kWoodGap);
    for (int y = 10; y <= 12; ++y) {
      c.solid(20, y, kRockDark);
      c.solid(21, y, kRock);
    }
    for (int y = 26; y <= 29; ++y)
      for (int x = 13; x <= 18; ++x) c.solid(x, y, (x + y) % 2 ? kDirt : kDirtDark);
    return;
  }
  Roof(c, 5, 7, 26, 24, l, m, d);
  for (int y = 9; y <= 11; ++y)
    for (int x = 19; x <= 21; ++x) c.solid(x, y, y == 9 ? kRockShadow : kChimney);
  // the path to the door
  for (int y = 26; y <= 31; ++y)
    for (int x = 14; x <= 17; ++x) c.solid(x, y, ConcreteTex(x, y));
  // a flower bed
  for (int x = 6; x <= 11; ++x) c.solid(x, 26, (x % 2) ? kFlowerDotP : kFlowerDotY);
}

// Draws the 64 x 64 marina building block; its quarters are 187 .. 190.
Canvas MarinaBlock() {
  Canvas b(64, 64);
  FillGrass(b);
  for (int y = 5; y <= 60; ++y)
    for (int x = 5; x <= 60; ++x) b.solid(x, y, kGrassShade);
  for (int y = 3; y <= 58; ++y)
    for (int x = 3; x <= 58; ++x) {
      QRgb col = (x % 4 == 0) ? kRoofGreenDark : ((x % 4 == 1) ? kRoofGreenLight : kRoofGreen);
      if (y == 3 || y == 58 || x == 3 || x == 58) col = kRoofGreenDark;
      if (y == 30 || y == 31) col = kRoofGreenLight;  // ridge cap
      b.solid(x, y, col);
    }
  // the name on the roof
  for (int y = 13; y <= 23; ++y)
    for (int x = 9; x <= 52; ++x) b.solid(x, y, kOffWhite);
  DrawText5x7(b.img, 11, 15, "MARINA", kNavy, 1, 1);
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x) b.solid(x, y, b.at(x, y));  // the text pixels are solid too
  // air conditioner units
  for (auto [ax, ay] : {std::pair{14, 40}, {44, 42}})
    for (int y = ay; y < ay + 5; ++y)
      for (int x = ax; x < ax + 6; ++x) b.solid(x, y, (x + y) % 2 ? kRockLight : kRock);
  return b;
}

void Road(Canvas& c, std::uint8_t links, bool dirt) {
  FillGrass(c);
  const int lo = dirt ? 12 : 10;
  const int hi = dirt ? 19 : 21;
  auto surface = [&](int x, int y) {
    if (dirt) return Hash01(x, y, 197) < 0.2 ? kDirtDark : (Hash01(x, y, 198) < 0.05 ? kGrassDark : kDirt);
    return AsphaltTex(x, y);
  };
  const int n = std::popcount(static_cast<unsigned>(links & kAllSides));
  const bool straight = links == (kN | kS) || links == (kE | kW);
  const bool bend = n == 2 && !straight;
  for (int y = 0; y < T; ++y)
    for (int x = 0; x < T; ++x) {
      const double px = x + 0.5;
      const double py = y + 0.5;
      // distance to the road's centre line (or arc), in pixels
      double d = 1e9;
      double along = 0;
      if (bend) {
        const double cx = (links & kE) ? 32 : 0;
        const double cy = (links & kS) ? 32 : 0;
        const double r = std::hypot(px - cx, py - cy);
        d = std::fabs(r - 16.0);
        // a quarter turn is 24 units: three dash periods, gaps at both ends
        along = std::fmod(std::atan2(py - cy, px - cx) + 4 * kPi, kPi / 2) / (kPi / 2) * 24.0;
      } else {
        if ((links & kN) && py <= 16 + (n > 2 || n == 1 ? 0 : 16)) d = std::min(d, std::fabs(px - 16));
        if ((links & kS) && py >= 16 - (n > 2 || n == 1 ? 0 : 16)) d = std::min(d, std::fabs(px - 16));
        if ((links & kW) && px <= 16 + (n > 2 || n == 1 ? 0 : 16)) d = std::min(d, std::fabs(py - 16));
        if ((links & kE) && px >= 16 - (n > 2 || n == 1 ? 0 : 16)) d = std::min(d, std::fabs(py - 16));
        if (n > 2 || n == 1) d = std::min(d, std::max(std::fabs(px - 16), std::fabs(py - 16)) * (n == 1 ? 2.0 : 1.0));
        if (n == 1) d = std::min(d, std::hypot(px - 16, py - 16) * 0.75);
        along = (links & (kN | kS)) ? py : px;
      }
      const double half = (hi - lo + 1) / 2.0;
      if (d < half) {
        QRgb col = surface(x, y);
        // centre line dashes: 5 on, 3 off, with the gap across every tile edge
        const int phase = W32(static_cast<int>(std::floor(along))) % 8;
        if (!dirt && (straight || bend) && d < 1.0 && phase >= 1 && phase <= 5) col = kLineYellow;
        c.solid(x, y, col);
      } else if (!dirt && d < half + 1.0) {
        c.solid(x, y, Dither(0.5, x, y) ? kGravel : kGravelDark);
      }
    }
}

void Car(Canvas& c, int x0, int y0, QRgb body, bool vertical = true) {
  for (int i = 0; i < 12; ++i)
    for (int j = 0; j < 7; ++j) {
      const int x = vertical ? x0 + j : x0 + i;
      const int y = vertical ? y0 + i : y0 + j;
      QRgb col = body;
      if (j == 0 || j == 6 || i == 0 || i == 11) col = kEngine;
      if ((i == 3 || i == 8) && j > 0 && j < 6) col = kGlass;
      if (i > 3 && i < 8 && j > 1 && j < 5) col = Mix(body, kWhite, 0.25);
      if (i == 3 && j == 2) col = kGlassHi;
      c.solid(x, y, col);
    }
}

void Parking(Canvas& c, int v) {
  for (int y = 0; y < T; ++y)
    for (int x = 0; x < T; ++x) {
      QRgb col = AsphaltTex(x, y);
      if (x % 8 == 0 && ((y >= 2 && y <= 12) || (y >= 19 && y <= 29))) col = kLineWhite;
      c.solid(x, y, col);
    }
  if (v == 180) Car(c, 9, 1, kCarBlue);
  if (v == 181) {
    // a pickup towing a boat on its trailer
    Car(c, 1, 18, kCarRed, false);
    for (int x = 13; x <= 16; ++x) c.solid(x, 21, kEngineHi);
    for (int y = 17; y <= 26; ++y)
      for (int x = 16; x <= 30; ++x) {
        const double bx = (x - 16) / 14.0;
        const double half = bx > 0.7 ? 5.0 * (1.0 - bx) / 0.3 : 5.0;
        const double dy = std::fabs(y + 0.5 - 21.5);
        if (dy > half) continue;
        QRgb col = kRed;
        if (dy > half - 1.0) col = kRedDark;
        if (x >= 18 && x <= 25 && dy < 3) col = kCarpet;
        c.solid(x, y, col);
      }
  }
}

void DrawLand(Canvas& c, int v) {
  switch (v) {
    case 151:
      FillGrass(c);
      for (int i = 0; i < 22; ++i) {
        const int x = static_cast<int>(Hash01(i, 1, 1510) * 30) + 1;
        const int y = static_cast<int>(Hash01(i, 2, 1510) * 30) + 1;
        const QRgb f = i % 3 == 0 ? kFlowerDotY : i % 3 == 1 ? kFlowerDotW : kFlowerDotP;
        c.solid(x, y, f);
      }
      return;
    case 152: {
      FillGrass(c);
      QImage ov = Blank();
      Rock(ov, 9, 10, 2.2, 1521);
      Rock(ov, 22, 14, 1.8, 1522);
      Rock(ov, 14, 23, 2.6, 1523);
      Rock(ov, 25, 25, 1.4, 1524);
      StampSolid(c, ov);
      return;
    }
    case 153:
      FillGrass(c);
      for (int y = 0; y < T; ++y)
        for (int x = 0; x < T; ++x) {
          const double w = CentreWeight(x, y, 8.0, 1530);
          if (w < 0.5) continue;
          // tall grass: short upright strokes
          const double h = Hash01(x, y / 3 + (x % 2) * 7, 1531);
          c.solid(x, y, h < 0.3 ? kMeadowDry : h < 0.8 ? kMeadow : (y % 3 == 0 ? kGrassLight : kGrass1));
        }
      return;
    case 154:
    case 155:
    case 253:
    case 254: {
      const bool pine = v == 155;
      const CrownPal& p = pine ? kPines : (v == 154 ? kBroadleaf : kDarkLeaf);
      for (int y = 0; y < T; ++y)
        for (int x = 0; x < T; ++x) c.solid(x, y, v == 154 || v == 155 ? kLeafShade : kPine0);
      Rng rng(static_cast<std::uint64_t>(v) * 31);
      const int n = pine ? 9 : 7;
      for (int i = 0; i < n; ++i)
        Crown(c, rng.range(0, 32), rng.range(0, 32), pine ? rng.range(5, 7) : rng.range(6.5, 9), p,
              static_cast<std::uint32_t>(v * 10 + i), true, pine);
      return;
    }
    case 156:
      FillGrass(c);
      CrownShadow(c, 16, 15, 10);
      Crown(c, 16, 15, 10, kBroadleaf, 1560);
      return;
    case 157:
      FillGrass(c);
      CrownShadow(c, 11, 11, 7);
      CrownShadow(c, 22, 21, 7.5);
      Crown(c, 11, 11, 7, kBroadleaf, 1570);
      Crown(c, 22, 21, 7.5, kBroadleaf, 1571);
      return;
    case 158:
      FillGrass(c);
      for (auto [x, y, r] : {std::tuple{9.0, 10.0, 4.0}, {20.0, 8.0, 3.5}, {14.0, 21.0, 4.5}, {24.0, 22.0, 3.2}}) {
        CrownShadow(c, x - 1, y - 1, r);
        Crown(c, x, y, r, kDarkLeaf, static_cast<std::uint32_t>(x * 7 + y));
      }
      return;
    case 199:
      FillGrass(c);
      CrownShadow(c, 16, 15, 9);
      Crown(c, 16, 15, 9, kPines, 1990, false, true);
      return;
    case 159:
    case 194:
      FillGrass(c);
      for (int y = 0; y < T; ++y)
        for (int x = 0; x < T; ++x)
          if (const double w = CentreWeight(x, y, 7.0, 1590 + static_cast<std::uint32_t>(v)); w > 0.5)
            c.solid(x, y, w < 0.62 ? kSandDark : SandTex(x, y));
      if (v == 194) {  // a beach umbrella and towel
        QImage ov = Shapes([](QPainter& p) {
          p.setPen(Qt::NoPen);
          p.setBrush(Brush(kBlueLight));
          p.drawRect(QRectF(18, 17, 5, 9));
          p.setBrush(Brush(kWhite));
          p.drawRect(QRectF(18, 19, 5, 1.5));
          p.drawRect(QRectF(18, 23, 5, 1.5));
          for (int i = 0; i < 8; ++i) {
            p.setBrush(Brush(i % 2 ? kRed : kWhite));
            p.drawPie(QRectF(6, 6, 12, 12), i * 45 * 16, 45 * 16);
          }
        });
        StampSolid(c, ov);
      }
      return;
    case 179:
    case 180:
    case 181:
      Parking(c, v);
      return;
    case 192: {
      FillGrass(c);
      for (int y = 12; y <= 21; ++y)
        for (int x = 9; x <= 24; ++x) c.solid(x, y, kGrassShade);
      for (int y = 10; y <= 19; ++y)
        for (int x = 7; x <= 22; ++x) {
          QRgb col = kWood;
          if (y == 10 || y == 11 || y == 18 || y == 19)
            col = kWoodDark;  // benches
          else if (y == 12 || y == 17)
            continue;
          else if (x % 4 == 0)
            col = kWoodGap;
          else
            col = kWoodLight;
          c.solid(x, y, col);
        }
      return;
    }
    case 193: {
      FillGrass(c);
      QImage ov = Shapes([](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(Brush(kGrassShade));
        p.drawPolygon(QPolygonF({{6, 9}, {20, 9}, {22, 23}, {8, 23}}));
        p.setBrush(Brush(kOrange));
        p.drawPolygon(QPolygonF({{5, 7}, {12.5, 7}, {12.5, 21}, {5, 21}}));
        p.setBrush(Brush(kOrangeDark));
        p.drawPolygon(QPolygonF({{12.5, 7}, {20, 7}, {20, 21}, {12.5, 21}}));
        p.setPen(Pen(kYellow, 1.0));
        p.drawLine(QPointF(12.5, 7), QPointF(12.5, 21));
        p.setPen(Qt::NoPen);
        p.setBrush(Brush(kRockDark));
        p.drawEllipse(QPointF(25, 25), 3.5, 3.5);
        p.setBrush(Brush(kOrange));
        p.drawEllipse(QPointF(25, 25), 1.8, 1.8);
        p.setBrush(Brush(kYellow));
        p.drawEllipse(QPointF(25, 25), 0.8, 0.8);
      });
      StampSolid(c, ov);
      return;
    }
    case 195: {
      FillGrass(c);
      QImage ov = Blank();
      Rock(ov, 12, 12, 6.5, 1951);
      Rock(ov, 21, 18, 5.5, 1952);
      Rock(ov, 12, 23, 3.5, 1953);
      StampSolid(c, ov);
      return;
    }
    case 198:
      for (int y = 0; y < T; ++y)
        for (int x = 0; x < T; ++x) c.solid(x, y, (x % 16 == 0 || y % 16 == 0) ? kConcreteDark : ConcreteTex(x, y));
      return;
    default:
      FillGrass(c);
      return;
  }
}

void GasPump(Canvas& c) {
  FillGrass(c);
  for (int y = 6; y <= 27; ++y)
    for (int x = 5; x <= 26; ++x)
      c.solid(x, y, (x == 5 || y == 6 || x == 26 || y == 27) ? kConcreteDark : ConcreteTex(x, y));
  QImage ov = Shapes([](QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(Brush(kRockShadow));
    p.drawRect(QRectF(12, 12, 10, 12));
    p.setBrush(Brush(kRed));
    p.drawRect(QRectF(10, 10, 10, 12));
    p.setBrush(Brush(kRedDark));
    p.drawRect(QRectF(10, 19, 10, 3));
    p.setBrush(Brush(kWhite));
    p.drawRect(QRectF(11.5, 11.5, 7, 4));
    p.setBrush(Brush(kGlass));
    p.drawRect(QRectF(12.5, 12.5, 5, 2));
    p.setPen(Pen(kEngine, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(16, 14, 9, 10), 90 * 16, -200 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(Brush(kYellow));
    p.drawEllipse(QPointF(8, 24), 1.5, 1.5);
    p.drawEllipse(QPointF(23, 9), 1.5, 1.5);
  });
  StampSolid(c, ov);
}

void BoatRamp(Canvas& c) {
  Road(c, kN, false);
  for (int y = 8; y < T; ++y)
    for (int x = 7; x <= 24; ++x) {
      QRgb col = ConcreteTex(x, y);
      if (x == 7 || x == 24)
        col = kConcreteDark;
      else if (x == 8 || x == 23)
        col = kGravel;
      else if (y % 3 == 2)
        col = kConcreteDark;
      c.solid(x, y, col);
    }
}

void WeighIn(Canvas& c) {
  FillGrass(c);
  // the stage
  for (int y = 13; y <= 28; ++y)
    for (int x = 5; x <= 28; ++x) {
      QRgb col = (y % 3 == 1) ? kWoodGap : ((y / 3) % 2 ? kWood : kWoodLight);
      if (x == 5 || x == 28 || y == 28) col = kWoodDark;
      c.solid(x, y, col);
    }
  for (int x = 7; x <= 30; ++x) c.solid(x, 29, kGrassShade);
  // the scale and its weigh basket
  for (int y = 18; y <= 23; ++y)
    for (int x = 18; x <= 25; ++x) c.solid(x, y, (y == 18 || x == 18 || x == 25) ? kRockDark : kRockHi);
  c.solid(21, 20, kRed);
  c.solid(22, 20, kEngine);
  // the pole and the big checkered flag
  for (int y = 2; y <= 24; ++y) {
    c.solid(8, y, kRockHi);
    c.solid(9, y, kRockDark);
  }
  c.solid(8, 1, kYellow);
  c.solid(9, 1, kYellow);
  for (int y = 2; y <= 11; ++y)
    for (int x = 10; x <= 25; ++x) {
      const int wave = static_cast<int>(std::lround(std::sin((x - 10) * 0.45) * 1.2));
      const int yy = y + wave;
      if (yy < 2 || yy > 11) continue;
      const bool check = ((x - 10) / 3 + (y - 2) / 3) % 2;
      c.solid(x, yy, check ? kNavy : kWhite);
    }
  for (int x = 10; x <= 25; ++x) {
    const int wave = static_cast<int>(std::lround(std::sin((x - 10) * 0.45) * 1.2));
    c.solid(x, 12 + wave, kGrassShade);
  }
}

}  // namespace

double LandDistance(std::uint8_t landMask, double px, double py) {
  const std::uint8_t land = CanonicalLandMask(landMask);
  double ds[8];
  int n = 0;
  if (land & kN) ds[n++] = py;
  if (land & kS) ds[n++] = T - py;
  if (land & kW) ds[n++] = px;
  if (land & kE) ds[n++] = T - px;
  if (land & kNW) ds[n++] = std::hypot(px, py);
  if (land & kNE) ds[n++] = std::hypot(T - px, py);
  if (land & kSE) ds[n++] = std::hypot(T - px, T - py);
  if (land & kSW) ds[n++] = std::hypot(px, T - py);
  if (n == 0) return 1000.0;
  double d = ds[0];
  for (int i = 1; i < n; ++i) d = SmoothMin(d, ds[i], 8.0);
  return d;
}

Canvas DrawTile(int v) {
  Canvas c(T, T);
  const TileInfo& t = Tile(v);
  switch (t.kind) {
    case TileKind::OpenWater:
    case TileKind::Spare:
      if (v >= 150)
        FillGrass(c);
      else
        FillWater(c);
      break;
    case TileKind::WaterVariant:
      DrawWaterVariant(c, v);
      break;
    case TileKind::Shore:
      DrawShore(c, t.land);
      break;
    case TileKind::ShoreFeature:
      DrawShoreFeature(c, v, t);
      break;
    case TileKind::LilyPads:
      DrawLilyPads(c, v);
      break;
    case TileKind::WeedBed:
      DrawWeedBed(c, v);
      break;
    case TileKind::Obstacle:
      DrawObstacle(c, v);
      break;
    case TileKind::NoWakeBuoy:
      DrawNoWakeBuoy(c);
      break;
    case TileKind::BuoyLine:
      DrawBuoyLine(c, t);
      break;
    case TileKind::MooredBoat:
      DrawMooredBoat(c, v);
      break;
    case TileKind::MarinaDock:
      DrawMarinaDock(c, v, t);
      break;
    case TileKind::Bridge:
      DrawBridge(c, v, t);
      break;
    case TileKind::Land:
    case TileKind::EdgeMarker:
      DrawLand(c, v);
      break;
    case TileKind::Road:
      Road(c, t.links, v >= 196);
      break;
    case TileKind::Building:
      if (v >= 187 && v <= 190) {
        static const Canvas block = MarinaBlock();
        const int ox = (v == 188 || v == 190) ? 32 : 0;
        const int oy = (v >= 189) ? 32 : 0;
        for (int y = 0; y < T; ++y)
          for (int x = 0; x < T; ++x) c.solid(x, y, block.at(x + ox, y + oy));
      } else if (v == 191) {
        FillGrass(c);
        Roof(c, 4, 6, 27, 23, kRoofGreyLight, kRoofGrey, kRoofGreyDark, false);
        for (int y = 10; y <= 18; ++y)
          for (int x = 3; x <= 28; ++x) c.solid(x, y, (y == 10 || y == 18 || x == 3 || x == 28) ? kRedDark : kYellow);
        DrawText5x7(c.img, 5, 11, "BAIT", kRedDark, 1, 1);
        for (int y = 10; y <= 18; ++y)
          for (int x = 3; x <= 28; ++x) c.solid(x, y, c.at(x, y));
        for (int y = 25; y <= 31; ++y)
          for (int x = 13; x <= 18; ++x) c.solid(x, y, ConcreteTex(x, y));
      } else {
        House(c, v);
      }
      break;
    case TileKind::BoatRamp:
      BoatRamp(c);
      break;
    case TileKind::GasPump:
      GasPump(c);
      break;
    case TileKind::WeighInFlag:
      WeighIn(c);
      break;
  }
  return c;
}

}  // namespace lwk::art
