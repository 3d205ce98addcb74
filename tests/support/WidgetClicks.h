#pragma once
// Clicks on real widgets as the player makes them: the mouse moves over the
// point, presses and releases the left button there.

#include <QApplication>
#include <QListWidget>
#include <QMouseEvent>
#include <QTableWidget>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

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

// Acts on real windows from whatever window loop runs then (a modal
// window's own loop, a popup menu's): each watcher looks every 5 ms until its
// condition holds, then acts once.
struct WidgetWatchers {
  std::vector<std::unique_ptr<QTimer>> watchers;

  void when(std::function<bool()> ready, std::function<void()> act) {
    auto t = std::make_unique<QTimer>();
    QTimer* raw = t.get();
    raw->setInterval(5);
    QObject::connect(raw, &QTimer::timeout, [raw, ready, act] {
      if (!ready()) return;
      raw->stop();
      act();
    });
    raw->start();
    watchers.push_back(std::move(t));
  }
  void whenShown(QWidget* w, std::function<void()> act) {
    when([w] { return w->isVisible(); }, std::move(act));
  }
};

}  // namespace lwk
