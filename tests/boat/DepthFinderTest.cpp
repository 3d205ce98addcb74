#include <QDir>
#include <cmath>

#include "boat/BoatFixture.h"
#include "boat/DepthFinder.h"

namespace lwk {
namespace {

struct DepthFinder : BoatLake {
  void SetUp() override {
    BoatLake::SetUp();
    // Digit pictures of one colour each: digit n is (n, 200, 0).
    g.pictures.lcd.frameW = 11;
    g.pictures.lcd.frameH = 17;
    for (int n = 0; n < 11; ++n) g.pictures.lcd.frames.push_back(Solid(11, 17, qRgb(n, 200, 0)));
    g.pictures.singles["LCDclear"] = Solid(33, 17, qRgb(50, 50, 50));
    placeBoat(14, 12, 0);
    GraphOnClick(g);
  }
  QRgb at(int x, int y) const { return g.view.graphScreen.pixel(x, y); }
  // A fish 6 feet down in the bow's cell.
  void fish() {
    FishSlot f;
    f.Species = 0;
    f.Depth = 6;
    g.lake.FishSlots.at(g.boat.BowCol, g.boat.BowRow)[2] = f;
  }
  bool anyRed() const {
    for (int x = 0; x < 64; ++x)
      for (int y = 0; y < 64; ++y)
        if (at(x, y) == 0xFFFF0000u) return true;
    return false;
  }
  void depth(int feet) { g.lake.DepthMap.at(g.boat.BowCol, g.boat.BowRow) = static_cast<std::uint8_t>(feet); }
};

TEST_F(DepthFinder, TheBottomIsDrawnToTheScaleOfTheDepth) {
  const struct {
    int feet, bottomY;
    const char* label;
  } cases[] = {{8, 32, "10"}, {15, 30, "20"}, {25, 31, "30"}, {35, 35, "40"}};
  for (const auto& c : cases) {
    depth(c.feet);
    GraphStep(g);
    EXPECT_EQ(g.boat.depth.BottomY, c.bottomY) << c.feet;
    EXPECT_EQ(g.view.lcdMaxDepth, c.label);
    EXPECT_EQ(at(63, c.bottomY - 1), kAqua) << c.feet;
    EXPECT_EQ(at(63, c.bottomY + 1), 0xFF0000FFu) << c.feet;
  }
}

TEST_F(DepthFinder, ThePictureScrollsLeftAndTheDigitsShowTheDepth) {
  depth(8);
  GraphStep(g);
  depth(35);
  GraphStep(g);
  // The 8-foot bottom moved one pixel left; the 35-foot one is new.
  EXPECT_EQ(at(61, 33), 0xFF0000FFu);
  EXPECT_EQ(at(63, 33), kAqua);

  depth(105);
  GraphStep(g);
  EXPECT_EQ(at(0, 45), qRgb(1, 200, 0));
  EXPECT_EQ(at(11, 45), qRgb(0, 200, 0));
  EXPECT_EQ(at(22, 45), qRgb(5, 200, 0));
  depth(7);
  GraphStep(g);
  EXPECT_EQ(at(0, 45), qRgb(7, 200, 0));
  EXPECT_EQ(at(11, 45), qRgb(50, 50, 50));  // the blank field behind one digit
}

TEST_F(DepthFinder, FishShowOncePerCell) {
  depth(20);
  fish();
  GraphStep(g);
  EXPECT_TRUE(anyRed());
  GraphScreenOn(g);
  GraphStep(g);  // the same cell: its fish are not drawn again
  EXPECT_FALSE(anyRed());
  placeBoat(15, 12, 0);
  depth(20);
  fish();
  GraphStep(g);
  EXPECT_TRUE(anyRed());
}

TEST_F(DepthFinder, AFishIsAnArchOverTheUpperHalfOfItsEllipse) {
  // 8 feet: 4 pixels a foot, bottom at 32. A fish 6 feet down: the ellipse
  // bounded by (55, 22) and (63, 50), centre (59, 36), half-axes 4 and 14.
  depth(8);
  fish();
  GraphStep(g);
  auto redNear = [this](double x, double y) {
    for (int dx = -1; dx <= 1; ++dx)
      for (int dy = -1; dy <= 1; ++dy)
        if (at(static_cast<int>(std::lround(x)) + dx, static_cast<int>(std::lround(y)) + dy) == 0xFFFF0000u)
          return true;
    return false;
  };
  // The ends, where the rays from the centre through (63, 22) and (55, 22)
  // meet the ellipse, and the top of the arch.
  const double r = std::sqrt(0.5);
  EXPECT_TRUE(redNear(59 + 4 * r, 36 - 14 * r));
  EXPECT_TRUE(redNear(59 - 4 * r, 36 - 14 * r));
  EXPECT_TRUE(redNear(59, 22));
  // Nothing of the lower half.
  for (int x = 54; x < 64; ++x)
    for (int y = 37; y < 52; ++y) EXPECT_NE(at(x, y), 0xFFFF0000u) << x << "," << y;

  // A look at it: the screen four times its size, after a few more cells.
  for (int i = 0; i < 12; ++i) GraphStep(g);
  placeBoat(15, 12, 0);
  depth(8);
  FishSlot deep;
  deep.Species = 1;
  deep.Depth = 3;
  g.lake.FishSlots.at(g.boat.BowCol, g.boat.BowRow)[0] = deep;
  GraphStep(g);
  const QString dir = QString(LWK_GAME_DIR) + "/../screenshots";
  QDir().mkpath(dir);
  EXPECT_TRUE(g.view.graphScreen.scaled(256, 256).save(dir + "/depth-finder-arches.png"));
}

TEST_F(DepthFinder, OffBlacksOutTheScreen) {
  EXPECT_TRUE(g.boat.DepthFinderOn);
  EXPECT_EQ(at(5, 5), kAqua);
  GraphOffClick(g);
  EXPECT_FALSE(g.boat.DepthFinderOn);
  EXPECT_EQ(at(5, 5), kBlack);
}

}  // namespace
}  // namespace lwk
