#pragma once
// Tackle in use and the cast in progress.

#include <cstdint>

namespace lwk {

struct FishingState {
  bool FishOn = false;          // a cast, retrieve or fight is in progress
  bool HookSetPressed = false;  // Space or a mouse press during the hook-set window
  int CurrentRod = -1;
  int CurrentDrawer = -1;
  int CurrentBait = -1;
  int CurrentColor = 255;
  int RetreiveType = -1;
};

}  // namespace lwk
