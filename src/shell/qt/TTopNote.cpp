#include "shell/qt/TTopNote.h"

#include <QFontDatabase>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace lwk {

TTopNote::TTopNote(QWidget* parent) : QDialog(parent) {
  setObjectName("TTopNote");
  setWindowTitle("Message From ");
  setFixedSize(320, 187);
  memo1_ = new QPlainTextEdit(this);
  memo1_->setObjectName("Memo1");
  memo1_->setReadOnly(true);
  QFont mono("Courier New");
  mono.setStyleHint(QFont::Monospace);
  mono.setPointSize(9);
  memo1_->setFont(mono);
  memo1_->setGeometry(8, 8, 304, 130);
  memo2_ = new QPlainTextEdit(this);
  memo2_->setObjectName("Memo2");
  memo2_->setGeometry(8, 100, 304, 38);
  memo2_->clear();
  label1_ = new QLabel("Reply", this);
  label1_->setObjectName("label1");
  label1_->setGeometry(8, 86, 60, 14);
  bitBtn1_ = new QPushButton("&OK", this);
  bitBtn1_->setObjectName("BitBtn1");
  bitBtn1_->setGeometry(120, 148, 80, 28);
  bitBtn1_->setDefault(true);
  connect(bitBtn1_, &QPushButton::clicked, this, &QDialog::accept);
  move(0, 0);  // the screen's top-left corner
}

void TTopNote::showNote(const QString& caption, const QString& text) {
  setWindowTitle("Message From " + caption);
  memo1_->setPlainText(text);
  memo2_->hide();
  label1_->hide();
  move(0, 0);
  exec();
}

}  // namespace lwk
