#pragma once
// Saving the running tournament to a .SAV file and continuing it later. The
// file's layout lives in tournament/SavedGame.h; this is the game's side: what
// of the running game goes into the record, and how a loaded record brings
// the lake, the boat, the tackle and the day back.

#include <string>

#include "tournament/SavedGame.h"

namespace lwk {

class Game;

inline constexpr const char* kSavedGameFilterText = "Saved Games";
inline constexpr const char* kUnableToLoadSavedGameFile = "ERROR: Unable to load saved game file";
inline constexpr const char* kUnableToLoadSavedGame = "Lurewick was unable to load the saved game.";
// The save error message for a file path.
std::string CreatingSavedGameError(const std::string& path);

// The running game as a record; storedLakePath is the lake path as the file
// keeps it (StoredLakePath).
SavedGame SavedGameFromGame(const Game& g, const std::string& storedLakePath);
// Copies a decoded record into the game (every field but the lake's own
// name and paths, which come from the reread lake). No cast, retrieve or
// fight runs after a load.
void ApplySavedGame(Game& g, const SavedGame& saved);

// Writes the running game to path through a temporary file and a rename, so
// a failed save leaves an older file of that name as it was. False (and
// nothing written) when the lake path cannot be stored or the write failed.
bool WriteSavedGame(Game& g, const std::string& path);

// SaveGameBtn and Alt+S: the save dialog, then the file; a failure beeps and
// says so, and the game goes on.
void SaveGame(Game& g);

// Continues the saved game at path over the freshly reset game (the lake
// selection flow has run the new-game reset). False when it could not be
// loaded: the player has been told why, and the game is as the reset left it
// when the file itself was refused.
bool LoadGame(Game& g, const std::string& path);

}  // namespace lwk
