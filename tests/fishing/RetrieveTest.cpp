// The retrieve, snags, the strike, the hook-set window, the fight and its
// endings, and the weights of the fish.

#include <QRect>
#include <charconv>
#include <cmath>

#include "fishing/FishingFixture.h"

namespace lwk {
namespace {

struct Reeling : FishingLake {
  std::vector<QRect> changed;
  void SetUp() override {
    FishingLake::SetUp();
    port.onSurfaceChanged = [this](int x, int y, int w, int h) { changed.emplace_back(x, y, w, h); };
  }
  bool drew(const QRect& r) const { return std::find(changed.begin(), changed.end(), r) != changed.end(); }
  // Sets the hook as soon as a fish strikes.
  void hookEveryStrike() {
    port.duringWait = [this] {
      if (g.timerEnabled(TimerId::Strike)) pressSpace();
    };
  }
  bool played(const std::string& name) const {
    return std::any_of(port.sounds.begin(), port.sounds.end(), [&](const auto& s) { return s.name == name; });
  }
};

TEST_F(Reeling, EachRetrieveChargesByDistanceAndPacesItsSteps) {
  const struct {
    int type, charge, stepMs;
  } cases[] = {{0, 40, 150}, {1, 20, 100}, {2, 13, 50}, {3, 10, 2}, {4, 40, 600}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.type);
    g.fishing.RetreiveType = c.type;
    g.tour.DayTimeLeft = 1000;
    const std::int64_t start = port.now;
    castAt(0, -40);  // 40 pixels: round(40 / 4) - 2 = 8 steps of 4 pixels
    EXPECT_EQ(g.tour.DayTimeLeft, 1000 - c.charge);
    EXPECT_EQ(port.now - start, 250 + 150 + 8 * c.stepMs);
    EXPECT_EQ(g.fishing.BaitY, bowY() - 40 + 8 * 4);
    EXPECT_EQ(g.fishing.BaitX, bowX());
  }
}

TEST_F(Reeling, WhenTheDaysTimeIsGoneTheStepsNoLongerWaitExceptInPractice) {
  for (int level : {Practice, Intermediate}) {
    SCOPED_TRACE(level);
    g.prefs.PlayLevel = static_cast<std::uint8_t>(level);
    g.tour.DayTimeLeft = 20;  // the 40 seconds of a Slow retrieve use it up
    const std::int64_t start = port.now;
    castAt(0, -40);
    EXPECT_EQ(g.tour.DayTimeLeft, 0);
    EXPECT_EQ(port.now - start, 250 + 150 + (level == Practice ? 8 * 150 : 0));
    EXPECT_EQ(g.fishing.BaitY, bowY() - 40 + 8 * 4);  // every step was still taken
    EXPECT_FALSE(g.timerEnabled(TimerId::Retreive));
  }
}

TEST_F(Reeling, ACastEightPixelsOutHasNoSteps) {
  g.tour.DayTimeLeft = 1000;
  const auto draws = g.Random.draws();
  castAt(0, -8);
  EXPECT_EQ(g.tour.DayTimeLeft, 1000 - 8);
  EXPECT_EQ(g.Random.draws(), draws + 1);  // the splash picture only: no strike chance
  EXPECT_EQ(g.fishing.BaitY, bowY() - 8);
  EXPECT_EQ(g.tour.stats.CastCount, 1);
}

TEST_F(Reeling, SpaceWithoutAStrikeEndsTheRetrieveAtTheNextStep) {
  port.duringWait = [&] {
    if (g.fishing.BaitY == bowY() - 40 + 8) pressSpace();  // after the second step
  };
  castAt(0, -40);
  EXPECT_EQ(g.fishing.BaitY, bowY() - 40 + 12);
  EXPECT_FALSE(g.fishing.HookSetPressed);
  EXPECT_FALSE(g.fishing.FishOn);
  EXPECT_EQ(g.tour.stats.CastCount, 1);
  // Once the line is back, Space and mouse presses set nothing.
  pressSpace();
  FormMouseDown(g);
  EXPECT_FALSE(g.fishing.HookSetPressed);
}

TEST_F(Reeling, SnagsDependOnTheCellThePixelAndTheBait) {
  // Weeds that are not water on screen: a fouled bait stays snagged unless the bait slips.
  g.pictures.TileBitmaps[50] = Solid(32, 32, kLandGreen);
  g.pictures.TileBitmaps[110] = Solid(32, 32, kLandGreen);
  setTile(20, 19, 50);
  setTile(21, 19, 110);
  FishingState& f = g.fishing;
  const struct {
    int col, rating;
    std::vector<int> draws;
    bool snag;
  } cases[] = {
      {20, 10, {3}, true},                           // cover, the bait held
      {20, 10, {0}, false},                          // one in ten, it slips free
      {20, 1, {0}, false},                           // a weedless bait never snags
      {21, 10, {3, 5}, false},                       // soft cover: free unless Random(15) = 0
      {21, 10, {0, 5}, true},  {22, 10, {}, false},  // open water: no draw at all
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.col) + " " + std::to_string(c.rating));
    f.BaitCol = static_cast<std::uint8_t>(c.col);
    f.BaitRow = 19;
    f.BaitX = (c.col - g.lakeView.leftCol()) * 32 + 16;
    f.BaitY = (19 - g.lakeView.topRow()) * 32 + 16;
    f.BaitSnagRating = static_cast<std::uint8_t>(c.rating);
    script(c.draws);
    EXPECT_EQ(SnagCheck(g), c.snag);
    EXPECT_TRUE(g.Random.scriptEmpty());
  }
  // A bait beyond the lake's last column reads as land, never indexing the grid.
  f.BaitCol = 230;
  f.BaitX = 5000;
  f.BaitSnagRating = 10;
  g.Random.script({3});
  EXPECT_TRUE(SnagCheck(g));
}

TEST_F(Reeling, ASnagLosesTheBaitOnceInTwentyElseEndsTheRetrieve) {
  g.pictures.TileBitmaps[50] = Solid(32, 32, kLandGreen);
  setTile(20, 19, 50);
  for (int lost : {1, 0}) {
    SCOPED_TRACE(lost);
    port.boxes.clear();
    port.sounds.clear();
    g.fishing.CurrentBait = 5;
    const QImage before = g.lakeView.surface().copy();
    const int casts = g.tour.stats.CastCount;
    const std::int64_t start = port.now;
    // The splash, the bait held in the weeds, then the one-in-twenty draw.
    g.Random.script({0, 3, lost ? 0 : 7});
    castAt(0, -36);
    EXPECT_EQ(g.tour.stats.CastCount, casts + 1);
    EXPECT_EQ(g.fishing.BaitY, bowY() - 32);  // ended at the first step
    EXPECT_EQ(g.lakeView.surface(), before);
    if (lost) {
      ASSERT_EQ(port.boxes.size(), 1u);
      EXPECT_EQ(port.boxes[0].text,
                "Your bait has snagged, and you\rhave lost it.\r\rYou will need to select another bait\rfor this rod, "
                "or pick another rod.\r\rThe lost bait costs $4.00 to replace!");
      EXPECT_TRUE(port.boxes[0].atCorner);  // clear of the middle of the lake
      EXPECT_EQ(g.fishing.CurrentBait, 255);
      EXPECT_TRUE(played("uhoh1.wav"));
    } else {
      EXPECT_TRUE(port.boxes.empty());
      EXPECT_EQ(g.fishing.CurrentBait, 5);
      EXPECT_TRUE(played("HIT1.wav"));
      EXPECT_GE(port.now - start, 250 + 150 + 700);
    }
  }
  EXPECT_TRUE(port.neverInterruptedWithTimer());
}

TEST_F(Reeling, AMissedFishStaysOneStepWarierByPlayLevelWindow) {
  const struct {
    int level, windowMs, tolerance, after;
  } cases[] = {{Practice, 400, 5, 4}, {Novice, 600, 1, 1}, {Intermediate, 400, 2, 1}, {Professional, 250, 9, 8}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.level);
    g.prefs.PlayLevel = static_cast<std::uint8_t>(c.level);
    FishSlot& fish = fishAt(bowX(), bowY() - 36, 0, c.tolerance);
    const int missed = g.tour.stats.StrikesMissed;
    // Splash; the fish looks and strikes at the first step; the twitch; then
    // the fish do not look again this cast.
    script({0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    castAt(0, -40);
    EXPECT_EQ(port.timerInterval(TimerId::Strike), c.windowMs);
    EXPECT_EQ(g.tour.stats.StrikesMissed, missed + 1);
    EXPECT_EQ(fish.Tolerance, c.after);
    EXPECT_EQ(fish.Species, 0);
    EXPECT_EQ(g.fishing.BaitY, bowY() - 40 + 32);  // the retrieve went on to the end
    EXPECT_TRUE(played("DCHORD.WAV"));
    g.Random.clearScript();
  }
}

TEST_F(Reeling, AHookedFishIsFoughtWithTheMainTimerTicking) {
  // Unscripted: the game's own draws decide the strike step, the jumps and the ending.
  tickingMainTimer();
  g.Random.seed(3);
  g.tour.DayTimeLeft = 5000;
  FishSlot& fish = fishAt(bowX(), bowY() - 36, 0);
  hookEveryStrike();
  bool mainTicking = true;
  int fightTurns = 0;
  auto hook = port.duringWait;
  port.duringWait = [&] {
    hook();
    if (g.timerEnabled(TimerId::Fight)) {
      ++fightTurns;
      mainTicking = mainTicking && g.timerEnabled(TimerId::Main);
    }
  };
  const QImage before = g.lakeView.surface().copy();
  castAt(0, -40);
  EXPECT_NE(g.fishing.LastFight.end, FightEnd::None);
  EXPECT_TRUE(fish.empty());
  EXPECT_GE(fightTurns, 7);
  EXPECT_TRUE(mainTicking);
  EXPECT_EQ(g.tour.stats.CastCount, 1);
  EXPECT_FALSE(g.fishing.FishOn);
  EXPECT_FALSE(g.fishing.HookSetPressed);
  EXPECT_EQ(g.lakeView.surface(), before);  // line, jumps and splashes all gone
  EXPECT_TRUE(port.neverInterruptedWithTimer());
}

TEST_F(Reeling, TheFightEndsLostBrokenOrLandedInThatOrder) {
  const std::string broken =
      "The fish BROKE YOUR LINE! It was a MONSTER!\rYou will need to select another bait\rfor this rod, or pick "
      "another rod.\r\rThe lost bait costs $4.00 to replace!";
  const struct {
    int rod;
    bool big;  // 7.50 lb, else 1.50 lb
    std::vector<int> ending;
    FightEnd end;
    const char* message;
    int timeLeft, timeAfter;
  } cases[] = {
      {3, false, {0, 2}, FightEnd::Lost, "Somehow, the fish threw the bait and swims free!", 5000, 5000},
      {11, true, {1, 0}, FightEnd::LineBroken, broken.c_str(), 5000, 4940},
      {11, true, {1, 0}, FightEnd::LineBroken, broken.c_str(), 40, 40},
      // A landed fish goes to the livewell, which takes its minute and says so.
      {11, true, {1, 4}, FightEnd::Landed, nullptr, 5000, 4940},
      {3, true, {1}, FightEnd::Landed, nullptr, 5000, 4940},  // a heavy line never breaks
      {11, false, {1}, FightEnd::Landed, nullptr, 5000, 4940},
  };
  hookEveryStrike();
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.rod) + (c.big ? " big" : " small"));
    port.boxes.clear();
    port.sounds.clear();
    changed.clear();
    g.tour.stats = {};
    const double total = g.tour.LiveWellTotal;
    g.fishing.CurrentRod = c.rod;
    g.fishing.CurrentBait = 5;
    g.fishing.RetreiveType = 3;  // Rippin: 10 seconds for 40 pixels
    FishSlot& fish = fishAt(bowX(), bowY() - 36, 0);
    std::vector<int> draws{0, 1, 0, 0};
    for (int d : c.big ? std::vector<int>{20, 0, 7, 50} : std::vector<int>{0, 1, 50}) draws.push_back(d);
    for (int d : quietFight(true)) draws.push_back(d);
    for (int d : c.ending) draws.push_back(d);
    script(draws);
    g.tour.DayTimeLeft = c.timeLeft + 10;
    castAt(0, -40);
    EXPECT_TRUE(g.Random.scriptEmpty());
    EXPECT_EQ(g.fishing.LastFight.end, c.end);
    EXPECT_EQ(g.fishing.LastFight.species, 0);
    EXPECT_DOUBLE_EQ(g.fishing.LastFight.weight, c.big ? 7.5 : 1.5);
    EXPECT_EQ(g.tour.DayTimeLeft, c.timeAfter);
    EXPECT_TRUE(fish.empty());
    if (c.message) {
      ASSERT_EQ(port.boxes.size(), 1u);
      EXPECT_EQ(port.boxes[0].text, c.message);
    } else {
      EXPECT_DOUBLE_EQ(g.tour.LiveWellTotal, total + (c.big ? 7.5 : 1.5));
      EXPECT_FALSE(port.boxes.empty());  // the landing's own messages
    }
    EXPECT_EQ(g.tour.stats.FishLost, c.end == FightEnd::Landed ? 0 : 1);
    EXPECT_EQ(g.tour.stats.LinesBroken, c.end == FightEnd::LineBroken ? 1 : 0);
    EXPECT_EQ(g.fishing.CurrentBait, c.end == FightEnd::LineBroken ? 255 : 5);
    EXPECT_EQ(played("uhoh1.wav"), c.end == FightEnd::Lost);
    EXPECT_EQ(played("aw.wav"), c.end == FightEnd::LineBroken);
    // A bass over five pounds shows the "Monster" picture by the boat.
    EXPECT_EQ(drew(QRect(g.boat.BoatX - 50, g.boat.BoatY - 25, 107, 58)), c.big);
    EXPECT_EQ(g.tour.stats.CastCount, 1);
  }
  EXPECT_TRUE(port.neverInterruptedWithTimer());
}

TEST_F(Reeling, TopwaterTurnsDrumAndWalleyeIntoPanfishWithABigSplash) {
  g.fishing.CurrentDrawer = 3;
  hookEveryStrike();
  for (int species : {7, 9}) {
    SCOPED_TRACE(species);
    changed.clear();
    FishSlot& fish = fishAt(bowX(), bowY() - 36, species);
    fish.Drawer = 3;
    std::vector<int> draws{0, 1, 0, 0, 40, 40};  // splash; strike; twitch; 0.90 lb
    for (int d : quietFight(false)) draws.push_back(d);
    draws.push_back(1);
    script(draws);
    castAt(0, -40);
    EXPECT_TRUE(g.Random.scriptEmpty());
    EXPECT_EQ(g.fishing.LastFight.species, kPanfish);
    EXPECT_DOUBLE_EQ(g.fishing.LastFight.weight, 0.9);
    EXPECT_TRUE(drew(QRect(bowX() - 15, bowY() - 36 - 15, 32, 32)));  // slam1 over the bait
  }
}

TEST_F(Reeling, AFightNeverTakesTheBaitOntoLand) {
  // Land all around the bait's cell but for itself: the fish pulls about
  // and is always put back on the water.
  hookEveryStrike();
  FishSlot& fish = fishAt(bowX(), bowY() - 36, 5);
  (void)fish;
  std::vector<int> draws{0, 1, 0, 0, 3, 0};  // splash; strike; twitch; 3 lb pike; 7 rounds
  for (int i = 0; i < 7; ++i)
    for (int d : {0, 6, 1, 6}) draws.push_back(d);
  draws.push_back(1);
  script(draws);
  for (int r = 16; r <= 19; ++r)
    for (int c = 19; c <= 21; ++c)
      if (!(c == 20 && r == 19)) setTile(c, r, 150);
  castAt(0, -40);
  EXPECT_TRUE(g.Random.scriptEmpty());
  EXPECT_TRUE(WaterTest(g, g.fishing.BaitX, g.fishing.BaitY));
  EXPECT_EQ(g.fishing.LastFight.end, FightEnd::Landed);
}

TEST(FishWeights, EachSpeciesWeighsWithinItsRange) {
  TestPort port;
  Game g{port};
  g.Random.seed(7);
  const struct {
    int species;
    double lo, hi;
    bool whole;
  } cases[] = {{0, 0.5, 17.99, false}, {1, 0.5, 5.99, false}, {2, 0.5, 5.99, false},
               {3, 0, 7, true},        {9, 0, 7, true},       {kPanfish, 0.1, 2.05, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.species);
    double lo = 1e9, hi = -1;
    int over12 = 0;
    for (int i = 0; i < 20000; ++i) {
      const std::string text = FishWeight(g, c.species);
      double w = -1;
      std::from_chars(text.data(), text.data() + text.size(), w);
      ASSERT_GE(w, c.lo) << text;
      ASSERT_LE(w, c.hi) << text;
      if (c.whole) {
        ASSERT_EQ(text.find('.'), std::string::npos) << text;
      } else {
        ASSERT_EQ(text.size() - text.find('.'), 3u) << text;  // two decimals
      }
      lo = std::min(lo, w);
      hi = std::max(hi, w);
      over12 += w >= 12;
    }
    EXPECT_LT(lo, c.lo + 0.3);
    EXPECT_GT(hi, c.hi * 0.6);
    if (c.species == 0) {
      EXPECT_LT(over12, 20000 / 150);  // only through the 1/200 draws
    }
  }
}

}  // namespace
}  // namespace lwk
