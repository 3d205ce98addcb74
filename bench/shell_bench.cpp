// Game shell: the core's start-up against the built game folder (every
// picture of the game, the settings, the records), with the test port.

#include <benchmark/benchmark.h>

#include "shell/Game.h"
#include "support/TestPort.h"

namespace {

using namespace lwk;

void BM_GameStartUp(benchmark::State& state) {
  for (auto _ : state) {
    TestPort port;
    Game g(port);
    port.game = &g;
    if (!g.StartUp(LWK_GAME_DIR)) state.SkipWithError("start-up was cancelled");
    benchmark::DoNotOptimize(g.pictures.TileBitmaps[0]);
  }
}
BENCHMARK(BM_GameStartUp)->Unit(benchmark::kMillisecond);

}  // namespace
