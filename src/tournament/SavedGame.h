#pragma once
// The saved game (.SAV): one record of exactly 2852 bytes, no header. Little-
// endian 32-bit integers, IEEE doubles, 6-byte reals (tournament/Real48.h),
// one-byte booleans (0 or 1), and texts as a length byte followed by
// Windows-1252 characters in a field of fixed size. Alignment bytes are
// written as 0 and never read.
//
// Everything here is a pure function on bytes and records; the game's
// SaveGame and LoadGame are built on it like this:
//
//  - Saving fills a SavedGame from the running game (the lake view's first
//    visible row and column read from the view, StartThrottleSetting the
//    throttle as it was at program start), runs EncodeSavedGame and writes the
//    2852 bytes atomically (WriteFileAtomically). The lake path goes through
//    StoredLakePath first: relative to the game folder when the lake lies
//    there, else whole when it fits the 65 characters of its field; a path
//    that fits neither way (or holds a character the field cannot store) is
//    refused with the save error message and nothing is written, because a
//    cut path would reopen the wrong lake.
//  - Loading reads the file, runs DecodeSavedGame into a record of its own
//    and, when that fails (short or long file, a value out of range), shows
//    the load error message and leaves the running game as it is. Only a
//    record that decoded is applied to the game. FishOn, CastInFlight and
//    RetreiveStepDone are cleared on the way in: the cast, retrieve or fight
//    they belonged to cannot resume from a file. The lake is reread from
//    LakePathFromStored(LakeFilePath, game folder), and LakeMapPath is derived
//    from that reread lake's own path, never taken from the file.
//  - TodayWeather is WeatherForecast[TournamentDay] after a load.

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "lake/Stocking.h"  // the baits and colours of each drawer
#include "lake/Weather.h"

namespace lwk {

constexpr int kSavedGameSize = 2852;
constexpr int kSavedPathMax = 65;    // characters of the lake name and path fields
constexpr int kSavedNameMax = 20;    // characters of an angler's name
constexpr int kSavedFieldSize = 41;  // the tournament field: 40 computer anglers and the player

using SavedGameBytes = std::array<std::uint8_t, kSavedGameSize>;

struct SavedLiveWellSlot {
  double Weight = 0.0;         // pounds; 0 is an empty place
  std::uint8_t Species = 255;  // 0 Largemouth, 1 Smallmouth, 2 Spotted Bass, 255 empty
  bool Alive = false;
};

struct SavedRodSetup {
  std::int32_t Drawer = -1;  // -1 when no bait is attached, then Bait and Color are -1 too
  std::int32_t Bait = -1;
  std::int32_t Color = -1;
  std::uint8_t Spare = 1;
};

struct SavedAnglerEntry {
  std::string Name;  // at most 20 characters
  std::array<double, 3> DayWeight{};
};

struct SavedLunkerEntry {
  double Weight = 0.0;
  std::string Name;  // at most 20 characters
};

// Every field of the file, in file order, with the game's names.
struct SavedGame {
  std::int32_t DayTimeLeft = 28800;
  std::int32_t BoatX = 0, BoatY = 0;
  std::int32_t BowProbeX = 0, BowProbeY = 0;
  std::int32_t BoatHeading = 0;
  std::int32_t SternProbeX = 0, SternProbeY = 0;
  std::int32_t ThrottleSetting = 0;
  std::int32_t StartThrottleSetting = 0;  // the throttle at program start; not read by the game
  std::int32_t TrollSpeed = 0;
  std::int32_t BaitX = 0, BaitY = 0;
  bool FishOn = false;
  double FuelLevel = 100.0;  // the three energies are 6-byte reals in the file
  double TrollBatteryCharge = 100.0;
  double MainBatteryCharge = 100.0;
  bool DepthFinderOn = false;
  bool LifeJacketOn = false;
  std::int32_t PrevLeftCol = 0, PrevTopRow = 0;
  std::int32_t ViewTopRow = 0, ViewLeftCol = 0;  // the lake view's first visible row and column
  bool TrollingOn = false, PaddleOn = false, OutboardOn = false;
  std::string LakeName, LakeMapPath, LakeFilePath;  // at most 65 characters each
  std::uint8_t BoatCol = 0, BoatRow = 0;
  std::uint8_t BowCol = 0, BowRow = 0;
  std::uint8_t SternCol = 0, SternRow = 0;
  std::uint8_t BaitCol = 0, BaitRow = 0;
  bool AeratorOn = false;
  std::array<SavedLiveWellSlot, 5> LiveWell{};
  std::int32_t LiveWellCount = 0;
  std::array<SavedRodSetup, 16> RodSetups{};
  std::uint8_t CurrentRod = 255;  // 255 = none
  std::uint8_t CurrentDrawer = 255;
  std::uint8_t CurrentBait = 255;
  std::uint8_t CurrentColor = 255;
  std::uint8_t PlayLevel = 0;
  std::uint8_t RetreiveType = 1;
  bool MainBatteryDeadShown = false;
  bool RearCast = false;
  bool StopGoPhase = false;
  std::uint8_t GraphColumn = 63;  // the depth finder's trace: write column, bottom y, last fish cell
  std::uint8_t GraphBottomY = 0;
  std::int32_t GraphFishCol = 0, GraphFishRow = 0;
  std::uint8_t FormulaCastsLeft = 0;
  bool CastInFlight = false;
  bool FormulaSpent = true;
  bool BoatStuck = false;
  bool RetreiveStepDone = false;
  std::int32_t CastCount = 0;
  std::int32_t CitationCount = 0;
  std::uint8_t StuckMode = 0;
  std::uint8_t StrikingSlot = 0;
  bool ClockRunning = false;
  bool HourWarningGiven = false;
  std::uint8_t TournamentDay = 0;
  double LiveWellTotal = 0.0;
  double DayExpenses = 0.0;
  std::array<double, 3> PlayerDayWeight{};
  std::array<SavedAnglerEntry, kSavedFieldSize> TournamentField{};
  std::array<SavedLunkerEntry, 3> DayLunker{};
  std::string AnglerName;
  std::int32_t AeratorTicks = 0, LiveWellTicks = 0;
  bool LifeJacketWarned = false;
  std::int32_t BassCaught = 0, BassCulled = 0, NonBassCaught = 0, ShortFishCaught = 0;
  std::int32_t LinesBroken = 0, StrikesMissed = 0, FishLost = 0;
  std::array<WeatherRecord, 3> WeatherForecast{};
};

// One entry of the file layout. The layout lists every byte of the record
// once, in order, and drives the writer, the reader and the range checks.
enum class SavedFieldKind : std::uint8_t { Int32, Byte, Bool, Real48, Double, Text, Unused };
using SavedFieldRef = std::variant<std::monostate, std::int32_t*, std::uint8_t*, bool*, double*, std::string*>;

struct SavedGameField {
  std::string name;  // as in error messages: "LiveWell[2].Species"
  int offset = 0;
  int size = 0;
  SavedFieldKind kind = SavedFieldKind::Unused;
  double min = 0, max = 0;   // accepted values; a Text holds at most size - 1 characters
  bool noneAllowed = false;  // a Byte may also be 255, "none"
  std::function<SavedFieldRef(SavedGame&)> ref;
};

const std::vector<SavedGameField>& SavedGameLayout();

// The record as the 2852 bytes of the file. Texts are converted to
// Windows-1252 and cut to their field (a character the code page lacks is
// stored as "?"); alignment bytes are 0.
SavedGameBytes EncodeSavedGame(const SavedGame& game);

struct SavedGameResult {
  std::optional<SavedGame> game;  // set when the bytes are a saved game
  std::string error;              // otherwise what is wrong with them
  bool ok() const { return game.has_value(); }
};

// Reads a saved game. Refuses any size but 2852 bytes and any value the game
// could not use: out of its range, not a number, a text longer than its
// field, or fields that contradict each other (a bait outside its drawer, a
// livewell place with a weight but no bass).
SavedGameResult DecodeSavedGame(std::span<const std::uint8_t> bytes);
SavedGameResult DecodeSavedGame(std::string_view bytes);

// The checks across fields that DecodeSavedGame runs after the per-field
// ranges; nullopt when the record is consistent.
std::optional<std::string> CheckSavedGame(const SavedGame& game);

// The lake path as the file stores it: relative to gameDir when the lake lies
// inside it, else the whole path; nullopt when that does not fit the 65
// characters of the field or holds a character Windows-1252 lacks.
std::optional<std::string> StoredLakePath(const std::string& lakePath, const std::string& gameDir);
// The path of the lake to reread: a stored relative path lies inside gameDir.
std::string LakePathFromStored(const std::string& stored, const std::string& gameDir);

}  // namespace lwk
