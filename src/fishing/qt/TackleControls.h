#pragma once
// The main window's tackle: the Tacklebox, Rod Selection and retrieve buttons
// with their popup menus.

#include <QFont>

namespace lwk {

class Game;
class TForm1;

// The narrow small sans serif of the tackle windows' lists: Arial or one
// of its metric twins where the desktop has one, so that the long rod and
// lure names fit their columns.
QFont TackleFont();

// Hangs the tackle buttons on the game's handlers and builds the TackleBox
// and RetreiveMenu popup menus (children of the main window, found by name).
void WireTackleControls(Game& game, TForm1& form);

}  // namespace lwk
