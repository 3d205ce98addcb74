#include "lake/Weather.h"

#include <algorithm>

#include "shell/Game.h"
#include "shell/Random.h"

namespace lwk {

namespace {

// value plus or minus Random(spread): the sign is drawn first.
int PlusOrMinus(Random& random, int value, int spread) {
  const bool add = random(2) == 0;
  const int amount = random(spread);
  return add ? value + amount : value - amount;
}

std::uint8_t Byte(int v) {
  return static_cast<std::uint8_t>(v);
}

WeatherRecord NextDay(Random& random, const WeatherRecord& before, std::uint8_t clarity) {
  WeatherRecord w;
  w.AirTemp = Byte(std::clamp(PlusOrMinus(random, before.AirTemp, 11), 40, 90));
  w.WaterTemp = Byte(std::clamp(PlusOrMinus(random, before.WaterTemp, 6), 40, 80));
  w.Sky = Byte(random(4));
  w.WindSpeed = Byte(1 + random(30));
  w.WindDir = Byte(random(8));
  w.WaterClarity = clarity;
  return w;
}

constexpr const char* kSkyText[] = {"Sunny", "Cloudy", "Partly Cloudy", "Rain"};
constexpr const char* kWindText[] = {"North", "North East", "East", "South East",
                                     "South", "South West", "West", "North West"};
constexpr const char* kClarityText[] = {"Clear", "Stained", "Muddy"};

template <size_t N>
const char* Pick(const char* const (&texts)[N], int i) {
  return i >= 0 && i < static_cast<int>(N) ? texts[i] : "";
}

}  // namespace

Forecast RollForecast(Random& random) {
  Forecast f;
  WeatherRecord& d1 = f[0];
  const int air = 40 + random(51);
  int water = PlusOrMinus(random, air, 9);
  if (water > 80)
    water = 80 + random(4);
  else if (water < 40)
    water = 40 + random(4);
  d1.AirTemp = Byte(air);
  d1.WaterTemp = Byte(water);
  d1.Sky = Byte(random(4));
  d1.WindSpeed = Byte(1 + random(30));
  d1.WindDir = Byte(random(8));
  d1.WaterClarity = Byte(random(3));
  f[1] = NextDay(random, f[0], d1.WaterClarity);
  f[2] = NextDay(random, f[1], d1.WaterClarity);
  return f;
}

std::string WeatherMessage(const WeatherRecord& w, int tournamentDay) {
  std::string s = "Weather Forecast and Water Conditions for Day " + std::to_string(tournamentDay + 1) + ":\r\r";
  s += Pick(kSkyText, w.Sky);
  s += "\rAir Temperature : " + std::to_string(w.AirTemp) + " degrees";
  s += "\rWind Speed : " + std::to_string(w.WindSpeed) + " mph.";
  s += std::string("\rWind is from the ") + Pick(kWindText, w.WindDir);
  s += "\r\rWater Temperature : " + std::to_string(w.WaterTemp) + " degrees";
  s += std::string("\rWater Clarity : ") + Pick(kClarityText, w.WaterClarity);
  return s;
}

void ViewWeatherWaterConditions1Click(Game& g) {
  g.DialogUp = true;
  g.IdleSeconds = 0;
  g.PlayMessage(BoxKind::Plain, WeatherMessage(g.lake.TodayWeather, g.tour.TournamentDay));
  g.DialogUp = false;
}

}  // namespace lwk
