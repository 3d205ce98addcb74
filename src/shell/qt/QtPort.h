#pragma once
// The real desktop behind the game's port: Qt message boxes and dialogs, WAV
// playback, message-loop timers and printing.

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "shell/Port.h"

class QWidget;
class QSoundEffect;
class QPrinter;

namespace lwk {

class Game;
class TForm1;

class QtPort : public QObject, public Port {
  Q_OBJECT
 public:
  QtPort();
  ~QtPort() override;

  void attach(Game* game, TForm1* mainWindow);
  // The window shown for a WindowId (created hidden at start-up).
  void registerWindow(WindowId id, QWidget* window) { windows_[id] = window; }
  QWidget* window(WindowId id) const;
  // Called with the main window's refresh whenever the core's view changes
  // (the livewell window follows its picture this way).
  void addViewListener(std::function<void()> fn) { viewListeners_.push_back(std::move(fn)); }

  Answer messageBox(BoxKind kind, const std::string& text, Buttons buttons) override;
  Answer messageBoxAtCorner(BoxKind kind, const std::string& text, Buttons buttons) override;
  std::optional<std::string> inputBox(const std::string& caption, const std::string& prompt,
                                      const std::string& text) override;
  std::optional<std::string> openFileDialog(const std::string& title, const std::vector<FileFilter>& filters,
                                            const std::string& initialDir) override;
  std::optional<std::string> saveFileDialog(const std::string& title, const std::vector<FileFilter>& filters,
                                            const std::string& initialDir, const std::string& defaultExt) override;
  ModalResult showModal(WindowId id) override;
  void showWindow(WindowId id) override;
  void hideWindow(WindowId id) override;
  bool windowVisible(WindowId id) const override;
  void showTopNote(const std::string& caption, const std::string& text) override;
  void playSound(const std::string& name, SoundMode mode) override;
  void stopSound() override;
  void beep() override;
  void setBusyCursor(bool busy) override;
  void openHelp(int context) override;
  void timerChanged(TimerId id, int intervalMs, bool enabled) override;
  void processEvents() override;
  void waitUntil(const std::function<bool()>& done) override;
  void post(std::function<void()> fn) override;
  void sleepMs(int ms) override;
  std::int64_t nowMs() override { return clock_.elapsed(); }
  void setAppTitle(const std::string& title) override;
  void minimizeApp() override;
  void closeMainWindow() override;
  void quitApp() override;
  void viewChanged() override;
  void surfaceChanged(int x, int y, int w, int h) override;
  void repaintStatusBar() override;
  std::unique_ptr<PrinterCanvas> beginPrint(const std::string& title) override;
  int screenWidth() const override;
  int screenHeight() const override;
  int displayBitsPerPixel() const override;

 private:
  Answer runMessageBox(BoxKind kind, const std::string& text, Buttons buttons, bool atCorner);
  Game* game_ = nullptr;
  TForm1* main_ = nullptr;
  std::array<QTimer, kTimerCount> timers_;
  std::map<WindowId, QPointer<QWidget>> windows_;
  std::unique_ptr<QSoundEffect> sound_;
  QElapsedTimer clock_;
  QWidget* helpWindow_ = nullptr;
  std::vector<std::function<void()>> viewListeners_;
  std::string appTitle_ = "Lurewick";
};

// The printouts' resolution: their coordinates are device dots at 300 per inch.
constexpr int kPrintDotsPerInch = 300;
// The printer canvas over a printer (or PDF file) set up by the caller.
std::unique_ptr<PrinterCanvas> MakePrinterCanvas(std::unique_ptr<QPrinter> printer);
// A printer canvas that writes the page to a PDF file (used when no printer
// is installed).
std::unique_ptr<PrinterCanvas> PdfCanvas(const QString& path, const QString& title);

// Turns the game's stored "\r" line breaks into real ones.
QString GameText(const std::string& text);

}  // namespace lwk
