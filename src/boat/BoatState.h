#pragma once
// Where the boat is and what drives it. Reset at the start of every fishing
// day and written to saved games.

#include <cstdint>

namespace lwk {

struct BoatState {
  // Top-left pixel of the 16 x 16 sprite, relative to the visible lake view.
  int BoatX = 0;
  int BoatY = 0;
  int BoatHeading = 0;  // 0 up, 1 up-right, ... 7 up-left
  int BowProbeX = 0, BowProbeY = 0;
  int SternProbeX = 0, SternProbeY = 0;
  std::uint8_t BoatCol = 0, BoatRow = 0;
  std::uint8_t BowCol = 0, BowRow = 0;
  std::uint8_t SternCol = 0, SternRow = 0;
  std::uint32_t SampledColour = 0;

  // Propulsion and energy.
  bool OutboardOn = false;
  bool TrollingOn = false;
  bool PaddleOn = false;
  int ThrottleSetting = 0;
  int ThrottleLimit = 20;
  int TrollSpeed = 1;
  double FuelLevel = 100;
  double TrollBatteryCharge = 100;
  double MainBatteryCharge = 100;
  bool MainBatteryDead = false;

  // Rules.
  bool LifeJacketOn = false;
  double DayExpenses = 0;

  // Collisions.
  bool BoatStuck = false;
  int StuckMode = 0;
  int BumpCount = 0;

  bool GpsOn = false;
  bool DepthFinderOn = false;
};

}  // namespace lwk
