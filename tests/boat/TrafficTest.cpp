#include "boat/BoatFixture.h"
#include "boat/Motors.h"
#include "boat/Traffic.h"

namespace lwk {
namespace {

struct Traffic : BoatLake {
  void SetUp() override {
    BoatLake::SetUp();
    g.pictures.canoes.frameW = 18;
    g.pictures.canoes.frameH = 9;
    g.pictures.canoes.frames = {Solid(18, 9, 0xFF00FF00), Solid(18, 9, 0xFFFF8000)};
    g.pictures.jetSkis.frameW = g.pictures.jetSkis.frameH = 18;
    g.pictures.jetSkis.frames.assign(4, Solid(18, 18, 0xFFFFFFFF));
    g.CanoesEnabled = g.JetSkisEnabled = true;
    // Every timer in its start-up state (the crash timer runs from the start).
    for (int i = 0; i < kTimerCount; ++i)
      port.timerChanged(static_cast<TimerId>(i), g.timers[i].intervalMs, g.timers[i].enabled);
  }
  // Pixels of the crash picture left on the lake view.
  int crashPixels() const {
    int n = 0;
    const QImage& s = g.lakeView.surface();
    for (int y = 0; y < s.height(); ++y)
      for (int x = 0; x < s.width(); ++x) n += s.pixel(x, y) == 0xFFFFFF00u;
    return n;
  }
  // Puts craft i of a kind at a lake pixel, drawn there.
  void putJetSki(size_t i, int x, int y, int dir) {
    Craft& c = g.boat.traffic.JetSkis[i];
    c.x = x;
    c.y = y;
    c.dir = dir;
    c.under.valid = false;
    g.boat.traffic.JetSkisPlaced = true;
  }
};

TEST_F(Traffic, CraftArePlacedOnOpenWaterApartFromEachOther) {
  // Canoe 1: land, then (20, 30). Canoe 2: same column, same row, then (21, 31).
  // Jet ski 1: (40, 40); jet ski 2: (41, 41).
  g.Random.script({0, 0, 20, 30, 20, 35, 25, 30, 21, 31, 40, 40, 41, 41});
  PlaceWaterTraffic(g);
  const auto& t = g.boat.traffic;
  EXPECT_EQ(t.Canoes[0].x, 20 * 32);
  EXPECT_EQ(t.Canoes[0].y, 30 * 32);
  EXPECT_EQ(t.Canoes[1].x, 21 * 32);
  EXPECT_EQ(t.Canoes[1].y, 31 * 32);
  EXPECT_EQ(t.JetSkis[1].x, 41 * 32);
  EXPECT_TRUE(t.CanoesPlaced && t.JetSkisPlaced);
  EXPECT_TRUE(g.Random.scriptEmpty());

  // A lake without a single open-water cell places nothing and never hangs.
  g.lake.LakeGrid.fill(150);
  PlaceWaterTraffic(g);
  EXPECT_FALSE(g.boat.traffic.CanoesPlaced || g.boat.traffic.JetSkisPlaced);
  CanoeStep(g);
  JetSkiStep(g);
}

TEST_F(Traffic, CanoesTurnAtTheShoreAndJetSkisBounceOffIt) {
  auto& t = g.boat.traffic;
  t.CanoesPlaced = true;
  t.Canoes[0] = Craft{10 * 32, 12 * 32, 0, {}};  // on the basin's left edge, moving left
  t.Canoes[1] = Craft{20 * 32, 12 * 32, 1, {}};
  CanoeStep(g);
  EXPECT_EQ(t.Canoes[0].x, 10 * 32 - 1);
  EXPECT_EQ(t.Canoes[0].dir, 1);  // turned, comes back next step
  EXPECT_EQ(t.Canoes[1].x, 20 * 32 + 1);
  // Its sprite is drawn at its view position and taken away again.
  EXPECT_EQ(g.lakeView.pixel(20 * 32 + 1 - 5 * 32 + 5, 12 * 32 - 5 * 32 + 4), 0xFFFF8000u);
  CanoeStep(g);
  EXPECT_EQ(t.Canoes[0].x, 10 * 32);
  EXPECT_EQ(g.lakeView.pixel(20 * 32 + 1 - 5 * 32, 12 * 32 - 5 * 32 + 4), kWaterBlue);

  // A jet ski heading up-left into the land beyond row 10 comes straight back.
  putJetSki(0, 12 * 32, 10 * 32 + 1, 3);
  putJetSki(1, 30 * 32, 30 * 32, 1);
  g.Random.script({1, 0, 0});  // no new directions; then only the bounced ski redraws a direction
  JetSkiStep(g);
  EXPECT_EQ(t.JetSkis[0].x, 12 * 32);
  EXPECT_EQ(t.JetSkis[0].y, 10 * 32 + 1);
  EXPECT_EQ(t.JetSkis[0].dir, 1);
  EXPECT_EQ(t.JetSkis[1].x, 30 * 32 + 3);
  EXPECT_EQ(t.JetSkis[1].y, 30 * 32 + 3);

  // Nothing moves while a dialog is up or a lake loads.
  g.DialogUp = true;
  JetSkiStep(g);
  CanoeStep(g);
  EXPECT_EQ(t.JetSkis[1].x, 30 * 32 + 3);
  EXPECT_EQ(t.Canoes[1].x, 20 * 32 + 2);
}

TEST_F(Traffic, HittingTheShoreStrandsTheBoatUntilItBacksOff) {
  setTile(14, 11, 150);
  placeBoat(14, 12, 0, 8, 0);
  OutBtnClick(g);
  g.view.gearPos = 0;
  g.tour.DayTimeLeft = 5000;
  g.Random.script({0, 5});  // kapow, then 2 + 5 minutes lost
  key('W');
  key('W');
  EXPECT_TRUE(g.boat.BoatStuck);
  EXPECT_EQ(g.boat.StuckMode, 0);
  EXPECT_EQ(g.boat.BumpCount, 1);
  EXPECT_EQ(g.boat.ThrottleSetting, 1);
  EXPECT_EQ(g.tour.DayTimeLeft, 5000 - 8 - 7 * 60);
  EXPECT_EQ(g.view.status[2], "  7 minutes of fishing time are lost while you check your boat for damage.");
  EXPECT_TRUE(g.timerEnabled(TimerId::Crash));
  port.tick(TimerId::Crash);
  EXPECT_FALSE(g.timerEnabled(TimerId::Crash));

  const int y0 = lakeY();
  key('X');  // forward gear: refused
  key('W');
  EXPECT_EQ(lakeY(), y0);
  EXPECT_TRUE(g.boat.BoatStuck);
  g.view.gearPos = 2;
  key('X');
  EXPECT_FALSE(g.boat.BoatStuck);
  EXPECT_EQ(lakeY(), y0 + 1);
  EXPECT_EQ(g.boat.BumpCount, 0);  // the bow is on open water again
}

TEST_F(Traffic, BackingOffAtOnceFreesTheBoatAndTheCrashPictureGoes) {
  // Key repeats 30 ms apart: the player shifts to Reverse and backs off well
  // before the crash timer is due.
  setTile(14, 11, 150);
  placeBoat(14, 12, 0, 8, 0);
  OutBtnClick(g);
  g.view.gearPos = 0;
  for (int i = 0; i < 5 && !g.boat.BoatStuck; ++i) {
    key('W');
    port.advance(30);
  }
  ASSERT_TRUE(g.boat.BoatStuck);
  EXPECT_GT(crashPixels(), 0);
  const int left = g.tour.DayTimeLeft;
  const int y0 = lakeY();
  g.view.gearPos = 2;
  for (int i = 0; i < 5; ++i) {
    key('X');
    port.advance(30);
  }
  EXPECT_FALSE(g.boat.BoatStuck);
  EXPECT_EQ(g.boat.BumpCount, 0);
  EXPECT_GT(lakeY(), y0);
  EXPECT_EQ(g.tour.DayTimeLeft, left - 5 * 4);  // five steps, no more damage checks
  EXPECT_EQ(crashPixels(), 0);
  port.advance(500);
  EXPECT_EQ(crashPixels(), 0);
}

TEST_F(Traffic, ACollisionMessageLeftOpenLeavesNoCrashPictureBehind) {
  for (bool jetSki : {true, false}) {
    SCOPED_TRACE(jetSki ? "jet ski" : "canoe");
    auto& t = g.boat.traffic;
    t = TrafficState{};
    placeBoat(14, 12, 0);
    g.boat.PaddleOn = true;
    g.boat.BumpCount = 0;
    t.JetSkisPlaced = t.CanoesPlaced = true;
    t.JetSkis[0] = Craft{30 * 32, 30 * 32, 0, {}};
    t.Canoes[1] = Craft{40 * 32, 31 * 32, 0, {}};
    if (jetSki)
      t.JetSkis[1] = Craft{14 * 32 + 2, 12 * 32 + 2, 0, {}};
    else
      t.Canoes[0] = Craft{14 * 32 + 2, 12 * 32 + 20, 0, {}};
    g.setTimer(TimerId::Main, true);
    port.boxes.clear();
    port.onBox = [this](const TestPort::Box&) { port.advance(3000); };
    Collide(g);
    port.onBox = nullptr;
    ASSERT_EQ(port.boxes.size(), 1u);
    EXPECT_TRUE(port.neverInterruptedWithTimer());
    EXPECT_TRUE(g.timerEnabled(TimerId::Main));
    port.advance(300);
    EXPECT_EQ(crashPixels(), 0);
    // Open water where the picture was: backing off works.
    key('X');
    EXPECT_FALSE(g.boat.BoatStuck);
    g.setTimer(TimerId::Main, false);
  }
}

TEST_F(Traffic, WithTheTrollingMotorOnlyTheOppositeKeyBacksOff) {
  setTile(15, 12, 150);
  placeBoat(14, 12, 2, 16, 8);
  TrollBtnClick(g);
  for (int i = 0; i < 3 && !g.boat.BoatStuck; ++i) key('D');
  ASSERT_TRUE(g.boat.BoatStuck);
  EXPECT_EQ(g.boat.StuckMode, 2);
  const int x0 = lakeX();
  for (int k : {'D', 'W', 'X', 'Q', 'E', 'Z', 'C'}) key(k);
  EXPECT_EQ(lakeX(), x0);
  key('A');
  EXPECT_EQ(lakeX(), x0 - 1);
  EXPECT_FALSE(g.boat.BoatStuck);
}

TEST_F(Traffic, CollisionsWithCraftCostByTheSpeedAtImpact) {
  const struct {
    int throttle;
    bool jetSki;
    const char* message;
    double cost;
  } cases[] = {
      {12, true,
       "You have collided with a JETSKI!\rLuckily, there were no injuries. It costs\ryou $2500 to have the JetSki "
       "repaired.",
       2500},
      {4, true, "You have crashed into a JETSKI!\rThere were no injuries, but the cost\rto repair the JetSki is $300.",
       300},
      {6, false, "You have crunched a CANOE!\rFortunately, nobody was hurt. The\rcost to replace the canoe is $500.",
       500},
      {0, false, "You have bumped into a CANOE!\rNobody was hurt, but it costs you\r$100 to repair the canoe.", 100},
  };
  for (const auto& c : cases) {
    g.boat.DayExpenses = 50;
    g.boat.BumpCount = 0;
    g.boat.OutboardOn = c.throttle > 0;
    g.boat.PaddleOn = c.throttle == 0;
    g.boat.ThrottleSetting = c.throttle;
    placeBoat(14, 12, 0);
    auto& t = g.boat.traffic;
    t.JetSkisPlaced = t.CanoesPlaced = true;
    t.JetSkis[0] = Craft{30 * 32, 30 * 32, 0, {}};
    t.Canoes[1] = Craft{30 * 32, 31 * 32, 0, {}};
    if (c.jetSki)
      t.JetSkis[1] = Craft{14 * 32 + 2, 12 * 32 + 2, 0, {}};
    else
      t.Canoes[0] = Craft{14 * 32 + 2, 12 * 32 + 20, 0, {}};
    port.boxes.clear();
    Collide(g);
    ASSERT_EQ(port.boxes.size(), 1u) << c.message;
    EXPECT_EQ(port.boxes[0].text, c.message);
    EXPECT_DOUBLE_EQ(g.boat.DayExpenses, 50 + c.cost);
    if (!c.jetSki)
      t.Canoes[0] = Craft{};
    else
      t.JetSkis[1] = Craft{};
  }
}

TEST_F(Traffic, APaddleBumpCostsAMinuteAndNeverMoreThanIsLeft) {
  placeBoat(14, 12, 0);
  g.boat.PaddleOn = true;
  g.tour.DayTimeLeft = 60;
  Collide(g);
  EXPECT_EQ(g.tour.DayTimeLeft, 0);
  Collide(g);
  EXPECT_EQ(g.tour.DayTimeLeft, 0);
}

TEST_F(Traffic, TheSeventhBumpInARowCallsTheLocalsToTheRescue) {
  // Shallows (a water feature, not open water) along the north shore.
  for (int c = 12; c <= 16; ++c) setTile(c, 10, 5);
  setTile(14, 9, 150);
  placeBoat(14, 10, 0, 8, 0);
  PaddLeBtnClick(g);
  for (int bump = 1; bump <= 6; ++bump) {
    key('W');
    while (!g.boat.BoatStuck) key('W');
    EXPECT_EQ(g.boat.BumpCount, bump);
    key('X');
  }
  EXPECT_TRUE(port.boxes.empty());
  g.Random.script({0, 0, 3});  // kapow, the lucky-day message, heading 3
  g.setTimer(TimerId::Main, true);
  key('W');
  EXPECT_TRUE(port.showed(
      "You're stuck pretty badly this time, but\rit's your lucky day!\r\rA couple of local fisherman come to your "
      "assistance\rand help you float your boat again."));
  EXPECT_FALSE(g.boat.BoatStuck);
  EXPECT_EQ(g.boat.BumpCount, 0);
  EXPECT_EQ(g.lake.tile(g.boat.BoatCol, g.boat.BoatRow), 0);
  EXPECT_EQ(g.boat.BoatHeading, 3);
  EXPECT_EQ(g.view.gearPos, 1);
  EXPECT_TRUE(port.neverInterruptedWithTimer());
}

TEST_F(Traffic, FreeCellSearchesInItsOwnOrder) {
  g.lake.LakeGrid.fill(150);
  const int c = 100, r = 100;
  const struct {
    std::vector<std::pair<int, int>> water;
    std::pair<int, int> found;
  } cases[] = {
      {{{c + 3, r}, {c - 1, r}}, {c + 3, r}},              // the row from c + d down to c first
      {{{c - 1, r}, {c, r - 2}}, {c - 1, r}},              // then from c - d up to c
      {{{c, r + 1}, {c, r - 1}}, {c, r - 1}},              // the column from r - d up to r
      {{{c - 1, r - 1}, {c + 1, r - 1}}, {c - 1, r - 1}},  // rows above, left half first
      {{{c + 2, r + 2}, {c + 1, r - 3}}, {c + 1, r - 3}},
      {{{c - 3, r + 3}, {c + 3, r + 3}}, {c - 3, r + 3}},
  };
  for (const auto& k : cases) {
    g.lake.LakeGrid.fill(150);
    for (auto [x, y] : k.water) g.lake.LakeGrid.at(x, y) = 0;
    auto got = FreeCell(g, c, r, 3, 0);
    ASSERT_TRUE(got.has_value());
    EXPECT_EQ(*got, k.found);
  }
  g.lake.LakeGrid.fill(150);
  EXPECT_FALSE(FreeCell(g, 0, 199, 3, 0).has_value());  // cells beyond the edges are not looked at
  g.lake.LakeGrid.at(0, 197) = 0;
  EXPECT_EQ(FreeCell(g, 1, 199, 3, 0), std::make_pair(0, 197));
}

}  // namespace
}  // namespace lwk
