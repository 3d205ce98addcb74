#pragma once
// The one game object: every piece of game state as plain records, owned here
// for the life of the program, and the shell's own handlers (start-up, layout,
// idle suspend, preferences, timers, shutdown). Each subsystem's rules are free
// functions over Game in its own folder (lake/, boat/, fishing/, tournament/).

#include <array>
#include <deque>
#include <functional>
#include <string>

#include "boat/BoatState.h"
#include "fishing/FishingState.h"
#include "lake/LakeState.h"
#include "lake/LakeView.h"
#include "shell/Controls.h"
#include "shell/Files.h"
#include "shell/Pictures.h"
#include "shell/Port.h"
#include "shell/Random.h"
#include "shell/Settings.h"
#include "tournament/TournamentState.h"

namespace lwk {

struct TimerState {
  int intervalMs = 0;
  bool enabled = false;
};

// Interval and running state of every timer at start-up.
constexpr std::array<TimerState, kTimerCount> kTimerDefaults{{
    {50, false},    // MainTimer: started when a lake has loaded
    {250, false},   // KeyDownTimer: throttle ramp
    {250, true},    // CrashTimer: removes the crash picture
    {250, false},   // PlopTimer
    {150, false},   // DelayTimer
    {100, false},   // RetreiveTimer
    {500, false},   // StrikeTimer
    {150, false},   // FightTimer
    {1000, false},  // SuspendTimer: started when the window is first shown
    {250, false},   // Timer1 of the livewell window
    {2000, false},  // the day banner's wait
}};

constexpr int kIdleSecondsLimit = 300;  // idle seconds before the game minimizes
constexpr int kMinScreenWidth = 640;
constexpr int kMinScreenHeight = 480;
constexpr int kMaximizeBelowWidth = 800;

// One bottom-panel field: its left edge and width in pixels.
struct FieldBox {
  int left;
  int width;
};
// The four bottom fields (rod, bait, colour, retrieve) at window width W.
std::array<FieldBox, 4> BottomFieldLayout(int windowWidth);

class Game {
 public:
  explicit Game(Port& port);

  Port& port;
  lwk::Random Random;
  Prefs prefs;
  Pictures pictures;
  MainView view;
  LakeState lake;
  LakeView lakeView;
  BoatState boat;
  FishingState fishing;
  TournamentState tour;
  std::array<TimerState, kTimerCount> timers = kTimerDefaults;

  // The lake pixels under the boat sprite and where they came from (BoatRect).
  QImage BoatBackground;
  int BoatRectX = 0;
  int BoatRectY = 0;

  // Start-up state.
  std::string GameFolder;  // with a trailing separator
  // The game folder's files by name in any case, listed once at start-up.
  FolderIndex GameFiles;
  // The index of the game folder, listed again when the folder has changed
  // since it was made.
  const FolderIndex& Files();
  std::string SettingsFile;
  bool SettingsFileOk = true;
  int DisplayBitsPerPixel = 0;
  bool StartingUp = true;
  bool LakeLoading = true;
  bool DialogUp = false;
  int IdleSeconds = 0;
  bool CanoesEnabled = false;
  bool JetSkisEnabled = false;
  int TickDivider = 10;
  // First visible column and row of the lake view at the last scroll or resize.
  int PrevLeftCol = 0;
  int PrevTopRow = 0;
  std::array<int, 8> DirectionKeys{'W', 'E', 'D', 'C', 'X', 'Z', 'A', 'Q'};
  bool HintsShown = true;
  std::string AppTitle = "Lurewick";

  // Start-up (program entry up to showing the main window). False when the
  // player cancelled on a missing tile: the program ends at once.
  bool StartUp(const std::string& gameFolder);
  // Shows the main window: false when the screen is too small (the message
  // was shown and the program must end).
  bool FormShow();
  // Start maximized: the preference, or a screen narrower than 800 pixels.
  bool ShouldMaximize() const { return prefs.FullScreenAtStart1 || port.screenWidth() < kMaximizeBelowWidth; }
  void FormActivate();
  void FormDeactivate();
  // One layout pass of the main window: remembers the view's first cell, and
  // on the first pass draws the boat and clears StartingUp.
  void FormResize();
  void FormClick() { IdleSeconds = 0; }

  void EnableGameControls(bool enabled);
  // The new-game reset (lake/NewGame.cpp).
  void ResetGameState();

  // Idle suspend.
  void SuspendTimerTimer();
  void AppOnMinimize();
  void AppOnRestore();
  // Any input on the main window.
  void UserInput() { IdleSeconds = 0; }

  // Help.
  void OpenHelp();

  // Settings.
  void LoadSettings();
  void SaveSettings();

  // Preference and play-level menus.
  void SetPlayMode1Click(const std::function<void()>& openSkillMenu);
  void BackgroundSounds1Click();
  void FishingSounds1Click();
  void ShowButtonHints1Click();
  void SuspendIfInactive1Click();
  void FullScreenAtStart1Click();
  void SetPlayLevel(int level);  // Practice1Click .. Professional1Click
  std::string CaptionText() const;

  // Shutdown. FormCloseQuery asks about fish in the livewell; false keeps
  // the game open. FormClose runs the rest of the shutdown.
  bool FormCloseQuery();
  void FormClose();

  // Timers.
  void setTimer(TimerId id, bool enabled);
  void setTimerInterval(TimerId id, int ms);
  bool timerEnabled(TimerId id) const { return timers[static_cast<int>(id)].enabled; }
  void timerFired(TimerId id);
  // The 50 ms heartbeat (boat/MainTimer.cpp).
  void MainTimerTimer();

  // Sound helpers honouring the preferences.
  void PlayBackgroundSound(const std::string& name, SoundMode mode = SoundMode::Async);
  void PlayFishingSound(const std::string& name, SoundMode mode = SoundMode::Async);

  // Message helpers.
  Answer Message(BoxKind kind, const std::string& text, Buttons buttons = Buttons::Ok) {
    return port.messageBox(kind, text, buttons);
  }
  // A message that interrupts play: shown with MainTimer stopped, restarted after.
  Answer PlayMessage(BoxKind kind, const std::string& text, Buttons buttons = Buttons::Ok);
  // The same, placed at the main window's top-left corner.
  Answer PlayMessageAtCorner(BoxKind kind, const std::string& text);
  // A modal window that interrupts play, shown the same way.
  ModalResult PlayModal(WindowId id);

  void Changed() { port.viewChanged(); }

  // --- Long actions and the flow of a day ---
  // Waits until done() holds, timers and input running meanwhile. False when
  // the wait was aborted (the window closes, a lake or saved game opens, the
  // day ends): the action that waited must then unwind without counting or
  // charging anything more.
  bool WaitUntil(const std::function<bool()>& done);
  // Makes every wait in progress return false at once. Has no effect when no
  // action is waiting, so it never spoils the next action.
  void AbortActions();
  // Runs fn after the handler running now has returned and every long action
  // has unwound: day changes (weigh-in, time-out, disqualification) and the
  // opening of another lake go through here, so no step finishes on the next
  // day's state.
  void Defer(std::function<void()> fn);
  // How many long actions are waiting now (nested waits count each).
  int WaitDepth = 0;
  bool AbortWaits = false;

 private:
  void RunDeferred();
  std::deque<std::function<void()>> Deferred;
  bool DeferredPosted = false;
};

}  // namespace lwk
