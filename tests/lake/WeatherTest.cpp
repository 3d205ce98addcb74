#include <gtest/gtest.h>

#include "lake/Weather.h"
#include "shell/Game.h"
#include "shell/Random.h"
#include "support/TestPort.h"

namespace lwk {
namespace {

TEST(Weather, TheDrawsComeInTheirFixedOrder) {
  Random rng;
  rng.script({50, 0,  8, 3, 1, 29, 7, 2,  // day 1: air 90, water 90 + 8 -> 80 + 3, cloudy, 30 mph, NW, muddy
              1,  10, 0, 5, 3, 0,  4,     // day 2: air 90 - 10, water 83 + 5 -> 80, rain, 1 mph, S
              0,  10, 1, 5, 0, 15, 0});   // day 3: air 80 + 10, water 80 - 5, sunny, 16 mph, N
  const Forecast f = RollForecast(rng);
  EXPECT_TRUE(rng.scriptEmpty());
  EXPECT_EQ(f[0], (WeatherRecord{90, 83, Cloudy, 30, 7, Muddy}));
  EXPECT_EQ(f[1], (WeatherRecord{80, 80, Rain, 1, 4, Muddy}));
  EXPECT_EQ(f[2], (WeatherRecord{90, 75, Sunny, 16, 0, Muddy}));
}

TEST(Weather, TemperaturesStayWithinTheirLimits) {
  {
    Random rng;
    rng.script({0, 1,  8, 2, 0, 0, 0, 0,  // day 1: air 40, water 40 - 8 -> 40 + 2
                0, 10, 1, 5, 0, 0, 0,     // day 2: air 50, water 42 - 5 -> 40
                1, 10, 1, 0, 0, 0, 0});   // day 3: air 40
    const Forecast f = RollForecast(rng);
    EXPECT_EQ(f[0].AirTemp, 40);
    EXPECT_EQ(f[0].WaterTemp, 42);
    EXPECT_EQ(f[1].WaterTemp, 40);
    EXPECT_EQ(f[2].AirTemp, 40);
  }
  {
    Random rng;
    rng.script({48, 0, 8, 0, 0, 0, 0, 0, 0, 10, 0, 5, 0, 0, 0});  // day 1 air 88; day 2 88 + 10
    const Forecast f = RollForecast(rng);
    EXPECT_EQ(f[1].AirTemp, 90);
    EXPECT_EQ(f[1].WaterTemp, 80);  // day 1 water 80, + 5 is cut to 80
  }
  Random rng(11);
  for (int i = 0; i < 500; ++i) {
    const Forecast f = RollForecast(rng);
    for (const WeatherRecord& w : f) {
      EXPECT_TRUE(w.AirTemp >= 40 && w.AirTemp <= 90);
      EXPECT_TRUE(w.WaterTemp >= 40 && w.WaterTemp <= 83);
      EXPECT_TRUE(w.WindSpeed >= 1 && w.WindSpeed <= 30);
      EXPECT_EQ(w.WaterClarity, f[0].WaterClarity);
    }
    EXPECT_LE(f[1].WaterTemp, 80);
    EXPECT_LE(f[2].WaterTemp, 80);
  }
}

TEST(Weather, TheMessageTellsTheDaysConditions) {
  TestPort port;
  Game game(port);
  game.tour.TournamentDay = 1;
  game.lake.TodayWeather = WeatherRecord{72, 68, PartlyCloudy, 12, 5, Stained};
  port.game = &game;
  game.setTimer(TimerId::Main, true);
  ViewWeatherWaterConditions1Click(game);
  EXPECT_TRUE(port.neverInterruptedWithTimer());
  EXPECT_TRUE(game.timerEnabled(TimerId::Main));
  EXPECT_EQ(port.texts().back(),
            "Weather Forecast and Water Conditions for Day 2:\r\rPartly Cloudy\rAir Temperature : 72 degrees\rWind "
            "Speed : 12 mph.\rWind is from the South West\r\rWater Temperature : 68 degrees\rWater Clarity : "
            "Stained");
  EXPECT_FALSE(game.DialogUp);
}

}  // namespace
}  // namespace lwk
