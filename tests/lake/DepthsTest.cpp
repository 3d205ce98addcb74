#include <gtest/gtest.h>

#include "lake/Depths.h"
#include "shell/Random.h"

namespace lwk {
namespace {

std::string DepthText(const std::string& value) {
  std::string row = value;
  for (int c = 1; c < 200; ++c) row += "," + value;
  std::string text;
  for (int r = 0; r < 200; ++r) text += row + "\r\n";
  return text;
}

TEST(DepthFile, ReadsTwoHundredRowsAndRefusesFaults) {
  CellGrid<std::uint8_t> d;
  d.fill(9);
  EXPECT_FALSE(ParseDepthText(DepthText("0"), d));
  EXPECT_EQ(*std::max_element(d.cells.begin(), d.cells.end()), 0);
  EXPECT_FALSE(ParseDepthText(DepthText("255"), d));
  EXPECT_EQ(d.at(199, 199), 255);
  for (const std::string& bad : {DepthText("256"), DepthText("-1"), DepthText("4 "), DepthText("0") + "",
                                 DepthText("0").substr(0, 1000), DepthText("x")}) {
    if (bad == DepthText("0")) continue;
    EXPECT_TRUE(ParseDepthText(bad, d)) << bad.substr(0, 20);
  }
}

TEST(AssignDepths, OpenWaterLiesBetweenTenFeetAndTheLakesDepth) {
  Random rng(7);
  int lo = 999, hi = -1;
  for (int i = 0; i < 2000; ++i) {
    const int d = *TileDepth(0, 30, rng);
    lo = std::min(lo, d);
    hi = std::max(hi, d);
  }
  EXPECT_EQ(lo, 10);
  EXPECT_EQ(hi, 29);
  // Shallow lakes and very deep ones stay sound without drawing Random(0).
  const auto before = rng.draws();
  EXPECT_EQ(TileDepth(0, 10, rng), 10);
  EXPECT_EQ(TileDepth(0, 4, rng), 4);
  EXPECT_EQ(TileDepth(0, -3, rng), 1);
  EXPECT_EQ(rng.draws(), before);
  EXPECT_LE(*TileDepth(0, 900, rng), 255);
  // Land is dry; tiles without a rule of their own get no depth here.
  EXPECT_EQ(TileDepth(150, 30, rng), 0);
  EXPECT_EQ(TileDepth(255, 30, rng), 0);
  for (int t : {50, 51, 70, 77, 95, 118, 127, 144}) EXPECT_FALSE(TileDepth(t, 30, rng)) << t;
}

TEST(AssignDepths, TheBottomSlopesGentlyAwayFromTheShore) {
  CellGrid<std::uint8_t> grid;
  grid.fill(0);
  grid.at(100, 100) = 1;  // a shore cell in open water
  grid.at(20, 20) = 77;   // a bridge over water: no rule of its own
  Random rng(3);
  CellGrid<std::uint8_t> depths;
  depths.fill(200);  // whatever a previous lake left
  AssignDepthsToGrid(grid, 30, rng, depths);
  const int shore = depths.at(100, 100);
  EXPECT_GE(shore, 1);
  EXPECT_LE(shore, 4);
  for (int dc = -1; dc <= 1; ++dc)
    for (int dr = -1; dr <= 1; ++dr) EXPECT_LE(depths.at(100 + dc, 100 + dr), shore + 3);
  EXPECT_EQ(depths.at(20, 20), kUnassignedTileDepth);
}

TEST(AssignDepths, SmoothingLowersCellsInPlaceFromTheBottomRight) {
  CellGrid<std::uint8_t> d;
  d.fill(20);
  d.at(10, 10) = 2;
  Random rng(1);
  rng.script({0, 2, 0});
  SmoothDepths(d, rng);
  // Column 11 is visited first, its rows from the bottom: 2 + 1 + Random(3).
  EXPECT_EQ(d.at(11, 11), 3);
  EXPECT_EQ(d.at(11, 10), 5);
  // (11, 9) already sees the lowered (11, 10) and the 2 of (10, 10).
  EXPECT_EQ(d.at(11, 9), 3);
  EXPECT_EQ(d.at(10, 10), 2);
  for (int dc = -1; dc <= 1; ++dc)
    for (int dr = -1; dr <= 1; ++dr) EXPECT_LE(d.at(10 + dc, 10 + dr), 5);
  // Cells visited before the shallow spot was in reach stay as they were.
  EXPECT_EQ(d.at(12, 12), 20);
  EXPECT_EQ(d.at(199, 199), 20);
}

}  // namespace
}  // namespace lwk
