#pragma once
// Tackle in use and the cast in progress.

#include <array>
#include <functional>
#include <string>

namespace lwk {

// The main window's tackle popup menus. The window opens the menu at its
// button; the item the player picks runs its handler before the call returns.
struct TackleMenus {
  std::function<void()> PopupTackleBox;     // the seven drawers (DrawerClick)
  std::function<void()> PopupRetreiveMenu;  // the five retrieves (SetRetreive)
};

struct FishingState {
  bool FishOn = false;          // a cast, retrieve or fight is in progress
  bool HookSetPressed = false;  // Space or a mouse press during the hook-set window

  // The tackle in use; 255 is none.
  int CurrentRod = 255;
  int CurrentDrawer = 255;
  int CurrentBait = 255;
  int CurrentColor = 255;
  int RetreiveType = 1;    // 0 Slow, 1 Medium, 2 Fast, 3 Rippin, 4 Stop And Go
  int BaitSnagRating = 1;  // of the bait in use, taken at each cast

  // The rod box: its grid (row 0 the header, row n + 1 rod n; columns rod,
  // bait, colour) and its current row, kept while the window is closed.
  std::array<std::array<std::string, 3>, 17> RodList{};
  int RodBoxRow = 1;

  // The drawer window: which drawer it shows under which caption, and the
  // bait and colour selected in its lists (-1 none).
  int DrawerShown = 0;
  std::string DrawerCaption = "Tacklebox Drawer ";
  int DrawerBait = -1;
  int DrawerColor = -1;

  TackleMenus menus;
};

}  // namespace lwk
