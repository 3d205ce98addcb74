#pragma once
// Landing a fish and the livewell that keeps the day's best five bass.

#include <cstdint>

namespace lwk {

class Game;

// A fight ended with the fish in the boat: its species code and its weight in
// pounds. Releases it or puts it in the livewell.
void LandFish(Game& g, std::uint8_t species, double weight);

}  // namespace lwk
