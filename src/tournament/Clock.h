#pragma once
// The day's clock and the three days of a tournament: every charge of fishing
// time, the countdown and its display, the one-hour warning, the time-out, the
// end of a day, the next day's start and the end of the tournament.

#include <string>

namespace lwk {

class Game;

constexpr int kHourWarningSeconds = 3600;
constexpr int kBannerMs = 2000;  // how long the day banner stays over the lake

// Takes seconds from the day's fishing time, never below 0.
void ChargeTime(Game& g, int seconds);

// "HH:MM:SS" of the seconds left (below 0 shows as 0).
std::string ClockText(int seconds);

// One game second of the main timer: the countdown (while the clock runs).
void ClockSecond(Game& g);
// The clock display, the one-hour warning and the time-out check; nothing in
// Practice.
void UpdateClock(Game& g);

// A long message in the message window, shown with MainTimer stopped.
void MessageWindow(Game& g, const std::string& text);

// Starts the end of the day from inside a handler (time-out, weigh-in,
// disqualification): false when a day end is already under way. MainTimer
// stops and stays stopped, every waiting cast, retrieve or fight is aborted.
bool BeginDayEnd(Game& g);

// The common end of a day: the weigh-in window, then the next day or the end
// of the tournament. Runs once BeginDayEnd's handler has returned.
void EndDay(Game& g);
void StartNextDay(Game& g);
// "Day One" .. "Day Three" over the middle of the lake view for two seconds.
void DayBanner(Game& g);
// The final question; No ends the program, Yes opens the choice of a lake.
void EndTournament(Game& g);

}  // namespace lwk
