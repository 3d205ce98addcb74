// The windows of a tournament day on the real widgets: the day banner over
// the lake, the entry form, the weigh-in, the standings and the notice of
// disqualification, and the printed weigh-in sheet and standings.

#include <gtest/gtest.h>

#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

#include "lake/OpenLake.h"
#include "lake/qt/TLakeDraw.h"
#include "shell/qt/QtPort.h"
#include "support/MainWindowFixture.h"
#include "support/TextFits.h"
#include "tournament/Standings.h"
#include "tournament/WeighIn.h"
#include "tournament/qt/TDQ.h"
#include "tournament/qt/TShowStan.h"
#include "tournament/qt/TWeighMe.h"

namespace lwk {
namespace {

struct DayWindows : ::testing::Test {
  GameFixture f{false};
  void SetUp() override {
    g().GameFolder = std::string(LWK_GAME_DIR) + "/";
    g().ResetGameState();
    g().prefs.PlayLevel = Intermediate;
    g().lake.LakeName = "Cedar Fork";
    g().tour.FixedDate = "6/14/2024";
    f.port.inputs.push_back(std::string("Casey Brook"));
    NewField(g());
    g().Random.seed(11);
  }
  Game& g() { return *f.game; }
  // A day with three bass, one of them dead.
  void dayWithFish() {
    g().tour.LiveWell[0] = {4.0, 0, true};
    g().tour.LiveWell[1] = {2.75, 1, true};
    g().tour.LiveWell[2] = {2.0, 2, false};
    g().tour.LiveWellCount = 3;
    WeighMeFormShow(g());
  }
};

TEST_F(DayWindows, TheWeighInWindowShowsTheDay) {
  dayWithFish();
  TWeighMe w(g(), nullptr);
  w.show();
  QApplication::processEvents();
  EXPECT_EQ(w.windowTitle(), "Day 1 Weigh-In Results");
  EXPECT_EQ(w.size(), QSize(427, 318));
  EXPECT_EQ(w.panel2()->text(), "Day 1   Intermediate");
  EXPECT_EQ(w.fishType(2)->text(), "Spotted");
  EXPECT_EQ(w.fishWeight(2)->text(), "2.00 (DEAD)");
  EXPECT_EQ(w.totalWgt()->text(), "8.75 Lbs.");
  EXPECT_EQ(w.penalties()->text(), "0.25");
  EXPECT_EQ(w.finalWgt()->text(), "8.50 Lbs.");
  EXPECT_EQ(w.dayPanel(0)->text(), "8.50");
  EXPECT_EQ(w.totPanel()->text(), "8.50");
  EXPECT_TRUE(w.lunkerPanel()->text().startsWith("The $1000 daily lunker award was won by "));
  EXPECT_EQ(w.viewBtn()->text(), "&View Current Standings");
  EXPECT_TRUE(w.grab().save(ScreenshotPath("weigh-in.png")));
  w.seeStatsBtn()->click();
  EXPECT_EQ(f.port.texts().back().rfind("Number Of Casts Made : 0", 0), 0u);
  w.viewBtn()->click();
  EXPECT_EQ(f.port.modalShown.back(), WindowId::ShowStan);
  w.okBtn()->click();
  EXPECT_FALSE(w.isVisible());
}

TEST_F(DayWindows, TheStandingsHighlightThePlayer) {
  dayWithFish();
  g().tour.TournamentDay = 1;
  g().tour.LiveWell = {};
  g().tour.LiveWell[0] = {3.1, 0, true};
  g().tour.LiveWellCount = 1;
  WeighMeFormShow(g());
  g().tour.TournamentDay = 2;  // after the second day
  StandingsFormShow(g());
  TShowStan w(g(), nullptr);
  w.show();
  QApplication::processEvents();
  EXPECT_EQ(w.windowTitle(), "Current Standings");
  // The stated size, wider only where this desktop's font needs the room.
  EXPECT_GE(w.width(), 538);
  EXPECT_EQ(w.height(), 276);
  EXPECT_EQ(CutOffTexts(&w), QStringList());
  EXPECT_EQ(w.title()->text(), "Day 3 Standings");
  QTableWidget* grid = w.grid();
  ASSERT_EQ(grid->rowCount(), 42);
  EXPECT_EQ(grid->item(0, 2)->text(), "Day 1 Weight");
  EXPECT_GE(grid->columnWidth(1), 130);
  int mine = 0;
  for (int r = 1; r < 42; ++r) {
    const bool me = grid->item(r, 1)->text() == "Casey Brook";
    mine += me;
    EXPECT_EQ(grid->item(r, 3)->background().color() == QColor(Qt::yellow), me) << r;
    EXPECT_EQ(grid->item(r, 0)->text(), QString::number(r));
    EXPECT_EQ(grid->item(r, 4)->text(), "");
  }
  EXPECT_EQ(mine, 1);
  EXPECT_TRUE(w.grab().save(ScreenshotPath("standings.png")));
  w.okBtn()->click();
  EXPECT_FALSE(w.isVisible());
}

TEST_F(DayWindows, TheNoticeOfDisqualificationNamesTheReason) {
  g().tour.DqCaption = "Notice Of Disqualification: Speeding In No Wake Zone";
  TDQ w(g(), nullptr);
  w.show();
  QApplication::processEvents();
  EXPECT_EQ(w.windowTitle(), "Notice Of Disqualification: Speeding In No Wake Zone");
  EXPECT_EQ(w.size(), QSize(427, 199));
  EXPECT_FALSE(w.image()->pixmap().isNull());
  auto* l6 = w.findChild<QLabel*>("Label6");
  ASSERT_NE(l6, nullptr);
  EXPECT_EQ(l6->text(), "you will be stripped of all diginity before the standing-room");
  EXPECT_TRUE(w.grab().save(ScreenshotPath("dq.png")));
  w.okBtn()->click();
  EXPECT_FALSE(w.isVisible());
}

TEST(EntryForm, TheRealInputBoxNamesThePlayer) {
  QtPort port;
  Game g(port);
  port.attach(&g, nullptr);
  QString caption, label;
  QTimer::singleShot(50, [&] {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* d = qobject_cast<QInputDialog*>(w); d && d->isVisible()) {
        caption = d->windowTitle();
        label = d->labelText();
        d->setTextValue("Maximilian Oberhauser-Quist");
        d->accept();
      }
  });
  NewField(g);
  EXPECT_EQ(caption, "Lurewick Tournament Entry Form");
  EXPECT_EQ(label, "Enter Your Name");
  EXPECT_EQ(g.tour.AnglerName, "Maximilian Oberhause");
  port.attach(nullptr, nullptr);
}

TEST(DayBannerOverTheLake, ShowsTheDayForTwoSecondsThenRestoresTheLake) {
  GameFixture f;
  ASSERT_TRUE(f.start());
  auto form = ShowMainWindow(f, 1024, 768);
  f.game->FormResize();
  f.port.processEventsAdvances = false;
  f.port.inputs.push_back(std::string("Casey Brook"));
  f.game->prefs.PlayLevel = Novice;
  // The banner of day one while the lake opens: look at the window mid-wait.
  QImage during;
  std::int64_t started = -1;
  f.port.duringWait = [&] {
    if (started < 0) started = f.port.now;
    if (during.isNull()) {
      QApplication::processEvents();
      during = form->grab().toImage();
    }
  };
  OpenLake(*f.game, f.path("CedarFork.LAK"));
  f.port.duringWait = nullptr;
  ASSERT_FALSE(during.isNull());
  EXPECT_GE(f.port.now - started, 2000);
  EXPECT_TRUE(during.save(ScreenshotPath("day-banner.png")));
  EXPECT_EQ(f.game->view.status[1], "08:00:00");
  EXPECT_EQ(f.game->tour.AnglerName, "Casey Brook");
  // The lake under the banner is back.
  const QImage after = f.game->lakeView.surface();
  const int cx = f.game->lakeView.visibleColCount() * 16;
  const int cy = f.game->lakeView.visibleRowCount() * 16;
  EXPECT_EQ(after.pixel(cx, cy - 30), f.game->lakeView.pixel(cx, cy - 30));
  EXPECT_TRUE(f.game->timerEnabled(TimerId::Main));
}

// The printouts through Qt's own printer, kept as PDFs and looked at as PNGs.
struct PdfPort : TestPort {
  QString path;
  std::unique_ptr<PrinterCanvas> beginPrint(const std::string& title) override {
    return PdfCanvas(path, QString::fromStdString(title));
  }
};

void Render(const QString& pdf, const QString& png) {
  QString base = png;
  base.chop(4);
  QProcess::execute("pdftoppm", {"-png", "-r", "60", "-singlefile", pdf, base});
}

TEST(DayPrintouts, TheWeighInSheetAndTheStandingsPrintToPdf) {
  PdfPort port;
  Game g(port);
  port.game = &g;
  g.prefs.PlayLevel = Professional;
  g.lake.LakeName = "Cedar Fork";
  port.inputs.push_back(std::string("Casey Brook"));
  NewField(g);
  g.tour.LiveWell[0] = {5.12, 0, true};
  g.tour.LiveWell[1] = {3.4, 1, false};
  g.tour.LiveWellCount = 2;
  WeighMeFormShow(g);
  port.path = ScreenshotPath("weigh-in-print.pdf");
  WeighInPrintBtnClick(g);
  StandingsFormShow(g);
  port.path = ScreenshotPath("standings-print.pdf");
  StandingsPrintBtnClick(g);
  EXPECT_TRUE(port.boxes.empty());
  for (const char* name : {"weigh-in-print", "standings-print"}) {
    QFile pdf(ScreenshotPath(QString(name) + ".pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly)) << name;
    EXPECT_TRUE(pdf.read(5) == "%PDF-");
    Render(pdf.fileName(), ScreenshotPath(QString(name) + ".png"));
  }
}

}  // namespace
}  // namespace lwk
