#pragma once
// The outboard, the trolling motor and the paddle; fuel and the two
// batteries; the throttle ramp, the tachometer, refuelling and the life jacket.

namespace lwk {

class Game;

void OutBtnClick(Game& g);
void TrollBtnClick(Game& g);
void PaddLeBtnClick(Game& g);
// The trolling-motor speed spin box changed (view.tmtrSpd holds the value).
void TmtrSpdChange(Game& g);
// The player moved the throttle slider (view.throttlePos holds the position).
void ThrottleChange(Game& g);
// The player moved the gear lever (view.gearPos holds the position).
void GearBoxChange(Game& g);
// Every 250 ms while a direction key is held with the outboard running.
void KeyDownTimerTimer(Game& g);
void GasUpBtnClick(Game& g);
void LJButtClick(Game& g);

// Fuel or trolling battery used by one movement step, with its messages.
void UseEnergy(Game& g);
// The tachometer's reading.
void RefreshTach(Game& g);
// The main battery has run flat: the graph, the GPS and the aerator go off.
void MainBatteryShutdown(Game& g);

// The boat's values at the start of a fishing day: full tank and batteries,
// no propulsion, throttle off, neutral, 50 dollars of expenses, instruments
// off, the GPS trail wiped, the stuck state cleared.
void ResetBoatDay(Game& g);

}  // namespace lwk
