#pragma once
// The day's clock: every charge of fishing time goes through here.

namespace lwk {

class Game;

// Takes seconds from the day's fishing time, never below 0.
void ChargeTime(Game& g, int seconds);

}  // namespace lwk
