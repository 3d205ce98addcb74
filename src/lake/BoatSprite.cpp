#include "lake/BoatSprite.h"

#include <QPainter>
#include <array>

#include "shell/Game.h"

namespace lwk {

namespace {
struct Offset {
  int dx, dy;
};
// Offsets of the bow and stern probes from the sprite's top-left, by heading.
constexpr std::array<Offset, 8> kBowProbe{{{7, 1}, {14, 1}, {14, 7}, {14, 14}, {7, 14}, {1, 14}, {1, 7}, {1, 1}}};
constexpr std::array<Offset, 8> kSternProbe{{{7, 13}, {3, 13}, {1, 7}, {3, 3}, {7, 1}, {13, 3}, {13, 7}, {13, 13}}};

// The cell of an absolute lake pixel, also left of or above the lake.
int CellOf(int pixel) {
  return pixel >= 0 ? pixel / kTilePixels : -((-pixel + kTilePixels - 1) / kTilePixels);
}
}  // namespace

bool BoatUnderBridge(const Game& g) {
  const BoatState& b = g.boat;
  if (!InLake(b.BowCol, b.BowRow)) return false;
  return IsBridgeTile(g.lake.tile(b.BowCol, b.BowRow));
}

void DrawBoat(Game& g) {
  if (BoatUnderBridge(g)) return;
  g.pictures.boat.draw(g.lakeView.surface(), g.boat.BoatX, g.boat.BoatY, static_cast<size_t>(g.boat.BoatHeading));
  g.port.surfaceChanged(g.boat.BoatX, g.boat.BoatY, kBoatSize, kBoatSize);
}

void SaveBoatBackground(Game& g) {
  g.BoatRectX = g.boat.BoatX;
  g.BoatRectY = g.boat.BoatY;
  g.BoatBackground = g.lakeView.surface().copy(g.BoatRectX, g.BoatRectY, kBoatSize, kBoatSize);
  DrawBoat(g);
}

void EraseBoat(Game& g) {
  if (g.BoatBackground.isNull()) return;
  QPainter p(&g.lakeView.surface());
  p.drawImage(g.BoatRectX, g.BoatRectY, g.BoatBackground);
  p.end();
  g.port.surfaceChanged(g.BoatRectX, g.BoatRectY, kBoatSize, kBoatSize);
}

void SaveBoatBackgroundFromLake(Game& g) {
  g.BoatRectX = g.boat.BoatX;
  g.BoatRectY = g.boat.BoatY;
  g.BoatBackground = LakeTilesUnder(g, g.BoatRectX, g.BoatRectY, kBoatSize, kBoatSize);
  DrawBoat(g);
}

QImage LakeTilesUnder(const Game& g, int x, int y, int w, int h) {
  QImage out(w, h, QImage::Format_RGB32);
  out.fill(Qt::black);
  const LakeView& v = g.lakeView;
  QPainter p(&out);
  const int left = v.leftCol() * kTilePixels;
  const int top = v.topRow() * kTilePixels;
  for (int col = CellOf(left + x); col * kTilePixels < left + x + w; ++col)
    for (int row = CellOf(top + y); row * kTilePixels < top + y + h; ++row) {
      const int tx = col * kTilePixels - left - x;
      const int ty = row * kTilePixels - top - y;
      if (!InLake(col, row)) continue;  // black, as the view paints it
      const QImage& tile = g.pictures.TileBitmaps[g.lake.tile(col, row)];
      if (tile.isNull())
        p.fillRect(tx, ty, kTilePixels, kTilePixels, Qt::white);
      else
        p.drawImage(tx, ty, tile);
    }
  return out;
}

void RepaintCellsUnder(Game& g, int x, int y, int w, int h) {
  LakeView& v = g.lakeView;
  const int left = v.leftCol() * kTilePixels;
  const int top = v.topRow() * kTilePixels;
  for (int col = CellOf(left + x); col * kTilePixels < left + x + w; ++col)
    for (int row = CellOf(top + y); row * kTilePixels < top + y + h; ++row) v.paintCell(col, row);
}

void RecomputeBoatProbes(Game& g) {
  BoatState& b = g.boat;
  const size_t h = static_cast<size_t>(b.BoatHeading & 7);
  b.BowProbeX = b.BoatX + kBowProbe[h].dx;
  b.BowProbeY = b.BoatY + kBowProbe[h].dy;
  b.SternProbeX = b.BoatX + kSternProbe[h].dx;
  b.SternProbeY = b.BoatY + kSternProbe[h].dy;
  const int left = g.lakeView.leftCol() * kTilePixels;
  const int top = g.lakeView.topRow() * kTilePixels;
  b.BoatCol = CellByte(DivTrunc(left + b.BoatX, kTilePixels));
  b.BoatRow = CellByte(DivTrunc(top + b.BoatY, kTilePixels));
  b.BowCol = CellByte(DivTrunc(left + b.BowProbeX, kTilePixels));
  b.BowRow = CellByte(DivTrunc(top + b.BowProbeY, kTilePixels));
  b.SternCol = CellByte(DivTrunc(left + b.SternProbeX, kTilePixels));
  b.SternRow = CellByte(DivTrunc(top + b.SternProbeY, kTilePixels));
}

}  // namespace lwk
