#pragma once
// The day's clock, the tournament day and the livewell.

#include <cstdint>

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

struct TournamentState {
  DayStatistics stats;
  bool ClockRunning = false;
  int DayTimeLeft = kDaySeconds;
  int TournamentDay = 0;  // 0, 1, 2
  int LiveWellCount = 0;
  int LiveWellTicks = 0;
  bool AeratorOn = false;
  int AeratorTicks = 0;
};

}  // namespace lwk
