#include "tournament/qt/TournamentControls.h"

#include "shell/Game.h"
#include "shell/qt/QtPort.h"
#include "shell/qt/TForm1.h"
#include "tournament/Livewell.h"
#include "tournament/Records.h"
#include "tournament/SaveGame.h"
#include "tournament/Standings.h"
#include "tournament/WeighIn.h"
#include "tournament/qt/TDQ.h"
#include "tournament/qt/TLiveWell.h"
#include "tournament/qt/TRecords.h"
#include "tournament/qt/TShowStan.h"
#include "tournament/qt/TWeighMe.h"

namespace lwk {

QWidget* CreateLiveWellWindow(Game& game, QtPort& port, QWidget* parent) {
  auto* w = new TLiveWell(game, parent);
  port.addViewListener([w] { w->syncFromGame(); });
  return w;
}

QWidget* CreateRecordsWindow(Game& game, QWidget* parent) {
  return new TRecords(game, parent);
}

QWidget* CreateWeighInWindow(Game& game, QWidget* parent) {
  return new TWeighMe(game, parent);
}

QWidget* CreateStandingsWindow(Game& game, QWidget* parent) {
  return new TShowStan(game, parent);
}

QWidget* CreateDisqualificationWindow(Game& game, QWidget* parent) {
  return new TDQ(game, parent);
}

void WireTournamentControls(Game& game, TForm1& form, QtPort&) {
  auto& h = form.clickHandlers;
  h[Ctl::LWButt] = [&game] { ShowLiveWell(game); };
  h[Ctl::ViewRecords1] = [&game] { ViewRecords1Click(game); };
  h[Ctl::WeighInBtn] = [&game] { WeighInBtnClick(game); };
  h[Ctl::ViewCurrentStandings1] = [&game] { ViewCurrentStandings1Click(game); };
  h[Ctl::SaveGameBtn] = [&game] { SaveGame(game); };
}

}  // namespace lwk
