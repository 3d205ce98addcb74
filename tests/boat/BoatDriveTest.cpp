// Driving the boat on a bundled lake with real key events to the main window.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QKeyEvent>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>

#include "boat/Gps.h"
#include "boat/Steering.h"
#include "boat/Traffic.h"
#include "boat/qt/BoatControls.h"
#include "lake/BoatSprite.h"
#include "lake/LakeViewRules.h"
#include "lake/OpenLake.h"
#include "lake/qt/TLakeDraw.h"
#include "shell/qt/QtPort.h"
#include "shell/qt/TForm1.h"
#include "support/MainWindowFixture.h"

namespace lwk {
namespace {

constexpr int kDx[8] = {0, 1, 1, 1, 0, -1, -1, -1};
constexpr int kDy[8] = {-1, -1, 0, 1, 1, 1, 0, -1};
constexpr char kKeys[8] = {'W', 'E', 'D', 'C', 'X', 'Z', 'A', 'Q'};

struct BoatDrive : ::testing::Test {
  GameFixture f;
  QtPort qtPort;
  std::unique_ptr<TForm1> form;

  void SetUp() override {
    ASSERT_TRUE(f.start());
    form = ShowMainWindow(f, 1024, 768);
    WireBoatControls(*f.game, *form, qtPort);
    f.game->FormResize();
    f.port.processEventsAdvances = false;
    OpenLake(*f.game, f.path("CedarFork.LAK"));
    ASSERT_TRUE(g().view.lakeVisible);
    f.port.boxes.clear();
    // The traffic and the boating rules draw from the one generator, which
    // the lake reseeded from the clock: a fixed seed keeps every run the same.
    g().Random.seed(7);
    g().boat.LifeJacketOn = true;
  }
  Game& g() { return *f.game; }
  const BoatState& b() { return f.game->boat; }
  int tile(int c, int r) { return InLake(c, r) ? g().lake.tile(c, r) : 255; }
  int lakeX() { return g().lakeView.leftCol() * kTilePixels + b().BoatX; }
  int lakeY() { return g().lakeView.topRow() * kTilePixels + b().BoatY; }

  void press(int key) {
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, QString(QChar(key)));
    QApplication::sendEvent(form->lake()->viewport(), &down);
  }
  void release(int key) {
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, QString(QChar(key)));
    QApplication::sendEvent(form->lake()->viewport(), &up);
  }
  void click(Ctl c) { static_cast<QAbstractButton*>(form->control(c))->click(); }

  // Puts the boat in the middle of a cell, the view centred on it.
  void teleport(int col, int row, int heading) {
    EraseBoat(g());
    CentreViewOn(g(), col, row);
    auto& boat = g().boat;
    boat.BoatX = (col - g().lakeView.leftCol()) * kTilePixels + 8;
    boat.BoatY = (row - g().lakeView.topRow()) * kTilePixels + 8;
    boat.BoatHeading = heading;
    RecomputeBoatProbes(g());
    SaveBoatBackground(g());
  }
  // The longest straight run of open water, as its first cell and direction.
  struct Run {
    int col = 0, row = 0, d = 0, length = 0;
  };
  Run longestRun(int d) {
    Run best;
    for (int c = 1; c < 198; ++c)
      for (int r = 1; r < 198; ++r) {
        if (tile(c, r) != 0 || tile(c - kDx[d], r - kDy[d]) == 0) continue;
        int n = 0;
        while (tile(c + n * kDx[d], r + n * kDy[d]) == 0) ++n;
        if (n > best.length) best = {c, r, d, n};
      }
    return best;
  }
};

TEST_F(BoatDrive, ThePaddleMovesTheBoatUntilTheShoreStopsIt) {
  const Run run = longestRun(2);
  ASSERT_GE(run.length, 3);
  teleport(run.col + run.length - 2, run.row, 2);
  click(Ctl::PaddLeBtn);
  const int x0 = lakeX();
  for (int i = 0; i < 400 && !b().BoatStuck; ++i) {
    press('D');
    release('D');
  }
  EXPECT_TRUE(b().BoatStuck);
  EXPECT_GT(lakeX(), x0);
  // Stopped where the open water ends: at the bank or at a shore feature.
  EXPECT_NE(tile(b().BowCol, b().BowRow), 0);
  const int stuckAt = lakeX();
  press('D');
  EXPECT_EQ(lakeX(), stuckAt);
  press('A');  // the opposite key backs off
  EXPECT_FALSE(b().BoatStuck);
  EXPECT_EQ(lakeX(), stuckAt - 1);
}

TEST_F(BoatDrive, TheOutboardRunsAcrossTheLakeWithTheViewFollowing) {
  const Run run = longestRun(2);
  ASSERT_GE(run.length, 25);
  teleport(run.col + 1, run.row, 2);
  click(Ctl::OutBtn);
  ASSERT_TRUE(b().OutboardOn);
  static_cast<QSlider*>(form->control(Ctl::GearBox))->setValue(0);
  const int left0 = g().lakeView.leftCol();
  const int x0 = lakeX();
  int scrolls = 0;
  for (int i = 0; i < 60 && lakeX() < (run.col + run.length - 4) * kTilePixels; ++i) {
    const int before = g().lakeView.leftCol();
    press('D');
    f.port.tick(TimerId::KeyDown, 1);
    scrolls += g().lakeView.leftCol() != before;
    ASSERT_FALSE(b().BoatStuck) << i;
    ASSERT_GE(b().BoatX, 0);
    ASSERT_LT(b().BoatX + 16, g().lakeView.width());
  }
  // An unflagged release followed by a press at once is the keyboard's
  // repeat: the throttle stays open. A real release lets it fall back.
  const int open = b().ThrottleSetting;
  ASSERT_GT(open, 1);
  release('D');
  press('D');
  EXPECT_GE(b().ThrottleSetting, open);
  release('D');
  EXPECT_GE(b().ThrottleSetting, open);
  QEventLoop wait;
  QTimer::singleShot(200, &wait, &QEventLoop::quit);
  wait.exec();
  EXPECT_GT(lakeX() - x0, 20 * kTilePixels);
  EXPECT_GT(g().lakeView.leftCol(), left0);
  EXPECT_GE(scrolls, 1);
  EXPECT_EQ(b().ThrottleSetting, 1);
  EXPECT_LT(b().FuelLevel, 100);
  EXPECT_LT(g().tour.DayTimeLeft, kDaySeconds);
}

TEST_F(BoatDrive, TheTrollingMotorMovesAtItsSpeed) {
  const Run run = longestRun(4);
  ASSERT_GE(run.length, 4);
  teleport(run.col, run.row + 1, 4);
  static_cast<QSpinBox*>(form->control(Ctl::TmtrSpd))->setValue(3);
  click(Ctl::TrollBtn);
  const int y0 = lakeY();
  for (int i = 0; i < 5; ++i) press('X');
  EXPECT_EQ(lakeY(), y0 + 15);
  EXPECT_FALSE(b().BoatStuck);
}

TEST_F(BoatDrive, TheBoatPassesUnderABridge) {
  // A bridge cell with open water before and after it.
  int bc = -1, br = -1, d = -1;
  for (int c = 2; c < 197 && bc < 0; ++c)
    for (int r = 2; r < 197 && bc < 0; ++r) {
      if (!IsBridgeTile(tile(c, r))) continue;
      for (int k : {2, 4}) {
        if (tile(c - kDx[k], r - kDy[k]) == 0 && tile(c - 2 * kDx[k], r - 2 * kDy[k]) == 0 &&
            (tile(c + kDx[k], r + kDy[k]) == 0 ||
             (IsBridgeTile(tile(c + kDx[k], r + kDy[k])) && tile(c + 2 * kDx[k], r + 2 * kDy[k]) == 0))) {
          bc = c, br = r, d = k;
          break;
        }
      }
    }
  ASSERT_GE(bc, 0) << "the bundled lake has a bridge over open water";
  teleport(bc - 2 * kDx[d], br - 2 * kDy[d], d);
  click(Ctl::OutBtn);
  static_cast<QSlider*>(form->control(Ctl::GearBox))->setValue(0);
  bool hidden = false;
  for (int i = 0; i < 200; ++i) {
    press(kKeys[d]);
    release(kKeys[d]);
    ASSERT_FALSE(b().BoatStuck) << i;
    hidden |= BoatUnderBridge(g());
    if (!IsBridgeTile(tile(b().BoatCol, b().BoatRow)) && (d == 2 ? b().BoatCol > bc + 1 : b().BoatRow > br + 1)) break;
  }
  EXPECT_TRUE(hidden);
  EXPECT_EQ(d == 2 ? b().BoatCol : b().BoatRow, (d == 2 ? bc : br) + 2);
}

TEST_F(BoatDrive, Screenshot) {
  const Run run = longestRun(2);
  teleport(run.col + 1, run.row, 2);
  click(Ctl::GPSpwr);
  click(Ctl::GraphOn);
  click(Ctl::OutBtn);
  static_cast<QSlider*>(form->control(Ctl::GearBox))->setValue(0);
  g().setTimer(TimerId::Main, true);
  // Across the lake with a waypoint on the way, the clock and the traffic running.
  for (int i = 0; i < 80 && lakeX() < (run.col + run.length - 8) * kTilePixels; ++i) {
    press('D');
    f.port.tick(TimerId::KeyDown, 1);
    f.port.tick(TimerId::Main, 4);
    if (i == 10) {
      f.port.inputs.push_back("Rock pile");
      click(Ctl::SetWpt);
    }
  }
  ASSERT_FALSE(b().BoatStuck);
  // A jet ski and a canoe on open water ahead of the boat.
  auto& t = g().boat.traffic;
  const int left = g().lakeView.leftCol(), top = g().lakeView.topRow();
  const int cols = g().lakeView.visibleColCount(), rows = g().lakeView.visibleRowCount();
  auto water = [&](int dc, int dr) {
    for (int k = 0; k < 8; ++k)
      for (int s : {1, -1}) {
        const int c = b().BoatCol + dc + s * k, r = b().BoatRow + dr;
        if (tile(c, r) == 0 && c > left && c < left + cols - 1 && r > top && r < top + rows - 1) return QPoint(c, r);
      }
    return QPoint(b().BoatCol + 2, b().BoatRow);
  };
  const QPoint jet = water(4, -2), canoe = water(3, 3);
  t.JetSkis[0] = Craft{jet.x() * kTilePixels, jet.y() * kTilePixels, 0, {}};
  t.Canoes[0] = Craft{canoe.x() * kTilePixels, canoe.y() * kTilePixels + 10, 1, {}};
  t.JetSkisPlaced = t.CanoesPlaced = true;
  press('D');
  f.port.tick(TimerId::Main, 12);  // one game second: the canoes move too
  form->syncFromGame();
  QApplication::processEvents();
  EXPECT_TRUE(form->grab().save(ScreenshotPath("boat.png")));
}

}  // namespace
}  // namespace lwk
