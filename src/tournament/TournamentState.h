#pragma once
// The day's clock, the tournament day and the livewell.

#include <cstdint>

namespace lwk {

constexpr int kDaySeconds = 28800;  // eight hours of fishing time

struct TournamentState {
  bool ClockRunning = false;
  int DayTimeLeft = kDaySeconds;
  int TournamentDay = 0;  // 0, 1, 2
  int LiveWellCount = 0;
  int LiveWellTicks = 0;
  bool AeratorOn = false;
  int AeratorTicks = 0;
};

}  // namespace lwk
