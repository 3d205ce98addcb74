#include "boat/BoatingRules.h"

#include <algorithm>

#include "lake/LakeState.h"
#include "shell/Game.h"
#include "tournament/Clock.h"
#include "tournament/WeighIn.h"

namespace lwk {

namespace {

constexpr int kNoWakeChance = 20;
constexpr int kLifeJacketChance = 1000;
constexpr int kNoWakeDisqualifies = 4;

constexpr const char* kNoWakeCitation =
    "You have just received a citation for\rSPEEDING in a No Wake zone.\r\rValuable fishing time is lost, you "
    "receive\ra $50 fine, and you may be disqualified!";
constexpr const char* kLifeJacketCitation =
    "You have just been stopped by a tournament\rofficial and given a citation for running your\routboard motor "
    "without having your LIFE JACKET on.\r\rYou have received a $100 fine, and lost some\rfishing time.\r\rHe "
    "warns you that if you are stopped for this violation\ragain, you will be disqualified from this day of "
    "the\rtournament.";
constexpr const char* kLifeJacketNote =
    "NOTE: You have been stopped for failing\rto wear your life jacket while running your outboard "
    "motor.\r\rIf you had been fishing in a tournament,\ryou would have been disqualified for this violation.";
constexpr const char* kSpeedingNote =
    "NOTE: You have been stopped for speeding in a\rNO WAKE zone.....again!\r\rIf you had been fishing in a "
    "tournament,\ryou would have been disqualified for this violation.";

// The official stops the boat: the throttle ramp ends at idle.
void StopBoat(Game& g) {
  g.setTimer(TimerId::KeyDown, false);
  g.boat.ThrottleSetting = 1;
  g.view.throttlePos = 19;
  g.Changed();
}

// A message of the rules, with MainTimer stopped; time is lost only when the
// whole penalty is still left in the day.
void CitationMessage(Game& g, const char* text, int seconds) {
  g.PlayMessage(BoxKind::Plain, text);
  if (g.tour.DayTimeLeft >= seconds) ChargeTime(g, seconds);
}

}  // namespace

bool Speeding(const Game& g) {
  const BoatState& b = g.boat;
  if (b.ThrottleSetting <= 5) return false;
  const int lastCol = g.lakeView.colCount() - 1;
  const int lastRow = g.lakeView.rowCount() - 1;
  for (int c = std::max(0, b.BowCol - 1); c <= std::min(lastCol, b.BowCol + 1); ++c)
    for (int r = std::max(0, b.BowRow - 1); r <= std::min(lastRow, b.BowRow + 1); ++r)
      if (g.lake.tile(c, r) == kNoWakeBuoyTile) return true;
  return false;
}

void NoWakeCheck(Game& g) {
  BoatState& b = g.boat;
  if (!Speeding(g)) return;
  if (g.Random(kNoWakeChance) != 0) return;
  g.PlayBackgroundSound("MYSIREN.WAV");
  ++b.NoWakeCitations;
  StopBoat(g);
  if (b.NoWakeCitations < kNoWakeDisqualifies) {
    CitationMessage(g, kNoWakeCitation, kNoWakeSeconds);
  } else {
    b.SpeedingDQ = true;
    Disqualify(g, DqReason::Speeding);
  }
  // The citation counts on the day that earned it, also when it disqualified.
  ++b.CitationCount;
  b.DayExpenses += kNoWakeFine;
}

void LifeJacketCheck(Game& g) {
  BoatState& b = g.boat;
  if (b.LifeJacketOn) return;
  if (g.Random(kLifeJacketChance) != 0) return;
  StopBoat(g);
  if (!b.LifeJacketWarned) {
    CitationMessage(g, kLifeJacketCitation, kLifeJacketCitationSeconds);
    b.LifeJacketWarned = true;
  } else {
    Disqualify(g, DqReason::LifeJacket);
  }
  ++b.CitationCount;
  b.DayExpenses += kLifeJacketFine;
}

void Disqualify(Game& g, DqReason reason) {
  if (g.prefs.PlayLevel == Practice) {
    g.PlayMessage(BoxKind::Plain, reason == DqReason::LifeJacket ? kLifeJacketNote : kSpeedingNote);
    return;
  }
  if (!BeginDayEnd(g)) return;
  g.tour.DqCaption = reason == DqReason::LifeJacket ? "Notice Of Disqualification: Failure To Wear Life Jacket"
                                                    : "Notice Of Disqualification: Speeding In No Wake Zone";
  g.port.showModal(WindowId::DQ);
  ReleaseLiveWell(g);
  g.Defer([&g] { EndDay(g); });
}

}  // namespace lwk
