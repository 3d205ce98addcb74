#include "lake/qt/TLakeMap.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QShowEvent>

#include "lake/BoatSprite.h"
#include "lake/LakeMap.h"
#include "shell/Game.h"

namespace lwk {

// A tool window of the main window: it stays above it while the keys go
// back to the main window to steer the boat.
TLakeMap::TLakeMap(Game& game, QWidget* parent) : QWidget(parent, Qt::Tool), game_(game) {
  setObjectName("TLakeMap");
  setWindowTitle(QString::fromStdString(game_.lake.LakeMapCaption));
  resize(371, 342);
  setAttribute(Qt::WA_OpaquePaintEvent);
  game_.lake.onLakeMapChanged = [this] {
    setWindowTitle(QString::fromStdString(game_.lake.LakeMapCaption));
    update();
  };
}

TLakeMap::~TLakeMap() {
  game_.lake.onLakeMapChanged = nullptr;
}

void TLakeMap::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (event->spontaneous()) return;  // restored from the task bar: no new look
  move(0, 0);
  LakeMapFormShow(game_);
  setWindowTitle(QString::fromStdString(game_.lake.LakeMapCaption));
  update();
}

void TLakeMap::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QImage& map = game_.lake.LakeMapImage;
  if (map.isNull()) {
    p.fillRect(rect(), Qt::white);
    return;
  }
  p.setRenderHint(QPainter::SmoothPixmapTransform, true);
  p.drawImage(rect(), map);
}

void TLakeMap::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (!isVisible()) return;
  game_.port.processEvents();
  if (game_.view.lakeVisible) DrawBoat(game_);
}

void TLakeMap::keyPressEvent(QKeyEvent*) {
  if (onRaiseMainWindow) {
    onRaiseMainWindow();
    return;
  }
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->objectName() == "TForm1") {
      w->raise();
      w->activateWindow();
      return;
    }
}

}  // namespace lwk
