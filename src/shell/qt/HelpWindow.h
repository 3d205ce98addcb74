#pragma once
// The game's own help window: the topics of LWKHELP.HLP in a list, the chosen
// topic's text beside it, links between topics.

#include <QDialog>

#include "shell/HelpText.h"

class QListWidget;
class QTextBrowser;

namespace lwk {

class HelpWindow : public QDialog {
  Q_OBJECT
 public:
  HelpWindow(const QString& gameFolder, QWidget* parent = nullptr);
  // Opens the window at a topic (1 = contents).
  void showTopic(int number);
  bool loaded() const { return !topics_.isEmpty(); }

 private:
  void show(int number);
  QString gameFolder_;
  QList<HelpTopic> topics_;
  QListWidget* list_;
  QTextBrowser* text_;
};

}  // namespace lwk
