#include "tournament/Clock.h"

#include <algorithm>

#include "shell/Game.h"

namespace lwk {

void ChargeTime(Game& g, int seconds) {
  g.tour.DayTimeLeft = std::max(0, g.tour.DayTimeLeft - seconds);
}

}  // namespace lwk
