#pragma once
// Reeling the bait back to the boat step by step: snags, strikes, the
// hook-set window, the fight and its three endings.

#include <string>

namespace lwk {

class Game;

// Reels the bait in from where it landed. False when it was aborted.
bool Retrieve(Game& g);
// Whether the bait fouled in cover at its position this step.
bool SnagCheck(Game& g);
// The fish of StrikingSlot strikes: the hook-set window, then the fight.
// False when it was aborted.
bool Strike(Game& g);
// The weight of a freshly hooked fish of the species, as text in pounds.
std::string FishWeight(Game& g, int species);

// Rods with a light line (they can break on a big fish).
bool LightLineRod(int rod);
// Baits that strike on the surface and throw the big splash.
bool SurfaceBait(int drawer, int bait);

void RetreiveTimerTimer(Game& g);
void StrikeTimerTimer(Game& g);
void FightTimerTimer(Game& g);

// A mouse press on the main window: sets the hook while the line is out.
void FormMouseDown(Game& g);

}  // namespace lwk
