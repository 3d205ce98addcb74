#include "support/TestPort.h"

#include <algorithm>
#include <limits>

#include "shell/Game.h"

namespace lwk {

std::vector<std::string> TestPort::texts() const {
  std::vector<std::string> out;
  for (const Box& b : boxes) out.push_back(b.text);
  return out;
}

bool TestPort::showed(const std::string& text) const {
  return std::any_of(boxes.begin(), boxes.end(), [&](const Box& b) { return b.text == text; });
}

Answer TestPort::messageBox(BoxKind kind, const std::string& text, Buttons buttons) {
  boxes.push_back({kind, text, buttons, timerRunning(TimerId::Main), cornerNext_});
  cornerNext_ = false;
  if (onBox) onBox(boxes.back());
  if (!answers.empty()) {
    Answer a = answers.front();
    answers.pop_front();
    return a;
  }
  return buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
}

std::optional<std::string> TestPort::inputBox(const std::string&, const std::string& prompt, const std::string&) {
  inputPrompts.push_back(prompt);
  if (inputs.empty()) return std::nullopt;
  auto v = inputs.front();
  inputs.pop_front();
  return v;
}

std::optional<std::string> TestPort::openFileDialog(const std::string&, const std::vector<FileFilter>&,
                                                    const std::string&) {
  if (openFiles.empty()) return std::nullopt;
  auto v = openFiles.front();
  openFiles.pop_front();
  return v;
}

std::optional<std::string> TestPort::saveFileDialog(const std::string&, const std::vector<FileFilter>&,
                                                    const std::string&, const std::string&) {
  if (saveFiles.empty()) return std::nullopt;
  auto v = saveFiles.front();
  saveFiles.pop_front();
  return v;
}

ModalResult TestPort::showModal(WindowId id) {
  modalShown.push_back(id);
  modalMainTimer.push_back(timerRunning(TimerId::Main));
  if (onModal) return onModal(id);
  if (modalResults.empty()) return ModalResult::Ok;
  ModalResult r = modalResults.front();
  modalResults.pop_front();
  return r;
}

Answer TestPort::messageBoxAtCorner(BoxKind kind, const std::string& text, Buttons buttons) {
  cornerNext_ = true;
  return messageBox(kind, text, buttons);
}

bool TestPort::neverInterruptedWithTimer() const {
  const bool anyBox = std::any_of(boxes.begin(), boxes.end(), [](const Box& b) { return b.mainTimerRunning; });
  const bool anyModal = std::find(modalMainTimer.begin(), modalMainTimer.end(), true) != modalMainTimer.end();
  const bool anyNote = std::find(topNoteMainTimer.begin(), topNoteMainTimer.end(), true) != topNoteMainTimer.end();
  return !anyBox && !anyModal && !anyNote;
}

bool TestPort::windowVisible(WindowId id) const {
  auto it = visible.find(id);
  return it != visible.end() && it->second;
}

void TestPort::timerChanged(TimerId id, int intervalMs, bool enabled) {
  VTimer& t = timers_[static_cast<int>(id)];
  const bool restart = enabled && (!t.enabled || t.interval != intervalMs);
  t.interval = intervalMs;
  t.enabled = enabled;
  if (restart) t.due = now + std::max(1, intervalMs);
}

bool TestPort::fireNext(std::int64_t limit) {
  int best = -1;
  for (int i = 0; i < kTimerCount; ++i) {
    const VTimer& t = timers_[i];
    if (t.enabled && t.due <= limit && (best < 0 || t.due < timers_[best].due)) best = i;
  }
  if (best < 0) return false;
  VTimer& t = timers_[best];
  now = std::max(now, t.due);
  t.due += std::max(1, t.interval);
  if (game) game->timerFired(static_cast<TimerId>(best));
  return true;
}

void TestPort::advance(std::int64_t ms) {
  const std::int64_t end = now + ms;
  runPosted();
  while (fireNext(end)) runPosted();
  now = end;
}

void TestPort::runPosted() {
  while (!posted.empty()) {
    auto fn = std::move(posted.front());
    posted.pop_front();
    fn();
  }
}

void TestPort::waitUntil(const std::function<bool()>& done) {
  ++waits;
  const std::int64_t limit = now + waitLimitMs;
  while (!done()) {
    // As in the real message loop, zero-delay calls run inside the wait too.
    runPosted();
    if (duringWait) duringWait();
    if (done()) break;
    if (now > limit || !fireNext(limit)) {
      // Nothing could ever end this wait: abort it rather than hang the test.
      ++stuckWaits;
      if (game) game->AbortActions();
      if (done()) break;
      return;
    }
  }
}

void TestPort::tick(TimerId id, int n) {
  for (int i = 0; i < n; ++i) {
    VTimer& t = timers_[static_cast<int>(id)];
    now += std::max(1, t.interval);
    t.due = now + std::max(1, t.interval);
    if (game) game->timerFired(id);
    runPosted();
  }
}

void TestPort::processEvents() {
  ++processEventsCalls;
  runPosted();
  if (processEventsAdvances) fireNext(std::numeric_limits<std::int64_t>::max());
}

namespace {
class RecordingCanvas : public PrinterCanvas {
 public:
  explicit RecordingCanvas(TestPort::PrintJob& job) : job_(job) {}
  void setFont(const std::string&, int, bool) override {}
  void textOut(int x, int y, const std::string& text) override { job_.texts.push_back({x, y, text}); }
  int pageWidth() const override { return 4800; }
  int pageHeight() const override { return 6400; }
  int textHeight(const std::string&) const override { return 50; }
  void newPage() override { ++job_.pages; }
  bool endDoc() override {
    job_.ended = true;
    return true;
  }

 private:
  TestPort::PrintJob& job_;
};
}  // namespace

std::unique_ptr<PrinterCanvas> TestPort::beginPrint(const std::string& title) {
  if (!printerAvailable) return nullptr;
  printJobs.push_back({title, {}, 1, false});
  return std::make_unique<RecordingCanvas>(printJobs.back());
}

}  // namespace lwk
