#pragma once
// The installer's dialogs for tests: scripted answers and a record of
// everything shown.

#include <QDialog>
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <vector>

#include "setup/qt/SetupDialogs.h"

namespace lwk::setup::test {

class ScriptedDialogs : public SetupDialogs {
 public:
  struct Box {
    SetupBox kind;
    QString text;
    SetupButtons buttons;
  };

  SetupAnswer Show(SetupBox kind, const QString& text, SetupButtons buttons) override {
    boxes.push_back({kind, text, buttons});
    if (!answers.empty()) {
      const SetupAnswer answer = answers.front();
      answers.pop_front();
      return answer;
    }
    return buttons == SetupButtons::YesNo ? SetupAnswer::Yes : SetupAnswer::Ok;
  }
  void About(const QString& text) override { aboutTexts.push_back(text); }
  void Beep() override { ++beeps; }
  void ProcessEvents() override {
    ++eventPumps;
    if (onProcessEvents) onProcessEvents();
  }
  int ExecModal(QDialog& dialog) override {
    modalTitles.push_back(dialog.windowTitle());
    return QDialog::Accepted;
  }
  bool HasPrinter() override { return hasPrinter; }
  bool ConfirmPrint(QPrinter&) override { return confirmPrint; }
  QString AskPdfFile(const QString&) override { return pdfPath; }

  QStringList Texts() const {
    QStringList texts;
    for (const Box& box : boxes) texts << box.text;
    return texts;
  }

  std::deque<SetupAnswer> answers;
  std::vector<Box> boxes;
  QStringList aboutTexts;
  QStringList modalTitles;
  int beeps = 0;
  int eventPumps = 0;
  std::function<void()> onProcessEvents;
  bool hasPrinter = false;
  bool confirmPrint = true;
  QString pdfPath;
};

}  // namespace lwk::setup::test
