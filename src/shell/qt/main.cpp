// The game program: everything lives in the folder of the executable.
#include <QApplication>
#include <QIcon>

#include "shell/qt/GameApp.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const QString folder = QApplication::applicationDirPath();
  app.setWindowIcon(QIcon(folder + "/lwk.png"));
  lwk::GameApp game;
  return game.run(folder);
}
