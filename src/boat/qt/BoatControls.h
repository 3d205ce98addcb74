#pragma once
// Hooks the boat's buttons, sliders and windows of the main window to the core.

namespace lwk {

class Game;
class TForm1;
class QtPort;

void WireBoatControls(Game& game, TForm1& form, QtPort& port);

}  // namespace lwk
