#pragma once
// Clicks on real widgets as the player makes them: the mouse moves over the
// point, presses and releases the left button there.

#include <QApplication>
#include <QListWidget>
#include <QMouseEvent>
#include <QTableWidget>

namespace lwk {

inline void Click(QWidget* w, QPoint at) {
  QMouseEvent move(QEvent::MouseMove, at, w->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QMouseEvent press(QEvent::MouseButtonPress, at, w->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QMouseEvent release(QEvent::MouseButtonRelease, at, w->mapToGlobal(at), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(w, &move);
  QApplication::sendEvent(w, &press);
  QApplication::sendEvent(w, &release);
}

// Clicks the first cell of a grid's row, scrolled into view.
inline void ClickRow(QTableWidget* grid, int row) {
  grid->scrollToItem(grid->item(row, 0));
  Click(grid->viewport(), grid->visualItemRect(grid->item(row, 0)).center());
}

inline void ClickRow(QListWidget* list, int row) {
  list->scrollToItem(list->item(row));
  Click(list->viewport(), list->visualItemRect(list->item(row)).center());
}

}  // namespace lwk
