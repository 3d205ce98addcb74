#pragma once
// Puts the game together: the core, the Qt port, the main window and every
// other window in their creation order.

#include <QString>
#include <memory>

namespace lwk {

class Game;
class QtPort;
class TForm1;

class GameApp {
 public:
  GameApp();
  ~GameApp();

  // Start-up up to the shown main window. False when the program must end
  // (Cancel on a missing tile, or a screen that is too small).
  bool start(const QString& gameFolder);
  // Start-up and the message loop; the program's exit code.
  int run(const QString& gameFolder);

  Game& game() { return *game_; }
  QtPort& port() { return *port_; }
  TForm1* mainWindow() { return main_; }

 private:
  void createWindows();
  void wireControls();

  std::unique_ptr<QtPort> port_;
  std::unique_ptr<Game> game_;
  TForm1* main_ = nullptr;
};

}  // namespace lwk
