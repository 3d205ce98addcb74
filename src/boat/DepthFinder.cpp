#include "boat/DepthFinder.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "shell/Game.h"

namespace lwk {

namespace {

constexpr QRgb kBlue = 0xFF0000FF;
constexpr QRgb kRed = 0xFFFF0000;
constexpr int kDigitsY = 45;
constexpr int kDigitWidth = 11;

struct Scale {
  double pixelsPerFoot;
  int fullScale;  // feet at the bottom of the screen
};

Scale ScaleFor(int depth) {
  if (depth < 10) return {4.0, 10};
  if (depth < 20) return {2.0, 20};
  if (depth < 30) return {1.25, 30};
  return {1.0, 40};
}

QImage& Screen(Game& g) {
  QImage& s = g.view.graphScreen;
  if (s.isNull() || s.width() != kScreenSize || s.height() != kScreenSize) {
    s = QImage(kScreenSize, kScreenSize, QImage::Format_RGB32);
    s.fill(kBlack);
  }
  return s;
}

// A vertical line two pixels wide ending at the screen's right edge, from y0
// down to y1 (both included, clipped to the screen).
void Column(QImage& s, int y0, int y1, QRgb c) {
  for (int y = std::max(0, y0); y <= std::min(kScreenSize - 1, y1); ++y) {
    s.setPixel(kScreenSize - 2, y, c);
    s.setPixel(kScreenSize - 1, y, c);
  }
}

// The upper half of the ellipse bounded by (x0, y0) .. (x1, y1), between the
// points where the rays from its centre through the box's top corners meet
// it: a fish arch. Those rays cross the ellipse at 45 and 135 degrees of its
// own (parametric) angle, whatever the box's shape, which is how the painter
// reads arc angles.
void Arch(QImage& s, int x0, int y0, int x1, int y1) {
  QPainter p(&s);
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(QPen(QColor(kRed), 2));
  p.drawArc(QRectF(x0, y0, x1 - x0, y1 - y0), 45 * 16, 90 * 16);
}

void Digits(Game& g, QImage& s, int depth) {
  const QImage& clear = g.pictures.single("LCDclear");
  if (!clear.isNull()) {
    QPainter p(&s);
    p.drawImage(0, kDigitsY, clear);
  }
  // The digits' black surround is see-through: the lit segments sit on the
  // blank field's unlit ones.
  const std::string text = std::to_string(depth).substr(0, 3);
  for (size_t i = 0; i < text.size(); ++i)
    g.pictures.lcd.draw(s, static_cast<int>(i) * kDigitWidth, kDigitsY, static_cast<size_t>(text[i] - '0'));
}

}  // namespace

void GraphScreenOn(Game& g) {
  Screen(g).fill(kAqua);
  g.Changed();
}

void GraphScreenOff(Game& g) {
  Screen(g).fill(kBlack);
  g.Changed();
}

void GraphOnClick(Game& g) {
  BoatState& b = g.boat;
  g.UserInput();
  if (b.DepthFinderOn) return;
  if (b.MainBatteryCharge <= 0) {
    g.PlayMessage(BoxKind::Plain, "Your Main Battery is dead.\rThe LCD Graph will not work.");
    return;
  }
  GraphScreenOn(g);
  b.DepthFinderOn = true;
}

void GraphOffClick(Game& g) {
  g.UserInput();
  if (!g.boat.DepthFinderOn) return;
  GraphScreenOff(g);
  g.boat.DepthFinderOn = false;
}

void GraphStep(Game& g) {
  BoatState& b = g.boat;
  DepthFinderState& df = b.depth;
  QImage& s = Screen(g);

  // Scroll the picture one pixel to the left (every row, so the bottom line
  // scrolls with the rest).
  for (int y = 0; y < kScreenSize; ++y) {
    QRgb* line = reinterpret_cast<QRgb*>(s.scanLine(y));
    std::copy(line + 1, line + kScreenSize, line);
  }

  const int col = b.BowCol;
  const int row = b.BowRow;
  const int depth = InLake(col, row) ? g.lake.DepthMap.at(col, row) : 0;
  const Scale scale = ScaleFor(depth);
  g.view.lcdMaxDepth = std::to_string(scale.fullScale);

  Column(s, df.BottomY, kScreenSize - 1, kAqua);
  df.BottomY = static_cast<int>(std::lround(depth * scale.pixelsPerFoot));
  Column(s, df.BottomY, kScreenSize - 1, kBlue);

  if (col != df.LastFishCol || row != df.LastFishRow) {
    if (InLake(col, row)) {
      for (const FishSlot& f : g.lake.FishSlots.at(col, row)) {
        if (f.empty()) continue;
        const int top = static_cast<int>(std::lround(f.Depth * scale.pixelsPerFoot - 2));
        Arch(s, 55, top, 63, df.BottomY + 18);
      }
    }
    df.LastFishCol = col;
    df.LastFishRow = row;
  }

  Digits(g, s, depth);
  g.Changed();
}

}  // namespace lwk
