#include "shell/Game.h"

namespace lwk {

// The new-game reset, run at start-up and before every lake or saved game.
void Game::ResetGameState() {
  setTimer(TimerId::Main, false);
  prefs.BackgroundSoundsOn = prefs.BackgroundSounds1;
  prefs.FishingSoundsOn = prefs.FishingSounds1;
}

}  // namespace lwk
