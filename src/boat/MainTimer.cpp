#include <cmath>

#include "boat/DepthFinder.h"
#include "boat/Motors.h"
#include "boat/Traffic.h"
#include "shell/Game.h"
#include "tournament/Clock.h"

namespace lwk {

namespace {
constexpr int kTicksPerGameSecond = 10;     // 10 ticks of 50 ms: one game second is half a real second
constexpr double kGraphDrain = 0.01;        // per game second
constexpr double kAeratorDrain = 0.02;      // per game second
constexpr double kGpsDrain = 0.01;          // per game second
constexpr double kFastChargeGain = 0.05;    // outboard above throttle 5
constexpr double kIdleChargeGain = 0.02;    // outboard at throttle 1..5
constexpr double kMinStartCharge = 35;      // below this the outboard cannot start
constexpr int kAmbientSoundChance = 15000;  // about once in 12.5 real minutes
}  // namespace

// The 50 ms heartbeat: jet skis every tick; every tenth tick is one game
// second for the canoes, the clock, the batteries and the gauges.
void Game::MainTimerTimer() {
  BoatState& b = boat;
  if (tour.AeratorOn) ++tour.AeratorTicks;
  if (tour.LiveWellCount > 0) ++tour.LiveWellTicks;
  --TickDivider;
  if (JetSkisEnabled) JetSkiStep(*this);
  if (TickDivider <= 0) {
    if (CanoesEnabled) CanoeStep(*this);
    ClockSecond(*this);
    if (b.DepthFinderOn) {
      GraphStep(*this);
      b.MainBatteryCharge -= kGraphDrain;
    }
    if (tour.AeratorOn) b.MainBatteryCharge -= kAeratorDrain;
    if (b.ThrottleSetting > 5)
      b.MainBatteryCharge += kFastChargeGain;
    else if (b.ThrottleSetting > 0)
      b.MainBatteryCharge += kIdleChargeGain;
    b.MainBatteryCharge = std::clamp(b.MainBatteryCharge, 0.0, 100.0);
    view.mainGauge = static_cast<int>(std::lround(b.MainBatteryCharge));
    if (b.MainBatteryCharge < kMinStartCharge && !b.OutboardOn) view.enable(Ctl::OutBtn, false);
    if (!b.MainBatteryDead && b.MainBatteryCharge <= 0) MainBatteryShutdown(*this);
    view.fuelGauge = static_cast<int>(std::lround(b.FuelLevel));
    view.trollGauge = static_cast<int>(std::lround(b.TrollBatteryCharge));
    UpdateClock(*this);
    if (b.GpsOn) b.MainBatteryCharge -= kGpsDrain;
    TickDivider = kTicksPerGameSecond;
    Changed();
  }
  if (b.OutboardOn) {
    RefreshTach(*this);
    Changed();
  }
  if (Random(kAmbientSoundChance) == 0) PlayFishingSound("George2.wav");
}

}  // namespace lwk
