// The weigh-in: near the flag, dead fish and their penalty, the day's record,
// the statistics, the printed sheet, the three-day record; and a whole
// tournament of three days ending three ways.

#include "boat/Motors.h"
#include "tournament/Livewell.h"
#include "tournament/Records.h"
#include "tournament/RecordsFile.h"
#include "tournament/TournamentFixture.h"
#include "tournament/WeighIn.h"

namespace lwk {
namespace {

using WeighIn = TournamentLake;

TEST_F(WeighIn, TheFlagMustLieWithinTwoCellsOfTheBoat) {
  const struct {
    int col, row;
    bool near;
  } cases[] = {{kFlagCol + 2, kFlagRow + 2, true},
               {kFlagCol - 2, kFlagRow + 1, true},
               {kFlagCol + 3, kFlagRow, false},
               {kFlagCol, kFlagRow - 3, false}};
  for (const auto& c : cases) {
    g.boat.BoatCol = static_cast<std::uint8_t>(c.col);
    g.boat.BoatRow = static_cast<std::uint8_t>(c.row);
    EXPECT_EQ(NearTile(g, 2, 255), c.near) << c.col << "," << c.row;
  }
  // Cells beyond the lake's edge are skipped.
  g.lake.LakeGrid.at(199, 199) = 255;
  g.boat.BoatCol = 198;
  g.boat.BoatRow = 199;
  EXPECT_TRUE(NearTile(g, 2, 255));
  g.boat.BoatCol = g.boat.BoatRow = 0;
  EXPECT_FALSE(NearTile(g, 2, 255));

  g.boat.BoatCol = kFlagCol + 3;
  g.boat.BoatRow = kFlagRow;
  WeighInBtnClick(g);
  EXPECT_EQ(port.texts().back(), "You are not close enough to the\rweigh in flag.");
  EXPECT_TRUE(g.timerEnabled(TimerId::Main));
  EXPECT_TRUE(port.neverInterruptedWithTimer());
  g.boat.BoatCol = kFlagCol + 1;
  port.answers.push_back(Answer::No);
  WeighInBtnClick(g);
  EXPECT_EQ(port.texts().back(), "Are you sure you want to weigh in now?");
  port.runPosted();
  EXPECT_TRUE(port.modalShown.empty());
  EXPECT_TRUE(g.timerEnabled(TimerId::Main));
}

TEST_F(WeighIn, ADeadFishCostsAnEighthOfItsWeight) {
  g.tour.LiveWell[0] = {4.0, 0, true};
  g.tour.LiveWell[1] = {2.0, 1, false};
  g.tour.LiveWellCount = 2;
  WeighMeFormShow(g);
  const WeighInView& v = g.tour.weighIn;
  EXPECT_EQ(v.caption, "Day 1 Weigh-In Results");
  EXPECT_EQ(v.panel2, "Day 1   Novice");
  EXPECT_EQ(v.fishType[0], "Largemouth");
  EXPECT_EQ(v.fishType[1], "Smallmouth");
  EXPECT_EQ(v.fishType[2], "");
  EXPECT_EQ(v.fishWeight[0], "4.00");
  EXPECT_EQ(v.fishWeight[1], "2.00 (DEAD)");
  EXPECT_EQ(v.fishWeight[4], "0.00");
  EXPECT_EQ(v.penalties, "0.25");
  EXPECT_EQ(v.totalWgt, "6.00 Lbs.");
  EXPECT_EQ(v.finalWgt, "5.75 Lbs.");
  EXPECT_EQ(v.dayPanel[0], "5.75");
  EXPECT_EQ(v.dayPanel[1], "");
  EXPECT_EQ(v.totPanel, "5.75");
  EXPECT_DOUBLE_EQ(g.tour.PlayerDayWeight[0], 5.75);
  EXPECT_DOUBLE_EQ(g.tour.TournamentField[kPlayerRow].DayWeight[0], 5.75);
}

TEST_F(WeighIn, FishDieOnlyAfterTwoThousandTicksWithTooLittleAir) {
  const struct {
    int ticks, aerator;
    std::initializer_list<int> draws;
    int dead;
  } cases[] = {
      {2000, 0, {}, 0},         // exactly 2000: never
      {2001, 0, {0, 1, 1}, 1},  // under a quarter: two draws, the same fish twice
      {2001, 0, {0, 0, 1}, 2},  // two fish
      {2001, 0, {1, 0, 2}, 1},  // the quarter draw failed: one fish at the half draw
      {4000, 1500, {0, 1}, 1},  // under a half: one fish
      {4000, 2000, {}, 0},      // aerator half the time: none
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.ticks * 10000 + c.aerator);
    for (size_t i = 0; i < 3; ++i) g.tour.LiveWell[i] = {3.0 - static_cast<double>(i) * 0.5, 0, true};
    g.tour.LiveWellCount = 3;
    g.tour.LiveWellTicks = c.ticks;
    g.tour.AeratorTicks = c.aerator;
    g.Random.clearScript();
    g.Random.script(c.draws);
    WeighMeFormShow(g);
    int dead = 0;
    for (size_t i = 0; i < 3; ++i) dead += !g.tour.LiveWell[i].Alive;
    EXPECT_EQ(dead, c.dead);
  }
}

TEST_F(WeighIn, StatisticsWithAndWithoutBites) {
  EXPECT_EQ(StatsText(g),
            "Number Of Casts Made : 0\rTotal Number Of Bites : 0\rStrikes Missed : 0\rBass Caught : 0\rBass Culled : "
            "0\rShort Fish Caught : 0\rNon-Bass Species Caught : 0\rFish Lost : 0\r\rStrike/Hooked Ratio : "
            "0.00%\rStrike/Landed Ratio : 0.00%");
  g.tour.stats = {3, 1, 1, 0, 1, 2, 0, 40};  // caught, culled, non-bass, short, missed, lost, broken, casts
  const StrikeRatios r = DayRatios(g);
  EXPECT_EQ(r.bites, 7);
  EXPECT_NEAR(r.hooked, 600.0 / 7, 1e-9);
  EXPECT_NEAR(r.landed, 400.0 / 7, 1e-9);
  SeeStatsBtnClick(g);
  EXPECT_NE(port.texts().back().find("Strike/Hooked Ratio : 85.71%\rStrike/Landed Ratio : 57.14%"), std::string::npos);
}

TEST_F(WeighIn, TheSheetPrintsAtItsPrinterPlaces) {
  g.tour.LiveWell[0] = {4.0, 0, true};
  g.tour.LiveWell[1] = {2.0, 2, false};
  g.tour.LiveWellCount = 2;
  g.boat.CitationCount = 1;
  g.boat.DayExpenses = 112.5;
  WeighMeFormShow(g);
  WeighInPrintBtnClick(g);
  ASSERT_EQ(port.printJobs.size(), 1u);
  const auto& t = port.printJobs[0].texts;
  auto at = [&](int x, int y) {
    for (const auto& p : t)
      if (p.x == x && p.y == y) return p.text;
    return std::string("<none>");
  };
  EXPECT_EQ(at(100, 200), "Lurewick Tournament Weigh In Sheet - Day 1");
  EXPECT_EQ(at(100, 350), "Body Of Water: Test Pond     Date: 6/14/2024");
  EXPECT_EQ(at(100, 400), "Angler: Casey Brook");
  EXPECT_EQ(at(100, 450), "Skill Level: Novice");
  EXPECT_EQ(at(100, 550), "Livewell Contents: ");
  EXPECT_EQ(at(100, 590), std::string(47, '-'));
  EXPECT_EQ(at(100, 630), "Largemouth");
  EXPECT_EQ(at(500, 630), "4.00 lbs.");
  EXPECT_EQ(at(100, 680), "Spotted");
  EXPECT_EQ(at(500, 680), "2.00 lbs.  [DEAD]");
  EXPECT_EQ(at(100, 780), "TOTAL.....");
  EXPECT_EQ(at(500, 780), "6.00 lbs.");
  EXPECT_EQ(at(100, 930), "Statistics:");
  EXPECT_EQ(at(100, 1020), "Casts Made: 0");
  EXPECT_EQ(at(100, 1420), "Strike/Landed Ratio: 0.00%");
  EXPECT_EQ(at(100, 1470), "Citations Received: 1");
  EXPECT_EQ(at(100, 1520), "Total Expenses: $112.50");
  EXPECT_EQ(at(100, 1670), "Lunker:");
  EXPECT_EQ(at(100, 1720), "The $1000 daily lunker award was won by " + g.tour.DayLunker[0].Name);
  EXPECT_EQ(at(100, 1770), "with a " + Fixed2(g.tour.DayLunker[0].Weight) + " lb. fish.");
  EXPECT_TRUE(port.printJobs[0].ended);
}

TEST_F(WeighIn, TheThirdDayEntersOnlyATotalAboveTheTenthRecord) {
  const struct {
    const char* tenth;
    bool entered;
  } cases[] = {{"12.00", true}, {"15.00", false}, {"15.01", false}, {"n/a", false}, {"", false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.tenth);
    g.tour.records.BigStringerRecords = {};
    g.tour.records.BigStringerRecords[9].Weight = c.tenth;
    port.boxes.clear();
    g.tour.TournamentDay = 2;
    g.tour.PlayerDayWeight = {6.0, 5.0, 0};
    g.tour.LiveWell = {};
    g.tour.LiveWell[0] = {4.0, 0, true};
    g.tour.LiveWellCount = 1;
    WeighMeFormShow(g);
    EXPECT_TRUE(g.tour.TournamentOver);
    EXPECT_EQ(g.tour.weighIn.panel2, "Final    Novice");
    EXPECT_EQ(g.tour.weighIn.totPanel, "15.00");
    const bool told = port.showed(
        "CONGRATULATIONS!!\r\rYour total tournament weight is one of the TOP TEN\r\rever recorded. Adding it to the "
        "All-Time records!");
    EXPECT_EQ(told, c.entered);
    const auto& top = g.tour.records.BigStringerRecords[0];
    EXPECT_EQ(top.Angler == "Casey Brook", c.entered);
    if (c.entered) {
      EXPECT_EQ(top.Weight, "15.00");
      EXPECT_EQ(top.Skill, "Novice");
      EXPECT_EQ(top.Lake, "Test Pond");
      EXPECT_EQ(top.Date, "6/14/2024");
      EXPECT_TRUE(QFile::exists(QString::fromStdString(BigStringerFilePath(g))));
    }
  }
}

// Three days: weighed in with fish (one dead), timed out, disqualified.
TEST_F(WeighIn, AWholeTournament) {
  std::vector<WeighInView> weighIns;
  std::vector<StandingsView> standings;
  std::vector<std::string> dqCaptions;
  port.onModal = [&](WindowId id) {
    EXPECT_FALSE(g.timerEnabled(TimerId::Main));
    g.FormActivate();  // windows come and go: MainTimer stays stopped
    EXPECT_FALSE(g.timerEnabled(TimerId::Main));
    if (id == WindowId::WeighMe) {
      weighIns.push_back(g.tour.weighIn);
      ViewBtnClick(g);
    }
    if (id == WindowId::ShowStan) standings.push_back(g.tour.standings);
    if (id == WindowId::DQ) dqCaptions.push_back(g.tour.DqCaption);
    return ModalResult::Ok;
  };
  g.tour.records.BigStringerRecords[9].Weight = "1.00";

  // Day 1: two fish, a short aerator time, weighed in beside the flag.
  setTile(kFlagCol + 1, kFlagRow, 0);
  placeBoat(kFlagCol + 1, kFlagRow, 0);
  LandFish(g, 0, 3.5);
  LandFish(g, 1, 2.0);
  ASSERT_EQ(g.tour.LiveWellCount, 2);
  g.tour.LiveWellTicks = 2500;
  g.tour.AeratorTicks = 100;
  g.Random.clearScript();
  g.Random.script({0, 1, 1});  // two deaths drawn, both the 2.00 lb fish
  WeighInBtnClick(g);
  EXPECT_TRUE(port.modalShown.empty());  // the day ends after the click's handler
  port.runPosted();
  ASSERT_EQ(weighIns.size(), 1u);
  EXPECT_EQ(weighIns[0].fishWeight[0], "3.50");
  EXPECT_EQ(weighIns[0].fishWeight[1], "2.00 (DEAD)");
  EXPECT_EQ(weighIns[0].finalWgt, "5.25 Lbs.");
  EXPECT_EQ(weighIns[0].lunkerPanel, "The $1000 daily lunker award was won by " + g.tour.DayLunker[0].Name +
                                         " with a " + Fixed2(g.tour.DayLunker[0].Weight) + " lb. fish.");
  EXPECT_DOUBLE_EQ(g.tour.PlayerDayWeight[0], 5.25);
  EXPECT_EQ(g.tour.TournamentDay, 1);
  EXPECT_EQ(g.tour.LiveWellCount, 0);

  // Day 2: the clock runs out, the warning first.
  g.tour.ClockRunning = true;
  LandFish(g, 0, 3.0);
  g.tour.DayTimeLeft = 3601;
  seconds(2);
  ChargeTime(g, 10000);
  seconds(1);
  ASSERT_GE(port.topNotes.size(), 2u);
  EXPECT_EQ(port.topNotes[port.topNotes.size() - 2].second,
            "WARNING: Less than 1 Hour remains in this day of the tournament.");
  ASSERT_EQ(weighIns.size(), 2u);
  EXPECT_EQ(weighIns[1].fishWeight[0], "0.00");
  EXPECT_EQ(weighIns[1].finalWgt, "0.00 Lbs.");
  EXPECT_EQ(weighIns[1].dayPanel[0], "5.25");
  EXPECT_EQ(weighIns[1].dayPanel[1], "0.00");
  EXPECT_EQ(g.tour.PlayerDayWeight[1], 0);
  EXPECT_EQ(g.tour.TournamentDay, 2);
  // The standings after day 2: sorted by total, the player highlighted.
  ASSERT_EQ(standings.size(), 2u);
  const StandingsView& s = standings[1];
  EXPECT_EQ(s.title, "Day 2 Standings");
  int me = -1;
  for (size_t p = 0; p < s.rows.size(); ++p) {
    EXPECT_EQ(s.rows[p][0], std::to_string(p + 1));
    if (p > 0) {
      EXPECT_GE(*WeightValue(s.rows[p - 1][5]), *WeightValue(s.rows[p][5]));
    }
    if (s.rows[p][1] == "Casey Brook") me = static_cast<int>(p);
    EXPECT_EQ(s.highlighted[p], s.rows[p][1] == "Casey Brook");
    EXPECT_EQ(s.rows[p][4], "");
  }
  ASSERT_GE(me, 0);
  EXPECT_EQ(s.rows[static_cast<size_t>(me)][5], "5.25");

  // Day 3: a second life-jacket citation disqualifies.
  placeBoat(g.boat.BoatCol, g.boat.BoatRow, 2);
  OutBtnClick(g);
  g.view.gearPos = 0;
  g.boat.LifeJacketOn = false;
  g.boat.LifeJacketWarned = true;
  g.boat.CitationCount = 1;
  const int left = g.tour.DayTimeLeft;
  g.Random.clearScript();
  g.Random.script({0});
  port.answers = {Answer::Ok, Answer::No};  // the top-ten message, then the final question
  port.onModal = [&, inner = port.onModal](WindowId id) {
    if (id == WindowId::WeighMe) {
      EXPECT_EQ(g.boat.CitationCount, 2);  // counted on the day that earned it
      EXPECT_DOUBLE_EQ(g.boat.DayExpenses, 150);
      EXPECT_EQ(g.tour.DayTimeLeft, left);  // the step charged nothing
    }
    return inner(id);
  };
  key('D');
  ASSERT_EQ(dqCaptions.size(), 1u);
  EXPECT_EQ(weighIns.size(), 2u);  // the day ends once the key's handler has returned
  port.runPosted();
  EXPECT_EQ(dqCaptions[0], "Notice Of Disqualification: Failure To Wear Life Jacket");
  ASSERT_EQ(weighIns.size(), 3u);
  EXPECT_EQ(weighIns[2].caption, "Day 3 Weigh-In Results");
  EXPECT_EQ(weighIns[2].finalWgt, "0.00 Lbs.");
  EXPECT_EQ(weighIns[2].dayPanel[2], "0.00");
  EXPECT_EQ(weighIns[2].totPanel, "5.25");
  EXPECT_EQ(standings.back().title, "Final Standings");
  EXPECT_EQ(g.tour.records.BigStringerRecords[0].Angler, "Casey Brook");
  EXPECT_EQ(g.tour.records.BigStringerRecords[0].Weight, "5.25");
  EXPECT_EQ(port.texts().back(), "The tournament is over.\r\rWould you like to play again?");
  EXPECT_TRUE(port.quitRequested);
  EXPECT_FALSE(port.showed(
      "You have fish in the livewell that\rhave not been weighed in yet.\r\rAre you SURE you want to quit?"));
  EXPECT_TRUE(port.neverInterruptedWithTimer());
}

}  // namespace
}  // namespace lwk
