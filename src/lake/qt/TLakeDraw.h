#pragma once
// The lake view in the main window: shows the game's off-screen lake surface
// (crisp whole-number scaling on high-density screens), scrolls it with thumb
// tracking, tells the game its client size and hands mouse presses and
// releases on the lake to the game.

#include <QAbstractScrollArea>
#include <functional>

namespace lwk {

class Game;

class TLakeDraw : public QAbstractScrollArea {
  Q_OBJECT
 public:
  TLakeDraw(lwk::Game& game, QWidget* parent);

  // View-relative lake pixels of a mouse press and release on the lake.
  std::function<void(int x, int y)> onMouseDown;
  std::function<void(int x, int y)> onMouseUp;

  // Whole device pixels per lake pixel (1 on ordinary screens).
  int pixelScale() const;
  // A widget point as a view-relative lake pixel.
  QPoint toLakePixel(QPoint widgetPos) const;
  // Brings the scroll bars in line with the view's first visible cell.
  void syncScrollBars();
  // The surface changed in this view-relative rectangle (lake pixels).
  void surfaceChanged(const QRect& r);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void scrolled();
  // Tells the game the client size the view has or will have when shown:
  // the window lays the view out while it is still hidden, and the first
  // lake is centred before it shows.
  void tellViewSize();
  lwk::Game& game_;
  bool syncing_ = false;
};

}  // namespace lwk
