#include "lake/OpenLake.h"

#include <array>

#include "boat/DepthFinder.h"
#include "boat/Gps.h"
#include "boat/Motors.h"
#include "fishing/FishModel.h"
#include "fishing/Tackle.h"
#include "lake/BoatSprite.h"
#include "lake/Depths.h"
#include "lake/LakeFile.h"
#include "lake/LakeMap.h"
#include "lake/LakeViewRules.h"
#include "lake/Stocking.h"
#include "shell/Files.h"
#include "shell/Game.h"
#include "tournament/Clock.h"
#include "tournament/Livewell.h"
#include "tournament/Standings.h"

namespace lwk {

void StockAndShowLake(Game& g) {
  // Fish, then the boat beside the flag.
  StockLake(g);
  PlaceBoat(g);
  RecomputeBoatProbes(g);
  g.BoatRectX = g.boat.BoatX;
  g.BoatRectY = g.boat.BoatY;
  // The lake view replaces the title picture.
  g.lakeView.paintAll();
  g.LakeLoading = false;
  g.view.lakeVisible = true;
  g.Changed();
  g.port.processEvents();
  // The window may have drawn the boat while it showed the view: the pixels
  // under it come from the lake's tiles, so its first move leaves no copy.
  SaveBoatBackgroundFromLake(g);
}

void ResetDay(Game& g) {
  g.tour.DayTimeLeft = kDaySeconds;
  ResetFishingForDay(g);
  g.setTimer(TimerId::Main, false);
  g.boat.CitationCount = 0;
  g.tour.stats.CastCount = 0;
  g.tour.AeratorOn = false;
  g.BoatRectX = g.BoatRectY = 0;
  g.BoatBackground = QImage();
  ClearLiveWell(g);
  g.view.fishFormGlyphOn = false;
  g.tour.ClockRunning = false;
  g.tour.AeratorTicks = g.tour.LiveWellTicks = 0;
  ResetTackleForDay(g);
  // The day's citations and statistics.
  g.boat.LifeJacketWarned = false;
  g.boat.SpeedingDQ = false;
  g.boat.NoWakeCitations = 0;
  ResetDayStatistics(g);
  // The boat's own day: motors off, full tank and batteries, instruments off.
  ResetBoatDay(g);
}

void PickLakeClick(Game& g) {
  g.IdleSeconds = 0;
  if (g.WaitDepth > 0) {
    // A cast is out: it ends first, then the lake is chosen.
    g.AbortActions();
    g.Defer([&g] { PickLakeClick(g); });
    return;
  }
  OpenLake(g);
  g.port.stopSound();
}

void OpenLake(Game& g) {
  const std::optional<std::string> path =
      g.port.openFileDialog("Select A Lake or Saved Game To Fish", {{kLakeFilterText, "*.LAK *.SAV"}}, g.GameFolder);
  if (!path || path->empty()) return;
  OpenLake(g, *path);
}

namespace {

// The lake the player had before an attempt to open another: its path and
// its waypoints, which go back to it when the new one is refused, so that
// quitting never writes one lake's waypoints over another's file.
struct PreviousLake {
  std::string path;
  std::array<Waypoint, kWaypointSlots + 1> waypoints;
  std::array<std::array<std::uint8_t, kScreenSize>, kScreenSize> markers;
  int nextFree, selected;
  bool available, dirty, loadFailed;

  explicit PreviousLake(const Game& g)
      : path(g.lake.LakeFilePath),
        waypoints(g.boat.gps.Waypoints),
        markers(g.boat.gps.Markers),
        nextFree(g.boat.gps.NextFreeWpt),
        selected(g.boat.gps.SelectedWpt),
        available(g.boat.gps.WaypointsAvailable),
        dirty(g.boat.gps.Dirty),
        loadFailed(g.boat.gps.LoadFailed) {}
  void restore(Game& g) const {
    GpsState& gps = g.boat.gps;
    g.lake.LakeFilePath = path;
    gps.Waypoints = waypoints;
    gps.Markers = markers;
    gps.NextFreeWpt = nextFree;
    gps.SelectedWpt = selected;
    gps.WaypointsAvailable = available;
    gps.Dirty = dirty;
    gps.LoadFailed = loadFailed;
  }
};

// A lake that cannot be played: controls off, the message, nothing more.
// A refused saved game has told the player why itself.
void RefuseLake(Game& g, bool withMessage = true) {
  g.EnableGameControls(false);
  g.view.enable(Ctl::ViewWeatherWaterConditions1, false);
  g.port.setBusyCursor(false);
  if (withMessage) g.Message(BoxKind::Error, kUnableToLoadLake);
  g.Changed();
}

}  // namespace

void OpenLake(Game& g, const std::string& path) {
  // The waypoints of the lake played so far are kept before another opens.
  SaveWaypointFile(g);
  const PreviousLake previous(g);
  auto refuse = [&](bool withMessage = true) {
    previous.restore(g);
    RefuseLake(g, withMessage);
  };
  // Busy; the map closes, the title picture shows while the lake loads.
  g.port.setBusyCursor(true);
  if (g.port.windowVisible(WindowId::LakeMap)) g.port.hideWindow(WindowId::LakeMap);
  g.view.lakeVisible = false;
  g.LakeLoading = true;
  g.Changed();
  // A new game on an empty grid.
  g.ResetGameState();
  g.lake.LakeGrid.fill(0);

  // A saved game restores its own state over the reset game. Only the
  // file's own name counts: a folder such as "j.savage" holds lakes too.
  const size_t slash = path.find_last_of('/');
  const std::string fileName = slash == std::string::npos ? path : path.substr(slash + 1);
  if (UpperAscii(fileName).find(".SAV") != std::string::npos) {
    if (!g.lake.hooks.LoadGame) {
      refuse();
      return;
    }
    if (!g.lake.hooks.LoadGame(g, path)) {
      refuse(false);
      return;
    }
    BuildWaterColours(g);
    g.port.setBusyCursor(false);
    g.setTimer(TimerId::Main, true);
    return;
  }

  // The lake file.
  g.lake.LakeFilePath = path;
  if (!LoadLakeFile(g, path)) {
    refuse();
    return;
  }
  // A lake without its weigh-in flag cannot be played.
  if (!FindWeighInFlag(g)) {
    refuse();
    return;
  }
  FindGasPumps(g);
  // The flag in the middle of the view.
  CentreViewOn(g, g.lake.WeighInCol, g.lake.WeighInRow);
  // Depths from the depth file, else made up from the tiles.
  const std::string depthPath = DepthFilePathFor(path);
  if (FileExists(depthPath)) {
    if (!ReadDepthFile(g, depthPath)) {
      refuse();
      return;
    }
  } else {
    AssignDepths(g);
  }
  StockAndShowLake(g);
  // The player's day weights and the caption.
  g.tour.PlayerDayWeight = {};
  g.view.caption = g.CaptionText();
  // Instruments and glyphs off.
  g.boat.MainBatteryDead = false;
  g.view.paddleGlyphOn = false;
  g.view.trollGlyphOn = false;
  g.view.outGlyphOn = false;
  g.view.aeratorGlyphOn = false;
  g.view.lifeJacketGlyphOn = false;
  GraphScreenOff(g);
  // Motor off, neutral.
  g.view.throttlePos = 20;
  g.view.gearPos = 1;
  // The water colours of this lake's tiles, the controls, the day.
  BuildWaterColours(g);
  RefreshTach(g);
  DayBanner(g);
  g.EnableGameControls(true);
  UpdateClock(g);
  // The new tournament's field and the player's name.
  NewField(g);
  // The weather of the three days can be looked at now.
  g.view.enable(Ctl::ViewWeatherWaterConditions1, true);
  g.Changed();
  g.port.processEvents();
  DrawBoat(g);
  // Play.
  g.port.setBusyCursor(false);
  g.setTimer(TimerId::Main, true);
}

bool PlaceBoat(Game& g) {
  const int c = g.lake.WeighInCol;
  const int r = g.lake.WeighInRow;
  auto open = [&g](int col, int row) { return InLake(col, row) && g.lake.tile(col, row) == 0; };
  int foundCol = -1;
  int foundRow = -1;
  for (int i = 1; i <= 5 && foundCol < 0; ++i) {
    if (c + i < 200 && open(c + i, r)) {
      foundCol = c + i;
      foundRow = r;
    } else if (r + i < 200 && open(c, r + i)) {
      foundCol = c;
      foundRow = r + i;
    } else if (c - i >= 1 && open(c - i, r)) {
      foundCol = c - i;
      foundRow = r;
    } else if (r - i >= 1 && open(c, r - i)) {
      foundCol = c;
      foundRow = r - i;
    }
  }
  if (foundCol < 0) {
    g.Message(BoxKind::Error, "ERROR: Cannot position boat!");
    return false;
  }
  BoatState& b = g.boat;
  b.BoatCol = static_cast<std::uint8_t>(foundCol);
  b.BoatRow = static_cast<std::uint8_t>(foundRow);
  b.BoatX = (foundCol - g.lakeView.leftCol()) * kTilePixels;
  b.BoatY = (foundRow - g.lakeView.topRow()) * kTilePixels;
  b.BoatHeading = g.Random(8);
  RecomputeBoatProbes(g);
  return true;
}

}  // namespace lwk
