#pragma once
// The lake map: the whole lake at two pixels per cell (400 x 400), built from
// the tiles the first time and kept as a BMP file beside the lake, marked with
// the boat, the gas pumps and the weigh-in flag; each boat step while the map
// is open leaves a mark, drawing the boat's track.

#include <QImage>
#include <array>
#include <cstdint>
#include <string>

#include "shell/CellGrid.h"

namespace lwk {

class Game;

constexpr int kLakeMapScale = 2;  // map pixels per lake cell
constexpr int kLakeMapSize = kLakeCells * kLakeMapScale;
constexpr int kMapViewCost = 60;  // game seconds a look at the map costs

// The map picture of a lake: each cell's tile shrunk into its own 2 x 2
// square (each map pixel the average of a 16 x 16 quarter of the tile); the
// pixel (0, 0) is white.
QImage BuildLakeMapImage(const CellGrid<std::uint8_t>& grid, const std::array<QImage, 256>& tiles);

// The map point of a cell.
inline int MapPoint(int cell) {
  return cell * kLakeMapScale;
}

// "View Map of Lake": shows the map window (which runs LakeMapFormShow).
void MapBtnClick(Game& g);
// The map window opens: charges a game minute, loads the lake's map file or
// offers to build it, then draws the marks.
void LakeMapFormShow(Game& g);
// Builds the map from the tiles and saves it beside the lake.
void BuildLakeMap(Game& g);
// The boat, the gas pumps and the weigh-in flag on the map.
void DrawMapMarks(Game& g);
// One boat step while the map is open: a dash where the boat was.
void MapTrailStep(Game& g);

}  // namespace lwk
