#include "fishing/qt/TTBdrawer.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

#include "fishing/Tackle.h"
#include "fishing/qt/TackleControls.h"
#include "shell/Game.h"
#include "shell/Pictures.h"

namespace lwk {

namespace {

QLabel* HeaderLabel(const QString& text, QWidget* parent) {
  auto* l = new QLabel(text, parent);
  QFont f("Arial");
  f.setBold(true);
  f.setPointSize(10);
  l->setFont(f);
  l->setStyleSheet("color: maroon;");
  return l;
}

// The list's selected row, -1 when nothing is selected.
int SelectedRow(const QListWidget* list) {
  const auto items = list->selectedItems();
  return items.isEmpty() ? -1 : list->row(items.front());
}

}  // namespace

TTBdrawer::TTBdrawer(Game& game, QWidget* parent) : QDialog(parent), game_(game) {
  setObjectName("TTBdrawer");
  setWindowTitle("Tacklebox Drawer ");
  setFixedSize(427, 299);

  BaitLB_ = new QListWidget(this);
  BaitLB_->setObjectName("BaitLB");
  ColorLB_ = new QListWidget(this);
  ColorLB_->setObjectName("ColorLB");
  for (QListWidget* list : {BaitLB_, ColorLB_}) {
    QFont small = TackleFont();
    list->setFont(small);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  }
  auto* bevel = new QFrame(this);
  bevel->setFrameShape(QFrame::VLine);
  bevel->setFrameShadow(QFrame::Sunken);

  auto* lists = new QGridLayout;
  lists->setContentsMargins(6, 4, 6, 4);
  lists->setHorizontalSpacing(6);
  lists->setVerticalSpacing(2);
  lists->addWidget(HeaderLabel("Bait", this), 0, 0);
  lists->addWidget(HeaderLabel("Color", this), 0, 2);
  lists->addWidget(BaitLB_, 1, 0);
  lists->addWidget(bevel, 0, 1, 2, 1);
  lists->addWidget(ColorLB_, 1, 2);
  lists->setColumnStretch(0, 8);
  lists->setColumnStretch(2, 5);

  Image1_ = new QLabel(this);
  Image1_->setObjectName("Image1");
  Image1_->setFixedSize(65, 57);
  Image1_->setScaledContents(true);
  OkBtn_ = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), "OK", this);
  OkBtn_->setObjectName("OkBtn");
  OkBtn_->setDefault(true);
  CancelBtn_ = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton), "Cancel", this);
  CancelBtn_->setObjectName("CancelBtn");
  auto* bottom = new QWidget(this);
  bottom->setObjectName("Panel1");
  auto* row = new QHBoxLayout(bottom);
  row->setContentsMargins(8, 2, 8, 2);
  row->addWidget(Image1_);
  row->addStretch();
  row->addWidget(CancelBtn_);
  row->addSpacing(12);
  row->addWidget(OkBtn_);

  auto* all = new QVBoxLayout(this);
  all->setContentsMargins(0, 0, 0, 0);
  all->setSpacing(0);
  all->addLayout(lists, 1);
  all->addWidget(bottom);

  connect(BaitLB_, &QListWidget::itemSelectionChanged, this, [this] {
    if (!filling_) game_.fishing.DrawerBait = SelectedRow(BaitLB_);
  });
  connect(ColorLB_, &QListWidget::itemSelectionChanged, this, [this] {
    if (!filling_) game_.fishing.DrawerColor = SelectedRow(ColorLB_);
  });
  connect(OkBtn_, &QPushButton::clicked, this, &TTBdrawer::OkBtnClick);
  connect(CancelBtn_, &QPushButton::clicked, this, &TTBdrawer::CancelBtnClick);
}

void TTBdrawer::refill() {
  const FishingState& f = game_.fishing;
  if (f.DrawerShown < 0 || f.DrawerShown >= kDrawerCount) return;
  const auto d = static_cast<std::size_t>(f.DrawerShown);
  filling_ = true;
  setWindowTitle(QString::fromStdString(f.DrawerCaption));
  auto pic = pictures_.find(f.DrawerShown);
  if (pic == pictures_.end())
    pic = pictures_.emplace(f.DrawerShown, LoadGamePicture(game_.Files(), std::string(Drawers[d].picture))).first;
  Image1_->setPixmap(QPixmap::fromImage(pic->second));
  BaitLB_->clear();
  ColorLB_->clear();
  for (std::string_view s : BaitCatalogue[d]) BaitLB_->addItem(QString::fromUtf8(s.data(), qsizetype(s.size())));
  for (std::string_view s : ColorCatalogue[d]) ColorLB_->addItem(QString::fromUtf8(s.data(), qsizetype(s.size())));
  const auto select = [](QListWidget* list, int row) {
    if (row >= 0 && row < list->count()) {
      list->setCurrentRow(row);
      list->scrollToItem(list->item(row));
    }
  };
  select(BaitLB_, f.DrawerBait);
  select(ColorLB_, f.DrawerColor);
  filling_ = false;
}

void TTBdrawer::showEvent(QShowEvent* e) {
  refill();
  if (QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
  QDialog::showEvent(e);
}

}  // namespace lwk
