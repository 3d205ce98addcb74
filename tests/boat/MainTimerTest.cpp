#include "boat/BoatFixture.h"
#include "boat/DepthFinder.h"
#include "boat/Gps.h"
#include "boat/Motors.h"

namespace lwk {
namespace {

struct MainTimer : BoatLake {
  void SetUp() override {
    BoatLake::SetUp();
    g.setTimer(TimerId::Main, true);
  }
};

// One game second: ten ticks of the main timer.
void Second(TestPort& port) {
  port.tick(TimerId::Main, 10);
}

TEST_F(MainTimer, TheClockCountsOnlyOnceTheDayHasStarted) {
  g.boat.MainBatteryCharge = 50;
  port.tick(TimerId::Main, 9);
  EXPECT_EQ(g.view.mainGauge, 0);  // nothing yet: the game second ends on the tenth tick
  port.tick(TimerId::Main, 1);
  EXPECT_EQ(g.tour.DayTimeLeft, kDaySeconds);
  EXPECT_EQ(g.view.mainGauge, 50);  // the gauges still update
  g.tour.ClockRunning = true;
  for (int i = 0; i < 3; ++i) Second(port);
  EXPECT_EQ(g.tour.DayTimeLeft, kDaySeconds - 3);
  g.tour.DayTimeLeft = 0;
  Second(port);
  EXPECT_EQ(g.tour.DayTimeLeft, 0);
}

TEST_F(MainTimer, TheOutboardChargesAndTheInstrumentsDrainTheMainBattery) {
  const struct {
    int throttle;
    bool graph, gps, aerator;
    double after;
  } cases[] = {
      {6, false, false, false, 50.05}, {1, false, false, false, 50.02}, {0, false, false, false, 50.0},
      {6, true, true, false, 50.03},   {0, true, true, true, 49.96},
  };
  for (const auto& c : cases) {
    g.boat.MainBatteryCharge = 50;
    g.boat.ThrottleSetting = c.throttle;
    g.boat.DepthFinderOn = c.graph;
    g.boat.GpsOn = c.gps;
    g.tour.AeratorOn = c.aerator;
    Second(port);
    EXPECT_NEAR(g.boat.MainBatteryCharge, c.after, 1e-9) << c.throttle << c.graph << c.gps << c.aerator;
  }
  EXPECT_EQ(g.tour.AeratorTicks, 10);
}

TEST_F(MainTimer, TheMainBatteryStaysWithinItsGaugeAndDiesOnce) {
  g.boat.ThrottleSetting = 6;
  g.boat.MainBatteryCharge = 99.99;
  Second(port);
  EXPECT_EQ(g.boat.MainBatteryCharge, 100);
  EXPECT_EQ(g.view.mainGauge, 100);

  g.boat.ThrottleSetting = 0;
  g.boat.MainBatteryCharge = 34.5;
  Second(port);
  EXPECT_FALSE(g.view.isEnabled(Ctl::OutBtn));

  g.boat.MainBatteryCharge = 0.01;
  GraphOnClick(g);
  GPSpwrClick(g);
  g.tour.AeratorOn = true;
  g.view.aeratorGlyphOn = true;
  g.setTimer(TimerId::Main, true);
  Second(port);
  Second(port);
  const std::string dead =
      "Your Main Battery is dead.\r\rThe livewell aerator, LCD Graph, and\rGPS are unable to function.";
  EXPECT_EQ(boxesWith(dead), 1);
  EXPECT_EQ(g.boat.MainBatteryCharge, 0);
  EXPECT_EQ(g.view.mainGauge, 0);
  EXPECT_TRUE(g.boat.MainBatteryDead);
  EXPECT_FALSE(g.boat.DepthFinderOn || g.boat.GpsOn || g.tour.AeratorOn || g.view.aeratorGlyphOn);
  EXPECT_FALSE(g.view.isEnabled(Ctl::SetWpt));
  EXPECT_EQ(g.view.gpsScreen.pixel(5, 5), kBlack);
  EXPECT_TRUE(g.timerEnabled(TimerId::Main));
  // Neither instrument comes back on a dead battery.
  GraphOnClick(g);
  GPSpwrClick(g);
  EXPECT_FALSE(g.boat.DepthFinderOn || g.boat.GpsOn);
  EXPECT_TRUE(port.showed("Your Main Battery is dead.\rThe LCD Graph will not work."));
  EXPECT_TRUE(port.showed("Your Main Battery is dead.\rThe GPS will not work."));
  EXPECT_TRUE(port.neverInterruptedWithTimer());
}

TEST_F(MainTimer, GaugesShowRoundedEnergyAndTheTachRunsEveryTick) {
  g.boat.FuelLevel = 36.6;
  g.boat.TrollBatteryCharge = 12.4;
  Second(port);
  EXPECT_EQ(g.view.fuelGauge, 37);
  EXPECT_EQ(g.view.trollGauge, 12);
  g.boat.OutboardOn = true;
  g.boat.ThrottleSetting = 2;
  // Per tick with the outboard on: the tach's draws, then the ambient sound's.
  g.Random.script({5, 5, 1});
  port.tick(TimerId::Main, 1);
  EXPECT_EQ(g.view.tach, "560");
}

TEST_F(MainTimer, TheAmbientCallIsRareAndNeedsFishingSounds) {
  g.prefs.FishingSoundsOn = true;
  g.Random.script({0});
  port.tick(TimerId::Main, 1);
  ASSERT_EQ(port.sounds.size(), 1u);
  EXPECT_EQ(port.sounds[0].name, "George2.wav");
  g.prefs.FishingSoundsOn = false;
  g.Random.script({0});
  port.tick(TimerId::Main, 1);
  EXPECT_EQ(port.sounds.size(), 1u);
}

}  // namespace
}  // namespace lwk
