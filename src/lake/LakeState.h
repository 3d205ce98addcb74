#pragma once
// The lake in memory: the tile grid, its header values and the per-cell
// tables filled after the grid.

#include <array>
#include <cstdint>
#include <string>

#include "shell/CellGrid.h"

namespace lwk {

constexpr int kSpeciesCount = 10;
constexpr std::uint8_t kNoCell = 255;

struct CellPos {
  std::uint8_t col = kNoCell;
  std::uint8_t row = kNoCell;
  bool operator==(const CellPos&) const = default;
};

struct LakeState {
  CellGrid<std::uint8_t> LakeGrid;
  CellGrid<std::uint8_t> DepthMap;
  std::string LakeName;
  int LakeMaxDepth = 30;
  std::array<bool, kSpeciesCount> SpeciesPresent{};
  std::string LakeChecksum;
  std::string LakeFilePath;
  std::string LakeMapPath;
  std::uint8_t WeighInCol = kNoCell;
  std::uint8_t WeighInRow = kNoCell;
  std::array<CellPos, 3> GasPumps{};

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
