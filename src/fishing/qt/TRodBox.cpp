#include "fishing/qt/TRodBox.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>

#include "fishing/Tackle.h"
#include "fishing/qt/TackleControls.h"
#include "shell/Game.h"

namespace lwk {

namespace {

constexpr int kRowHeight = 17;
constexpr int kColumnWidths[3] = {298, 151, 119};

}  // namespace

TRodBox::TRodBox(Game& game, QWidget* parent) : QDialog(parent), game_(game) {
  setObjectName("TRodBox");
  setWindowTitle("Rod Box");
  setFixedSize(593, 288);

  RodList_ = new QTableWidget(kRodCount, 3, this);
  RodList_->setObjectName("RodList");
  QFont small = TackleFont();
  RodList_->setFont(small);
  RodList_->horizontalHeader()->setFont(small);
  RodList_->verticalHeader()->setVisible(false);
  RodList_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  RodList_->verticalHeader()->setDefaultSectionSize(kRowHeight);
  RodList_->verticalHeader()->setMinimumSectionSize(kRowHeight);
  RodList_->horizontalHeader()->setFixedHeight(kRowHeight + 2);
  RodList_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  RodList_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  RodList_->horizontalHeader()->setHighlightSections(false);
  for (int c = 0; c < 3; ++c) RodList_->setColumnWidth(c, kColumnWidths[c]);
  RodList_->setSelectionBehavior(QAbstractItemView::SelectRows);
  RodList_->setSelectionMode(QAbstractItemView::SingleSelection);
  RodList_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  RodList_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  RodList_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  RodList_->setWordWrap(false);
  RodList_->setTextElideMode(Qt::ElideNone);
  for (int r = 0; r < kRodCount; ++r)
    for (int c = 0; c < 3; ++c) RodList_->setItem(r, c, new QTableWidgetItem);
  for (int c = 0; c < 3; ++c) RodList_->setHorizontalHeaderItem(c, new QTableWidgetItem);

  OkBtn_ = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), "OK", this);
  OkBtn_->setObjectName("OkBtn");
  OkBtn_->setDefault(true);
  CancelBtn_ = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton), "Cancel", this);
  CancelBtn_->setObjectName("CancelBtn");
  auto* bottom = new QWidget(this);
  bottom->setObjectName("Panel1");
  auto* buttons = new QHBoxLayout(bottom);
  buttons->setContentsMargins(8, 6, 8, 6);
  buttons->addStretch();
  buttons->addWidget(OkBtn_);
  buttons->addSpacing(24);
  buttons->addWidget(CancelBtn_);
  buttons->addStretch();
  auto* all = new QVBoxLayout(this);
  all->setContentsMargins(2, 2, 2, 0);
  all->setSpacing(0);
  all->addWidget(RodList_, 1);
  all->addWidget(bottom);

  connect(RodList_, &QTableWidget::currentCellChanged, this, [this](int row, int, int, int) {
    if (!filling_ && row >= 0) game_.fishing.RodBoxRow = row + 1;
  });
  connect(RodList_, &QTableWidget::cellDoubleClicked, this, [this](int row, int) {
    game_.fishing.RodBoxRow = row + 1;
    OkBtnClick();
  });
  connect(OkBtn_, &QPushButton::clicked, this, &TRodBox::OkBtnClick);
  connect(CancelBtn_, &QPushButton::clicked, this, &TRodBox::CancelBtnClick);
  refill();
}

void TRodBox::refill() {
  filling_ = true;
  const auto& cells = game_.fishing.RodList;
  for (int c = 0; c < 3; ++c) RodList_->horizontalHeaderItem(c)->setText(QString::fromStdString(cells[0][c]));
  for (int r = 0; r < kRodCount; ++r)
    for (int c = 0; c < 3; ++c)
      RodList_->item(r, c)->setText(QString::fromStdString(cells[static_cast<size_t>(r + 1)][c]));
  const int row = std::clamp(game_.fishing.RodBoxRow, 1, kRodCount) - 1;
  RodList_->setCurrentCell(row, 0);
  RodList_->scrollToItem(RodList_->item(row, 0));
  filling_ = false;
}

void TRodBox::showEvent(QShowEvent* e) {
  refill();
  if (QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
  QDialog::showEvent(e);
}

}  // namespace lwk
