#pragma once
// The lake map window: not modal, sizeable, the map picture stretched over
// the whole client area. Opening it runs the game's map handling; any key
// brings the main window back to the front.

#include <QWidget>
#include <functional>

namespace lwk {

class Game;

class TLakeMap : public QWidget {
  Q_OBJECT
 public:
  explicit TLakeMap(lwk::Game& game, QWidget* parent = nullptr);
  ~TLakeMap() override;

  // Brings the main window to the front; by default the top-level window
  // named "TForm1".
  std::function<void()> onRaiseMainWindow;

 protected:
  void showEvent(QShowEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  lwk::Game& game_;
};

}  // namespace lwk
