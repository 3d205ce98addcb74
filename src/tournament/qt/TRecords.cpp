#include "tournament/qt/TRecords.h"

#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <algorithm>

#include "shell/Game.h"
#include "shell/qt/GridFit.h"
#include "tournament/Records.h"

namespace lwk {

namespace {

constexpr int kRowHeight = 18;

QTableWidget* RecordsGrid(QWidget* parent, const char* name, const QStringList& headers, const int (&widths)[5],
                          const QRect& r) {
  auto* grid = new QTableWidget(10, 5, parent);
  grid->setObjectName(name);
  grid->setGeometry(r);
  grid->setHorizontalHeaderLabels(headers);
  grid->verticalHeader()->setVisible(false);
  grid->verticalHeader()->setDefaultSectionSize(kRowHeight);
  grid->horizontalHeader()->setFixedHeight(kRowHeight + 2);
  grid->horizontalHeader()->setHighlightSections(false);
  for (int c = 0; c < 5; ++c) grid->setColumnWidth(c, widths[c]);
  grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid->setSelectionMode(QAbstractItemView::NoSelection);
  grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  for (int row = 0; row < 10; ++row)
    for (int c = 0; c < 5; ++c) grid->setItem(row, c, new QTableWidgetItem());
  return grid;
}

void Fill(QTableWidget* grid, const std::array<RecordRow, 10>& rows) {
  for (int row = 0; row < 10; ++row)
    for (int c = 0; c < 5; ++c)
      grid->item(row, c)->setText(QString::fromStdString(rows[static_cast<size_t>(row)][static_cast<size_t>(c)]));
}

}  // namespace

TRecords::TRecords(Game& game, QWidget* parent) : QDialog(parent), game_(game) {
  setObjectName("TRecords");
  setWindowTitle("Lurewick Professional All-Time Records");
  setFixedSize(427, 378);

  auto* label1 = new QLabel("Big Fish Records", this);
  label1->setObjectName("Label1");
  label1->setGeometry(8, 4, 411, 16);
  BigFish_ = RecordsGrid(this, "BigFish", {"Angler", "Species", "Weight", "Date", "Lake"}, {110, 76, 50, 49, 106},
                         QRect(8, 20, 411, 148));
  auto* label2 = new QLabel("3 Day Total Weight Records", this);
  label2->setObjectName("Label2");
  label2->setGeometry(8, 172, 411, 16);
  TotWgt_ = RecordsGrid(this, "TotWgt", {"Angler", "Skill", "Total Weight", "Date", "Lake"}, {112, 65, 64, 50, 101},
                        QRect(8, 188, 411, 148));

  auto* bottom = new QFrame(this);
  bottom->setObjectName("Panel1");
  bottom->setGeometry(0, 340, 427, 38);
  bottom->setFrameStyle(QFrame::Panel | QFrame::Raised);
  PrintBtn_ = new QPushButton("&Print", bottom);
  PrintBtn_->setObjectName("PrintBtn");
  PrintBtn_->setGeometry(122, 6, 80, 26);
  PrintBtn_->setAutoDefault(false);
  BitBtn1_ = new QPushButton("&OK", bottom);
  BitBtn1_->setObjectName("BitBtn1");
  BitBtn1_->setGeometry(226, 6, 80, 26);
  BitBtn1_->setDefault(true);
  connect(PrintBtn_, &QPushButton::clicked, this, [this] { RecordsPrintBtnClick(game_); });
  connect(BitBtn1_, &QPushButton::clicked, this, &QDialog::accept);
}

void TRecords::FormActivate() {
  const RecordsRows rows = RecordsGridRows(game_);
  Fill(BigFish_, rows.bigFish);
  Fill(TotWgt_, rows.totWgt);
  // Where this desktop's font is wider, the columns and the window grow.
  const int gain = std::max(WidenColumnsToFit(BigFish_), WidenColumnsToFit(TotWgt_));
  if (gain > 0) {
    setFixedSize(width() + gain, height());
    for (QWidget* w : {static_cast<QWidget*>(BigFish_), static_cast<QWidget*>(TotWgt_)})
      w->resize(width() - 2 * w->x(), w->height());
    if (auto* panel = findChild<QFrame*>("Panel1")) panel->resize(width(), panel->height());
  }
  BigFish_->scrollToTop();
  TotWgt_->scrollToTop();
}

void TRecords::showEvent(QShowEvent* e) {
  FormActivate();
  QDialog::showEvent(e);
}

}  // namespace lwk
