#include "tournament/Livewell.h"

#include "shell/Game.h"

namespace lwk {

void LandFish(Game&, std::uint8_t, double) {
  // The livewell is not in the game yet: a landed fish is let go.
}

}  // namespace lwk
