#include "shell/Game.h"

namespace lwk {

// The 50 ms heartbeat: every tenth tick is one game second.
void Game::MainTimerTimer() {
  --TickDivider;
  if (TickDivider <= 0) {
    if (tour.ClockRunning && tour.DayTimeLeft > 0) --tour.DayTimeLeft;
    TickDivider = 10;
  }
}

}  // namespace lwk
