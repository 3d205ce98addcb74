#include "boat/Steering.h"

#include <QtCore/qnamespace.h>

#include "shell/Game.h"

namespace lwk {

int FormKeyDown(Game& g, int key, int /*shift*/) {
  g.UserInput();
  if (key == Qt::Key_F1) {
    g.OpenHelp();
    return 0;
  }
  return key;
}

void FormKeyUp(Game&, int, int) {}

}  // namespace lwk
