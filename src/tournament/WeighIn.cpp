#include "tournament/WeighIn.h"

#include <algorithm>

#include "lake/LakeState.h"
#include "shell/Game.h"
#include "tournament/Clock.h"
#include "tournament/Livewell.h"
#include "tournament/Records.h"
#include "tournament/RecordsFile.h"
#include "tournament/Standings.h"

namespace lwk {

namespace {

constexpr int kLastDay = kTournamentDays - 1;

std::string Percent(double v) {
  return Fixed2(v) + "%";
}

constexpr const char* kTopTen =
    "CONGRATULATIONS!!\r\rYour total tournament weight is one of the TOP TEN\r\rever recorded. Adding it to the "
    "All-Time records!";

// The weigh-in window's name of a bass; empty for anything else.
std::string WeighInSpecies(std::uint8_t species) {
  return species <= 2 ? LiveWellSpeciesName(species) : std::string();
}

// A fish of the livewell dies: the place drawn among the fish aboard.
void KillOne(Game& g) {
  const int place = g.Random(g.tour.LiveWellCount);
  if (place >= 0 && place < kLiveWellPlaces) g.tour.LiveWell[static_cast<size_t>(place)].Alive = false;
}

// Fish kept too long without enough air: with the aerator on for under a
// quarter of the time two may die, under a half one.
void JudgeDeadFish(Game& g) {
  TournamentState& t = g.tour;
  const double ratio = t.LiveWellTicks < 1 ? 0 : static_cast<double>(t.AeratorTicks) / t.LiveWellTicks;
  if (t.LiveWellCount < 1 || t.LiveWellTicks <= kLiveWellTicksBeforeDeath) return;
  if (ratio < 0.25 && g.Random(2) == 0) {
    KillOne(g);
    KillOne(g);
  } else if (ratio < 0.5 && g.Random(2) == 0) {
    KillOne(g);
  }
}

// The last day: a three-day total above the tenth of the all-time totals
// takes its place. A tenth record whose weight is not a number is not beaten.
void CheckStringerRecord(Game& g, double total) {
  TournamentState& t = g.tour;
  BigStringerRecord& tenth = t.records.BigStringerRecords[kRecordsKept - 1];
  const std::optional<double> beat = WeightValue(tenth.Weight);
  if (!beat || !(total > *beat)) return;
  g.Message(BoxKind::Plain, kTopTen);
  tenth.Angler = CutName(t.AnglerName, kAnglerNameMax);
  tenth.Skill = CutName(LevelName(g.prefs.PlayLevel), 14);
  tenth.Weight = CutName(t.weighIn.totPanel, 6);
  tenth.Lake = CutName(g.lake.LakeName, 30);
  tenth.Date = RecordDate(g);
  SortBigStringerRecords(t.records.BigStringerRecords);
  SaveBigStringerRecords(g);
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
  return "Number Of Casts Made : " + std::to_string(s.CastCount) +
         "\rTotal Number Of Bites : " + std::to_string(r.bites) +
         "\rStrikes Missed : " + std::to_string(s.StrikesMissed) + "\rBass Caught : " + std::to_string(s.BassCaught) +
         "\rBass Culled : " + std::to_string(s.BassCulled) +
         "\rShort Fish Caught : " + std::to_string(s.ShortFishCaught) +
         "\rNon-Bass Species Caught : " + std::to_string(s.NonBassCaught) +
         "\rFish Lost : " + std::to_string(s.FishLost) + "\r\rStrike/Hooked Ratio : " + Percent(r.hooked) +
         "\rStrike/Landed Ratio : " + Percent(r.landed);
}

void SeeStatsBtnClick(Game& g) {
  g.Message(BoxKind::Plain, StatsText(g));
}

void ViewBtnClick(Game& g) {
  ShowStandings(g);
}

void WeighMeFormShow(Game& g) {
  TournamentState& t = g.tour;
  WeighInView& v = t.weighIn;
  const int day = std::clamp(t.TournamentDay, 0, kLastDay);
  const size_t d = static_cast<size_t>(day);
  const std::string level = LevelName(g.prefs.PlayLevel);
  // 1. Caption and day.
  v.caption = "Day " + std::to_string(t.TournamentDay + 1) + " Weigh-In Results";
  v.panel2 = t.TournamentDay >= 2 ? "Final    " + level : "Day " + std::to_string(t.TournamentDay + 1) + "   " + level;
  v.dayPanel = {};
  // 2. Fish that died in the livewell.
  JudgeDeadFish(g);
  // 3. and 4. The fish, the total and the penalty.
  double total = 0;
  double penalty = 0;
  for (size_t i = 0; i < kLiveWellPlaces; ++i) {
    const LiveWellSlot& f = t.LiveWell[i];
    v.fishType[i] = WeighInSpecies(f.Species);
    v.fishWeight[i] = Fixed2(f.Weight) + (!f.Alive && f.Weight > 0 ? " (DEAD)" : "");
    total += f.Weight;
    if (!f.Alive) penalty += kDeadFishPenalty * f.Weight;
  }
  const double net = total - penalty;
  v.penalties = Fixed2(penalty);
  v.totalWgt = Fixed2(total) + " Lbs.";
  v.finalWgt = Fixed2(net) + " Lbs.";
  // 5. and 6. The player's row, then the field's day and the lunker.
  t.TournamentField[kPlayerRow].DayWeight[d] = net;
  t.TournamentField[kPlayerRow].Name = t.AnglerName;
  GenerateFieldWeights(g, day, t.LiveWell[0].Weight);
  // 7. The day panels.
  t.PlayerDayWeight[d] = net;
  for (size_t i = 0; i <= d; ++i) v.dayPanel[i] = Fixed2(t.PlayerDayWeight[i]);
  if (day == kLastDay) t.TournamentOver = true;
  const double sum = t.PlayerDayWeight[0] + t.PlayerDayWeight[1] + t.PlayerDayWeight[2];
  v.totPanel = Fixed2(sum);
  // 8. The lunker line.
  const LunkerEntry& l = t.DayLunker[d];
  v.lunkerPanel = "The $1000 daily lunker award was won by " + l.Name + " with a " + Fixed2(l.Weight) + " lb. fish.";
  // 9. The three-day record.
  if (day == kLastDay) CheckStringerRecord(g, sum);
}

void WeighInPrintBtnClick(Game& g) {
  const TournamentState& t = g.tour;
  g.port.setBusyCursor(true);
  auto canvas = g.port.beginPrint("Lurewick Weigh In Sheet");
  if (!canvas) {
    g.port.setBusyCursor(false);
    return;
  }
  constexpr int x = 100;
  constexpr int wx = 500;
  const std::string dash(47, '-');
  int y = 200;
  canvas->setFont("Ariel", 16, true);
  canvas->textOut(x, y,
                  t.TournamentDay >= 2 && t.TournamentOver
                      ? "Lurewick Tournament Weigh In Sheet - Final Day "
                      : "Lurewick Tournament Weigh In Sheet - Day " + std::to_string(t.TournamentDay + 1));
  canvas->setFont("Ariel", 12, false);
  canvas->textOut(x, y += 150, "Body Of Water: " + g.lake.LakeName + "     Date: " + RecordDate(g));
  canvas->textOut(x, y += 50, "Angler: " + t.AnglerName);
  canvas->textOut(x, y += 50, "Skill Level: " + LevelName(g.prefs.PlayLevel));
  canvas->textOut(x, y += 100, "Livewell Contents: ");
  canvas->textOut(x, y += 40, dash);
  y += 40;
  double sum = 0;
  for (const LiveWellSlot& f : t.LiveWell) {
    if (f.Species > 2) continue;
    canvas->textOut(x, y, LiveWellSpeciesName(f.Species));
    canvas->textOut(wx, y, Fixed2(f.Weight) + (f.Alive ? " lbs." : " lbs.  [DEAD]"));
    sum += f.Weight;
    y += 50;
  }
  canvas->textOut(x, y += 50, "TOTAL.....");
  canvas->textOut(wx, y, Fixed2(sum) + " lbs.");
  canvas->textOut(x, y += 50, dash);
  canvas->textOut(x, y += 100, "Statistics:");
  canvas->textOut(x, y += 40, std::string(11, '-'));
  const DayStatistics& s = t.stats;
  const StrikeRatios r = DayRatios(g);
  const std::pair<const char*, std::string> lines[] = {
      {"Casts Made: ", std::to_string(s.CastCount)},
      {"Bass Caught: ", std::to_string(s.BassCaught)},
      {"Fish Culled: ", std::to_string(s.BassCulled)},
      {"Short Fish Caught: ", std::to_string(s.ShortFishCaught)},
      {"Non-Bass Species Caught: ", std::to_string(s.NonBassCaught)},
      {"Fish Lost: ", std::to_string(s.FishLost)},
      {"Strikes Missed: ", std::to_string(s.StrikesMissed)},
      {"Strike/Hooked Ratio: ", Percent(r.hooked)},
      {"Strike/Landed Ratio: ", Percent(r.landed)},
      {"Citations Received: ", std::to_string(g.boat.CitationCount)},
      {"Total Expenses: $", Fixed2(g.boat.DayExpenses)},
  };
  for (const auto& [label, value] : lines) canvas->textOut(x, y += 50, label + value);
  canvas->textOut(x, y += 50, dash);
  canvas->textOut(x, y += 100, "Lunker:");
  const LunkerEntry& l = t.DayLunker[static_cast<size_t>(std::clamp(t.TournamentDay, 0, kLastDay))];
  canvas->textOut(x, y += 50, "The $1000 daily lunker award was won by " + l.Name);
  canvas->textOut(x, y += 50, "with a " + Fixed2(l.Weight) + " lb. fish.");
  canvas->endDoc();
  g.port.setBusyCursor(false);
}

void ZeroLiveWellWeights(Game& g) {
  for (LiveWellSlot& f : g.tour.LiveWell) f.Weight = 0;
  g.tour.LiveWellTotal = 0;
}

void ReleaseLiveWell(Game& g) {
  for (LiveWellSlot& f : g.tour.LiveWell) f = LiveWellSlot{};
  g.tour.LiveWellCount = 0;
  g.tour.LiveWellTotal = 0;
}

void ShowWeighIn(Game& g) {
  WeighMeFormShow(g);
  g.port.showModal(WindowId::WeighMe);
}

}  // namespace lwk
