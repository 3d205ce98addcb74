// The tile catalogue a lake builder composes lakes from: every shore shape
// has its piece, the pictures show land and water where the catalogue says,
// neighbouring pieces join, and TILES.md is the catalogue as printed.

#include <gtest/gtest.h>

#include <QFile>
#include <set>

#include "ArtTestSupport.h"
#include "TileCatalogue.h"
#include "TilesDoc.h"
#include "lake/LakeState.h"

namespace lwk {
namespace {

using namespace lwk::tiles;
using lwk::test::IsWater;

bool IsShoreKind(int v) {
  return Tile(v).kind == TileKind::Shore || Tile(v).kind == TileKind::ShoreFeature;
}

TEST(TileCatalogue, EveryShoreShapeHasExactlyOnePlainPiece) {
  std::set<std::uint8_t> shapes;
  for (int m = 1; m < 256; ++m) shapes.insert(CanonicalLandMask(static_cast<std::uint8_t>(m)));
  EXPECT_EQ(shapes.size(), 46u);  // the 47 blob shapes less open water
  for (std::uint8_t m : shapes) {
    int pieces = 0;
    for (int v = 0; v < 256; ++v) pieces += Tile(v).kind == TileKind::Shore && Tile(v).land == m;
    EXPECT_EQ(pieces, 1) << "land mask " << int(m);
    const int v = ShoreTileFor(m);
    ASSERT_GE(v, 0) << int(m);
    EXPECT_EQ(Tile(v).land, m);
  }
  EXPECT_EQ(ShoreTileFor(0), 0);
  EXPECT_EQ(ShoreTileFor(kN | kNE | kNW), ShoreTileFor(kN));  // diagonals beside a land side change nothing
}

TEST(TileCatalogue, FixedValuesMeanWhatTheGameRulesSay) {
  EXPECT_EQ(Tile(0).kind, TileKind::OpenWater);
  EXPECT_EQ(Tile(kNoWakeBuoyTile).kind, TileKind::NoWakeBuoy);
  EXPECT_EQ(Tile(kGasPumpTile).kind, TileKind::GasPump);
  EXPECT_EQ(Tile(kWeighInFlagTile).kind, TileKind::WeighInFlag);
  EXPECT_EQ(Tile(kLastRowMarker).kind, TileKind::EdgeMarker);
  EXPECT_EQ(Tile(kLastColumnMarker).kind, TileKind::EdgeMarker);
  for (int v = 0; v < 256; ++v) {
    const TileKind k = Tile(v).kind;
    EXPECT_EQ(k == TileKind::Bridge, IsBridgeTile(v)) << v;
    const bool landKind = k == TileKind::Land || k == TileKind::Road || k == TileKind::Building ||
                          k == TileKind::BoatRamp || k == TileKind::GasPump || k == TileKind::EdgeMarker ||
                          k == TileKind::WeighInFlag;
    if (v < kFirstLandTile) {
      EXPECT_FALSE(landKind) << v << " lies in the water range";
    }
    if (v >= kFirstLandTile && !IsBridgeTile(v)) {
      EXPECT_TRUE(landKind || k == TileKind::Spare) << v;
    }
  }
  for (int v : {0, 21, 22, 26, 27, 28, 29, 86, 88, 91, 102, 115, 147, 148}) EXPECT_TRUE(InWaterColourTable(v)) << v;
}

// Whether every pixel of one edge of a tile is water (or land).
bool EdgeAll(int v, int side, bool water) {
  for (int i = 0; i < 32; ++i) {
    const int x = side == kE ? 31 : side == kW ? 0 : i;
    const int y = side == kS ? 31 : side == kN ? 0 : i;
    if (IsWater(v, x, y) != water) return false;
  }
  return true;
}

TEST(TileCatalogue, ShorePiecesShowLandAndWaterOnTheSidesTheCatalogueNames) {
  struct SideInfo {
    std::uint8_t side, left, right, cornerA, cornerB;
  };
  const SideInfo sides[] = {
      {kN, kW, kE, kNW, kNE}, {kE, kN, kS, kNE, kSE}, {kS, kE, kW, kSE, kSW}, {kW, kS, kN, kSW, kNW}};
  for (int v = 0; v < 256; ++v) {
    if (!IsShoreKind(v)) continue;
    const std::uint8_t land = Tile(v).land;
    for (const SideInfo& s : sides) {
      if (land & s.side) {
        EXPECT_TRUE(EdgeAll(v, s.side, false)) << "tile " << v << " should show land along side " << int(s.side);
      } else if (!(land & (s.left | s.right | s.cornerA | s.cornerB))) {
        EXPECT_TRUE(EdgeAll(v, s.side, true)) << "tile " << v << " should be open water along side " << int(s.side);
      }
    }
  }
}

// Counts the pixels where the last column (row) of `a` and the first column
// (row) of `b`, side by side (one above the other), disagree about water.
int SeamMismatches(int a, int b, bool horizontal) {
  int n = 0;
  for (int i = 0; i < 32; ++i)
    n += horizontal ? IsWater(a, 31, i) != IsWater(b, 0, i) : IsWater(a, i, 31) != IsWater(b, i, 0);
  return n;
}

// Whether two shore pieces may stand side by side (`b` east of `a`), judged
// only from what each expects of the cells they share.
bool MayNeighbourEastWest(std::uint8_t a, std::uint8_t b) {
  if ((a & kE) || (b & kW)) return false;
  auto agree = [](bool sideLand, bool diagLand, bool otherSide) { return sideLand || diagLand == otherSide; };
  return agree(a & kN, a & kNE, b & kN) && agree(b & kN, b & kNW, a & kN) && agree(a & kS, a & kSE, b & kS) &&
         agree(b & kS, b & kSW, a & kS);
}

// The same with the land mask turned a quarter: `b` south of `a`.
std::uint8_t Transpose(std::uint8_t m) {
  std::uint8_t t = 0;
  if (m & kN) t |= kW;
  if (m & kW) t |= kN;
  if (m & kS) t |= kE;
  if (m & kE) t |= kS;
  if (m & kNW) t |= kNW;
  if (m & kSE) t |= kSE;
  if (m & kNE) t |= kSW;
  if (m & kSW) t |= kNE;
  return t;
}

TEST(TileCatalogue, NeighbouringShorePiecesJoinWithoutASeam) {
  int pairs = 0;
  for (int a = 0; a < 150; ++a)
    for (int b = 0; b < 150; ++b) {
      const bool plainA = Tile(a).kind == TileKind::Shore || a == 0;
      const bool plainB = Tile(b).kind == TileKind::Shore || b == 0;
      if (!plainA || !plainB) continue;
      const std::uint8_t la = Tile(a).land;
      const std::uint8_t lb = Tile(b).land;
      if (MayNeighbourEastWest(la, lb)) {
        EXPECT_LE(SeamMismatches(a, b, true), 2) << a << " west of " << b;
        ++pairs;
      }
      if (MayNeighbourEastWest(Transpose(la), Transpose(lb))) {
        EXPECT_LE(SeamMismatches(a, b, false), 2) << a << " north of " << b;
        ++pairs;
      }
    }
  EXPECT_GT(pairs, 300);  // the check is not vacuous
}

TEST(TileCatalogue, TilesMdIsTheCatalogueAsPrinted) {
  QFile f(QStringLiteral(LWK_ARTGEN_SOURCE_DIR "/TILES.md"));
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_TRUE(f.readAll().toStdString() == art::TilesMarkdown())
      << "reprint it: lwk-artgen --tiles-md > tools/artgen/TILES.md";
}

}  // namespace
}  // namespace lwk
