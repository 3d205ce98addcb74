#pragma once
// Choosing a lake or saved game and starting a new tournament on it: the
// file dialog, the new-game reset, reading the lake and its depths, stocking,
// placing the boat beside the weigh-in flag and starting the main timer.

#include <string>

namespace lwk {

class Game;

// The message after any lake that cannot be played.
inline constexpr const char* kUnableToLoadLake = "Lurewick was unable to load the selected lake.";
// The dialog's filter.
inline constexpr const char* kLakeFilterText = "Lakes (*.LAK) and Saved Games (*.SAV)";

// The day-start reset of every per-day value this part of the game holds.
void ResetDay(Game& g);
// Stocks the lake, places the boat beside the flag and shows the lake view,
// the boat's background taken from the lake's tiles alone.
void StockAndShowLake(Game& g);

// The "Select A Lake or Saved Game To Fish" button.
void PickLakeClick(Game& g);
// Asks for a lake or saved game (starting in the game folder) and opens it;
// Cancel changes nothing.
void OpenLake(Game& g);
// Opens the chosen lake or saved game (".SAV" anywhere in the name, in any
// letter case, is a saved game).
void OpenLake(Game& g, const std::string& path);

// Puts the boat on the first open-water cell beside the weigh-in flag: for
// 1 ... 5 cells away right, below, left, above (never column or row 0).
// False, after "ERROR: Cannot position boat!", when there is none.
bool PlaceBoat(Game& g);

}  // namespace lwk
