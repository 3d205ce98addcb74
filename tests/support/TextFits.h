#pragma once
// Finds the texts of a window that its controls cut off: labels, buttons,
// line edits and table headers whose text is wider (or, wrapped, taller)
// than the room the control gives it. A wider desktop font must widen the
// control, never clip the text.

#include <QAbstractButton>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>
#include <QTableWidget>

namespace lwk {

inline QString Shown(QString text) {
  text.replace("&&", "\x01");
  text.remove('&');
  text.replace("\x01", "&");
  return text;
}

inline QStringList CutOffTexts(QWidget* root) {
  QStringList cut;
  for (auto* l : root->findChildren<QLabel*>()) {
    if (!l->isVisibleTo(root) || l->text().isEmpty() || !l->pixmap().isNull()) continue;
    const QFontMetrics fm(l->font());
    const QRect room = l->contentsRect();
    const QRect need = l->wordWrap() ? fm.boundingRect(QRect(0, 0, room.width(), 10000), Qt::TextWordWrap, l->text())
                                     : QRect(0, 0, fm.horizontalAdvance(l->text()), fm.height());
    if (need.width() > room.width() || need.height() > room.height() + 2)
      cut << l->objectName() + " \"" + l->text() + "\"";
  }
  for (auto* b : root->findChildren<QAbstractButton*>()) {
    if (!b->isVisibleTo(root) || b->text().isEmpty()) continue;
    const int need =
        QFontMetrics(b->font()).horizontalAdvance(Shown(b->text())) + b->iconSize().width() * !b->icon().isNull();
    if (need > b->width() - 2) cut << b->objectName() + " \"" + b->text() + "\"";
  }
  for (auto* e : root->findChildren<QLineEdit*>()) {
    if (!e->isVisibleTo(root) || e->text().isEmpty()) continue;
    if (QFontMetrics(e->font()).horizontalAdvance(e->text()) > e->width() - 6)
      cut << e->objectName() + " \"" + e->text() + "\"";
  }
  for (auto* t : root->findChildren<QTableWidget*>()) {
    const QFontMetrics fm(t->horizontalHeader()->font());
    for (int c = 0; c < t->columnCount(); ++c)
      if (auto* item = t->horizontalHeaderItem(c))
        if (fm.horizontalAdvance(item->text()) + 8 > t->columnWidth(c))
          cut << t->objectName() + " \"" + item->text() + "\"";
    // The cells' own texts, as the grid's font draws them.
    for (int r = 0; r < t->rowCount(); ++r)
      for (int c = 0; c < t->columnCount(); ++c)
        if (auto* item = t->item(r, c); item && !item->text().isEmpty())
          if (QFontMetrics(item->font()).horizontalAdvance(item->text()) + 6 > t->columnWidth(c))
            cut << t->objectName() + " \"" + item->text() + "\"";
  }
  return cut;
}

}  // namespace lwk
