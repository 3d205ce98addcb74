// The water colour table and the rule the tiles must keep: every pixel the
// boat may float on uses a table colour, no land or object pixel does.

#include <gtest/gtest.h>

#include <set>

#include "ArtTestSupport.h"
#include "Canvas.h"
#include "Palette.h"
#include "Sprites.h"
#include "TileCatalogue.h"
#include "Tiles.h"

namespace lwk {
namespace {

using lwk::test::IsWater;
using lwk::test::ShippedTiles;
using lwk::test::ShippedWaterColours;

QImage Solid(QRgb c) {
  QImage img(32, 32, QImage::Format_RGB32);
  img.fill(c | 0xFF000000u);
  return img;
}

TEST(WaterColourTable, ScansTheWaterTilesColumnByColumnAndOnlyTheCornerOfTile88) {
  std::array<QImage, 256> tiles;
  tiles[0] = Solid(0x000001);
  tiles[0].setPixel(0, 5, 0xFF000002);  // column 0 before column 1
  tiles[0].setPixel(1, 0, 0xFF000003);
  tiles[21] = Solid(0x000004);
  tiles[88] = Solid(0x000005);            // inside x 0..18, y 0..16
  tiles[88].setPixel(19, 0, 0xFF0000AA);  // outside: ignored
  tiles[88].setPixel(0, 17, 0xFF0000AB);
  tiles[91] = Solid(0x000006);
  tiles[148] = Solid(0xFF000007);
  tiles[150] = Solid(0x0000BB);  // not a water tile
  tiles[23] = Solid(0x0000BC);

  const WaterColourTable t = BuildWaterColourTable(tiles);
  ASSERT_EQ(t.last, 6);
  EXPECT_EQ((std::vector<int>(t.colours.begin(), t.colours.begin() + 7)), (std::vector<int>{1, 2, 3, 4, 5, 6, 7}));
  EXPECT_EQ(t.colours[7], -1);
  EXPECT_TRUE(IsWaterColour(t, 0x12000005));  // alpha does not matter
  EXPECT_FALSE(IsWaterColour(t, 0xFF0000AA));
  EXPECT_FALSE(IsWaterColour(t, 0xFF0000BB));
}

TEST(WaterColourTable, KeepsTheFirstSixtyColoursAndIgnoresTheRest) {
  std::array<QImage, 256> tiles;
  tiles[0] = QImage(32, 32, QImage::Format_RGB32);
  for (int x = 0; x < 32; ++x)
    for (int y = 0; y < 32; ++y) tiles[0].setPixel(x, y, 0xFF000000u | static_cast<QRgb>(x * 32 + y));
  const WaterColourTable t = BuildWaterColourTable(tiles);
  EXPECT_EQ(t.last, 59);
  EXPECT_EQ(t.colours[59], 59);  // x 1, y 27: the 60th pixel in scan order
  EXPECT_FALSE(IsWaterColour(t, 60));

  const WaterColourTable empty = BuildWaterColourTable(std::array<QImage, 256>{});
  EXPECT_EQ(empty.last, -1);
  EXPECT_FALSE(IsWaterColour(empty, 0xFFFFFFFF));
}

TEST(WaterColourRule, TheShippedWaterTilesFitTheTableWithoutLosingAColour) {
  std::set<QRgb> seen;
  for (int v : {0, 21, 22, 26, 27, 28, 29, 86, 88, 91, 102, 115, 147, 148}) {
    const QImage& img = ShippedTiles()[static_cast<std::size_t>(v)];
    ASSERT_FALSE(img.isNull()) << v;
    const int w = v == 88 ? 19 : 32;
    const int h = v == 88 ? 17 : 32;
    for (int x = 0; x < w; ++x)
      for (int y = 0; y < h; ++y) seen.insert(img.pixel(x, y) & 0xFFFFFFu);
  }
  EXPECT_LE(seen.size(), 60u) << "colours past the 60th would be dropped and read as land";
  EXPECT_EQ(ShippedWaterColours().last + 1, static_cast<int>(seen.size()));
}

TEST(WaterColourRule, EveryWaterColourOfThePaletteIsInTheTable) {
  // A water shade drawn only outside the scanned tiles would read as land.
  for (QRgb c : art::pal::kWaterColours) EXPECT_TRUE(IsWaterColour(ShippedWaterColours(), c)) << std::hex << c;
}

TEST(WaterColourRule, HoldsForEveryPixelOfAll256Tiles) {
  using namespace lwk::tiles;
  for (int v = 0; v < 256; ++v) {
    const art::Canvas drawn = art::DrawTile(v);
    const TileKind kind = Tile(v).kind;
    const bool bridge = kind == TileKind::Bridge;
    const bool allWater = kind == TileKind::OpenWater || kind == TileKind::WaterVariant || kind == TileKind::LilyPads ||
                          kind == TileKind::WeedBed || (kind == TileKind::Spare && v < 150);
    int waterPixels = 0;
    for (int y = 0; y < 32; ++y)
      for (int x = 0; x < 32; ++x) {
        const bool water = IsWater(v, x, y);
        waterPixels += water;
        if (drawn.isWater(x, y))
          ASSERT_TRUE(water) << "tile " << v << " (" << x << ", " << y
                             << ") floats the boat on a colour the game reads as land";
        else
          ASSERT_FALSE(water) << "tile " << v << " (" << x << ", " << y << ") is land or an object in a water colour";
        if (allWater) {
          ASSERT_TRUE(water) << "tile " << v << " (" << x << ", " << y << ")";
        }
      }
    if (v >= 150 && !bridge) {
      EXPECT_EQ(waterPixels, 0) << "land tile " << v;
    }
    if (bridge) {
      EXPECT_GT(waterPixels, 0) << "bridge " << v << " is drawn over water";
    }
  }
  for (int x = 0; x < 19; ++x)
    for (int y = 0; y < 17; ++y) ASSERT_TRUE(IsWater(88, x, y)) << x << ", " << y;
}

TEST(WaterColourRule, PlainShorePiecesAreWaterAwayFromTheBankAndLandAtIt) {
  using namespace lwk::tiles;
  for (int v = 0; v < 256; ++v) {
    if (Tile(v).kind != TileKind::Shore) continue;
    for (int y = 0; y < 32; ++y)
      for (int x = 0; x < 32; ++x) {
        const double d = art::LandDistance(Tile(v).land, x + 0.5, y + 0.5);
        if (d >= art::kWaterFrom) {
          ASSERT_TRUE(IsWater(v, x, y)) << "tile " << v << " (" << x << ", " << y << ")";
        }
        if (d < 2.0) {
          ASSERT_FALSE(IsWater(v, x, y)) << "tile " << v << " (" << x << ", " << y << ")";
        }
      }
  }
}

TEST(WaterColourRule, NoSpriteDrawnOverTheLakeUsesAWaterColour) {
  // A jet ski or canoe in a water colour would let the boat drive through it;
  // the splash and crash pictures never hide the water from the game either.
  int checked = 0;
  for (const art::Picture& p : art::DrawPictures()) {
    if (p.group != "boat" && p.group != "canoes" && p.group != "jetskis" && p.group != "splashes" &&
        p.group != "effects" && p.group != "banners")
      continue;
    const QImage img = LoadGamePicture(lwk::test::GameFolder(), p.name);
    ASSERT_FALSE(img.isNull()) << p.name;
    for (int y = 0; y < img.height(); ++y)
      for (int x = 0; x < img.width(); ++x) {
        const QRgb c = img.pixel(x, y) & 0xFFFFFFu;
        if (c == (p.key & 0xFFFFFFu)) continue;
        ASSERT_FALSE(IsWaterColour(ShippedWaterColours(), c)) << p.name << " (" << x << ", " << y << ")";
      }
    ++checked;
  }
  EXPECT_EQ(checked, 3 + 8 + 8 + 2 + 4 + 5);
}

}  // namespace
}  // namespace lwk
