#pragma once
// The two rules of running the outboard: keep under throttle 6 near a
// no-wake buoy, and wear the life jacket. Citations, fines, lost time and, on
// a repeat offence, the disqualification from the day.

namespace lwk {

class Game;

enum class DqReason { LifeJacket, Speeding };

constexpr double kNoWakeFine = 50;
constexpr double kLifeJacketFine = 100;
constexpr int kNoWakeSeconds = 600;
constexpr int kLifeJacketCitationSeconds = 900;

// Whether any cell of the 3 x 3 block around the bow is a no-wake buoy while
// the throttle is above 5.
bool Speeding(const Game& g);
// The checks after each outboard step, in this order.
void NoWakeCheck(Game& g);
void LifeJacketCheck(Game& g);
// A repeat offence: a note in Practice; in a tournament the notice, the fish
// released and the day's end once the running handler has returned.
void Disqualify(Game& g, DqReason reason);

}  // namespace lwk
