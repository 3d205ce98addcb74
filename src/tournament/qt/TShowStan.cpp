#include "tournament/qt/TShowStan.h"

#include <QApplication>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include "shell/Game.h"
#include "shell/qt/GridFit.h"
#include "tournament/Standings.h"

namespace lwk {

namespace {
constexpr int kGridRows = 42;
constexpr int kGridCols = 6;
constexpr int kColumnWidths[kGridCols] = {40, 130, 93, 87, 84, 72};
const char* const kHeaders[kGridCols] = {"Pos", "Angler", "Day 1 Weight", "Day 2 Weight", "Day 3 Weight", "TOTAL"};
}  // namespace

TShowStan::TShowStan(Game& game, QWidget* parent) : QDialog(parent), game_(game) {
  setObjectName("TShowStan");
  setWindowTitle("Current Standings");
  setWindowFlag(Qt::WindowStaysOnTopHint, true);
  setFixedSize(538, 276);

  wGrid_ = new QTableWidget(kGridRows, kGridCols, this);
  wGrid_->setObjectName("wGrid");
  wGrid_->setGeometry(0, 0, 538, 232);
  wGrid_->horizontalHeader()->hide();
  wGrid_->verticalHeader()->hide();
  wGrid_->verticalHeader()->setDefaultSectionSize(18);
  wGrid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  wGrid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  wGrid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  wGrid_->setSelectionMode(QAbstractItemView::NoSelection);
  wGrid_->setFocusPolicy(Qt::NoFocus);
  for (int c = 0; c < kGridCols; ++c) wGrid_->setColumnWidth(c, kColumnWidths[c]);
  for (int r = 0; r < kGridRows; ++r)
    for (int c = 0; c < kGridCols; ++c) {
      auto* item = new QTableWidgetItem(r == 0 ? kHeaders[c] : "");
      item->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
      wGrid_->setItem(r, c, item);
    }

  auto* panel1 = new QFrame(this);
  panel1->setObjectName("Panel1");
  panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
  panel1->setGeometry(0, 232, 538, 44);
  Label1_ = new QLabel(panel1);
  Label1_->setObjectName("Label1");
  Label1_->setGeometry(10, 10, 300, 24);
  QFont bold = Label1_->font();
  bold.setPointSize(11);
  bold.setBold(true);
  Label1_->setFont(bold);
  auto* lunkLabel = new QLabel("Lunker Winner: ", panel1);
  lunkLabel->setObjectName("LunkLabel");
  lunkLabel->hide();
  auto* lunkInfo = new QLabel(panel1);
  lunkInfo->setObjectName("LunkInfo");
  lunkInfo->hide();
  PrintBtn_ = new QPushButton("&Print", panel1);
  PrintBtn_->setObjectName("PrintBtn");
  PrintBtn_->setGeometry(370, 8, 75, 28);
  PrintBtn_->setAutoDefault(false);
  OkBtn_ = new QPushButton("&OK", panel1);
  OkBtn_->setObjectName("OkBtn");
  OkBtn_->setGeometry(454, 8, 75, 28);
  OkBtn_->setDefault(true);
  connect(PrintBtn_, &QPushButton::clicked, this, [this] { StandingsPrintBtnClick(game_); });
  connect(OkBtn_, &QPushButton::clicked, this, &QDialog::accept);
}

void TShowStan::syncFromGame() {
  const StandingsView& v = game_.tour.standings;
  const QColor face = QApplication::palette().color(QPalette::Button);
  const QColor window = QApplication::palette().color(QPalette::Base);
  for (int r = 0; r < kGridRows; ++r)
    for (int c = 0; c < kGridCols; ++c) {
      QTableWidgetItem* item = wGrid_->item(r, c);
      if (r > 0) item->setText(QString::fromStdString(v.rows[static_cast<size_t>(r - 1)][static_cast<size_t>(c)]));
      // Header cells in the button face; the player's row in yellow.
      const bool header = r == 0 || c == 0;
      item->setBackground(header ? face : v.highlighted[static_cast<size_t>(r - 1)] ? QColor(Qt::yellow) : window);
      item->setForeground(QApplication::palette().color(header ? QPalette::ButtonText : QPalette::Text));
    }
  Label1_->setText(QString::fromStdString(v.title));
  // Where this desktop's font is wider, the columns and the window grow.
  if (const int gain = WidenColumnsToFit(wGrid_)) {
    setFixedSize(width() + gain, height());
    if (auto* panel = findChild<QFrame*>("Panel1")) panel->resize(panel->width() + gain, panel->height());
    PrintBtn_->move(PrintBtn_->x() + gain, PrintBtn_->y());
    OkBtn_->move(OkBtn_->x() + gain, OkBtn_->y());
  }
}

void TShowStan::showEvent(QShowEvent* e) {
  syncFromGame();
  QDialog::showEvent(e);
}

}  // namespace lwk
