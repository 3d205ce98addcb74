#pragma once
// The lake in memory: the tile grid, its header values and the per-cell
// tables filled after the grid, the weather of the tournament's days, the
// water colours of the view and the lake map.

#include <QImage>
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "lake/WaterColours.h"
#include "lake/Weather.h"
#include "shell/CellGrid.h"

namespace lwk {

class Game;

constexpr int kSpeciesCount = 10;
constexpr std::uint8_t kNoCell = 255;

struct CellPos {
  std::uint8_t col = kNoCell;
  std::uint8_t row = kNoCell;
  bool operator==(const CellPos&) const = default;
};

// One fish of a cell: its taste, depth and species; all bytes 255 when empty.
struct FishSlot {
  std::uint8_t Tolerance = 255;
  std::uint8_t Drawer = 255;
  std::uint8_t Bait = 255;
  std::uint8_t Color = 255;
  std::uint8_t Retreive = 255;
  std::uint8_t Depth = 255;
  std::uint8_t Species = 255;
  bool empty() const { return Species == 255; }
  bool operator==(const FishSlot&) const = default;
};
constexpr int kFishPerCell = 6;
constexpr std::uint8_t kPanfish = 99;

// Six fish slots for every cell, indexed [column][row] like the lake grid.
// Kept on the heap: the table is 1.68 MB.
struct FishTable {
  using Cell = std::array<FishSlot, kFishPerCell>;
  std::vector<Cell> cells = std::vector<Cell>(kLakeCells * kLakeCells);
  Cell& at(int col, int row) { return cells[static_cast<size_t>(CellGrid<int>::index(col, row))]; }
  const Cell& at(int col, int row) const { return cells[static_cast<size_t>(CellGrid<int>::index(col, row))]; }
  void clear() { std::fill(cells.begin(), cells.end(), Cell{}); }
};

// Work that belongs to other parts of the game, run at fixed points of
// opening a lake. Each is optional: an empty hook is skipped.
struct LakeHooks {
  // Loads a saved game over the freshly reset game; false when it failed.
  std::function<bool(Game&, const std::string& path)> LoadGame;
};

struct LakeState {
  CellGrid<std::uint8_t> LakeGrid;
  CellGrid<std::uint8_t> DepthMap;
  std::string LakeName;
  int LakeMaxDepth = 30;
  std::array<bool, kSpeciesCount> SpeciesPresent{};
  std::string LakeChecksum;
  // Paths are kept whole (never cut), so a long Linux path opens the right file.
  std::string LakeFilePath;
  std::string LakeMapPath;
  std::uint8_t WeighInCol = kNoCell;
  std::uint8_t WeighInRow = kNoCell;
  std::array<CellPos, 3> GasPumps{};

  // The fish of every cell.
  FishTable FishSlots;

  // The tournament's weather and today's.
  Forecast WeatherForecast{};
  WeatherRecord TodayWeather{};

  // Every colour the water tiles are drawn in; a view pixel of one of these
  // colours is water.
  WaterColourTable WaterColours{};

  // The lake map window's picture and the boat's last mark on it.
  QImage LakeMapImage;
  std::string LakeMapCaption = "LakeMap";
  // Tells the map window to show the picture again.
  std::function<void()> onLakeMapChanged;
  int MapPrevBoatX = 0;
  int MapPrevBoatY = 0;

  LakeHooks hooks;

  std::uint8_t tile(int col, int row) const { return LakeGrid.at(col, row); }
};

// Tiles the boat passes under (and is hidden by).
constexpr bool IsBridgeTile(int v) {
  return v == 77 || v == 78 || v == 79 || v == 160 || v == 161 || v == 162;
}
constexpr int kGasPumpTile = 163;
constexpr int kWeighInFlagTile = 255;
constexpr int kNoWakeBuoyTile = 56;
constexpr int kFirstLandTile = 150;
constexpr int kLastRowMarker = 253;
constexpr int kLastColumnMarker = 254;

}  // namespace lwk
