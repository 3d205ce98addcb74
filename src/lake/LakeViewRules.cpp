#include "lake/LakeViewRules.h"

#include <algorithm>

#include "lake/BoatSprite.h"
#include "lake/WaterColours.h"
#include "shell/Game.h"

namespace lwk {

void ConnectLakeView(Game& g) {
  g.lakeView.onTopLeftChanged = [&g] { LakeTopLeftChanged(g); };
}

void LakeTopLeftChanged(Game& g) {
  g.IdleSeconds = 0;
  const int dx = g.lakeView.leftCol() - g.PrevLeftCol;
  const int dy = g.lakeView.topRow() - g.PrevTopRow;
  g.boat.BoatX -= dx * kTilePixels;
  g.boat.BoatY -= dy * kTilePixels;
  RecomputeBoatProbes(g);
  g.PrevLeftCol = g.lakeView.leftCol();
  g.PrevTopRow = g.lakeView.topRow();
  // The scroll has repainted every visible tile; the boat goes back on top.
  SaveBoatBackground(g);
}

void LakeViewResized(Game& g, int width, int height) {
  const int oldLeft = g.lakeView.leftCol();
  const int oldTop = g.lakeView.topRow();
  const bool sameSize = g.lakeView.width() == std::max(width, 1) && g.lakeView.height() == std::max(height, 1);
  g.lakeView.setViewSize(width, height);
  // The fresh surface has lost the cast line: it goes back where it was, so
  // the next exclusive-or takes it off again.
  const FishingState& f = g.fishing;
  if (f.LineDrawn) g.lakeView.xorLine(f.LineFromX, f.LineFromY, f.LineX, f.LineY);
  if (!g.view.lakeVisible) return;
  if (g.lakeView.leftCol() != oldLeft || g.lakeView.topRow() != oldTop)
    LakeTopLeftChanged(g);  // a larger view pulled the first cell back
  else if (sameSize)
    DrawBoat(g);  // nothing was repainted: the boat and the pixels under it are as they were
  else
    SaveBoatBackground(g);
}

void CentreViewOn(Game& g, int col, int row) {
  const int c = std::max(0, col - (g.lakeView.width() / kTilePixels) / 2);
  const int r = std::max(0, row - (g.lakeView.height() / kTilePixels) / 2);
  g.lakeView.scrollTo(c, r);
}

void FindBoatBtnClick(Game& g) {
  g.DialogUp = true;
  const int w = g.lakeView.width() / kTilePixels;
  const int h = g.lakeView.height() / kTilePixels;
  int c = g.boat.BoatCol - w / 2;
  int r = g.boat.BoatRow - h / 2;
  if (c < 0) c = 0;
  if (r < 0) r = 0;
  if (c > 199 - w) c = 199 - w;
  if (r > 199 - h) r = 199 - h;
  g.lakeView.scrollTo(std::max(0, c), std::max(0, r));
  g.port.processEvents();
  g.IdleSeconds = 0;
  if (BoatUnderBridge(g)) g.Message(BoxKind::Plain, "Your boat is under the bridge, so\rit's not currently visible.");
  g.DialogUp = false;
}

void BuildWaterColours(Game& g) {
  g.lake.WaterColours = BuildWaterColourTable(g.pictures.TileBitmaps);
}

bool WaterTest(Game& g, int x, int y) {
  const QRgb colour = g.lakeView.pixel(x, y);
  g.boat.SampledColour = colour;
  return IsWaterColour(g.lake.WaterColours, colour);
}

}  // namespace lwk
