#include "setup/qt/SetupDialogs.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace lwk::setup {

namespace {

QString Shown(const QString& text) {
  QString shown = text;
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  shown.replace('\r', '\n');
  return shown;
}

}  // namespace

SetupAnswer QtSetupDialogs::Show(SetupBox kind, const QString& text, SetupButtons buttons) {
  QMessageBox box(parent_);
  box.setWindowTitle(QApplication::applicationName());
  box.setText(Shown(text));
  switch (kind) {
    case SetupBox::Error:
      box.setIcon(QMessageBox::Critical);
      break;
    case SetupBox::Confirm:
      box.setIcon(QMessageBox::Question);
      break;
    case SetupBox::Information:
      box.setIcon(QMessageBox::Information);
      break;
    case SetupBox::Plain:
      box.setIcon(QMessageBox::NoIcon);
      break;
  }
  switch (buttons) {
    case SetupButtons::Ok:
      box.setStandardButtons(QMessageBox::Ok);
      break;
    case SetupButtons::OkCancel:
      box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
      box.setDefaultButton(QMessageBox::Ok);
      break;
    case SetupButtons::YesNo:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      box.setDefaultButton(QMessageBox::Yes);
      break;
  }
  switch (box.exec()) {
    case QMessageBox::Ok:
      return SetupAnswer::Ok;
    case QMessageBox::Yes:
      return SetupAnswer::Yes;
    case QMessageBox::No:
      return SetupAnswer::No;
    case QMessageBox::Cancel:
      return SetupAnswer::Cancel;
    default:
      return buttons == SetupButtons::Ok      ? SetupAnswer::Ok
             : buttons == SetupButtons::YesNo ? SetupAnswer::No
                                              : SetupAnswer::Cancel;
  }
}

void QtSetupDialogs::About(const QString& text) {
  QMessageBox::about(parent_, QStringLiteral("About SetUp"), Shown(text));
}

void QtSetupDialogs::Beep() {
  QApplication::beep();
}

void QtSetupDialogs::ProcessEvents() {
  QApplication::processEvents();
}

int QtSetupDialogs::ExecModal(QDialog& dialog) {
  return dialog.exec();
}

bool QtSetupDialogs::HasPrinter() {
  return !QPrinterInfo::availablePrinterNames().isEmpty();
}

bool QtSetupDialogs::ConfirmPrint(QPrinter& printer) {
  QPrintDialog dialog(&printer, parent_);
  return dialog.exec() == QDialog::Accepted;
}

QString QtSetupDialogs::AskPdfFile(const QString& suggestedPath) {
  return QFileDialog::getSaveFileName(parent_, QStringLiteral("Save the read-me as PDF"), suggestedPath,
                                      QStringLiteral("PDF files (*.pdf)"));
}

}  // namespace lwk::setup
