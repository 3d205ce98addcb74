#pragma once
// The port the tests play the desktop with: scripted answers for every box
// and dialog, a record of everything the game showed or played, and virtual
// time, so that waiting on a timer advances a test clock instead of sleeping.

#include <array>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "shell/Port.h"

namespace lwk {

class Game;

class TestPort : public Port {
 public:
  struct Box {
    BoxKind kind;
    std::string text;
    Buttons buttons;
    bool mainTimerRunning = false;  // MainTimer's state while the box was open
    bool atCorner = false;          // placed at the main window's top-left corner
  };
  struct Sound {
    std::string name;
    SoundMode mode;
  };
  struct PrintedText {
    int x, y;
    std::string text;
  };
  struct PrintJob {
    std::string title;
    std::vector<PrintedText> texts;
    int pages = 1;
    bool ended = false;
  };

  // The game whose timers this port fires (set by the test or by MakeGame).
  Game* game = nullptr;

  // --- scripted answers (taken front first; defaults when empty) ---
  std::deque<Answer> answers;                     // default: Ok, or Yes for Yes/No
  std::deque<std::optional<std::string>> inputs;  // default: cancelled
  std::deque<std::optional<std::string>> openFiles;
  std::deque<std::optional<std::string>> saveFiles;
  std::deque<ModalResult> modalResults;  // default: Ok
  // Called while each box is open, before its answer is taken: a test lets
  // time run here, as a player who leaves a message open.
  std::function<void(const Box&)> onBox;
  // Called when a modal window is shown, before its result is taken.
  std::function<ModalResult(WindowId)> onModal;
  bool printerAvailable = true;
  // Window tests hang the real windows on these.
  std::function<void()> onViewChanged;
  std::function<void(int, int, int, int)> onSurfaceChanged;

  // --- what the game did ---
  std::vector<Box> boxes;
  std::vector<std::string> texts() const;  // the texts of `boxes`
  bool showed(const std::string& text) const;
  std::vector<Sound> sounds;
  int soundStops = 0;
  int beeps = 0;
  std::vector<int> helpContexts;
  std::vector<WindowId> modalShown;
  // MainTimer's state while each modal window (same order as modalShown) and
  // each message window was open.
  std::vector<bool> modalMainTimer;
  std::vector<bool> topNoteMainTimer;
  // True when no box, modal window or message window was ever open with
  // MainTimer running.
  bool neverInterruptedWithTimer() const;
  std::map<WindowId, bool> visible;
  std::vector<std::pair<std::string, std::string>> topNotes;
  std::vector<std::string> appTitles;
  int minimizes = 0;
  bool closeRequested = false;
  bool quitRequested = false;
  int viewChanges = 0;
  int statusRepaints = 0;
  int busyCursor = 0;
  std::deque<PrintJob> printJobs;  // a deque: canvases keep references into it
  std::vector<std::string> inputPrompts;

  // --- the screen ---
  int screenW = 1024;
  int screenH = 768;
  int depth = 32;

  // --- virtual time ---
  std::int64_t now = 0;
  // When true, processEvents() lets virtual time run to the next timer event
  // and fires it, as the real message loop would while the game waits.
  bool processEventsAdvances = true;
  int processEventsCalls = 0;
  // Called on every turn of a long action's wait, before the next timer
  // fires: a test presses Space or clicks here, as a player would mid-action.
  std::function<void()> duringWait;
  int waits = 0;       // waits the game started
  int stuckWaits = 0;  // waits that could never end (no timer due): aborted
  // Virtual milliseconds after which a wait that has not ended counts as stuck.
  std::int64_t waitLimitMs = 24LL * 3600 * 1000;
  // Calls the game posted to run after the current handler (zero-delay calls).
  std::deque<std::function<void()>> posted;
  // Runs the posted calls, as the message loop does between events.
  void runPosted();
  // Runs virtual time forward by ms, firing every due timer in order.
  void advance(std::int64_t ms);
  // Fires the given timer n times at its interval (advancing time).
  void tick(TimerId id, int n = 1);
  bool timerRunning(TimerId id) const { return timers_[static_cast<int>(id)].enabled; }
  int timerInterval(TimerId id) const { return timers_[static_cast<int>(id)].interval; }

  // Port
  Answer messageBox(BoxKind kind, const std::string& text, Buttons buttons) override;
  Answer messageBoxAtCorner(BoxKind kind, const std::string& text, Buttons buttons) override;
  std::optional<std::string> inputBox(const std::string& caption, const std::string& prompt,
                                      const std::string& text) override;
  std::optional<std::string> openFileDialog(const std::string& title, const std::vector<FileFilter>& filters,
                                            const std::string& initialDir) override;
  std::optional<std::string> saveFileDialog(const std::string& title, const std::vector<FileFilter>& filters,
                                            const std::string& initialDir, const std::string& defaultExt) override;
  ModalResult showModal(WindowId id) override;
  void showWindow(WindowId id) override { visible[id] = true; }
  void hideWindow(WindowId id) override { visible[id] = false; }
  bool windowVisible(WindowId id) const override;
  void showTopNote(const std::string& caption, const std::string& text) override {
    topNotes.emplace_back(caption, text);
    topNoteMainTimer.push_back(timerRunning(TimerId::Main));
  }
  void playSound(const std::string& name, SoundMode mode) override { sounds.push_back({name, mode}); }
  void stopSound() override { ++soundStops; }
  void beep() override { ++beeps; }
  void setBusyCursor(bool busy) override { busyCursor += busy ? 1 : -1; }
  void openHelp(int context) override { helpContexts.push_back(context); }
  void timerChanged(TimerId id, int intervalMs, bool enabled) override;
  void processEvents() override;
  void waitUntil(const std::function<bool()>& done) override;
  void post(std::function<void()> fn) override { posted.push_back(std::move(fn)); }
  void sleepMs(int ms) override { now += ms; }
  std::int64_t nowMs() override { return now; }
  void setAppTitle(const std::string& title) override { appTitles.push_back(title); }
  void minimizeApp() override { ++minimizes; }
  void closeMainWindow() override { closeRequested = true; }
  void quitApp() override { quitRequested = true; }
  void viewChanged() override {
    ++viewChanges;
    if (onViewChanged) onViewChanged();
  }
  void surfaceChanged(int x, int y, int w, int h) override {
    if (onSurfaceChanged) onSurfaceChanged(x, y, w, h);
  }
  void repaintStatusBar() override { ++statusRepaints; }
  std::unique_ptr<PrinterCanvas> beginPrint(const std::string& title) override;
  int screenWidth() const override { return screenW; }
  int screenHeight() const override { return screenH; }
  int displayBitsPerPixel() const override { return depth; }

 private:
  struct VTimer {
    int interval = 0;
    bool enabled = false;
    std::int64_t due = 0;
  };
  std::array<VTimer, kTimerCount> timers_{};
  bool cornerNext_ = false;  // the next box is the corner one
  // Fires the earliest timer due at or before `limit`; false when none is.
  bool fireNext(std::int64_t limit);
};

}  // namespace lwk
