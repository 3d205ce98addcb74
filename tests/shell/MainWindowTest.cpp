#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>

#include "shell/qt/TForm1.h"
#include "support/MainWindowFixture.h"

namespace lwk {
namespace {

struct MainWindow : ::testing::Test {
  GameFixture f;
  std::unique_ptr<TForm1> form;
  void SetUp() override {
    ASSERT_TRUE(f.game->StartUp(f.folder()));
    f.game->prefs.FullScreenAtStart1 = false;  // keep the start-up size of 640 x 480
    form = ShowMainWindow(f, 640, 480);
    ASSERT_TRUE(f.game->FormShow());
  }
};

TEST_F(MainWindow, ToolButtonsSitWhereTheyBelongWithTheirHints) {
  const struct {
    Ctl id;
    int x;
    const char* hint;
  } buttons[] = {{Ctl::TackleBtn, 4, "Tacklebox"},
                 {Ctl::RetrBtn, 76, "Set The Type Of Retreive"},
                 {Ctl::TmtrSpd, 132, "Trolling Motor Speed"},
                 {Ctl::OutBtn, 204, "Outboard Motor ON.OFF"},
                 {Ctl::MapBtn, 280, "View Map of Lake"},
                 {Ctl::FindBoatBtn, 392, "Find My Boat"},
                 {Ctl::PickLake, 512, "Select A Lake or Saved Game To Fish"},
                 {Ctl::SaveGameBtn, 552, "Save This Game"}};
  for (const auto& b : buttons) {
    QWidget* w = form->control(b.id);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->x(), b.x) << b.hint;
    EXPECT_EQ(w->toolTip(), b.hint);
  }
  EXPECT_EQ(form->control(Ctl::TackleBtn)->size(), QSize(36, 36));
  // Help sits 47 pixels left of the right edge, whatever the width.
  EXPECT_EQ(form->control(Ctl::HelpBtn)->x(), form->width() - 47);
  form->resize(900, 600);
  EXPECT_EQ(form->control(Ctl::HelpBtn)->x(), 900 - 47);
}

TEST_F(MainWindow, StartsWithoutALakeAndTheGameControlsDisabled) {
  EXPECT_FALSE(form->control(Ctl::OutBtn)->isEnabled());
  EXPECT_FALSE(form->control(Ctl::Throttle)->isEnabled());
  EXPECT_FALSE(form->control(Ctl::WeighInBtn)->isEnabled());
  EXPECT_FALSE(form->control(Ctl::PlotGPS)->isEnabled());
  EXPECT_TRUE(form->control(Ctl::PickLake)->isEnabled());
  EXPECT_TRUE(form->control(Ctl::SkillBtn)->isEnabled());
  EXPECT_EQ(form->bottomField(0)->text(), "NONE SELECTED");
  EXPECT_EQ(form->bottomField(3)->text(), "NONE");
  EXPECT_EQ(form->statusPanel(0)->text(), "Time Remaining");
  EXPECT_EQ(form->windowTitle(), "Lurewick Professional");
  auto* title = form->findChild<QLabel*>("Image1");
  ASSERT_NE(title, nullptr);
  EXPECT_TRUE(title->isVisible());

  f.game->EnableGameControls(true);
  EXPECT_TRUE(form->control(Ctl::OutBtn)->isEnabled());
  EXPECT_TRUE(form->control(Ctl::WeighInBtn)->isEnabled());
}

TEST_F(MainWindow, BottomFieldsFollowTheWindowWidth) {
  form->resize(1000, 700);
  const auto boxes = BottomFieldLayout(1000);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(form->bottomField(i)->x(), boxes[static_cast<size_t>(i)].left);
    EXPECT_EQ(form->bottomField(i)->width(), boxes[static_cast<size_t>(i)].width);
    EXPECT_EQ(form->bottomLabel(i)->x(), boxes[static_cast<size_t>(i)].left);
  }
}

TEST_F(MainWindow, MenusHaveTheirItemsAndSeparators) {
  QStringList pref;
  for (QAction* a : form->prefMenu()->actions()) pref << (a->isSeparator() ? "-" : a->text());
  EXPECT_EQ(pref, (QStringList{"Set Play Mode", "-", "Background Sounds", "Fishing Sounds", "-", "Show Button Hints",
                               "-", "Suspend If Inactive", "-", "Full Screen At Start"}));
  QStringList skill;
  for (QAction* a : form->skillMenu()->actions()) skill << (a->isSeparator() ? "-" : a->text());
  EXPECT_EQ(skill, (QStringList{"Practice", "-", "Novice", "Intermediate", "Professional"}));
  // The level loaded from the settings is the checked one.
  EXPECT_TRUE(form->skillMenu()->actions()[2]->isChecked());
  QStringList help;
  for (QAction* a : form->helpPop()->actions()) help << (a->isSeparator() ? "-" : a->text());
  EXPECT_EQ(help, (QStringList{"&Help (F1)", "-", "View &Weather && Water Conditions", "-", "View Current &Standings",
                               "-", "View &Records"}));
}

TEST_F(MainWindow, HintsFollowThePreference) {
  f.game->ShowButtonHints1Click();
  EXPECT_TRUE(form->control(Ctl::MapBtn)->toolTip().isEmpty());
  f.game->ShowButtonHints1Click();
  EXPECT_EQ(form->control(Ctl::MapBtn)->toolTip(), "View Map of Lake");
}

TEST_F(MainWindow, F1OpensHelpAtTheContents) {
  QKeyEvent press(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
  QApplication::sendEvent(form.get(), &press);
  EXPECT_EQ(f.port.helpContexts, std::vector<int>{1});
}

TEST_F(MainWindow, ScreenshotOfTheWindowWithoutALake) {
  const QImage shot = form->grab().toImage();
  EXPECT_EQ(shot.size(), QSize(640, 480));
  EXPECT_TRUE(shot.save(ScreenshotPath("main-window.png")));
}

}  // namespace
}  // namespace lwk
