// The program's start-up as the player sees it: the whole game put together
// and its main window shown (offscreen), beside an empty Qt window shown the
// same way, so the two figures give start-up's cost in "empty windows".

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMainWindow>

#include "shell/qt/GameApp.h"
#include "shell/qt/TForm1.h"

namespace {

void BM_EmptyQtWindowShown(benchmark::State& state) {
  for (auto _ : state) {
    QMainWindow w;
    w.resize(640, 480);
    w.show();
    QApplication::processEvents();
    benchmark::DoNotOptimize(w.isVisible());
  }
}
BENCHMARK(BM_EmptyQtWindowShown)->Unit(benchmark::kMillisecond);

void BM_GameShown(benchmark::State& state) {
  for (auto _ : state) {
    lwk::GameApp app;
    if (!app.start(LWK_GAME_DIR)) state.SkipWithError("start-up did not reach the shown window");
    QApplication::processEvents();
    benchmark::DoNotOptimize(app.mainWindow()->isVisible());
  }
}
BENCHMARK(BM_GameShown)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
