#pragma once
// Everything the installer's windows ask of the desktop beyond their own
// controls: message boxes, the beep, letting queued events run, modal
// windows and the printer. The product shows real Qt dialogs; the tests
// script the answers and record what was shown.

#include <QString>

class QDialog;
class QPrinter;
class QWidget;

namespace lwk::setup {

enum class SetupBox { Error, Confirm, Information, Plain };
enum class SetupButtons { Ok, OkCancel, YesNo };
enum class SetupAnswer { Ok, Cancel, Yes, No };

class SetupDialogs {
 public:
  virtual ~SetupDialogs() = default;
  // A modal message box; "\r" in the text is a line break.
  virtual SetupAnswer Show(SetupBox kind, const QString& text, SetupButtons buttons) = 0;
  // The About box (its own title and layout).
  virtual void About(const QString& text) = 0;
  virtual void Beep() = 0;
  virtual void ProcessEvents() = 0;
  // Shows a window modally and returns when it closes.
  virtual int ExecModal(QDialog& dialog) = 0;
  // Whether a printer is installed.
  virtual bool HasPrinter() = 0;
  // The print dialog on the default printer; true when confirmed.
  virtual bool ConfirmPrint(QPrinter& printer) = 0;
  // Asks where to save a PDF; empty when cancelled.
  virtual QString AskPdfFile(const QString& suggestedPath) = 0;
};

// The real dialogs.
class QtSetupDialogs : public SetupDialogs {
 public:
  explicit QtSetupDialogs(QWidget* parent = nullptr) : parent_(parent) {}
  void SetParent(QWidget* parent) { parent_ = parent; }
  SetupAnswer Show(SetupBox kind, const QString& text, SetupButtons buttons) override;
  void About(const QString& text) override;
  void Beep() override;
  void ProcessEvents() override;
  int ExecModal(QDialog& dialog) override;
  bool HasPrinter() override;
  bool ConfirmPrint(QPrinter& printer) override;
  QString AskPdfFile(const QString& suggestedPath) override;

 private:
  QWidget* parent_;
};

}  // namespace lwk::setup
