#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>

#include "lake/BoatSprite.h"
#include "lake/LakeMap.h"
#include "lake/OpenLake.h"
#include "lake/qt/TLakeDraw.h"
#include "lake/qt/TLakeMap.h"
#include "shell/qt/TForm1.h"
#include "support/MainWindowFixture.h"

namespace lwk {
namespace {

struct LakeWindows : ::testing::Test {
  GameFixture f;
  std::unique_ptr<TForm1> form;
  void SetUp() override {
    ASSERT_TRUE(f.game->StartUp(f.folder()));
    form = ShowMainWindow(f, 800, 600);
    ASSERT_TRUE(f.game->FormShow());
    f.game->FormResize();
    QApplication::processEvents();
    f.port.boxes.clear();
  }
  void open(const std::string& lake) {
    f.port.openFiles.push_back(f.path(lake));
    PickLakeClick(*f.game);
    QApplication::processEvents();
  }
};

TEST_F(LakeWindows, EachBundledLakeShowsCentredOnTheFlagWithTheBoat) {
  for (const char* name : {"CedarFork", "GraniteLake", "Sawgrass"}) {
    SCOPED_TRACE(name);
    open(std::string(name) + ".LAK");
    Game& g = *f.game;
    TLakeDraw* lake = form->lake();
    ASSERT_TRUE(lake->isVisible());
    EXPECT_EQ(lake->horizontalScrollBar()->value(), g.lakeView.leftCol());
    EXPECT_EQ(lake->verticalScrollBar()->value(), g.lakeView.topRow());
    // The view's size is the lake widget's client area.
    EXPECT_EQ(g.lakeView.width(), lake->viewport()->width());
    const int flagX = (g.lake.WeighInCol - g.lakeView.leftCol()) * 32;
    EXPECT_NEAR(flagX, g.lakeView.width() / 2, 48);
    EXPECT_EQ(form->windowTitle().toStdString(), g.CaptionText());
    EXPECT_TRUE(form->grab().save(ScreenshotPath(QString(name) + ".png")));
  }
}

TEST_F(LakeWindows, TheScrollBarsAndTheMouseReachTheGame) {
  open("CedarFork.LAK");
  Game& g = *f.game;
  TLakeDraw* lake = form->lake();
  const int boatX = g.boat.BoatX;
  lake->horizontalScrollBar()->setValue(g.lakeView.leftCol() + 1);  // dragging the thumb
  EXPECT_EQ(g.boat.BoatX, boatX - 32);
  g.lakeView.scrollTo(20, 30);
  QApplication::processEvents();
  lake->syncScrollBars();
  EXPECT_EQ(lake->verticalScrollBar()->value(), 30);
  std::vector<std::pair<int, int>> ups;
  lake->onMouseUp = [&ups](int x, int y) { ups.emplace_back(x, y); };
  const QPointF at(40, 50);
  QMouseEvent press(QEvent::MouseButtonPress, at, lake->viewport()->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QMouseEvent release(QEvent::MouseButtonRelease, at, lake->viewport()->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
  QApplication::sendEvent(lake->viewport(), &press);
  QApplication::sendEvent(lake->viewport(), &release);
  EXPECT_EQ(ups, (std::vector<std::pair<int, int>>{{40, 50}}));
}

TEST_F(LakeWindows, TheMapWindowShowsTheLakeWithItsMarks) {
  open("GraniteLake.LAK");
  Game& g = *f.game;
  TLakeMap map(g, form.get());
  bool raised = false;
  map.onRaiseMainWindow = [&raised] { raised = true; };
  const int before = g.tour.DayTimeLeft;
  map.show();  // the player said OK to making the map
  QApplication::processEvents();
  EXPECT_EQ(g.tour.DayTimeLeft, before - 60);
  EXPECT_EQ(map.windowTitle().toStdString(), "Map of " + g.lake.LakeName);
  EXPECT_EQ(map.pos(), QPoint(0, 0));
  EXPECT_TRUE(QFile::exists(QString::fromStdString(g.lake.LakeMapPath)));
  map.resize(400, 400);
  QApplication::processEvents();
  EXPECT_TRUE(map.grab().save(ScreenshotPath("GraniteLake-map.png")));
  QKeyEvent key(QEvent::KeyPress, Qt::Key_D, Qt::NoModifier, "d");
  QApplication::sendEvent(&map, &key);
  EXPECT_TRUE(raised);
  // A tool window of the main window: it stays in sight above it.
  EXPECT_TRUE(map.isVisible());
  EXPECT_EQ(map.windowType(), Qt::Tool);
  EXPECT_EQ(map.parentWidget(), form.get());
}

TEST_F(LakeWindows, TheBoatsFirstBackgroundIsTheLakeAlone) {
  // The application becomes active while a lake opens: the boat is drawn
  // before the opening saves what lies under it.
  for (const char* name : {"CedarFork", "GraniteLake", "Sawgrass"}) {
    SCOPED_TRACE(name);
    Game& g = *f.game;
    const auto sync = f.port.onViewChanged;
    bool posted = false;
    f.port.onViewChanged = [&] {
      sync();
      if (g.view.lakeVisible && !posted) {
        posted = true;
        f.port.post([&g] { g.FormActivate(); });
      }
    };
    open(std::string(name) + ".LAK");
    f.port.onViewChanged = sync;
    ASSERT_TRUE(g.view.lakeVisible);
    const QImage lake = LakeTilesUnder(g, g.BoatRectX, g.BoatRectY, kBoatSize, kBoatSize);
    EXPECT_EQ(g.BoatBackground.convertToFormat(QImage::Format_RGB32), lake);
    // The boat leaves its spot: the spot shows the lake again.
    EraseBoat(g);
    EXPECT_EQ(g.lakeView.surface().copy(g.BoatRectX, g.BoatRectY, kBoatSize, kBoatSize), lake);
  }
}

}  // namespace
}  // namespace lwk
