// Lake world: opening a bundled lake end to end beside the bare read and
// integer parse of the same file, and building the 400 x 400 lake map.

#include <benchmark/benchmark.h>

#include <charconv>

#include "lake/LakeFile.h"
#include "lake/LakeMap.h"
#include "lake/OpenLake.h"
#include "shell/Files.h"
#include "shell/Game.h"
#include "support/TestPort.h"

namespace {

using namespace lwk;

const std::string kLake = LWK_GAME_DIR "/CedarFork.LAK";

std::array<QImage, 256> BenchTiles() {
  std::array<QImage, 256> tiles;
  for (int v = 0; v < 256; ++v) {
    tiles[static_cast<size_t>(v)] = LoadGamePicture(LWK_GAME_DIR, "IM" + std::to_string(v));
    if (tiles[static_cast<size_t>(v)].isNull()) {
      QImage t(32, 32, QImage::Format_RGB32);
      t.fill(qRgb(v, 255 - v, v / 2));
      tiles[static_cast<size_t>(v)] = t;
    }
  }
  return tiles;
}

// The floor: read the file and turn every number of it into an integer.
void BM_LakeFileBareReadAndParse(benchmark::State& state) {
  for (auto _ : state) {
    const std::optional<std::string> text = ReadWholeFile(kLake);
    long long sum = 0;
    const char* p = text->data();
    const char* end = p + text->size();
    while (p < end) {
      if (*p >= '0' && *p <= '9') {
        int v = 0;
        p = std::from_chars(p, end, v).ptr;
        sum += v;
      } else {
        ++p;
      }
    }
    benchmark::DoNotOptimize(sum);
  }
}
BENCHMARK(BM_LakeFileBareReadAndParse)->Unit(benchmark::kMillisecond);

// Opening the lake as the player does: parse, checksum, depth file,
// stocking, centring the view and placing the boat.
void BM_OpenBundledLake(benchmark::State& state) {
  TestPort port;
  Game game(port);
  port.game = &game;
  game.pictures.TileBitmaps = BenchTiles();
  game.lakeView.setViewSize(448, 352);
  game.ResetGameState();
  for (auto _ : state) {
    OpenLake(game, kLake);
    if (!game.view.lakeVisible) state.SkipWithError("the lake did not open");
    port.boxes.clear();
  }
}
BENCHMARK(BM_OpenBundledLake)->Unit(benchmark::kMillisecond);

void BM_BuildLakeMap(benchmark::State& state) {
  const std::array<QImage, 256> tiles = BenchTiles();
  const LakeFileData lake = ParseLakeText(*ReadWholeFile(kLake));
  for (auto _ : state) benchmark::DoNotOptimize(BuildLakeMapImage(lake.LakeGrid, tiles));
}
BENCHMARK(BM_BuildLakeMap)->Unit(benchmark::kMillisecond);

}  // namespace
