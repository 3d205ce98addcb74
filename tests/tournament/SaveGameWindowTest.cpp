// Saving through the real save dialog and continuing the game through the
// real lake-selection button, on the main window with the game's own data.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMessageBox>
#include <QTimer>
#include <QToolButton>

#include "lake/qt/LakeControls.h"
#include "shell/Files.h"
#include "shell/qt/QtPort.h"
#include "shell/qt/TForm1.h"
#include "support/GameFixture.h"
#include "support/MainWindowFixture.h"
#include "tournament/Clock.h"
#include "tournament/Livewell.h"
#include "tournament/SaveGame.h"
#include "tournament/qt/TournamentControls.h"

namespace lwk {
namespace {

// The file name typed into the dialog's name box, with no row of its list
// selected: a selected row (a folder the dialog picked while it listed the
// directory) would be taken before the typed name.
void TypeFileName(QFileDialog* dlg, const std::string& path) {
  if (auto* list = dlg->findChild<QListView*>("listView")) list->clearSelection();
  if (auto* edit = dlg->findChild<QLineEdit*>("fileNameEdit"))
    edit->setText(QString::fromStdString(path));
  else
    dlg->selectFile(QString::fromStdString(path));
}

void Answer(QMessageBox* box, QMessageBox::StandardButton button) {
  if (QAbstractButton* b = box->button(button)) b->click();
}

// The test's port, with the save dialog the player really sees.
struct RealSaveDialogPort : TestPort {
  QtPort desktop;
  std::optional<std::string> saveFileDialog(const std::string& title, const std::vector<FileFilter>& filters,
                                            const std::string& initialDir, const std::string& defaultExt) override {
    return desktop.saveFileDialog(title, filters, initialDir, defaultExt);
  }
};

TEST(SaveGameWindow, ASavedDayTwoGameAsksBeforeOverwritingAndComesBackOnTheMainWindow) {
  QTemporaryDir dir;
  const std::string folder = dir.path().toStdString() + "/";
  CopyGameData(folder);
  RealSaveDialogPort port;
  Game g(port);
  port.game = &g;
  ASSERT_TRUE(g.StartUp(folder));
  TForm1 form(g);
  port.onViewChanged = [&form] { form.syncFromGame(); };
  port.onSurfaceChanged = [&form](int x, int y, int w, int h) { form.lakeSurfaceChanged(QRect(x, y, w, h)); };
  QtPort windows;
  WireLakeControls(g, form, windows);
  WireTournamentControls(g, form, windows);
  form.resize(900, 640);
  form.show();
  QApplication::processEvents();
  auto* saveBtn = static_cast<QToolButton*>(form.control(Ctl::SaveGameBtn));
  auto* pickLake = static_cast<QToolButton*>(form.control(Ctl::PickLake));

  // A Novice tournament on a bundled lake, into its second day.
  g.prefs.PlayLevel = Novice;
  port.openFiles.push_back(folder + "CedarFork.LAK");
  port.inputs.push_back(std::string("Casey Brook"));
  pickLake->click();
  ASSERT_TRUE(g.view.lakeVisible);
  LandFish(g, 0, 4.2);
  EndDay(g);
  ASSERT_EQ(g.tour.TournamentDay, 1);
  LandFish(g, 0, 5.1);
  LandFish(g, 1, 2.85);
  g.tour.DayTimeLeft = 20000;
  g.tour.ClockRunning = true;
  QApplication::processEvents();
  ASSERT_TRUE(saveBtn->isEnabled());
  port.boxes.clear();

  // An older game of the same name: the dialog asks; No keeps it, Yes replaces it.
  const std::string savePath = folder + "Day2.SAV";
  ASSERT_TRUE(WriteFileAtomically(savePath, "older game"));
  QStringList filters;
  QString suffix;
  QStringList questions;
  bool openAfterNo = false;
  // Looks at the open dialog every 10 ms until the save is done; a dialog
  // that did not take the answer is answered again at the next look.
  bool saving = true;
  QObject guard;
  std::function<void()> play = [&] {
    if (!saving) return;
    // The next look is due before this one clicks: the Save button opens
    // the question, which only returns once it is answered.
    QTimer::singleShot(10, &guard, play);
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || !modal->isVisible()) return;
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
      questions << box->text();
      Answer(box, questions.size() == 1 ? QMessageBox::No : QMessageBox::Yes);
    } else if (auto* dlg = qobject_cast<QFileDialog*>(modal)) {
      filters = dlg->nameFilters();
      suffix = dlg->defaultSuffix();
      if (questions.size() == 1) openAfterNo = true;  // No left the dialog open
      TypeFileName(dlg, savePath);
      static_cast<QDialog*>(dlg)->accept();  // the Save button
    }
  };
  QTimer::singleShot(0, &guard, play);
  saveBtn->click();
  saving = false;
  EXPECT_EQ(filters, QStringList{"Saved Games (*.SAV)"});
  EXPECT_EQ(suffix, "SAV");
  // No leaves the dialog open; Yes replaces the file.
  ASSERT_EQ(questions.size(), 2);
  EXPECT_TRUE(questions[0].contains("already exists")) << questions[0].toStdString();
  EXPECT_TRUE(openAfterNo);
  ASSERT_EQ(ReadWholeFile(savePath).value_or("").size(), static_cast<size_t>(kSavedGameSize));
  EXPECT_TRUE(port.boxes.empty());

  // Another game starts, then the saved one is chosen on the lake button.
  g.prefs.PlayLevel = Professional;
  port.openFiles.push_back(folder + "GraniteLake.LAK");
  port.inputs.push_back(std::string("Someone Else"));
  pickLake->click();
  ASSERT_EQ(g.tour.TournamentDay, 0);
  port.openFiles.push_back(savePath);
  pickLake->click();
  QApplication::processEvents();

  EXPECT_TRUE(form.windowTitle().endsWith("  DAY 2")) << form.windowTitle().toStdString();
  EXPECT_TRUE(form.windowTitle().contains("Mode: Novice"));
  EXPECT_EQ(form.statusPanel(1)->text(), QString::fromStdString(ClockText(20000)));
  EXPECT_EQ(g.tour.AnglerName, "Casey Brook");
  EXPECT_EQ(g.tour.TotalWeightCaption, "7.95");
  EXPECT_TRUE(form.control(Ctl::WeighInBtn)->isEnabled());
  EXPECT_TRUE(saveBtn->isEnabled());
  for (QAction* a : form.skillMenu()->actions())
    if (a->isCheckable()) {
      EXPECT_EQ(a->isChecked(), a->text() == "Novice") << a->text().toStdString();
    }
  EXPECT_TRUE(g.timerEnabled(TimerId::Main));
  EXPECT_TRUE(port.neverInterruptedWithTimer());
  EXPECT_TRUE(form.grab().save(ScreenshotPath("loaded-day2.png")));
}

}  // namespace
}  // namespace lwk
