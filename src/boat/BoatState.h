#pragma once
// Where the boat is and what drives it, the water traffic around it, its GPS
// and its depth finder. Reset at the start of every fishing day (ResetBoatDay)
// and written to saved games.

#include <QImage>
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace lwk {

constexpr int kBoatSprite = 16;  // the boat sprite is 16 x 16 pixels
constexpr int kScreenSize = 64;  // the GPS and depth-finder screens are 64 x 64
constexpr int kWaypointSlots = 100;
constexpr int kWaypointTextMax = 30;

// A rectangle of the lake surface saved from under a sprite, so the sprite
// can be taken away without repainting any tile.
struct SavedPatch {
  QImage pixels;
  int x = 0, y = 0;             // view-relative top-left where it was taken
  int leftCol = 0, topRow = 0;  // the view's first cell at that moment
  bool valid = false;
};

// One canoe or jet ski. Positions are absolute lake pixels.
struct Craft {
  int x = 0, y = 0;
  int dir = 0;  // canoe: 1 moving right, 0 left; jet ski: 0 UR, 1 DR, 2 DL, 3 UL
  SavedPatch under;
};

struct TrafficState {
  // Canoe 1 starts moving left, canoe 2 right; both jet skis up-right.
  std::array<Craft, 2> Canoes{Craft{0, 0, 0, {}}, Craft{0, 0, 1, {}}};
  std::array<Craft, 2> JetSkis{};
  bool CanoesPlaced = false;
  bool JetSkisPlaced = false;
  // The crash picture and what lies under it (CrashRect).
  SavedPatch crash;
};

// One stored waypoint; an unused slot has column and row -1.
struct Waypoint {
  std::int32_t col = -1;
  std::int32_t row = -1;
  std::string text;  // up to 30 single-byte characters
  bool used() const { return col != -1; }
};

struct GpsState {
  bool PlotMode = true;
  std::array<std::array<std::uint8_t, kScreenSize>, kScreenSize> GpsTrail{};  // [x][y]
  std::array<std::array<std::uint8_t, kScreenSize>, kScreenSize> Markers{};   // [x][y]
  std::array<Waypoint, kWaypointSlots + 1> Waypoints{};                       // slots 1..100
  int NextFreeWpt = 1;
  int SelectedWpt = 1;
  int Arrow = -1;  // direction 0..7 of the go-to arrow, -1 without a target
  bool WaypointsAvailable = false;
  // Caption of the waypoint picker for its next showing.
  std::string PickCaption = "Select/Save WayPoint";
  // The waypoints changed since they were loaded.
  bool Dirty = false;
  // The lake's waypoint file could not be read: it is only rewritten when the
  // player changed the waypoints, so an unreadable file is not lost.
  bool LoadFailed = false;
};

struct DepthFinderState {
  int WriteCol = 63;
  int BottomY = 0;
  int LastFishCol = -1, LastFishRow = -1;
};

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
  bool MainBatteryDead = false;  // MainBatteryDeadShown: the shutdown ran today

  // Rules.
  bool LifeJacketOn = false;
  std::uint8_t NoWakeCitations = 0;  // no-wake speeding citations today
  bool LifeJacketWarned = false;     // a life-jacket citation was given today
  bool SpeedingDQ = false;           // the fourth no-wake citation disqualified
  int CitationCount = 0;             // citations of both kinds today
  double DayExpenses = 50;

  // Collisions.
  bool BoatStuck = false;
  int StuckMode = 0;
  int BumpCount = 0;

  bool GpsOn = false;
  bool DepthFinderOn = false;

  TrafficState traffic;
  GpsState gps;
  DepthFinderState depth;
};

}  // namespace lwk
