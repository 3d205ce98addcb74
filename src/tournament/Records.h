#pragma once
// The all-time records in play: reading both files at start-up, entering a
// big fish, rewriting the files, the records window's rows and its printout.

#include <array>
#include <cstdint>
#include <string>

namespace lwk {

class Game;

constexpr double kRecordFishWeight = 4.0;  // the lightest bass the records take

std::string BigFishFilePath(const Game& g);
std::string BigStringerFilePath(const Game& g);
// Today's date as the records hold it: the system's short date format, at
// most 10 characters.
std::string RecordDate(const Game& g);

// Start-up: both tables empty, then each file read if it exists. A file that
// cannot be read whole shows its message, keeps the records read before the
// fault and disables View Records for the run.
void LoadRecords(Game& g);

// A landed bass: when it beats the lightest of the ten, it takes that place
// and the table is sorted again; true when it entered.
bool CheckBigFishRecord(Game& g, std::uint8_t species, double weight);

// Rewrite a whole records file from its table, through a temporary file and a
// rename, so the old file stays as it was when the write fails. A file that
// failed to load is first kept beside it as <name>.bak. False (after the
// message) when the file could not be written.
bool SaveBigFishRecords(Game& g);
bool SaveBigStringerRecords(Game& g);
// Shutdown: the stringer file is rewritten, unless it failed to load and no
// new total has come in since.
void UpdateBigStringerFile(Game& g);

// The View Records menu item.
void ViewRecords1Click(Game& g);

// What the records window's grids show in rows 1..10: Angler, Species,
// Weight, Date, Lake for the big fish; Angler, Skill, Weight, Date, Lake for
// the three-day totals. A record whose weight is exactly "0.0" is blank.
using RecordRow = std::array<std::string, 5>;
struct RecordsRows {
  std::array<RecordRow, 10> bigFish;
  std::array<RecordRow, 10> totWgt;
};
RecordsRows RecordsGridRows(const Game& g);

// The records window's Print button: both lists on one page.
void RecordsPrintBtnClick(Game& g);

}  // namespace lwk
