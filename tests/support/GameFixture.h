#pragma once
// A fresh game for each test: a temporary game folder holding a copy of the
// built game's data (pictures, sounds, help, lakes), a TestPort and a Game.

#include <QTemporaryDir>
#include <memory>
#include <string>

#include "shell/Game.h"
#include "support/TestPort.h"

namespace lwk {

// Copies every file of the built game folder (not the programs) into `to`.
void CopyGameData(const std::string& to);

struct GameFixture {
  QTemporaryDir dir;
  TestPort port;
  std::unique_ptr<Game> game;

  // copyData: fill the folder with the game's data first.
  explicit GameFixture(bool copyData = true);
  std::string folder() const { return dir.path().toStdString() + "/"; }
  std::string path(const std::string& name) const { return folder() + name; }
  // Runs start-up and shows the main window; true when both went through.
  bool start();
};

}  // namespace lwk
