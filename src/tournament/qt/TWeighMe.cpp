#include "tournament/qt/TWeighMe.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "shell/Game.h"
#include "tournament/WeighIn.h"

namespace lwk {

namespace {

QLabel* Label(QWidget* parent, const char* name, const QString& text, const QRect& r, bool sunken = false) {
  auto* l = new QLabel(text, parent);
  l->setObjectName(name);
  l->setGeometry(r);
  if (sunken) {
    l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    l->setAlignment(Qt::AlignCenter);
  }
  return l;
}

QPushButton* Button(QWidget* parent, const char* name, const char* text, const QRect& r) {
  auto* b = new QPushButton(text, parent);
  b->setObjectName(name);
  b->setGeometry(r);
  b->setAutoDefault(false);
  return b;
}

}  // namespace

TWeighMe::TWeighMe(Game& game, QWidget* parent) : QDialog(parent), game_(game) {
  setObjectName("TWeighMe");
  setWindowTitle("Day 1 Weigh-In Results");
  setFixedSize(427, 318);

  Panel2_ = Label(this, "Panel2", "", QRect(0, 0, 427, 30), true);
  QFont big = Panel2_->font();
  big.setPointSize(12);
  big.setBold(true);
  Panel2_->setFont(big);

  for (int i = 0; i < 5; ++i) {
    const int y = 40 + 20 * i;
    FishType_[static_cast<size_t>(i)] =
        Label(this, qPrintable(QString("FishType%1").arg(i + 1)), "", QRect(16, y, 100, 18));
    FWgt_[static_cast<size_t>(i)] = Label(this, qPrintable(QString("F%1Wgt").arg(i + 1)), "", QRect(120, y, 100, 18));
  }
  Label(this, "Label2", "Total Weight", QRect(236, 44, 110, 18));
  TotalWgt_ = Label(this, "TotalWgt", "", QRect(352, 44, 70, 18));
  Label(this, "Label3", "Dead Fish Penalty", QRect(236, 70, 110, 18));
  Penalties_ = Label(this, "Penalties", "", QRect(352, 70, 70, 18));
  Label(this, "Label1", "Final Weight", QRect(236, 96, 110, 18));
  FinalWgt_ = Label(this, "FinalWgt", "", QRect(352, 96, 70, 18));
  QFont bold = FinalWgt_->font();
  bold.setBold(true);
  FinalWgt_->setFont(bold);

  auto* bevel = new QFrame(this);
  bevel->setObjectName("Bevel1");
  bevel->setFrameStyle(QFrame::HLine | QFrame::Sunken);
  bevel->setGeometry(8, 144, 411, 4);
  auto* title = Label(this, "Label4", "Total Tournament Weight", QRect(8, 150, 411, 18));
  title->setAlignment(Qt::AlignCenter);
  title->setFont(bold);
  const char* dayNames[] = {"Day 1", "Day 2", "Day 3", "Total"};
  const char* labelNames[] = {"Label5", "Label6", "Label7", "Label8"};
  const char* panelNames[] = {"Day1Panel", "Day2Panel", "Day3Panel", "TotPanel"};
  for (int i = 0; i < 4; ++i) {
    const int x = 24 + 100 * i;
    Label(this, labelNames[i], dayNames[i], QRect(x, 170, 80, 16))->setAlignment(Qt::AlignCenter);
    QLabel* p = Label(this, panelNames[i], "0", QRect(x, 188, 80, 24), true);
    if (i < 3)
      DayPanel_[static_cast<size_t>(i)] = p;
    else
      TotPanel_ = p;
  }
  LunkerPanel_ = Label(this, "LunkerPanel", "", QRect(4, 220, 419, 44), true);
  LunkerPanel_->setWordWrap(true);

  auto* panel1 = new QFrame(this);
  panel1->setObjectName("Panel1");
  panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
  panel1->setGeometry(0, 270, 427, 48);
  PrintBtn_ = Button(panel1, "PrintBtn", "&Print Day's Results", QRect(6, 10, 124, 28));
  SeeStatsBtn_ = Button(panel1, "SeeStatsBtn", "&See Stats", QRect(134, 10, 76, 28));
  ViewBtn_ = Button(panel1, "ViewBtn", "&View Current Standings", QRect(214, 10, 146, 28));
  OkBtn_ = Button(panel1, "OkBtn", "&OK", QRect(364, 10, 57, 28));
  OkBtn_->setDefault(true);
  connect(PrintBtn_, &QPushButton::clicked, this, [this] { WeighInPrintBtnClick(game_); });
  connect(SeeStatsBtn_, &QPushButton::clicked, this, [this] { SeeStatsBtnClick(game_); });
  connect(ViewBtn_, &QPushButton::clicked, this, [this] { ViewBtnClick(game_); });
  connect(OkBtn_, &QPushButton::clicked, this, &QDialog::accept);
}

void TWeighMe::syncFromGame() {
  const WeighInView& v = game_.tour.weighIn;
  setWindowTitle(QString::fromStdString(v.caption));
  Panel2_->setText(QString::fromStdString(v.panel2));
  for (size_t i = 0; i < 5; ++i) {
    FishType_[i]->setText(QString::fromStdString(v.fishType[i]));
    FWgt_[i]->setText(QString::fromStdString(v.fishWeight[i]));
  }
  TotalWgt_->setText(QString::fromStdString(v.totalWgt));
  Penalties_->setText(QString::fromStdString(v.penalties));
  FinalWgt_->setText(QString::fromStdString(v.finalWgt));
  for (size_t i = 0; i < 3; ++i) DayPanel_[i]->setText(QString::fromStdString(v.dayPanel[i]));
  TotPanel_->setText(QString::fromStdString(v.totPanel));
  LunkerPanel_->setText(QString::fromStdString(v.lunkerPanel));
}

void TWeighMe::showEvent(QShowEvent* e) {
  syncFromGame();
  QDialog::showEvent(e);
}

}  // namespace lwk
