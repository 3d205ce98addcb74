#pragma once
// The lake generator: composes a whole lake from a seed out of the game's
// tile pictures: basins joined by narrows, coves, points and islands, a
// marina with the weigh-in flag, gas pumps, docks, a boat ramp and a no-wake
// zone, a road bridge over the narrows, cover along the shore (weeds, lily
// pads, rocks, docks, fallen trees) and in the open water (weed beds, reeds,
// stumps, timber, rock piles), shallow flats and deep open water. The same
// seed, name and style always give the same lake.

#include <cstdint>
#include <optional>
#include <string>

#include "shell/CellGrid.h"

namespace lwk {

enum class LakeStyle {
  Reservoir,  // several basins along a winding valley, creek arms
  Highland,   // one big deep basin with rocky points and islands
  Marsh,      // shallow basins, flats, weeds, lily pads and timber
};

struct GeneratedLake {
  std::string name;
  std::string line2;
  std::string line3;
  int maxDepth = 30;
  std::string species;
  CellGrid<std::uint8_t> grid;
  // Depths of a measured lake; empty when the game is to assign them.
  std::optional<CellGrid<std::uint8_t>> depths;
};

// The style a seed gives when none is asked for.
LakeStyle StyleForSeed(std::uint32_t seed);
// "reservoir", "highland", "marsh" (nullopt for any other name).
std::optional<LakeStyle> ParseLakeStyle(const std::string& name);

// Composes a lake. With measuredDepths the lake gets its own depth table.
GeneratedLake GenerateLake(std::uint32_t seed, const std::string& name, LakeStyle style, bool measuredDepths);

// A depth file's text (200 CRLF lines of 200 comma-separated depths).
std::string FormatDepthText(const CellGrid<std::uint8_t>& depths);

}  // namespace lwk
