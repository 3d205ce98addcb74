#include "boat/Steering.h"

#include <QtCore/qnamespace.h>

#include <algorithm>

#include "boat/BoatingRules.h"
#include "boat/DepthFinder.h"
#include "boat/Gps.h"
#include "boat/Motors.h"
#include "boat/Traffic.h"
#include "fishing/Tackle.h"
#include "lake/BoatSprite.h"
#include "lake/LakeMap.h"
#include "lake/LakeViewRules.h"
#include "shell/Game.h"
#include "tournament/Clock.h"
#include "tournament/SaveGame.h"

namespace lwk {

namespace {

// Pixel steps of the eight directions.
constexpr int kStepDx[8] = {0, 1, 1, 1, 0, -1, -1, -1};
constexpr int kStepDy[8] = {-1, -1, 0, 1, 1, 1, 0, -1};

// The order in which a key is compared with the direction keys: up, down,
// left, right, up-left, down-left, up-right, down-right.
constexpr int kKeyOrder[8] = {0, 4, 6, 2, 7, 5, 1, 3};

// Seconds of fishing time one step costs.
constexpr int kPaddleStepSeconds = 20;
constexpr int kTrollStepSeconds = 9;
constexpr int kOutboardStepSeconds = 4;

constexpr int kGearForward = 0;
constexpr int kGearNeutral = 1;
constexpr int kGearReverse = 2;

// The edge guard keeps the bow out of the lake's last two columns and rows.
bool AtFarEdge(const Game& g, int d) {
  const BoatState& b = g.boat;
  const int cols = g.lakeView.colCount();
  const int rows = g.lakeView.rowCount();
  switch (d) {
    case 1:
    case 2:
      return b.BowCol >= cols - 2;
    case 3:
      return b.BowCol >= cols - 2 || b.BowRow >= rows - 2;
    case 4:
    case 5:
      return b.BowRow >= rows - 2;
    default:
      return false;
  }
}

// Whether a key may move the boat while it is stuck: only the move that backs
// it off.
bool BacksOff(const Game& g, int key) {
  const BoatState& b = g.boat;
  if (b.OutboardOn) {
    if (b.StuckMode == kGearForward) return g.view.gearPos == kGearReverse;
    if (b.StuckMode == kGearReverse) return g.view.gearPos == kGearForward;
    return false;
  }
  return key == g.DirectionKeys[static_cast<size_t>((b.BoatHeading + 4) % 8)];
}

}  // namespace

int TileForMove(const Game& g, int col, int row) {
  if (!InLake(col, row)) return kLastColumnMarker;
  return g.lake.tile(col, row);
}

bool FollowBoat(Game& g) {
  LakeView& v = g.lakeView;
  const BoatState& b = g.boat;
  const int page = static_cast<int>(std::lround(0.8 * v.visibleRowCount()));
  const int left = v.leftCol();
  const int top = v.topRow();
  if (b.BoatX < 60 && left > 0) return v.scrollTo(std::max(0, left - page), top);
  if (DivTrunc(b.BoatX, kTilePixels) > v.width() / kTilePixels - 3 && v.colCount() - v.visibleColCount() > left) {
    const int col = b.BoatCol + page < v.colCount() ? left + page : v.colCount() - v.visibleColCount();
    return v.scrollTo(col, top);
  }
  if (b.BoatY < 30 && top > 0) return v.scrollTo(left, std::max(0, top - page));
  if (DivTrunc(b.BoatY, kTilePixels) > v.height() / kTilePixels - 3 && v.rowCount() - v.visibleRowCount() > top) {
    const int row = b.BoatRow + page < v.rowCount() ? top + page : v.rowCount() - v.visibleRowCount();
    return v.scrollTo(left, row);
  }
  return false;
}

bool MoveStep(Game& g, int d) {
  BoatState& b = g.boat;
  if (g.fishing.FishOn) return true;
  g.tour.ClockRunning = true;

  if (AtFarEdge(g, d)) {
    g.setTimer(TimerId::KeyDown, false);
    if (b.OutboardOn) {
      b.ThrottleSetting = 1;
      g.view.throttlePos = 19;
    } else {
      b.ThrottleSetting = 0;
    }
    g.port.processEvents();
    DrawBoat(g);
    return true;
  }
  if (b.OutboardOn && b.FuelLevel <= 0) {
    g.PlayMessage(BoxKind::Plain, "You're OUT OF GAS...remember?");
    g.port.processEvents();
    DrawBoat(g);
    return true;
  }
  if (b.TrollingOn && b.TrollBatteryCharge <= 0) {
    g.PlayMessage(BoxKind::Plain, "Your trolling motor battery is dead....remember?");
    g.port.processEvents();
    DrawBoat(g);
    return true;
  }
  if (!b.TrollingOn && !b.PaddleOn && g.view.gearPos == kGearNeutral) {
    g.PlayMessage(BoxKind::Plain,
                  "The boat is in NEUTRAL. To move the\rboat with the outboard motor, you must\rshift the gear to "
                  "forward or reverse.");
    return true;
  }
  if (b.OutboardOn) {
    if (!g.timerEnabled(TimerId::KeyDown)) {
      g.setTimer(TimerId::KeyDown, true);
      b.ThrottleSetting = 1;
      g.view.throttlePos = 19;
    }
  } else {
    g.setTimer(TimerId::KeyDown, false);
  }

  EraseBoat(g);
  const bool reverse = b.OutboardOn && g.view.gearPos == kGearReverse;
  b.BoatHeading = reverse ? (d + 4) % 8 : d;
  int s = 1;
  if (b.TrollingOn)
    s = b.TrollSpeed;
  else if (b.OutboardOn)
    s = b.ThrottleSetting;
  b.BoatX += kStepDx[d] * s;
  b.BoatY += kStepDy[d] * s;
  RecomputeBoatProbes(g);

  bool r = reverse ? WaterTest(g, b.SternProbeX, b.SternProbeY) : WaterTest(g, b.BowProbeX, b.BowProbeY);
  const int bowTile = TileForMove(g, b.BowCol, b.BowRow);
  if (bowTile >= kFirstLandTile) r = false;
  if (IsBridgeTile(bowTile)) r = true;

  if (!FollowBoat(g)) SaveBoatBackground(g);
  UseEnergy(g);
  // The boating rules while the outboard runs. A disqualification ends the
  // day: this step does nothing more (no trail, no collision).
  if (b.OutboardOn) {
    NoWakeCheck(g);
    if (g.tour.DayEnding) return true;
    LifeJacketCheck(g);
    if (g.tour.DayEnding) return true;
  }
  if (b.GpsOn) {
    GpsTrailMark(g);
    GpsRedraw(g);
  }
  if (g.port.windowVisible(WindowId::LakeMap)) MapTrailStep(g);
  return r;
}

int FormKeyDown(Game& g, int key, int shift) {
  BoatState& b = g.boat;
  g.UserInput();
  if (key == Qt::Key_F1) {
    g.OpenHelp();
    return 0;
  }
  if (shift == kShiftShift || shift == kShiftCtrl) return key;
  // The day is ending (a disqualification, a time-out, a weigh-in): no key
  // moves the boat until the next day has started. Nor while a lake or a
  // saved game loads (its day banner waits with the motors as saved): a
  // move would cost the loaded day time, and Alt+S would save a game that
  // is only half there.
  if (g.tour.DayEnding || g.LakeLoading) return 0;
  if (g.fishing.FishOn) {
    if (key == Qt::Key_Space) g.fishing.HookSetPressed = true;
    return 0;
  }
  if (key == Qt::Key_Space) return 0;
  if (shift == kShiftAlt) {
    switch (key) {
      // Like their buttons, these do nothing while no lake is loaded.
      case Qt::Key_B:  // the tacklebox
        if (g.view.isEnabled(Ctl::TackleBtn)) TackleBtnClick(g);
        break;
      case Qt::Key_S:  // save the game
        if (g.view.isEnabled(Ctl::SaveGameBtn)) SaveGame(g);
        break;
      case Qt::Key_T:
        TrollBtnClick(g);
        break;
      default:
        break;
    }
    return 0;
  }
  if (key == Qt::Key_S) return 0;
  if (std::find(g.DirectionKeys.begin(), g.DirectionKeys.end(), key) == g.DirectionKeys.end()) return 0;
  if (b.ThrottleSetting == 0 && !b.TrollingOn && !b.PaddleOn) {
    g.PlayMessage(BoxKind::Plain,
                  "Before the boat will move, you\rmust start the outboard motor,\rlower the trolling motor, or use "
                  "the\remergency paddle.");
    return 0;
  }
  if (b.BoatStuck) {
    if (!BacksOff(g, key)) return 0;
    b.BoatStuck = false;
    // The crash picture comes off before the boat backs away, so that the
    // step's water test reads the lake and not the picture.
    if (b.traffic.crash.valid) CrashTimerTimer(g);
  }
  for (int d : kKeyOrder) {
    if (key != g.DirectionKeys[static_cast<size_t>(d)]) continue;
    if (!MoveStep(g, d) && !g.tour.DayEnding) Collide(g);
    break;
  }
  if (g.tour.DayEnding) return key;
  if (b.PaddleOn)
    ChargeTime(g, kPaddleStepSeconds);
  else if (b.TrollingOn)
    ChargeTime(g, kTrollStepSeconds);
  else if (b.OutboardOn)
    ChargeTime(g, kOutboardStepSeconds);
  if (TileForMove(g, b.BowCol, b.BowRow) == 0) b.BumpCount = 0;
  g.Changed();
  return key;
}

void FormKeyUp(Game& g, int, int) {
  BoatState& b = g.boat;
  g.UserInput();
  if (b.OutboardOn) {
    g.setTimer(TimerId::KeyDown, false);
    b.ThrottleSetting = 1;
    g.view.throttlePos = 19;
    b.ThrottleLimit = 20;
    if (!b.BoatStuck) g.view.status[2].clear();
    RefreshTach(g);
    g.Changed();
  }
  if (g.view.lakeVisible) DrawBoat(g);
}

}  // namespace lwk
