// The boat's timing goals: one main-timer tick with both jet skis moving and
// the outboard on, and a page scroll of the lake view at 1920 x 1080.

#include <benchmark/benchmark.h>

#include "boat/Motors.h"
#include "boat/Steering.h"
#include "boat/Traffic.h"
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

// A lake of open water with a land border, tiles of one colour each with a
// little pattern, a 1920 x 1080 view, the boat, both canoes and jet skis.
struct BenchLake {
  TestPort port;
  Game g{port};

  BenchLake() {
    port.game = &g;
    port.processEventsAdvances = false;
    for (int i = 0; i < 256; ++i) {
      QImage t = Solid(32, 32, i < kFirstLandTile ? qRgb(0, 32, 192) : qRgb(32, 128, 32));
      t.setPixel(i % 32, i / 8, qRgb(i, i, i));
      g.pictures.TileBitmaps[static_cast<size_t>(i)] = t;
    }
    g.pictures.boat.frames.assign(8, Solid(16, 16, qRgb(255, 0, 0)));
    g.pictures.canoes.frames.assign(2, Solid(18, 9, qRgb(0, 255, 0)));
    g.pictures.jetSkis.frames.assign(4, Solid(18, 18, qRgb(255, 255, 255)));
    g.pictures.canoes.frameW = 18;
    g.pictures.canoes.frameH = 9;
    g.pictures.jetSkis.frameW = g.pictures.jetSkis.frameH = 18;
    g.lake.WaterColours = BuildWaterColourTable(g.pictures.TileBitmaps);
    g.lake.LakeGrid.fill(150);
    for (int c = 5; c < 195; ++c)
      for (int r = 5; r < 195; ++r) g.lake.LakeGrid.at(c, r) = 0;
    g.lakeView.setViewSize(1920, 1080);
    g.lakeView.scrollTo(40, 40);
    g.LakeLoading = false;
    g.view.lakeVisible = true;
    g.CanoesEnabled = g.JetSkisEnabled = true;
    g.Random.seed(7);
    PlaceWaterTraffic(g);
    // Keep the traffic in view so every step really draws.
    auto& t = g.boat.traffic;
    t.JetSkis[0].x = 50 * 32;
    t.JetSkis[0].y = 50 * 32;
    t.JetSkis[1].x = 60 * 32;
    t.JetSkis[1].y = 55 * 32;
    t.Canoes[0].x = 45 * 32;
    t.Canoes[0].y = 48 * 32;
    g.boat.BoatX = 600;
    g.boat.BoatY = 400;
    RecomputeBoatProbes(g);
    SaveBoatBackground(g);
    g.view.enable(Ctl::OutBtn, true);
    OutBtnClick(g);
    g.boat.ThrottleSetting = 12;
    g.setTimer(TimerId::Main, true);
  }
};

void BM_MainTimerTickWithJetSkisAndOutboard(benchmark::State& state) {
  BenchLake lake;
  for (auto _ : state) {
    lake.g.MainTimerTimer();
    benchmark::DoNotOptimize(lake.g.boat.traffic.JetSkis[0].x);
  }
}
BENCHMARK(BM_MainTimerTickWithJetSkisAndOutboard)->Unit(benchmark::kMicrosecond);

void BM_ScrollViewByAPage1920x1080(benchmark::State& state) {
  BenchLake lake;
  LakeView& v = lake.g.lakeView;
  const int page = static_cast<int>(std::lround(0.8 * v.visibleRowCount()));
  bool forward = true;
  for (auto _ : state) {
    v.scrollTo(v.leftCol() + (forward ? page : -page), v.topRow());
    forward = !forward;
    benchmark::DoNotOptimize(v.surface().constBits());
  }
}
BENCHMARK(BM_ScrollViewByAPage1920x1080)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace lwk
