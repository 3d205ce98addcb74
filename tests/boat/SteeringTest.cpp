#include <QtCore/qnamespace.h>

#include "boat/BoatFixture.h"
#include "boat/Motors.h"

namespace lwk {
namespace {

using Steering = BoatLake;

void Outboard(Game& g, int gear) {
  OutBtnClick(g);
  g.view.gearPos = gear;
}

TEST_F(Steering, EachPropulsionMovesItsOwnDistanceAndCostsItsOwnTime) {
  const struct {
    const char* name;
    void (*setUp)(Game&);
    int pixels;
    int seconds;
  } cases[] = {
      {"paddle", [](Game& g) { PaddLeBtnClick(g); }, 1, 20},
      {"trolling at 3",
       [](Game& g) {
         g.view.tmtrSpd = 3;
         TrollBtnClick(g);
       },
       3, 9},
      {"outboard, first press", [](Game& g) { Outboard(g, 0); }, 1, 4},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    g.boat = BoatState{};
    g.boat.LifeJacketOn = true;
    g.lake.WaterColours = BuildWaterColourTable(g.pictures.TileBitmaps);
    g.tour.DayTimeLeft = 1000;
    g.setTimer(TimerId::KeyDown, false);
    placeBoat(14, 12, 2);
    c.setUp(g);
    const int x0 = lakeX();
    key('D');
    EXPECT_EQ(lakeX() - x0, c.pixels);
    EXPECT_EQ(g.tour.DayTimeLeft, 1000 - c.seconds);
    EXPECT_TRUE(g.tour.ClockRunning);
    EXPECT_FALSE(g.boat.BoatStuck);
  }
}

TEST_F(Steering, HoldingAKeyRampsTheOutboardToTwentyPixelsAStep) {
  placeBoat(14, 12, 6);
  Outboard(g, 0);
  key('D');  // starts the ramp at 1
  EXPECT_TRUE(g.timerEnabled(TimerId::KeyDown));
  port.tick(TimerId::KeyDown, 25);
  EXPECT_EQ(g.boat.ThrottleSetting, 20);
  EXPECT_EQ(g.view.throttlePos, 0);
  const int x0 = lakeX();
  const int t0 = g.tour.DayTimeLeft;
  key('D');
  EXPECT_EQ(lakeX() - x0, 20);
  EXPECT_EQ(t0 - g.tour.DayTimeLeft, 4);
  keyUp('D');
  EXPECT_EQ(g.boat.ThrottleSetting, 1);
  EXPECT_EQ(g.view.throttlePos, 19);
  EXPECT_FALSE(g.timerEnabled(TimerId::KeyDown));
}

TEST_F(Steering, ReverseMovesUpStemFirstAndTestsTheStern) {
  setTile(14, 11, 150);  // land right above the boat's cell
  placeBoat(14, 12, 0, 8, 0);
  Outboard(g, 2);
  const int y0 = lakeY();
  key('W');
  EXPECT_FALSE(g.boat.BoatStuck);
  keyUp('W');
  key('W');
  EXPECT_EQ(lakeY(), y0 - 2);
  EXPECT_EQ(g.boat.BoatHeading, 4);  // the sprite faces down
  // The bow (at the bottom) is on water, the stern went into the land above.
  EXPECT_EQ(g.lake.tile(g.boat.BowCol, g.boat.BowRow), 0);
  EXPECT_EQ(g.boat.SternRow, 11);
  EXPECT_TRUE(g.boat.BoatStuck);
}

TEST_F(Steering, SShiftWAndCtrlWDoNothing) {
  placeBoat(14, 12, 0);
  PaddLeBtnClick(g);
  const struct {
    int key, shift;
  } keys[] = {{'S', 0}, {'W', kShiftShift}, {'W', kShiftCtrl}, {'P', 0}, {Qt::Key_Space, 0}};
  for (const auto& k : keys) {
    key(k.key, k.shift);
    EXPECT_EQ(lakeX(), 14 * 32 + 8);
    EXPECT_EQ(lakeY(), 12 * 32 + 8);
    EXPECT_EQ(g.tour.DayTimeLeft, kDaySeconds);
    EXPECT_FALSE(g.tour.ClockRunning);
  }
}

TEST_F(Steering, RefusedStepsTellWhyAndLeaveTheBoatWhereItIs) {
  const struct {
    void (*setUp)(Game&);
    const char* message;
  } cases[] = {
      {[](Game&) {},
       "Before the boat will move, you\rmust start the outboard motor,\rlower the trolling motor, or use "
       "the\remergency "
       "paddle."},
      {[](Game& g) { Outboard(g, 1); },
       "The boat is in NEUTRAL. To move the\rboat with the outboard motor, you must\rshift the gear to forward or "
       "reverse."},
      {[](Game& g) {
         Outboard(g, 0);
         g.boat.FuelLevel = 0;
       },
       "You're OUT OF GAS...remember?"},
      {[](Game& g) {
         TrollBtnClick(g);
         g.boat.TrollBatteryCharge = 0;
       },
       "Your trolling motor battery is dead....remember?"},
  };
  for (const auto& c : cases) {
    g.boat.OutboardOn = g.boat.TrollingOn = g.boat.PaddleOn = false;
    g.boat.ThrottleSetting = 0;
    g.boat.FuelLevel = g.boat.TrollBatteryCharge = 100;
    placeBoat(14, 12, 0);
    c.setUp(g);
    g.setTimer(TimerId::Main, true);
    port.boxes.clear();
    const int y0 = lakeY();
    key('W');
    ASSERT_EQ(port.boxes.size(), 1u) << c.message;
    EXPECT_EQ(port.boxes[0].text, c.message);
    EXPECT_EQ(lakeY(), y0);
    EXPECT_TRUE(g.timerEnabled(TimerId::Main));
    EXPECT_FALSE(port.boxes[0].mainTimerRunning) << c.message;
  }
}

TEST_F(Steering, BridgesNeverBlockAndLandAlwaysBlocks) {
  // A bridge tile is grey, not a water colour, yet the boat passes under it
  // and is not drawn there.
  setTile(15, 12, 77);
  placeBoat(14, 12, 2, 16, 8);
  PaddLeBtnClick(g);
  for (int i = 0; i < 4; ++i) key('D');
  EXPECT_EQ(g.boat.BowCol, 15);
  EXPECT_FALSE(g.boat.BoatStuck);
  EXPECT_TRUE(BoatUnderBridge(g));
  EXPECT_NE(g.lakeView.pixel(g.boat.BoatX + 8, g.boat.BoatY + 8), 0xFFFF0000u);

  // A land tile painted in water colours still blocks.
  g.pictures.TileBitmaps[151] = Solid(32, 32, kWaterBlue);
  setTile(14, 14, 151);
  placeBoat(14, 13, 4, 8, 17);
  key('X');
  EXPECT_TRUE(g.boat.BoatStuck);
}

TEST_F(Steering, TheFarEdgeStopsTheBoatBeforeTheLastTwoCells) {
  for (int c = 190; c < 200; ++c)
    for (int r = 20; r < 22; ++r) g.lake.LakeGrid.at(c, r) = 0;
  scroll(180, 10);
  placeBoat(198, 20, 2);
  Outboard(g, 0);
  g.setTimer(TimerId::KeyDown, true);
  g.boat.ThrottleSetting = 12;
  const int x0 = lakeX();
  key('D');
  EXPECT_EQ(lakeX(), x0);
  EXPECT_EQ(g.boat.ThrottleSetting, 1);
  EXPECT_EQ(g.view.throttlePos, 19);
  EXPECT_FALSE(g.timerEnabled(TimerId::KeyDown));
  key('W');  // up has no edge guard
  EXPECT_LT(lakeY(), 20 * 32 + 8);
}

TEST_F(Steering, PositionsOutsideTheLakeAreBlockedAndNeverIndexTheGrid) {
  for (int c = 0; c < 5; ++c)
    for (int r = 0; r < 5; ++r) g.lake.LakeGrid.at(c, r) = 0;
  scroll(0, 0);
  placeBoat(0, 0, 0, 2, 0);
  PaddLeBtnClick(g);
  key('W');
  EXPECT_FALSE(g.boat.BoatStuck);
  key('W');  // the bow probe leaves the lake
  EXPECT_TRUE(g.boat.BoatStuck);
  key('X');  // backs off
  EXPECT_FALSE(g.boat.BoatStuck);
  EXPECT_EQ(TileForMove(g, -1, 3), kLastColumnMarker);
  EXPECT_EQ(TileForMove(g, 3, 200), kLastColumnMarker);
  EXPECT_EQ(TileForMove(g, 3, 3), 0);
}

TEST_F(Steering, TimeNeverGoesBelowZero) {
  placeBoat(14, 12, 0);
  PaddLeBtnClick(g);
  g.tour.DayTimeLeft = 3;
  key('W');
  EXPECT_EQ(g.tour.DayTimeLeft, 0);
}

TEST_F(Steering, TheViewFollowsTheBoatByAPageAndKeepsItOnTheSameLakeSpot) {
  // 15 rows visible: a page is 12 cells.
  placeBoat(23, 12, 2, 8, 8);  // x = (23 - 5) * 32 + 8: in the third tile from the right
  PaddLeBtnClick(g);
  const int x0 = lakeX();
  key('D');
  EXPECT_EQ(g.lakeView.leftCol(), 17);
  EXPECT_EQ(lakeX(), x0 + 1);
  EXPECT_EQ(g.boat.BoatX, 23 * 32 + 9 - 17 * 32);
  // Near the left edge it scrolls back, not below column 0.
  placeBoat(18, 12, 6, 20, 8);
  key('A');
  EXPECT_EQ(g.lakeView.leftCol(), 5);
  scroll(3, 5);
  placeBoat(4, 12, 6, 20, 8);
  FollowBoat(g);
  EXPECT_EQ(g.lakeView.leftCol(), 0);
  // Near the far edge the first column stops at the last page.
  scroll(178, 5);
  placeBoat(196, 12, 2);
  EXPECT_TRUE(FollowBoat(g));
  EXPECT_EQ(g.lakeView.leftCol(), 180);
}

}  // namespace
}  // namespace lwk
