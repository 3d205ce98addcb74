// The real desktop port: its dialogs, titles, printing and the start-up of
// the whole program on a screen that is too small.

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QFontInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTimer>

#include "lake/OpenLake.h"
#include "shell/Files.h"
#include "shell/Game.h"
#include "shell/qt/GameApp.h"
#include "shell/qt/QtPort.h"
#include "shell/qt/TForm1.h"
#include "support/GameFixture.h"
#include "support/TextFits.h"

namespace lwk {
namespace {

// Runs fn on the next modal dialog of type D once it is open (then the test
// closes it), so a test can look at a dialog that exec() holds open.
template <typename D>
void OnNextDialog(std::function<void(D*)> fn) {
  auto* poll = new QTimer(qApp);
  poll->setInterval(10);
  QObject::connect(poll, &QTimer::timeout, poll, [poll, fn] {
    if (auto* d = qobject_cast<D*>(QApplication::activeModalWidget())) {
      poll->stop();
      poll->deleteLater();
      fn(d);
    }
  });
  poll->start();
}

TEST(QtPortDialogs, TheOpenDialogNamesItsFilterOnceAndListsLakesAndSavedGames) {
  QTemporaryDir dir;
  for (const char* name : {"Pine.LAK", "Day2.SAV", "notes.txt"}) {
    QFile f(dir.filePath(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  }
  QtPort port;
  QString filterShown;
  QStringList listed;
  OnNextDialog<QFileDialog>([&](QFileDialog* dlg) {
    if (auto* combo = dlg->findChild<QComboBox*>("fileTypeCombo")) filterShown = combo->currentText();
    auto* model = dlg->findChild<QFileSystemModel*>();
    // The folder is read in the background: wait until its files are in.
    QEventLoop loop;
    QTimer::singleShot(5000, &loop, &QEventLoop::quit);
    auto take = [&] {
      listed.clear();
      const QModelIndex root = model->index(dir.path());
      for (int r = 0; r < model->rowCount(root); ++r) {
        const QModelIndex i = model->index(r, 0, root);
        // Rows the name filters hide are disabled in the model, not removed.
        if (model->flags(i) & Qt::ItemIsEnabled) listed << model->fileName(i);
      }
      listed.sort();
      if (listed.size() >= 2) loop.quit();
    };
    QObject::connect(model, &QFileSystemModel::directoryLoaded, &loop, take);
    QTimer::singleShot(0, &loop, take);
    loop.exec();
    dlg->reject();
  });
  EXPECT_FALSE(port.openFileDialog("Select A Lake or Saved Game To Fish", {{kLakeFilterText, "*.LAK *.SAV"}},
                                   dir.path().toStdString()));
  EXPECT_EQ(filterShown, "Lakes (*.LAK) and Saved Games (*.SAV)");
  EXPECT_EQ(listed, (QStringList{"Day2.SAV", "Pine.LAK"}));
}

TEST(QtPortDialogs, TheWaypointInputBoxIsWideEnoughForItsCaption) {
  QtPort port;
  int width = 0;
  QString caption;
  OnNextDialog<QInputDialog>([&](QInputDialog* dlg) {
    width = dlg->width();
    caption = dlg->windowTitle();
    EXPECT_EQ(CutOffTexts(dlg), QStringList());
    dlg->reject();
  });
  EXPECT_FALSE(port.inputBox("Enter WayPoint Description", "WayPoint 12 Description", ""));
  EXPECT_EQ(caption, "Enter WayPoint Description");
  // The title bar holds the caption beside the window's buttons.
  EXPECT_GE(width, QFontMetrics(QApplication::font()).horizontalAdvance(caption) + 100);
}

TEST(QtPortDialogs, ACornerBoxOpensAtTheMainWindowsTopLeftAndAPlainOneDoesNot) {
  GameFixture f;
  QtPort port;
  TForm1 form(*f.game);
  port.attach(f.game.get(), &form);
  form.setGeometry(200, 150, 900, 640);
  form.show();
  QApplication::processEvents();
  QPoint corner, centred;
  OnNextDialog<QMessageBox>([&](QMessageBox* box) {
    corner = box->frameGeometry().topLeft();
    box->accept();
  });
  EXPECT_EQ(port.messageBoxAtCorner(BoxKind::Plain, "Snagged.", Buttons::Ok), Answer::Ok);
  OnNextDialog<QMessageBox>([&](QMessageBox* box) {
    centred = box->frameGeometry().topLeft();
    box->accept();
  });
  port.messageBox(BoxKind::Plain, "Anything else.", Buttons::Ok);
  EXPECT_EQ(corner, form.frameGeometry().topLeft());
  EXPECT_NE(centred, form.frameGeometry().topLeft());
  port.attach(nullptr, nullptr);
}

TEST(QtPortTitles, TheProgramsTitleIsNotAppendedToEveryCaption) {
  // The desktop appends the toolkit's display name to every window's caption:
  // the game's own title (Lurewick, Lurewick-Suspended) must stay out of it.
  const QString before = QGuiApplication::applicationDisplayName();
  GameFixture f;
  QtPort port;
  TForm1 form(*f.game);
  port.attach(f.game.get(), &form);
  port.setAppTitle("Lurewick-Suspended");
  EXPECT_EQ(QGuiApplication::applicationDisplayName(), before);
  EXPECT_EQ(form.windowIconText(), "Lurewick-Suspended");
  port.attach(nullptr, nullptr);
}

TEST(QtPortPrinting, ThePrinterCanvasWorksAt300DotsPerInchWithASansFallback) {
  QTemporaryDir dir;
  const QString pdf = dir.filePath("page.pdf");
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer->setOutputFormat(QPrinter::PdfFormat);
  printer->setOutputFileName(pdf);
  printer->setPageSize(QPageSize(QPageSize::Letter));
  QPrinter* seen = printer.get();
  std::unique_ptr<PrinterCanvas> canvas = MakePrinterCanvas(std::move(printer));
  EXPECT_EQ(seen->resolution(), 300);
  // A letter page is 8.5 inches wide: about 2550 dots less the margins.
  EXPECT_GT(canvas->pageWidth(), 2000);
  EXPECT_LE(canvas->pageWidth(), 2550);
  canvas->setFont("Ariel", 12, false);
  // 12 points at 300 dpi are 50 dots: rows 50 dots apart do not overlap.
  const int h = canvas->textHeight("Largemouth 4.25");
  EXPECT_GE(h, 35);
  EXPECT_LE(h, 60);
  for (int row = 0; row < 10; ++row) canvas->textOut(100, 200 + 50 * row, "Row " + std::to_string(row));
  EXPECT_TRUE(canvas->endDoc());
  EXPECT_GT(QFile(pdf).size(), 0);

  // The missing "Ariel" comes out as this desktop's sans face.
  QFont asked("Ariel", 12);
  asked.setStyleHint(QFont::SansSerif);
  QFont sans;
  sans.setFamilies({"sans-serif"});
  EXPECT_EQ(QFontInfo(asked).family(), QFontInfo(sans).family());
}

// A desktop whose screen is too small, answering every box with OK.
class SmallScreenPort : public QtPort {
 public:
  std::vector<std::string> boxes;
  Answer messageBox(BoxKind, const std::string& text, Buttons) override {
    boxes.push_back(text);
    return Answer::Ok;
  }
  int screenWidth() const override { return 639; }
  int screenHeight() const override { return 480; }
};

TEST(QtPortStartUp, ATooSmallScreenEndsTheProgramThroughTheShutdownAfterItsMessage) {
  QTemporaryDir dir;
  CopyGameData(dir.path().toStdString());
  const std::string ini = dir.filePath("LWK.INI").toStdString();
  QFile::remove(QString::fromStdString(ini));
  auto port = std::make_unique<SmallScreenPort>();
  SmallScreenPort* seen = port.get();  // owned by the program until it ends
  int code = -1;
  {
    GameApp app(std::move(port));
    app.game().prefs.BackgroundSounds1 = false;
    // Should the close never come, the test ends the loop itself.
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, qApp, &QApplication::quit);
    guard.start(10000);
    code = app.run(dir.path());
    EXPECT_TRUE(guard.isActive()) << "the window did not close";
    EXPECT_FALSE(app.mainWindow()->isVisible());
    EXPECT_EQ(app.game().view.status[2], "Please wait.....Lurewick is shutting down.....");
    ASSERT_FALSE(seen->boxes.empty());
    EXPECT_EQ(seen->boxes.back(),
              "Lurewick cannot run on this system.\r\rLurewick requires a video display with at least 640 x "
              "480\rcapability.");
  }
  EXPECT_EQ(code, 0);
  EXPECT_TRUE(FileExists(ini)) << "the shutdown saves the settings";
}

}  // namespace
}  // namespace lwk
