#include <gtest/gtest.h>

#include "lake/Stocking.h"
#include "shell/Random.h"

namespace lwk {
namespace {

struct Stocking : ::testing::Test {
  CellGrid<std::uint8_t> grid;
  CellGrid<std::uint8_t> depths;
  StockingInputs in;
  FishTable table;
  void SetUp() override {
    grid.fill(150);  // land
    depths.fill(0);
    in.grid = &grid;
    in.depths = &depths;
    in.speciesPresent.fill(true);
    in.weather = WeatherRecord{70, 70, Sunny, 5, 0, Stained};
  }
  std::vector<FishSlot> allFish() const {
    std::vector<FishSlot> out;
    for (const auto& cell : table.cells)
      for (const FishSlot& f : cell)
        if (!f.empty()) out.push_back(f);
    return out;
  }
};

TEST_F(Stocking, FishLiveOnlyInWaterWithTheirTastesInRange) {
  for (int c = 0; c < 100; ++c)
    for (int r = 0; r < 200; ++r) {
      grid.at(c, r) = static_cast<std::uint8_t>((c + r) % 150);
      depths.at(c, r) = 12;
    }
  Random rng(5);
  StockFish(in, rng, table);
  for (int c = 100; c < 200; ++c)
    for (int r = 0; r < 200; ++r)
      for (const FishSlot& f : table.at(c, r)) EXPECT_EQ(f, FishSlot{});
  const std::vector<FishSlot> fish = allFish();
  ASSERT_GT(fish.size(), 10000u);
  for (const FishSlot& f : fish) {
    EXPECT_LE(f.Tolerance, 9);
    ASSERT_LE(f.Drawer, 6);
    EXPECT_LT(f.Bait, kDrawerBaitCounts[f.Drawer]);
    EXPECT_LT(f.Color, kDrawerColourCounts[f.Drawer]);
    EXPECT_LE(f.Retreive, 4);
    EXPECT_LE(f.Depth, 12);
    EXPECT_TRUE(f.Species <= 9 || f.Species == kPanfish);
  }
  // A cell that is not cover uses at most its drawn number of tries: the
  // sixth slot of plain water (tile 0) is filled only when f was 5.
  int plain = 0, sixth = 0;
  for (int c = 0; c < 100; ++c)
    for (int r = 0; r < 200; ++r)
      if (grid.at(c, r) == 0) {
        ++plain;
        sixth += !table.at(c, r)[5].empty();
      }
  EXPECT_LT(sixth, plain);
}

TEST_F(Stocking, SpeciesFollowTheLakeAndThePanfishTiles) {
  for (int c = 0; c < 40; ++c) grid.at(c, 0) = 21;  // lily pads: a panfish tile
  for (int c = 40; c < 80; ++c) grid.at(c, 0) = 0;
  in.speciesPresent.fill(false);
  in.speciesPresent[3] = true;  // striped bass only
  Random rng(9);
  StockFish(in, rng, table);
  int striped = 0;
  for (int c = 0; c < 80; ++c)
    for (const FishSlot& f : table.at(c, 0)) {
      if (f.empty()) continue;
      if (c < 40) {
        EXPECT_EQ(f.Species, kPanfish);
      } else {
        EXPECT_TRUE(f.Species == 3 || f.Species == kPanfish);
      }
      striped += f.Species == 3;
    }
  EXPECT_GT(striped, 0);
  // A lake no species lives in gets no fish instead of drawing forever.
  in.speciesPresent.fill(false);
  StockFish(in, rng, table);
  EXPECT_TRUE(allFish().empty());
}

TEST_F(Stocking, TheWeatherShiftsTolerancesAndRetrieves) {
  grid.at(7, 9) = 15;  // cover: six tries
  depths.at(7, 9) = 4;
  in.weather = WeatherRecord{50, 50, Cloudy, 20, 0, Clear};
  Random rng;
  // First try makes a fish: tolerance 5, drawer 0, bait 3, colour 4,
  // retrieve 2, depth 1, species 0, not a panfish; the other five fail.
  rng.script({0, 5, 0, 3, 4, 2, 1, 0, 1, 1, 1, 1, 1, 1});
  StockFish(in, rng, table);
  EXPECT_TRUE(rng.scriptEmpty());
  const FishSlot& f = table.at(7, 9)[0];
  // Cold air and water: 5 - 2 - 2 = 1, retrieve 2 -> 1 -> 0; clouds +1,
  // wind +1 (retrieve 0 -> 1); clear water -1.
  EXPECT_EQ(f.Tolerance, 2);
  EXPECT_EQ(f.Retreive, 1);
  EXPECT_EQ(f.Species, 0);
  EXPECT_EQ(f.Depth, 1);
  for (int k = 1; k < 6; ++k) EXPECT_TRUE(table.at(7, 9)[static_cast<size_t>(k)].empty());
}

TEST_F(Stocking, NoviceAnglersMeetMoreBass) {
  grid.at(0, 0) = 15;
  in.novice = true;
  Random rng;
  // Try 1: Random(2) = 0 -> Random(3) = 2 (spotted bass). Try 2: Random(2) = 1
  // -> Random(10) = 9 (walleye), then the 1-in-10 panfish draw hits.
  rng.script({0, 0, 0, 0, 0, 0, 0, 0, 2, 1, 0, 0, 0, 0, 0, 0, 0, 1, 9, 0, 1, 1, 1, 1});
  StockFish(in, rng, table);
  EXPECT_TRUE(rng.scriptEmpty());
  EXPECT_EQ(table.at(0, 0)[0].Species, 2);
  EXPECT_EQ(table.at(0, 0)[1].Species, kPanfish);
}

}  // namespace
}  // namespace lwk
