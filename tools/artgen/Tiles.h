#pragma once
// The 256 lake tiles, each drawn for the meaning the catalogue gives its
// value (TileCatalogue.h). Every tile is 32 x 32 pixels and comes with the
// mask of the pixels where the boat floats.

#include "Canvas.h"

namespace lwk::art {

inline constexpr int kTileSize = 32;

Canvas DrawTile(int value);

// Shore geometry, shared with the tests: the distance in pixels from the
// pixel centre (x + 0.5, y + 0.5) of a water cell to its nearest land
// neighbour (land mask bits of TileCatalogue.h), corners rounded; large when
// there is no land around.
double LandDistance(std::uint8_t land, double px, double py);

// A pixel at most this far from land may be bank; from kWaterFrom on it is
// always water.
inline constexpr double kBankMax = 11.0;
inline constexpr double kWaterFrom = 14.0;

}  // namespace lwk::art
