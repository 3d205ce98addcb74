#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

#include "shell/qt/TForm1.h"
#include "support/MainWindowFixture.h"
#include "support/TextFits.h"

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

TEST_F(MainWindow, TheGpsAndGraphButtonsHaveTheirHints) {
  const struct {
    Ctl id;
    const char* hint;
  } buttons[] = {{Ctl::GPSpwr, "GPS On/Off"},       {Ctl::PlotGPS, "Set GPS To Plot Mode"},
                 {Ctl::SetWpt, "Set New WayPoint"}, {Ctl::GoToWpt, "Go To A WayPoint"},
                 {Ctl::GraphOn, "Turn On Graph"},   {Ctl::GraphOff, "Turn Off Graph"}};
  for (const auto& b : buttons) EXPECT_EQ(form->control(b.id)->toolTip(), b.hint);
  f.game->ShowButtonHints1Click();
  EXPECT_TRUE(form->control(Ctl::GraphOn)->toolTip().isEmpty());
}

TEST_F(MainWindow, TheGaugesAreLimeOnTheirColoursAndTheBatteriesLieUnderTheirLabels) {
  const struct {
    const char* name;
    Qt::Orientation orientation;
    const char* back;
  } gauges[] = {{"Fuel", Qt::Vertical, "red"},
                {"TrollingBattery", Qt::Horizontal, "fuchsia"},
                {"MainBattery", Qt::Horizontal, "yellow"}};
  for (const auto& g : gauges) {
    auto* bar = form->findChild<QProgressBar*>(g.name);
    ASSERT_NE(bar, nullptr) << g.name;
    EXPECT_EQ(bar->orientation(), g.orientation) << g.name;
    EXPECT_FALSE(bar->isTextVisible()) << g.name;
    // Half full: the lime chunk on the gauge's own colour, both seen on screen.
    bar->setValue(50);
    const QImage shot = bar->grab().toImage();
    const QPoint filled = g.orientation == Qt::Vertical ? QPoint(bar->width() / 2, bar->height() * 3 / 4)
                                                        : QPoint(bar->width() / 4, bar->height() / 2);
    const QPoint empty = g.orientation == Qt::Vertical ? QPoint(bar->width() / 2, bar->height() / 4)
                                                       : QPoint(bar->width() * 3 / 4, bar->height() / 2);
    EXPECT_EQ(QColor(shot.pixel(filled)), QColor("lime")) << g.name;
    EXPECT_EQ(QColor(shot.pixel(empty)), QColor(g.back)) << g.name;
  }
  // Each battery sits under its label, both under "Batteries".
  auto labelAt = [this](const char* text) {
    for (auto* l : form->findChildren<QLabel*>())
      if (l->text() == text) return l;
    return static_cast<QLabel*>(nullptr);
  };
  QLabel* batteries = labelAt("Batteries");
  QLabel* troll = labelAt("Trolling Motor");
  QLabel* main = labelAt("Main");
  ASSERT_TRUE(batteries && troll && main);
  auto* trollBar = form->findChild<QProgressBar*>("TrollingBattery");
  auto* mainBar = form->findChild<QProgressBar*>("MainBattery");
  EXPECT_LT(batteries->geometry().bottom(), troll->y());
  EXPECT_LE(troll->geometry().bottom(), trollBar->y());
  EXPECT_LT(trollBar->geometry().bottom(), main->y());
  EXPECT_LE(main->geometry().bottom(), mainBar->y());
}

TEST_F(MainWindow, TheDepthFinderGraphSitsInALoweredBevel) {
  auto* graph = form->findChild<QLabel*>("Graph");
  ASSERT_NE(graph, nullptr);
  auto* bevel = qobject_cast<QFrame*>(graph->parentWidget());
  ASSERT_NE(bevel, nullptr);
  EXPECT_EQ(bevel->frameShadow(), QFrame::Sunken);
  EXPECT_EQ(bevel->lineWidth(), 3);
  EXPECT_EQ(graph->size(), QSize(64, 64));
  EXPECT_TRUE(bevel->contentsRect().contains(graph->geometry()));
}

// The pure black of enabled text: a disabled caption is greyed and has none.
int BlackPixels(QWidget* w) {
  const QImage img = w->grab().toImage();
  int n = 0;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) n += (img.pixel(x, y) & 0xFFFFFF) == 0;
  return n;
}

TEST_F(MainWindow, TheGpsPowerButtonGreysOutWithTheGameControlsUntilALakeIsOpen) {
  QWidget* pwr = form->control(Ctl::GPSpwr);
  EXPECT_FALSE(pwr->isEnabled());
  EXPECT_EQ(BlackPixels(pwr), 0) << "a disabled PWR must look disabled";
  f.game->EnableGameControls(true);
  EXPECT_TRUE(pwr->isEnabled());
  EXPECT_GT(BlackPixels(pwr), 0);
  // Switched on, its caption is red.
  f.game->view.gpsPwrOn = true;
  form->syncFromGame();
  const QImage on = pwr->grab().toImage();
  bool red = false;
  for (int y = 0; y < on.height() && !red; ++y)
    for (int x = 0; x < on.width() && !red; ++x)
      red = QColor(on.pixel(x, y)).red() > 200 && qGreen(on.pixel(x, y)) < 60;
  EXPECT_TRUE(red);
}

TEST_F(MainWindow, PopupMenusOpenAtTheirPointFromTheWindowsFrame) {
  // Near the screen's corner, so that no menu is pushed back onto the screen.
  form->move(10, 20);
  QApplication::processEvents();

  // Where each menu showed, taken while it is open.
  QPoint shownAt;
  auto takeAndClose = [&shownAt](QMenu* menu) {
    QTimer::singleShot(0, menu, [menu, &shownAt] {
      shownAt = menu->pos();
      menu->close();
    });
  };
  const QPoint frame = form->frameGeometry().topLeft();
  QWidget* help = form->control(Ctl::HelpBtn);
  takeAndClose(form->helpPop());
  form->HelpBtnClick();
  EXPECT_EQ(shownAt, frame + QPoint(help->x() - 80, help->y() + 60));
  QWidget* skill = form->control(Ctl::SkillBtn);
  takeAndClose(form->prefMenu());
  form->SkillBtnClick();
  EXPECT_EQ(shownAt, frame + QPoint(skill->x(), skill->y() + 60));
  EXPECT_FALSE(f.game->DialogUp);
  // The frame's corner lies outside the client area's.
  EXPECT_NE(frame, form->mapToGlobal(QPoint(0, 0)));
}

TEST_F(MainWindow, NoTextIsCutOff) {
  for (int width : {640, 1024}) {
    form->resize(width, 480);
    QApplication::processEvents();
    EXPECT_EQ(CutOffTexts(form.get()), QStringList()) << width;
  }
}

TEST_F(MainWindow, ScreenshotOfTheWindowWithoutALake) {
  const QImage shot = form->grab().toImage();
  EXPECT_EQ(shot.size(), QSize(640, 480));
  EXPECT_TRUE(shot.save(ScreenshotPath("main-window.png")));
}

}  // namespace
}  // namespace lwk
