// A whole cast on the test port's virtual time: the splash, a Slow retrieve
// of 80 pixels with a strike, the hook set at once, the fight and the
// landing; the lake view is 1920 x 1080 with both jet skis and canoes out.

#include <benchmark/benchmark.h>

#include "fishing/Cast.h"
#include "lake/BoatSprite.h"
#include "lake/WaterColours.h"
#include "shell/Game.h"
#include "support/TestPort.h"

namespace lwk {
namespace {

QImage Solid(int w, int h, QRgb c) {
  QImage img(w, h, QImage::Format_RGB32);
  img.fill(c);
  return img;
}

struct CastLake {
  TestPort port;
  Game g{port};

  CastLake() {
    port.game = &g;
    port.processEventsAdvances = false;
    for (int i = 0; i < 256; ++i)
      g.pictures.TileBitmaps[static_cast<size_t>(i)] =
          Solid(32, 32, i < kFirstLandTile ? qRgb(0, 32, 192) : qRgb(32, 128, 32));
    g.pictures.boat.frameW = g.pictures.boat.frameH = 16;
    g.pictures.boat.frames.assign(8, Solid(16, 16, qRgb(255, 0, 0)));
    g.pictures.splashes.frameW = g.pictures.splashes.frameH = 16;
    g.pictures.splashes.frames.assign(8, Solid(16, 16, qRgb(255, 255, 255)));
    g.pictures.effects.frameW = g.pictures.effects.frameH = 32;
    g.pictures.effects.frames.assign(3, Solid(32, 32, qRgb(255, 255, 0)));
    g.pictures.dayBanners.frameW = 107;
    g.pictures.dayBanners.frameH = 58;
    g.pictures.dayBanners.frames.assign(5, Solid(107, 58, qRgb(255, 0, 255)));
    g.pictures.canoes.frameW = 18;
    g.pictures.canoes.frameH = 9;
    g.pictures.canoes.frames.assign(2, Solid(18, 9, qRgb(0, 255, 0)));
    g.pictures.jetSkis.frameW = g.pictures.jetSkis.frameH = 18;
    g.pictures.jetSkis.frames.assign(4, Solid(18, 18, qRgb(250, 250, 250)));
    g.CanoesEnabled = g.JetSkisEnabled = true;
    g.lake.WaterColours = BuildWaterColourTable(g.pictures.TileBitmaps);
    g.lake.LakeGrid.fill(150);
    for (int c = 5; c < 195; ++c)
      for (int r = 5; r < 195; ++r) g.lake.LakeGrid.at(c, r) = 0;
    g.lakeView.pen = {2, kAqua, true};
    g.lakeView.setViewSize(1920, 1080);
    g.lakeView.scrollTo(40, 40);
    g.LakeLoading = false;
    g.StartingUp = false;
    g.view.lakeVisible = true;
    auto& t = g.boat.traffic;
    t.CanoesPlaced = t.JetSkisPlaced = true;
    t.Canoes[0] = Craft{60 * 32, 50 * 32, 0, {}};
    t.Canoes[1] = Craft{62 * 32, 52 * 32, 1, {}};
    t.JetSkis[0] = Craft{55 * 32, 55 * 32, 0, {}};
    t.JetSkis[1] = Craft{58 * 32, 48 * 32, 2, {}};
    g.boat.BoatX = 20 * 32 + 8;
    g.boat.BoatY = 15 * 32 + 8;
    g.boat.BoatHeading = 0;
    RecomputeBoatProbes(g);
    SaveBoatBackground(g);
    FishingState& f = g.fishing;
    f.CurrentRod = 9;
    f.CurrentDrawer = 0;
    f.CurrentBait = 0;
    f.CurrentColor = 0;
    f.RetreiveType = 0;
    g.prefs.FishingSoundsOn = true;
    g.setTimer(TimerId::Main, true);
    port.duringWait = [this] {
      if (g.timerEnabled(TimerId::Strike)) g.fishing.HookSetPressed = true;
    };
  }
  // Fish that take anything in the cells the line crosses.
  void stock() {
    for (int r = 52; r <= 55; ++r)
      for (int s = 0; s < kFishPerCell; ++s) g.lake.FishSlots.at(60, r)[static_cast<size_t>(s)] = {9, 0, 0, 0, 0, 2, 0};
  }
};

void BM_CastRetrieveAndFight(benchmark::State& state) {
  CastLake lake;
  int fights = 0;
  for (auto _ : state) {
    lake.stock();
    LakeMouseUp(lake.g, lake.g.boat.BowProbeX, lake.g.boat.BowProbeY - 80);
    fights += lake.g.fishing.LastFight.end != FightEnd::None;
    lake.g.fishing.LastFight = {};
    lake.g.tour.DayTimeLeft = kDaySeconds;
  }
  state.counters["fights"] = benchmark::Counter(fights, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_CastRetrieveAndFight)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace lwk
