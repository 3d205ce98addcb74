#include "fishing/TackleFixture.h"
#include "support/GameFixture.h"

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

namespace lwk {
namespace {

struct TackleFlow : TackleGame {
  int tackleMenus = 0;
  // What the player picks from the drawer menu when it pops up: a drawer, or
  // nothing (the menu dismissed).
  std::function<void()> onTackleMenu;

  void SetUp() override {
    TackleGame::SetUp();
    g.fishing.menus.PopupTackleBox = [this] {
      ++tackleMenus;
      if (onTackleMenu) onTackleMenu();
    };
  }
  void startClock(int left = kDaySeconds) {
    g.tour.ClockRunning = true;
    g.tour.DayTimeLeft = left;
  }
};

TEST_F(TackleFlow, TimeIsChargedOnlyOnceTheClockRunsAndNeverBelowZero) {
  // Before the day's clock starts nothing is charged.
  pickRod(2);
  port.onModal = [this](WindowId) {
    g.fishing.DrawerBait = 5;
    return ModalResult::Ok;
  };
  onTackleMenu = [this] { DrawerClick(g, 1); };
  TackleBtnClick(g);
  EXPECT_EQ(g.tour.DayTimeLeft, kDaySeconds);
  ASSERT_EQ(g.fishing.CurrentBait, 5);

  // Once it runs: a rod costs 60 s, a bait through the tacklebox 30 + 30 s.
  startClock();
  pickRod(2);
  EXPECT_EQ(g.tour.DayTimeLeft, kDaySeconds - 60);
  TackleBtnClick(g);
  EXPECT_EQ(g.tour.DayTimeLeft, kDaySeconds - 120);

  startClock(10);
  port.answers = {Answer::Cancel};  // rod 4 has no bait: no drawer now
  pickRod(4);
  EXPECT_EQ(g.tour.DayTimeLeft, 0);
  startClock(20);
  TackleBtnClick(g);
  EXPECT_EQ(g.tour.DayTimeLeft, 0);
}

TEST_F(TackleFlow, CancelInADrawerChangesNeitherTheTackleNorTheClock) {
  port.answers = {Answer::Cancel};
  pickRod(6);
  pickBait(0, 12, 3);
  startClock();
  const RodSetup setup = g.prefs.RodSetups[6];
  const auto cells = rodRow(6);
  port.onModal = [this](WindowId id) {
    EXPECT_EQ(id, WindowId::TBdrawer);
    g.fishing.DrawerBait = 7;
    g.fishing.DrawerColor = 2;
    return ModalResult::Cancel;
  };
  onTackleMenu = [this] { DrawerClick(g, 3); };
  TackleBtnClick(g);

  EXPECT_EQ(tackleMenus, 1);
  EXPECT_EQ(g.tour.DayTimeLeft, kDaySeconds - 30);  // opening the tacklebox only
  EXPECT_EQ(g.fishing.CurrentDrawer, 0);
  EXPECT_EQ(g.fishing.CurrentBait, 12);
  EXPECT_EQ(g.fishing.CurrentColor, 3);
  EXPECT_EQ(g.prefs.RodSetups[6].bait, setup.bait);
  EXPECT_EQ(g.prefs.RodSetups[6].drawer, setup.drawer);
  EXPECT_EQ(rodRow(6), cells);
  EXPECT_EQ(g.view.baitInUse, BaitName(0, 12));
  EXPECT_EQ(g.view.colorInUse, "Crawdad");
  EXPECT_FALSE(g.DialogUp);
}

TEST_F(TackleFlow, TackleWindowsStopTheClockAndTheTackleStaysPutWhileTheLineIsOut) {
  g.setTimer(TimerId::Main, true);
  pickRod(2);
  pickBait(1, 7, 4);
  EXPECT_TRUE(port.neverInterruptedWithTimer());
  EXPECT_TRUE(g.timerEnabled(TimerId::Main));

  // A cast in progress: neither the rod box nor the tacklebox opens.
  g.fishing.FishOn = true;
  const std::size_t shown = port.modalShown.size();
  const int menus = tackleMenus;
  RodSelBtnClick(g);
  TackleBtnClick(g);
  EXPECT_EQ(port.modalShown.size(), shown);
  EXPECT_EQ(tackleMenus, menus);
  EXPECT_EQ(g.fishing.CurrentRod, 2);
  EXPECT_EQ(g.fishing.CurrentBait, 7);
}

TEST_F(TackleFlow, ABaitNeedsARodFirst) {
  g.setTimer(TimerId::Main, true);
  startClock();
  TackleBtnClick(g);
  ASSERT_EQ(port.texts(), std::vector<std::string>{"You must select a rod before you can select a bait."});
  EXPECT_FALSE(port.boxes[0].mainTimerRunning);
  EXPECT_TRUE(g.timerEnabled(TimerId::Main));
  EXPECT_EQ(tackleMenus, 0);
  EXPECT_EQ(g.tour.DayTimeLeft, kDaySeconds);
  EXPECT_FALSE(g.DialogUp);
}

TEST_F(TackleFlow, ARodWithoutABaitOffersTheTackleboxWithTheClockStopped) {
  const std::string question = "The rod you selected has no bait attached.\r\rWould you like to select a bait for it?";
  g.setTimer(TimerId::Main, true);
  bool timerDuringDrawer = true;
  port.answers = {Answer::Ok};
  onTackleMenu = [&] {
    timerDuringDrawer = g.timerEnabled(TimerId::Main);
    pickBait(2, 14, 8);
  };
  pickRod(11);
  ASSERT_EQ(port.boxes.size(), 1u);
  EXPECT_EQ(port.boxes[0].text, question);
  EXPECT_EQ(port.boxes[0].kind, BoxKind::Confirm);
  EXPECT_EQ(port.boxes[0].buttons, Buttons::OkCancel);
  EXPECT_FALSE(port.boxes[0].mainTimerRunning);
  EXPECT_EQ(tackleMenus, 1);
  EXPECT_FALSE(timerDuringDrawer);
  EXPECT_TRUE(g.timerEnabled(TimerId::Main));
  // The bait chosen from the drawer is on the rod and in the panels.
  EXPECT_EQ(g.view.rodInUse, std::string(RodNames[11]));
  EXPECT_EQ(g.view.baitInUse, "Orrin Lake Weedless Spoon");
  EXPECT_EQ(g.view.colorInUse, "Hammered Nickel");
  EXPECT_EQ(g.prefs.RodSetups[11].drawer, 2);
  EXPECT_EQ(g.prefs.RodSetups[11].bait, 14);
  EXPECT_EQ(g.prefs.RodSetups[11].color, 8);

  // Cancel: the rod is in use, with no bait shown.
  port.answers = {Answer::Cancel};
  pickRod(0);
  EXPECT_EQ(port.boxes.back().text, question);
  EXPECT_EQ(tackleMenus, 1);
  EXPECT_EQ(g.fishing.CurrentRod, 0);
  EXPECT_EQ(g.fishing.CurrentBait, kNoTackle);
  EXPECT_EQ(g.view.baitInUse, "NONE");
  EXPECT_EQ(g.view.colorInUse, "NONE");

  // Back to the rigged rod: its bait comes back into use, no question.
  pickRod(11);
  EXPECT_EQ(port.boxes.size(), 2u);
  EXPECT_EQ(g.fishing.CurrentDrawer, 2);
  EXPECT_EQ(g.fishing.CurrentBait, 14);
  EXPECT_EQ(g.fishing.CurrentColor, 8);
  EXPECT_EQ(g.view.baitInUse, "Orrin Lake Weedless Spoon");
}

TEST_F(TackleFlow, CancelInTheRodBoxLeavesTheNextBaitOnTheRodInUse) {
  pickRod(2);
  // The player clicks rod 5's row, then cancels.
  port.onModal = [this](WindowId) {
    g.fishing.RodBoxRow = 5 + 1;
    return ModalResult::Cancel;
  };
  RodSelBtnClick(g);
  port.onModal = nullptr;
  EXPECT_EQ(g.fishing.CurrentRod, 2);
  EXPECT_EQ(g.fishing.RodBoxRow, 3);

  onTackleMenu = [this] { pickBait(6, 4, 3); };
  TackleBtnClick(g);
  EXPECT_EQ(g.prefs.RodSetups[2].drawer, 6);
  EXPECT_EQ(g.prefs.RodSetups[2].bait, 4);
  EXPECT_EQ(rodRow(2)[1], "Corran Creek Football Jig");
  EXPECT_EQ(rodRow(2)[2], "Black/Chartreuse");
  EXPECT_EQ(g.prefs.RodSetups[5].bait, -1);
  EXPECT_EQ(rodRow(5)[1], "NONE");
}

TEST_F(TackleFlow, ARodSetupOutsideTheCatalogueCountsAsNoBait) {
  g.prefs.RodSetups[9] = {1, 44, 0, 1};  // one bait past the spinnerbaits
  FillRodList(g);
  EXPECT_EQ(rodRow(9)[1], "NONE");
  port.answers = {Answer::Cancel};
  pickRod(9);
  EXPECT_EQ(g.fishing.CurrentBait, kNoTackle);
  EXPECT_EQ(port.boxes.size(), 1u);
}

TEST_F(TackleFlow, TheRetrieveChangesFreeAndTheDayStartsWithMediumButABlankPanel) {
  g.fishing.menus.PopupRetreiveMenu = [this] {
    EXPECT_TRUE(g.DialogUp);
    SetRetreive(g, 4);
  };
  startClock();
  RetrBtnClick(g);
  EXPECT_EQ(g.fishing.RetreiveType, 4);
  EXPECT_EQ(g.view.retreiveInUse, "Stop And Go");
  EXPECT_EQ(g.view.retreiveChecked, 4);
  EXPECT_EQ(g.tour.DayTimeLeft, kDaySeconds);
  EXPECT_FALSE(g.DialogUp);

  pickRod(7);
  pickBait(3, 9, 10);
  ResetTackleForDay(g);
  EXPECT_EQ(g.fishing.CurrentRod, kNoTackle);
  EXPECT_EQ(g.fishing.CurrentDrawer, kNoTackle);
  EXPECT_EQ(g.fishing.CurrentBait, kNoTackle);
  EXPECT_EQ(g.fishing.CurrentColor, kNoTackle);
  EXPECT_EQ(g.fishing.RetreiveType, 1);
  EXPECT_EQ(g.view.retreiveChecked, 1);
  EXPECT_EQ(g.view.rodInUse, "NONE SELECTED");
  EXPECT_EQ(g.view.baitInUse, "NONE");
  EXPECT_EQ(g.view.colorInUse, "NONE");
  EXPECT_EQ(g.view.retreiveInUse, "NONE");
  EXPECT_EQ(g.prefs.RodSetups[7].bait, 9);  // the rigging is kept
}

}  // namespace
}  // namespace lwk

namespace lwk {
namespace {

TEST(TackleRestart, RodSetupsAreThereAgainAtTheNextStart) {
  GameFixture f;
  ASSERT_TRUE(f.start());
  Game& g = *f.game;
  f.port.onModal = [&g](WindowId id) {
    if (id == WindowId::RodBox) g.fishing.RodBoxRow = 13 + 1;
    if (id == WindowId::TBdrawer) {
      g.fishing.DrawerBait = 10;
      g.fishing.DrawerColor = 16;
    }
    return ModalResult::Ok;
  };
  g.fishing.menus.PopupTackleBox = [&g] { DrawerClick(g, 5); };
  f.port.answers = {Answer::Ok};
  RodSelBtnClick(g);
  ASSERT_EQ(g.prefs.RodSetups[13].bait, 10);
  g.FormClose();

  TestPort port;
  Game again(port);
  port.game = &again;
  ASSERT_TRUE(again.StartUp(f.folder()));
  const RodSetup& s = again.prefs.RodSetups[13];
  EXPECT_EQ(s.drawer, 5);
  EXPECT_EQ(s.bait, 10);
  EXPECT_EQ(s.color, 16);
  EXPECT_EQ(again.fishing.RodList[14][1], "Wrenfield 4\" Tube Jig");
  EXPECT_EQ(again.fishing.RodList[14][2], "Salt & Pepper Phantom");
  EXPECT_EQ(again.fishing.RodList[1][1], "NONE");
}

}  // namespace
}  // namespace lwk
