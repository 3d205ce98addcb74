#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "lake/LakeMap.h"
#include "lake/LakeTestData.h"
#include "shell/Game.h"
#include "support/TestPort.h"

namespace lwk {
namespace {

constexpr const char* kAskText = "No map of Pine Lake is available.\r\rWould you like to create it?";

struct LakeMapWindow : ::testing::Test {
  QTemporaryDir dir;
  TestPort port;
  Game game{port};
  void SetUp() override {
    port.game = &game;
    game.pictures.TileBitmaps = testdata::FlatTiles();
    game.lake.LakeGrid = testdata::OpenLakeGrid();
    game.lake.LakeName = "Pine Lake";
    game.lake.LakeMapPath = dir.path().toStdString() + "/j.doe/Pine.bmp";
    QDir().mkpath(dir.path() + "/j.doe");
    game.lake.WeighInCol = 199;
    game.lake.WeighInRow = 0;
    game.lake.GasPumps = {CellPos{60, 50}, CellPos{}, CellPos{}};
    game.boat.BoatCol = 100;
    game.boat.BoatRow = 120;
  }
};

TEST_F(LakeMapWindow, DecliningCostsAMinuteAndShowsNoMap) {
  game.tour.DayTimeLeft = 30;
  port.answers.push_back(Answer::Cancel);
  LakeMapFormShow(game);
  EXPECT_EQ(game.tour.DayTimeLeft, 0);
  ASSERT_EQ(port.boxes.size(), 1u);
  EXPECT_EQ(port.boxes[0].text, kAskText);
  EXPECT_EQ(port.boxes[0].buttons, Buttons::OkCancel);
  const QImage& img = game.lake.LakeMapImage;
  int dark = 0;
  for (int x = 50; x < 150; ++x)
    for (int y = 50; y < 70; ++y) dark += qGray(img.pixel(x, y)) < 100;
  EXPECT_GT(dark, 10);                                  // the words "NO MAP AVAILABLE"
  EXPECT_EQ(img.pixel(200, 240), qRgb(255, 255, 255));  // no boat mark
  EXPECT_FALSE(QFile::exists(QString::fromStdString(game.lake.LakeMapPath)));
}

TEST_F(LakeMapWindow, TheMapIsBuiltOnceKeptBesideTheLakeAndMarked) {
  game.tour.DayTimeLeft = 1000;
  LakeMapFormShow(game);
  EXPECT_EQ(game.tour.DayTimeLeft, 940);
  EXPECT_EQ(port.texts(), std::vector<std::string>{kAskText});
  EXPECT_EQ(game.lake.LakeMapCaption, "Map of Pine Lake");
  const QImage saved(QString::fromStdString(game.lake.LakeMapPath));
  ASSERT_EQ(saved.size(), QSize(400, 400));
  EXPECT_EQ(saved.pixel(0, 0), qRgb(255, 255, 255));
  EXPECT_EQ(saved.pixel(10, 10), game.pictures.TileBitmaps[0].pixel(0, 0));  // no marks in the file
  const QImage& shown = game.lake.LakeMapImage;
  EXPECT_EQ(shown.pixel(201, 240), qRgb(255, 0, 255));  // boat at (100, 120)
  int yellow = 0, blue = 0;                             // the blue W on its yellow box at (398, 0)
  for (int y = 0; y < 12; ++y) {
    yellow += shown.pixel(398, y) == qRgb(255, 255, 0);
    blue += qBlue(shown.pixel(399, y)) > 200 && qRed(shown.pixel(399, y)) < 100;
  }
  EXPECT_GT(yellow, 0);
  EXPECT_GT(blue, 0);
  // A later look loads the file without asking.
  port.boxes.clear();
  LakeMapFormShow(game);
  EXPECT_TRUE(port.boxes.empty());
  EXPECT_EQ(game.tour.DayTimeLeft, 880);
}

TEST_F(LakeMapWindow, TheTrailLagsOneStepBehindTheBoat) {
  LakeMapFormShow(game);
  game.boat.BoatCol = 110;
  MapTrailStep(game);
  game.boat.BoatCol = 120;
  MapTrailStep(game);
  const QImage& img = game.lake.LakeMapImage;
  EXPECT_EQ(img.pixel(221, 240), qRgb(255, 0, 255));  // dash where the boat was a step before
  EXPECT_NE(img.pixel(241, 240), qRgb(255, 0, 255));  // none yet at the boat itself
}

TEST_F(LakeMapWindow, FileFaultsAreToldAndTheMapStillShows) {
  game.lake.LakeMapPath = dir.path().toStdString() + "/no such folder/Pine.bmp";
  LakeMapFormShow(game);
  EXPECT_EQ(port.texts().back(),
            "Unable to create map file on disk.\r\rThis may be caused by insufficient\rdisk space, running from a "
            "CDROM, or a\rdisk drive problem.");
  EXPECT_EQ(game.lake.LakeMapImage.size(), QSize(400, 400));
  // A map file that is not a picture.
  game.lake.LakeMapPath = dir.path().toStdString() + "/broken.bmp";
  testdata::WriteText(game.lake.LakeMapPath, "not a picture");
  port.boxes.clear();
  LakeMapFormShow(game);
  EXPECT_EQ(port.texts(), std::vector<std::string>{"Unable to load file " + game.lake.LakeMapPath});
  EXPECT_EQ(game.lake.LakeMapImage.size(), QSize(400, 400));
}

}  // namespace
}  // namespace lwk
