#pragma once
// TSeeRead: the read-me viewer the installer offers after an install. It
// shows readme.txt and prints it line by line on the default printer, or
// saves it as a PDF when no printer is installed.

#include <QDialog>
#include <QStringList>

class QPlainTextEdit;
class QPrinter;
class QPushButton;
class QWidget;

namespace lwk::setup {

class SetupDialogs;

class TSeeRead : public QDialog {
  Q_OBJECT
 public:
  TSeeRead(SetupDialogs& dialogs, QWidget* parent = nullptr);

  // Empties the memo and loads the file into it; false when it cannot be read.
  bool LoadFile(const QString& path);
  void BitBtn2Click();

  QPlainTextEdit* Memo1;
  QWidget* Panel1;
  QPushButton* BitBtn1;
  QPushButton* BitBtn2;

 private:
  SetupDialogs& dialogs_;
};

// Writes each line as a text line on the printer's pages, in a fixed-pitch
// font, wrapping lines wider than the page and starting new pages as needed.
bool PrintLines(QPrinter& printer, const QStringList& lines);

}  // namespace lwk::setup
