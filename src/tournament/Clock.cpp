#include "tournament/Clock.h"

#include <QPainter>
#include <algorithm>
#include <cstdio>

#include "boat/Gps.h"
#include "boat/Motors.h"
#include "lake/BoatSprite.h"
#include "lake/LakeMap.h"
#include "lake/LakeViewRules.h"
#include "lake/OpenLake.h"
#include "lake/Stocking.h"
#include "shell/Game.h"
#include "tournament/WeighIn.h"

namespace lwk {

namespace {

constexpr const char* kHourWarning = "WARNING: Less than 1 Hour remains in this day of the tournament.";
constexpr const char* kTimedOut =
    "This day of the tournament has ended. You have failed to weigh your fish in on time, so they are released. "
    "Your weight for the day is ZERO! You'd better pay more attention to the TIME REMAINING in the future.";
constexpr const char* kPlayAgain = "The tournament is over.\r\rWould you like to play again?";
constexpr int kLastDay = kTournamentDays - 1;

// Indexes of the banner pictures.
constexpr size_t kBannerOne = 0;
constexpr size_t kBannerDay = 3;

std::string TwoDigits(int v) {
  return (v < 10 ? "0" : "") + std::to_string(v);
}

// The time-out, found by the clock inside the main timer: it ends the day once
// that tick has returned.
void TimeOut(Game& g) {
  g.PlayBackgroundSound("ANDTHEN.WAV");
  g.view.status[1] = "00:00:00";
  g.Changed();
  g.port.repaintStatusBar();
  MessageWindow(g, kTimedOut);
  ZeroLiveWellWeights(g);
  EndDay(g);
}

// After a tournament: no lake, controls off, the title picture, MainTimer off.
void GoToNoLake(Game& g) {
  g.ResetGameState();
  g.EnableGameControls(false);
  g.view.enable(Ctl::ViewWeatherWaterConditions1, false);
  g.view.lakeVisible = false;
  g.LakeLoading = true;
  g.view.status[1].clear();
  g.view.caption = "Lurewick Professional";
  g.Changed();
}

}  // namespace

void ChargeTime(Game& g, int seconds) {
  g.tour.DayTimeLeft = std::max(0, g.tour.DayTimeLeft - seconds);
}

std::string ClockText(int seconds) {
  const int s = std::max(seconds, 0);
  const int h = s / 3600;
  const int m = (s - 3600 * h) / 60;
  return TwoDigits(h) + ":" + TwoDigits(m) + ":" + TwoDigits(s % 60);
}

void ClockSecond(Game& g) {
  if (g.tour.ClockRunning && g.tour.DayTimeLeft > 0) --g.tour.DayTimeLeft;
}

void MessageWindow(Game& g, const std::string& text) {
  const bool wasRunning = g.timerEnabled(TimerId::Main);
  g.setTimer(TimerId::Main, false);
  g.port.showTopNote("", text);
  if (wasRunning && !g.tour.DayEnding) g.setTimer(TimerId::Main, true);
}

void UpdateClock(Game& g) {
  TournamentState& t = g.tour;
  if (g.prefs.PlayLevel == Practice) return;
  g.view.status[1] = ClockText(t.DayTimeLeft);
  g.Changed();
  g.port.repaintStatusBar();
  // A day already ending (or a tournament already over) is not timed out again.
  if (t.DayEnding || t.TournamentDay > kLastDay) return;
  if (t.DayTimeLeft <= kHourWarningSeconds && !t.HourWarningGiven) {
    g.PlayBackgroundSound("BNECK1.WAV");
    t.HourWarningGiven = true;
    g.setTimer(TimerId::Main, false);
    g.port.showTopNote("", kHourWarning);
    g.setTimer(TimerId::Main, true);
  }
  if (t.DayTimeLeft <= 0 && BeginDayEnd(g)) g.Defer([&g] { TimeOut(g); });
}

bool BeginDayEnd(Game& g) {
  if (g.tour.DayEnding || g.tour.TournamentDay > kLastDay) return false;
  g.tour.DayEnding = true;
  g.setTimer(TimerId::Main, false);
  g.setTimer(TimerId::KeyDown, false);
  g.AbortActions();
  return true;
}

void EndDay(Game& g) {
  TournamentState& t = g.tour;
  if (t.TournamentDay > kLastDay) return;
  t.DayEnding = true;
  g.setTimer(TimerId::Main, false);
  ShowWeighIn(g);
  ++t.TournamentDay;
  if (t.TournamentDay <= kLastDay)
    StartNextDay(g);
  else
    EndTournament(g);
}

void StartNextDay(Game& g) {
  // 1. The title picture while the day is made ready.
  g.port.setBusyCursor(true);
  if (g.port.windowVisible(WindowId::LakeMap)) g.port.hideWindow(WindowId::LakeMap);
  g.view.lakeVisible = false;
  g.LakeLoading = true;
  g.Changed();
  // 2. The day reset.
  ResetDay(g);
  // 3. The flag in the middle of the view, the day's fish, the boat beside the flag.
  CentreViewOn(g, g.lake.WeighInCol, g.lake.WeighInRow);
  // 4. The lake view again.
  StockAndShowLake(g);
  DrawBoat(g);
  // 5. The livewell window shows an empty livewell (ResetDay emptied it).
  // 6. The caption with the new day.
  g.view.caption = g.CaptionText();
  // 7. Instruments and controls as at the start of a day.
  g.boat.MainBatteryDead = false;
  g.view.aeratorGlyphOn = false;
  g.view.throttlePos = 20;
  g.view.gearPos = 1;
  g.EnableGameControls(true);
  // 8. The banner, then the full clock.
  DayBanner(g);
  UpdateClock(g);
  // 9. Today's weather.
  g.lake.TodayWeather = g.lake.WeatherForecast[static_cast<size_t>(std::min(g.tour.TournamentDay, kLastDay))];
  // 10. Play.
  g.tour.HourWarningGiven = false;
  g.port.setBusyCursor(false);
  g.tour.DayEnding = false;
  g.Changed();
  g.setTimer(TimerId::Main, true);
}

void DayBanner(Game& g) {
  LakeView& v = g.lakeView;
  QImage& surface = v.surface();
  const int cx = v.visibleColCount() * kTilePixels / 2;
  const int cy = v.visibleRowCount() * kTilePixels / 2;
  const QRect block(cx - 75, cy - 50, 200, 60);
  const QImage saved = surface.copy(block);
  const SpriteSet& banners = g.pictures.dayBanners;
  const size_t day = static_cast<size_t>(std::clamp(g.tour.TournamentDay, 0, kLastDay));
  if (banners.complete(5)) {
    banners.draw(surface, block.x(), block.y(), kBannerDay);
    banners.draw(surface, cx + 45, block.y(), kBannerOne + day);
  }
  g.port.surfaceChanged(block.x(), block.y(), block.width() + 45, block.height());
  g.Changed();
  // The banner's own timer wakes the wait when the two seconds are up.
  const std::int64_t start = g.port.nowMs();
  g.setTimerInterval(TimerId::Banner, kBannerMs);
  g.setTimer(TimerId::Banner, true);
  g.WaitUntil([&g, start] { return g.port.nowMs() - start >= kBannerMs; });
  g.setTimer(TimerId::Banner, false);
  {
    QPainter p(&surface);
    p.drawImage(block.topLeft(), saved);
  }
  g.port.surfaceChanged(block.x(), block.y(), block.width() + 45, block.height());
  g.Changed();
  g.tour.TournamentOver = false;
}

void EndTournament(Game& g) {
  g.port.setBusyCursor(false);
  const Answer a = g.Message(BoxKind::Confirm, kPlayAgain, Buttons::YesNo);
  if (a == Answer::No) {
    // The fish were weighed in: the program ends without asking about them.
    g.FormClose();
    g.port.quitApp();
    return;
  }
  // A new game: the finished tournament is never resumed, whatever is chosen.
  GoToNoLake(g);
  OpenLake(g);
}

}  // namespace lwk
