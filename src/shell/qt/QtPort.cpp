#include "shell/qt/QtPort.h"

#include <QApplication>
#include <QAudioDevice>
#include <QDialog>
#include <QEventLoop>
#include <QFile>
#include <QFileDialog>
#include <QInputDialog>
#include <QMediaDevices>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>
#include <QSoundEffect>
#include <QStatusBar>
#include <QThread>
#include <QUrl>
#include <QtEndian>

#include "lake/qt/TLakeDraw.h"
#include "shell/Files.h"
#include "shell/Game.h"
#include "shell/qt/HelpWindow.h"
#include "shell/qt/TForm1.h"
#include "shell/qt/TTopNote.h"

namespace lwk {

QString GameText(const std::string& text) {
  QString s = QString::fromStdString(text);
  s.replace("\r\n", "\n");
  s.replace('\r', '\n');
  return s;
}

namespace {

// How long a WAV file plays, from its header; 0 when it cannot be read.
int WavDurationMs(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return 0;
  const QByteArray head = f.read(64 * 1024);
  if (head.size() < 12 || !head.startsWith("RIFF") || head.mid(8, 4) != "WAVE") return 0;
  quint32 byteRate = 0;
  quint32 dataSize = 0;
  int pos = 12;
  while (pos + 8 <= head.size()) {
    const QByteArray id = head.mid(pos, 4);
    const quint32 size = qFromLittleEndian<quint32>(head.constData() + pos + 4);
    if (id == "fmt " && pos + 20 <= head.size()) byteRate = qFromLittleEndian<quint32>(head.constData() + pos + 16);
    if (id == "data") {
      dataSize = size;
      break;
    }
    pos += 8 + static_cast<int>(size + (size & 1));
  }
  if (byteRate == 0) return 0;
  return static_cast<int>(static_cast<quint64>(dataSize) * 1000 / byteRate);
}

constexpr int kLongestSyncSoundMs = 15000;  // a synchronous sound never holds the game longer
constexpr int kTitleBarButtonsWidth = 120;  // room a title bar needs beside its caption

class QtCanvas : public PrinterCanvas {
 public:
  explicit QtCanvas(std::unique_ptr<QPrinter> printer) : printer_(std::move(printer)), painter_(printer_.get()) {}
  void setFont(const std::string& name, int pointSize, bool bold) override {
    QFont f(QString::fromStdString(name), pointSize);
    // A face this machine lacks ("Ariel", "Arial" on a Linux desktop) falls back to a sans face.
    f.setStyleHint(QFont::SansSerif);
    f.setBold(bold);
    painter_.setFont(f);
  }
  void textOut(int x, int y, const std::string& text) override {
    // Device coordinates of the top-left of the text, as the game places it.
    painter_.drawText(QPoint(x, y + painter_.fontMetrics().ascent()), QString::fromStdString(text));
  }
  int pageWidth() const override { return printer_->pageLayout().paintRectPixels(printer_->resolution()).width(); }
  int pageHeight() const override { return printer_->pageLayout().paintRectPixels(printer_->resolution()).height(); }
  int textHeight(const std::string& text) const override {
    return painter_.fontMetrics().boundingRect(QString::fromStdString(text)).height();
  }
  void newPage() override { printer_->newPage(); }
  bool endDoc() override { return painter_.end(); }

 private:
  std::unique_ptr<QPrinter> printer_;
  QPainter painter_;
};

}  // namespace

std::unique_ptr<PrinterCanvas> MakePrinterCanvas(std::unique_ptr<QPrinter> printer) {
  // The printouts place their text at absolute device coordinates made for
  // 300 dots per inch (12-point rows 50 dots apart), on paper and in a PDF.
  printer->setResolution(kPrintDotsPerInch);
  return std::make_unique<QtCanvas>(std::move(printer));
}

QtPort::QtPort() {
  clock_.start();
  for (int i = 0; i < kTimerCount; ++i) {
    timers_[static_cast<size_t>(i)].setTimerType(Qt::PreciseTimer);
    connect(&timers_[static_cast<size_t>(i)], &QTimer::timeout, this, [this, i] {
      if (game_) game_->timerFired(static_cast<TimerId>(i));
    });
  }
}

QtPort::~QtPort() = default;

void QtPort::attach(Game* game, TForm1* mainWindow) {
  game_ = game;
  main_ = mainWindow;
  if (main_) main_->setWindowIconText(QString::fromStdString(appTitle_));
}

QWidget* QtPort::window(WindowId id) const {
  auto it = windows_.find(id);
  return it == windows_.end() ? nullptr : it->second.data();
}

Answer QtPort::messageBox(BoxKind kind, const std::string& text, Buttons buttons) {
  return runMessageBox(kind, text, buttons, false);
}

Answer QtPort::messageBoxAtCorner(BoxKind kind, const std::string& text, Buttons buttons) {
  return runMessageBox(kind, text, buttons, true);
}

Answer QtPort::runMessageBox(BoxKind kind, const std::string& text, Buttons buttons, bool atCorner) {
  QMessageBox box(main_ && main_->isVisible() ? static_cast<QWidget*>(main_) : nullptr);
  // A box moved before it shows keeps its place instead of centring itself.
  if (atCorner && box.parentWidget()) box.move(main_->frameGeometry().topLeft());
  box.setWindowTitle(QString::fromStdString(appTitle_));
  box.setText(GameText(text));
  box.setIcon(kind == BoxKind::Error     ? QMessageBox::Critical
              : kind == BoxKind::Confirm ? QMessageBox::Question
                                         : QMessageBox::NoIcon);
  switch (buttons) {
    case Buttons::Ok:
      box.setStandardButtons(QMessageBox::Ok);
      break;
    case Buttons::OkCancel:
      box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
      break;
    case Buttons::YesNo:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      break;
  }
  const int r = box.exec();
  if (r == QMessageBox::Yes) return Answer::Yes;
  if (r == QMessageBox::No) return Answer::No;
  if (r == QMessageBox::Cancel) return Answer::Cancel;
  if (r == QMessageBox::Ok) return Answer::Ok;
  // Closed without a button: the safe answer.
  return buttons == Buttons::YesNo ? Answer::No : buttons == Buttons::OkCancel ? Answer::Cancel : Answer::Ok;
}

std::optional<std::string> QtPort::inputBox(const std::string& caption, const std::string& prompt,
                                            const std::string& text) {
  QInputDialog dlg(main_);
  dlg.setWindowTitle(GameText(caption));
  dlg.setLabelText(GameText(prompt));
  dlg.setTextValue(QString::fromStdString(text));
  // Wide enough for its caption in the title bar, whatever the desktop's
  // font: the dialog's layout takes its width from the text field.
  const int captionWidth = QFontMetrics(QApplication::font()).horizontalAdvance(dlg.windowTitle());
  if (auto* edit = dlg.findChild<QLineEdit*>()) edit->setMinimumWidth(captionWidth + kTitleBarButtonsWidth);
  if (dlg.exec() != QDialog::Accepted) return std::nullopt;
  return dlg.textValue().toStdString();
}

namespace {
QString FilterText(const std::vector<FileFilter>& filters) {
  QStringList parts;
  for (const FileFilter& f : filters)
    parts << QString::fromStdString(f.description) + " (" + QString::fromStdString(f.patterns) + ")";
  return parts.join(";;");
}
}  // namespace

std::optional<std::string> QtPort::openFileDialog(const std::string& title, const std::vector<FileFilter>& filters,
                                                  const std::string& initialDir) {
  // The non-native dialog matches file patterns regardless of case (*.lak finds PINE.LAK).
  QFileDialog dlg(main_, QString::fromStdString(title), QString::fromStdString(initialDir), FilterText(filters));
  dlg.setOption(QFileDialog::DontUseNativeDialog, true);
  // The filter's text names its patterns already: show it once, without them again.
  dlg.setOption(QFileDialog::HideNameFilterDetails, true);
  dlg.setFileMode(QFileDialog::ExistingFile);
  dlg.setAcceptMode(QFileDialog::AcceptOpen);
  if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return std::nullopt;
  return dlg.selectedFiles().first().toStdString();
}

std::optional<std::string> QtPort::saveFileDialog(const std::string& title, const std::vector<FileFilter>& filters,
                                                  const std::string& initialDir, const std::string& defaultExt) {
  QFileDialog dlg(main_, QString::fromStdString(title), QString::fromStdString(initialDir), FilterText(filters));
  dlg.setOption(QFileDialog::DontUseNativeDialog, true);
  dlg.setAcceptMode(QFileDialog::AcceptSave);
  dlg.setDefaultSuffix(QString::fromStdString(defaultExt));
  if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return std::nullopt;
  return dlg.selectedFiles().first().toStdString();
}

ModalResult QtPort::showModal(WindowId id) {
  auto* dlg = qobject_cast<QDialog*>(window(id));
  if (!dlg) return ModalResult::Cancel;
  const int r = dlg->exec();
  return r == QDialog::Accepted ? ModalResult::Ok : ModalResult::Cancel;
}

void QtPort::showWindow(WindowId id) {
  if (QWidget* w = window(id)) {
    w->show();
    w->raise();
  }
}

void QtPort::hideWindow(WindowId id) {
  if (QWidget* w = window(id)) w->hide();
}

bool QtPort::windowVisible(WindowId id) const {
  QWidget* w = window(id);
  return w && w->isVisible();
}

void QtPort::showTopNote(const std::string& caption, const std::string& text) {
  if (auto* note = qobject_cast<TTopNote*>(window(WindowId::TopNote)))
    note->showNote(GameText(caption), GameText(text));
}

void QtPort::playSound(const std::string& name, SoundMode mode) {
  if (!game_) return;
  const QString path = QString::fromStdString(game_->GameFiles.find(name));
  if (!QFile::exists(path)) return;                     // a missing sound is silence
  if (QMediaDevices::audioOutputs().isEmpty()) return;  // so is a machine without sound
  sound_ = std::make_unique<QSoundEffect>();
  sound_->setSource(QUrl::fromLocalFile(path));
  sound_->setLoopCount(mode == SoundMode::Loop ? QSoundEffect::Infinite : 1);
  sound_->play();
  if (mode != SoundMode::Sync) return;
  // Wait until it has played, but never longer than the sound plus a margin.
  const int bound = std::min(kLongestSyncSoundMs, WavDurationMs(path) + 500);
  QEventLoop loop;
  QTimer guard;
  guard.setSingleShot(true);
  connect(&guard, &QTimer::timeout, &loop, &QEventLoop::quit);
  connect(sound_.get(), &QSoundEffect::playingChanged, &loop, [&] {
    if (!sound_->isPlaying() && sound_->status() != QSoundEffect::Loading) loop.quit();
  });
  connect(sound_.get(), &QSoundEffect::statusChanged, &loop, [&] {
    if (sound_->status() == QSoundEffect::Error) loop.quit();
  });
  guard.start(bound);
  loop.exec(QEventLoop::ExcludeUserInputEvents);
}

void QtPort::stopSound() {
  if (sound_) sound_->stop();
}

void QtPort::beep() {
  QApplication::beep();
}

void QtPort::setBusyCursor(bool busy) {
  if (busy)
    QApplication::setOverrideCursor(Qt::WaitCursor);
  else
    QApplication::restoreOverrideCursor();
}

void QtPort::openHelp(int context) {
  if (!game_) return;
  if (!helpWindow_) helpWindow_ = new HelpWindow(QString::fromStdString(game_->GameFolder), main_);
  static_cast<HelpWindow*>(helpWindow_)->showTopic(context);
}

void QtPort::timerChanged(TimerId id, int intervalMs, bool enabled) {
  QTimer& t = timers_[static_cast<size_t>(id)];
  t.setInterval(intervalMs);
  if (enabled && !t.isActive())
    t.start();
  else if (!enabled)
    t.stop();
}

void QtPort::processEvents() {
  QApplication::processEvents(QEventLoop::AllEvents);
}

void QtPort::waitUntil(const std::function<bool()>& done) {
  // A nested loop that blocks until the next event (a timer, a key, a paint)
  // and looks at the condition after each one: the processor sleeps between.
  QEventLoop loop;
  while (!done()) loop.processEvents(QEventLoop::WaitForMoreEvents);
}

void QtPort::post(std::function<void()> fn) {
  QTimer::singleShot(0, this, std::move(fn));
}

void QtPort::sleepMs(int ms) {
  // What the game drew on the lake just before the pause is shown during it.
  if (main_ && main_->lake() && main_->lake()->isVisible()) main_->lake()->viewport()->repaint();
  QThread::msleep(static_cast<unsigned long>(std::max(0, ms)));
}

void QtPort::setAppTitle(const std::string& title) {
  // Not the toolkit's display name: the desktop would append that to every
  // window's caption. The title names the minimized program and the boxes.
  appTitle_ = title;
  if (main_) main_->setWindowIconText(QString::fromStdString(title));
}

void QtPort::minimizeApp() {
  if (main_) main_->showMinimized();
}

void QtPort::closeMainWindow() {
  if (main_) QMetaObject::invokeMethod(main_, "close", Qt::QueuedConnection);
}

void QtPort::quitApp() {
  QMetaObject::invokeMethod(qApp, "quit", Qt::QueuedConnection);
}

void QtPort::viewChanged() {
  if (main_) main_->syncFromGame();
  for (const auto& fn : viewListeners_) fn();
}

void QtPort::surfaceChanged(int x, int y, int w, int h) {
  if (main_) main_->lakeSurfaceChanged(QRect(x, y, w, h));
}

void QtPort::repaintStatusBar() {
  if (main_) main_->statusBar()->repaint();
}

std::unique_ptr<PrinterCanvas> QtPort::beginPrint(const std::string& title) {
  if (QPrinterInfo::availablePrinters().isEmpty()) {
    // No printer installed: offer to keep the page as a PDF file instead.
    if (messageBox(BoxKind::Confirm, "No printer is installed.\rSave the page as a PDF file instead?",
                   Buttons::YesNo) != Answer::Yes)
      return nullptr;
    auto path = saveFileDialog("Save As PDF", {{"PDF Files", "*.pdf"}}, QDir::homePath().toStdString(), "pdf");
    if (!path) return nullptr;
    return PdfCanvas(QString::fromStdString(*path), QString::fromStdString(title));
  }
  auto printer = std::make_unique<QPrinter>();
  printer->setDocName(QString::fromStdString(title));
  printer->setPrinterName(QPrinterInfo::defaultPrinter().printerName());
  return MakePrinterCanvas(std::move(printer));
}

std::unique_ptr<PrinterCanvas> PdfCanvas(const QString& path, const QString& title) {
  auto printer = std::make_unique<QPrinter>();
  printer->setDocName(title);
  printer->setOutputFormat(QPrinter::PdfFormat);
  printer->setOutputFileName(path);
  return MakePrinterCanvas(std::move(printer));
}

int QtPort::screenWidth() const {
  QScreen* s = QGuiApplication::primaryScreen();
  return s ? s->availableGeometry().width() : 0;
}

int QtPort::screenHeight() const {
  QScreen* s = QGuiApplication::primaryScreen();
  return s ? s->availableGeometry().height() : 0;
}

int QtPort::displayBitsPerPixel() const {
  QScreen* s = QGuiApplication::primaryScreen();
  return s ? s->depth() : 0;
}

}  // namespace lwk
