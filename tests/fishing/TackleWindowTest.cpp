#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyle>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <functional>

#include "fishing/Tackle.h"
#include "fishing/qt/TRodBox.h"
#include "fishing/qt/TTBdrawer.h"
#include "fishing/qt/TackleControls.h"
#include "support/MainWindowFixture.h"
#include "support/WidgetClicks.h"

namespace lwk {
namespace {

struct TackleWindows : ::testing::Test, WidgetWatchers {
  GameFixture f;
  std::unique_ptr<TForm1> form;
  std::unique_ptr<TRodBox> rodBox;
  std::unique_ptr<TTBdrawer> drawer;

  void SetUp() override {
    ASSERT_TRUE(f.start());
    f.port.processEventsAdvances = false;
    form = ShowMainWindow(f, 800, 600);
    WireTackleControls(g(), *form);
    g().EnableGameControls(true);
    rodBox = std::make_unique<TRodBox>(g(), form.get());
    drawer = std::make_unique<TTBdrawer>(g(), form.get());
    // The modal windows are the real ones.
    f.port.onModal = [this](WindowId id) {
      QDialog* d = id == WindowId::RodBox ? static_cast<QDialog*>(rodBox.get()) : drawer.get();
      return d->exec() == QDialog::Accepted ? ModalResult::Ok : ModalResult::Cancel;
    };
  }
  Game& g() { return *f.game; }
  QMenu* menu(const char* name) const { return form->findChild<QMenu*>(name); }

  // Picks an item of a popup menu once it has popped up, checking where.
  void whenPopup(const char* name, const char* item, QWidget* button) {
    QMenu* m = menu(name);
    when([m] { return QApplication::activePopupWidget() == m; },
         [this, m, item, button] {
           EXPECT_EQ(m->pos(), form->frameGeometry().topLeft() + QPoint(button->x(), button->y() + 60));
           QAction* a = m->findChild<QAction*>(item);
           ASSERT_NE(a, nullptr) << item;
           Click(m, m->actionGeometry(a).center());
         });
  }
  QString field(int i) const { return form->bottomField(i)->text(); }
};

TEST_F(TackleWindows, ThePlayerRigsARodThroughTheRealWindowsAndMenus) {
  QWidget* tackleBtn = form->control(Ctl::TackleBtn);
  // The rod box: rod 4's row, OK. It has no bait; the player agrees to pick one.
  whenShown(rodBox.get(), [this] {
    EXPECT_EQ(rodBox->windowTitle(), "Rod Box");
    EXPECT_EQ(rodBox->grid()->horizontalHeaderItem(1)->text(), "   Bait Attached");
    EXPECT_EQ(rodBox->grid()->item(4, 0)->text(), "Two Hand Cast, 6 foot, Heavy Action, 18lb Line");
    ClickRow(rodBox->grid(), 4);
    rodBox->okButton()->click();
  });
  f.port.answers = {Answer::Ok};
  whenPopup("TackleBox", "PlasticWormsLizardsEtc1", tackleBtn);
  whenShown(drawer.get(), [this] {
    EXPECT_EQ(drawer->windowTitle(), "Tacklebox Drawer 5 - Plastic Worms, Lizards Etc.");
    EXPECT_EQ(drawer->baitList()->count(), 54);
    EXPECT_EQ(drawer->colorList()->count(), 30);
    EXPECT_EQ(drawer->baitList()->currentRow(), 0);
    EXPECT_FALSE(drawer->picture()->pixmap().isNull());
    ClickRow(drawer->baitList(), 19);
    ClickRow(drawer->colorList(), 11);
    drawer->okButton()->click();
  });
  static_cast<QToolButton*>(form->control(Ctl::RodSelBtn))->click();

  EXPECT_EQ(f.port.texts().back(),
            "The rod you selected has no bait attached.\r\rWould you like to select a bait for it?");
  EXPECT_EQ(g().fishing.CurrentRod, 4);
  EXPECT_EQ(g().fishing.CurrentDrawer, 4);
  EXPECT_EQ(g().fishing.CurrentBait, 19);
  EXPECT_EQ(g().fishing.CurrentColor, 11);
  EXPECT_EQ(field(0), "Two Hand Cast, 6 foot, Heavy Action, 18lb Line");
  EXPECT_EQ(field(1), "Pike Hollow 6\" Lizard");
  EXPECT_EQ(field(2), "Pumpkin Seed");
  rodBox->refill();
  EXPECT_EQ(rodBox->grid()->item(4, 1)->text(), "Pike Hollow 6\" Lizard");
  EXPECT_EQ(rodBox->grid()->item(4, 2)->text(), "Pumpkin Seed");

  // A retrieve from the real menu: checked there, shown in the panel.
  QWidget* retrBtn = form->control(Ctl::RetrBtn);
  whenPopup("RetreiveMenu", "Fast1", retrBtn);
  static_cast<QToolButton*>(retrBtn)->click();
  EXPECT_EQ(g().fishing.RetreiveType, 2);
  EXPECT_EQ(field(3), "Fast");
  EXPECT_TRUE(menu("RetreiveMenu")->findChild<QAction*>("Fast1")->isChecked());
  EXPECT_FALSE(menu("RetreiveMenu")->findChild<QAction*>("Medium1")->isChecked());

  // Another row clicked in the rod box and cancelled: back on rod 4.
  whenShown(rodBox.get(), [this] {
    EXPECT_EQ(rodBox->grid()->currentRow(), 4);
    ClickRow(rodBox->grid(), 9);
    rodBox->cancelButton()->click();
  });
  static_cast<QToolButton*>(form->control(Ctl::RodSelBtn))->click();
  EXPECT_EQ(g().fishing.RodBoxRow, 5);

  // Alt+B opens the tacklebox too; Cancel in the jigs drawer leaves the lizard on.
  whenPopup("TackleBox", "Jigs1", tackleBtn);
  whenShown(drawer.get(), [this] {
    EXPECT_EQ(drawer->windowTitle(), "Tacklebox Drawer 7 - Jigs");
    ClickRow(drawer->baitList(), 3);
    drawer->cancelButton()->click();
  });
  QKeyEvent altB(QEvent::KeyPress, Qt::Key_B, Qt::AltModifier);
  QApplication::sendEvent(form.get(), &altB);
  EXPECT_EQ(g().fishing.CurrentDrawer, 4);
  EXPECT_EQ(g().fishing.CurrentBait, 19);
  EXPECT_EQ(g().prefs.RodSetups[4].drawer, 4);
  EXPECT_EQ(field(1), "Pike Hollow 6\" Lizard");

  // A bait lost: the rod window's row and the panels read NONE.
  LoseBait(g());
  rodBox->refill();
  EXPECT_EQ(rodBox->grid()->item(4, 1)->text(), "NONE");
  EXPECT_EQ(rodBox->grid()->item(4, 2)->text(), "NONE");
  EXPECT_EQ(field(1), "NONE");
  EXPECT_EQ(field(2), "NONE");
}

TEST_F(TackleWindows, ScreenshotsOfTheRodBoxAndADrawer) {
  g().prefs.RodSetups[0] = {1, 22, 13, 1};
  g().prefs.RodSetups[2] = {0, 18, 12, 1};
  g().prefs.RodSetups[3] = {6, 14, 2, 1};
  g().prefs.RodSetups[9] = {4, 46, 12, 1};
  g().prefs.RodSetups[14] = {5, 5, 16, 1};
  FillRodList(g());
  g().fishing.RodBoxRow = 3;
  rodBox->show();
  QApplication::processEvents();
  // Every rod, lure and colour name fits its column of the rod box.
  QTableWidget* grid = rodBox->grid();
  const QFontMetrics fm(grid->font());
  const int margin = 2 * (rodBox->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1);
  const auto fits = [&](std::string_view name, int column) {
    EXPECT_LE(fm.horizontalAdvance(QString::fromUtf8(name.data(), qsizetype(name.size()))) + margin,
              grid->columnWidth(column))
        << name;
  };
  for (std::string_view rod : RodNames) fits(rod, 0);
  for (int d = 0; d < kDrawerCount; ++d) {
    for (std::string_view bait : BaitCatalogue[static_cast<std::size_t>(d)]) fits(bait, 1);
    for (std::string_view color : ColorCatalogue[static_cast<std::size_t>(d)]) fits(color, 2);
  }
  EXPECT_TRUE(rodBox->grab().save(ScreenshotPath("rodbox.png")));
  rodBox->hide();

  g().fishing.DrawerShown = 1;
  g().fishing.DrawerCaption = std::string(Drawers[1].title);
  g().fishing.DrawerBait = 0;
  g().fishing.DrawerColor = 0;
  drawer->show();
  QApplication::processEvents();
  QListWidget* baits = drawer->baitList();
  const QFontMetrics lm(baits->font());
  int widest = 0;
  for (int i = 0; i < baits->count(); ++i) widest = std::max(widest, lm.horizontalAdvance(baits->item(i)->text()));
  EXPECT_LE(widest, baits->viewport()->width());
  EXPECT_TRUE(drawer->grab().save(ScreenshotPath("drawer.png")));
  drawer->hide();
}

}  // namespace
}  // namespace lwk
