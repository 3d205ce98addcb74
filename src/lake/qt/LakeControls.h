#pragma once
// Hooks the lake world's buttons, menu item and map window of the main
// window to the core: "Select A Lake or Saved Game To Fish", "View Map of
// Lake", "Find My Boat", "View Weather && Water Conditions" and TLakeMap.

namespace lwk {

class Game;
class TForm1;
class QtPort;

void WireLakeControls(Game& game, TForm1& form, QtPort& port);

}  // namespace lwk
