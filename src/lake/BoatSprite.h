#pragma once
// The boat sprite on the lake view's surface, with the pixels under it saved
// so that the boat moves without repainting the tiles.

#include <QImage>

namespace lwk {

class Game;

constexpr int kBoatSize = 16;

// True when the bow cell is a bridge: the boat is hidden there.
bool BoatUnderBridge(const Game& g);
// Draws the boat frame of its heading (not under a bridge).
void DrawBoat(Game& g);
// Saves the pixels under the boat, then draws it.
void SaveBoatBackground(Game& g);
// Puts the saved pixels back.
void EraseBoat(Game& g);
// Saves the lake's own tiles under the boat (never a boat or a craft already
// drawn there), then draws it.
void SaveBoatBackgroundFromLake(Game& g);

// The lake's own tiles under a view rectangle, as they would be painted.
QImage LakeTilesUnder(const Game& g, int x, int y, int w, int h);
// Paints every cell touching a view rectangle again from the lake's tiles.
void RepaintCellsUnder(Game& g, int x, int y, int w, int h);

// Recomputes the bow and stern probe points from the boat's position and
// heading, and the boat's, bow's and stern's cells from the view's first
// visible cell (a coordinate outside 0 ... 255 is kept as 0).
void RecomputeBoatProbes(Game& g);

}  // namespace lwk
