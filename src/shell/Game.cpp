#include "shell/Game.h"

#include <cmath>

#include "boat/Gps.h"
#include "boat/Motors.h"
#include "boat/Steering.h"
#include "boat/Traffic.h"
#include "fishing/Cast.h"
#include "fishing/FishModel.h"
#include "fishing/Retrieve.h"
#include "fishing/Tackle.h"
#include "lake/BoatSprite.h"
#include "shell/Files.h"
#include "tournament/Livewell.h"
#include "tournament/Records.h"
#include "tournament/SaveGame.h"

namespace lwk {

std::array<FieldBox, 4> BottomFieldLayout(int W) {
  const int widths[4] = {static_cast<int>(std::lround(W * 0.44)), static_cast<int>(std::lround(W * 0.23)),
                         static_cast<int>(std::lround(W * 0.18)), static_cast<int>(std::lround(W * 0.11)) - 5};
  std::array<FieldBox, 4> out{};
  int left = 5;
  for (int i = 0; i < 4; ++i) {
    out[static_cast<size_t>(i)] = {left, widths[i]};
    left += widths[i] + 5;
  }
  return out;
}

Game::Game(Port& p) : port(p) {
  lakeView.grid = &lake.LakeGrid;
  lakeView.pictures = &pictures;
  lakeView.suppressCellPaint = [this] { return fishing.FishOn; };
  lakeView.scrollLocked = [this] { return fishing.FishOn; };
  lakeView.onChanged = [this](int x, int y, int w, int h) { port.surfaceChanged(x, y, w, h); };
  lake.hooks.LoadGame = [](Game& g, const std::string& path) { return LoadGame(g, path); };
}

bool Game::StartUp(const std::string& gameFolder) {
  // The game folder, the application title.
  GameFolder = gameFolder;
  if (GameFolder.empty() || GameFolder.back() != '/') GameFolder += '/';
  GameFiles = FolderIndex(GameFolder);
  AppTitle = "Lurewick";
  port.setAppTitle(AppTitle);

  // Colour depth: below 16 bits the colours will be off; say so and go on.
  DisplayBitsPerPixel = port.displayBitsPerPixel();
  if (DisplayBitsPerPixel < 16)
    Message(BoxKind::Plain,
            "NOTE:\rLurewick Professional has detected that your display\ris set for 16 or 256 color mode. The "
            "game will operate in\rthis mode, but colors will not be correct, and lake maps\rmay appear black. It "
            "is recommended that the game be played\rin High Color (16 bit) or True Color (24 bit) mode. See\rWindows "
            "Help for information about changing your display\rsettings.");

  // A write the last run did not finish (a crash between writing a file and
  // renaming it into place) leaves a temporary file; the real one is whole.
  RemoveLeftoverTemporaries(GameFolder);

  // The settings file: a folder we cannot write to cannot hold it.
  SettingsFile = GameFolder + "LWK.INI";
  SettingsFileOk = FileExists(GameFolder) && (FileExists(SettingsFile) || FolderWritable(GameFolder));
  if (!SettingsFileOk) Message(BoxKind::Error, "Unable to create INI file.");

  // Every timer starts in its own state (CrashTimer runs from the start).
  for (int i = 0; i < kTimerCount; ++i)
    port.timerChanged(static_cast<TimerId>(i), timers[i].intervalMs, timers[i].enabled);

  // Caption, random seed.
  view.caption = "Lurewick Professional";
  Random.seedFromClock();

  // No lake yet: the view is hidden and no species live anywhere.
  StartingUp = true;
  LakeLoading = true;
  view.lakeVisible = false;
  lake.SpeciesPresent.fill(false);

  // Every picture, in the order the failure messages come in.
  PictureLoadResult pics = LoadPictures(port, GameFiles, pictures);
  if (pics.cancelled) return false;
  CanoesEnabled = pics.canoesEnabled;
  JetSkisEnabled = pics.jetSkisEnabled;
  view.trollGlyphOn = false;
  view.outGlyphOn = false;

  // The lake view's pen: width 2, aqua, exclusive-or.
  lakeView.pen = {2, kAqua, true};

  // The all-time records.
  LoadRecords(*this);

  // Controls, the new-game reset, the settings.
  view.enable(Ctl::ViewWeatherWaterConditions1, false);
  view.fishFormGlyphOn = false;
  EnableGameControls(false);
  ResetGameState();
  LoadSettings();
  FillRodList(*this);

  // Title music.
  if (prefs.BackgroundSounds1) port.playSound("theme.wav", SoundMode::Loop);
  Changed();
  return true;
}

bool Game::FormShow() {
  if (port.screenWidth() < kMinScreenWidth || port.screenHeight() < kMinScreenHeight) {
    Message(BoxKind::Error,
            "Lurewick cannot run on this system.\r\rLurewick requires a video display with at least 640 x "
            "480\rcapability.");
    port.closeMainWindow();
    return false;
  }
  port.processEvents();
  IdleSeconds = 0;
  setTimer(TimerId::Suspend, true);
  boat.BumpCount = 0;
  if (view.lakeVisible) DrawBoat(*this);
  return true;
}

void Game::FormActivate() {
  if (!StartingUp) {
    port.processEvents();
    if (view.lakeVisible) DrawBoat(*this);
    port.processEvents();
    // MainTimer only runs once a lake has loaded, and stays stopped while a
    // day is ending.
    if (!LakeLoading && view.lakeVisible && !tour.DayEnding) setTimer(TimerId::Main, true);
  }
}

void Game::FormDeactivate() {
  setTimer(TimerId::Main, false);
}

void Game::FormResize() {
  DialogUp = true;
  PrevLeftCol = lakeView.leftCol();
  PrevTopRow = lakeView.topRow();
  if (StartingUp) {
    port.processEvents();
    if (view.lakeVisible) DrawBoat(*this);
    StartingUp = false;
  }
  DialogUp = false;
}

void Game::EnableGameControls(bool enabled) {
  for (Ctl c : {Ctl::TackleBtn, Ctl::RodSelBtn, Ctl::RetrBtn, Ctl::TrollBtn, Ctl::OutBtn, Ctl::PaddLeBtn, Ctl::MapBtn,
                Ctl::LJButt, Ctl::LWButt, Ctl::FindBoatBtn, Ctl::Throttle, Ctl::GearBox, Ctl::FishFormulaBtn,
                Ctl::SaveGameBtn, Ctl::GraphOn, Ctl::GraphOff, Ctl::TmtrSpd, Ctl::GasUpBtn, Ctl::GPSpwr})
    view.enable(c, enabled);
  view.enable(Ctl::WeighInBtn, enabled && prefs.PlayLevel != Practice);
  Changed();
}

void Game::SuspendTimerTimer() {
  if (!prefs.SuspendIfInactiveOn) return;
  ++IdleSeconds;
  if (IdleSeconds > kIdleSecondsLimit) {
    IdleSeconds = 0;
    port.minimizeApp();
  }
}

void Game::AppOnMinimize() {
  AppTitle = "Lurewick-Suspended";
  port.setAppTitle(AppTitle);
}

void Game::AppOnRestore() {
  AppTitle = "Lurewick";
  port.setAppTitle(AppTitle);
  port.processEvents();
  if (view.lakeVisible) DrawBoat(*this);
  IdleSeconds = 0;
}

void Game::OpenHelp() {
  DialogUp = true;
  port.openHelp(1);
  DialogUp = false;
}

void Game::LoadSettings() {
  if (SettingsFileOk && !LoadSettingsFile(SettingsFile, prefs)) Message(BoxKind::Error, "Unable to create INI file.");
  if (!SettingsFileOk) ReadSettingsText("", prefs);
  HintsShown = prefs.ShowButtonHints1;
  prefs.SuspendIfInactiveOn = prefs.SuspendIfInactive1;
  if (prefs.PlayLevel == Practice) view.enable(Ctl::WeighInBtn, false);
  Changed();
}

void Game::SaveSettings() {
  if (!SaveSettingsFile(SettingsFile, prefs)) Message(BoxKind::Error, "ERROR: Unable to save the settings file.");
}

void Game::SetPlayMode1Click(const std::function<void()>& openSkillMenu) {
  DialogUp = true;
  IdleSeconds = 0;
  if (tour.ClockRunning)
    Message(BoxKind::Plain, "The play mode cannot be changed\rafter a tournament has begun.");
  else if (openSkillMenu)
    openSkillMenu();
  DialogUp = false;
}

void Game::BackgroundSounds1Click() {
  IdleSeconds = 0;
  prefs.BackgroundSounds1 = !prefs.BackgroundSounds1;
  prefs.BackgroundSoundsOn = prefs.BackgroundSounds1;
  if (!prefs.BackgroundSoundsOn) port.stopSound();
  Changed();
}

void Game::FishingSounds1Click() {
  IdleSeconds = 0;
  prefs.FishingSounds1 = !prefs.FishingSounds1;
  prefs.FishingSoundsOn = prefs.FishingSounds1;
  Changed();
}

void Game::ShowButtonHints1Click() {
  IdleSeconds = 0;
  prefs.ShowButtonHints1 = !prefs.ShowButtonHints1;
  HintsShown = prefs.ShowButtonHints1;
  Changed();
}

void Game::SuspendIfInactive1Click() {
  IdleSeconds = 0;
  prefs.SuspendIfInactive1 = !prefs.SuspendIfInactive1;
  prefs.SuspendIfInactiveOn = prefs.SuspendIfInactive1;
  Changed();
}

void Game::FullScreenAtStart1Click() {
  prefs.FullScreenAtStart1 = !prefs.FullScreenAtStart1;
  Changed();
  Message(BoxKind::Plain,
          "Changing the startup screen size preference will not\rtake effect until the next time Lurewick is "
          "started.");
}

std::string Game::CaptionText() const {
  std::string text = "Lurewick Professional - " + lake.LakeName + " - Mode: " + LevelName(prefs.PlayLevel);
  if (prefs.PlayLevel != Practice) text += "  DAY " + std::to_string(tour.TournamentDay + 1);
  return text;
}

void Game::SetPlayLevel(int level) {
  IdleSeconds = 0;
  prefs.PlayLevel = static_cast<std::uint8_t>(level);
  view.caption = CaptionText();
  if (level == Practice) view.enable(Ctl::WeighInBtn, false);
  Changed();
}

bool Game::FormCloseQuery() {
  if (tour.LiveWellCount > 0 && prefs.PlayLevel != Practice) {
    port.beep();
    Answer a = Message(BoxKind::Confirm,
                       "You have fish in the livewell that\rhave not been weighed in yet.\r\rAre you SURE you want "
                       "to quit?",
                       Buttons::YesNo);
    if (a != Answer::Yes) return false;
  }
  return true;
}

void Game::FormClose() {
  // A cast, retrieve or fight still waiting ends first, counting nothing.
  AbortActions();
  port.processEvents();
  SaveSettings();
  UpdateBigStringerFile(*this);
  SaveWaypointFile(*this);
  setTimer(TimerId::Main, false);
  setTimer(TimerId::KeyDown, false);
  setTimer(TimerId::Suspend, false);
  view.status[2] = "Please wait.....Lurewick is shutting down.....";
  Changed();
  port.repaintStatusBar();
  if (prefs.BackgroundSounds1) port.playSound("ending.wav", SoundMode::Sync);
}

void Game::setTimer(TimerId id, bool enabled) {
  TimerState& t = timers[static_cast<int>(id)];
  if (t.enabled == enabled) return;
  t.enabled = enabled;
  port.timerChanged(id, t.intervalMs, t.enabled);
}

void Game::setTimerInterval(TimerId id, int ms) {
  TimerState& t = timers[static_cast<int>(id)];
  if (t.intervalMs == ms) return;
  t.intervalMs = ms;
  port.timerChanged(id, t.intervalMs, t.enabled);
}

void Game::timerFired(TimerId id) {
  if (!timers[static_cast<int>(id)].enabled) return;
  if (id == TimerId::Main) {
    MainTimerTimer();
    return;
  }
  if (id == TimerId::Suspend) {
    SuspendTimerTimer();
    return;
  }
  if (id == TimerId::KeyDown) KeyDownTimerTimer(*this);
  if (id == TimerId::Crash) CrashTimerTimer(*this);
  if (id == TimerId::LiveWell) AnimateLiveWell(*this);
  if (id == TimerId::Plop) PlopTimerTimer(*this);
  if (id == TimerId::Delay) DelayTimerTimer(*this);
  if (id == TimerId::Retreive) RetreiveTimerTimer(*this);
  if (id == TimerId::Strike) StrikeTimerTimer(*this);
  if (id == TimerId::Fight) FightTimerTimer(*this);
}

void Game::PlayBackgroundSound(const std::string& name, SoundMode mode) {
  if (prefs.BackgroundSoundsOn) port.playSound(name, mode);
}

void Game::PlayFishingSound(const std::string& name, SoundMode mode) {
  if (prefs.FishingSoundsOn) port.playSound(name, mode);
}

namespace {

// Runs show() with MainTimer stopped and starts it again if it ran: no game
// time passes while a message or window that interrupts play is open.
template <typename Show>
auto WithMainTimerStopped(Game& g, Show show) {
  const bool wasRunning = g.timerEnabled(TimerId::Main);
  g.setTimer(TimerId::Main, false);
  const auto result = show();
  if (wasRunning) g.setTimer(TimerId::Main, true);
  return result;
}

}  // namespace

Answer Game::PlayMessage(BoxKind kind, const std::string& text, Buttons buttons) {
  return WithMainTimerStopped(*this, [&] { return port.messageBox(kind, text, buttons); });
}

Answer Game::PlayMessageAtCorner(BoxKind kind, const std::string& text) {
  return WithMainTimerStopped(*this, [&] { return port.messageBoxAtCorner(kind, text, Buttons::Ok); });
}

ModalResult Game::PlayModal(WindowId id) {
  return WithMainTimerStopped(*this, [&] { return port.showModal(id); });
}

const FolderIndex& Game::Files() {
  std::string folder = GameFolder;
  if (!folder.empty() && folder.back() != '/') folder += '/';
  if (GameFiles.folder() != folder) GameFiles = FolderIndex(folder);
  return GameFiles;
}

bool Game::WaitUntil(const std::function<bool()>& done) {
  ++WaitDepth;
  port.waitUntil([&] { return AbortWaits || done(); });
  const bool completed = !AbortWaits;
  if (--WaitDepth == 0) {
    AbortWaits = false;
    // Calls deferred while the action waited run now that it has unwound.
    if (!Deferred.empty() && !DeferredPosted) {
      DeferredPosted = true;
      port.post([this] { RunDeferred(); });
    }
  }
  return completed;
}

void Game::AbortActions() {
  if (WaitDepth > 0) AbortWaits = true;
}

void Game::Defer(std::function<void()> fn) {
  Deferred.push_back(std::move(fn));
  if (!DeferredPosted) {
    DeferredPosted = true;
    port.post([this] { RunDeferred(); });
  }
}

void Game::RunDeferred() {
  DeferredPosted = false;
  // A long action still waiting: run when it has unwound (WaitUntil posts again).
  if (WaitDepth > 0) return;
  while (!Deferred.empty()) {
    auto fn = std::move(Deferred.front());
    Deferred.pop_front();
    fn();
    if (WaitDepth > 0) return;
  }
}

}  // namespace lwk
