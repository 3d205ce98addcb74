#pragma once
// Tackle in use, the cast in progress, the retrieve, the strike and the fight,
// and the fish formula.

#include <QImage>
#include <array>
#include <cstdint>
#include <functional>
#include <string>

namespace lwk {

// The main window's tackle popup menus. The window opens the menu at its
// button; the item the player picks runs its handler before the call returns.
struct TackleMenus {
  std::function<void()> PopupTackleBox;     // the seven drawers (DrawerClick)
  std::function<void()> PopupRetreiveMenu;  // the five retrieves (SetRetreive)
};

// A rectangle of the lake surface kept from under a splash or picture.
struct SurfaceRect {
  QImage pixels;
  int x = 0, y = 0;
  bool valid = false;
};

// What the last fight ended in, for the weigh-in's tallies and for tests.
enum class FightEnd { None, Lost, LineBroken, Landed };
struct FightResult {
  FightEnd end = FightEnd::None;
  int species = -1;
  double weight = 0;
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

  // The bait, in view pixels, and its lake cell.
  int BaitX = 0;
  int BaitY = 0;
  std::uint8_t BaitCol = 0;
  std::uint8_t BaitRow = 0;
  bool CastInFlight = false;  // the splash animation is running
  bool BaitFouled = false;    // landed on land; in the retrieve: snagged
  bool RearCast = false;
  // The lake view takes mouse presses; off while the line is out, so presses
  // over the lake reach the main window and set the hook.
  bool LakeViewEnabled = true;

  // The cast line on the surface: from the bow to (LineX, LineY), drawn
  // exclusive-or, so drawing it again takes it off.
  bool LineDrawn = false;
  int LineFromX = 0, LineFromY = 0, LineX = 0, LineY = 0;

  // Splash animation and the strike.
  SurfaceRect PlopRect;
  bool RetreiveStepDone = false;
  bool StopGoPhase = false;
  bool StrikeTimeUp = false;
  std::uint8_t StrikingSlot = 0;

  // The fish formula: casts left before it wears off; spent = not in effect.
  int FormulaCastsLeft = 0;
  bool FormulaSpent = true;

  FightResult LastFight;
};

}  // namespace lwk
