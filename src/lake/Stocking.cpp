#include "lake/Stocking.h"

#include "shell/Game.h"
#include "shell/Random.h"

namespace lwk {

namespace {

constexpr std::array<bool, 256> MakeTileSet(std::initializer_list<std::pair<int, int>> ranges) {
  std::array<bool, 256> set{};
  for (auto [lo, hi] : ranges)
    for (int t = lo; t <= hi; ++t) set[static_cast<size_t>(t)] = true;
  return set;
}

constexpr std::array<bool, 256> kCoverTiles = MakeTileSet({{15, 15},
                                                           {21, 35},
                                                           {44, 67},
                                                           {70, 73},
                                                           {75, 95},
                                                           {99, 99},
                                                           {101, 103},
                                                           {108, 117},
                                                           {119, 120},
                                                           {125, 128},
                                                           {133, 134},
                                                           {136, 138},
                                                           {140, 144},
                                                           {146, 149}});
constexpr std::array<bool, 256> kPanfishTiles =
    MakeTileSet({{21, 24}, {26, 29}, {44, 49}, {52, 55}, {63, 63}, {108, 109}, {116, 117}, {119, 120}, {125, 126}});

void ApplyWeather(const WeatherRecord& w, FishSlot& f) {
  auto colder = [&f] {
    if (f.Tolerance >= 2) f.Tolerance -= 2;
    if (f.Retreive >= 1 && f.Retreive <= 3) f.Retreive -= 1;
  };
  auto bolder = [&f] {
    if (f.Tolerance < 9) f.Tolerance += 1;
  };
  if (w.AirTemp < 55) colder();
  if (w.WaterTemp < 55) colder();
  if (w.Sky == Cloudy || w.Sky == Rain) bolder();
  if (w.WindSpeed >= 16) {
    bolder();
    if (f.Retreive < 3) f.Retreive += 1;
  }
  switch (w.WaterClarity) {
    case Clear:
      if (f.Tolerance > 0) f.Tolerance -= 1;
      break;
    case Stained:
      bolder();
      break;
    case Muddy:
      bolder();
      bolder();
      break;
    default:
      break;
  }
}

}  // namespace

bool IsCoverTile(int t) {
  return t >= 0 && t < 256 && kCoverTiles[static_cast<size_t>(t)];
}
bool IsPanfishTile(int t) {
  return t >= 0 && t < 256 && kPanfishTiles[static_cast<size_t>(t)];
}

void StockFish(const StockingInputs& in, Random& random, FishTable& table) {
  table.clear();
  bool anySpecies = false;
  for (bool b : in.speciesPresent) anySpecies = anySpecies || b;
  if (!anySpecies || !in.grid || !in.depths) return;

  for (int col = 0; col < kLakeCells; ++col) {
    for (int row = 0; row < kLakeCells; ++row) {
      const int t = in.grid->at(col, row);
      if (t >= kFirstLandTile) continue;
      const int f = IsCoverTile(t) ? 5 : random(5) + 1;
      FishTable::Cell& cell = table.at(col, row);
      for (int k = 0; k <= f; ++k) {
        if (random(3) != 0) continue;
        FishSlot fish;
        fish.Tolerance = static_cast<std::uint8_t>(random(10));
        const int drawer = random(7);
        fish.Drawer = static_cast<std::uint8_t>(drawer);
        fish.Bait = static_cast<std::uint8_t>(random(kDrawerBaitCounts[static_cast<size_t>(drawer)]));
        fish.Color = static_cast<std::uint8_t>(random(kDrawerColourCounts[static_cast<size_t>(drawer)]));
        fish.Retreive = static_cast<std::uint8_t>(random(5));
        fish.Depth = static_cast<std::uint8_t>(random(in.depths->at(col, row) + 1));
        int species;
        if (in.novice)
          species = random(2) == 0 ? random(3) : random(10);
        else
          species = random(10);
        while (!in.speciesPresent[static_cast<size_t>(species)]) species = random(10);
        if ((species == 3 || species == 4 || species == 9) && IsPanfishTile(t)) species = kPanfish;
        if (random(10) == 0) species = kPanfish;
        fish.Species = static_cast<std::uint8_t>(species);
        ApplyWeather(in.weather, fish);
        cell[static_cast<size_t>(k)] = fish;
      }
    }
  }
}

void StockLake(Game& g) {
  g.Random.seedFromClock();
  StockingInputs in;
  in.grid = &g.lake.LakeGrid;
  in.depths = &g.lake.DepthMap;
  in.speciesPresent = g.lake.SpeciesPresent;
  in.novice = g.prefs.PlayLevel == Novice;
  in.weather = g.lake.TodayWeather;
  StockFish(in, g.Random, g.lake.FishSlots);
}

}  // namespace lwk
