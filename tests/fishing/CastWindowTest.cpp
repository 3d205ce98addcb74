// Casting in the real main window on a bundled lake: a mouse release on the
// lake view casts, Space sets the hook, the fish is fought and landed.

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <functional>

#include "fishing/Cast.h"
#include "fishing/qt/FishingControls.h"
#include "fishing/qt/TRodBox.h"
#include "fishing/qt/TTBdrawer.h"
#include "fishing/qt/TackleControls.h"
#include "lake/BoatSprite.h"
#include "lake/LakeViewRules.h"
#include "lake/OpenLake.h"
#include "lake/qt/TLakeDraw.h"
#include "shell/qt/TForm1.h"
#include "support/MainWindowFixture.h"
#include "support/WidgetClicks.h"

namespace lwk {
namespace {

struct CastWindow : ::testing::Test, WidgetWatchers {
  GameFixture f;
  std::unique_ptr<TForm1> form;
  std::unique_ptr<TRodBox> rodBox;
  std::unique_ptr<TTBdrawer> drawer;

  void SetUp() override {
    ASSERT_TRUE(f.start());
    form = ShowMainWindow(f, 1024, 768);
    WireTackleControls(*f.game, *form);
    WireFishingControls(*f.game, *form);
    rodBox = std::make_unique<TRodBox>(*f.game, form.get());
    drawer = std::make_unique<TTBdrawer>(*f.game, form.get());
    f.port.onModal = [this](WindowId id) {
      QDialog* d = id == WindowId::RodBox ? static_cast<QDialog*>(rodBox.get()) : drawer.get();
      return d->exec() == QDialog::Accepted ? ModalResult::Ok : ModalResult::Cancel;
    };
    f.game->FormResize();
    f.port.processEventsAdvances = false;
    OpenLake(*f.game, f.path("CedarFork.LAK"));
    ASSERT_TRUE(g().view.lakeVisible);
    f.port.boxes.clear();
    // The main timer runs but stays quiet: its ambient-sound draw would
    // take the draws the test scripts.
    g().setTimerInterval(TimerId::Main, 3600 * 1000);
    g().setTimer(TimerId::Main, true);
  }
  Game& g() { return *f.game; }
  void whenPopup(const char* name, const char* item) {
    QMenu* m = form->findChild<QMenu*>(name);
    when([m] { return QApplication::activePopupWidget() == m; },
         [m, item] { Click(m, m->actionGeometry(m->findChild<QAction*>(item)).center()); });
  }
  int tile(int c, int r) { return InLake(c, r) ? g().lake.tile(c, r) : 255; }

  // Puts the boat facing up in the cell below a column of open water at
  // least `length` cells long, the view centred on it.
  void placeBelowOpenWater(int length) {
    for (int c = 2; c < 197; ++c)
      for (int r = 197; r > length + 1; --r) {
        bool open = true;
        for (int k = 0; k <= length && open; ++k) open = tile(c, r - k) == 0;
        if (!open) continue;
        EraseBoat(g());
        CentreViewOn(g(), c, r);
        auto& b = g().boat;
        b.BoatX = (c - g().lakeView.leftCol()) * kTilePixels + 8;
        b.BoatY = (r - g().lakeView.topRow()) * kTilePixels + 8;
        b.BoatHeading = 0;
        RecomputeBoatProbes(g());
        SaveBoatBackground(g());
        return;
      }
    FAIL() << "no open water";
  }
  // No stocked fish in the cells the line crosses.
  void clearFishAbove(int col, int row) {
    for (int r = row - 3; r <= row + 1; ++r) g().lake.FishSlots.at(col, r) = {};
  }
  void releaseMouseOnLake(int x, int y) {
    const QPointF p(x, y);
    QMouseEvent up(QEvent::MouseButtonRelease, p, form->lake()->viewport()->mapToGlobal(p), Qt::LeftButton,
                   Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(form->lake()->viewport(), &up);
  }
  void pressSpace() {
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ");
    QApplication::sendEvent(form.get(), &down);
  }
};

TEST_F(CastWindow, ThePlayerRigsARodCastsHooksFightsAndLandsAFish) {
  // Rod 9 in the rod box (80 pixels); it has no bait, the player
  // picks one: the topwater drawer, its first bait and colour; Slow.
  whenShown(rodBox.get(), [this] {
    ClickRow(rodBox->grid(), 9);
    rodBox->okButton()->click();
  });
  f.port.answers = {Answer::Ok};
  whenPopup("TackleBox", "TopwaterBaits1");
  whenShown(drawer.get(), [this] {
    ClickRow(drawer->baitList(), 0);
    ClickRow(drawer->colorList(), 0);
    drawer->okButton()->click();
  });
  static_cast<QToolButton*>(form->control(Ctl::RodSelBtn))->click();
  whenPopup("RetreiveMenu", "Slow1");
  static_cast<QToolButton*>(form->control(Ctl::RetrBtn))->click();
  FishingState& fs = g().fishing;
  ASSERT_EQ(fs.CurrentRod, 9);
  ASSERT_EQ(fs.CurrentDrawer, 3);
  ASSERT_EQ(fs.CurrentBait, 0);
  ASSERT_EQ(fs.RetreiveType, 0);
  // From here on: what the cast shows.
  f.port.boxes.clear();
  f.port.modalMainTimer.clear();

  placeBelowOpenWater(4);
  const int x = g().boat.BowProbeX, y = g().boat.BowProbeY - 60;
  const int col = (g().lakeView.leftCol() * kTilePixels + x) / kTilePixels;
  const int row = (g().lakeView.topRow() * kTilePixels + y + 4) / kTilePixels;
  clearFishAbove(col, row);
  g().lake.FishSlots.at(col, row)[2] = FishSlot{9, 3, 0, 0, 0, 2, 0};  // a largemouth that takes anything

  // Splash; the fish strikes at the first step; twitch; 1.25 lb; seven quiet rounds; landed.
  std::vector<int> draws{0, 1, 0, 0, 0, 1, 25, 0};
  for (int i = 0; i < 7; ++i)
    for (int d : {0, 0, 0, 0, 1}) draws.push_back(d);
  draws.push_back(3);
  for (int d : draws) g().Random.script({d});

  bool lakeDisabled = false, shot = false;
  f.port.duringWait = [&] {
    lakeDisabled = lakeDisabled || !form->lake()->isEnabled();
    if (fs.PlopRect.valid && !shot) {
      // The line and the splash on the water.
      shot = true;
      QApplication::processEvents();
      form->lake()->grab().save(ScreenshotPath("cast.png"));
    }
    if (g().timerEnabled(TimerId::Strike)) pressSpace();
  };
  releaseMouseOnLake(x, y);

  EXPECT_TRUE(shot);
  EXPECT_TRUE(lakeDisabled);
  EXPECT_TRUE(form->lake()->isEnabled());
  EXPECT_TRUE(g().Random.scriptEmpty());
  EXPECT_EQ(fs.LastFight.end, FightEnd::Landed);
  EXPECT_EQ(fs.LastFight.species, 0);
  EXPECT_DOUBLE_EQ(fs.LastFight.weight, 1.25);
  EXPECT_TRUE(g().lake.FishSlots.at(col, row)[2].empty());
  EXPECT_EQ(g().tour.stats.CastCount, 1);
  EXPECT_FALSE(fs.FishOn);
  EXPECT_TRUE(g().tour.ClockRunning);
  EXPECT_TRUE(f.port.neverInterruptedWithTimer());
  EXPECT_EQ(f.port.stuckWaits, 0);
}

TEST_F(CastWindow, AMousePressOverTheLakeSetsTheHookWhileTheLineIsOut) {
  placeBelowOpenWater(4);
  FishingState& fs = g().fishing;
  fs.CurrentRod = 9;
  fs.CurrentDrawer = 0;
  fs.CurrentBait = 0;
  fs.RetreiveType = 0;
  int pressesSeen = 0;
  f.port.duringWait = [&] {
    if (fs.RetreiveStepDone || pressesSeen > 0 || !fs.LineDrawn || fs.CastInFlight) return;
    // The lake view is disabled: the press reaches the main window.
    const QPointF p(50, 50);
    QMouseEvent down(QEvent::MouseButtonPress, p, form->lake()->viewport()->mapToGlobal(p), Qt::LeftButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(form->lake()->viewport(), &down);
    pressesSeen += fs.HookSetPressed ? 1 : 0;
  };
  clearFishAbove(g().boat.BowCol, g().boat.BowRow);
  // The fish formula first, from its button.
  static_cast<QAbstractButton*>(form->control(Ctl::FishFormulaBtn))->click();
  EXPECT_TRUE(g().view.fishFormGlyphOn);
  releaseMouseOnLake(g().boat.BowProbeX, g().boat.BowProbeY - 60);
  EXPECT_EQ(fs.FormulaCastsLeft, 10);
  EXPECT_EQ(pressesSeen, 1);
  // The press ended the retrieve at the next step, long before the bait was back.
  EXPECT_LT(fs.BaitY, g().boat.BowProbeY - 40);
  EXPECT_EQ(g().tour.stats.CastCount, 1);
}

}  // namespace
}  // namespace lwk
