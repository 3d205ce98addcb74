#include "lake/BoatSprite.h"

#include <QPainter>

#include "shell/Game.h"

namespace lwk {

namespace {
constexpr int kBoatSize = 16;
}

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

}  // namespace lwk
