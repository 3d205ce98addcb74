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
  // With the given port (a test may stand in a screen of its own).
  explicit GameApp(std::unique_ptr<QtPort> port);
  ~GameApp();

  // Start-up up to the shown main window. False when the program must end
  // at once (Cancel on a missing tile). A screen that is too small closes the
  // window, through the shutdown, once the message loop runs.
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
