#pragma once
// The day's clock, the tournament day and the livewell.

#include <QImage>
#include <array>
#include <cstdint>
#include <string>

#include "tournament/RecordsFile.h"

namespace lwk {

constexpr int kDaySeconds = 28800;  // eight hours of fishing time

// The day's counters that the weigh-in shows; all reset at each day start.
struct DayStatistics {
  int BassCaught = 0;       // landing
  int BassCulled = 0;       // landing
  int NonBassCaught = 0;    // landing
  int ShortFishCaught = 0;  // landing
  int StrikesMissed = 0;    // the retrieve and the hook-set
  int FishLost = 0;         // the fight
  int LinesBroken = 0;      // the fight
  int CastCount = 0;        // casting
};

constexpr int kTournamentDays = 3;
constexpr int kFieldSize = 40;      // computer anglers, rows 0..39 of the field
constexpr int kPlayerRow = 40;      // the player's row of the field
constexpr int kAnglerNameMax = 20;  // characters of an angler's name

// One angler of the field and his weights of the three days.
struct AnglerEntry {
  std::string Name;
  std::array<double, kTournamentDays> DayWeight{};
  double total() const { return DayWeight[0] + DayWeight[1] + DayWeight[2]; }
};

// The day's biggest fish and who caught it.
struct LunkerEntry {
  double Weight = 0;
  std::string Name;
};

// What the weigh-in window shows, filled when it opens.
struct WeighInView {
  std::string caption;
  std::string panel2;
  std::array<std::string, 5> fishType;
  std::array<std::string, 5> fishWeight;
  std::string totalWgt, penalties, finalWgt;
  std::array<std::string, kTournamentDays> dayPanel;
  std::string totPanel = "0";
  std::string lunkerPanel;
};

// What the standings window shows, filled when it opens: 41 rows of six
// cells (position, name, three days, total) and which rows hold the player.
struct StandingsView {
  std::string title;
  std::array<std::array<std::string, 6>, kPlayerRow + 1> rows{};
  std::array<bool, kPlayerRow + 1> highlighted{};
};

constexpr int kLiveWellPlaces = 5;
constexpr std::uint8_t kNoSpecies = 255;

// One place in the livewell; a weight of 0 means the place is empty.
struct LiveWellSlot {
  double Weight = 0;
  std::uint8_t Species = kNoSpecies;  // 0 Largemouth, 1 Smallmouth, 2 Spotted
  bool Alive = false;
};

// Where a fish picture sits inside the livewell picture, by place number.
struct SpritePos {
  std::uint8_t x = 0;
  std::uint8_t y = 0;
};

// The all-time records in memory and how their files fared at start-up.
struct RecordsState {
  BigFishTable BigFishRecords;
  BigStringerTable BigStringerRecords;
  // The file could not be read whole: it is not rewritten from the partial
  // table unless a new entry must be written, and then kept as <name>.bak.
  bool BigFishLoadFailed = false;
  bool BigStringerLoadFailed = false;
  // A new three-day total entered since start-up.
  bool BigStringerChanged = false;
};

struct TournamentState {
  DayStatistics stats;
  bool ClockRunning = false;
  int DayTimeLeft = kDaySeconds;
  int TournamentDay = 0;  // 0, 1, 2
  int LiveWellCount = 0;
  int LiveWellTicks = 0;
  bool AeratorOn = false;
  int AeratorTicks = 0;

  // The livewell, heaviest first (place 4 is the lightest or empty).
  std::array<LiveWellSlot, kLiveWellPlaces> LiveWell{};
  double LiveWellTotal = 0;
  std::string TotalWeightCaption = "0";
  std::array<SpritePos, kLiveWellPlaces> FishSpritePos{};
  // The livewell picture with the fish drawn on it (200 x 120).
  QImage LiveWellImage;

  // The player's name, entered on the tournament's entry form.
  std::string AnglerName;
  // Today's date as records show it; empty uses the system's short date.
  std::string FixedDate;

  RecordsState records;

  // The clock and the days.
  bool HourWarningGiven = false;
  bool TournamentOver = false;
  // From a time-out, a weigh-in or a disqualification until the next day has
  // started: the day is ending, MainTimer stays stopped whatever windows open
  // and close, and nothing can end the day a second time.
  bool DayEnding = false;

  // The standings.
  std::array<AnglerEntry, kPlayerRow + 1> TournamentField{};
  std::array<LunkerEntry, kTournamentDays> DayLunker{};
  std::array<double, kTournamentDays> PlayerDayWeight{};

  // The windows' contents.
  WeighInView weighIn;
  StandingsView standings;
  std::string DqCaption = "Notice Of Disqualification";
};

}  // namespace lwk
