#pragma once
// TForm1: the installer's window. It reads setup.$$$ beside the program,
// proposes a drive and directory, and on Start creates the directory and
// unpacks INSTALL.$$$ into it with a per-file progress bar, then offers the
// read-me.

#include <QMainWindow>

#include "setup/SetupRules.h"
#include "setup/Unzipper.h"

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QPushButton;

namespace lwk::setup {

class SetupDialogs;
class TSeeRead;

// The picture behind the title and the two edit boxes: the installer's
// background, stretched, or a lake-blue gradient when it is missing.
class TBackground : public QWidget {
 public:
  using QWidget::QWidget;
  void SetPicture(const QPixmap& picture);
  bool HasPicture() const { return !picture_.isNull(); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPixmap picture_;
};

class TForm1 : public QMainWindow {
  Q_OBJECT
 public:
  // setupFolder is the folder of the setup program (where setup.$$$,
  // INSTALL.$$$ and the unzip library lie).
  TForm1(SetupDialogs& dialogs, const QString& setupFolder, QWidget* parent = nullptr);
  ~TForm1() override;

  // Reads the control file, loads the unzip library and checks the archive.
  // False when the program has to end.
  bool FormCreate();
  void StartBtnClick();
  void Unzipper1Progress(TUnzipper* Sender, ProgressType ProgrType, const QString& Filename, int32_t FileSize);
  void Exit1Click();
  void About1Click();

  const QString& SetupFolder() const { return setupFolder_; }
  const ControlFile& Control() const { return control_; }
  // True once an install has finished and the window closed.
  bool InstallDone() const { return installDone_; }

  QMenu* File1;
  QAction* Exit1;
  QAction* About1;
  TBackground* Image1;
  QLabel* Label5;
  QLabel* Label1;
  QLineEdit* dDrive;
  QLabel* Label2;
  QLineEdit* dDir;
  QWidget* Panel1;
  QLabel* Label3;
  QLabel* FileNameLabel;
  QLabel* Label4;
  QProgressBar* ProgressBar1;
  QPushButton* StartBtn;
  TUnzipper Unzipper1;
  // The bar's range and position as the install rules set them.
  ProgressBarState ProgressState;
  TSeeRead* SeeRead;

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void ShowProgressState();
  void ShowReadmeOffer(const QString& readme);
  int FilesInArchive() const;
  bool ArchiveHoldsTheGame() const;
  // A message of the unzip library or the archive component: gathered while
  // an install unpacks, else shown at once.
  void LibraryMessage(bool fault, const QString& message);
  void ShowGatheredMessages();

  SetupDialogs& dialogs_;
  QString setupFolder_;
  ControlFile control_;
  bool installDone_ = false;
  bool gathering_ = false;
  bool gatheredFault_ = false;
  QStringList gathered_;
};

}  // namespace lwk::setup
