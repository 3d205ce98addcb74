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
