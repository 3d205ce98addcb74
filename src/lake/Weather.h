#pragma once
// The three-day weather forecast of a tournament and the conditions of the
// day: sky, air and water temperature, wind, water clarity. The fish model
// reads the day's record when it stocks the lake.

#include <array>
#include <cstdint>
#include <string>

namespace lwk {

class Game;
class Random;

enum SkyKind : std::uint8_t { Sunny = 0, Cloudy = 1, PartlyCloudy = 2, Rain = 3 };
enum ClarityKind : std::uint8_t { Clear = 0, Stained = 1, Muddy = 2 };

// One day's weather, one byte per field in this order (as saved games keep it).
struct WeatherRecord {
  std::uint8_t AirTemp = 70;    // 40 ... 90 degrees
  std::uint8_t WaterTemp = 65;  // 40 ... 83 degrees
  std::uint8_t Sky = Sunny;     // 0 ... 3
  std::uint8_t WindSpeed = 5;   // 1 ... 30 mph
  std::uint8_t WindDir = 0;     // direction the wind comes from, 0 North ... 7 North West
  std::uint8_t WaterClarity = Clear;
  bool operator==(const WeatherRecord&) const = default;
};

using Forecast = std::array<WeatherRecord, 3>;

// Rolls the three days. The draws come in a fixed order so that one random
// sequence always gives the same forecast: day 1 air, water sign, water
// amount, the limit draw when one applies, sky, wind, direction, clarity;
// days 2 and 3 air sign, air amount, water sign, water amount, sky, wind,
// direction. "Plus or minus" adds when its sign draw Random(2) is 0.
Forecast RollForecast(Random& random);

// The text of "View Weather && Water Conditions" for a day (0, 1, 2).
std::string WeatherMessage(const WeatherRecord& w, int tournamentDay);

// The help menu's "View Weather && Water Conditions".
void ViewWeatherWaterConditions1Click(Game& g);

}  // namespace lwk
