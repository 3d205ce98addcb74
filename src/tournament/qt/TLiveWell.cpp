#include "tournament/qt/TLiveWell.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "shell/Game.h"
#include "tournament/Livewell.h"

namespace lwk {

namespace {

// A glyph whose bottom-left pixel (the button face) is see-through.
QPixmap ButtonGlyph(const QImage& img) {
  if (img.isNull()) return QPixmap();
  QImage rgba = img.convertToFormat(QImage::Format_ARGB32);
  const QRgb face = rgba.pixel(0, rgba.height() - 1) & 0xFFFFFF;
  for (int y = 0; y < rgba.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(rgba.scanLine(y));
    for (int x = 0; x < rgba.width(); ++x)
      if ((line[x] & 0xFFFFFF) == face) line[x] = 0;
  }
  return QPixmap::fromImage(rgba);
}

QLabel* Panel(QWidget* parent, const QString& name, const QRect& r) {
  auto* l = new QLabel(parent);
  l->setObjectName(name);
  l->setGeometry(r);
  l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  l->setAlignment(Qt::AlignCenter);
  return l;
}

}  // namespace

TLiveWell::TLiveWell(Game& game, QWidget* parent) : QDialog(parent), game_(game) {
  setObjectName("TLiveWell");
  setWindowTitle("Livewell Control Center");
  setFixedSize(375, 191);

  Image1_ = new QLabel(this);
  Image1_->setObjectName("Image1");
  Image1_->setGeometry(8, 8, kLiveWellW, kLiveWellH);

  auto* label1 = new QLabel("Weight", this);
  label1->setObjectName("Label1");
  label1->setGeometry(218, 6, 60, 16);
  label1->setAlignment(Qt::AlignCenter);
  auto* label3 = new QLabel("Species", this);
  label3->setObjectName("Label3");
  label3->setGeometry(284, 6, 83, 16);
  label3->setAlignment(Qt::AlignCenter);
  for (int i = 0; i < 5; ++i) {
    const int y = 24 + i * 21;
    Fish_[static_cast<size_t>(i)] = Panel(this, QString("Fish%1").arg(i + 1), QRect(218, y, 60, 19));
    Species_[static_cast<size_t>(i)] = Panel(this, QString("Species%1").arg(i + 1), QRect(284, y, 83, 19));
  }
  auto* label2 = new QLabel("Total Weight", this);
  label2->setObjectName("Label2");
  label2->setGeometry(218, 136, 149, 16);
  label2->setAlignment(Qt::AlignCenter);
  TotalWeightPanel_ = Panel(this, "TotalWeightPanel", QRect(254, 154, 77, 24));
  TotalWeightPanel_->setText("0");

  AeratorBtn_ = new QPushButton("&Aerator", this);
  AeratorBtn_->setObjectName("AeratorBtn");
  AeratorBtn_->setGeometry(58, 138, 100, 42);
  AeratorBtn_->setIconSize(QSize(24, 24));
  AeratorBtn_->setAutoDefault(false);
  connect(AeratorBtn_, &QPushButton::clicked, this, [this] { ToggleAerator(game_); });

  // The pictures come with the window; a missing one says so and stays blank.
  LoadLiveWellPictures(game_);
  for (int i = 0; i < 5; ++i) {
    Fish_[static_cast<size_t>(i)]->clear();
    Species_[static_cast<size_t>(i)]->clear();
  }
  Image1_->setPixmap(QPixmap::fromImage(game_.tour.LiveWellImage));
}

void TLiveWell::syncFromGame() {
  if (!isVisible()) return;
  const TournamentState& t = game_.tour;
  Image1_->setPixmap(QPixmap::fromImage(t.LiveWellImage));
  const LiveWellPanels panels = LiveWellPanelTexts(game_);
  for (size_t i = 0; i < 5; ++i) {
    Fish_[i]->setText(QString::fromStdString(panels.weights[i]));
    Species_[i]->setText(QString::fromStdString(panels.species[i]));
  }
  TotalWeightPanel_->setText(QString::fromStdString(t.TotalWeightCaption));
  AeratorBtn_->setIcon(ButtonGlyph(game_.pictures.single(game_.view.aeratorGlyphOn ? "LWindOn" : "LWindOff")));
}

void TLiveWell::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  LiveWellFormShow(game_);
  syncFromGame();
}

void TLiveWell::hideEvent(QHideEvent* e) {
  LiveWellFormClose(game_);
  QDialog::hideEvent(e);
}

}  // namespace lwk
