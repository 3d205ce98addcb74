// The installer's window on the offscreen platform, with scripted dialogs,
// a setup folder made in a temporary folder and the real unzip library.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrinterInfo>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>

#include "ScriptedDialogs.h"
#include "ZipFixtures.h"
#include "setup/qt/SeeRead.h"
#include "setup/qt/SetupForm.h"

namespace lwk::setup::test {
namespace {

const QByteArray kReadme = "LUREWICK\nRead me first.\n";
const QByteArray kProgram = "#!/bin/sh\nexit 0\n";

// Saves a picture of a window for the eye when LWK_SCREENSHOT_DIR is set.
void SaveShot(QWidget& window, const char* name) {
  const QString shots = qEnvironmentVariable("LWK_SCREENSHOT_DIR");
  if (!shots.isEmpty()) window.grab().save(QDir(shots).filePath(QString::fromLatin1(name)));
}

class SetupFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(setupDir.isValid() && home.isValid());
    oldHome = qgetenv("HOME");
    oldData = qgetenv("XDG_DATA_HOME");
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_DATA_HOME", (home.path() + "/.local/share").toUtf8());
    Populate();
  }
  // setup.$$$, INSTALL.$$$ and the unzip library in the setup folder.
  void Populate() {
    QFile::remove(InSetup("libunzdll.so"));
    ASSERT_TRUE(WriteAll(InSetup("setup.$$$"), "Lurewick Professional\nINSTALL.$$$\nC:\nLWK\n"));
    ASSERT_TRUE(MakeZip(
        InSetup("INSTALL.$$$"),
        {{"lwk", kProgram, 0100755}, {"readme.txt", kReadme}, {"THEME.WAV", Pattern(100000)}, {"POND.LAK", "lake"}}));
    ASSERT_TRUE(QFile::copy(QStringLiteral(LWK_SETUP_BIN_DIR "/libunzdll.so"), InSetup("libunzdll.so")));
  }
  void TearDown() override {
    form.reset();
    qputenv("HOME", oldHome);
    qputenv("XDG_DATA_HOME", oldData);
  }

  QString InSetup(const QString& name) const { return QDir(setupDir.path()).filePath(name); }
  QString Home(const QString& rest) const { return QDir(home.path()).filePath(rest); }

  // A fresh window that has read its control file.
  TForm1& Open() {
    form.reset();
    dialogs = ScriptedDialogs();
    form = std::make_unique<TForm1>(dialogs, setupDir.path());
    created = form->FormCreate();
    return *form;
  }
  // Types a drive and directory and presses Start.
  void Install(const QString& drive, const QString& directory, std::deque<SetupAnswer> answers) {
    form->dDrive->setText(drive);
    form->dDir->setText(directory);
    dialogs.answers = std::move(answers);
    form->StartBtnClick();
  }

  QTemporaryDir setupDir;
  QTemporaryDir home;
  QByteArray oldHome;
  QByteArray oldData;
  ScriptedDialogs dialogs;
  std::unique_ptr<TForm1> form;
  bool created = false;
};

TEST_F(SetupFormTest, ShowsTheControlFile) {
  Open();
  ASSERT_TRUE(created);
  EXPECT_EQ(form->Label5->text(), "Lurewick Professional");
  EXPECT_EQ(form->dDrive->text(), "C:");
  EXPECT_EQ(form->dDir->text(), "LWK");
  EXPECT_TRUE(form->FileNameLabel->text().isEmpty());
  EXPECT_EQ(form->Label1->text(), "Install To This Disk Drive");
  EXPECT_EQ(form->Label2->text(), "Install To This Directory");
  EXPECT_EQ(form->centralWidget()->size(), QSize(450, 261));
  EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(SetupFormTest, StartupFailuresEndTheProgram) {
  struct Case {
    const char* what;
    std::function<void()> damage;
    const char* message;
    int beeps;
  } cases[] = {
      {"no control file", [&] { QFile::remove(InSetup("setup.$$$")); },
       "ERROR: Unable to locate SETUP.$$$ file.\r\rSetup will now halt.", 1},
      {"short control file", [&] { WriteAll(InSetup("setup.$$$"), "Lurewick\nINSTALL.$$$\n"); },
       "ERROR: Unable to read SETUP.$$$ file.\r\rSetup will now halt.", 1},
      {"no archive", [&] { QFile::remove(InSetup("INSTALL.$$$")); }, "Unable to locate file INSTALL.$$$", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Populate();
    c.damage();
    Open();
    EXPECT_FALSE(created);
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].text, c.message);
    EXPECT_EQ(dialogs.boxes[0].kind, SetupBox::Error);
    EXPECT_EQ(dialogs.beeps, c.beeps);
  }
}

TEST_F(SetupFormTest, InstallsIntoANewTwoLevelFolder) {
  Open();
  Install("C", "Games\\LWK\\", {SetupAnswer::Yes, SetupAnswer::Cancel});

  EXPECT_EQ(form->dDrive->text(), "C:");
  EXPECT_EQ(form->dDir->text(), "Games\\LWK");
  ASSERT_EQ(dialogs.boxes.size(), 2u) << dialogs.Texts().join("\n").toStdString();
  EXPECT_EQ(dialogs.boxes[0].kind, SetupBox::Confirm);
  EXPECT_EQ(dialogs.boxes[0].buttons, SetupButtons::YesNo);
  EXPECT_EQ(dialogs.boxes[0].text, ConfirmationText("Lurewick Professional", "C:", "Games\\LWK"));
  EXPECT_EQ(dialogs.boxes[1].buttons, SetupButtons::OkCancel);
  EXPECT_TRUE(dialogs.boxes[1].text.startsWith(
      "Installation completed successfully.\r\rA README file has been included as part of this\rinstallation."));

  const QString folder = Home("Games/LWK");
  EXPECT_EQ(ReadAll(folder + "/lwk"), kProgram);
  EXPECT_EQ(Permissions(folder + "/lwk"), 0755);
  EXPECT_EQ(ReadAll(folder + "/THEME.WAV"), Pattern(100000));
  EXPECT_TRUE(QFileInfo::exists(folder + "/POND.LAK"));
  EXPECT_EQ(form->FileNameLabel->text(), "DONE");
  SaveShot(*form, "setup-done.png");
  EXPECT_EQ(form->ProgressBar1->value(), form->ProgressBar1->maximum());
  EXPECT_TRUE(form->InstallDone());
  EXPECT_TRUE(dialogs.modalTitles.isEmpty());
  // The desktop menu entry points at the installed game.
  const QString entry = QString::fromUtf8(ReadAll(Home(".local/share/applications/lurewick.desktop")));
  EXPECT_TRUE(entry.contains("Exec=\"" + folder + "/lwk\"")) << entry.toStdString();
}

// While files are unpacked the window keeps taking events, but neither a
// second Start nor closing the window interrupts the install.
TEST_F(SetupFormTest, StartAndExitWaitWhileUnpacking) {
  Open();
  form->show();
  int tries = 0;
  dialogs.onProcessEvents = [&] {
    if (!form->Unzipper1.Busy() || tries > 0) return;
    ++tries;
    EXPECT_FALSE(form->StartBtn->isEnabled());
    form->StartBtn->click();
    EXPECT_FALSE(form->close());
  };
  Install("C:", "LWK", {SetupAnswer::Yes, SetupAnswer::Cancel});
  EXPECT_EQ(tries, 1);
  EXPECT_EQ(dialogs.boxes.size(), 2u) << dialogs.Texts().join('\n').toStdString();
  EXPECT_TRUE(form->InstallDone());
  EXPECT_FALSE(form->isVisible());
  EXPECT_TRUE(form->StartBtn->isEnabled());
}

TEST_F(SetupFormTest, ReadmeViewerShowsAndPrintsToPdfWithoutPrinter) {
  Open();
  Install("C:", "LWK", {SetupAnswer::Yes, SetupAnswer::Ok});
  EXPECT_EQ(dialogs.modalTitles, QStringList{"README.TXT"});
  EXPECT_EQ(form->SeeRead->Memo1->toPlainText(), QString::fromUtf8(kReadme));
  SaveShot(*form->SeeRead, "setup-readme.png");

  const QString pdf = Home("readme.pdf");
  dialogs.pdfPath = pdf;
  dialogs.answers = {SetupAnswer::No};
  form->SeeRead->BitBtn2Click();
  EXPECT_FALSE(QFileInfo::exists(pdf));
  dialogs.answers = {SetupAnswer::Yes};
  form->SeeRead->BitBtn2Click();
  EXPECT_TRUE(ReadAll(pdf).startsWith("%PDF"));
  if (!qEnvironmentVariableIsEmpty("LWK_SCREENSHOT_DIR"))
    QFile::copy(pdf, qEnvironmentVariable("LWK_SCREENSHOT_DIR") + "/readme.pdf");
  EXPECT_TRUE(dialogs.boxes.back().text.startsWith("No printer is installed."));
}

TEST_F(SetupFormTest, RefusesAnEmptyDrive) {
  Open();
  Install("", "LWK", {});
  EXPECT_EQ(form->dDrive->text(), ":");
  EXPECT_EQ(dialogs.Texts(), QStringList{"The drive letter is incomplete."});
  EXPECT_EQ(dialogs.beeps, 1);
  EXPECT_FALSE(QFileInfo::exists(Home("LWK")));
}

TEST_F(SetupFormTest, DecliningChangesNothing) {
  Open();
  Install("C:", "LWK", {SetupAnswer::No});
  EXPECT_EQ(dialogs.boxes.size(), 1u);
  EXPECT_FALSE(QFileInfo::exists(Home("LWK")));
  EXPECT_FALSE(form->InstallDone());
}

TEST_F(SetupFormTest, ReportsAFolderThatCannotBeMade) {
  ASSERT_TRUE(WriteAll(Home("Games"), "a file, not a folder"));
  Open();
  Install("C:", "Games\\LWK", {SetupAnswer::Yes});
  EXPECT_EQ(dialogs.Texts(),
            (QStringList{ConfirmationText("Lurewick Professional", "C:", "Games\\LWK"),
                         "DIRECTORY CREATION ERROR: " + Home("Games"), "ERROR: cannot create specified directory."}));
  EXPECT_FALSE(form->InstallDone());
}

TEST_F(SetupFormTest, ReinstallReplacesGameFilesAndKeepsThePlayersFiles) {
  Open();
  Install("C:", "LWK", {SetupAnswer::Yes, SetupAnswer::Cancel});
  ASSERT_TRUE(form->InstallDone());
  const QString folder = Home("LWK");
  ASSERT_TRUE(WriteAll(folder + "/LWK.INI", "[Preferences]\n"));
  ASSERT_TRUE(WriteAll(folder + "/BigFish.btp", "records"));
  ASSERT_TRUE(WriteAll(folder + "/POND.wpt", "waypoints"));
  ASSERT_TRUE(WriteAll(folder + "/lwk", "damaged"));

  Open();
  Install("C:", "LWK", {SetupAnswer::Yes, SetupAnswer::Cancel});

  EXPECT_TRUE(form->InstallDone());
  EXPECT_EQ(ReadAll(folder + "/lwk"), kProgram);
  EXPECT_EQ(ReadAll(folder + "/LWK.INI"), "[Preferences]\n");
  EXPECT_EQ(ReadAll(folder + "/BigFish.btp"), "records");
  EXPECT_EQ(ReadAll(folder + "/POND.wpt"), "waypoints");
}

TEST_F(SetupFormTest, ArchiveWithoutEntriesInstallsNothing) {
  ASSERT_TRUE(WriteAll(InSetup("INSTALL.$$$"), Pattern(70000)));
  Open();
  Install("C:", "LWK", {SetupAnswer::Yes});
  ASSERT_EQ(dialogs.boxes.size(), 3u);
  EXPECT_EQ(dialogs.boxes[1].text, "No valid zip entries found");
  EXPECT_EQ(dialogs.boxes[2].text, "Error - no files to install!");
  EXPECT_FALSE(QFileInfo::exists(Home("LWK")));
}

// Without the unzip library nothing can be unpacked; the player is told the
// install is incomplete instead of "completed successfully".
TEST_F(SetupFormTest, MissingLibraryIsNotASuccess) {
  ASSERT_TRUE(QFile::remove(InSetup("libunzdll.so")));
  Open();
  ASSERT_TRUE(created);
  EXPECT_EQ(dialogs.Texts(), QStringList{"libunzdll.so not found"});
  Install("C:", "LWK", {SetupAnswer::Yes});
  const QStringList texts = dialogs.Texts();
  EXPECT_EQ(texts.back(), "ERROR: Only 0 of the 4 files could be installed.\r\rThe installation is not complete.");
  EXPECT_FALSE(texts.join('\n').contains("completed successfully"));
  EXPECT_FALSE(form->InstallDone());
  EXPECT_FALSE(QFileInfo::exists(Home(".local/share/applications/lurewick.desktop")));
}

TEST_F(SetupFormTest, ProgressBarFollowsTheFileSize) {
  Open();
  form->Unzipper1Progress(&form->Unzipper1, NewFile, "THEME.WAV", 100000);
  EXPECT_EQ(form->FileNameLabel->text(), "THEME.WAV");
  EXPECT_EQ(form->ProgressBar1->maximum(), 3);
  EXPECT_EQ(form->ProgressBar1->value(), 1);
  form->Unzipper1Progress(&form->Unzipper1, ProgressUpdate, " ", 0);
  EXPECT_EQ(form->ProgressBar1->value(), 2);

  form->Unzipper1Progress(&form->Unzipper1, NewFile, "small.bmp", 20000);
  EXPECT_EQ(form->ProgressState.Max, 1);
  EXPECT_EQ(form->ProgressBar1->value(), form->ProgressBar1->maximum());
  EXPECT_GT(dialogs.eventPumps, 0);
}

TEST_F(SetupFormTest, AboutBoxAndExit) {
  Open();
  form->show();
  form->About1Click();
  ASSERT_EQ(dialogs.aboutTexts.size(), 1);
  EXPECT_TRUE(dialogs.aboutTexts[0].contains("libzip"));
  SaveShot(*form, "setup-window.png");
  form->Exit1Click();
  EXPECT_FALSE(form->isVisible());
}

// The desktop menu entry starts the installed lwk; an archive that installs
// none writes no entry.
TEST_F(SetupFormTest, NoMenuEntryWithoutTheGame) {
  ASSERT_TRUE(MakeZip(InSetup("INSTALL.$$$"), {{"readme.txt", kReadme}, {"POND.LAK", "lake"}}));
  Open();
  Install("C:", "LWK", {SetupAnswer::Yes, SetupAnswer::Cancel});
  EXPECT_TRUE(form->InstallDone());
  EXPECT_TRUE(QFileInfo::exists(Home("LWK/POND.LAK")));
  EXPECT_FALSE(QFileInfo::exists(Home(".local/share/applications/lurewick.desktop")));
}

// The library's messages during an install come in one box at the end, not
// one box each.
TEST_F(SetupFormTest, LibraryMessagesComeInOneBox) {
  std::vector<ZipMember> members = {{"lwk", kProgram, 0100755}};
  for (int i = 0; i < 40; ++i) members.push_back({"../evil" + std::to_string(i) + ".txt", "x"});
  ASSERT_TRUE(MakeZip(InSetup("INSTALL.$$$"), members));
  Open();
  Install("C:", "LWK", {SetupAnswer::Yes});
  ASSERT_EQ(dialogs.boxes.size(), 3u) << dialogs.Texts().join('\n').toStdString();
  const ScriptedDialogs::Box& gathered = dialogs.boxes[1];
  EXPECT_EQ(gathered.kind, SetupBox::Error);
  EXPECT_TRUE(gathered.text.startsWith("40 messages while unpacking:\r")) << gathered.text.toStdString();
  EXPECT_TRUE(gathered.text.contains("Refused ../evil0.txt")) << gathered.text.toStdString();
  EXPECT_FALSE(gathered.text.contains("Refused ../evil39.txt"));
  EXPECT_TRUE(dialogs.boxes[2].text.startsWith("ERROR: Only 1 of the 41 files could be installed."));
  EXPECT_EQ(ReadAll(Home("LWK/lwk")), kProgram);
}

// The real message box: every button of every set answers as pressed, and
// closing a box answers its negative button.
TEST(QtSetupDialogsTest, AnswersWhatWasPressed) {
  struct Case {
    SetupButtons buttons;
    QMessageBox::StandardButton pressed;  // NoButton: the box is closed
    SetupAnswer answer;
  } cases[] = {
      {SetupButtons::Ok, QMessageBox::Ok, SetupAnswer::Ok},
      {SetupButtons::Ok, QMessageBox::NoButton, SetupAnswer::Ok},
      {SetupButtons::OkCancel, QMessageBox::Ok, SetupAnswer::Ok},
      {SetupButtons::OkCancel, QMessageBox::Cancel, SetupAnswer::Cancel},
      {SetupButtons::OkCancel, QMessageBox::NoButton, SetupAnswer::Cancel},
      {SetupButtons::YesNo, QMessageBox::Yes, SetupAnswer::Yes},
      {SetupButtons::YesNo, QMessageBox::No, SetupAnswer::No},
      {SetupButtons::YesNo, QMessageBox::NoButton, SetupAnswer::No},
  };
  QtSetupDialogs dialogs;
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << int(c.buttons) << " " << c.pressed);
    bool pressed = false;
    QObject guard;
    QTimer::singleShot(0, &guard, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box == nullptr) return;
      pressed = true;
      if (c.pressed == QMessageBox::NoButton) {
        box->close();
      } else {
        box->button(c.pressed)->click();
      }
    });
    EXPECT_EQ(dialogs.Show(SetupBox::Confirm, "Pressed?", c.buttons), c.answer);
    EXPECT_TRUE(pressed);
  }
}

// The whole install with the real dialogs, answered as a player would: Yes to
// the question, OK to the read-me offer, then Print (to a PDF when there is
// no printer) and OK in the viewer.
TEST_F(SetupFormTest, RealDialogsReachTheReadmeAndItsPrinting) {
  if (!QPrinterInfo::availablePrinterNames().isEmpty()) GTEST_SKIP() << "a printer is installed here";
  QtSetupDialogs real;
  TForm1 window(real, setupDir.path());
  real.SetParent(&window);
  ASSERT_TRUE(window.FormCreate());
  window.show();
  const QString pdf = Home("readme.pdf");
  QStringList seen;
  bool printAsked = false;
  // Answers pending when the test ends die with this object.
  QObject guard;
  std::function<void()> play = [&] {
    // The next look is due before this one clicks: a click may open a
    // dialog of its own that only returns once it is answered.
    QTimer::singleShot(10, &guard, play);
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || !modal->isVisible()) return;
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
      seen << box->text().section('\n', 0, 0);
      box->button(box->button(QMessageBox::Yes) ? QMessageBox::Yes : QMessageBox::Ok)->click();
    } else if (auto* files = qobject_cast<QFileDialog*>(modal)) {
      seen << "file dialog";
      files->selectFile(pdf);
      static_cast<QDialog*>(files)->accept();
    } else if (modal == window.SeeRead) {
      seen << window.SeeRead->windowTitle();
      (printAsked ? window.SeeRead->BitBtn1 : window.SeeRead->BitBtn2)->click();
      printAsked = true;
    }
  };
  QTimer::singleShot(0, &guard, play);
  window.StartBtnClick();

  EXPECT_TRUE(window.InstallDone());
  EXPECT_EQ(seen, (QStringList{"SetUp is ready to install Lurewick Professional in the following directory:",
                               "Installation completed successfully.", "README.TXT", "No printer is installed.",
                               "file dialog", "README.TXT"}));
  EXPECT_EQ(window.SeeRead->Memo1->toPlainText(), QString::fromUtf8(kReadme));
  EXPECT_TRUE(ReadAll(pdf).startsWith("%PDF"));
}

}  // namespace
}  // namespace lwk::setup::test
