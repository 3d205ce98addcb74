#include <TileCatalogue.h>
#include <gtest/gtest.h>

#include "lake/Depths.h"
#include "lake/LakeFile.h"
#include "lake/LakeGenerator.h"
#include "shell/Files.h"

namespace lwk {
namespace {

using tiles::TileKind;

struct Census {
  int flags = 0, pumps = 0, bridges = 0, buoys = 0, shoreCover = 0, openCover = 0, openWater = 0, water = 0;
};

Census Count(const CellGrid<std::uint8_t>& g) {
  Census n;
  for (int c = 0; c < 200; ++c)
    for (int r = 0; r < 200; ++r) {
      const int v = g.at(c, r);
      const TileKind k = tiles::Tile(v).kind;
      n.flags += v == 255;
      n.pumps += v == 163;
      n.bridges += IsBridgeTile(v);
      n.buoys += v == 56;
      n.shoreCover += k == TileKind::ShoreFeature;
      n.openCover += k == TileKind::LilyPads || k == TileKind::WeedBed || k == TileKind::Obstacle;
      n.openWater += v == 0;
      n.water += v < 150;
    }
  return n;
}

// Every water cell's picture matches its land neighbours, so shores join.
void ExpectShoresJoin(const CellGrid<std::uint8_t>& g) {
  // Bridge ends stand in the water, with the bank drawn on their land side.
  auto land = [&g](int c, int r) { return !InLake(c, r) || (g.at(c, r) >= 150 && !IsBridgeTile(g.at(c, r))); };
  for (int c = 0; c < 199; ++c)
    for (int r = 0; r < 199; ++r) {
      const tiles::TileInfo& t = tiles::Tile(g.at(c, r));
      if (t.kind != TileKind::Shore && t.kind != TileKind::ShoreFeature && t.kind != TileKind::OpenWater) continue;
      std::uint8_t m = 0;
      if (land(c, r - 1)) m |= tiles::kN;
      if (land(c + 1, r)) m |= tiles::kE;
      if (land(c, r + 1)) m |= tiles::kS;
      if (land(c - 1, r)) m |= tiles::kW;
      if (land(c + 1, r - 1)) m |= tiles::kNE;
      if (land(c + 1, r + 1)) m |= tiles::kSE;
      if (land(c - 1, r + 1)) m |= tiles::kSW;
      if (land(c - 1, r - 1)) m |= tiles::kNW;
      ASSERT_EQ(tiles::CanonicalLandMask(m), t.land) << "cell " << c << "," << r << " tile " << int(g.at(c, r));
    }
}

TEST(LakeGenerator, EveryStyleMakesAPlayableLake) {
  for (LakeStyle style : {LakeStyle::Reservoir, LakeStyle::Highland, LakeStyle::Marsh})
    for (std::uint32_t seed : {1u, 77u}) {
      SCOPED_TRACE(static_cast<int>(style) * 1000 + static_cast<int>(seed));
      const GeneratedLake lake = GenerateLake(seed, "Test Water", style, true);
      const std::string text =
          FormatLakeText(lake.name, lake.line2, lake.line3, lake.maxDepth, lake.species, lake.grid);
      const LakeFileData d = ParseLakeText(text);
      EXPECT_TRUE(d.loads());
      const Census n = Count(lake.grid);
      EXPECT_EQ(n.flags, 1);
      EXPECT_GE(n.pumps, 1);
      EXPECT_GE(n.bridges, 3);
      EXPECT_GE(n.buoys, 4);
      EXPECT_GE(n.shoreCover, 30);
      EXPECT_GE(n.openCover, 60);
      EXPECT_GE(n.water, 5000);  // a day's worth of water
      const CellPos flag = FindFirstCell(lake.grid, 255);
      EXPECT_LT(flag.col, 199);
      EXPECT_LT(flag.row, 199);
      ExpectShoresJoin(lake.grid);
      // Deep open water and shallow flats.
      ASSERT_TRUE(lake.depths);
      const auto [lo, hi] = std::minmax_element(lake.depths->cells.begin(), lake.depths->cells.end());
      EXPECT_EQ(*lo, 0);
      EXPECT_GE(*hi, 18);
      CellGrid<std::uint8_t> back;
      EXPECT_FALSE(ParseDepthText(FormatDepthText(*lake.depths), back));
    }
}

TEST(LakeGenerator, TheSameSeedGivesTheSameLake) {
  const GeneratedLake a = GenerateLake(5, "A", LakeStyle::Marsh, false);
  const GeneratedLake b = GenerateLake(5, "A", LakeStyle::Marsh, false);
  const GeneratedLake c = GenerateLake(6, "A", LakeStyle::Marsh, false);
  EXPECT_EQ(a.grid.cells, b.grid.cells);
  EXPECT_NE(a.grid.cells, c.grid.cells);
  EXPECT_FALSE(a.depths);
}

TEST(BundledLakes, EveryBundledLakeLoads) {
  int lakes = 0;
  for (const char* name : {"CedarFork.LAK", "GraniteLake.LAK", "Sawgrass.LAK"}) {
    const std::optional<std::string> text = ReadWholeFile(std::string(LWK_GAME_DIR "/") + name);
    ASSERT_TRUE(text) << name;
    EXPECT_TRUE(ParseLakeText(*text).loads()) << name;
    EXPECT_NE(text->find("\r\n"), std::string::npos);
    ++lakes;
  }
  EXPECT_EQ(lakes, 3);
}

}  // namespace
}  // namespace lwk
