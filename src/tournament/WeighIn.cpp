#include "tournament/WeighIn.h"

#include "lake/LakeState.h"
#include "shell/Game.h"
#include "tournament/Clock.h"
#include "tournament/Standings.h"

namespace lwk {

namespace {

constexpr int kLastDay = kTournamentDays - 1;

std::string Percent(double v) {
  return Fixed2(v) + "%";
}

}  // namespace

bool NearTile(const Game& g, int range, int tile) {
  const int c = g.boat.BoatCol;
  const int r = g.boat.BoatRow;
  for (int dc = -range; dc <= range; ++dc)
    for (int dr = -range; dr <= range; ++dr) {
      const int col = c + dc;
      const int row = r + dr;
      if (col < 0 || col >= kLakeCells || row < 0 || row >= kLakeCells) continue;
      if (g.lake.tile(col, row) == tile) return true;
    }
  return false;
}

void WeighInBtnClick(Game& g) {
  g.IdleSeconds = 0;
  if (g.tour.DayEnding || g.tour.TournamentDay > kLastDay) return;
  const bool wasRunning = g.timerEnabled(TimerId::Main);
  g.setTimer(TimerId::Main, false);
  if (!NearTile(g, kWeighInRange, kWeighInFlagTile)) {
    g.Message(BoxKind::Plain, "You are not close enough to the\rweigh in flag.");
  } else if (g.Message(BoxKind::Confirm, "Are you sure you want to weigh in now?", Buttons::YesNo) == Answer::Yes &&
             BeginDayEnd(g)) {
    g.Defer([&g] { EndDay(g); });
    return;
  }
  if (wasRunning) g.setTimer(TimerId::Main, true);
}

StrikeRatios DayRatios(const Game& g) {
  const DayStatistics& s = g.tour.stats;
  StrikeRatios r;
  r.bites = s.BassCaught + s.NonBassCaught + s.FishLost + s.StrikesMissed;
  if (r.bites > 0) {
    r.hooked = static_cast<double>(r.bites - s.StrikesMissed) / r.bites * 100;
    r.landed = static_cast<double>(r.bites - s.FishLost - s.StrikesMissed) / r.bites * 100;
  }
  return r;
}

std::string StatsText(const Game& g) {
  const DayStatistics& s = g.tour.stats;
  const StrikeRatios r = DayRatios(g);
  return "Number Of Casts Made : " + std::to_string(s.CastCount) + "\rTotal Number Of Bites : " +
         std::to_string(r.bites) + "\rStrikes Missed : " + std::to_string(s.StrikesMissed) +
         "\rBass Caught : " + std::to_string(s.BassCaught) + "\rBass Culled : " + std::to_string(s.BassCulled) +
         "\rShort Fish Caught : " + std::to_string(s.ShortFishCaught) +
         "\rNon-Bass Species Caught : " + std::to_string(s.NonBassCaught) + "\rFish Lost : " +
         std::to_string(s.FishLost) + "\r\rStrike/Hooked Ratio : " + Percent(r.hooked) +
         "\rStrike/Landed Ratio : " + Percent(r.landed);
}

void SeeStatsBtnClick(Game& g) {
  g.Message(BoxKind::Plain, StatsText(g));
}

void ViewBtnClick(Game& g) {
  ShowStandings(g);
}

void ShowWeighIn(Game& g) {
  WeighMeFormShow(g);
  g.port.showModal(WindowId::WeighMe);
}

}  // namespace lwk
