#include "setup/qt/SetupForm.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QMenuBar>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

#include "setup/qt/SeeRead.h"
#include "setup/qt/SetupDialogs.h"

namespace lwk::setup {

namespace {

// The installer's background picture and icon, beside the setup program.
const char kBackgroundName[] = "SETUPBG.BMP";
const char kIconName[] = "lwk.png";

constexpr int kClientWidth = 450;
constexpr int kClientHeight = 261;
constexpr int kPanelHeight = 68;

// Finds a file of a folder by name, ignoring case.
QString FindInFolder(const QString& folder, const QString& name) {
  const QDir dir(folder);
  if (dir.exists(name)) return dir.filePath(name);
  for (const QString& entry : dir.entryList(QDir::Files)) {
    if (entry.compare(name, Qt::CaseInsensitive) == 0) return dir.filePath(entry);
  }
  return {};
}

QLabel* MakeLabel(QWidget* parent, const char* objectName, const QString& text, int x, int y, int w, int h) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QLatin1String(objectName));
  label->setGeometry(x, y, w, h);
  return label;
}

void MakeWhiteTransparent(QLabel* label) {
  label->setAttribute(Qt::WA_TranslucentBackground);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, Qt::white);
  label->setPalette(palette);
}

}  // namespace

void TBackground::SetPicture(const QPixmap& picture) {
  picture_ = picture;
  update();
}

void TBackground::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (!picture_.isNull()) {
    painter.drawPixmap(rect(), picture_);
    return;
  }
  QLinearGradient gradient(0, 0, 0, height());
  gradient.setColorAt(0.0, QColor(16, 40, 88));
  gradient.setColorAt(0.6, QColor(20, 92, 120));
  gradient.setColorAt(1.0, QColor(28, 110, 96));
  painter.fillRect(rect(), gradient);
}

TForm1::TForm1(SetupDialogs& dialogs, const QString& setupFolder, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowCloseButtonHint),
      dialogs_(dialogs),
      setupFolder_(setupFolder.endsWith('/') ? setupFolder : setupFolder + '/') {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("Lurewick Setup"));
  TUnzipper::SetLibraryFolder(setupFolder_);

  File1 = menuBar()->addMenu(QStringLiteral("&File"));
  Exit1 = File1->addAction(QStringLiteral("E&xit"));
  About1 = menuBar()->addAction(QStringLiteral("&About"));
  connect(Exit1, &QAction::triggered, this, &TForm1::Exit1Click);
  connect(About1, &QAction::triggered, this, &TForm1::About1Click);

  auto* client = new QWidget(this);
  client->setFixedSize(kClientWidth, kClientHeight);
  setCentralWidget(client);

  Image1 = new TBackground(client);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setGeometry(0, 0, kClientWidth, kClientHeight - kPanelHeight);
  const QString background = FindInFolder(setupFolder_, QString::fromLatin1(kBackgroundName));
  if (!background.isEmpty()) Image1->SetPicture(QPixmap(background));
  const QString icon = FindInFolder(setupFolder_, QString::fromLatin1(kIconName));
  if (!icon.isEmpty()) setWindowIcon(QIcon(icon));

  Label5 = MakeLabel(Image1, "Label5", QString(), 16, 14, kClientWidth - 32, 40);
  QFont titleFont = Label5->font();
  titleFont.setPointSize(18);
  titleFont.setBold(true);
  Label5->setFont(titleFont);
  Label5->setAlignment(Qt::AlignCenter);
  MakeWhiteTransparent(Label5);

  const QString driveHint = QStringLiteral("C: is your home folder; any other letter X: is the folder /mnt/x.");
  Label1 = MakeLabel(Image1, "Label1", QStringLiteral("Install To This Disk Drive"), 48, 78, 210, 22);
  MakeWhiteTransparent(Label1);
  dDrive = new QLineEdit(QStringLiteral("C:"), Image1);
  dDrive->setObjectName(QStringLiteral("dDrive"));
  dDrive->setGeometry(270, 76, 44, 24);
  dDrive->setToolTip(driveHint);

  Label2 = MakeLabel(Image1, "Label2", QStringLiteral("Install To This Directory"), 48, 122, 210, 22);
  MakeWhiteTransparent(Label2);
  dDir = new QLineEdit(QStringLiteral("LWK"), Image1);
  dDir->setObjectName(QStringLiteral("dDir"));
  dDir->setGeometry(270, 120, 150, 24);
  dDir->setToolTip(QStringLiteral("The folder on that drive; \\ separates folder names."));

  Panel1 = new QWidget(client);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->setGeometry(0, kClientHeight - kPanelHeight, kClientWidth, kPanelHeight);
  Panel1->setAutoFillBackground(true);
  Label3 = MakeLabel(Panel1, "Label3", QStringLiteral("File:"), 12, 10, 60, 20);
  FileNameLabel = MakeLabel(Panel1, "FileNameLabel", QString(), 76, 10, 230, 20);
  Label4 = MakeLabel(Panel1, "Label4", QStringLiteral("Progress"), 12, 38, 60, 20);
  ProgressBar1 = new QProgressBar(Panel1);
  ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
  ProgressBar1->setGeometry(76, 39, 230, 18);
  ProgressBar1->setRange(0, 100);
  ProgressBar1->setValue(0);
  ProgressBar1->setTextVisible(false);
  StartBtn = new QPushButton(QStringLiteral("&Start"), Panel1);
  StartBtn->setObjectName(QStringLiteral("StartBtn"));
  StartBtn->setGeometry(338, 20, 96, 30);
  StartBtn->setDefault(true);
  connect(StartBtn, &QPushButton::clicked, this, &TForm1::StartBtnClick);

  Unzipper1.AddCompLevel = 9;
  Unzipper1.AddOptions = 0;
  Unzipper1.ExtrOptions = 0;
  Unzipper1.OnProgress = [this](TUnzipper* sender, ProgressType type, const QString& name, int32_t size) {
    Unzipper1Progress(sender, type, name, size);
  };
  Unzipper1.OnMessage = [this](TUnzipper*, int32_t code, const QString& message) {
    LibraryMessage(code != 0, message);
  };
  Unzipper1.ShowMessage = [this](const QString& message) { LibraryMessage(gathering_, message); };

  adjustSize();
  setFixedSize(sizeHint());
  StartBtn->setFocus();

  SeeRead = new TSeeRead(dialogs_, this);
  SeeRead->setObjectName(QStringLiteral("SeeRead"));
}

TForm1::~TForm1() {
  Unzipper1.UnloadUnzDll();
}

void TForm1::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (QScreen* screen = this->screen()) move(screen->availableGeometry().center() - rect().center());
  StartBtn->setFocus();
}

bool TForm1::FormCreate() {
  switch (ReadControlFile(setupFolder_ + QString::fromLatin1(kControlFileName), control_)) {
    case ControlFileStatus::Missing:
      dialogs_.Beep();
      dialogs_.Show(SetupBox::Error, QStringLiteral("ERROR: Unable to locate SETUP.$$$ file.\r\rSetup will now halt."),
                    SetupButtons::Ok);
      return false;
    case ControlFileStatus::Unreadable:
      dialogs_.Beep();
      dialogs_.Show(SetupBox::Error, QStringLiteral("ERROR: Unable to read SETUP.$$$ file.\r\rSetup will now halt."),
                    SetupButtons::Ok);
      return false;
    case ControlFileStatus::Ok:
      break;
  }
  Unzipper1.LoadUnzDll();
  if (control_.ArchiveName.isEmpty() || !QFileInfo(setupFolder_ + control_.ArchiveName).isFile()) {
    dialogs_.Show(SetupBox::Error, QStringLiteral("Unable to locate file ") + control_.ArchiveName, SetupButtons::Ok);
    close();
    return false;
  }
  FileNameLabel->clear();
  dDrive->setText(control_.Drive);
  dDir->setText(control_.Directory);
  Label5->setText(control_.Title);
  return true;
}

void TForm1::LibraryMessage(bool fault, const QString& message) {
  if (!gathering_) {
    dialogs_.Show(fault ? SetupBox::Error : SetupBox::Plain, message, SetupButtons::Ok);
    return;
  }
  gathered_ << message;
  gatheredFault_ = gatheredFault_ || fault;
}

void TForm1::ShowGatheredMessages() {
  if (gathered_.isEmpty()) return;
  dialogs_.Show(gatheredFault_ ? SetupBox::Error : SetupBox::Plain, GatheredMessagesText(gathered_), SetupButtons::Ok);
  gathered_.clear();
  gatheredFault_ = false;
}

bool TForm1::ArchiveHoldsTheGame() const {
  for (const ZipDirEntry& entry : Unzipper1.ZipContents()) {
    const QString& name = entry.FileName;
    const qsizetype slash = std::max(name.lastIndexOf('/'), name.lastIndexOf('\\'));
    if (name.mid(slash + 1) == QLatin1String("lwk")) return true;
  }
  return false;
}

int TForm1::FilesInArchive() const {
  int files = 0;
  for (const ZipDirEntry& entry : Unzipper1.ZipContents()) {
    if (!entry.FileName.endsWith('/') && !entry.FileName.endsWith('\\')) ++files;
  }
  return files;
}

void TForm1::closeEvent(QCloseEvent* event) {
  // The window stays while files are being unpacked.
  if (Unzipper1.Busy()) {
    event->ignore();
    return;
  }
  QMainWindow::closeEvent(event);
}

void TForm1::StartBtnClick() {
  // The window keeps taking events while it installs; Start, the edit boxes
  // and Exit wait until this install has ended.
  struct Lock {
    TForm1& form;
    explicit Lock(TForm1& f) : form(f) { Set(false); }
    ~Lock() { Set(true); }
    void Set(bool enabled) {
      form.StartBtn->setEnabled(enabled);
      form.dDrive->setEnabled(enabled);
      form.dDir->setEnabled(enabled);
      form.Exit1->setEnabled(enabled);
    }
  } lock(*this);
  dDrive->setText(CompleteDrive(dDrive->text()));
  dDir->setText(DropTrailingBackslash(dDir->text()));
  const QString drive = dDrive->text();
  const QString directory = dDir->text();
  if (!DriveComplete(drive)) {
    dialogs_.Beep();
    dialogs_.Show(SetupBox::Plain, QStringLiteral("The drive letter is incomplete."), SetupButtons::Ok);
    dDrive->setFocus();
    return;
  }
  if (dialogs_.Show(SetupBox::Confirm, ConfirmationText(control_.Title, drive, directory), SetupButtons::YesNo) !=
      SetupAnswer::Yes) {
    return;
  }
  dialogs_.ProcessEvents();
  try {
    Unzipper1.SetZipFilename(setupFolder_ + QString::fromLatin1(kArchiveName));
  } catch (const EZipError& error) {
    dialogs_.Show(SetupBox::Error, QString::fromUtf8(error.what()), SetupButtons::Ok);
    return;
  }
  if (Unzipper1.Count() == 0) {
    dialogs_.Show(SetupBox::Plain, QStringLiteral("Error - no files to install!"), SetupButtons::Ok);
    return;
  }
  Unzipper1.FSpecArgs.append(QStringLiteral("*.*"));

  const QString target = drive + QStringLiteral("\\") + directory;
  const std::optional<QString> folder = LocalPath(target);
  const bool exists = folder && QFileInfo(*folder).isDir();
  const bool created = exists || CreateDirectoryPath(target, [this](const QString& message) {
                         dialogs_.Show(SetupBox::Error, message, SetupButtons::Ok);
                       });
  if (!created || !folder) {
    dialogs_.Show(SetupBox::Error, QStringLiteral("ERROR: cannot create specified directory."), SetupButtons::Ok);
    Unzipper1.FSpecArgs.clear();
    dDir->setFocus();
    return;
  }

  Unzipper1.ExtrBaseDir = *folder;
  Unzipper1.ExtrOptions |= ExtrOverWrite;
  const int expected = FilesInArchive();
  // The library's messages (a refused entry each, say) come in one box at
  // the end rather than one box each.
  gathering_ = true;
  Unzipper1.Extract();
  gathering_ = false;
  ShowGatheredMessages();
  if (Unzipper1.SuccessCnt() < expected) {
    // A missing library, a damaged archive or a full disk must not end in
    // "completed successfully".
    dialogs_.Show(SetupBox::Error,
                  QStringLiteral("ERROR: Only %1 of the %2 files could be installed.\r\rThe installation is not "
                                 "complete.")
                      .arg(Unzipper1.SuccessCnt())
                      .arg(expected),
                  SetupButtons::Ok);
    return;
  }
  // The menu entry starts lwk: it is only written when the archive brought one.
  if (ArchiveHoldsTheGame() && QFileInfo(QDir(*folder).filePath(QStringLiteral("lwk"))).isFile()) {
    WriteDesktopEntry(*folder, control_.Title);
  }

  const QString readme = QDir(*folder).filePath(QString::fromLatin1(kReadmeName));
  if (QFileInfo(readme).isFile()) {
    ShowReadmeOffer(readme);
  } else {
    dialogs_.Show(SetupBox::Plain, QStringLiteral("Installation completed successfully."), SetupButtons::Ok);
  }
  installDone_ = true;
  close();
}

void TForm1::ShowReadmeOffer(const QString& readme) {
  if (dialogs_.Show(SetupBox::Information,
                    QStringLiteral("Installation completed successfully.\r\rA README file has been included as part "
                                   "of this\rinstallation. It is recommended that you take a\rfew minutes to read this "
                                   "file before you proceed.\rIt contains legal information, help, and any "
                                   "last\rminute release notes.\r\rWould you like to read it now?"),
                    SetupButtons::OkCancel) != SetupAnswer::Ok) {
    return;
  }
  SeeRead->LoadFile(readme);
  dialogs_.ExecModal(*SeeRead);
}

void TForm1::ShowProgressState() {
  // A bar whose range is a single position is shown full.
  if (ProgressState.Min >= ProgressState.Max) {
    ProgressBar1->setRange(0, 1);
    ProgressBar1->setValue(ProgressState.Position >= ProgressState.Max ? 1 : 0);
  } else {
    ProgressBar1->setRange(ProgressState.Min, ProgressState.Max);
    ProgressBar1->setValue(ProgressState.Position);
  }
}

void TForm1::Unzipper1Progress(TUnzipper*, ProgressType ProgrType, const QString& Filename, int32_t FileSize) {
  switch (ProgrType) {
    case NewFile:
      FileNameLabel->setText(Filename);
      ProgressState.NewFile(FileSize);
      break;
    case ProgressUpdate:
      ProgressState.Progress();
      break;
    case EndOfBatch:
      FileNameLabel->setText(QStringLiteral("DONE"));
      ProgressState.NewFile(0);
      break;
  }
  ShowProgressState();
  dialogs_.ProcessEvents();
}

void TForm1::Exit1Click() {
  close();
}

void TForm1::About1Click() {
  dialogs_.About(
      QStringLiteral("Lurewick Setup\r\rInstalls Lurewick, a bass-fishing tournament game, into the folder you "
                     "choose.\r\rDrive C: stands for your home folder; any other drive letter X: for /mnt/x.\r\r"
                     "Built with Qt, and with libzip for unpacking the game's files. Thanks to both projects."));
}

}  // namespace lwk::setup
