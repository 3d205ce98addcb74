#pragma once
// The day's clock, the tournament day and the livewell.

#include <array>
#include <cstdint>
#include <string>

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
constexpr int kFieldSize = 40;       // computer anglers, rows 0..39 of the field
constexpr int kPlayerRow = 40;       // the player's row of the field
constexpr int kAnglerNameMax = 20;   // characters of an angler's name

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

struct TournamentState {
  DayStatistics stats;
  bool ClockRunning = false;
  int DayTimeLeft = kDaySeconds;
  int TournamentDay = 0;  // 0, 1, 2
  int LiveWellCount = 0;
  int LiveWellTicks = 0;
  bool AeratorOn = false;
  int AeratorTicks = 0;

  // The clock and the days.
  bool HourWarningGiven = false;
  bool TournamentOver = false;
  // From a time-out, a weigh-in or a disqualification until the next day has
  // started: the day is ending, MainTimer stays stopped whatever windows open
  // and close, and nothing can end the day a second time.
  bool DayEnding = false;

  // The standings.
  std::string AnglerName;
  std::array<AnglerEntry, kPlayerRow + 1> TournamentField{};
  std::array<LunkerEntry, kTournamentDays> DayLunker{};
  std::array<double, kTournamentDays> PlayerDayWeight{};

  // The windows' contents.
  WeighInView weighIn;
  StandingsView standings;
  std::string DqCaption = "Notice Of Disqualification";
};

}  // namespace lwk
