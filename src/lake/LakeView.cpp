#include "lake/LakeView.h"

#include <QPainter>
#include <algorithm>
#include <cstdlib>

#include "shell/Pictures.h"

namespace lwk {

void LakeView::setViewSize(int width, int height) {
  width = std::max(width, 1);
  height = std::max(height, 1);
  if (width == surface_.width() && height == surface_.height()) return;
  surface_ = QImage(width, height, QImage::Format_RGB32);
  surface_.fill(Qt::black);
  // A larger view may leave the first cell beyond the last page (but the
  // view stays where it is while the line is out).
  if (!(scrollLocked && scrollLocked())) {
    leftCol_ = std::clamp(leftCol_, 0, std::max(0, kLakeCells - visibleColCount()));
    topRow_ = std::clamp(topRow_, 0, std::max(0, kLakeCells - visibleRowCount()));
  }
  // A fresh surface holds no line to protect: every tile is painted.
  paintEvery();
}

int LakeView::visibleColCount() const {
  return std::min(kLakeCells, surface_.width() / kTilePixels);
}
int LakeView::visibleRowCount() const {
  return std::min(kLakeCells, surface_.height() / kTilePixels);
}

bool LakeView::scrollTo(int col, int row) {
  col = std::clamp(col, 0, std::max(0, kLakeCells - visibleColCount()));
  row = std::clamp(row, 0, std::max(0, kLakeCells - visibleRowCount()));
  if (col == leftCol_ && row == topRow_) return false;
  if (scrollLocked && scrollLocked()) return false;
  leftCol_ = col;
  topRow_ = row;
  paintAll();
  if (onTopLeftChanged) onTopLeftChanged();
  return true;
}

void LakeView::paintAll() {
  if (suppressCellPaint && suppressCellPaint()) return;
  paintEvery();
}

void LakeView::paintEvery() {
  const int cols = surface_.width() / kTilePixels + 1;
  const int rows = surface_.height() / kTilePixels + 1;
  QPainter p(&surface_);
  for (int c = 0; c <= cols; ++c)
    for (int r = 0; r <= rows; ++r) drawCell(p, leftCol_ + c, topRow_ + r);
  if (onChanged) onChanged(0, 0, surface_.width(), surface_.height());
}

void LakeView::xorLine(int x0, int y0, int x1, int y1) {
  // Bresenham's line, two pixels wide: each point and its neighbour across
  // the line's main direction, so no pixel is taken twice (which would undo it).
  const QRgb bits = pen.colour & 0x00FFFFFFu;  // the picture stays opaque
  const int w = surface_.width();
  const int h = surface_.height();
  const int dx = std::abs(x1 - x0);
  const int dy = -std::abs(y1 - y0);
  const int sx = x0 < x1 ? 1 : -1;
  const int sy = y0 < y1 ? 1 : -1;
  const bool steep = -dy > dx;
  const int thick = std::max(1, pen.width);
  auto flip = [&](int x, int y) {
    if (x < 0 || y < 0 || x >= w || y >= h) return;
    QRgb* p = reinterpret_cast<QRgb*>(surface_.scanLine(y)) + x;
    *p = pen.exclusiveOr ? (*p ^ bits) : pen.colour;
  };
  int x = x0, y = y0, err = dx + dy;
  while (true) {
    for (int k = 0; k < thick; ++k) steep ? flip(x + k, y) : flip(x, y + k);
    if (x == x1 && y == y1) break;
    const int e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      x += sx;
    }
    if (e2 <= dx) {
      err += dx;
      y += sy;
    }
  }
  if (onChanged) onChanged(std::min(x0, x1) - thick, std::min(y0, y1) - thick, dx + 2 * thick + 1, -dy + 2 * thick + 1);
}

void LakeView::paintCell(int col, int row) {
  if (suppressCellPaint && suppressCellPaint()) return;
  {
    QPainter p(&surface_);
    drawCell(p, col, row);
  }
  if (onChanged) onChanged((col - leftCol_) * kTilePixels, (row - topRow_) * kTilePixels, kTilePixels, kTilePixels);
}

void LakeView::drawCell(QPainter& p, int col, int row) {
  const int x = (col - leftCol_) * kTilePixels;
  const int y = (row - topRow_) * kTilePixels;
  if (x >= surface_.width() || y >= surface_.height() || x + kTilePixels <= 0 || y + kTilePixels <= 0) return;
  if (!InLake(col, row) || !grid || !pictures) {
    p.fillRect(x, y, kTilePixels, kTilePixels, Qt::black);
    return;
  }
  const QImage& tile = pictures->TileBitmaps[grid->at(col, row)];
  if (tile.isNull())
    p.fillRect(x, y, kTilePixels, kTilePixels, Qt::white);
  else
    p.drawImage(x, y, tile);
}

}  // namespace lwk
