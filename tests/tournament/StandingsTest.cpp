// The field: the entry form, the computer anglers' day weights by level, the
// daily lunker, the standings and their printout.

#include <QDate>
#include <QLocale>

#include "tournament/RecordsFile.h"
#include "tournament/TournamentFixture.h"

namespace lwk {
namespace {

using Standings = TournamentLake;

TEST(TodayText, FitsTheTenCharactersOfTheRecordsWholeInEveryLocale) {
  const QDate day(2026, 12, 10);
  // The C locale's short date is eleven characters: the numeric form instead.
  EXPECT_EQ(TodayText(QLocale::c(), day), "2026-12-10");
  for (const char* name : {"en_US", "de_DE", "fr_FR", "ja_JP"}) {
    const QLocale locale(name);
    const std::string text = TodayText(locale, day);
    SCOPED_TRACE(name + (" " + text));
    EXPECT_LE(QString::fromStdString(text).size(), 10);
    const QString shortDate = locale.toString(day, QLocale::ShortFormat);
    if (shortDate.size() <= 10) {
      EXPECT_EQ(text, shortDate.toStdString());
    }
  }
}

TEST_F(Standings, TheEntryFormNamesThePlayer) {
  EXPECT_EQ(g.tour.AnglerName, "Casey Brook");
  EXPECT_EQ(g.tour.TournamentField[kPlayerRow].Name, "Casey Brook");
  EXPECT_EQ(g.tour.TournamentField[0].Name, CompetitorNames[0]);
  EXPECT_EQ(port.inputPrompts.back(), "Enter Your Name");
  const struct {
    std::optional<std::string> typed;
    const char* name;
  } cases[] = {{std::nullopt, "Unknown Angler"},
               {std::string("   "), "Unknown Angler"},
               {std::string("Bartholomew Featherstone"), "Bartholomew Feathers"},
               {std::string("Zoë Ångström-Lindqvist"), "Zoë Ångström-Lindqvi"}};
  for (const auto& c : cases) {
    port.inputs.push_back(c.typed);
    NewField(g);
    EXPECT_EQ(g.tour.AnglerName, c.name);
  }
  for (const char* n : CompetitorNames) EXPECT_LE(QString(n).size(), kAnglerNameMax) << n;
}

TEST(FieldWeights, AreBuiltFromTheirText) {
  EXPECT_DOUBLE_EQ(TextWeight(7, 5), 7.5);
  EXPECT_DOUBLE_EQ(TextWeight(7, 50), 7.5);
  EXPECT_DOUBLE_EQ(TextWeight(12, 3), 12.3);
  EXPECT_DOUBLE_EQ(TextWeight(16, 99), 16.99);
  EXPECT_EQ(TextWeight(0, 99), 0);
  EXPECT_DOUBLE_EQ(TextWeight(1, 0), 1.0);
  EXPECT_EQ(FieldWeightRange(Practice), 21);
  EXPECT_EQ(FieldWeightRange(Novice), 17);
  EXPECT_EQ(FieldWeightRange(Intermediate), 19);
  EXPECT_EQ(FieldWeightRange(Professional), 21);
}

TEST_F(Standings, TheFieldStaysInItsRangeAndTheLunkerHolderCarriesTheLunker) {
  for (int level : {Novice, Professional}) {
    g.prefs.PlayLevel = static_cast<std::uint8_t>(level);
    double heaviest = 0;
    for (int run = 0; run < 300; ++run) {
      GenerateFieldWeights(g, run % 3, 0);
      const LunkerEntry& l = g.tour.DayLunker[static_cast<size_t>(run % 3)];
      EXPECT_GE(l.Weight, 3.0);
      EXPECT_LT(l.Weight, 8.0);
      bool holder = false;
      for (int k = 0; k < kFieldSize; ++k) {
        const double w = g.tour.TournamentField[static_cast<size_t>(k)].DayWeight[static_cast<size_t>(run % 3)];
        heaviest = std::max(heaviest, w);
        EXPECT_TRUE(w == 0 || w >= 1.0);
        if (l.Name == CompetitorNames[static_cast<size_t>(k)]) {
          holder = true;
          EXPECT_GE(w, l.Weight);
          if (w < l.Weight + 1.0) {
            EXPECT_EQ(w, l.Weight);
          }
        }
      }
      EXPECT_TRUE(holder);
    }
    EXPECT_LE(heaviest, level == Novice ? 16.99 : 20.99);
  }
}

TEST_F(Standings, NobodyReachingTheLunkerGivesItToTheHeaviestAngler) {
  g.Random.clearScript();
  for (int k = 0; k < kFieldSize; ++k)
    if (k == 7)
      g.Random.script({2, 50});
    else
      g.Random.script({1, 20});
  g.Random.script({0, 10});  // lunker 3.10
  GenerateFieldWeights(g, 0, 2.5);
  EXPECT_EQ(g.tour.DayLunker[0].Name, CompetitorNames[7]);
  EXPECT_DOUBLE_EQ(g.tour.DayLunker[0].Weight, 2.5);  // the player's fish equals it: no award
  g.Random.clearScript();
  for (int k = 0; k < kFieldSize; ++k) g.Random.script({1, 20});
  g.Random.script({0, 10});
  GenerateFieldWeights(g, 1, 1.25);
  EXPECT_EQ(g.tour.DayLunker[1].Name, "Casey Brook");
  EXPECT_DOUBLE_EQ(g.tour.DayLunker[1].Weight, 1.25);
}

TEST_F(Standings, SortByTotalAndShowOnlyTheDaysWeighed) {
  auto& f = g.tour.TournamentField;
  for (int k = 0; k < kFieldSize; ++k) f[static_cast<size_t>(k)].DayWeight = {static_cast<double>(k % 5), 0, 0};
  f[kPlayerRow].DayWeight = {4.0, 0, 0};
  f[3].Name = "Casey Brookfield";  // holds the player's name: highlighted too
  g.tour.TournamentDay = 1;        // after the first weigh-in
  ViewCurrentStandings1Click(g);
  ASSERT_EQ(port.modalShown.back(), WindowId::ShowStan);
  const StandingsView& v = g.tour.standings;
  EXPECT_EQ(v.title, "Day 2 Standings");
  int fours = 0;
  for (size_t p = 0; p < v.rows.size(); ++p) {
    if (p > 0) {
      EXPECT_GE(*WeightValue(v.rows[p - 1][5]), *WeightValue(v.rows[p][5]));
    }
    fours += v.rows[p][5] == "4.00";
    EXPECT_EQ(v.rows[p][3], "0.00");
    EXPECT_EQ(v.rows[p][4], "");
    EXPECT_EQ(v.highlighted[p], v.rows[p][1] == "Casey Brook" || v.rows[p][1] == "Casey Brookfield");
  }
  EXPECT_EQ(fours, 9);  // eight anglers and the player tie; every one appears
  EXPECT_TRUE(port.neverInterruptedWithTimer());

  g.tour.TournamentDay = 0;
  ViewCurrentStandings1Click(g);
  EXPECT_EQ(port.texts().back(), "The weigh in has not happened yet\rso no standings are available.");
}

TEST_F(Standings, ThePrintoutFollowsTheGrid) {
  g.tour.TournamentDay = 2;
  g.tour.TournamentOver = true;
  g.tour.DayLunker = {LunkerEntry{5.5, "Dale Whitacre"}, LunkerEntry{3.25, "Casey Brook"},
                      LunkerEntry{7.0, "Opal Treadwell"}};
  StandingsFormShow(g);
  StandingsPrintBtnClick(g);
  ASSERT_EQ(port.printJobs.size(), 1u);
  const auto& t = port.printJobs[0].texts;
  auto at = [&](int x, int y) {
    for (const auto& p : t)
      if (p.x == x && p.y == y) return p.text;
    return std::string("<none>");
  };
  EXPECT_EQ(at(200, 100).rfind("Final Standings --    Date: ", 0), 0u);
  EXPECT_EQ(at(200, 200), "Body Of Water: Test Pond");
  EXPECT_EQ(at(200, 250), "Skill Level: Novice");
  EXPECT_EQ(at(200, 300), "Angler: Casey Brook");
  EXPECT_EQ(at(200, 450), std::string(66, '-'));
  EXPECT_EQ(at(200, 490), "1");
  EXPECT_EQ(at(300, 490), g.tour.standings.rows[0][1]);
  EXPECT_EQ(at(925, 490), "0.00");
  EXPECT_EQ(at(1650, 490), "0.00");
  EXPECT_EQ(at(2000, 490 + 40 * 50), "0.00");
  EXPECT_EQ(at(200, 2540), "Day 1 Lunker : Dale Whitacre - 5.50 lbs.");
  EXPECT_EQ(at(200, 2590), "Day 2 Lunker : Casey Brook - 3.25 lbs.");
  EXPECT_EQ(at(200, 2640), "Day 3 Lunker : Opal Treadwell - 7.00 lbs.");
}

}  // namespace
}  // namespace lwk
