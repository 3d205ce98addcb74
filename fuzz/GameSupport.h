#pragma once
// One game for the fuzz targets that read a file into the running game: a
// test port with scripted answers (every box answered with OK), started up
// once on an empty game folder, as a player opening file after file.

#include <QGuiApplication>
#include <cstdlib>
#include <memory>

#include "FuzzSupport.h"
#include "shell/Game.h"
#include "support/TestPort.h"

namespace lwk::fuzz {

struct FuzzGame {
  TestPort port;
  Game game{port};

  FuzzGame() {
    port.game = &game;
    // An empty game folder: every picture is missing and stays blank.
    if (!game.StartUp(Folder())) std::abort();
    game.FormShow();
    forget();
  }
  // Drops what the port recorded, so a long run does not grow.
  void forget() {
    port.boxes.clear();
    port.sounds.clear();
    port.topNotes.clear();
    port.topNoteMainTimer.clear();
    port.modalShown.clear();
    port.modalMainTimer.clear();
    port.posted.clear();
  }
};

// Fonts and pictures need a GUI application; the offscreen platform needs no
// display.
inline FuzzGame& TheGame() {
  static int argc = 1;
  static char name[] = "lwk-fuzz";
  static char* argv[] = {name, nullptr};
  static const bool platform = [] { return qputenv("QT_QPA_PLATFORM", "offscreen"); }();
  static QGuiApplication app(argc, argv);
  static FuzzGame game;
  (void)platform;
  return game;
}

}  // namespace lwk::fuzz
