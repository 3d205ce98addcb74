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

GameApp::GameApp() : port_(std::make_unique<QtPort>()), game_(std::make_unique<Game>(*port_)) {}

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
      {WindowId::LakeMap, "TLakeMap", "Lake Map"}, {WindowId::LiveWell, "TLiveWell", "Livewell Control Center"},
      {WindowId::WeighMe, "TWeighMe", "Weigh-In"}, {WindowId::ShowStan, "TShowStan", "Standings"},
      {WindowId::Records, "TRecords", "Records"},  {WindowId::DQ, "TDQ", "Disqualified"}};
  for (const auto& w : later) port_->registerWindow(w.id, PlaceholderWindow(main_, w.name, w.caption));
  port_->registerWindow(WindowId::RodBox, new TRodBox(*game_, main_));
  port_->registerWindow(WindowId::TBdrawer, new TTBdrawer(*game_, main_));
  port_->registerWindow(WindowId::TopNote, new TTopNote(main_));
  port_->registerWindow(WindowId::PickWPT, new TPickWPT(*game_, main_));
}

void GameApp::wireControls() {
  WireBoatControls(*game_, *main_, *port_);
  WireLakeControls(*game_, *main_, *port_);
  WireTackleControls(*game_, *main_);
  WireFishingControls(*game_, *main_);
}

bool GameApp::start(const QString& gameFolder) {
  QApplication::setApplicationName("Lurewick");
  QApplication::setApplicationDisplayName("Lurewick");
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
  return game_->FormShow();
}

int GameApp::run(const QString& gameFolder) {
  if (!start(gameFolder)) return 0;
  return QApplication::exec();
}

}  // namespace lwk
