#include "boat/qt/TPickWPT.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>

#include "boat/Gps.h"
#include "shell/Game.h"

namespace lwk {

namespace {
constexpr int kHeaderPadding = 16;  // room beside a header's text (the style's margins, the sort mark)
}  // namespace

TPickWPT::TPickWPT(Game& game, QWidget* parent) : QDialog(parent), game_(game) {
  setObjectName("TPickWPT");
  setWindowTitle("Select/Save WayPoint");
  resize(365, 213);

  WPTgrid_ = new QTableWidget(kWaypointSlots, 2, this);
  WPTgrid_->setObjectName("WPTgrid");
  WPTgrid_->setHorizontalHeaderLabels({"Way Point #", "           Way Point Description"});
  WPTgrid_->verticalHeader()->setVisible(false);
  WPTgrid_->verticalHeader()->setDefaultSectionSize(18);
  WPTgrid_->setColumnWidth(0, 64);
  WPTgrid_->setColumnWidth(1, 186);
  // Where this desktop's font is wider, the columns grow to show their whole
  // headers, and the window with them.
  const QFontMetrics headerFont(WPTgrid_->horizontalHeader()->font());
  int gridWidth = 2 * WPTgrid_->frameWidth() + WPTgrid_->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  for (int c = 0; c < 2; ++c) {
    const int needed = headerFont.horizontalAdvance(WPTgrid_->horizontalHeaderItem(c)->text()) + kHeaderPadding;
    WPTgrid_->setColumnWidth(c, std::max(WPTgrid_->columnWidth(c), needed));
    gridWidth += WPTgrid_->columnWidth(c);
  }
  WPTgrid_->setMinimumWidth(gridWidth);
  WPTgrid_->setSelectionBehavior(QAbstractItemView::SelectRows);
  WPTgrid_->setSelectionMode(QAbstractItemView::SingleSelection);
  WPTgrid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  WPTgrid_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                            QAbstractItemView::AnyKeyPressed);
  for (int i = 0; i < kWaypointSlots; ++i) {
    WPTgrid_->setItem(i, 0, new QTableWidgetItem(QString("      %1").arg(i + 1)));
    WPTgrid_->setItem(i, 1, new QTableWidgetItem());
  }

  okBtn_ = new QPushButton("&OK", this);
  okBtn_->setObjectName("OkBtn");
  cancelBtn_ = new QPushButton("&Cancel", this);
  cancelBtn_->setObjectName("CancelBtn");
  eraseBtn_ = new QPushButton("&Erase", this);
  eraseBtn_->setObjectName("EraseBtn");
  auto* side = new QVBoxLayout;
  side->addWidget(okBtn_);
  side->addWidget(cancelBtn_);
  side->addWidget(eraseBtn_);
  side->addStretch();
  auto* all = new QHBoxLayout(this);
  all->setContentsMargins(4, 4, 4, 4);
  all->addWidget(WPTgrid_, 1);
  all->addLayout(side);

  connect(WPTgrid_, &QTableWidget::currentCellChanged, this, [this](int row, int, int, int) {
    if (!filling_ && row >= 0) WPTgridSelectCell(game_, row + 1);
  });
  connect(WPTgrid_, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
    // Typing into the number column changes nothing stored.
    if (filling_ || item->column() != 1) return;
    WPTgridSetEditText(game_, item->row() + 1, item->text().toStdString());
  });
  connect(okBtn_, &QPushButton::clicked, this, &TPickWPT::OkBtnClick);
  connect(cancelBtn_, &QPushButton::clicked, this, &TPickWPT::CancelBtnClick);
  connect(eraseBtn_, &QPushButton::clicked, this, &TPickWPT::EraseBtnClick);
}

int TPickWPT::currentWaypoint() const {
  return std::max(0, WPTgrid_->currentRow()) + 1;
}

void TPickWPT::refill() {
  filling_ = true;
  const GpsState& gps = game_.boat.gps;
  for (int i = 1; i <= kWaypointSlots; ++i) {
    const Waypoint& w = gps.Waypoints[static_cast<size_t>(i)];
    WPTgrid_->item(i - 1, 1)->setText(QString::fromStdString(w.text));
  }
  filling_ = false;
}

void TPickWPT::showEvent(QShowEvent* e) {
  setWindowTitle(QString::fromStdString(game_.boat.gps.PickCaption));
  refill();
  // The row chosen last time stays chosen; the list starts from the top.
  WPTgrid_->scrollToTop();
  QDialog::showEvent(e);
}

void TPickWPT::OkBtnClick() {
  PickOkBtnClick(game_, currentWaypoint());
  accept();
}

void TPickWPT::CancelBtnClick() {
  game_.UserInput();
  reject();
}

void TPickWPT::EraseBtnClick() {
  lwk::EraseBtnClick(game_, currentWaypoint());
  refill();
}

}  // namespace lwk
