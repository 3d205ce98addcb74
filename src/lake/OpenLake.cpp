#include "lake/OpenLake.h"

#include "boat/DepthFinder.h"
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

namespace lwk {

void ResetDay(Game& g) {
  g.tour.DayTimeLeft = kDaySeconds;
  ResetFishingForDay(g);
  g.setTimer(TimerId::Main, false);
  g.tour.AeratorOn = false;
  g.BoatRectX = g.BoatRectY = 0;
  g.BoatBackground = QImage();
  g.tour.LiveWellCount = 0;
  g.view.fishFormGlyphOn = false;
  g.tour.ClockRunning = false;
  g.tour.AeratorTicks = g.tour.LiveWellTicks = 0;
  ResetTackleForDay(g);
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

// A lake that cannot be played: controls off, the message, nothing more.
void RefuseLake(Game& g) {
  g.EnableGameControls(false);
  g.view.enable(Ctl::ViewWeatherWaterConditions1, false);
  g.port.setBusyCursor(false);
  g.Message(BoxKind::Error, kUnableToLoadLake);
  g.Changed();
}

}  // namespace

void OpenLake(Game& g, const std::string& path) {
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
    const bool loaded = g.lake.hooks.LoadGame && g.lake.hooks.LoadGame(g, path);
    if (!loaded) {
      RefuseLake(g);
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
    RefuseLake(g);
    return;
  }
  // A lake without its weigh-in flag cannot be played.
  if (!FindWeighInFlag(g)) {
    RefuseLake(g);
    return;
  }
  FindGasPumps(g);
  // The flag in the middle of the view.
  CentreViewOn(g, g.lake.WeighInCol, g.lake.WeighInRow);
  // Depths from the depth file, else made up from the tiles.
  const std::string depthPath = DepthFilePathFor(path);
  if (FileExists(depthPath)) {
    if (!ReadDepthFile(g, depthPath)) {
      RefuseLake(g);
      return;
    }
  } else {
    AssignDepths(g);
  }
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
  SaveBoatBackground(g);
  // The player's day weights and the caption.
  if (g.lake.hooks.ResetDayWeights) g.lake.hooks.ResetDayWeights(g);
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
  if (g.lake.hooks.DayBanner) g.lake.hooks.DayBanner(g);
  g.EnableGameControls(true);
  if (g.lake.hooks.ShowClock) g.lake.hooks.ShowClock(g);
  // The new tournament's field and the player's name.
  if (g.lake.hooks.NewField) g.lake.hooks.NewField(g);
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
