#include "boat/BoatFixture.h"
#include "boat/DepthFinder.h"

namespace lwk {
namespace {

struct DepthFinder : BoatLake {
  int fishLookups = 0;
  void SetUp() override {
    BoatLake::SetUp();
    // Digit pictures of one colour each: digit n is (n, 200, 0).
    g.pictures.lcd.frameW = 11;
    g.pictures.lcd.frameH = 17;
    for (int n = 0; n < 11; ++n) g.pictures.lcd.frames.push_back(Solid(11, 17, qRgb(n, 200, 0)));
    g.pictures.singles["LCDclear"] = Solid(33, 17, qRgb(50, 50, 50));
    g.boat.depth.FishAt = [this](int, int) {
      ++fishLookups;
      std::array<FishEcho, 6> fish{};
      fish[2] = {0, 6};
      return fish;
    };
    placeBoat(14, 12, 0);
    GraphOnClick(g);
  }
  QRgb at(int x, int y) const { return g.view.graphScreen.pixel(x, y); }
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
  GraphStep(g);
  GraphStep(g);
  EXPECT_EQ(fishLookups, 1);
  bool red = false;
  for (int x = 50; x < 64; ++x)
    for (int y = 0; y < 64; ++y) red |= at(x, y) == 0xFFFF0000u;
  EXPECT_TRUE(red);
  placeBoat(15, 12, 0);
  depth(20);
  GraphStep(g);
  EXPECT_EQ(fishLookups, 2);
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
