// The boating rules: no wake near the buoys, the life jacket, the citations
// and the disqualification.

#include "boat/BoatFixture.h"
#include "boat/BoatingRules.h"
#include "boat/Motors.h"

namespace lwk {
namespace {

constexpr const char* kNoWake =
    "You have just received a citation for\rSPEEDING in a No Wake zone.\r\rValuable fishing time is lost, you "
    "receive\ra $50 fine, and you may be disqualified!";
constexpr const char* kSpeedingNote =
    "NOTE: You have been stopped for speeding in a\rNO WAKE zone.....again!\r\rIf you had been fishing in a "
    "tournament,\ryou would have been disqualified for this violation.";

struct Rules : BoatLake {
  void bowAt(int col, int row, int throttle) {
    g.boat.BowCol = static_cast<std::uint8_t>(col);
    g.boat.BowRow = static_cast<std::uint8_t>(row);
    g.boat.ThrottleSetting = throttle;
  }
};

TEST_F(Rules, SpeedingIsAboveThrottleFiveNextToABuoy) {
  setTile(20, 20, kNoWakeBuoyTile);
  g.lake.LakeGrid.at(0, 0) = kNoWakeBuoyTile;
  const struct {
    int col, row, throttle;
    bool speeding;
  } cases[] = {{21, 21, 6, true}, {21, 21, 5, false}, {22, 20, 20, false},  {19, 19, 6, true},
               {1, 1, 6, true},   {0, 1, 6, true},    {199, 199, 20, false}};
  for (const auto& c : cases) {
    bowAt(c.col, c.row, c.throttle);
    EXPECT_EQ(Speeding(g), c.speeding) << c.col << "," << c.row << " at " << c.throttle;
  }
}

TEST_F(Rules, AboutOneSpeedingStepInTwentyIsCited) {
  setTile(20, 20, kNoWakeBuoyTile);
  g.Random.seed(7);
  int cited = 0;
  for (int i = 0; i < 2000; ++i) {
    bowAt(21, 20, 6);
    g.boat.NoWakeCitations = 0;
    const int before = g.boat.CitationCount;
    NoWakeCheck(g);
    cited += g.boat.CitationCount - before;
  }
  EXPECT_GT(cited, 60);
  EXPECT_LT(cited, 140);
  // Throttle 5 draws nothing and is never cited.
  const auto draws = g.Random.draws();
  bowAt(21, 20, 5);
  for (int i = 0; i < 100; ++i) NoWakeCheck(g);
  EXPECT_EQ(g.Random.draws(), draws);
}

TEST_F(Rules, ACitationFinesStopsTheBoatAndCostsTimeOnlyWhenThereIsEnough) {
  setTile(20, 20, kNoWakeBuoyTile);
  g.prefs.BackgroundSoundsOn = true;
  g.setTimer(TimerId::Main, true);
  const struct { int left, after; } cases[] = {{5000, 4400}, {600, 0}, {550, 550}};
  for (const auto& c : cases) {
    bowAt(21, 20, 12);
    g.view.throttlePos = 8;
    g.boat.NoWakeCitations = 0;
    g.tour.DayTimeLeft = c.left;
    const double spent = g.boat.DayExpenses;
    g.Random.script({0});
    NoWakeCheck(g);
    EXPECT_EQ(g.tour.DayTimeLeft, c.after);
    EXPECT_DOUBLE_EQ(g.boat.DayExpenses, spent + 50);
    EXPECT_EQ(g.boat.ThrottleSetting, 1);
    EXPECT_EQ(g.view.throttlePos, 19);
    EXPECT_EQ(port.texts().back(), kNoWake);
    EXPECT_EQ(port.sounds.back().name, "MYSIREN.WAV");
  }
  // The life jacket: a warning first, 900 s only while 900 remain.
  g.boat.LifeJacketOn = false;
  g.tour.DayTimeLeft = 1000;
  g.Random.script({0});
  LifeJacketCheck(g);
  EXPECT_EQ(g.tour.DayTimeLeft, 100);
  EXPECT_TRUE(g.boat.LifeJacketWarned);
  EXPECT_DOUBLE_EQ(g.boat.DayExpenses, 50 + 150 + 100);
  EXPECT_EQ(g.boat.CitationCount, 4);
  g.boat.LifeJacketWarned = false;
  g.tour.DayTimeLeft = 800;
  g.Random.script({0});
  LifeJacketCheck(g);
  EXPECT_EQ(g.tour.DayTimeLeft, 800);
  // Wearing it: no draw, no citation.
  g.boat.LifeJacketOn = true;
  const auto draws = g.Random.draws();
  LifeJacketCheck(g);
  EXPECT_EQ(g.Random.draws(), draws);
  EXPECT_TRUE(port.neverInterruptedWithTimer());
  EXPECT_TRUE(g.timerEnabled(TimerId::Main));
}

TEST_F(Rules, PracticeRepeatsTheNoteAndTheDayGoesOn) {
  g.prefs.PlayLevel = Practice;
  setTile(20, 20, kNoWakeBuoyTile);
  for (int i = 0; i < 6; ++i) {
    if (i == 4) {  // a life-jacket citation between them changes nothing
      g.boat.LifeJacketOn = false;
      g.Random.script({0});
      LifeJacketCheck(g);
    }
    bowAt(21, 20, 9);
    g.Random.script({0});
    NoWakeCheck(g);
    EXPECT_EQ(port.texts().back(), i < 3 ? kNoWake : kSpeedingNote) << i;
  }
  EXPECT_EQ(g.boat.NoWakeCitations, 6);
  EXPECT_TRUE(g.boat.SpeedingDQ);
  EXPECT_TRUE(port.modalShown.empty());
  EXPECT_FALSE(g.tour.DayEnding);
  port.runPosted();
  EXPECT_TRUE(port.modalShown.empty());
}

TEST_F(Rules, TheFourthNoWakeCitationDisqualifiesAfterTheStep) {
  g.prefs.PlayLevel = Novice;
  g.setTimer(TimerId::Main, true);
  setTile(20, 20, kNoWakeBuoyTile);
  g.tour.LiveWell[0] = {3.0, 0, true};
  g.tour.LiveWellCount = 1;
  g.boat.NoWakeCitations = 3;
  bowAt(21, 20, 9);
  g.Random.script({0});
  NoWakeCheck(g);
  ASSERT_EQ(port.modalShown.size(), 1u);
  EXPECT_EQ(port.modalShown[0], WindowId::DQ);
  EXPECT_EQ(g.tour.DqCaption, "Notice Of Disqualification: Speeding In No Wake Zone");
  EXPECT_EQ(g.tour.LiveWellCount, 0);
  EXPECT_EQ(g.tour.LiveWell[0].Weight, 0);
  EXPECT_EQ(g.boat.CitationCount, 1);
  EXPECT_TRUE(g.tour.DayEnding);
  EXPECT_FALSE(g.timerEnabled(TimerId::Main));
  ASSERT_EQ(port.posted.size(), 1u);  // the day ends once this handler returned
  EXPECT_TRUE(port.neverInterruptedWithTimer());
}

}  // namespace
}  // namespace lwk
