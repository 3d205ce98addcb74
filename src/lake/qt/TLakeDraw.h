#pragma once
// The lake view: shows the core's off-screen lake surface, scrolls it with
// its scroll bars and hands mouse clicks on the water to the game.

#include <QAbstractScrollArea>
#include <functional>

namespace lwk {

class Game;

class TLakeDraw : public QAbstractScrollArea {
  Q_OBJECT
 public:
  TLakeDraw(Game& game, QWidget* parent);

  // The surface changed in this view-relative rectangle.
  void surfaceChanged(const QRect& r);
  // Scroll bars follow the core's first visible cell.
  void syncScrollBars();

  std::function<void(int x, int y)> onMouseDown;
  std::function<void(int x, int y)> onMouseUp;

 protected:
  void paintEvent(QPaintEvent*) override;
  void resizeEvent(QResizeEvent*) override;
  void scrollContentsBy(int dx, int dy) override;
  void mousePressEvent(QMouseEvent*) override;
  void mouseReleaseEvent(QMouseEvent*) override;

 private:
  Game& game_;
  bool syncing_ = false;
};

}  // namespace lwk
