#include <gtest/gtest.h>

#include <QFile>

#include "shell/Files.h"
#include "support/GameFixture.h"
#include "tournament/Livewell.h"
#include "tournament/Records.h"

namespace lwk {
namespace {

// A game with the livewell's pictures of the built game and its own empty
// game folder for the records, MainTimer running as in play.
struct Landing : ::testing::Test {
  GameFixture f{false};
  void SetUp() override {
    g().GameFolder = std::string(LWK_GAME_DIR) + "/";
    LoadLiveWellPictures(g());
    ASSERT_TRUE(f.port.boxes.empty());
    g().GameFolder = f.folder();
    g().ResetGameState();
    g().setTimer(TimerId::Main, true);
  }
  Game& g() { return *f.game; }
  std::vector<double> weights() const {
    std::vector<double> w;
    for (const LiveWellSlot& s : f.game->tour.LiveWell) w.push_back(s.Weight);
    return w;
  }
  void expectTimerStoppedForEveryMessage() {
    EXPECT_TRUE(f.port.neverInterruptedWithTimer());
    EXPECT_TRUE(f.port.timerRunning(TimerId::Main));
  }
};

TEST_F(Landing, LegalSizeIsNinetyHundredthsOfAPound) {
  LandFish(g(), 0, 0.89);
  LandFish(g(), 0, 0.90);
  EXPECT_EQ(f.port.texts(), (std::vector<std::string>{
                                "This fish is smaller than the legal size\rof 12 inches so it must be released.",
                                "You have landed the fish!\rIt's a 0.90 lb. Largemouth.\r\rAdding fish to Livewell."}));
  const DayStatistics& s = g().tour.stats;
  EXPECT_EQ(s.ShortFishCaught, 1);
  EXPECT_EQ(s.BassCaught, 2);
  EXPECT_EQ(s.BassCulled, 0);
  EXPECT_EQ(g().tour.LiveWellCount, 1);
  EXPECT_EQ(weights(), (std::vector<double>{0.90, 0, 0, 0, 0}));
  EXPECT_TRUE(g().tour.LiveWell[0].Alive);
  expectTimerStoppedForEveryMessage();
}

TEST_F(Landing, AFullLivewellCullsOnlyForAHeavierFish) {
  for (double w : {1.50, 3.00, 1.20, 2.50, 2.00}) LandFish(g(), 0, w);
  EXPECT_EQ(weights(), (std::vector<double>{3.00, 2.50, 2.00, 1.50, 1.20}));
  EXPECT_EQ(g().tour.TotalWeightCaption, "10.20");
  f.port.boxes.clear();

  LandFish(g(), 0, 1.20);
  EXPECT_EQ(f.port.texts().back(),
            "This fish is the same size or smaller than the smallest\rfish you have. Sadly, you release it.");
  EXPECT_EQ(weights(), (std::vector<double>{3.00, 2.50, 2.00, 1.50, 1.20}));

  const int timeBefore = g().tour.DayTimeLeft;
  LandFish(g(), 2, 1.21);
  EXPECT_EQ(f.port.texts().back(),
            "You have landed the fish!\rCulling smaller fish. Adding 1.21 lb. Spotted Bass\rto Livewell.");
  EXPECT_EQ(weights(), (std::vector<double>{3.00, 2.50, 2.00, 1.50, 1.21}));
  EXPECT_EQ(g().tour.LiveWell[4].Species, 2);
  EXPECT_EQ(g().tour.LiveWellCount, 5);
  EXPECT_EQ(g().tour.stats.BassCulled, 1);
  EXPECT_EQ(g().tour.stats.BassCaught, 7);
  EXPECT_DOUBLE_EQ(g().tour.LiveWellTotal, 10.21);
  EXPECT_EQ(g().tour.TotalWeightCaption, "10.21");
  EXPECT_EQ(g().tour.DayTimeLeft, timeBefore - 60);
  expectTimerStoppedForEveryMessage();
}

TEST_F(Landing, EveryOtherSpeciesIsLetGo) {
  const struct {
    std::uint8_t code;
    std::vector<int> draws;  // the panfish's kind is drawn at landing
    const char* name;
  } cases[] = {{3, {}, "Striped Bass"},
               {4, {}, "White Bass"},
               {5, {}, "Northern Pike"},
               {6, {}, "Pickerel"},
               {7, {}, "Drum"},
               {8, {}, "Bowfin"},
               {9, {}, "Walleye"},
               {99, {0}, "Catfish"},
               {99, {1, 0}, "Crappie"},
               {99, {1, 1, 0}, "Rock Bass"},
               {99, {1, 1, 1}, "Bluegill"},
               {42, {}, ""}};
  int n = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    for (int d : c.draws) g().Random.script({d});
    LandFish(g(), c.code, 5.5);
    EXPECT_TRUE(g().Random.scriptEmpty());
    EXPECT_EQ(f.port.texts().back(), std::string("You've managed to land the fish, but\runfortunately it's a ") +
                                         c.name + ", which you\rcannot weigh in!");
    EXPECT_EQ(g().tour.stats.NonBassCaught, ++n);
  }
  EXPECT_EQ(g().tour.LiveWellCount, 0);
  EXPECT_EQ(g().tour.stats.BassCaught, 0);
  EXPECT_EQ(g().tour.DayTimeLeft, kDaySeconds);
  expectTimerStoppedForEveryMessage();
}

TEST_F(Landing, PuttingAFishInCostsAMinuteNeverBelowZero) {
  ASSERT_FALSE(g().tour.ClockRunning);
  LandFish(g(), 0, 2.0);
  EXPECT_EQ(g().tour.DayTimeLeft, kDaySeconds - 60);
  g().tour.DayTimeLeft = 25;
  LandFish(g(), 0, 2.5);
  EXPECT_EQ(g().tour.DayTimeLeft, 0);
}

TEST_F(Landing, PictureBySizeFacingAndSpecies) {
  EXPECT_EQ(FishPictureIndex(6.0, 1, false), 8);
  EXPECT_EQ(FishPictureIndex(6.0, 1, true), 11);
  EXPECT_EQ(FishPictureIndex(2.49, 2, false), 0);
  EXPECT_EQ(FishPictureIndex(2.49, 2, true), 3);
  EXPECT_EQ(FishPictureIndex(2.5, 0, false), 1);
  EXPECT_EQ(FishPictureIndex(5.99, 1, false), 7);

  // The landed fish is drawn at its drawn place: x = 5 + Random(100), y = 20 + Random(70).
  g().Random.script({40, 30});
  LandFish(g(), 1, 6.0);
  EXPECT_EQ(g().tour.FishSpritePos[0].x, 45);
  EXPECT_EQ(g().tour.FishSpritePos[0].y, 50);
  const QImage& fish = g().pictures.fishPictures.frames[8];
  const QImage& tank = g().tour.LiveWellImage;
  int same = 0, opaque = 0;
  for (int y = 0; y < kFishPictureH; ++y)
    for (int x = 0; x < kFishPictureW; ++x) {
      const QRgb p = fish.pixel(x, y);
      if ((p & 0xFFFFFF) == 0) continue;
      ++opaque;
      same += tank.pixel(45 + x, 50 + y) == p;
    }
  EXPECT_GT(opaque, 200);
  EXPECT_EQ(same, opaque);
}

TEST_F(Landing, TheDayStartsWithAnEmptyLivewellAndNoCounts) {
  for (double w : {0.5, 2.0, 3.0}) LandFish(g(), 0, w);
  LandFish(g(), 5, 3.0);
  g().tour.AeratorOn = true;
  g().ResetGameState();
  for (const LiveWellSlot& s : g().tour.LiveWell) {
    EXPECT_EQ(s.Weight, 0);
    EXPECT_EQ(s.Species, kNoSpecies);
    EXPECT_FALSE(s.Alive);
  }
  EXPECT_EQ(g().tour.LiveWellCount, 0);
  EXPECT_FALSE(g().tour.AeratorOn);
  EXPECT_EQ(g().tour.TotalWeightCaption, "0");
  const DayStatistics& s = g().tour.stats;
  EXPECT_EQ(s.BassCaught + s.ShortFishCaught + s.NonBassCaught + s.BassCulled, 0);
  EXPECT_EQ(LiveWellPanelTexts(g()).weights[0], "");
}

TEST_F(Landing, TheAeratorNeedsTheMainBattery) {
  LiveWellFormShow(g());
  ToggleAerator(g());
  EXPECT_TRUE(g().tour.AeratorOn);
  EXPECT_EQ(g().tour.LiveWellImage, g().pictures.single("LWrun"));
  ToggleAerator(g());
  EXPECT_FALSE(g().tour.AeratorOn);

  g().boat.MainBatteryCharge = 0;
  ToggleAerator(g());
  EXPECT_EQ(f.port.texts(),
            (std::vector<std::string>{"Your Main Battery is dead.\rThe Livewell Aerator will not function."}));
  EXPECT_FALSE(g().tour.AeratorOn);
  EXPECT_FALSE(g().view.aeratorGlyphOn);
  EXPECT_EQ(g().tour.LiveWellImage, g().pictures.single("LWnormal"));
  expectTimerStoppedForEveryMessage();
}

TEST_F(Landing, FishSwimOnlyWhileAliveAndTheAeratorSprays) {
  LandFish(g(), 0, 3.0);
  LandFish(g(), 0, 2.0);
  g().tour.FishSpritePos[0] = {50, 40};
  g().tour.FishSpritePos[1] = {100, 20};
  g().tour.LiveWell[1].Alive = false;
  g().tour.AeratorOn = true;
  // Place 0: faces left, moves x +3 (below 100), y -2 (above 20).
  // Place 1: dead, so it stays whatever Random(3) says.
  // The spray: two streaks to (30, 30) and (0, 20).
  g().Random.script({0, 0, 0, 3, 1, 2, 5, 0, 30, 10, 0, 0});
  AnimateLiveWell(g());
  EXPECT_TRUE(g().Random.scriptEmpty());
  EXPECT_EQ(g().tour.FishSpritePos[0].x, 53);
  EXPECT_EQ(g().tour.FishSpritePos[0].y, 38);
  EXPECT_EQ(g().tour.FishSpritePos[1].x, 100);
  EXPECT_EQ(g().tour.FishSpritePos[1].y, 20);
  const QRgb white = qRgb(255, 255, 255);
  ASSERT_NE(g().pictures.single("LWrun").pixel(20, 20), white);
  EXPECT_EQ(g().tour.LiveWellImage.pixel(20, 20), white);  // on the streak to (30, 30)

  // At the edges a fish turns back: x at 100 drifts down, y at 20 drifts up.
  g().tour.LiveWell[1].Alive = true;
  g().tour.AeratorOn = false;
  g().Random.script({1, 1, 5, 0, 0, 4, 1, 3});
  AnimateLiveWell(g());
  EXPECT_EQ(g().tour.FishSpritePos[1].x, 96);
  EXPECT_EQ(g().tour.FishSpritePos[1].y, 23);
}

TEST_F(Landing, TheLivewellWindowOpensWithTheMainTimerStopped) {
  LandFish(g(), 0, 2.0);
  bool timer1WhileShown = false;
  f.port.onModal = [&](WindowId id) {
    EXPECT_EQ(id, WindowId::LiveWell);
    EXPECT_TRUE(g().DialogUp);
    LiveWellFormShow(g());
    timer1WhileShown = f.port.timerRunning(TimerId::LiveWell);
    LiveWellFormClose(g());
    return ModalResult::Ok;
  };
  const int before = g().tour.DayTimeLeft;
  ShowLiveWell(g());
  EXPECT_TRUE(timer1WhileShown);
  EXPECT_FALSE(f.port.timerRunning(TimerId::LiveWell));
  EXPECT_EQ(g().tour.DayTimeLeft, before);  // the day's clock has not started
  g().tour.ClockRunning = true;
  ShowLiveWell(g());
  EXPECT_EQ(g().tour.DayTimeLeft, before - 60);
  EXPECT_FALSE(g().DialogUp);
  expectTimerStoppedForEveryMessage();
}

TEST(LiveWellPictures, EachMissingPictureSaysSoAndStaysBlank) {
  GameFixture f{false};
  f.game->GameFolder = f.folder();
  for (const char* name : {"SmLMr", "MedLMr", "BigLMr", "SmLMl", "MedLMl", "BigLMl", "SmSMr", "MedSMr", "BigSMr",
                           "SmSMl", "MedSMl", "BigSMl", "LWindOn", "LWindOff", "LWnormal", "LWrun"}) {
    if (std::string(name) == "SmLMr" || std::string(name) == "LWindOff" || std::string(name) == "LWrun") continue;
    const std::string file = std::string(name) + ".BMP";
    ASSERT_TRUE(
        QFile::copy(QString::fromStdString(FindGameFile(LWK_GAME_DIR, file)), QString::fromStdString(f.path(file))));
  }
  LoadLiveWellPictures(*f.game);
  EXPECT_EQ(f.port.texts(),
            (std::vector<std::string>{"Unable to load file SMLMR.BMP", "Unable to load file LWINDOFF.BMP",
                                      "Unable to load file LWRUN.BMP"}));
  EXPECT_EQ(f.port.boxes[0].kind, BoxKind::Error);
  ASSERT_EQ(f.game->pictures.fishPictures.frames.size(), 12u);
  EXPECT_FALSE(f.game->pictures.fishPictures.frames[1].isNull());
  // The window still works: a fish of the missing picture lands and draws nothing.
  f.game->tour.AeratorOn = true;
  LandFish(*f.game, 0, 1.0);
  EXPECT_EQ(f.game->tour.LiveWellImage.size(), QSize(kLiveWellW, kLiveWellH));
}

}  // namespace
}  // namespace lwk
