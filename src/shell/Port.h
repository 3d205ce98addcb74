#pragma once
// The one port from the game's rules to the desktop. Everything the core needs
// from the outside world (message boxes, dialogs, sounds, timers, the pause of
// "process pending events", printing) goes through this interface. The Qt
// shell implements it for the real game; the tests implement it with scripted
// answers, a record of everything shown and virtual time.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QPainter;

namespace lwk {

// The three kinds of box the game shows.
enum class BoxKind { Error, Confirm, Plain };
enum class Buttons { Ok, OkCancel, YesNo };
enum class Answer { Ok, Cancel, Yes, No };

enum class SoundMode {
  Async,  // start and return at once
  Loop,   // start and repeat until stopped
  Sync    // return when the sound has played (bounded wait)
};

// Every timer of the main window and the livewell window.
// Banner only wakes the day banner's two-second wait.
enum class TimerId { Main, KeyDown, Crash, Plop, Delay, Retreive, Strike, Fight, Suspend, LiveWell, Banner, Count };
constexpr int kTimerCount = static_cast<int>(TimerId::Count);

// The windows other than the main window, created hidden at start-up in this
// order and kept until the program ends.
enum class WindowId { LakeMap, LiveWell, RodBox, TBdrawer, WeighMe, ShowStan, Records, DQ, TopNote, PickWPT, Count };

// Result of a modal window.
enum class ModalResult { None, Ok, Cancel, Yes, No };

// One page of printed output. Coordinates are device pixels of the page.
class PrinterCanvas {
 public:
  virtual ~PrinterCanvas() = default;
  virtual void setFont(const std::string& name, int pointSize, bool bold) = 0;
  virtual void textOut(int x, int y, const std::string& text) = 0;
  virtual int pageWidth() const = 0;
  virtual int pageHeight() const = 0;
  virtual int textHeight(const std::string& text) const = 0;
  virtual void newPage() = 0;
  // Ends the document; false when it could not be printed or saved.
  virtual bool endDoc() = 0;
};

struct FileFilter {
  std::string description;  // "Lake Files (*.lak)"
  std::string patterns;     // "*.lak *.sav"
};

class Port {
 public:
  virtual ~Port() = default;

  // Modal message box; returns the button the player chose.
  virtual Answer messageBox(BoxKind kind, const std::string& text, Buttons buttons) = 0;
  // The same box with its top-left corner on the main window's, where a
  // message wants to stay clear of the middle of the lake.
  virtual Answer messageBoxAtCorner(BoxKind kind, const std::string& text, Buttons buttons) {
    return messageBox(kind, text, buttons);
  }
  // Input box; empty when cancelled.
  virtual std::optional<std::string> inputBox(const std::string& caption, const std::string& prompt,
                                              const std::string& text) = 0;
  virtual std::optional<std::string> openFileDialog(const std::string& title, const std::vector<FileFilter>& filters,
                                                    const std::string& initialDir) = 0;
  virtual std::optional<std::string> saveFileDialog(const std::string& title, const std::vector<FileFilter>& filters,
                                                    const std::string& initialDir, const std::string& defaultExt) = 0;

  // Other windows of the game. A modal show returns when it closes.
  virtual ModalResult showModal(WindowId id) = 0;
  virtual void showWindow(WindowId id) = 0;
  virtual void hideWindow(WindowId id) = 0;
  virtual bool windowVisible(WindowId id) const = 0;
  // The message window: the text to show and its caption.
  virtual void showTopNote(const std::string& caption, const std::string& text) = 0;

  // Sounds by file name, looked up in the game folder. A missing file or no
  // audio device means silence.
  virtual void playSound(const std::string& name, SoundMode mode) = 0;
  virtual void stopSound() = 0;
  virtual void beep() = 0;

  virtual void setBusyCursor(bool busy) = 0;
  virtual void openHelp(int context) = 0;

  // Timers: the core owns their state and tells the port when one changes;
  // the port calls Game::timerFired when an enabled one elapses.
  virtual void timerChanged(TimerId id, int intervalMs, bool enabled) = 0;
  // Lets queued events (paints, timers, input) run, as the game's long actions
  // do while they wait.
  virtual void processEvents() = 0;
  // The one way the game's long actions wait (the cast, the retrieve, the
  // hook-set window, the fight, the day banner): timers and input keep
  // running, and the wait sleeps until the next event, never spinning, until
  // done() holds. Use Game::WaitUntil, which adds the game-wide abort.
  virtual void waitUntil(const std::function<bool()>& done) = 0;
  // Runs fn once the handler running now has returned to the message loop
  // (a zero-delay call). Use Game::Defer, which also waits for long actions.
  virtual void post(std::function<void()> fn) = 0;
  // A plain pause, nothing else runs.
  virtual void sleepMs(int ms) = 0;
  // Milliseconds of a monotonic clock (virtual in tests).
  virtual std::int64_t nowMs() = 0;

  // The main window.
  virtual void setAppTitle(const std::string& title) = 0;
  virtual void minimizeApp() = 0;
  virtual void closeMainWindow() = 0;
  virtual void quitApp() = 0;
  // The core's view of the main window changed: redraw what shows it.
  virtual void viewChanged() = 0;
  // A rectangle of the off-screen lake surface changed (view-relative pixels).
  virtual void surfaceChanged(int x, int y, int w, int h) = 0;
  virtual void repaintStatusBar() = 0;

  // Printing; null when printing is not possible or was cancelled.
  virtual std::unique_ptr<PrinterCanvas> beginPrint(const std::string& title) = 0;

  // The screen the game runs on.
  virtual int screenWidth() const = 0;
  virtual int screenHeight() const = 0;
  // Colour depth in bits per pixel; 0 when it cannot be read.
  virtual int displayBitsPerPixel() const = 0;
};

}  // namespace lwk
