#include "boat/BoatFixture.h"
#include "boat/DepthFinder.h"
#include "boat/Gps.h"
#include "boat/Motors.h"
#include "support/GermanLocale.h"

namespace lwk {
namespace {

using Motors = BoatLake;

TEST_F(Motors, RefuellingIsPricedFromTheFuelGaugeAtAnOrthogonalPump) {
  g.lake.GasPumps[1] = {15, 12};
  const struct {
    int col, row, gauge;
    const char* amount;  // empty: not close enough
    double expenses;
  } cases[] = {
      {14, 12, 37, "31.00", 81}, {15, 11, 100, "0.00", 50}, {16, 12, 0, "50.00", 100},
      {14, 11, 37, "", 50},      {15, 12, 37, "", 50},
  };
  for (const auto& c : cases) {
    g.boat.DayExpenses = 50;
    g.boat.FuelLevel = c.gauge;
    g.view.fuelGauge = c.gauge;
    placeBoat(c.col, c.row, 0);
    g.setTimer(TimerId::Main, true);
    port.boxes.clear();
    GasUpBtnClick(g);
    ASSERT_EQ(port.boxes.size(), 1u);
    EXPECT_TRUE(g.timerEnabled(TimerId::Main));
    if (*c.amount) {
      EXPECT_FALSE(port.boxes[0].mainTimerRunning);
      EXPECT_EQ(port.boxes[0].text, std::string("\"Old Sarge\", the marina owner, inserts the\rgas nozzle into your "
                                                "boat, and fills the tank.\r\rYou hand him $") +
                                        c.amount + " and you're ready to go.");
      EXPECT_EQ(g.boat.FuelLevel, 100);
    } else {
      EXPECT_EQ(port.boxes[0].text, "You are not close enough to the\rgas pumps for the hose to reach your boat.");
      EXPECT_EQ(g.boat.FuelLevel, c.gauge);
    }
    EXPECT_DOUBLE_EQ(g.boat.DayExpenses, c.expenses);
    EXPECT_FALSE(g.DialogUp);
  }
}

TEST_F(Motors, TheRefuellingPriceKeepsItsPointUnderAGermanLocale) {
  GermanLocale german;
  if (!german.active()) GTEST_SKIP() << GermanLocale::kSkipReason;
  g.lake.GasPumps[0] = {15, 12};
  g.view.fuelGauge = 37;
  placeBoat(14, 12, 0);
  GasUpBtnClick(g);
  ASSERT_EQ(port.boxes.size(), 1u);
  EXPECT_NE(port.boxes[0].text.find("You hand him $31.00 and"), std::string::npos) << port.boxes[0].text;
}

TEST_F(Motors, TheThrottleRampTopsOutAtTheLimitOrAtSixInReverse) {
  placeBoat(14, 12, 0);
  OutBtnClick(g);
  g.view.gearPos = 2;
  key('W');
  port.tick(TimerId::KeyDown, 30);
  EXPECT_EQ(g.boat.ThrottleSetting, 6);
  keyUp('W');

  // A limit set with the slider: the boat idles until a key is held.
  g.view.gearPos = 0;
  g.view.throttlePos = 12;
  ThrottleChange(g);
  EXPECT_EQ(g.boat.ThrottleSetting, 1);
  EXPECT_EQ(g.boat.ThrottleLimit, 8);
  EXPECT_EQ(g.view.status[2], "Throttle limit has been set...");
  key('W');
  port.tick(TimerId::KeyDown, 30);
  EXPECT_EQ(g.boat.ThrottleSetting, 8);
  EXPECT_EQ(g.view.throttlePos, 12);
  keyUp('W');
  EXPECT_EQ(g.boat.ThrottleLimit, 20);
  EXPECT_EQ(g.boat.ThrottleSetting, 1);
  EXPECT_EQ(g.view.status[2], "");

  // The slider at Off stops the outboard; it does not leave it idling.
  g.view.throttlePos = 20;
  ThrottleChange(g);
  EXPECT_FALSE(g.boat.OutboardOn);
  EXPECT_EQ(g.boat.ThrottleSetting, 0);
}

TEST_F(Motors, AFullTankLastsAbout1250StepsAtFullThrottle) {
  g.setTimer(TimerId::Main, true);
  g.boat.OutboardOn = true;
  g.boat.ThrottleSetting = 20;
  int steps = 0;
  while (g.boat.FuelLevel > 0 && steps < 2000) {
    UseEnergy(g);
    ++steps;
  }
  EXPECT_NEAR(steps, 1250, 1);
  EXPECT_EQ(boxesWith("You're out of gas!\r\rMaybe there is a marina nearby\rwhere you can refuel."), 1);
  EXPECT_TRUE(g.boat.OutboardOn);  // still selected; further steps are refused

  g.boat.OutboardOn = false;
  g.boat.TrollingOn = true;
  g.boat.TrollSpeed = 3;
  g.boat.TrollBatteryCharge = 0.02;
  UseEnergy(g);
  EXPECT_NEAR(g.boat.TrollBatteryCharge, 0.004, 1e-9);
  UseEnergy(g);
  EXPECT_EQ(g.boat.TrollBatteryCharge, 0);
  EXPECT_TRUE(port.showed(
      "Your trolling motor battery is\rdead. You will need to use the\routboard motor or the paddle to move\rthe "
      "boat."));
  EXPECT_TRUE(port.neverInterruptedWithTimer());
}

TEST_F(Motors, TheOutboardWillNotStartOnAWeakBatteryOrAnEmptyTank) {
  g.prefs.BackgroundSoundsOn = true;
  g.setTimer(TimerId::Main, true);  // in play: both refusals stop the clock while they are open
  g.boat.MainBatteryCharge = 34.9;
  OutBtnClick(g);
  EXPECT_FALSE(g.boat.OutboardOn);
  EXPECT_TRUE(port.showed("Your Main Battery is too weak to\rstart the outboard."));

  g.boat.MainBatteryCharge = 80;
  g.boat.FuelLevel = 0;
  g.Random.script({1});
  OutBtnClick(g);
  EXPECT_FALSE(g.boat.OutboardOn);
  EXPECT_EQ(port.boxes.back().text, "The outboard motor won't start.\rYou are out of gas!");
  EXPECT_EQ(port.sounds.back().name, "NoStart2.wav");
  EXPECT_TRUE(port.neverInterruptedWithTimer());
  EXPECT_TRUE(g.timerEnabled(TimerId::Main));

  g.boat.FuelLevel = 50;
  OutBtnClick(g);
  EXPECT_TRUE(g.boat.OutboardOn);
  EXPECT_EQ(g.boat.ThrottleSetting, 1);
  EXPECT_EQ(g.view.throttlePos, 19);
  EXPECT_FALSE(g.view.isEnabled(Ctl::TmtrSpd));
  EXPECT_EQ(port.sounds.back().name, "Start1f.wav");
}

TEST_F(Motors, ChoosingOnePropulsionPutsTheOthersAway) {
  OutBtnClick(g);
  g.view.gearPos = 0;
  g.view.tmtrSpd = 2;
  TrollBtnClick(g);
  EXPECT_TRUE(g.boat.TrollingOn);
  EXPECT_FALSE(g.boat.OutboardOn);
  EXPECT_EQ(g.boat.TrollSpeed, 2);
  EXPECT_EQ(g.view.gearPos, 1);
  EXPECT_EQ(g.view.throttlePos, 20);
  EXPECT_TRUE(g.view.trollGlyphOn);
  EXPECT_FALSE(g.view.outGlyphOn);
  PaddLeBtnClick(g);
  EXPECT_TRUE(g.boat.PaddleOn);
  EXPECT_FALSE(g.boat.TrollingOn);
  EXPECT_TRUE(g.view.paddleGlyphOn);
  EXPECT_FALSE(g.view.trollGlyphOn);
  EXPECT_EQ(g.boat.TrollSpeed, 0);
}

TEST_F(Motors, TheTachReadsAroundTwoHundredEightyRpmPerThrottleStep) {
  g.boat.OutboardOn = true;
  g.boat.ThrottleSetting = 3;
  const struct {
    std::initializer_list<int> draws;
    const char* rpm;
  } cases[] = {{{0, 1}, "843"}, {{4, 0, 1}, "837"}, {{4, 4}, "840"}};
  for (const auto& c : cases) {
    g.Random.script(c.draws);
    RefreshTach(g);
    EXPECT_EQ(g.view.tach, c.rpm);
  }
  g.boat.OutboardOn = false;
  RefreshTach(g);
  EXPECT_EQ(g.view.tach, "0");
}

TEST_F(Motors, TheLifeJacketCostsHalfAMinuteOnceTheClockRuns) {
  g.boat.LifeJacketOn = false;
  LJButtClick(g);
  EXPECT_TRUE(g.boat.LifeJacketOn);
  EXPECT_TRUE(g.view.lifeJacketGlyphOn);
  EXPECT_EQ(g.tour.DayTimeLeft, kDaySeconds);
  g.tour.ClockRunning = true;
  g.tour.DayTimeLeft = 20;
  LJButtClick(g);
  EXPECT_FALSE(g.boat.LifeJacketOn);
  EXPECT_EQ(g.tour.DayTimeLeft, 0);
}

TEST_F(Motors, ADayStartsWithAFullBoatAndEveryInstrumentOff) {
  OutBtnClick(g);
  g.boat.FuelLevel = 3;
  g.boat.DayExpenses = 900;
  g.boat.BoatStuck = true;
  g.boat.MainBatteryDead = true;
  GPSpwrClick(g);
  GpsTrailMark(g);
  GraphOnClick(g);
  ResetBoatDay(g);
  EXPECT_FALSE(g.boat.OutboardOn || g.boat.TrollingOn || g.boat.PaddleOn || g.boat.GpsOn || g.boat.DepthFinderOn);
  EXPECT_EQ(g.boat.ThrottleSetting, 0);
  EXPECT_EQ(g.boat.ThrottleLimit, 20);
  EXPECT_EQ(g.boat.FuelLevel, 100);
  EXPECT_EQ(g.view.fuelGauge, 100);
  EXPECT_EQ(g.boat.DayExpenses, 50);
  EXPECT_FALSE(g.boat.BoatStuck || g.boat.MainBatteryDead);
  EXPECT_FALSE(g.view.isEnabled(Ctl::PlotGPS));
  EXPECT_EQ(g.view.throttlePos, 20);
  EXPECT_EQ(g.view.gearPos, 1);
  for (const auto& col : g.boat.gps.GpsTrail)
    for (auto v : col) EXPECT_EQ(v, 0);
  EXPECT_EQ(g.view.graphScreen.pixel(10, 10), kBlack);
}

}  // namespace
}  // namespace lwk
