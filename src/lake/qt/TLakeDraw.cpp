#include "lake/qt/TLakeDraw.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

#include "lake/LakeViewRules.h"
#include "shell/Game.h"

namespace lwk {

TLakeDraw::TLakeDraw(Game& game, QWidget* parent) : QAbstractScrollArea(parent), game_(game) {
  setObjectName("Lake");
  setFrameShape(QFrame::NoFrame);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  // The view paints every pixel itself: no background erase, no flicker.
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
  viewport()->setAttribute(Qt::WA_NoSystemBackground);
  horizontalScrollBar()->setTracking(true);
  verticalScrollBar()->setTracking(true);
  horizontalScrollBar()->setSingleStep(1);
  verticalScrollBar()->setSingleStep(1);
  if (parent) parent->installEventFilter(this);
  syncScrollBars();
}

bool TLakeDraw::eventFilter(QObject* watched, QEvent* event) {
  // The window's layout pass sets this view's geometry; a hidden widget
  // gets no resize event for it, so read the geometry once the pass is done.
  if (event->type() == QEvent::Resize && !isVisible())
    QMetaObject::invokeMethod(
        this, [this] { tellViewSize(); }, Qt::QueuedConnection);
  return QAbstractScrollArea::eventFilter(watched, event);
}

void TLakeDraw::tellViewSize() {
  QSize s = viewport()->size();
  if (!isVisible()) {
    // Both scroll bars are always shown; the viewport is laid out on show.
    s = QSize(width() - verticalScrollBar()->sizeHint().width(), height() - horizontalScrollBar()->sizeHint().height());
  }
  const double f = devicePixelRatioF() / pixelScale();
  LakeViewResized(game_, static_cast<int>(std::floor(s.width() * f)), static_cast<int>(std::floor(s.height() * f)));
  syncScrollBars();
  viewport()->update();
}

int TLakeDraw::pixelScale() const {
  return std::max(1, static_cast<int>(std::floor(devicePixelRatioF())));
}

QPoint TLakeDraw::toLakePixel(QPoint p) const {
  const double f = devicePixelRatioF() / pixelScale();
  return {static_cast<int>(std::floor(p.x() * f)), static_cast<int>(std::floor(p.y() * f))};
}

void TLakeDraw::syncScrollBars() {
  syncing_ = true;
  const LakeView& v = game_.lakeView;
  QScrollBar* h = horizontalScrollBar();
  QScrollBar* vb = verticalScrollBar();
  h->setRange(0, std::max(0, v.colCount() - v.visibleColCount()));
  vb->setRange(0, std::max(0, v.rowCount() - v.visibleRowCount()));
  h->setPageStep(std::max(1, v.visibleColCount()));
  vb->setPageStep(std::max(1, v.visibleRowCount()));
  h->setValue(v.leftCol());
  vb->setValue(v.topRow());
  syncing_ = false;
}

void TLakeDraw::surfaceChanged(const QRect& r) {
  const double f = pixelScale() / devicePixelRatioF();  // lake pixels to widget pixels
  viewport()->update(QRect(static_cast<int>(std::floor(r.x() * f)), static_cast<int>(std::floor(r.y() * f)),
                           static_cast<int>(std::ceil(r.width() * f)) + 1,
                           static_cast<int>(std::ceil(r.height() * f)) + 1));
}

void TLakeDraw::paintEvent(QPaintEvent*) {
  syncScrollBars();
  QPainter p(viewport());
  QImage shown = game_.lakeView.surface();  // shared, not copied
  // One lake pixel covers a whole number of device pixels: nearest neighbour.
  shown.setDevicePixelRatio(devicePixelRatioF() / pixelScale());
  p.setRenderHint(QPainter::SmoothPixmapTransform, false);
  p.drawImage(0, 0, shown);
}

void TLakeDraw::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  tellViewSize();
}

void TLakeDraw::scrollContentsBy(int, int) {
  scrolled();
}

void TLakeDraw::scrolled() {
  if (syncing_) return;
  game_.lakeView.scrollTo(horizontalScrollBar()->value(), verticalScrollBar()->value());
  viewport()->update();
}

void TLakeDraw::mousePressEvent(QMouseEvent* event) {
  game_.UserInput();
  const QPoint p = toLakePixel(event->position().toPoint());
  if (onMouseDown) onMouseDown(p.x(), p.y());
}

void TLakeDraw::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint p = toLakePixel(event->position().toPoint());
  if (onMouseUp) onMouseUp(p.x(), p.y());
}

}  // namespace lwk
