#include "shell/qt/GameApp.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QScreen>

#include "boat/qt/BoatControls.h"
#include "boat/qt/TPickWPT.h"
#include "fishing/qt/FishingControls.h"
#include "fishing/qt/TRodBox.h"
#include "fishing/qt/TTBdrawer.h"
#include "fishing/qt/TackleControls.h"
#include "lake/qt/LakeControls.h"
#include "shell/Game.h"
#include "shell/qt/QtPort.h"
#include "shell/qt/TForm1.h"
#include "shell/qt/TTopNote.h"
#include "tournament/qt/TournamentControls.h"

namespace lwk {

namespace {

// A window whose contents arrive with a later part of the game: it exists,
// carries its name and caption, and stays hidden until it is asked for.
QDialog* PlaceholderWindow(QWidget* parent, const char* name, const char* caption) {
  auto* d = new QDialog(parent);
  d->setObjectName(name);
  d->setWindowTitle(caption);
  d->resize(320, 200);
  return d;
}

}  // namespace

GameApp::GameApp() : GameApp(std::make_unique<QtPort>()) {}

GameApp::GameApp(std::unique_ptr<QtPort> port) : port_(std::move(port)), game_(std::make_unique<Game>(*port_)) {}

GameApp::~GameApp() {
  port_->attach(nullptr, nullptr);
  delete main_;
}

void GameApp::createWindows() {
  main_ = new TForm1(*game_);
  port_->attach(game_.get(), main_);
  const struct {
    WindowId id;
    const char* name;
    const char* caption;
  } later[] = {
      {WindowId::LakeMap, "TLakeMap", "Lake Map"},    {WindowId::LiveWell, "TLiveWell", "Livewell Control Center"},
      {WindowId::RodBox, "TRodBox", "Rod Selection"}, {WindowId::TBdrawer, "TTBdrawer", "Tacklebox"},
      {WindowId::WeighMe, "TWeighMe", "Weigh-In"},    {WindowId::ShowStan, "TShowStan", "Standings"},
      {WindowId::Records, "TRecords", "Records"},     {WindowId::DQ, "TDQ", "Disqualified"}};
  // Created hidden in this order and kept until the program ends.
  for (const auto& w : later) {
    QWidget* window = w.id == WindowId::LiveWell   ? CreateLiveWellWindow(*game_, *port_, main_)
                      : w.id == WindowId::RodBox   ? new TRodBox(*game_, main_)
                      : w.id == WindowId::TBdrawer ? new TTBdrawer(*game_, main_)
                      : w.id == WindowId::WeighMe  ? CreateWeighInWindow(*game_, main_)
                      : w.id == WindowId::ShowStan ? CreateStandingsWindow(*game_, main_)
                      : w.id == WindowId::Records  ? CreateRecordsWindow(*game_, main_)
                      : w.id == WindowId::DQ       ? CreateDisqualificationWindow(*game_, main_)
                                                   : PlaceholderWindow(main_, w.name, w.caption);
    port_->registerWindow(w.id, window);
  }
  port_->registerWindow(WindowId::TopNote, new TTopNote(main_));
  port_->registerWindow(WindowId::PickWPT, new TPickWPT(*game_, main_));
}

void GameApp::wireControls() {
  WireBoatControls(*game_, *main_, *port_);
  WireLakeControls(*game_, *main_, *port_);
  WireTackleControls(*game_, *main_);
  WireTournamentControls(*game_, *main_, *port_);
  WireFishingControls(*game_, *main_);
}

bool GameApp::start(const QString& gameFolder) {
  // The name only: a display name would be appended to every window's caption.
  QApplication::setApplicationName("Lurewick");
  // The port needs the game for sounds and timers from the first message on.
  port_->attach(game_.get(), nullptr);
  if (!game_->StartUp(QDir(gameFolder).absolutePath().toStdString())) return false;
  createWindows();
  wireControls();
  main_->syncFromGame();
  const QRect screen = QApplication::primaryScreen() ? QApplication::primaryScreen()->availableGeometry() : QRect();
  if (screen.isValid()) main_->move(screen.center() - main_->rect().center());
  // Full screen at start (or a narrow screen) shows the window maximized;
  // activation keeps it so (TForm1::changeEvent).
  if (game_->ShouldMaximize())
    main_->showMaximized();
  else
    main_->show();
  // On a screen that is too small FormShow has shown its message and asked
  // the window to close: the close, and with it the shutdown, runs as soon
  // as the message loop does.
  game_->FormShow();
  return true;
}

int GameApp::run(const QString& gameFolder) {
  if (!start(gameFolder)) return 0;
  return QApplication::exec();
}

}  // namespace lwk
