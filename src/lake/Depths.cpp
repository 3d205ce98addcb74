#include "lake/Depths.h"

#include <algorithm>

#include "lake/LakeFile.h"
#include "shell/Files.h"
#include "shell/Game.h"

namespace lwk {

std::optional<std::string> ParseDepthText(std::string_view text, CellGrid<std::uint8_t>& depths) {
  const std::vector<std::string_view> lines = SplitLines(text);
  for (int row = 0; row < kLakeCells; ++row) {
    if (row >= static_cast<int>(lines.size()))
      return "line " + std::to_string(row + 1) + ": missing (a depth file has 200 lines)";
    if (auto fault = ParseCellRow(lines[static_cast<size_t>(row)], row, depths))
      return "line " + std::to_string(row + 1) + ": " + *fault;
  }
  return std::nullopt;
}

std::optional<int> TileDepth(int t, int lakeMaxDepth, Random& random) {
  auto range = [&](int lo, int hi) { return lo + random(hi - lo + 1); };
  if (t == 0) {
    // Open water: 10 ... LakeMaxDepth - 1. A lake of 10 feet or less has
    // open water as deep as the lake (never a draw of Random(0) or less),
    // and a cell holds at most 255 feet.
    const int maxDepth = std::min(lakeMaxDepth, 256);
    if (maxDepth <= 10) return std::max(1, maxDepth);
    return 10 + random(maxDepth - 10);
  }
  if (t >= 150) return 0;
  if (t <= 20) return range(1, 4);
  if (t <= 25) return range(1, 5);
  if (t <= 29) return range(1, 3);
  if (t <= 33) return range(3, 12);
  if (t == 34) return range(1, 2);
  if (t == 35) return range(2, 6);
  if (t <= 43) return range(1, 4);
  if (t <= 49) return range(1, 3);
  if (t <= 51) return std::nullopt;
  if (t <= 55) return range(1, 5);
  if (t == 56) return range(2, 11);
  if (t <= 62) return range(2, 13);
  if (t == 63) return range(1, 5);
  if (t <= 69) return range(2, 11);
  if (t == 70) return std::nullopt;
  if (t <= 74) return range(2, 11);
  if (t <= 95) return std::nullopt;
  if (t <= 107) return range(1, 4);
  if (t <= 109) return range(1, 3);
  if (t <= 115) return range(2, 6);
  if (t <= 117) return range(1, 3);
  if (t == 118) return std::nullopt;
  if (t <= 120) return range(1, 3);
  if (t <= 124) return range(1, 4);
  if (t <= 126) return range(1, 3);
  if (t <= 139) return std::nullopt;
  if (t <= 143) return range(1, 2);
  if (t <= 148) return std::nullopt;
  return range(2, 6);  // 149
}

void SmoothDepths(CellGrid<std::uint8_t>& depths, Random& random) {
  for (int col = kLakeCells - 1; col >= 0; --col) {
    for (int row = kLakeCells - 1; row >= 0; --row) {
      const int d = depths.at(col, row);
      if (d < 8) continue;
      int m = 99;
      for (int dc = -1; dc <= 1; ++dc)
        for (int dr = -1; dr <= 1; ++dr) {
          const int c = std::clamp(col + dc, 0, kLakeCells - 1);
          const int r = std::clamp(row + dr, 0, kLakeCells - 1);
          m = std::min(m, static_cast<int>(depths.at(c, r)));
        }
      if (d > m + 3) depths.at(col, row) = static_cast<std::uint8_t>(m + 1 + random(3));
    }
  }
}

void AssignDepthsToGrid(const CellGrid<std::uint8_t>& grid, int lakeMaxDepth, Random& random,
                        CellGrid<std::uint8_t>& depths) {
  for (int row = 0; row < kLakeCells; ++row)
    for (int col = 0; col < kLakeCells; ++col) {
      const std::optional<int> d = TileDepth(grid.at(col, row), lakeMaxDepth, random);
      depths.at(col, row) = static_cast<std::uint8_t>(d.value_or(kUnassignedTileDepth));
    }
  SmoothDepths(depths, random);
}

bool ReadDepthFile(Game& g, const std::string& path) {
  const std::optional<std::string> text = ReadWholeFile(path);
  if (!text) return false;
  CellGrid<std::uint8_t> depths;
  if (ParseDepthText(*text, depths)) return false;
  g.lake.DepthMap = depths;
  return true;
}

void AssignDepths(Game& g) {
  g.Message(BoxKind::Plain, "Depth file not found. Assigning depths automatically.");
  AssignDepthsToGrid(g.lake.LakeGrid, g.lake.LakeMaxDepth, g.Random, g.lake.DepthMap);
}

}  // namespace lwk
