#include "lake/LakeViewRules.h"
#include "lake/OpenLake.h"
#include "shell/Game.h"
#include "tournament/Livewell.h"

namespace lwk {

// The new-game reset, run at start-up and before every lake or saved game.
void Game::ResetGameState() {
  ConnectLakeView(*this);
  ResetDay(*this);
  ClearLiveWell(*this);
  ResetDayStatistics(*this);
  prefs.BackgroundSoundsOn = prefs.BackgroundSounds1;
  prefs.FishingSoundsOn = prefs.FishingSounds1;
  tour.TournamentDay = 0;
  tour.TournamentOver = false;
  tour.DayEnding = false;
  tour.HourWarningGiven = false;
  lake.WeatherForecast = RollForecast(Random);
  lake.TodayWeather = lake.WeatherForecast[0];
}

}  // namespace lwk
