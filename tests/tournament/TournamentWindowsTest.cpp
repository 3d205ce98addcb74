#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>

#include "shell/qt/GameApp.h"
#include "shell/qt/QtPort.h"
#include "shell/qt/TForm1.h"
#include "support/GameFixture.h"
#include "support/MainWindowFixture.h"
#include "support/TextFits.h"
#include "tournament/Livewell.h"
#include "tournament/Records.h"
#include "tournament/qt/TLiveWell.h"
#include "tournament/qt/TRecords.h"

namespace lwk {
namespace {

// The livewell and records windows over a game whose pictures come from the
// built game and whose records live in the test's own folder.
struct TournamentWindows : ::testing::Test {
  GameFixture f{false};
  void SetUp() override {
    g().GameFolder = std::string(LWK_GAME_DIR) + "/";
    g().ResetGameState();
  }
  Game& g() { return *f.game; }
};

TEST_F(TournamentWindows, TheLivewellShowsItsFishAndSwitchesTheAerator) {
  TLiveWell w(g(), nullptr);
  EXPECT_TRUE(f.port.boxes.empty());  // every picture loaded
  f.port.onViewChanged = [&w] { w.syncFromGame(); };
  EXPECT_EQ(w.windowTitle(), "Livewell Control Center");
  EXPECT_EQ(w.size(), QSize(375, 191));
  EXPECT_EQ(w.totalWeightPanel()->text(), "0");
  g().GameFolder = f.folder();
  for (auto [species, weight] : {std::pair<int, double>{0, 6.25}, {1, 3.10}, {2, 2.40}, {0, 1.75}, {1, 4.60}})
    LandFish(g(), static_cast<std::uint8_t>(species), weight);
  f.port.boxes.clear();

  g().setTimer(TimerId::Main, true);
  w.show();
  QApplication::processEvents();
  EXPECT_TRUE(f.port.timerRunning(TimerId::LiveWell));
  EXPECT_EQ(f.port.timerInterval(TimerId::LiveWell), 250);
  const char* weights[5] = {"6.25", "4.60", "3.10", "2.40", "1.75"};
  const char* species[5] = {"Largemouth", "Smallmouth", "Smallmouth", "Spotted", "Largemouth"};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(w.fishPanel(i)->text(), weights[i]);
    EXPECT_EQ(w.speciesPanel(i)->text(), species[i]);
  }
  EXPECT_EQ(w.totalWeightPanel()->text(), "18.10");

  w.aeratorBtn()->click();
  EXPECT_TRUE(g().tour.AeratorOn);
  EXPECT_FALSE(w.aeratorBtn()->icon().isNull());
  const QImage still = w.image1()->pixmap().toImage();
  f.port.tick(TimerId::LiveWell, 6);
  QApplication::processEvents();
  EXPECT_NE(w.image1()->pixmap().toImage(), still);
  w.grab().save(ScreenshotPath("livewell.png"));

  // Dead battery: the aerator stops and cannot start again.
  w.aeratorBtn()->click();
  g().boat.MainBatteryCharge = 0;
  w.aeratorBtn()->click();
  EXPECT_EQ(f.port.texts(),
            (std::vector<std::string>{"Your Main Battery is dead.\rThe Livewell Aerator will not function."}));
  EXPECT_FALSE(g().tour.AeratorOn);
  EXPECT_TRUE(f.port.neverInterruptedWithTimer());

  w.hide();
  EXPECT_FALSE(f.port.timerRunning(TimerId::LiveWell));
}

TEST_F(TournamentWindows, TheRecordsWindowListsBothTables) {
  g().GameFolder = f.folder();
  RecordsState& r = g().tour.records;
  r.BigFishRecords[0] = {"Pat Caster", "6/1/2024", "9.84", "Cedar Hollow", "Largemouth"};
  r.BigFishRecords[1] = {"Zoë Marsh", "5/12/2024", "7.31", "Pine Flats", "Smallmouth"};
  r.BigFishRecords[2] = {"Lee Drum", "4/2/2024", "5.02", "Cedar Hollow", "Spotted"};
  r.BigFishRecords[3] = {"Old Entry", "", "0.00", "", ""};
  r.BigStringerRecords[0] = {"Pat Caster", "Professional", "6/3/2024", "38.15", "Cedar Hollow"};
  r.BigStringerRecords[1] = {"Sam Reed", "Novice", "5/20/2024", "22.60", "Pine Flats"};

  TRecords w(g(), nullptr);
  EXPECT_EQ(w.windowTitle(), "Lurewick Professional All-Time Records");
  EXPECT_EQ(w.size(), QSize(427, 378));
  const int fishWidths[5] = {110, 76, 50, 49, 106};
  const int totWidths[5] = {112, 65, 64, 50, 101};
  const QStringList fishHead = {"Angler", "Species", "Weight", "Date", "Lake"};
  const QStringList totHead = {"Angler", "Skill", "Total Weight", "Date", "Lake"};
  for (int c = 0; c < 5; ++c) {
    EXPECT_EQ(w.bigFish()->columnWidth(c), fishWidths[c]);
    EXPECT_EQ(w.totWgt()->columnWidth(c), totWidths[c]);
    EXPECT_EQ(w.bigFish()->horizontalHeaderItem(c)->text(), fishHead[c]);
    EXPECT_EQ(w.totWgt()->horizontalHeaderItem(c)->text(), totHead[c]);
  }
  EXPECT_EQ(w.bigFish()->rowCount(), 10);
  EXPECT_EQ(w.bigFish()->rowHeight(0), 18);

  w.show();
  QApplication::processEvents();
  EXPECT_EQ(w.bigFish()->item(1, 0)->text(), "Zoë Marsh");
  EXPECT_EQ(w.bigFish()->item(2, 1)->text(), "Spotted");
  EXPECT_EQ(w.bigFish()->item(3, 2)->text(), "0.00");
  EXPECT_EQ(w.bigFish()->item(4, 0)->text(), "");
  EXPECT_EQ(w.totWgt()->item(0, 2)->text(), "38.15");
  EXPECT_EQ(w.totWgt()->item(2, 0)->text(), "");
  // Dates and names are never cut off: the columns grow for this font.
  EXPECT_EQ(CutOffTexts(&w), QStringList());
  w.grab().save(ScreenshotPath("records.png"));

  w.printBtn()->click();
  ASSERT_EQ(f.port.printJobs.size(), 1u);
  EXPECT_TRUE(f.port.printJobs[0].ended);
  w.okBtn()->click();
  EXPECT_FALSE(w.isVisible());
  EXPECT_EQ(w.result(), QDialog::Accepted);
}

// The printout through Qt's own printer, kept as a PDF to look at.
struct PdfPort : TestPort {
  QString path;
  std::unique_ptr<PrinterCanvas> beginPrint(const std::string& title) override {
    return PdfCanvas(path, QString::fromStdString(title));
  }
};

TEST(RecordsPrintout, PrintsToAPdfPage) {
  PdfPort port;
  Game g(port);
  port.game = &g;
  port.path = ScreenshotPath("records-print.pdf");
  QFile::remove(port.path);
  RecordsState& r = g.tour.records;
  r.BigFishRecords[0] = {"Pat Caster", "6/1/2024", "9.84", "Cedar Hollow", "Largemouth"};
  r.BigFishRecords[1] = {"Zoë Marsh", "5/12/2024", "7.31", "Pine Flats", "Smallmouth"};
  r.BigFishRecords[2] = {"Lee Drum", "4/2/2024", "5.02", "Cedar Hollow", "Spotted"};
  r.BigStringerRecords[0] = {"Pat Caster", "Professional", "6/3/2024", "38.15", "Cedar Hollow"};
  r.BigStringerRecords[1] = {"Sam Reed", "Novice", "5/20/2024", "22.60", "Pine Flats"};
  RecordsPrintBtnClick(g);
  EXPECT_TRUE(port.boxes.empty());
  QFile pdf(port.path);
  ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
  EXPECT_TRUE(pdf.read(5) == "%PDF-");
}

TEST(GameAppWindows, TheLivewellButtonAndTheRecordsItemOpenTheRealWindows) {
  QTemporaryDir dir;
  CopyGameData(dir.path().toStdString());
  GameApp app;
  ASSERT_TRUE(app.start(dir.path()));
  auto* livewell = qobject_cast<TLiveWell*>(app.port().window(WindowId::LiveWell));
  auto* records = qobject_cast<TRecords*>(app.port().window(WindowId::Records));
  ASSERT_TRUE(livewell && records);
  Game& g = app.game();
  g.tour.ClockRunning = true;
  const int before = g.tour.DayTimeLeft;

  bool shown = false;
  QTimer::singleShot(0, livewell, [&] {
    shown = livewell->isVisible();
    livewell->aeratorBtn()->click();
    livewell->accept();
  });
  app.mainWindow()->clickHandlers[Ctl::LWButt]();
  EXPECT_TRUE(shown);
  EXPECT_TRUE(g.tour.AeratorOn);
  EXPECT_FALSE(g.timerEnabled(TimerId::LiveWell));
  EXPECT_EQ(g.tour.DayTimeLeft, before - 60);

  shown = false;
  QTimer::singleShot(0, records, [&] {
    shown = records->isVisible();
    records->okBtn()->click();
  });
  app.mainWindow()->clickHandlers[Ctl::ViewRecords1]();
  EXPECT_TRUE(shown);
  EXPECT_FALSE(g.DialogUp);
}

}  // namespace
}  // namespace lwk
