#pragma once
// The depth of every cell in feet: read from the lake's depth file (.dpt, 200
// lines of 200 comma-separated depths 0 ... 255, row 0 first) or made up from
// the tiles and smoothed so that the bottom never drops off abruptly.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "shell/CellGrid.h"

namespace lwk {

class Game;
class Random;

// Depth given to the tiles the table leaves without a rule of their own
// (the bridges' water and a few pictures): a defined shallow depth rather
// than whatever the previous lake left.
constexpr std::uint8_t kUnassignedTileDepth = 3;

// Parses a depth file's text into depths. On failure returns the problem
// and leaves depths unspecified.
std::optional<std::string> ParseDepthText(std::string_view text, CellGrid<std::uint8_t>& depths);

// The depth of one cell from its tile value, drawn as the depth table says.
// nullopt for the tiles the table gives no depth.
std::optional<int> TileDepth(int tile, int lakeMaxDepth, Random& random);

// Fills depths from the tiles (row by row) and smooths them (from the
// bottom-right corner towards the top-left, in place).
void AssignDepthsToGrid(const CellGrid<std::uint8_t>& grid, int lakeMaxDepth, Random& random,
                        CellGrid<std::uint8_t>& depths);
// The smoothing pass alone: a cell of 8 feet or more that is more than 3 feet
// deeper than its shallowest neighbour becomes 1 ... 3 feet deeper than it.
void SmoothDepths(CellGrid<std::uint8_t>& depths, Random& random);

// Reads the depth file into DepthMap; false (DepthMap untouched) when the
// file cannot be read or holds a malformed or out-of-range value.
bool ReadDepthFile(Game& g, const std::string& path);
// Tells the player, then fills DepthMap from the tiles.
void AssignDepths(Game& g);

}  // namespace lwk
