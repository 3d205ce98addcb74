#pragma once
// Hooks the livewell button and the records menu item of the main window to
// the core, and creates the livewell and records windows.

class QWidget;

namespace lwk {

class Game;
class TForm1;
class QtPort;

// The livewell window (its pictures load now) and the records window.
QWidget* CreateLiveWellWindow(Game& game, QtPort& port, QWidget* parent);
QWidget* CreateRecordsWindow(Game& game, QWidget* parent);
// The weigh-in, standings and disqualification windows.
QWidget* CreateWeighInWindow(Game& game, QWidget* parent);
QWidget* CreateStandingsWindow(Game& game, QWidget* parent);
QWidget* CreateDisqualificationWindow(Game& game, QWidget* parent);

void WireTournamentControls(Game& game, TForm1& form, QtPort& port);

}  // namespace lwk
