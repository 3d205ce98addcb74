// The day's clock: the display, the countdown, the hour warning, the
// time-out and the end of a day.

#include "tournament/TournamentFixture.h"
#include "tournament/WeighIn.h"

namespace lwk {
namespace {

using Clock = TournamentLake;

constexpr const char* kWarning = "WARNING: Less than 1 Hour remains in this day of the tournament.";

TEST(ClockDisplay, ShowsHoursMinutesAndSecondsInTwoDigits) {
  const struct {
    int seconds;
    const char* shown;
  } cases[] = {{28800, "08:00:00"}, {28799, "07:59:59"}, {3600, "01:00:00"},
               {60, "00:01:00"},    {0, "00:00:00"},     {-5, "00:00:00"}};
  for (const auto& c : cases) EXPECT_EQ(ClockText(c.seconds), c.shown) << c.seconds;
}

TEST_F(Clock, CountsDownOnlyOnceTheDayHasStarted) {
  UpdateClock(g);
  EXPECT_EQ(g.view.status[1], "08:00:00");
  seconds(5);  // no move, no cast: the clock stands
  EXPECT_EQ(g.view.status[1], "08:00:00");
  g.tour.ClockRunning = true;
  port.tick(TimerId::Main, 10);
  EXPECT_EQ(g.view.status[1], "07:59:59");
}

TEST_F(Clock, WarnsOnceAtAnHourAndTimesOutAtZero) {
  g.tour.ClockRunning = true;
  g.tour.DayTimeLeft = 3602;
  seconds(1);
  EXPECT_TRUE(port.topNotes.empty());
  seconds(1);  // 3600: the warning
  seconds(5);
  ASSERT_EQ(port.topNotes.size(), 1u);
  EXPECT_EQ(port.topNotes[0].second, kWarning);
  EXPECT_EQ(port.sounds.back().name, "BNECK1.WAV");
  EXPECT_TRUE(g.timerEnabled(TimerId::Main));
  // Time-out: the weigh-in of a day that counts zero, then the next day.
  g.tour.DayTimeLeft = 1;
  seconds(3);
  ASSERT_EQ(port.topNotes.size(), 2u);
  EXPECT_EQ(port.topNotes[1].second.rfind("This day of the tournament has ended.", 0), 0u);
  EXPECT_EQ(modalsOf(WindowId::WeighMe), 1);
  EXPECT_EQ(g.tour.TournamentDay, 1);
  EXPECT_EQ(g.view.status[1], "08:00:00");
  EXPECT_TRUE(g.timerEnabled(TimerId::Main));
  EXPECT_TRUE(port.neverInterruptedWithTimer());
}

TEST_F(Clock, OneLargeChargeGivesTheWarningThenTheTimeOutAndEndsTheDayOnce) {
  g.tour.ClockRunning = true;
  g.tour.DayTimeLeft = 20000;
  ChargeTime(g, 25000);
  EXPECT_EQ(g.tour.DayTimeLeft, 0);
  // MainTimer held stopped while the day ends, whatever window comes and goes.
  port.onModal = [&](WindowId) {
    EXPECT_TRUE(g.tour.DayEnding);
    g.FormActivate();
    EXPECT_FALSE(g.timerEnabled(TimerId::Main));
    return ModalResult::Ok;
  };
  seconds(1);
  ASSERT_EQ(port.topNotes.size(), 2u);
  EXPECT_EQ(port.topNotes[0].second, kWarning);
  EXPECT_EQ(modalsOf(WindowId::WeighMe), 1);
  EXPECT_EQ(g.tour.PlayerDayWeight[0], 0);
  EXPECT_EQ(g.tour.TournamentDay, 1);
  EXPECT_TRUE(port.neverInterruptedWithTimer());
}

TEST_F(Clock, PracticeShowsNoClockAndNeverEndsTheDay) {
  g.prefs.PlayLevel = Practice;
  g.view.status[1].clear();
  g.tour.ClockRunning = true;
  g.tour.DayTimeLeft = 3;
  seconds(10);
  EXPECT_EQ(g.tour.DayTimeLeft, 0);
  EXPECT_EQ(g.view.status[1], "");
  EXPECT_TRUE(port.topNotes.empty());
  EXPECT_TRUE(port.modalShown.empty());
  EXPECT_EQ(g.tour.TournamentDay, 0);
}

TEST_F(Clock, TheNextDayStartsFreshBesideTheFlagWithItsControlsOn) {
  g.tour.ClockRunning = true;
  g.boat.CitationCount = 2;
  g.boat.NoWakeCitations = 3;
  g.boat.LifeJacketWarned = true;
  g.tour.stats.CastCount = 9;
  g.view.enable(Ctl::OutBtn, false);  // the main battery was weak
  g.tour.HourWarningGiven = true;
  EndDay(g);
  EXPECT_EQ(g.tour.TournamentDay, 1);
  EXPECT_EQ(g.tour.DayTimeLeft, kDaySeconds);
  EXPECT_FALSE(g.tour.ClockRunning);
  EXPECT_FALSE(g.tour.HourWarningGiven);
  EXPECT_EQ(g.boat.CitationCount, 0);
  EXPECT_EQ(g.boat.NoWakeCitations, 0);
  EXPECT_FALSE(g.boat.LifeJacketWarned);
  EXPECT_EQ(g.tour.stats.CastCount, 0);
  EXPECT_TRUE(g.view.isEnabled(Ctl::OutBtn));
  EXPECT_EQ(g.view.caption, "Lurewick Professional - Test Pond - Mode: Novice  DAY 2");
  EXPECT_TRUE(NearTile(g, kWeighInRange, kWeighInFlagTile));
  EXPECT_EQ(g.lake.TodayWeather, g.lake.WeatherForecast[1]);
  EXPECT_TRUE(g.view.lakeVisible);
  EXPECT_FALSE(g.LakeLoading);
  EXPECT_FALSE(g.tour.DayEnding);
  EXPECT_TRUE(g.timerEnabled(TimerId::Main));
}

TEST_F(Clock, NoDayEndsAfterTheThirdAndPlayingAgainWithoutALakeLeavesNoGame) {
  g.tour.TournamentDay = 2;
  port.answers.push_back(Answer::Yes);  // play again, then cancel the lake dialog
  EndDay(g);
  EXPECT_TRUE(port.showed("The tournament is over.\r\rWould you like to play again?"));
  EXPECT_FALSE(g.timerEnabled(TimerId::Main));
  EXPECT_FALSE(g.view.lakeVisible);
  EXPECT_FALSE(g.view.isEnabled(Ctl::OutBtn));
  EXPECT_FALSE(g.view.isEnabled(Ctl::WeighInBtn));
  EXPECT_EQ(g.tour.TournamentDay, 0);
  EXPECT_FALSE(port.quitRequested);
  // Nothing can end a day or weigh in on a tournament that is over.
  g.tour.TournamentDay = 3;
  const size_t modals = port.modalShown.size();
  EndDay(g);
  WeighInBtnClick(g);
  g.tour.DayTimeLeft = 0;
  UpdateClock(g);
  port.runPosted();
  EXPECT_EQ(port.modalShown.size(), modals);
}

TEST_F(Clock, AWeighInWhileACastWaitsEndsTheCastFirst) {
  g.setTimer(TimerId::Plop, true);
  setTile(kFlagCol + 1, kFlagRow, 0);
  placeBoat(kFlagCol + 1, kFlagRow, 0);
  bool clicked = false;
  port.duringWait = [&] {
    if (clicked) return;
    clicked = true;
    WeighInBtnClick(g);
    EXPECT_TRUE(port.modalShown.empty());  // not inside the waiting cast
  };
  const bool completed = g.WaitUntil([] { return false; });
  EXPECT_FALSE(completed);
  port.duringWait = nullptr;
  port.runPosted();
  EXPECT_EQ(modalsOf(WindowId::WeighMe), 1);
  EXPECT_EQ(g.tour.TournamentDay, 1);
}

}  // namespace
}  // namespace lwk
