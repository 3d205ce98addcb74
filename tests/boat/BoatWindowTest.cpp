#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QSlider>
#include <QTableWidget>
#include <QToolButton>

#include "boat/Gps.h"
#include "boat/qt/BoatControls.h"
#include "boat/qt/TPickWPT.h"
#include "shell/qt/QtPort.h"
#include "shell/qt/TForm1.h"
#include "support/MainWindowFixture.h"
#include "support/TextFits.h"

namespace lwk {
namespace {

struct BoatWindow : ::testing::Test {
  GameFixture f;
  QtPort qtPort;
  std::unique_ptr<TForm1> form;
  void SetUp() override {
    ASSERT_TRUE(f.game->StartUp(f.folder()));
    form = ShowMainWindow(f, 800, 600);
    WireBoatControls(*f.game, *form, qtPort);
    f.game->EnableGameControls(true);
  }
  Game& g() { return *f.game; }
};

TEST_F(BoatWindow, ThePropulsionControlsDriveTheBoat) {
  static_cast<QToolButton*>(form->control(Ctl::OutBtn))->click();
  EXPECT_TRUE(g().boat.OutboardOn);
  auto* throttle = static_cast<QSlider*>(form->control(Ctl::Throttle));
  EXPECT_EQ(throttle->value(), 19);
  // The player drags the throttle to 8: the limit is set, the motor idles.
  throttle->setValue(12);
  EXPECT_EQ(g().boat.ThrottleLimit, 8);
  EXPECT_EQ(g().boat.ThrottleSetting, 1);
  EXPECT_EQ(form->statusPanel(2)->text(), "Throttle limit has been set...");
  static_cast<QToolButton*>(form->control(Ctl::PaddLeBtn))->click();
  EXPECT_TRUE(g().boat.PaddleOn);
  EXPECT_FALSE(g().boat.OutboardOn);
  EXPECT_EQ(throttle->value(), 20);

  static_cast<QPushButton*>(form->control(Ctl::GPSpwr))->click();
  EXPECT_TRUE(g().boat.GpsOn);
  EXPECT_TRUE(form->control(Ctl::SetWpt)->isEnabled());
  EXPECT_EQ(form->control(Ctl::GPSpwr)->styleSheet(), "QPushButton:enabled { color: red; }");
  static_cast<QPushButton*>(form->control(Ctl::GraphOn))->click();
  EXPECT_TRUE(g().boat.DepthFinderOn);
}

TEST_F(BoatWindow, ThePickerListsErasesAndRenamesWaypoints) {
  for (int i = 1; i <= 4; ++i) {
    g().boat.gps.Waypoints[static_cast<size_t>(i)] = Waypoint{10 * i, 20, "spot " + std::to_string(i)};
  }
  g().boat.gps.NextFreeWpt = 5;
  TPickWPT pick(g(), form.get());
  pick.show();
  QTableWidget* grid = pick.grid();
  EXPECT_EQ(pick.windowTitle(), "Select/Save WayPoint");
  EXPECT_EQ(grid->item(2, 0)->text(), "      3");
  EXPECT_EQ(grid->horizontalHeaderItem(0)->text(), "Way Point #");
  EXPECT_EQ(grid->item(1, 1)->text(), "spot 2");

  grid->setCurrentCell(1, 1);
  EXPECT_EQ(g().boat.gps.SelectedWpt, 2);
  pick.findChild<QPushButton*>("EraseBtn")->click();
  EXPECT_EQ(grid->item(1, 1)->text(), "spot 3");
  EXPECT_EQ(grid->item(3, 1)->text(), "");
  EXPECT_EQ(g().boat.gps.NextFreeWpt, 4);

  grid->item(0, 1)->setText(QString(40, 'q'));
  EXPECT_EQ(g().boat.gps.Waypoints[1].text, std::string(30, 'q'));
  grid->setCurrentCell(2, 1);
  pick.findChild<QPushButton*>("OkBtn")->click();
  EXPECT_EQ(pick.result(), QDialog::Accepted);
  EXPECT_EQ(g().boat.gps.SelectedWpt, 3);
}

TEST_F(BoatWindow, ThePickerShowsItsHeadersWhole) {
  TPickWPT pick(g(), form.get());
  pick.show();
  QApplication::processEvents();
  EXPECT_EQ(CutOffTexts(&pick), QStringList());
  // Both columns fit the grid side by side: no sideways scrolling.
  QTableWidget* grid = pick.grid();
  EXPECT_LE(grid->horizontalHeader()->length(), grid->viewport()->width());
}

}  // namespace
}  // namespace lwk
