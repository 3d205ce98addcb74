#pragma once
// What the fish of the bait's cell decide at each step of a retrieve, and the
// fish formula that makes every fish one step bolder for twelve casts.

namespace lwk {

class Game;

// Asked once per retrieve step: true when a fish of the bait's cell strikes;
// StrikingSlot then names it.
bool StrikeCheck(Game& g);

// The "Fish Formula" button: in effect for the next twelve casts, 15 seconds.
void FishFormulaBtnClick(Game& g);
// Run after every release on the lake that reached the cast operation,
// whether the cast was made or refused.
void FormulaCastCount(Game& g);

// The fishing values a new day starts with (program start and every day
// start): no cast out, the formula spent, its button off.
void ResetFishingForDay(Game& g);

}  // namespace lwk
