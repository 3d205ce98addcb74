#pragma once
// Stocking the lake: every water cell gets two to six tries at a fish (always
// six on cover), each fish with its own taste (bait, colour, retrieve), depth
// and species, shifted by the day's weather.

#include <array>
#include <cstdint>

#include "lake/LakeState.h"

namespace lwk {

class Game;
class Random;

// Baits and colours of each tackle drawer.
constexpr std::array<int, 7> kDrawerBaitCounts{48, 44, 18, 34, 54, 16, 15};
constexpr std::array<int, 7> kDrawerColourCounts{20, 20, 15, 11, 30, 18, 11};

// Cover tiles always get six tries.
bool IsCoverTile(int t);
// On panfish tiles striped bass, white bass and walleye are panfish instead.
bool IsPanfishTile(int t);

struct StockingInputs {
  const CellGrid<std::uint8_t>* grid = nullptr;
  const CellGrid<std::uint8_t>* depths = nullptr;
  std::array<bool, kSpeciesCount> speciesPresent{};
  bool novice = false;
  WeatherRecord weather{};
};

// Fills the fish table from the inputs with the given random sequence. A lake
// that allows no species at all gets no fish (rather than drawing forever).
void StockFish(const StockingInputs& in, Random& random, FishTable& table);

// The day's stocking: reseeds the random generator from the clock, then fills
// FishSlots from the lake, its depths and today's weather.
void StockLake(Game& g);

}  // namespace lwk
