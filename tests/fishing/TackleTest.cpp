#include "fishing/TackleFixture.h"

namespace lwk {
namespace {

TEST(TackleCatalogue, SnagRatingsKeepTheirExceptionsAndEveryOtherBaitTheDrawerRating) {
  struct Case {
    int drawer;
    int rest;
    std::vector<std::pair<int, int>> except;
  };
  const Case cases[] = {
      {0, 10, {{26, 5}}},
      {1, 3, {{7, 10}, {20, 10}, {23, 10}, {40, 10}, {41, 10}, {8, 9}, {21, 9}, {22, 9}}},
      {2, 10, {{7, 1}, {14, 1}, {16, 9}, {17, 9}}},
      {3, 10, {{9, 1}, {6, 2}, {28, 2}, {31, 2}, {32, 2}, {33, 2}, {14, 4}}},
      {4, 1, {{1, 3}, {2, 3}, {10, 3}, {11, 3}, {17, 3}, {38, 3}, {41, 3}, {46, 3}, {48, 3}, {49, 3}, {24, 2}}},
      {5, 3, {{0, 5}, {3, 5}, {5, 5}, {6, 5}, {12, 2}, {14, 7}}},
      {6, 1, {}},
  };
  for (const Case& c : cases) {
    const auto& ratings = SnagRatings[static_cast<std::size_t>(c.drawer)];
    ASSERT_EQ(ratings.size(), BaitCatalogue[static_cast<std::size_t>(c.drawer)].size()) << c.drawer;
    for (std::size_t i = 0; i < ratings.size(); ++i) {
      int want = c.rest;
      for (auto [index, rating] : c.except)
        if (static_cast<std::size_t>(index) == i) want = rating;
      EXPECT_EQ(ratings[i], want) << "drawer " << c.drawer << " bait " << i;
    }
  }
}

TEST(TackleCatalogue, PricesReadAsDollarsAndOnlyCatalogueSetupsCarryABait) {
  const double prices[kDrawerCount] = {4.00, 3.50, 2.50, 4.50, 0.25, 0.30, 1.50};
  for (int d = 0; d < kDrawerCount; ++d) EXPECT_DOUBLE_EQ(BaitPrice(d), prices[d]) << d;
  EXPECT_EQ(BaitPrice(255), 0);

  // Setups as a hand-edited LWK.INI may hold them.
  const struct {
    RodSetup setup;
    bool bait;
  } setups[] = {{{0, 47, 19, 1}, true}, {{6, 14, 10, 1}, true}, {{-1, -1, -1, 1}, false}, {{0, 48, 0, 1}, false},
                {{2, 0, 15, 1}, false}, {{7, 0, 0, 1}, false},  {{4, -1, 3, 1}, false},   {{3, 0, -1, 1}, false}};
  for (const auto& s : setups)
    EXPECT_EQ(RodHasBait(s.setup), s.bait) << s.setup.drawer << "/" << s.setup.bait << "/" << s.setup.color;
  EXPECT_EQ(BaitName(0, 48), "NONE");
  EXPECT_EQ(ColorName(5, 16), "Salt & Pepper Phantom");
  EXPECT_EQ(ColorName(4, 27), "Bubblegum");
}

TEST_F(TackleGame, LosingTheBaitChargesTheDrawerPriceAndLeavesTheRodBare) {
  pickRod(3);
  pickBait(4, 53, 22);
  ASSERT_EQ(rodRow(3)[1], BaitName(4, 53));
  const double before = g.boat.DayExpenses;

  EXPECT_EQ(LoseBait(g), ".25");
  EXPECT_DOUBLE_EQ(g.boat.DayExpenses, before + 0.25);
  EXPECT_EQ(g.fishing.CurrentBait, kNoTackle);
  EXPECT_EQ(g.fishing.CurrentColor, kNoTackle);
  EXPECT_EQ(g.fishing.CurrentDrawer, 4);  // kept
  EXPECT_EQ(g.fishing.CurrentRod, 3);
  const RodSetup& s = g.prefs.RodSetups[3];
  EXPECT_EQ(s.drawer, -1);
  EXPECT_EQ(s.bait, -1);
  EXPECT_EQ(s.color, -1);
  EXPECT_EQ(rodRow(3)[1], "NONE");
  EXPECT_EQ(rodRow(3)[2], "NONE");
  EXPECT_EQ(g.view.baitInUse, "NONE");
  EXPECT_EQ(g.view.colorInUse, "NONE");
}

}  // namespace
}  // namespace lwk
