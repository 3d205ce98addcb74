#pragma once
// Canoes and jet skis on the lake, collisions and running aground, and the
// rescue after seven bumps in a row.

#include <functional>
#include <optional>
#include <utility>

namespace lwk {

class Game;
struct SavedPatch;
class LakeView;

// Puts the two canoes, then the two jet skis, on random open-water cells
// (each kind only when its pictures loaded). Run when a lake loads.
void PlaceWaterTraffic(Game& g);
// One step of each kind, run by the main timer; both wait while a dialog is
// up or a lake is loading.
void CanoeStep(Game& g);
void JetSkiStep(Game& g);

// Runs draw with every canoe and jet ski taken off the surface, then puts
// them back over what draw left, saving the pixels under them afresh. The
// cast line is drawn this way, so a craft never keeps line pixels under it
// and puts them back after the line has gone.
void WithTrafficLifted(Game& g, const std::function<void()>& draw);

// The step's probe point was not water.
void Collide(Game& g);
// Other anglers free the boat and put it on the nearest open water.
void Rescue(Game& g);
// Takes the crash picture away again.
void CrashTimerTimer(Game& g);
// Paints the cells under the crash picture again from the lake's tiles, then
// the traffic and the boat where they are now. Nothing when no picture shows.
void TakeCrashPictureAway(Game& g);

// The first cell of tile t around (c, r) within d cells, in the search order
// of the rescue; cells outside the lake are never looked at.
std::optional<std::pair<int, int>> FreeCell(const Game& g, int c, int r, int d, int t);

// Saving and restoring the pixels under a sprite (clipped to the surface).
void SavePatch(LakeView& v, SavedPatch& p, int x, int y, int w, int h);
// Puts the pixels back, unless the view scrolled since (then the tiles were
// repainted and the patch belongs elsewhere).
void RestorePatch(LakeView& v, SavedPatch& p);

}  // namespace lwk
