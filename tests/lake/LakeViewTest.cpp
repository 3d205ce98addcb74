#include <gtest/gtest.h>

#include "lake/BoatSprite.h"
#include "lake/LakeTestData.h"
#include "lake/LakeViewRules.h"
#include "lake/WaterColours.h"
#include "shell/Game.h"
#include "support/TestPort.h"

namespace lwk {
namespace {

struct LakeViewRules : ::testing::Test {
  TestPort port;
  Game game{port};
  void SetUp() override {
    port.game = &game;
    game.pictures.TileBitmaps = testdata::FlatTiles();
    QImage boat(16, 16, QImage::Format_RGB32);
    boat.fill(qRgb(250, 250, 250));
    game.pictures.boat.frames.assign(8, boat);
    game.lake.LakeGrid.fill(0);
    game.ResetGameState();
    game.lakeView.setViewSize(448, 352);  // 14 x 11 tiles
    game.view.lakeVisible = true;
  }
  void boatAt(int col, int row) {
    game.boat.BoatCol = static_cast<std::uint8_t>(col);
    game.boat.BoatRow = static_cast<std::uint8_t>(row);
    game.boat.BoatX = (col - game.lakeView.leftCol()) * 32;
    game.boat.BoatY = (row - game.lakeView.topRow()) * 32;
    RecomputeBoatProbes(game);
    SaveBoatBackground(game);
  }
};

TEST_F(LakeViewRules, FindMyBoatCentresTheBoatWithinTheLake) {
  const struct { int boatCol, firstCol; } cases[] = {{3, 0}, {100, 93}, {199, 185}};
  for (const auto& c : cases) {
    game.lakeView.scrollTo(50, 50);
    game.boat.BoatCol = static_cast<std::uint8_t>(c.boatCol);
    game.boat.BoatRow = 100;
    FindBoatBtnClick(game);
    EXPECT_EQ(game.lakeView.leftCol(), c.firstCol) << c.boatCol;
    EXPECT_EQ(game.lakeView.topRow(), 95);
  }
  EXPECT_TRUE(port.boxes.empty());
  EXPECT_FALSE(game.DialogUp);
}

TEST_F(LakeViewRules, UnderABridgeTheBoatIsHiddenAndFindMyBoatSaysSo) {
  game.lake.LakeGrid.at(20, 20) = 77;
  boatAt(20, 20);
  ASSERT_EQ(game.boat.BowCol, 20);
  EXPECT_NE(game.lakeView.pixel(game.boat.BoatX + 7, game.boat.BoatY + 7), qRgb(250, 250, 250));
  FindBoatBtnClick(game);
  EXPECT_EQ(port.texts(), std::vector<std::string>{"Your boat is under the bridge, so\rit's not currently visible."});
  boatAt(22, 20);
  EXPECT_EQ(game.lakeView.pixel(game.boat.BoatX + 7, game.boat.BoatY + 7), qRgb(250, 250, 250));
}

TEST_F(LakeViewRules, ScrollingKeepsTheBoatOnItsLakeSpot) {
  game.lakeView.scrollTo(10, 10);
  boatAt(15, 14);
  const int x = game.boat.BoatX, y = game.boat.BoatY;
  game.lakeView.scrollTo(11, 10);  // one column to the right
  EXPECT_EQ(game.boat.BoatX, x - 32);
  EXPECT_EQ(game.boat.BoatY, y);
  EXPECT_EQ(game.boat.BoatCol, 15);
  EXPECT_EQ(game.PrevLeftCol, 11);
  // The boat is drawn again over the fresh tiles.
  EXPECT_EQ(game.lakeView.pixel(game.boat.BoatX + 7, game.boat.BoatY + 7), qRgb(250, 250, 250));
  // Requests beyond the grid are clamped to the last whole page.
  game.lakeView.scrollTo(500, -4);
  EXPECT_EQ(game.lakeView.leftCol(), 200 - 14);
  EXPECT_EQ(game.lakeView.topRow(), 0);
  EXPECT_EQ(game.boat.BoatX, (15 - 186) * 32);
}

TEST_F(LakeViewRules, WaterIsDecidedByTheColourOnTheView) {
  game.lake.LakeGrid.at(1, 0) = 150;  // land
  game.lakeView.scrollTo(0, 0);
  game.lakeView.paintAll();
  BuildWaterColours(game);
  EXPECT_TRUE(WaterTest(game, 5, 5));
  EXPECT_EQ(game.boat.SampledColour, game.lakeView.pixel(5, 5));
  EXPECT_FALSE(WaterTest(game, 40, 5));
  EXPECT_FALSE(WaterTest(game, -1, 5));  // outside the view
}

}  // namespace
}  // namespace lwk
