#pragma once
// Hooks casting to the main window: a mouse release on the lake view casts,
// the "Fish Formula" button.

namespace lwk {

class Game;
class TForm1;

void WireFishingControls(Game& game, TForm1& form);

}  // namespace lwk
