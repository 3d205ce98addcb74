#include "lake/LakeView.h"

#include <QPainter>
#include <algorithm>

#include "shell/Pictures.h"

namespace lwk {

void LakeView::setViewSize(int width, int height) {
  width = std::max(width, 1);
  height = std::max(height, 1);
  if (width == surface_.width() && height == surface_.height()) return;
  surface_ = QImage(width, height, QImage::Format_RGB32);
  surface_.fill(Qt::black);
  // A larger view may leave the first cell beyond the last page.
  leftCol_ = std::clamp(leftCol_, 0, std::max(0, kLakeCells - visibleColCount()));
  topRow_ = std::clamp(topRow_, 0, std::max(0, kLakeCells - visibleRowCount()));
  paintAll();
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
  leftCol_ = col;
  topRow_ = row;
  paintAll();
  if (onTopLeftChanged) onTopLeftChanged();
  return true;
}

void LakeView::paintAll() {
  if (suppressCellPaint && suppressCellPaint()) return;
  const int cols = surface_.width() / kTilePixels + 1;
  const int rows = surface_.height() / kTilePixels + 1;
  QPainter p(&surface_);
  for (int c = 0; c <= cols; ++c)
    for (int r = 0; r <= rows; ++r) drawCell(p, leftCol_ + c, topRow_ + r);
  if (onChanged) onChanged(0, 0, surface_.width(), surface_.height());
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
