#include "shell/Game.h"
#include "tournament/Standings.h"
#include "tournament/WeighIn.h"

namespace lwk {

// The livewell's part of the weigh-in (filled in with the livewell).
void WeighMeFormShow(Game& g) {
  TournamentState& t = g.tour;
  const size_t d = static_cast<size_t>(t.TournamentDay);
  t.TournamentField[kPlayerRow].DayWeight[d] = 0;
  t.TournamentField[kPlayerRow].Name = t.AnglerName;
  GenerateFieldWeights(g, t.TournamentDay, 0);
  t.PlayerDayWeight[d] = 0;
  if (t.TournamentDay == 2) t.TournamentOver = true;
}

void WeighInPrintBtnClick(Game&) {}
void ZeroLiveWellWeights(Game&) {}
void ReleaseLiveWell(Game& g) {
  g.tour.LiveWellCount = 0;
}

}  // namespace lwk
