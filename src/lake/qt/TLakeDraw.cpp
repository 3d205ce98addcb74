#include "lake/qt/TLakeDraw.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include "shell/Game.h"

namespace lwk {

TLakeDraw::TLakeDraw(Game& game, QWidget* parent) : QAbstractScrollArea(parent), game_(game) {
  setFrameShape(QFrame::NoFrame);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  horizontalScrollBar()->setTracking(true);
  verticalScrollBar()->setTracking(true);
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
  viewport()->setAttribute(Qt::WA_NoSystemBackground);
}

void TLakeDraw::surfaceChanged(const QRect& r) {
  const qreal dpr = viewport()->devicePixelRatioF();
  const int scale = std::max(1, static_cast<int>(dpr));
  viewport()->update(
      QRect(r.x() * scale / dpr, r.y() * scale / dpr, r.width() * scale / dpr + 1, r.height() * scale / dpr + 1));
}

void TLakeDraw::syncScrollBars() {
  syncing_ = true;
  const LakeView& v = game_.lakeView;
  horizontalScrollBar()->setRange(0, std::max(0, v.colCount() - v.visibleColCount()));
  horizontalScrollBar()->setPageStep(std::max(1, v.visibleColCount()));
  verticalScrollBar()->setRange(0, std::max(0, v.rowCount() - v.visibleRowCount()));
  verticalScrollBar()->setPageStep(std::max(1, v.visibleRowCount()));
  horizontalScrollBar()->setValue(v.leftCol());
  verticalScrollBar()->setValue(v.topRow());
  syncing_ = false;
}

void TLakeDraw::paintEvent(QPaintEvent*) {
  QPainter p(viewport());
  // Crisp pixels on high-DPI screens: scale by a whole factor, nearest neighbour.
  const qreal dpr = viewport()->devicePixelRatioF();
  const int scale = std::max(1, static_cast<int>(dpr));
  p.setRenderHint(QPainter::SmoothPixmapTransform, false);
  p.scale(scale / dpr, scale / dpr);
  p.drawImage(0, 0, game_.lakeView.surface());
}

void TLakeDraw::resizeEvent(QResizeEvent* e) {
  QAbstractScrollArea::resizeEvent(e);
  const qreal dpr = viewport()->devicePixelRatioF();
  const int scale = std::max(1, static_cast<int>(dpr));
  const double factor = dpr / scale;
  game_.lakeView.setViewSize(static_cast<int>(viewport()->width() * factor),
                             static_cast<int>(viewport()->height() * factor));
  syncScrollBars();
}

void TLakeDraw::scrollContentsBy(int, int) {
  if (syncing_) return;
  game_.lakeView.scrollTo(horizontalScrollBar()->value(), verticalScrollBar()->value());
  viewport()->update();
}

namespace {
QPoint SurfacePoint(QWidget* vp, const QPoint& p) {
  const qreal dpr = vp->devicePixelRatioF();
  const int scale = std::max(1, static_cast<int>(dpr));
  return QPoint(static_cast<int>(p.x() * dpr / scale), static_cast<int>(p.y() * dpr / scale));
}
}  // namespace

void TLakeDraw::mousePressEvent(QMouseEvent* e) {
  game_.UserInput();
  const QPoint s = SurfacePoint(viewport(), e->position().toPoint());
  if (onMouseDown) onMouseDown(s.x(), s.y());
}

void TLakeDraw::mouseReleaseEvent(QMouseEvent* e) {
  const QPoint s = SurfacePoint(viewport(), e->position().toPoint());
  if (onMouseUp) onMouseUp(s.x(), s.y());
}

}  // namespace lwk
