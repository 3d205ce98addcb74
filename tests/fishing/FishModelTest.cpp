// What the fish decide at each step, and the fish formula.

#include "fishing/FishingFixture.h"
#include "lake/OpenLake.h"

namespace lwk {
namespace {

struct FishChoices : FishingLake {
  // The bait in cell (20, 19), offering drawer 0, bait 10, colour 10, Slow.
  void SetUp() override {
    FishingLake::SetUp();
    FishingState& f = g.fishing;
    f.BaitX = (20 - g.lakeView.leftCol()) * 32 + 5;
    f.BaitY = (19 - g.lakeView.topRow()) * 32 + 5;
    f.CurrentDrawer = 0;
    f.CurrentBait = 10;
    f.CurrentColor = 10;
    f.RetreiveType = 0;
  }
  FishSlot& slot(int i) { return g.lake.FishSlots.at(20, 19)[static_cast<size_t>(i)]; }
  bool strikes() {
    g.Random.script({1});  // the fish look at this step
    return StrikeCheck(g);
  }
};

TEST_F(FishChoices, PlayLevelsJudgeTheOfferDifferently) {
  // A fish of tolerance 2 that likes drawer 0, Slow.
  const struct {
    int level, bait, color, retreive;
    bool strikes;
  } cases[] = {
      {Novice, 30, 0, 0, true},                                          // Novice: drawer and retrieve are enough
      {Novice, 10, 10, 1, false},       {Intermediate, 12, 0, 0, true},  // the model within 2, any colour
      {Intermediate, 13, 10, 0, false}, {Practice, 8, 12, 0, true},      // model and colour within 2
      {Practice, 8, 13, 0, false},      {Professional, 12, 8, 0, true},
      {Professional, 10, 7, 0, false},  {Professional, 10, 10, 2, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.level) + " " + std::to_string(c.bait) + " " + std::to_string(c.color));
    g.prefs.PlayLevel = static_cast<std::uint8_t>(c.level);
    slot(0) = FishSlot{2,
                       0,
                       static_cast<std::uint8_t>(c.bait),
                       static_cast<std::uint8_t>(c.color),
                       static_cast<std::uint8_t>(c.retreive),
                       3,
                       0};
    EXPECT_EQ(strikes(), c.strikes);
  }
}

TEST_F(FishChoices, ToleranceZeroOnlyWithTheFormulaAndEightStrikesAtAnything) {
  g.prefs.PlayLevel = Professional;
  const struct {
    int tolerance;
    bool formula;
    int drawer, bait, retreive;
    bool strikes;
  } cases[] = {
      {0, false, 0, 10, 0, false},                             // an exact match is not enough
      {0, true, 0, 11, 0, true},                               // the formula's one step
      {0, true, 0, 12, 0, false},  {8, false, 5, 0, 3, true},  // anything at all
      {7, false, 5, 0, 3, false},  {7, true, 5, 0, 3, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.tolerance) + (c.formula ? " formula" : ""));
    g.fishing.FormulaSpent = !c.formula;
    slot(0) = FishSlot{static_cast<std::uint8_t>(c.tolerance),
                       static_cast<std::uint8_t>(c.drawer),
                       static_cast<std::uint8_t>(c.bait),
                       10,
                       static_cast<std::uint8_t>(c.retreive),
                       3,
                       0};
    EXPECT_EQ(strikes(), c.strikes);
  }
}

TEST_F(FishChoices, OneStepInThreeNobodyLooksAndTheFirstStrikingSlotWins) {
  slot(1) = FishSlot{0, 0, 10, 10, 0, 3, 0};  // never strikes
  slot(3) = FishSlot{9, 6, 0, 0, 4, 3, 1};
  slot(4) = FishSlot{9, 6, 0, 0, 4, 3, 2};
  g.fishing.BaitCol = g.fishing.BaitRow = 0;
  g.Random.script({0});
  EXPECT_FALSE(StrikeCheck(g));
  EXPECT_EQ(g.fishing.BaitCol, 0);  // the cell was not even looked up
  EXPECT_TRUE(strikes());
  EXPECT_EQ(g.fishing.StrikingSlot, 3);
  EXPECT_EQ(g.fishing.BaitCol, 20);
  EXPECT_EQ(g.fishing.BaitRow, 19);
  // An empty cell never strikes; neither does a bait beyond the lake.
  g.lake.FishSlots.at(20, 19) = {};
  EXPECT_FALSE(strikes());
  g.fishing.BaitX = (kLakeCells - g.lakeView.leftCol()) * 32 + 3;
  EXPECT_FALSE(strikes());
}

TEST_F(FishChoices, TheFormulaCoversTwelveCastsAndCostsFifteenSeconds) {
  g.tour.ClockRunning = false;
  g.tour.DayTimeLeft = 1000;
  FishFormulaBtnClick(g);
  EXPECT_EQ(g.tour.DayTimeLeft, 985);  // charged before the clock runs, too
  EXPECT_TRUE(g.view.fishFormGlyphOn);
  EXPECT_FALSE(g.fishing.FormulaSpent);
  for (int cast = 1; cast <= 12; ++cast) {
    SCOPED_TRACE(cast);
    EXPECT_FALSE(g.fishing.FormulaSpent);
    FormulaCastCount(g);
  }
  EXPECT_TRUE(g.fishing.FormulaSpent);
  EXPECT_FALSE(g.view.fishFormGlyphOn);

  // Each use restarts the count; never below 0 seconds; a new day spends it.
  g.tour.DayTimeLeft = 10;
  FishFormulaBtnClick(g);
  FormulaCastCount(g);
  FishFormulaBtnClick(g);
  EXPECT_EQ(g.fishing.FormulaCastsLeft, 11);
  EXPECT_EQ(g.tour.DayTimeLeft, 0);
  ResetDay(g);
  EXPECT_TRUE(g.fishing.FormulaSpent);
  EXPECT_EQ(g.fishing.FormulaCastsLeft, 0);
  EXPECT_FALSE(g.view.fishFormGlyphOn);
}

TEST_F(FishChoices, RealCastsCountForTheFormula) {
  FishFormulaBtnClick(g);
  for (int i = 0; i < 11; ++i) castAt(0, -8);
  EXPECT_FALSE(g.fishing.FormulaSpent);
  castAt(0, -8);
  EXPECT_TRUE(g.fishing.FormulaSpent);
  EXPECT_EQ(g.tour.stats.CastCount, 12);
}

}  // namespace
}  // namespace lwk
