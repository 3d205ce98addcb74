#pragma once
// A tournament on the boat tests' small lake: the weigh-in flag in open
// water, a Novice level, a player's name, a game folder of its own for the
// settings and records, and MainTimer running as in play.

#include <QTemporaryDir>

#include "boat/BoatFixture.h"
#include "tournament/Clock.h"
#include "tournament/Standings.h"

namespace lwk {

struct TournamentLake : BoatLake {
  QTemporaryDir dir;
  static constexpr int kFlagCol = 30;
  static constexpr int kFlagRow = 30;

  void SetUp() override {
    BoatLake::SetUp();
    g.GameFolder = dir.path().toStdString() + "/";
    g.SettingsFile = g.GameFolder + "LWK.INI";
    g.lake.LakeName = "Test Pond";
    g.lake.WeighInCol = kFlagCol;
    g.lake.WeighInRow = kFlagRow;
    setTile(kFlagCol, kFlagRow, 255);
    g.prefs.PlayLevel = Novice;
    g.tour.FixedDate = "6/14/2024";
    port.inputs.push_back(std::string("Casey Brook"));
    NewField(g);
    g.setTimer(TimerId::Main, true);
  }
  // A number of game seconds of the main timer (ten ticks each).
  void seconds(int n) { port.tick(TimerId::Main, 10 * n); }
  int modalsOf(WindowId id) const {
    int n = 0;
    for (WindowId w : port.modalShown) n += w == id;
    return n;
  }
};

}  // namespace lwk
