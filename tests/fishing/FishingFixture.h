#pragma once
// The boat's small synthetic lake with a rod, a bait and the splash pictures:
// the boat sits in cell (20, 20) facing up, the basin around it open water,
// the view's first cell (5, 8).

#include <Qt>
#include <vector>

#include "boat/BoatFixture.h"
#include "fishing/Cast.h"
#include "fishing/FishModel.h"
#include "fishing/Retrieve.h"

namespace lwk {

constexpr QRgb kSplashWhite = 0xFFFFFFFF;

struct FishingLake : BoatLake {
  void SetUp() override {
    BoatLake::SetUp();
    g.pictures.splashes.frameW = g.pictures.splashes.frameH = 16;
    g.pictures.splashes.frames.assign(8, Solid(16, 16, kSplashWhite));
    g.pictures.dayBanners.frameW = 107;
    g.pictures.dayBanners.frameH = 58;
    g.pictures.dayBanners.frames.assign(5, Solid(107, 58, 0xFFFF00FF));
    g.lakeView.pen = {2, kAqua, true};
    g.StartingUp = false;
    g.prefs.FishingSoundsOn = true;
    g.prefs.PlayLevel = Practice;
    scroll(5, 8);  // rows 8 to 22 in view
    placeBoat(20, 20, 0);
    FishingState& f = g.fishing;
    f.CurrentRod = 3;
    f.CurrentDrawer = 0;
    f.CurrentBait = 5;
    f.CurrentColor = 5;
    f.RetreiveType = 0;
    // The main timer runs, so messages must stop it, but it ticks only in
    // the tests that ask for it: its ambient-sound draw would take scripted
    // draws meant for the cast.
    g.setTimerInterval(TimerId::Main, kQuietMainMs);
    g.setTimer(TimerId::Main, true);
  }
  static constexpr int kQuietMainMs = 3600 * 1000;
  void tickingMainTimer() { g.setTimerInterval(TimerId::Main, 50); }
  int bowX() const { return g.boat.BowProbeX; }
  int bowY() const { return g.boat.BowProbeY; }
  // Releases the mouse (dx, dy) view pixels from the bow.
  void castAt(int dx, int dy) { LakeMouseUp(g, bowX() + dx, bowY() + dy); }
  // Queues draws one by one (a test builds its list in a loop).
  void script(const std::vector<int>& draws) {
    for (int d : draws) g.Random.script({d});
  }
  // A fish that strikes at anything, in the cell of view pixel (x, y).
  FishSlot& fishAt(int x, int y, int species = 0, int tolerance = 9) {
    const int col = (g.lakeView.leftCol() * kTilePixels + x) / kTilePixels;
    const int row = (g.lakeView.topRow() * kTilePixels + y) / kTilePixels;
    FishSlot& s = g.lake.FishSlots.at(col, row)[0];
    s = FishSlot{static_cast<std::uint8_t>(tolerance), 0, 5, 5, 0, 3, static_cast<std::uint8_t>(species)};
    return s;
  }
  // Draws of a fight of seven rounds in which the fish stays put and never
  // jumps (bass draw one more each round for the jump).
  static std::vector<int> quietFight(bool bass) {
    std::vector<int> v{0};  // Random(10) + 7 rounds
    for (int i = 0; i < 7; ++i) {
      for (int d : {0, 0, 0, 0}) v.push_back(d);
      if (bass) v.push_back(1);
    }
    return v;
  }
  void pressSpace() { FormKeyDown(g, Qt::Key_Space, 0); }
};

}  // namespace lwk
