// A test-only driver for measuring the processor use of the running game: the
// real game (its windows, timers and event loop) opens a lake and then either
// sits idle with the traffic moving, or casts again and again on Slow. The
// processor time is read from outside (/proc/<pid>/stat).
//
//   lwk_drive idle|retrieve <lake file>
#include <QApplication>
#include <QInputDialog>
#include <QTimer>
#include <cmath>
#include <cstdio>

#include "boat/Steering.h"
#include "fishing/Cast.h"
#include "lake/BoatSprite.h"
#include "lake/LakeViewRules.h"
#include "lake/OpenLake.h"
#include "shell/Game.h"
#include "shell/qt/GameApp.h"

namespace {

constexpr int kDx[8] = {0, 1, 1, 1, 0, -1, -1, -1};
constexpr int kDy[8] = {-1, -1, 0, 1, 1, 1, 0, -1};
constexpr int kCastPixels = 70;

// Turns the boat toward open water and returns the cast target there.
bool AimAtOpenWater(lwk::Game& g, int& x, int& y) {
  for (int h = 0; h < 8; ++h) {
    g.boat.BoatHeading = h;
    lwk::RecomputeBoatProbes(g);
    const double len = (h % 2) ? kCastPixels / std::sqrt(2.0) : kCastPixels;
    x = g.boat.BowProbeX + static_cast<int>(kDx[h] * len);
    y = g.boat.BowProbeY + static_cast<int>(kDy[h] * len);
    bool open = true;
    for (int k = 8; k <= kCastPixels && open; k += 8) {
      const int px = g.boat.BowProbeX + kDx[h] * k, py = g.boat.BowProbeY + kDy[h] * k;
      const int c = (g.lakeView.leftCol() * lwk::kTilePixels + px) / lwk::kTilePixels;
      const int r = (g.lakeView.topRow() * lwk::kTilePixels + py) / lwk::kTilePixels;
      open = lwk::TileForMove(g, c, r) == 0;
    }
    if (open) {
      lwk::SaveBoatBackground(g);
      return true;
    }
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc < 3) {
    std::fputs("usage: lwk_drive idle|retrieve <lake file>\n", stderr);
    return 2;
  }
  const bool retrieve = std::string(argv[1]) == "retrieve";
  const std::string lake = argv[2];
  lwk::GameApp game;
  if (!game.start(LWK_GAME_DIR)) return 1;
  lwk::Game& g = game.game();
  g.prefs.FishingSoundsOn = false;  // no audio device is needed
  // The tournament's entry form and any note on the way are answered as a
  // player would, so the lake opens without anyone at the keyboard.
  QTimer answer;
  QObject::connect(&answer, &QTimer::timeout, [] {
    QWidget* w = QApplication::activeModalWidget();
    if (auto* entry = qobject_cast<QInputDialog*>(w)) {
      entry->setTextValue("Drive Angler");
      entry->accept();
    } else if (auto* box = qobject_cast<QDialog*>(w)) {
      box->accept();
    }
  });
  answer.start(100);
  QTimer::singleShot(500, [&] {
    lwk::OpenLake(g, lake);
    if (!retrieve) return;
    lwk::FishingState& f = g.fishing;
    f.CurrentRod = 9;
    f.CurrentDrawer = 6;  // a jig: weedless, never snags
    f.CurrentBait = 0;
    f.CurrentColor = 0;
    f.RetreiveType = 0;  // Slow
    int x = 0, y = 0;
    if (!AimAtOpenWater(g, x, y)) {
      std::fputs("no open water next to the boat\n", stderr);
      QApplication::exit(1);
      return;
    }
    auto* caster = new QTimer(&app);
    caster->setInterval(300);
    QObject::connect(caster, &QTimer::timeout, [&g, x, y] {
      g.tour.DayTimeLeft = lwk::kDaySeconds;  // the day never ends while we measure
      lwk::LakeMouseUp(g, x, y);              // returns when the bait is back
    });
    caster->start();
  });
  // What ran, every ten seconds: the main timer, the casts made, a jet ski.
  QTimer status;
  QObject::connect(&status, &QTimer::timeout, [&g] {
    std::fprintf(stderr, "main timer %s, casts %d, jet ski at %d,%d\n",
                 g.timerEnabled(lwk::TimerId::Main) ? "on" : "off", g.tour.stats.CastCount, g.boat.traffic.JetSkis[0].x,
                 g.boat.traffic.JetSkis[0].y);
  });
  status.start(10000);
  return QApplication::exec();
}
