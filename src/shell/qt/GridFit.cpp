#include "shell/qt/GridFit.h"

#include <QHeaderView>
#include <QStyle>
#include <QTableWidget>
#include <algorithm>

namespace lwk {

namespace {
// Room a cell leaves beside its text: the style's margins on both sides.
int TextPadding(const QTableWidget* grid) {
  return 2 * (grid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, grid) + 1) + 4;
}
}  // namespace

int WidenColumnsToFit(QTableWidget* grid) {
  const int padding = TextPadding(grid);
  int gain = 0;
  for (int c = 0; c < grid->columnCount(); ++c) {
    int needed = 0;
    if (const QTableWidgetItem* h = grid->horizontalHeaderItem(c); h && grid->horizontalHeader()->isVisible())
      needed = QFontMetrics(grid->horizontalHeader()->font()).horizontalAdvance(h->text()) + padding;
    for (int r = 0; r < grid->rowCount(); ++r)
      if (const QTableWidgetItem* item = grid->item(r, c); item && !item->text().isEmpty()) {
        const QFont font = item->data(Qt::FontRole).isValid() ? item->font() : grid->font();
        needed = std::max(needed, QFontMetrics(font).horizontalAdvance(item->text()) + padding);
      }
    if (needed > grid->columnWidth(c)) {
      gain += needed - grid->columnWidth(c);
      grid->setColumnWidth(c, needed);
    }
  }
  if (gain > 0) grid->resize(grid->width() + gain, grid->height());
  return gain;
}

}  // namespace lwk
