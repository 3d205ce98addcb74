// Casting: reach, the pull toward the bow, the partner's water, the splash,
// the shore cast and the refusals.

#include <cmath>

#include "boat/Traffic.h"
#include "fishing/FishingFixture.h"
#include "lake/OpenLake.h"

namespace lwk {
namespace {

TEST(CastGeometry, ReachByRodLifeJacketAndLevel) {
  EXPECT_EQ(CastReach(3, true, Novice), 28);
  EXPECT_EQ(CastReach(9, false, Professional), 84);
  EXPECT_EQ(CastReach(0, false, Practice), 65);
  EXPECT_EQ(CastReach(0, false, Intermediate), 65);
  EXPECT_EQ(CastReach(15, true, Practice), 67);
}

TEST(CastGeometry, ALongCastLandsOnTheLineWithinReachInEveryQuadrant) {
  const int bowX = 300, bowY = 300, reach = 40;
  const struct {
    int x, y;
  } targets[] = {{500, 300}, {100, 300}, {300, 100}, {300, 500}, {440, 160},
                 {160, 160}, {160, 440}, {440, 440}, {480, 250}, {130, 380}};
  for (const auto& t : targets) {
    SCOPED_TRACE(std::to_string(t.x) + "," + std::to_string(t.y));
    int x = t.x, y = t.y;
    const double d0 = std::hypot(bowX - x, bowY - y);
    const int moves = CastDistanceLimit(reach, bowX, bowY, x, y);
    const double d = std::hypot(bowX - x, bowY - y);
    EXPECT_LE(d, reach);
    EXPECT_GT(d, reach - 9);  // the last move is made from within reach
    EXPECT_LE(moves, static_cast<int>((d0 - reach) / 4) + 2);
    // Every move went toward the bow: the target stayed on its side of it.
    EXPECT_GE((t.x - bowX) * (x - bowX), 0);
    EXPECT_GE((t.y - bowY) * (y - bowY), 0);
    // And it stayed near the line of the click (within the rounding).
    const double cross = std::abs(static_cast<double>((t.x - bowX) * (y - bowY) - (t.y - bowY) * (x - bowX))) / d0;
    EXPECT_LT(cross, 0.5 * moves + 1);
  }
  // Within reach nothing moves.
  int x = 320, y = 300;
  EXPECT_EQ(CastDistanceLimit(reach, bowX, bowY, x, y), 0);
  EXPECT_EQ(x, 320);
  // Straight up or down when the click is above or below the bow.
  x = 300;
  y = 100;
  CastDistanceLimit(reach, bowX, bowY, x, y);
  EXPECT_EQ(x, 300);
}

TEST(CastGeometry, TheRearOfTheBoatByHeading) {
  // (dx, dy) = bow - target: dx > 0 is west of the bow, dy > 0 north.
  const struct {
    int heading, dx, dy;
    bool rear;
  } cases[] = {
      {0, 0, -30, true},   {0, 0, 30, false},    {0, 30, 0, false},  // up: behind is south
      {1, 30, -30, true},  {1, -30, 30, false},                      // up-right: behind is south-west
      {2, 30, 0, true},    {2, -30, 0, false},   {2, 0, 30, false},  // right: a click above counts as west
      {3, 30, 30, true},   {3, -30, -30, false},                     // down-right: behind is north-west
      {4, 0, 30, true},    {4, 0, -30, false},                       // down: behind is north
      {5, -30, 30, true},  {5, 30, -30, false},                      // down-left: behind is north-east
      {6, -30, 0, true},   {6, 30, 0, false},                        // left: behind is east
      {7, -30, -30, true}, {7, 30, 30, false},                       // up-left: behind is south-east
  };
  for (const auto& c : cases)
    EXPECT_EQ(IsRearCast(c.heading, c.dx, c.dy), c.rear) << c.heading << " " << c.dx << "," << c.dy;
}

struct Casting : FishingLake {};

TEST_F(Casting, TheLineComesOffExactlyAtEveryAngle) {
  const QImage before = g.lakeView.surface().copy();
  for (int a = 0; a < 360; a += 7) {
    const int x = 300 + static_cast<int>(std::lround(90 * std::cos(a * 0.01745))),
              y = 240 + static_cast<int>(std::lround(90 * std::sin(a * 0.01745)));
    g.lakeView.xorLine(300, 240, x, y);
    // Two pixels wide all along, and no pixel of it is water any more.
    int changed = 0;
    for (int yy = 0; yy < 480; ++yy)
      for (int xx = 0; xx < 640; ++xx) changed += g.lakeView.pixel(xx, yy) != before.pixel(xx, yy);
    EXPECT_EQ(changed, 2 * (std::max(std::abs(x - 300), std::abs(y - 240)) + 1)) << a;
    EXPECT_FALSE(WaterTest(g, x, y)) << a;
    g.lakeView.xorLine(300, 240, x, y);
    ASSERT_EQ(g.lakeView.surface(), before) << a;
  }
  // Off the surface it is clipped, never written outside.
  g.lakeView.xorLine(600, 400, 900, 900);
  g.lakeView.xorLine(600, 400, 900, 900);
  EXPECT_EQ(g.lakeView.surface(), before);
}

TEST_F(Casting, ACastOnOpenWaterSplashesReelsInAndLeavesTheLakeAsItWas) {
  tickingMainTimer();
  const QImage before = g.lakeView.surface().copy();
  g.tour.DayTimeLeft = 10000;
  bool sawSplash = false, sawLine = false;
  port.duringWait = [&] {
    sawSplash = sawSplash || g.lakeView.pixel(g.fishing.BaitX, g.fishing.BaitY) == kSplashWhite;
    sawLine = sawLine || g.fishing.LineDrawn;
    EXPECT_FALSE(g.fishing.LakeViewEnabled);
  };
  castAt(0, -40);
  EXPECT_TRUE(sawSplash);
  EXPECT_TRUE(sawLine);
  EXPECT_TRUE(g.tour.ClockRunning);
  EXPECT_EQ(g.tour.stats.CastCount, 1);
  EXPECT_FALSE(g.fishing.FishOn);
  EXPECT_TRUE(g.fishing.LakeViewEnabled);
  EXPECT_EQ(g.view.status[2], " ");
  // Reeled 40 pixels on Slow: 40 seconds; the main timer ran meanwhile.
  EXPECT_LT(g.tour.DayTimeLeft, 10000 - 40);
  EXPECT_EQ(g.lakeView.surface(), before);
  ASSERT_GE(port.sounds.size(), 2u);
  EXPECT_EQ(port.sounds[0].name, "MYWSH1.WAV");
  EXPECT_EQ(port.sounds[0].mode, SoundMode::Sync);
  EXPECT_EQ(port.sounds[1].name, "MYPLOP.WAV");
  EXPECT_EQ(port.stuckWaits, 0);
}

TEST_F(Casting, ACastOntoLandDrawsNoSplashAndMayLoseTheBait) {
  for (int c = 20; c <= 21; ++c) setTile(c, 19, 150);
  for (int lose : {0, 1}) {
    SCOPED_TRACE(lose);
    port.sounds.clear();
    port.boxes.clear();
    g.fishing.CurrentBait = 5;
    bool sawSplash = false;
    port.duringWait = [&] {
      sawSplash = sawSplash || g.lakeView.pixel(g.fishing.BaitX, g.fishing.BaitY) == kSplashWhite;
    };
    const int casts = g.tour.stats.CastCount;
    const int time = g.tour.DayTimeLeft;
    g.Random.script({lose ? 0 : 3});
    castAt(0, -20);
    EXPECT_FALSE(sawSplash);
    ASSERT_EQ(port.sounds.size(), 1u);  // the whoosh only, no plop
    ASSERT_EQ(port.boxes.size(), 1u);
    EXPECT_EQ(port.boxes[0].text, lose ? "A WILD cast proves costly!\r\rYou have lost your bait, and some fishing time."
                                       : "Your errant cast almost caused you to\rlose your bait!");
    EXPECT_EQ(g.fishing.CurrentBait, lose ? 255 : 5);
    EXPECT_EQ(g.tour.stats.CastCount, casts + 1);
    EXPECT_GE(g.tour.DayTimeLeft, time - 1);  // nothing charged beyond the clock's own seconds
    EXPECT_FALSE(g.fishing.FishOn);
    EXPECT_FALSE(g.fishing.LineDrawn);
  }
  EXPECT_TRUE(port.neverInterruptedWithTimer());
}

TEST_F(Casting, RefusedCastsCountNothingAndLeaveTheClockStopped) {
  const struct {
    int rod, bait, throttle;
    bool outboard;
    int dy;
    const char* message;  // null: nothing at all happens
    bool formulaCounts;
  } cases[] = {
      {255, 5, 0, false, -30, "You must select a rod to use\rbefore you can cast.", true},
      {3, 255, 0, false, -30,
       "Your rod has no bait attached.\r\rThe rod cannot be cast without a bait.\rClick on the Tackle Box button to "
       "choose a bait.",
       true},
      {3, 5, 0, false, 30,
       "Casting toward the rear of the boat\ris not permitted.\r\rThat area  is your partner's water!", true},
      {3, 5, 5, true, -30,
       "Tournament rules prohibit casting while\rthe outboard motor is running. Doing so may\rcause disqualification!",
       false},
      {3, 5, 5, false, -30, nullptr, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message ? c.message : "throttle without outboard");
    port.boxes.clear();
    g.fishing.CurrentRod = c.rod;
    g.fishing.CurrentBait = c.bait;
    g.boat.ThrottleSetting = c.throttle;
    g.boat.OutboardOn = c.outboard;
    g.fishing.FormulaCastsLeft = 5;
    castAt(0, c.dy);
    if (c.message) {
      ASSERT_EQ(port.boxes.size(), 1u);
      EXPECT_EQ(port.boxes[0].text, c.message);
      EXPECT_FALSE(port.boxes[0].mainTimerRunning);
    } else {
      EXPECT_TRUE(port.boxes.empty());
    }
    EXPECT_EQ(g.fishing.FormulaCastsLeft, c.formulaCounts ? 4 : 5);
    EXPECT_FALSE(g.tour.ClockRunning);
    EXPECT_EQ(g.tour.stats.CastCount, 0);
    EXPECT_FALSE(g.fishing.FishOn);
    EXPECT_TRUE(g.timerEnabled(TimerId::Main));
  }
}

TEST_F(Casting, TheLakeViewCannotScrollWhileTheLineIsOut) {
  const int left = g.lakeView.leftCol();
  port.duringWait = [&] {
    g.lakeView.scrollTo(left + 3, 9);
    FindBoatBtnClick(g);
    EXPECT_EQ(g.lakeView.leftCol(), left);
  };
  castAt(0, -40);
  port.duringWait = nullptr;
  EXPECT_EQ(g.lakeView.leftCol(), left);
  EXPECT_TRUE(g.lakeView.scrollTo(left + 3, 9));  // and can again once it is back
}

TEST_F(Casting, AJetSkiCrossingTheLineLeavesNoLinePixelsOnTheLake) {
  g.pictures.jetSkis.frameW = g.pictures.jetSkis.frameH = 18;
  g.pictures.jetSkis.frames.assign(4, Solid(18, 18, 0xFFFFFFFF));
  g.JetSkisEnabled = true;
  tickingMainTimer();
  auto& t = g.boat.traffic;
  t.JetSkisPlaced = true;
  // One ski runs right along a row that the line crosses; the other far away.
  const int lakeLeft = g.lakeView.leftCol() * kTilePixels, lakeTop = g.lakeView.topRow() * kTilePixels;
  t.JetSkis[0] = Craft{lakeLeft + bowX() - 60, lakeTop + bowY() - 90, 1, {}};
  t.JetSkis[1] = Craft{45 * 32, 45 * 32, 1, {}};
  for (size_t i = 0; i < 2; ++i) t.JetSkis[i].under.valid = false;
  // No new directions: the skis run down-right across the line.
  bool crossed = false;
  port.duringWait = [&] {
    if (g.Random.scriptEmpty()) g.Random.script({1});
    const int x = t.JetSkis[0].x - lakeLeft, y = t.JetSkis[0].y - lakeTop;
    const auto& f = g.fishing;
    crossed = crossed || (f.LineDrawn && x <= f.LineX && f.LineX < x + 18 && y + 18 > f.LineY && y < bowY());
  };
  const QImage before = g.lakeView.surface().copy();
  castAt(0, -60);
  port.duringWait = nullptr;
  g.Random.clearScript();
  EXPECT_TRUE(crossed);
  // Take the skis off: what is left is the lake, exactly as before the cast.
  for (size_t i = 2; i-- > 0;) RestorePatch(g.lakeView, t.JetSkis[i].under);
  EXPECT_EQ(g.lakeView.surface(), before);
}

TEST_F(Casting, ClosingTheGameMidRetrieveEndsTheCastCountingNothing) {
  g.tour.DayTimeLeft = 10000;
  int turns = 0;
  port.duringWait = [&] {
    if (++turns == 5) g.FormClose();  // a few steps into the retrieve
  };
  const QImage before = g.lakeView.surface().copy();
  castAt(0, -40);
  EXPECT_EQ(turns, 5);
  EXPECT_FALSE(g.fishing.FishOn);
  EXPECT_FALSE(g.fishing.LineDrawn);
  EXPECT_EQ(g.lakeView.surface(), before);
  EXPECT_EQ(g.tour.stats.CastCount, 0);
  EXPECT_EQ(g.WaitDepth, 0);
  for (TimerId id : {TimerId::Plop, TimerId::Delay, TimerId::Retreive, TimerId::Strike, TimerId::Fight})
    EXPECT_FALSE(g.timerEnabled(id));
}

}  // namespace
}  // namespace lwk

namespace lwk {
namespace {

TEST_F(Casting, PickingALakeMidFightEndsTheCastFirstThenAsksForTheLake) {
  FishSlot& fish = fishAt(bowX(), bowY() - 36, 0);
  port.openFiles.push_back(std::nullopt);  // the player then cancels the dialog
  std::size_t filesLeftInFight = 0;
  bool picked = false;
  port.duringWait = [&] {
    if (g.timerEnabled(TimerId::Strike)) pressSpace();
    if (g.timerEnabled(TimerId::Fight) && !picked) {
      picked = true;
      PickLakeClick(g);
      filesLeftInFight = port.openFiles.size();
    }
  };
  g.Random.script({0, 1, 0, 0, 0, 1, 50, 0});  // splash; strike; twitch; 1.50 lb; seven rounds
  castAt(0, -40);
  EXPECT_TRUE(picked);
  EXPECT_EQ(filesLeftInFight, 1u);  // not asked while the fight was waiting
  EXPECT_EQ(g.fishing.LastFight.end, FightEnd::None);
  EXPECT_EQ(fish.Species, 0);  // the fish was neither landed nor lost
  EXPECT_EQ(g.tour.stats.CastCount, 0);
  EXPECT_EQ(g.tour.stats.FishLost, 0);
  EXPECT_FALSE(g.fishing.FishOn);
  port.runPosted();
  EXPECT_TRUE(port.openFiles.empty());  // and now the lake dialog opened
}

}  // namespace
}  // namespace lwk

namespace lwk {
namespace {

TEST_F(Casting, ResizingTheViewMidRetrieveKeepsTheLineAndTheViewWhereTheyAre) {
  LakeViewResized(g, 700, 500);
  const QImage expected = g.lakeView.surface().copy();
  LakeViewResized(g, 640, 480);
  const int left = g.lakeView.leftCol();
  int turns = 0;
  port.duringWait = [&] {
    if (++turns == 4) LakeViewResized(g, 700, 500);
  };
  castAt(0, -40);
  EXPECT_GT(turns, 4);
  EXPECT_EQ(g.lakeView.leftCol(), left);
  EXPECT_EQ(g.lakeView.surface(), expected);
}

}  // namespace
}  // namespace lwk
