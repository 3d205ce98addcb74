// The real game on a real X server with a window manager: what only a
// desktop shows (the application's activation, the keyboard's own repeat).

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QInputDialog>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <iostream>
#include <vector>

#include "boat/Motors.h"
#include "lake/LakeTestData.h"
#include "lake/OpenLake.h"
#include "shell/Game.h"
#include "shell/qt/GameApp.h"
#include "shell/qt/TForm1.h"
#include "shell/qt/TTopNote.h"
#include "support/GameFixture.h"
#include "tournament/qt/TShowStan.h"
#include "tournament/qt/TWeighMe.h"

namespace lwk {
namespace {

void RunFor(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

bool RunUntil(const std::function<bool()>& done, int ms) {
  QElapsedTimer t;
  t.start();
  while (!done() && t.elapsed() < ms) RunFor(20);
  return done();
}

struct X11Game : ::testing::Test {
  QTemporaryDir dir;
  std::unique_ptr<GameApp> app;
  std::string lake;

  void SetUp() override {
    if (QGuiApplication::platformName() != "xcb")
      GTEST_SKIP() << "needs an X server with a window manager (scripts/with-xvfb.sh)";
    CopyGameData(dir.path().toStdString());
    // Open water all over, the flag near the west shore: room for a long run east.
    CellGrid<std::uint8_t> grid;
    grid.fill(0);
    grid.at(5, 100) = 255;
    grid.at(5, 102) = 163;
    lake = dir.path().toStdString() + "/Open.LAK";
    testdata::WriteText(lake, testdata::LakeText(grid));
    app = std::make_unique<GameApp>();
    ASSERT_TRUE(app->start(dir.path()));
    game().prefs.BackgroundSounds1 = game().prefs.BackgroundSoundsOn = false;
    ASSERT_TRUE(RunUntil([] { return QGuiApplication::applicationState() == Qt::ApplicationActive; }, 5000));
    RunFor(300);
  }
  void TearDown() override { app.reset(); }
  Game& game() { return app->game(); }
  TForm1& form() { return *app->mainWindow(); }

  void openLake() {
    // Its notes (no depth file yet) are answered as they come.
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [] {
      QWidget* box = QApplication::activeModalWidget();
      if (auto* entry = qobject_cast<QInputDialog*>(box)) {
        entry->setTextValue("Casey Brook");  // the tournament's entry form
        entry->accept();
      } else if (box) {
        box->close();
      }
    });
    answer.start(200);
    OpenLake(game(), lake);
    answer.stop();
    ASSERT_TRUE(game().view.lakeVisible);
    // No traffic in the way of the boat.
    game().boat.traffic.CanoesPlaced = game().boat.traffic.JetSkisPlaced = false;
    RunFor(300);
  }
  // Shows a box of the game and closes it as the player would, after a while.
  void showAndCloseABox() {
    QTimer::singleShot(500, [] {
      if (QWidget* box = QApplication::activeModalWidget()) box->close();
    });
    game().Message(BoxKind::Plain, "A word from the game.");
    RunFor(1000);  // the main window has the focus again
  }
};

TEST_F(X11Game, ClosingOneOfTheGamesBoxesLeavesTheTimerAndTheWindowSizeAlone) {
  openLake();
  ASSERT_TRUE(game().timerEnabled(TimerId::Main));
  // The clock stands still (as while a day changes): a box comes and goes.
  game().setTimer(TimerId::Main, false);
  showAndCloseABox();
  EXPECT_FALSE(game().timerEnabled(TimerId::Main));

  // The player's own window size survives a box with Full Screen At Start on.
  game().prefs.FullScreenAtStart1 = true;
  form().showNormal();
  form().resize(900, 700);
  RunFor(500);
  ASSERT_FALSE(form().windowState() & Qt::WindowMaximized);
  showAndCloseABox();
  EXPECT_FALSE(form().windowState() & Qt::WindowMaximized);
  EXPECT_EQ(QGuiApplication::applicationState(), Qt::ApplicationActive);
}

TEST_F(X11Game, HoldingForwardForFiveSecondsOpensTheThrottleFully) {
  openLake();
  Game& g = game();
  // A random citation would stop the boat in the middle of the run.
  g.boat.LifeJacketOn = true;
  OutBtnClick(g);
  ASSERT_TRUE(g.boat.OutboardOn);
  g.view.gearPos = 0;  // Forward
  g.Changed();
  form().activateWindow();
  ASSERT_TRUE(RunUntil([this] { return form().isActiveWindow(); }, 3000));
  int topThrottle = 0;
  int topTach = 0;
  // Any box that comes up during the run is noted and closed, so a run that
  // went wrong fails instead of waiting for a player who is not there.
  std::vector<QString> boxes;
  QTimer closer;
  QObject::connect(&closer, &QTimer::timeout, [&boxes] {
    if (QWidget* box = QApplication::activeModalWidget()) {
      boxes.push_back(box->windowTitle());
      box->close();
    }
  });
  closer.start(100);
  QProcess::execute("xdotool", {"keydown", "d"});
  QElapsedTimer held;
  held.start();
  // Five seconds; a busy machine's timers may lag behind by a few ticks.
  while (held.elapsed() < 5000 || (g.boat.ThrottleSetting < 20 && held.elapsed() < 6000)) {
    RunFor(20);
    topThrottle = std::max(topThrottle, g.boat.ThrottleSetting);
    topTach = std::max(topTach, std::stoi(g.view.tach));
  }
  const int throttleAtRelease = g.boat.ThrottleSetting;
  QProcess::execute("xdotool", {"keyup", "d"});
  RunFor(500);
  closer.stop();
  EXPECT_TRUE(boxes.empty()) << "a box interrupted the run: " << boxes.front().toStdString();
  std::cout << "five-second hold: throttle " << throttleAtRelease << ", tachometer up to " << topTach << " RPM\n";
  RecordProperty("tachometer", topTach);
  EXPECT_EQ(throttleAtRelease, 20);
  EXPECT_GT(topTach, 5000);
  EXPECT_FALSE(g.boat.BoatStuck);
  // Letting go idles the outboard again.
  EXPECT_EQ(g.boat.ThrottleSetting, 1);
}

TEST_F(X11Game, ATimedOutDayEndsOnceWithTheClockStoppedWhateverWindowsComeAndGo) {
  game().prefs.PlayLevel = Novice;
  openLake();
  Game& g = game();
  ASSERT_EQ(g.tour.AnglerName, "Casey Brook");
  ASSERT_TRUE(g.timerEnabled(TimerId::Main));
  // The last seconds of the day run out on the real main timer.
  g.tour.ClockRunning = true;
  g.tour.DayTimeLeft = 3;
  // The player answers each window as it comes: the time-out's message, the
  // weigh-in (its standings first), the standings; meanwhile, and through
  // the next day's banner, the clock must stay stopped.
  QStringList shown;
  int timerOnWhileEnding = 0;
  int weighIns = 0;
  // The next look is due before this one clicks: a click may open a window
  // of its own that only returns once it is answered.
  bool playing = true;
  QObject guard;
  std::function<void()> look = [&] {
    if (!playing) return;
    QTimer::singleShot(50, &guard, look);
    if ((g.tour.DayEnding || g.timerEnabled(TimerId::Banner)) && g.timerEnabled(TimerId::Main)) ++timerOnWhileEnding;
    QWidget* w = QApplication::activeModalWidget();
    if (w == nullptr || !w->isVisible()) return;
    if (g.timerEnabled(TimerId::Main)) ++timerOnWhileEnding;
    const QString name = w->metaObject()->className();
    shown << name;
    if (auto* weigh = qobject_cast<TWeighMe*>(w)) {
      ++weighIns;
      weigh->viewBtn()->click();  // the standings, from the weigh-in
      weigh->okBtn()->click();
    } else if (auto* stan = qobject_cast<TShowStan*>(w)) {
      stan->okBtn()->click();
    } else if (auto* box = qobject_cast<QMessageBox*>(w)) {
      QAbstractButton* b = box->button(QMessageBox::Ok);
      if (b == nullptr) b = box->button(QMessageBox::Yes);
      if (b != nullptr) b->click();
    } else {
      if (auto* d = qobject_cast<QDialog*>(w)) d->accept();  // the message window's OK
    }
  };
  QTimer::singleShot(0, &guard, look);
  ASSERT_TRUE(
      RunUntil([&] { return g.tour.TournamentDay == 1 && !g.tour.DayEnding && g.timerEnabled(TimerId::Main); }, 30000))
      << "windows seen: " << shown.join(", ").toStdString();
  // A few more seconds of play: the day does not end a second time.
  RunFor(1500);
  playing = false;
  std::cout << "windows of the day's end: " << shown.join(", ").toStdString() << "\n";
  EXPECT_TRUE(shown.contains("lwk::TTopNote"));
  EXPECT_TRUE(shown.contains("lwk::TShowStan"));
  EXPECT_EQ(weighIns, 1);
  EXPECT_EQ(timerOnWhileEnding, 0);
  EXPECT_EQ(g.tour.TournamentDay, 1);
  EXPECT_EQ(g.tour.DayTimeLeft, kDaySeconds);
  EXPECT_TRUE(g.view.lakeVisible);
  EXPECT_EQ(QGuiApplication::applicationState(), Qt::ApplicationActive);
}

}  // namespace
}  // namespace lwk
