#include "Sprites.h"

#include <QPainterPath>
#include <algorithm>
#include <cctype>
#include <cmath>

#include "Canvas.h"
#include "Palette.h"
#include "PixelFont.h"

namespace lwk::art {

namespace {

using namespace pal;

constexpr double kPi = 3.14159265358979323846;
constexpr QRgb kBlackKey = qRgb(0, 0, 0);
constexpr QRgb kAquaKey = qRgb(0, 255, 255);

// Sprite colours beyond the lake palette (none of them black, aqua or a
// water colour).
constexpr QRgb kRedLight = qRgb(0xF0, 0x66, 0x5A);
constexpr QRgb kSprayWhite = qRgb(0xFF, 0xFF, 0xFF);
constexpr QRgb kSpray1 = qRgb(0xD6, 0xEC, 0xF6);
constexpr QRgb kSpray2 = qRgb(0x9C, 0xCA, 0xE6);
constexpr QRgb kSpray3 = qRgb(0x6A, 0xA6, 0xD2);
constexpr QRgb kInk = qRgb(0x1C, 0x1C, 0x24);
constexpr QRgb kShadowInk = qRgb(0x30, 0x24, 0x20);
constexpr QRgb kBurstYellow = qRgb(0xFF, 0xE0, 0x30);
constexpr QRgb kBurstOrange = qRgb(0xFF, 0x90, 0x20);
constexpr QRgb kBurstRed = qRgb(0xE0, 0x30, 0x28);
constexpr QRgb kLcdSeg = qRgb(0x0C, 0x26, 0x38);
constexpr QRgb kLcdGhost = qRgb(0x00, 0xDE, 0xDE);
constexpr QRgb kGreenHull = qRgb(0x2E, 0x8A, 0x4A);
constexpr QRgb kGreenHullDark = qRgb(0x1F, 0x63, 0x35);
constexpr QRgb kGreenHullLight = qRgb(0x52, 0xB0, 0x6A);
constexpr QRgb kLifeVest = qRgb(0xFF, 0x7A, 0x10);
constexpr QRgb kLifeVestDark = qRgb(0xC0, 0x52, 0x08);
constexpr QRgb kHelmet = qRgb(0xF2, 0xF2, 0xF2);
constexpr QRgb kJetYellow = qRgb(0xF6, 0xC8, 0x1E);
constexpr QRgb kJetYellowDark = qRgb(0xB8, 0x8A, 0x0C);
constexpr QRgb kJetBlue = qRgb(0x22, 0x3C, 0x9A);
constexpr QRgb kButtonFace = qRgb(0xD4, 0xD0, 0xC8);
constexpr QRgb kGreyLight = qRgb(0xB0, 0xB0, 0xB0);
constexpr QRgb kGrey = qRgb(0x8C, 0x8C, 0x8C);
constexpr QRgb kGreyDark = qRgb(0x60, 0x60, 0x60);
constexpr QRgb kLedGreen = qRgb(0x30, 0xE0, 0x40);
constexpr QRgb kLedOff = qRgb(0x50, 0x38, 0x38);
// Bass colours.
constexpr QRgb kLmBack = qRgb(0x3E, 0x5E, 0x28);
constexpr QRgb kLmSide = qRgb(0x7E, 0x9A, 0x4A);
constexpr QRgb kLmSideLight = qRgb(0xA8, 0xBC, 0x6C);
constexpr QRgb kLmBand = qRgb(0x2A, 0x3E, 0x1C);
constexpr QRgb kBelly = qRgb(0xEE, 0xEA, 0xD0);
constexpr QRgb kBellyShade = qRgb(0xC8, 0xC4, 0xA4);
constexpr QRgb kSmBack = qRgb(0x5E, 0x48, 0x26);
constexpr QRgb kSmSide = qRgb(0xA8, 0x84, 0x4A);
constexpr QRgb kSmSideLight = qRgb(0xC8, 0xA8, 0x6C);
constexpr QRgb kSmBar = qRgb(0x6A, 0x4E, 0x28);
constexpr QRgb kFin = qRgb(0x8A, 0x7A, 0x4A);
constexpr QRgb kFinDark = qRgb(0x5A, 0x4E, 0x2E);
constexpr QRgb kEyeRed = qRgb(0xD8, 0x30, 0x20);
constexpr QRgb kEyeGold = qRgb(0xE8, 0xB8, 0x30);
constexpr QRgb kGill = qRgb(0x50, 0x40, 0x28);
constexpr QRgb kMouth = qRgb(0x40, 0x20, 0x18);

QBrush Br(QRgb c) {
  return QBrush(QColor::fromRgb(c));
}
QPen Pn(QRgb c, double w) {
  QPen p{QColor::fromRgb(c), w};
  p.setCapStyle(Qt::RoundCap);
  p.setJoinStyle(Qt::RoundJoin);
  return p;
}

QImage Paint(int w, int h, const std::function<void(QPainter&)>& fn, int scale = 8) {
  return SuperPaint(w, h, scale, fn);
}

QImage Keyed(const QImage& ov, QRgb key) {
  return Flatten(ov, key);
}

// Clears everything outside the top-left w x h pixels to the key colour: the
// game restores only that much of the lake after drawing the sprite.
QImage Confine(QImage img, int w, int h, QRgb key) {
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x)
      if (x >= w || y >= h) img.setPixel(x, y, key | 0xFF000000u);
  return img;
}

QImage Opaque(int w, int h, QRgb fill) {
  QImage img(w, h, QImage::Format_RGB32);
  img.fill(fill | 0xFF000000u);
  return img;
}

void Over(QImage& dst, const QImage& ov, int dx = 0, int dy = 0) {
  for (int y = 0; y < ov.height(); ++y)
    for (int x = 0; x < ov.width(); ++x) {
      const QRgb p = ov.pixel(x, y);
      const int tx = x + dx;
      const int ty = y + dy;
      if (qAlpha(p) < 128 || tx < 0 || ty < 0 || tx >= dst.width() || ty >= dst.height()) continue;
      dst.setPixel(tx, ty, p | 0xFF000000u);
    }
}

// A dark one-pixel outline around the opaque part of an overlay.
QImage Outlined(const QImage& ov, QRgb ink, bool diagonal = false) {
  QImage out = ov;
  for (int y = 0; y < ov.height(); ++y)
    for (int x = 0; x < ov.width(); ++x) {
      if (qAlpha(ov.pixel(x, y)) >= 128) continue;
      bool near = false;
      for (int dy = -1; dy <= 1 && !near; ++dy)
        for (int dx = -1; dx <= 1 && !near; ++dx) {
          if (!diagonal && dx != 0 && dy != 0) continue;
          const int nx = x + dx;
          const int ny = y + dy;
          if (nx >= 0 && ny >= 0 && nx < ov.width() && ny < ov.height() && qAlpha(ov.pixel(nx, ny)) >= 128) near = true;
        }
      if (near) out.setPixel(x, y, ink | 0xFF000000u);
    }
  return out;
}

// --- The bass boat ------------------------------------------------------

// The boat heading up, pixel by pixel: light red port side, red starboard
// side, carpet, seats, console with windshield, the outboard at the stern.
const char* const kBoatUp[16] = {
    "................",  //
    ".......LR.......",  //
    "......LLRR......",  //
    "......LccR......",  //
    ".....LccccR.....",  //
    ".....LcsscR.....",  //
    ".....LccccR.....",  //
    ".....LccgWR.....",  //
    ".....LccgWR.....",  //
    ".....LccccR.....",  //
    ".....LssssR.....",  //
    ".....LccccR.....",  //
    ".....LddddR.....",  //
    ".....oooooo.....",  //
    ".......mM.......",  //
    "................",  //
};

QRgb BoatColour(char ch) {
  switch (ch) {
    case 'L':
      return kRedLight;
    case 'R':
      return kRed;
    case 'o':
      return kRedDark;
    case 'c':
      return kCarpet;
    case 'd':
      return kCarpetDark;
    case 's':
      return kSeat;
    case 'g':
      return kGlass;
    case 'W':
      return kWhite;
    case 'm':
      return kEngine;
    case 'M':
      return kEngineHi;
    default:
      return kBlackKey;
  }
}

QImage BoatFrame(int heading) {
  QImage up = Opaque(16, 16, kBlackKey);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) up.setPixel(x, y, BoatColour(kBoatUp[y][x]) | 0xFF000000u);
  if (heading % 2 == 0) {
    // Down is the up boat flipped, left the up boat transposed, right the
    // left boat mirrored, so each bow sits on the game's bow probe point.
    QImage out = Opaque(16, 16, kBlackKey);
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 16; ++x) {
        const QRgb c = up.pixel(x, y);
        switch (heading) {
          case 0:
            out.setPixel(x, y, c);
            break;
          case 4:
            out.setPixel(x, 15 - y, c);
            break;
          case 6:
            out.setPixel(y, x, c);
            break;
          default:
            out.setPixel(15 - y, x, c);
            break;
        }
      }
    return out;
  }
  // The diagonal boat is drawn once heading up-right and flipped for the
  // other three diagonals.
  QImage ur = Keyed(
      Paint(16, 16,
            [](QPainter& p) {
              p.translate(8.6, 7.4);
              p.rotate(45.0);
              const double h = 7.3;
              p.setPen(Qt::NoPen);
              p.setBrush(Br(kRed));
              p.drawPolygon(QPolygonF({{0, -h}, {3.0, -h + 4.0}, {3.1, h - 1.6}, {-3.1, h - 1.6}, {-3.1, -h + 4.0}}));
              p.setBrush(Br(kRedLight));
              p.drawPolygon(QPolygonF(
                  {{0, -h}, {-3.1, -h + 4.0}, {-3.1, h - 1.6}, {-2.0, h - 1.6}, {-2.0, -h + 4.0}, {0, -h + 1.6}}));
              p.setBrush(Br(kCarpet));
              p.drawPolygon(
                  QPolygonF({{0, -h + 2.0}, {2.0, -h + 4.4}, {2.0, h - 2.6}, {-2.0, h - 2.6}, {-2.0, -h + 4.4}}));
              p.setBrush(Br(kSeat));
              p.drawRect(QRectF(-2.0, 2.2, 4.0, 1.3));
              p.drawRect(QRectF(-1.0, -h + 4.2, 2.0, 1.2));
              p.setBrush(Br(kWhite));
              p.drawRect(QRectF(0.6, -1.2, 1.4, 2.2));
              p.setBrush(Br(kGlass));
              p.drawRect(QRectF(-0.4, -1.2, 1.0, 2.2));
              p.setBrush(Br(kRedDark));
              p.drawRect(QRectF(-3.1, h - 2.0, 6.2, 1.2));
              p.setBrush(Br(kEngine));
              p.drawRect(QRectF(-1.0, h - 0.8, 2.0, 2.4));
            }),
      kBlackKey);
  for (int i = 0; i < 16; ++i)
    for (int e : {0, 15}) {
      ur.setPixel(i, e, kBlackKey | 0xFF000000u);
      ur.setPixel(e, i, kBlackKey | 0xFF000000u);
    }
  QImage out = Opaque(16, 16, kBlackKey);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) {
      const QRgb c = ur.pixel(x, y);
      switch (heading) {
        case 1:
          out.setPixel(x, y, c);
          break;
        case 3:
          out.setPixel(x, 15 - y, c);
          break;
        case 5:
          out.setPixel(15 - x, 15 - y, c);
          break;
        default:
          out.setPixel(15 - x, y, c);
          break;
      }
    }
  return out;
}

// --- Canoes and jet skis ------------------------------------------------

QImage Canoe(QRgb hull, QRgb dark, QRgb light) {
  QImage ov = Paint(18, 9, [&](QPainter& p) {
    p.scale(17.0 / 18.0, 8.0 / 9.0);  // the game restores 17 x 8 pixels
    p.setPen(Qt::NoPen);
    QPainterPath path;
    path.moveTo(0.3, 4.5);
    path.cubicTo(4, 1.2, 14, 1.2, 17.7, 4.5);
    path.cubicTo(14, 7.8, 4, 7.8, 0.3, 4.5);
    p.setBrush(Br(dark));
    p.drawPath(path);
    QPainterPath in;
    in.moveTo(2.0, 4.5);
    in.cubicTo(5, 2.4, 13, 2.4, 16.0, 4.5);
    in.cubicTo(13, 6.4, 5, 6.4, 2.0, 4.5);
    p.setBrush(Br(kWoodLight));
    p.drawPath(in);
    p.setBrush(Br(light));
    p.drawRect(QRectF(3, 1.9, 12, 0.9));
    p.setBrush(Br(hull));
    p.drawRect(QRectF(3, 6.1, 12, 0.9));
    // two paddlers with their paddles
    for (double x : {5.2, 12.5}) {
      p.setBrush(Br(kLifeVest));
      p.drawEllipse(QPointF(x, 4.5), 1.7, 1.9);
      p.setBrush(Br(kSkin));
      p.drawEllipse(QPointF(x, 4.5), 0.9, 0.9);
    }
    p.setPen(Pn(kWoodDark, 0.7));
    p.drawLine(QPointF(7.2, 0.5), QPointF(6.4, 8.4));
    p.drawLine(QPointF(14.2, 0.6), QPointF(13.6, 8.4));
  });
  return Confine(Keyed(ov, kBlackKey), 17, 8, kBlackKey);
}

QImage JetSki(int dir) {
  // dir 0 up-right, 1 down-right, 2 down-left, 3 up-left
  QImage ov = Paint(18, 18, [&](QPainter& p) {
    p.scale(17.0 / 18.0, 17.0 / 18.0);  // the game restores 17 x 17 pixels
    p.translate(9, 9);
    p.rotate(45.0 + dir * 90.0);
    p.setPen(Qt::NoPen);
    // wake spray behind
    p.setBrush(Br(kSprayWhite));
    p.drawEllipse(QPointF(-1.6, 7.6), 1.0, 1.3);
    p.drawEllipse(QPointF(1.6, 7.6), 1.0, 1.3);
    p.setBrush(Br(kSpray1));
    p.drawEllipse(QPointF(0, 8.4), 1.1, 0.8);
    QPolygonF hull({{0, -7}, {2.7, -3}, {3, 4}, {2.2, 6.2}, {-2.2, 6.2}, {-3, 4}, {-2.7, -3}});
    p.setBrush(Br(kJetYellowDark));
    p.drawPolygon(hull);
    p.setBrush(Br(kJetYellow));
    p.drawPolygon(QPolygonF({{0, -6.4}, {2.1, -3}, {2.3, 4}, {1.6, 5.6}, {-1.6, 5.6}, {-2.3, 4}, {-2.1, -3}}));
    p.setBrush(Br(kJetBlue));
    p.drawRect(QRectF(-1.2, -1.0, 2.4, 5.5));
    // the rider
    p.setBrush(Br(kLifeVest));
    p.drawEllipse(QPointF(0, 1.5), 2.0, 1.8);
    p.setBrush(Br(kHelmet));
    p.drawEllipse(QPointF(0, 0.6), 1.2, 1.2);
    p.setPen(Pn(kEngine, 0.8));
    p.drawLine(QPointF(-2.2, -1.6), QPointF(2.2, -1.6));
  });
  return Confine(Keyed(ov, kBlackKey), 17, 17, kBlackKey);
}

// --- Splashes, fish jumps and crash pictures -------------------------------

void Droplets(QPainter& p, QPointF c, double r, int n, double size, QRgb col, double phase = 0) {
  p.setPen(Qt::NoPen);
  p.setBrush(Br(col));
  for (int i = 0; i < n; ++i) {
    const double a = phase + i * 2 * kPi / n;
    p.drawEllipse(QPointF(c.x() + std::cos(a) * r, c.y() + std::sin(a) * r * 0.85), size, size);
  }
}

void Ring(QPainter& p, QPointF c, double r, double w, QRgb col) {
  p.setBrush(Qt::NoBrush);
  p.setPen(Pn(col, w));
  p.drawEllipse(c, r, r * 0.85);
}

// A bass seen from the side, head towards +x, body length `len`, for the
// jumps, the banner and the title.
void SideBass(QPainter& p, double len, bool smallmouth = false) {
  const double h = len * 0.36;
  const QRgb back = smallmouth ? kSmBack : kLmBack;
  const QRgb side = smallmouth ? kSmSide : kLmSide;
  const QRgb sideLight = smallmouth ? kSmSideLight : kLmSideLight;
  p.setPen(Qt::NoPen);
  // tail
  p.setBrush(Br(kFinDark));
  p.drawPolygon(QPolygonF({{-len * 0.42, 0}, {-len * 0.62, -h * 0.62}, {-len * 0.56, 0}, {-len * 0.62, h * 0.62}}));
  p.setBrush(Br(kFin));
  p.drawPolygon(QPolygonF({{-len * 0.43, 0}, {-len * 0.58, -h * 0.5}, {-len * 0.54, 0}, {-len * 0.58, h * 0.5}}));
  // dorsal fins
  p.setBrush(Br(kFinDark));
  p.drawPolygon(QPolygonF({{len * 0.15, -h * 0.42}, {len * 0.02, -h * 0.78}, {-len * 0.08, -h * 0.5}}));
  p.drawPolygon(QPolygonF({{-len * 0.08, -h * 0.48}, {-len * 0.2, -h * 0.72}, {-len * 0.34, -h * 0.32}}));
  // body
  QPainterPath body;
  body.moveTo(len * 0.5, -h * 0.05);
  body.cubicTo(len * 0.42, -h * 0.62, len * 0.05, -h * 0.62, -len * 0.28, -h * 0.34);
  body.cubicTo(-len * 0.4, -h * 0.2, -len * 0.45, -h * 0.05, -len * 0.45, 0);
  body.cubicTo(-len * 0.45, h * 0.05, -len * 0.4, h * 0.2, -len * 0.28, h * 0.3);
  body.cubicTo(len * 0.05, h * 0.56, len * 0.4, h * 0.5, len * 0.5, h * 0.08);
  body.closeSubpath();
  p.setBrush(Br(back));
  p.drawPath(body);
  p.save();
  p.setClipPath(body);
  p.setBrush(Br(side));
  p.drawRect(QRectF(-len * 0.5, -h * 0.22, len, h));
  p.setBrush(Br(sideLight));
  p.drawRect(QRectF(-len * 0.5, h * 0.02, len, h));
  p.setBrush(Br(kBellyShade));
  p.drawRect(QRectF(-len * 0.5, h * 0.2, len, h));
  p.setBrush(Br(kBelly));
  p.drawRect(QRectF(-len * 0.3, h * 0.3, len * 0.75, h));
  if (smallmouth) {
    p.setBrush(Br(kSmBar));
    for (int i = 0; i < 6; ++i) p.drawRect(QRectF(len * (0.22 - i * 0.11), -h * 0.4, len * 0.035, h * 0.55));
  } else {
    p.setBrush(Br(kLmBand));
    QPainterPath band;
    band.moveTo(len * 0.28, -h * 0.08);
    for (int i = 0; i <= 8; ++i) {
      const double x = len * (0.28 - i * 0.09);
      band.lineTo(x, -h * 0.1 + ((i % 2) ? h * 0.08 : -h * 0.06));
    }
    for (int i = 8; i >= 0; --i) {
      const double x = len * (0.28 - i * 0.09);
      band.lineTo(x, h * 0.08 + ((i % 2) ? h * 0.05 : -h * 0.04));
    }
    band.closeSubpath();
    p.drawPath(band);
  }
  p.restore();
  // gill, mouth, eye, fins
  p.setBrush(Qt::NoBrush);
  p.setPen(Pn(kGill, len * 0.022));
  p.drawArc(QRectF(len * 0.18, -h * 0.35, len * 0.16, h * 0.72), -70 * 16, 140 * 16);
  p.setPen(Pn(kMouth, len * 0.02));
  const double mouthEnd = smallmouth ? len * 0.4 : len * 0.32;
  p.drawLine(QPointF(len * 0.5, h * 0.04), QPointF(mouthEnd, h * 0.1));
  p.setPen(Qt::NoPen);
  p.setBrush(Br(smallmouth ? kEyeRed : kEyeGold));
  p.drawEllipse(QPointF(len * 0.4, -h * 0.16), len * 0.035, len * 0.035);
  p.setBrush(Br(kInk));
  p.drawEllipse(QPointF(len * 0.405, -h * 0.16), len * 0.018, len * 0.018);
  p.setBrush(Br(kFin));
  p.drawPolygon(QPolygonF({{len * 0.15, h * 0.1}, {len * 0.02, h * 0.34}, {len * 0.1, h * 0.05}}));
  p.drawPolygon(QPolygonF({{-len * 0.05, h * 0.38}, {-len * 0.18, h * 0.52}, {-len * 0.2, h * 0.32}}));
}

QImage Splash(int kind) {
  QImage ov = Paint(16, 16, [&](QPainter& p) {
    p.scale(15.0 / 16.0, 15.0 / 16.0);  // the game restores 15 x 15 pixels
    const QPointF c(8, 8.5);
    switch (kind) {
      case 0:  // Plop1: the lure hits the water
        Ring(p, c, 3.2, 1.2, kSpray2);
        p.setPen(Qt::NoPen);
        p.setBrush(Br(kSpray1));
        p.drawEllipse(c, 2.0, 1.8);
        p.setBrush(Br(kSprayWhite));
        p.drawEllipse(c - QPointF(0, 1.0), 1.0, 1.6);
        Droplets(p, c - QPointF(0, 1), 5.0, 6, 0.7, kSprayWhite, 0.3);
        break;
      case 1:  // Plop2: the ring spreads
        Ring(p, c, 5.6, 1.1, kSpray2);
        Ring(p, c, 3.0, 0.9, kSpray1);
        Droplets(p, c, 6.8, 8, 0.55, kSprayWhite, 0.1);
        p.setPen(Qt::NoPen);
        p.setBrush(Br(kSpray3));
        p.drawEllipse(c, 1.2, 1.0);
        break;
      case 2:  // FishJmp0: the head breaks the surface
        Ring(p, c + QPointF(0, 2), 5.5, 1.1, kSpray2);
        p.save();
        p.translate(8, 8);
        p.rotate(-70);
        SideBass(p, 11);
        p.restore();
        Droplets(p, c + QPointF(0, 3), 5.5, 5, 0.7, kSprayWhite, 0.5);
        break;
      case 3:  // FishJmp1: clear of the water, shaking
        p.save();
        p.translate(8, 7.5);
        p.rotate(-20);
        SideBass(p, 13);
        p.restore();
        Droplets(p, c, 7.0, 7, 0.6, kSprayWhite, 0.2);
        Droplets(p, c, 4.8, 4, 0.5, kSpray1, 1.0);
        break;
      case 4:  // FishJmp2: falling back with a splash
        Ring(p, c + QPointF(0, 2), 6.5, 1.2, kSpray2);
        p.setPen(Qt::NoPen);
        p.setBrush(Br(kSprayWhite));
        p.drawEllipse(c + QPointF(0, 2), 4.5, 2.4);
        p.save();
        p.translate(8, 6.5);
        p.rotate(60);
        SideBass(p, 10);
        p.restore();
        Droplets(p, c, 7.0, 9, 0.7, kSprayWhite, 0.0);
        break;
      case 5:  // TailW0: tail-walking, tail down
      case 6:  // TailW1
      {
        const double lean = kind == 5 ? -80 : -100;
        p.setPen(Qt::NoPen);
        p.setBrush(Br(kSpray1));
        p.drawEllipse(QPointF(8, 13.5), 5.5, 2.2);
        p.setBrush(Br(kSprayWhite));
        p.drawEllipse(QPointF(8 + (kind == 5 ? -1.5 : 1.5), 13.2), 3.0, 1.5);
        p.save();
        p.translate(8, 7.5);
        p.rotate(lean);
        SideBass(p, 12);
        p.restore();
        Droplets(p, QPointF(8, 12), 6.5, 5, 0.6, kSprayWhite, kind == 5 ? 0.0 : 0.6);
        break;
      }
      default: {  // Slam: a fish hits a surface lure
        p.setPen(Qt::NoPen);
        p.setBrush(Br(kSpray2));
        p.drawEllipse(c, 6.5, 5.5);
        p.setBrush(Br(kSpray1));
        p.drawEllipse(c, 4.6, 3.9);
        p.setBrush(Br(kSprayWhite));
        p.drawEllipse(c, 2.8, 2.4);
        Droplets(p, c, 7.3, 10, 0.6, kSprayWhite, 0.15);
        break;
      }
    }
  });
  return Confine(Keyed(ov, kBlackKey), 15, 15, kBlackKey);
}

QImage Burst(int w, int h, double cx, double cy, double r1, double r2, int points, QRgb outer, QRgb inner, QRgb edge) {
  return Paint(w, h, [&](QPainter& p) {
    auto star = [&](double scale) {
      QPolygonF poly;
      for (int i = 0; i < points * 2; ++i) {
        const double a = i * kPi / points - kPi / 2;
        const double r = (i % 2 ? r2 : r1) * scale * (1.0 + 0.08 * std::sin(i * 2.3));
        poly << QPointF(cx + std::cos(a) * r, cy + std::sin(a) * r);
      }
      return poly;
    };
    p.setPen(Qt::NoPen);
    p.setBrush(Br(edge));
    p.drawPolygon(star(1.0));
    p.setBrush(Br(outer));
    p.drawPolygon(star(0.86));
    p.setBrush(Br(inner));
    p.drawPolygon(star(0.6));
  });
}

QImage CrashPicture(const std::string& word) {
  // the game restores 31 x 31 pixels after a crash
  QImage ov = Burst(32, 32, 15.5, 15.5, 15.0, 8.2, 9, kBurstOrange, kBurstYellow, kBurstRed);
  QImage text(32, 32, QImage::Format_ARGB32);
  text.fill(0);
  const int tw = TextWidth5x7(word, 1, 1);
  DrawText5x7(text, 15 - tw / 2, 14, word, kBurstYellow);
  DrawText5x7(text, 15 - tw / 2 - 1, 13, word, kInk);
  Over(ov, text, 0, 0);
  return Confine(Keyed(ov, kBlackKey), 31, 31, kBlackKey);
}

QImage BigSplash() {
  QImage ov = Paint(32, 32, [](QPainter& p) {
    p.scale(31.0 / 32.0, 31.0 / 32.0);  // the game restores 31 x 31 pixels
    const QPointF c(16, 17);
    Ring(p, c, 13.0, 1.4, kSpray3);
    p.setPen(Qt::NoPen);
    p.setBrush(Br(kSpray2));
    p.drawEllipse(c, 10.5, 9.0);
    p.setBrush(Br(kSpray1));
    p.drawEllipse(c, 7.5, 6.4);
    p.setBrush(Br(kSprayWhite));
    p.drawEllipse(c, 4.5, 3.9);
    // spray thrown up
    for (int i = 0; i < 7; ++i) {
      const double a = -kPi / 2 + (i - 3) * 0.42;
      p.setBrush(Br(i % 2 ? kSprayWhite : kSpray1));
      p.drawEllipse(QPointF(16 + std::cos(a) * 9.5, 15 + std::sin(a) * 10.5), 1.3, 2.0);
    }
    Droplets(p, c, 14.0, 12, 0.8, kSprayWhite, 0.25);
    // the bass's back breaking the surface in the middle
    p.setBrush(Br(kLmBack));
    p.drawEllipse(c + QPointF(0, 1), 3.2, 1.4);
    p.setBrush(Br(kFinDark));
    p.drawPolygon(QPolygonF({{14.0, 17.5}, {16.0, 15.0}, {18.0, 17.5}}));
  });
  return Confine(Keyed(ov, kBlackKey), 31, 31, kBlackKey);
}

// --- LCD digits ------------------------------------------------------------

// Segments a..g of a seven-segment digit.
const bool kSegments[10][7] = {
    {1, 1, 1, 1, 1, 1, 0}, {0, 1, 1, 0, 0, 0, 0}, {1, 1, 0, 1, 1, 0, 1}, {1, 1, 1, 1, 0, 0, 1}, {0, 1, 1, 0, 0, 1, 1},
    {1, 0, 1, 1, 0, 1, 1}, {1, 0, 1, 1, 1, 1, 1}, {1, 1, 1, 0, 0, 0, 0}, {1, 1, 1, 1, 1, 1, 1}, {1, 1, 1, 1, 0, 1, 1}};

void Segment(QImage& img, int ox, int seg, QRgb col) {
  auto h = [&](int y) {
    for (int x = 3; x <= 7; ++x) {
      img.setPixel(ox + x, y, col | 0xFF000000u);
      img.setPixel(ox + x, y + 1, col | 0xFF000000u);
    }
    img.setPixel(ox + 2, y, col | 0xFF000000u);
    img.setPixel(ox + 8, y + 1, col | 0xFF000000u);
  };
  auto v = [&](int x, int y0) {
    for (int y = y0; y <= y0 + 5; ++y) {
      img.setPixel(ox + x, y, col | 0xFF000000u);
      img.setPixel(ox + x + 1, y, col | 0xFF000000u);
    }
  };
  switch (seg) {
    case 0:
      h(1);
      break;
    case 1:
      v(8, 2);
      break;
    case 2:
      v(8, 9);
      break;
    case 3:
      h(14);
      break;
    case 4:
      v(1, 9);
      break;
    case 5:
      v(1, 2);
      break;
    default:
      h(7);
      break;
  }
}

QImage LcdDigit(int d) {
  QImage img = Opaque(11, 17, kBlackKey);
  for (int s = 0; s < 7; ++s)
    if (kSegments[d][s]) Segment(img, 0, s, kLcdSeg);
  return img;
}

QImage LcdColon() {
  QImage img = Opaque(11, 17, kBlackKey);
  for (int y : {4, 5, 11, 12})
    for (int x : {4, 5}) img.setPixel(x, y, kLcdSeg | 0xFF000000u);
  return img;
}

QImage LcdClear() {
  QImage img = Opaque(33, 17, kAquaKey);
  for (int k = 0; k < 3; ++k)
    for (int s = 0; s < 7; ++s) Segment(img, k * 11, s, kLcdGhost);
  return img;
}

// --- Banners --------------------------------------------------------------

// Bold letters from the pixel font: each font pixel a scale x scale block,
// filled with a top-to-bottom gradient, outlined and with a drop shadow.
QImage BannerText(int w, int h, int x, int y, const std::string& text, int sx, int sy, QRgb top, QRgb bottom, QRgb edge,
                  QRgb shadow) {
  QImage fill(w, h, QImage::Format_ARGB32);
  fill.fill(0);
  DrawText5x7(fill, x, y, text, top, sx, sy, 1);
  const int scale = sy;
  // widen the strokes by one pixel to the right for weight
  QImage bold = fill;
  for (int yy = 0; yy < h; ++yy)
    for (int xx = 1; xx < w; ++xx)
      if (qAlpha(fill.pixel(xx - 1, yy)) >= 128) bold.setPixel(xx, yy, top | 0xFF000000u);
  const int th = 7 * scale;
  for (int yy = 0; yy < h; ++yy)
    for (int xx = 0; xx < w; ++xx)
      if (qAlpha(bold.pixel(xx, yy)) >= 128) {
        const double t = std::clamp((yy - y) / static_cast<double>(th), 0.0, 1.0);
        QRgb c = Mix(top, bottom, t);
        if (yy > y && qAlpha(bold.pixel(xx, yy - 1)) < 128) c = Mix(top, kSprayWhite, 0.6);  // top highlight
        bold.setPixel(xx, yy, c | 0xFF000000u);
      }
  QImage out(w, h, QImage::Format_ARGB32);
  out.fill(0);
  QImage outlined = Outlined(Outlined(bold, edge, true), edge, false);
  Over(out, outlined, 3, 3);
  for (int yy = 0; yy < h; ++yy)
    for (int xx = 0; xx < w; ++xx)
      if (qAlpha(out.pixel(xx, yy)) >= 128) out.setPixel(xx, yy, shadow | 0xFF000000u);
  Over(out, outlined);
  return out;
}

// "Day" and the day number stand side by side: the game draws "Day" 75
// pixels left of the view's centre and the number 45 pixels right of it,
// and restores a 200 x 60 block from 75 pixels left, so a number must keep
// to the left 80 pixels of its picture. Tall condensed letters fit "THREE".
constexpr int kBannerNumberWidth = 80;

QImage DayBanner(const std::string& word, bool rightAlign) {
  const int sx = 2;
  const int sy = 4;
  const int tw = TextWidth5x7(word, sx, sy, 1) + 1;
  const int x = rightAlign ? 107 - 6 - tw : 2;
  const int y = (58 - 7 * sy) / 2 - 3;
  QImage img = Keyed(BannerText(107, 58, x, y, word, sx, sy, kBurstYellow, kBurstOrange, kInk, kShadowInk), kBlackKey);
  return rightAlign ? img : Confine(img, kBannerNumberWidth, 58, kBlackKey);
}

QImage MonsterBanner() {
  QImage ov = Paint(107, 58, [](QPainter& p) {
    // spray under the leaping fish
    p.setPen(Qt::NoPen);
    p.setBrush(Br(kSpray1));
    p.drawEllipse(QPointF(53, 33), 30, 5);
    p.setBrush(Br(kSprayWhite));
    p.drawEllipse(QPointF(53, 33), 18, 3);
    Droplets(p, QPointF(53, 28), 30, 14, 1.1, kSprayWhite, 0.1);
    p.save();
    p.translate(53, 19);
    p.rotate(-12);
    SideBass(p, 62);
    p.restore();
  });
  QImage text = BannerText(107, 58, 6, 41, "MONSTER!", 2, 2, kBurstYellow, kBurstOrange, kInk, kShadowInk);
  Over(ov, text);
  return Keyed(Outlined(ov, kInk), kBlackKey);
}

// --- GPS arrows -----------------------------------------------------------

QImage GpsArrow(int dir) {
  QImage ov = Paint(32, 32, [dir](QPainter& p) {
    p.translate(16, 16);
    p.rotate(dir * 45.0);
    p.setPen(Qt::NoPen);
    const QPolygonF arrow({{0, -13}, {9, -3}, {4, -3}, {4, 12}, {-4, 12}, {-4, -3}, {-9, -3}});
    p.setBrush(Br(kNavy));
    p.drawPolygon(arrow);
    p.setBrush(Br(kBlueLight));
    p.drawPolygon(QPolygonF({{0, -10}, {6, -4}, {2, -4}, {2, 10}, {-2, 10}, {-2, -4}, {-6, -4}}));
    p.setBrush(Br(kBlue));
    p.drawPolygon(QPolygonF({{0, -10}, {6, -4}, {2, -4}, {2, 10}, {0.3, 10}, {0.3, -8}}));
  });
  return Keyed(ov, kAquaKey);
}

// --- Button glyphs --------------------------------------------------------

constexpr int kGlyph = 28;

QImage Glyph(const std::function<void(QPainter&)>& fn) {
  QImage ov = Outlined(Paint(kGlyph, kGlyph, fn), kInk);
  return Keyed(ov, kButtonFace);
}

QImage TrollingMotorGlyph(bool on) {
  return Glyph([on](QPainter& p) {
    p.setPen(Qt::NoPen);
    if (on) {
      p.setBrush(Br(kSpray2));
      p.drawRect(QRectF(2, 17, 24, 9));
      p.setPen(Pn(kSprayWhite, 1.0));
      p.drawLine(QPointF(3, 17.5), QPointF(25, 17.5));
      p.setPen(Qt::NoPen);
    }
    const double drop = on ? 3.0 : 0.0;
    p.setBrush(Br(on ? kGreyDark : kGrey));
    p.drawRect(QRectF(12.5, 7, 3, 13 + drop));
    p.setBrush(Br(on ? kEngine : kGreyDark));
    p.drawRoundedRect(QRectF(6, 2, 16, 7), 3, 3);
    p.setBrush(Br(on ? kLedGreen : kLedOff));
    p.drawEllipse(QPointF(18.5, 5.5), 1.5, 1.5);
    p.setBrush(Br(on ? kEngine : kGreyDark));
    p.drawRoundedRect(QRectF(9, 19 + drop, 10, 4), 2, 2);
    p.setBrush(Br(on ? kSeat : kGreyLight));
    if (on) {
      p.drawEllipse(QPointF(21, 21 + drop), 2.2, 3.5);
      p.drawEllipse(QPointF(21, 21 + drop), 0.8, 3.5);
    } else {
      p.drawPolygon(QPolygonF({{19, 21}, {23, 17}, {24, 18}, {20, 22}}));
      p.drawPolygon(QPolygonF({{19, 21}, {23, 25}, {22, 26}, {18, 22}}));
    }
  });
}

QImage OutboardGlyph(bool on) {
  return Glyph([on](QPainter& p) {
    p.setPen(Qt::NoPen);
    if (on) {  // exhaust and vibration
      p.setBrush(Br(kGreyLight));
      p.drawEllipse(QPointF(4, 6), 2.4, 2.0);
      p.drawEllipse(QPointF(3, 11), 1.8, 1.6);
      p.setPen(Pn(kGreyDark, 1.0));
      p.drawLine(QPointF(25, 6), QPointF(25, 11));
      p.drawLine(QPointF(27, 8), QPointF(27, 13));
      p.setPen(Qt::NoPen);
    }
    p.setBrush(Br(on ? kEngine : kGrey));
    p.drawRoundedRect(QRectF(7, 2, 15, 10), 4, 4);
    p.setBrush(Br(on ? kEngineHi : kGreyLight));
    p.drawRoundedRect(QRectF(8.5, 3, 8, 3), 1.5, 1.5);
    p.setBrush(Br(on ? kRed : kGreyDark));
    p.drawRect(QRectF(7, 9, 15, 1.5));
    p.setBrush(Br(on ? kEngineHi : kGreyDark));
    p.drawRect(QRectF(12, 12, 5, 10));
    p.drawPolygon(QPolygonF({{11, 21}, {19, 21}, {17, 25}, {12, 25}}));
    p.setBrush(Br(on ? kWhite : kGreyLight));
    p.drawPolygon(QPolygonF({{17, 23}, {22, 19}, {23, 20}, {18, 24}}));
    p.drawPolygon(QPolygonF({{17, 23}, {22, 27}, {21, 27.5}, {16.5, 24}}));
    p.setBrush(Br(on ? kLedGreen : kLedOff));
    p.drawEllipse(QPointF(19.5, 6), 1.3, 1.3);
  });
}

QImage LifeJacketGlyph(bool on) {
  return Glyph([on](QPainter& p) {
    const QRgb body = on ? kLifeVest : kGreyLight;
    const QRgb dark = on ? kLifeVestDark : kGrey;
    p.setPen(Qt::NoPen);
    p.setBrush(Br(dark));
    p.drawPolygon(QPolygonF({{5, 6}, {10, 2}, {12, 3}, {12, 25}, {5, 25}, {4, 14}}));
    p.drawPolygon(QPolygonF({{23, 6}, {18, 2}, {16, 3}, {16, 25}, {23, 25}, {24, 14}}));
    p.setBrush(Br(body));
    p.drawPolygon(QPolygonF({{6, 7}, {10, 3.5}, {11.3, 4.2}, {11.3, 24}, {6, 24}, {5.2, 14}}));
    p.drawPolygon(QPolygonF({{22, 7}, {18, 3.5}, {16.7, 4.2}, {16.7, 24}, {22, 24}, {22.8, 14}}));
    p.setBrush(Br(on ? kEngine : kGrey));
    for (double y : {11.0, 17.0, 22.0}) p.drawRect(QRectF(5.5, y, 17, 1.4));
    p.setBrush(Br(on ? kGreyLight : kGrey));
    for (double y : {10.6, 16.6, 21.6}) p.drawRect(QRectF(12.3, y, 3.4, 2.2));
    if (!on) {  // not worn: a hanger hook above it
      p.setBrush(Qt::NoBrush);
      p.setPen(Pn(kGreyDark, 1.2));
      p.drawArc(QRectF(12, 0, 4, 4), 0, 180 * 16);
    }
  });
}

QImage PaddleGlyph(bool on) {
  return Glyph([on](QPainter& p) {
    p.setPen(Qt::NoPen);
    if (on) {
      p.setBrush(Br(kSpray2));
      p.drawEllipse(QPointF(8, 22), 7, 3.5);
      p.setBrush(Br(kSprayWhite));
      p.drawEllipse(QPointF(6, 21), 2.2, 1.2);
      p.drawEllipse(QPointF(11, 19), 1.0, 1.0);
    }
    p.translate(14, 14);
    p.rotate(35);
    p.setBrush(Br(on ? kWoodDark : kGrey));
    p.drawRect(QRectF(-1.2, -13, 2.4, 16));
    p.drawRoundedRect(QRectF(-3, -14, 6, 2.5), 1, 1);
    p.setBrush(Br(on ? kWoodLight : kGreyLight));
    p.drawRoundedRect(QRectF(-4, 2, 8, 11), 3.5, 3.5);
    p.setBrush(Br(on ? kWood : kGrey));
    p.drawRect(QRectF(-0.6, 3, 1.2, 9));
  });
}

QImage FishFormulaGlyph(bool on) {
  return Glyph([on](QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(Br(on ? kRed : kGreyDark));
    p.drawRect(QRectF(10.5, 1.5, 7, 4));
    p.setBrush(Br(on ? kGlassHi : kGreyLight));
    p.drawRect(QRectF(11.5, 5, 5, 3));
    p.drawRoundedRect(QRectF(6, 7, 16, 19), 3, 3);
    p.setBrush(Br(on ? kGreenHull : kGrey));
    p.drawRoundedRect(QRectF(7, on ? 11 : 21, 14, on ? 14 : 4), 2, 2);
    p.setBrush(Br(on ? kYellow : kGreyLight));
    p.drawRect(QRectF(7, 13, 14, 8));
    p.setBrush(Br(on ? kBlue : kGreyDark));
    p.drawEllipse(QPointF(13.5, 17), 3.5, 2.0);
    p.drawPolygon(QPolygonF({{10.5, 17}, {8, 15}, {8, 19}}));
    if (on) {
      p.setBrush(Br(kSprayWhite));
      p.drawEllipse(QPointF(9, 10), 1.0, 1.6);
      p.setBrush(Br(kBurstYellow));
      for (auto [x, y] : {std::pair{24.0, 5.0}, {4.0, 4.0}}) {
        p.drawPolygon(QPolygonF({{x, y - 3},
                                 {x + 0.8, y - 0.8},
                                 {x + 3, y},
                                 {x + 0.8, y + 0.8},
                                 {x, y + 3},
                                 {x - 0.8, y + 0.8},
                                 {x - 3, y},
                                 {x - 0.8, y - 0.8}}));
      }
    }
  });
}

QImage AeratorGlyph(bool on) {
  QImage ov = Outlined(
      Paint(
          24, 24,
          [on](QPainter& p) {
            p.setPen(Qt::NoPen);
            p.setBrush(Br(on ? kGrey : kGreyDark));
            p.drawRect(QRectF(2, 17, 9, 4));
            p.drawRect(QRectF(9, 12, 3, 9));
            p.setBrush(Br(on ? kGreyLight : kGrey));
            p.drawRoundedRect(QRectF(7, 9, 7, 4), 1.5, 1.5);
            if (on) {
              p.setBrush(Br(kSpray2));
              for (auto [x, y, r] :
                   {std::tuple{11.0, 6.0, 2.0}, {15.0, 3.5, 1.6}, {8.0, 3.0, 1.3}, {18.0, 8.0, 2.2}, {20.5, 3.0, 1.4}})
                p.drawEllipse(QPointF(x, y), r, r);
              p.setBrush(Br(kSprayWhite));
              p.drawEllipse(QPointF(10.4, 5.4), 0.7, 0.7);
              p.drawEllipse(QPointF(17.3, 7.3), 0.8, 0.8);
            }
          }),
      kInk);
  return Keyed(ov, kButtonFace);
}

// --- Toolbar pictures of the buttons without a glyph pair -----------------

QImage TackleBoxIcon() {
  return Glyph([](QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(Br(kGreenHullDark));
    p.drawRoundedRect(QRectF(3, 10, 22, 15), 2, 2);
    p.setBrush(Br(kGreenHull));
    p.drawRoundedRect(QRectF(3, 10, 22, 6), 2, 2);
    p.setBrush(Br(kGreenHullLight));
    p.drawRect(QRectF(4, 11, 20, 1.5));
    p.setBrush(Br(kGreyLight));
    p.drawRect(QRectF(12, 15, 4, 3));
    p.setBrush(Qt::NoBrush);
    p.setPen(Pn(kGreyDark, 2.0));
    p.drawArc(QRectF(9, 4, 10, 10), 0, 180 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(Br(kRed));
    p.drawEllipse(QPointF(8, 21), 1.6, 1.6);
    p.setBrush(Br(kYellow));
    p.drawEllipse(QPointF(20, 21), 1.6, 1.6);
  });
}

QImage RodIcon() {
  return Glyph([](QPainter& p) {
    p.setPen(Pn(kWoodDark, 2.2));
    p.drawLine(QPointF(4, 25), QPointF(11, 16));
    p.setPen(Pn(kNavy, 1.4));
    p.drawLine(QPointF(11, 16), QPointF(25, 2));
    p.setPen(Pn(kGreyDark, 0.6));
    p.drawLine(QPointF(25, 2), QPointF(25, 20));
    p.setPen(Qt::NoPen);
    p.setBrush(Br(kGrey));
    p.drawEllipse(QPointF(11, 20), 3.2, 3.2);
    p.setBrush(Br(kGreyLight));
    p.drawEllipse(QPointF(11, 20), 1.4, 1.4);
    p.setBrush(Br(kRed));
    p.drawEllipse(QPointF(25, 21), 2.0, 2.0);
    p.setBrush(Br(kWhite));
    p.drawRect(QRectF(23, 21, 4, 1.2));
  });
}

QImage RetrieveIcon() {
  return Glyph([](QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(Br(kGrey));
    p.drawEllipse(QPointF(12, 15), 8, 8);
    p.setBrush(Br(kGreyLight));
    p.drawEllipse(QPointF(12, 15), 5, 5);
    p.setBrush(Br(kGreyDark));
    p.drawEllipse(QPointF(12, 15), 1.8, 1.8);
    p.setPen(Pn(kGreyDark, 1.6));
    p.drawLine(QPointF(12, 15), QPointF(20, 8));
    p.setPen(Qt::NoPen);
    p.setBrush(Br(kWood));
    p.drawEllipse(QPointF(21, 7), 2.4, 2.4);
    p.setBrush(Qt::NoBrush);
    p.setPen(Pn(kBlue, 1.8));
    p.drawArc(QRectF(2, 3, 20, 24), 100 * 16, 120 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(Br(kBlue));
    p.drawPolygon(QPolygonF({{2.5, 21}, {7, 22}, {3, 26}}));
  });
}

QImage MapIcon() {
  return Glyph([](QPainter& p) {
    p.setPen(Qt::NoPen);
    const QPolygonF panels[3] = {QPolygonF({{3, 5}, {10, 3}, {10, 23}, {3, 25}}),
                                 QPolygonF({{10, 3}, {18, 5}, {18, 25}, {10, 23}}),
                                 QPolygonF({{18, 5}, {25, 3}, {25, 23}, {18, 25}})};
    const QRgb shades[3] = {kSandLight, kSand, kSandLight};
    for (int i = 0; i < 3; ++i) {
      p.setBrush(Br(shades[i]));
      p.drawPolygon(panels[i]);
    }
    p.setBrush(Br(kBlueLight));
    p.drawEllipse(QPointF(14, 13), 7, 5);
    p.setBrush(Br(kGrassDark));
    p.drawEllipse(QPointF(15, 13), 2, 1.5);
    p.setPen(Pn(kRed, 1.4));
    p.drawLine(QPointF(7, 20), QPointF(10, 17));
    p.drawLine(QPointF(7, 17), QPointF(10, 20));
  });
}

QImage LivewellIcon() {
  return Glyph([](QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(Br(kGreyLight));
    p.drawRoundedRect(QRectF(2, 7, 24, 17), 2, 2);
    p.setBrush(Br(kBlue));
    p.drawRect(QRectF(4, 9, 20, 13));
    p.setBrush(Br(kBlueLight));
    p.drawRect(QRectF(4, 9, 20, 3));
    p.setBrush(Br(kGreenHull));
    p.drawEllipse(QPointF(13, 16), 6, 3);
    p.drawPolygon(QPolygonF({{18, 16}, {23, 13}, {23, 19}}));
    p.setBrush(Br(kWhite));
    p.drawEllipse(QPointF(9.5, 15.2), 1.0, 1.0);
    p.setBrush(Br(kSprayWhite));
    p.drawEllipse(QPointF(7, 4.5), 1.2, 1.2);
    p.drawEllipse(QPointF(11, 3), 0.9, 0.9);
  });
}

QImage FindBoatIcon() {
  return Glyph([](QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(Br(kBlueLight));
    p.drawEllipse(QPointF(11, 11), 8, 8);
    p.setBrush(Br(kRed));
    p.drawPolygon(QPolygonF({{11, 5}, {14, 10}, {14, 16}, {8, 16}, {8, 10}}));
    p.setBrush(Br(kWhite));
    p.drawRect(QRectF(9.5, 11, 3, 2));
    p.setBrush(Qt::NoBrush);
    p.setPen(Pn(kGreyDark, 2.4));
    p.drawEllipse(QPointF(11, 11), 8.5, 8.5);
    p.setPen(Pn(kWoodDark, 3.4));
    p.drawLine(QPointF(17.5, 17.5), QPointF(25, 25));
  });
}

QImage GasCanIcon() {
  return Glyph([](QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(Br(kRedDark));
    p.drawRoundedRect(QRectF(5, 8, 17, 18), 2, 2);
    p.setBrush(Br(kRed));
    p.drawRoundedRect(QRectF(5, 8, 15, 16), 2, 2);
    p.setBrush(Br(kRedDark));
    p.drawRect(QRectF(9, 4, 8, 3));
    p.setBrush(Br(kYellow));
    p.drawPolygon(QPolygonF({{20, 6}, {25, 2}, {26, 4}, {22, 8}}));
    p.setBrush(Br(kWhite));
    p.drawRect(QRectF(8, 13, 9, 6));
    p.setBrush(Br(kRed));
    p.drawRect(QRectF(10, 15, 5, 2));
  });
}

QImage PreferencesIcon() {
  return Glyph([](QPainter& p) {
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 3; ++i) {
      const double y = 6 + i * 8;
      p.setBrush(Br(kGreyDark));
      p.drawRoundedRect(QRectF(3, y - 1.2, 22, 2.4), 1, 1);
      const double x = i == 0 ? 17 : i == 1 ? 8 : 14;
      p.setBrush(Br(i == 1 ? kOrange : kBlue));
      p.drawRoundedRect(QRectF(x - 3, y - 3.5, 6, 7), 1.5, 1.5);
    }
  });
}

QImage PickLakeIcon() {
  return Glyph([](QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(Br(kGrassDark));
    p.drawRoundedRect(QRectF(1, 8, 26, 18), 4, 4);
    p.setBrush(Br(kBlue));
    p.drawEllipse(QPointF(13, 18), 10, 6);
    p.setBrush(Br(kBlueLight));
    p.drawEllipse(QPointF(10, 16), 4, 1.5);
    p.setPen(Pn(kGreyDark, 1.4));
    p.drawLine(QPointF(20, 3), QPointF(20, 15));
    p.setPen(Qt::NoPen);
    for (int r = 0; r < 2; ++r)
      for (int c = 0; c < 3; ++c) {
        p.setBrush(Br((r + c) % 2 ? kWhite : kInk));
        p.drawRect(QRectF(20.5 + c * 2, 3 + r * 2, 2, 2));
      }
  });
}

QImage SaveGameIcon() {
  return Glyph([](QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(Br(kNavy));
    p.drawPolygon(QPolygonF({{3, 3}, {22, 3}, {25, 6}, {25, 25}, {3, 25}}));
    p.setBrush(Br(kGreyLight));
    p.drawRect(QRectF(8, 3, 12, 8));
    p.setBrush(Br(kNavy));
    p.drawRect(QRectF(16, 4.5, 2.5, 5));
    p.setBrush(Br(kWhite));
    p.drawRect(QRectF(6, 14, 16, 11));
    p.setBrush(Br(kGreyLight));
    for (double y : {17.0, 20.0}) p.drawRect(QRectF(8, y, 12, 1));
  });
}

QImage HelpIcon() {
  return Glyph([](QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(Br(kBlue));
    p.drawEllipse(QPointF(14, 14), 11, 11);
    p.setBrush(Br(kBlueLight));
    p.drawEllipse(QPointF(11, 9), 4, 2.5);
    // A question mark: the hook, the stem and the dot.
    p.setBrush(Qt::NoBrush);
    p.setPen(Pn(kWhite, 3.0));
    p.drawArc(QRectF(9, 6, 10, 9), -90 * 16, 270 * 16);
    p.drawLine(QPointF(14, 15), QPointF(14, 17.5));
    p.setPen(Qt::NoPen);
    p.setBrush(Br(kWhite));
    p.drawEllipse(QPointF(14, 21.5), 1.8, 1.8);
  });
}

// --- Livewell ---------------------------------------------------------------

constexpr QRgb kTankRim = qRgb(0xEE, 0xEE, 0xE8);
constexpr QRgb kTankRimShade = qRgb(0xC6, 0xC6, 0xC0);
constexpr QRgb kTankWater = qRgb(0x3C, 0x8C, 0x9C);
constexpr QRgb kTankWater2 = qRgb(0x46, 0x98, 0xA6);
constexpr QRgb kTankWaterDeep = qRgb(0x30, 0x78, 0x8A);
constexpr QRgb kTankBubble = qRgb(0xC8, 0xEC, 0xF0);

QImage Livewell(bool running) {
  QImage img = Opaque(200, 120, kTankRimShade);
  for (int y = 0; y < 120; ++y)
    for (int x = 0; x < 200; ++x) {
      QRgb c;
      if (x < 4 || y < 4 || x > 195 || y > 115) {
        c = (x < 2 || y < 2) ? kTankRim : kTankRimShade;
      } else {
        // light rippling over the tank floor
        const double caustic =
            std::sin(x * 0.21 + std::sin(y * 0.17) * 2.2) + std::sin(y * 0.23 + std::sin(x * 0.13) * 2.0);
        c = caustic > 1.45 ? kTankWater2 : caustic < -1.2 ? kTankWaterDeep : kTankWater;
        if (x < 7 || y < 7) c = kTankWaterDeep;  // the rim's shadow
        if (running) {
          const double swirl = std::sin(std::hypot(x - 10, y - 10) * 0.35 - caustic * 2);
          if (swirl > 0.92) c = kTankWater2;
          if (Hash01(x, y, 79) < 0.012 + 0.05 * std::exp(-std::hypot(x - 14, y - 14) / 25.0)) c = kTankBubble;
        }
      }
      img.setPixel(x, y, c | 0xFF000000u);
    }
  // drain and the aerator nozzle at the top-left corner
  QImage ov = Paint(
      200, 120,
      [running](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(Br(kGreyDark));
        p.drawEllipse(QPointF(185, 105), 5, 5);
        p.setBrush(Br(kGrey));
        for (int i = -1; i <= 1; ++i) p.drawRect(QRectF(181, 104 + i * 2.5, 8, 1));
        p.setBrush(Br(kGreyLight));
        p.drawEllipse(QPointF(10, 10), 4.5, 4.5);
        p.setBrush(Br(kGreyDark));
        p.drawEllipse(QPointF(10, 10), 2.0, 2.0);
        if (running) {
          p.setBrush(Br(kTankBubble));
          for (int i = 0; i < 9; ++i)
            p.drawEllipse(QPointF(16 + i * 4.5 + (i % 2) * 2, 14 + (i % 3) * 3 + i * 2.5), 1.2 + (i % 2),
                          1.2 + (i % 2));
        }
      },
      4);
  Over(img, ov);
  return img;
}

QImage FishPicture(int size, bool left, bool smallmouth) {
  const double len = size == 0 ? 40 : size == 1 ? 54 : 68;
  QImage ov = Paint(
      70, 34,
      [&](QPainter& p) {
        p.translate(35 + (size == 2 ? 0.5 : 1.5), 17);
        if (left) p.scale(-1, 1);
        const double fat = size == 2 ? 1.22 : size == 1 ? 1.05 : 0.95;
        p.scale(1.0, fat);
        SideBass(p, len * 0.9, smallmouth);
      },
      6);
  return Keyed(Outlined(ov, kInk), kBlackKey);
}

// --- Tackle drawer pictures -------------------------------------------------

constexpr QRgb kTray = qRgb(0xC8, 0xCC, 0xD2);
constexpr QRgb kTrayDark = qRgb(0x9A, 0xA0, 0xA8);
constexpr QRgb kTrayLight = qRgb(0xE4, 0xE8, 0xEC);
constexpr QRgb kChrome = qRgb(0xD8, 0xDC, 0xE0);
constexpr QRgb kChromeDark = qRgb(0x8A, 0x90, 0x98);
constexpr QRgb kHook = qRgb(0x4A, 0x4E, 0x56);
constexpr QRgb kChartreuse = qRgb(0xC8, 0xE0, 0x30);
constexpr QRgb kPurple = qRgb(0x6A, 0x2C, 0x8A);
constexpr QRgb kPurpleLight = qRgb(0x92, 0x4C, 0xB0);

QImage Tray(const std::function<void(QPainter&)>& lure) {
  QImage img = Opaque(65, 57, kTray);
  for (int y = 0; y < 57; ++y)
    for (int x = 0; x < 65; ++x) {
      QRgb c = kTray;
      if (x < 2 || y < 2) c = kTrayDark;
      if (x > 62 || y > 54) c = kTrayLight;
      if ((x == 3 || y == 3) && x > 2 && y > 2) c = kTrayDark;
      img.setPixel(x, y, c | 0xFF000000u);
    }
  Over(img, Outlined(Paint(65, 57, lure, 6), kInk));
  return img;
}

void Treble(QPainter& p, QPointF at) {
  p.setBrush(Qt::NoBrush);
  p.setPen(Pn(kHook, 0.9));
  p.drawLine(at, at + QPointF(0, 4));
  p.drawArc(QRectF(at.x() - 3, at.y() + 2, 3, 4), 180 * 16, 180 * 16);
  p.drawArc(QRectF(at.x(), at.y() + 2, 3, 4), 180 * 16, 180 * 16);
}

QImage DrawerPicture(int drawer) {
  return Tray([drawer](QPainter& p) {
    p.setPen(Qt::NoPen);
    switch (drawer) {
      case 0: {  // crankbait, fire tiger
        p.setBrush(Br(kChrome));
        p.drawPolygon(QPolygonF({{50, 22}, {61, 30}, {58, 33}, {47, 26}}));
        p.setBrush(Br(kChartreuse));
        p.drawEllipse(QRectF(10, 14, 42, 20));
        p.setBrush(Br(kGreenHull));
        p.drawChord(QRectF(10, 14, 42, 20), 20 * 16, 140 * 16);
        p.setBrush(Br(kOrange));
        p.drawChord(QRectF(10, 14, 42, 20), 200 * 16, 140 * 16);
        p.setBrush(Br(kEngine));
        for (int i = 0; i < 4; ++i) p.drawRect(QRectF(18 + i * 7, 15, 2.5, 7));
        p.setBrush(Br(kWhite));
        p.drawEllipse(QPointF(44, 21), 3, 3);
        p.setBrush(Br(kInk));
        p.drawEllipse(QPointF(44.6, 21), 1.4, 1.4);
        Treble(p, {28, 34});
        Treble(p, {11, 25});
        break;
      }
      case 1: {  // spinnerbait
        p.setBrush(Qt::NoBrush);
        p.setPen(Pn(kChromeDark, 1.2));
        p.drawLine(QPointF(22, 34), QPointF(34, 20));
        p.drawLine(QPointF(34, 20), QPointF(52, 12));
        p.drawLine(QPointF(22, 34), QPointF(44, 40));
        p.setPen(Qt::NoPen);
        p.setBrush(Br(kYellow));
        p.save();
        p.translate(52, 16);
        p.rotate(-25);
        p.drawEllipse(QPointF(0, 0), 8, 4.5);
        p.setBrush(Br(kWhite));
        p.drawEllipse(QPointF(-2, -1.5), 3, 1.2);
        p.restore();
        p.setBrush(Br(kChartreuse));
        for (int i = 0; i < 9; ++i)
          p.drawPolygon(QPolygonF({{22, 34}, {4 + i * 1.5, 26 + i * 2.5}, {6 + i * 1.5, 28 + i * 2.5}}));
        p.setBrush(Br(kWhite));
        for (int i = 0; i < 5; ++i)
          p.drawPolygon(QPolygonF({{22, 34}, {6 + i * 2.5, 30 + i * 3.0}, {7 + i * 2.5, 31 + i * 3.0}}));
        p.setBrush(Br(kRed));
        p.drawEllipse(QPointF(23, 33.5), 4, 3.2);
        p.setBrush(Br(kEngine));
        p.drawEllipse(QPointF(24.5, 32.5), 1, 1);
        Treble(p, {44, 38});
        break;
      }
      case 2: {  // spoon
        p.save();
        p.translate(33, 28);
        p.rotate(-20);
        p.setBrush(Br(kChromeDark));
        p.drawEllipse(QPointF(0, 0), 20, 9);
        p.setBrush(Br(kChrome));
        p.drawEllipse(QPointF(-1, -1), 18, 7.5);
        p.setBrush(Br(kSprayWhite));
        p.drawEllipse(QPointF(-6, -3), 7, 2.2);
        p.setBrush(Br(kRed));
        p.drawRect(QRectF(2, -6.5, 3, 13));
        p.drawRect(QRectF(9, -5, 3, 10));
        p.restore();
        p.setPen(Pn(kChromeDark, 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(12, 35), 2.5, 2.5);
        Treble(p, {53, 20});
        break;
      }
      case 3: {  // popper
        p.setBrush(Br(kWhite));
        p.drawPolygon(QPolygonF({{12, 24}, {46, 18}, {50, 27}, {46, 36}, {12, 30}}));
        p.setBrush(Br(kGreenHull));
        p.drawPolygon(QPolygonF({{12, 24}, {46, 18}, {48, 22}, {12, 26.5}}));
        p.setBrush(Br(kRed));
        p.drawEllipse(QPointF(50, 27), 3, 8.5);
        p.setBrush(Br(kMouth));
        p.drawEllipse(QPointF(51, 27), 1.8, 6.2);
        p.setBrush(Br(kYellow));
        p.drawEllipse(QPointF(42, 23), 2.6, 2.6);
        p.setBrush(Br(kInk));
        p.drawEllipse(QPointF(42.5, 23), 1.2, 1.2);
        p.setBrush(Br(kRed));
        for (int i = 0; i < 6; ++i) p.drawPolygon(QPolygonF({{12, 27}, {3, 20 + i * 2.5}, {4, 21.5 + i * 2.5}}));
        Treble(p, {30, 33});
        break;
      }
      case 4: {  // plastic worm
        QPainterPath worm;
        worm.moveTo(8, 14);
        worm.cubicTo(30, 8, 40, 20, 30, 30);
        worm.cubicTo(22, 38, 40, 48, 56, 42);
        p.setBrush(Qt::NoBrush);
        p.setPen(Pn(kPurple, 6));
        p.drawPath(worm);
        p.setPen(Pn(kPurpleLight, 2));
        p.drawPath(worm);
        p.setPen(Pn(kPurple, 7.5));
        p.drawPoint(QPointF(9, 14));
        p.setPen(Pn(kHook, 1.2));
        p.drawLine(QPointF(8, 14), QPointF(20, 13));
        p.drawArc(QRectF(16, 11, 6, 6), 90 * 16, -180 * 16);
        break;
      }
      case 5: {  // soft jerk bait
        p.setBrush(Br(kSeat));
        p.drawPolygon(QPolygonF({{8, 30}, {20, 24}, {44, 25}, {56, 29}, {44, 33}, {20, 34}}));
        p.setBrush(Br(kWhite));
        p.drawPolygon(QPolygonF({{8, 30}, {20, 29}, {44, 30}, {56, 29}, {44, 33}, {20, 34}}));
        p.setBrush(Br(kGreyDark));
        p.drawPolygon(QPolygonF({{20, 24}, {44, 25}, {44, 27}, {20, 26.5}}));
        p.setBrush(Br(kInk));
        p.drawEllipse(QPointF(14, 28.5), 1.3, 1.3);
        p.setPen(Pn(kHook, 1.2));
        p.drawLine(QPointF(12, 27), QPointF(26, 23));
        break;
      }
      default: {  // jig with skirt and craw trailer
        p.setBrush(Br(kWoodDark));
        for (int i = 0; i < 11; ++i) p.drawPolygon(QPolygonF({{22, 28}, {44, 18 + i * 2.0}, {45, 19.5 + i * 2.0}}));
        p.setBrush(Br(kWoodLight));
        p.drawPolygon(QPolygonF({{42, 24}, {58, 18}, {60, 22}, {46, 28}}));
        p.drawPolygon(QPolygonF({{42, 32}, {58, 38}, {60, 34}, {46, 28}}));
        p.setBrush(Br(kEngine));
        p.drawEllipse(QPointF(18, 28), 6, 5.5);
        p.setBrush(Br(kEngineHi));
        p.drawEllipse(QPointF(16.5, 26.5), 2, 1.6);
        p.setPen(Pn(kHook, 1.3));
        p.setBrush(Qt::NoBrush);
        p.drawLine(QPointF(18, 24), QPointF(26, 12));
        p.drawArc(QRectF(24, 8, 8, 8), 180 * 16, -200 * 16);
        p.setPen(Pn(kChromeDark, 1.0));
        p.drawEllipse(QPointF(11, 25), 1.6, 1.6);
        break;
      }
    }
  });
}

// --- Big pictures -----------------------------------------------------------

constexpr QRgb kSky0 = qRgb(0x3A, 0x5C, 0x9A);
constexpr QRgb kSky1 = qRgb(0x6A, 0x86, 0xBC);
constexpr QRgb kSky2 = qRgb(0xE8, 0xA4, 0x78);
constexpr QRgb kSky3 = qRgb(0xF8, 0xD0, 0x8C);
constexpr QRgb kSun = qRgb(0xFF, 0xF0, 0xB8);
constexpr QRgb kHill0 = qRgb(0x2A, 0x44, 0x48);
constexpr QRgb kHill1 = qRgb(0x1E, 0x38, 0x30);
constexpr QRgb kLakeFar = qRgb(0x7C, 0x8C, 0xB4);
constexpr QRgb kLakeNear = qRgb(0x24, 0x4C, 0x78);
constexpr QRgb kTitleTop = qRgb(0xFF, 0xE8, 0x60);
constexpr QRgb kTitleBottom = qRgb(0xF0, 0x80, 0x20);

// A sunrise over a lake: sky bands, the sun, two tree lines and the water
// with the sun's reflection, dithered between a few colours.
QImage LakeScene(int w, int h, double horizon) {
  QImage img = Opaque(w, h, kSky0);
  const int hy = static_cast<int>(h * horizon);
  const double sunX = w * 0.72;
  const double sunY = hy - h * 0.07;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      QRgb c;
      if (y < hy) {
        const double t = static_cast<double>(y) / hy;
        const QRgb stops[] = {kSky0, kSky1, kSky2, kSky3};
        const double s = t * 3.0;
        const int i = std::min(2, static_cast<int>(s));
        c = Dither(s - i, x, y) ? stops[i + 1] : stops[i];
        if (std::hypot(x - sunX, (y - sunY) * 1.0) < h * 0.075) c = kSun;
      } else {
        const double t = static_cast<double>(y - hy) / (h - hy);
        c = Dither(std::pow(t, 0.6), x, y) ? kLakeNear : kLakeFar;
        const double ripple = std::sin(x * 0.15 + y * 0.9 + std::sin(x * 0.03) * 3);
        if (std::fabs(x - sunX) < (h * 0.06) * (1.0 + t * 2.5) && ripple > 0.2)
          c = kSun;
        else if (ripple > 0.93 && Hash01(x, y, 5) < 0.5)
          c = kLakeFar;
      }
      img.setPixel(x, y, c | 0xFF000000u);
    }
  // tree lines on the far shore
  for (int x = 0; x < w; ++x) {
    const double far =
        hy - h * (0.06 + 0.03 * PeriodicNoise(x * 0.5, 0, 8, 32 * 32, 11) + 0.025 * std::fabs(std::sin(x * 0.21)));
    const double near = hy - h * (0.025 + 0.02 * std::fabs(std::sin(x * 0.37 + 1)) +
                                  0.03 * PeriodicNoise(x * 0.3 + 50, 0, 8, 32 * 32, 12));
    for (int y = static_cast<int>(far); y < hy; ++y) img.setPixel(x, y, (y < near ? kHill0 : kHill1) | 0xFF000000u);
    for (int y = hy; y < hy + (hy - static_cast<int>(near)) / 2; ++y)  // reflection
      if (Dither(0.5, x, y)) img.setPixel(x, y, kHill1 | 0xFF000000u);
  }
  return img;
}

QImage TitlePicture() {
  const int w = 512;
  const int h = 320;
  QImage img = LakeScene(w, h, 0.55);
  // a leaping bass and a boat
  Over(img, Outlined(Paint(
                         w, h,
                         [](QPainter& p) {
                           p.setPen(Qt::NoPen);
                           p.setBrush(Br(kSpray1));
                           p.drawEllipse(QPointF(150, 262), 48, 9);
                           p.setBrush(Br(kSprayWhite));
                           p.drawEllipse(QPointF(150, 262), 28, 5);
                           Droplets(p, QPointF(150, 240), 52, 18, 2.2, kSprayWhite, 0.2);
                           p.save();
                           p.translate(150, 218);
                           p.rotate(-28);
                           SideBass(p, 130);
                           p.restore();
                           // the lure in its jaw and the line to the boat
                           p.setPen(Pn(kSprayWhite, 0.8));
                           p.drawLine(QPointF(206, 186), QPointF(395, 203));
                           p.save();
                           p.translate(420, 212);
                           p.setPen(Qt::NoPen);
                           p.setBrush(Br(kRedDark));
                           p.drawPolygon(QPolygonF({{-46, -4}, {40, -6}, {52, 0}, {40, 8}, {-44, 8}}));
                           p.setBrush(Br(kRed));
                           p.drawPolygon(QPolygonF({{-46, -4}, {40, -6}, {52, 0}, {40, 2}, {-46, 2}}));
                           p.setBrush(Br(kWhite));
                           p.drawRect(QRectF(-40, 1, 78, 2));
                           p.setBrush(Br(kEngine));
                           p.drawRect(QRectF(-54, -12, 9, 18));
                           p.setBrush(Br(kLifeVest));
                           p.drawRect(QRectF(-24, -22, 10, 16));
                           p.setBrush(Br(kSkin));
                           p.drawEllipse(QPointF(-19, -27), 4.5, 4.5);
                           p.setBrush(Br(kBlue));
                           p.drawRect(QRectF(-25, -33, 12, 4));
                           p.setPen(Pn(kGreyDark, 1.6));
                           p.drawLine(QPointF(-16, -16), QPointF(-24, -60));
                           p.setPen(Pn(kSprayWhite, 0.7));
                           p.drawLine(QPointF(-24, -60), QPointF(-25, -9));
                           p.restore();
                         },
                         2),
                     kInk));
  QImage title = BannerText(w, h, 40, 24, "LUREWICK", 7, 7, kTitleTop, kTitleBottom, kInk, kShadowInk);
  Over(img, title);
  QImage sub = BannerText(w, h, 104, 88, "BASS TOURNAMENT", 3, 3, kSprayWhite, kSpray2, kInk, kShadowInk);
  Over(img, sub);
  return img;
}

QImage DisqualifiedPicture() {
  QImage img = Opaque(96, 96, kTrayLight);
  Over(img, Paint(
                96, 96,
                [](QPainter& p) {
                  p.setPen(Qt::NoPen);
                  p.setBrush(Br(kSpray2));
                  p.drawEllipse(QPointF(48, 60), 40, 14);
                  p.save();
                  p.translate(48, 54);
                  p.setBrush(Br(kRedDark));
                  p.drawPolygon(QPolygonF({{-34, -6}, {26, -8}, {36, 0}, {26, 8}, {-32, 8}}));
                  p.setBrush(Br(kRed));
                  p.drawPolygon(QPolygonF({{-34, -6}, {26, -8}, {36, 0}, {26, 1}, {-34, 1}}));
                  p.setBrush(Br(kEngine));
                  p.drawRect(QRectF(-40, -14, 7, 16));
                  p.restore();
                  p.setBrush(Qt::NoBrush);
                  p.setPen(Pn(kBurstRed, 9));
                  p.drawEllipse(QPointF(48, 48), 38, 38);
                  p.drawLine(QPointF(21, 21), QPointF(75, 75));
                },
                4));
  return img;
}

QImage InstallerBackground() {
  QImage img = LakeScene(450, 193, 0.62);
  // darker at the left so the white labels stand out
  for (int y = 0; y < 193; ++y)
    for (int x = 0; x < 210; ++x)
      img.setPixel(x, y, Mix(img.pixel(x, y), kHill1, 0.6 * (1.0 - x / 210.0)) | 0xFF000000u);
  Over(img, BannerText(450, 193, 236, 150, "LUREWICK", 3, 3, kTitleTop, kTitleBottom, kInk, kShadowInk));
  return img;
}

QImage AppIcon() {
  QImage img(128, 128, QImage::Format_ARGB32);
  img.fill(0);
  QImage disc = Paint(
      128, 128,
      [](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(Br(kNavy));
        p.drawEllipse(QPointF(64, 64), 62, 62);
        p.setBrush(Br(kLakeNear));
        p.drawEllipse(QPointF(64, 64), 57, 57);
        p.setBrush(Br(kSky1));
        p.drawChord(QRectF(7, 7, 114, 114), 20 * 16, 140 * 16);
        p.setBrush(Br(kSpray1));
        p.drawEllipse(QPointF(64, 96), 36, 7);
        p.setBrush(Br(kSprayWhite));
        p.drawEllipse(QPointF(64, 96), 20, 4);
        Droplets(p, QPointF(64, 86), 40, 14, 2.2, kSprayWhite, 0.3);
        p.save();
        p.translate(62, 62);
        p.rotate(-30);
        SideBass(p, 96);
        p.restore();
      },
      4);
  Over(img, Outlined(disc, kInk));
  return img;
}

}  // namespace

std::vector<Picture> DrawPictures() {
  std::vector<Picture> out;
  auto add = [&](const std::string& group, const std::string& name, QImage img, bool hasKey, QRgb key,
                 Destination dest = Destination::GameBmp) {
    out.push_back(Picture{name, std::move(img), dest, hasKey, key, group});
  };
  auto black = [&](const std::string& group, const std::string& name, QImage img) {
    add(group, name, std::move(img), true, kBlackKey);
  };

  black("effects", "kapow", CrashPicture("KAPOW"));
  black("effects", "wham", CrashPicture("WHAM!"));
  black("effects", "slam1", BigSplash());

  const char* splashNames[] = {"Plop1", "Plop2", "FishJmp0", "FishJmp1", "FishJmp2", "TailW0", "TailW1", "Slam"};
  for (int i = 0; i < 8; ++i) black("splashes", splashNames[i], Splash(i));

  const char* boatNames[] = {"BoatUp", "BoatUR", "BoatR", "BoatLR", "BoatDn", "BoatLL", "BoatL", "BoatUL"};
  for (int i = 0; i < 8; ++i) black("boat", boatNames[i], BoatFrame(i));

  for (int d = 0; d < 10; ++d) black("lcd", "LCD" + std::to_string(d), LcdDigit(d));
  black("lcd", "LCDCOLON", LcdColon());
  add("lcd", "LCDclear", LcdClear(), false, 0);

  black("banners", "One", DayBanner("ONE", false));
  black("banners", "Two", DayBanner("TWO", false));
  black("banners", "Three", DayBanner("THREE", false));
  black("banners", "Day", DayBanner("DAY", true));
  black("banners", "Monster", MonsterBanner());

  const char* gpsNames[] = {"GPSup", "GPSur", "GPSrgt", "GPSlr", "GPSdn", "GPSll", "GPSlft", "GPSul"};
  for (int i = 0; i < 8; ++i) add("gps", gpsNames[i], GpsArrow(i), true, kAquaKey);

  black("canoes", "grncanoe", Canoe(kGreenHull, kGreenHullDark, kGreenHullLight));
  black("canoes", "redcanoe", Canoe(kRed, kRedDark, kRedLight));
  const char* jetNames[] = {"jetskiUR", "jetskiLR", "jetskiLL", "jetskiUL"};
  for (int i = 0; i < 4; ++i) black("jetskis", jetNames[i], JetSki(i));

  // Button glyph pairs: the bottom-left pixel (button face) is the colour a
  // speed button shows as see-through.
  add("glyphs", "TMon", TrollingMotorGlyph(true), true, kButtonFace);
  add("glyphs", "TMoff", TrollingMotorGlyph(false), true, kButtonFace);
  add("glyphs", "Outbon", OutboardGlyph(true), true, kButtonFace);
  add("glyphs", "Outboff", OutboardGlyph(false), true, kButtonFace);
  add("glyphs", "LJackOff", LifeJacketGlyph(false), true, kButtonFace);
  add("glyphs", "LJackOn", LifeJacketGlyph(true), true, kButtonFace);
  add("glyphs", "PaddleOn", PaddleGlyph(true), true, kButtonFace);
  add("glyphs", "PaddleOf", PaddleGlyph(false), true, kButtonFace);
  add("glyphs", "FishForm", FishFormulaGlyph(true), true, kButtonFace);
  add("glyphs", "FFoff", FishFormulaGlyph(false), true, kButtonFace);
  add("glyphs", "LWindOn", AeratorGlyph(true), true, kButtonFace);
  add("glyphs", "LWindOff", AeratorGlyph(false), true, kButtonFace);

  // The main window's buttons without a glyph pair: BTN_ + the button's name.
  const std::pair<const char*, QImage> buttons[] = {
      {"BTN_TackleBtn", TackleBoxIcon()},  {"BTN_RodSelBtn", RodIcon()},        {"BTN_RetrBtn", RetrieveIcon()},
      {"BTN_MapBtn", MapIcon()},           {"BTN_LWButt", LivewellIcon()},      {"BTN_FindBoatBtn", FindBoatIcon()},
      {"BTN_GasUpBtn", GasCanIcon()},      {"BTN_SkillBtn", PreferencesIcon()}, {"BTN_PickLake", PickLakeIcon()},
      {"BTN_SaveGameBtn", SaveGameIcon()}, {"BTN_HelpBtn", HelpIcon()}};
  for (const auto& [name, icon] : buttons) add("buttons", name, icon, true, kButtonFace);

  const char* fishNames[] = {"SmLMr", "MedLMr", "BigLMr", "SmLMl", "MedLMl", "BigLMl",
                             "SmSMr", "MedSMr", "BigSMr", "SmSMl", "MedSMl", "BigSMl"};
  for (int i = 0; i < 12; ++i) black("fish", fishNames[i], FishPicture(i % 3, (i / 3) % 2 == 1, i >= 6));
  add("livewell", "LWnormal", Livewell(false), false, 0);
  add("livewell", "LWrun", Livewell(true), false, 0);

  const char* drawerNames[] = {"Cranks1", "SPbaits1", "Spoon1", "TopW1", "Worms1", "SofJerk1", "Jigs1"};
  for (int i = 0; i < 7; ++i) add("drawers", drawerNames[i], DrawerPicture(i), false, 0);

  add("pictures", "TITLE", TitlePicture(), false, 0);
  add("pictures", "DQ", DisqualifiedPicture(), false, 0);
  add("pictures", "SETUPBG", InstallerBackground(), false, 0, Destination::InstallerBmp);
  add("pictures", "lwk", AppIcon(), false, 0, Destination::GamePng);
  return out;
}

std::string FileNameOf(const Picture& p) {
  if (p.destination == Destination::GamePng) return p.name + ".png";
  std::string up = p.name;
  for (char& ch : up) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
  return up + ".BMP";
}

}  // namespace lwk::art
