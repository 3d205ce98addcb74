#pragma once
// The message window: long game messages (the one-hour warning, the end of a
// day) in a read-only memo with an OK button.

#include <QDialog>

class QPlainTextEdit;
class QLabel;
class QPushButton;

namespace lwk {

class TTopNote : public QDialog {
  Q_OBJECT
 public:
  explicit TTopNote(QWidget* parent = nullptr);
  // Shows the text modally with the caption "Message From " + caption.
  void showNote(const QString& caption, const QString& text);
  QPlainTextEdit* memo1() const { return memo1_; }

 private:
  QPlainTextEdit* memo1_;
  QPlainTextEdit* memo2_;
  QLabel* label1_;
  QPushButton* bitBtn1_;
};

}  // namespace lwk
