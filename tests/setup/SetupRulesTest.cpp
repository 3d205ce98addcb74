// The installer's rules without a window: the control file, drive and
// directory, where a drive letter lands, creating the path, the progress bar.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "ZipFixtures.h"
#include "setup/SetupRules.h"

namespace lwk::setup::test {
namespace {

class HomeFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(home.isValid());
    oldHome = qgetenv("HOME");
    qputenv("HOME", home.path().toUtf8());
  }
  void TearDown() override { qputenv("HOME", oldHome); }
  QString Home(const QString& rest) const { return QDir(home.path()).filePath(rest); }

  QTemporaryDir home;
  QByteArray oldHome;
};

TEST(ControlFile, ReadsFourLinesCutToTheirLengths) {
  QTemporaryDir dir;
  const QString path = dir.filePath("setup.$$$");
  ASSERT_TRUE(
      WriteAll(path, QByteArray(50, 'T') + "\r\nINSTALL.$$$-and-more\r\nC:\\\r\n" + QByteArray(46, 'd') + "\r\n"));
  ControlFile control;
  ASSERT_EQ(ReadControlFile(path, control), ControlFileStatus::Ok);
  EXPECT_EQ(control.Title, QString(45, 'T'));
  EXPECT_EQ(control.ArchiveName, "INSTALL.$$$-");
  EXPECT_EQ(control.Drive, "C:");
  EXPECT_EQ(control.Directory, QString(45, 'd'));

  ASSERT_TRUE(WriteAll(path, "Lurewick\nINSTALL.$$$\nC:\n"));
  EXPECT_EQ(ReadControlFile(path, control), ControlFileStatus::Unreadable);
  EXPECT_EQ(ReadControlFile(dir.filePath("none.$$$"), control), ControlFileStatus::Missing);
}

TEST(DriveAndDirectory, AreCompletedAsTyped) {
  struct Case {
    const char* drive;
    const char* completed;
    bool complete;
  } drives[] = {{"C", "C:", true}, {"", ":", false}, {"D:", "D:", true}, {":", ":", false}};
  for (const Case& c : drives) {
    SCOPED_TRACE(c.drive);
    EXPECT_EQ(CompleteDrive(c.drive), c.completed);
    EXPECT_EQ(DriveComplete(CompleteDrive(c.drive)), c.complete);
  }
  EXPECT_EQ(DropTrailingBackslash("Games\\LWK\\"), "Games\\LWK");
  EXPECT_EQ(DropTrailingBackslash("LWK"), "LWK");
}

TEST_F(HomeFolder, DriveLettersMapToFolders) {
  EXPECT_EQ(LocalPath("C:\\LWK"), Home("LWK"));
  EXPECT_EQ(LocalPath("c:\\Games\\LWK"), Home("Games/LWK"));
  EXPECT_EQ(LocalPath("C:\\"), home.path());
  EXPECT_EQ(LocalPath("D:\\Games\\LWK"), QString("/mnt/d/Games/LWK"));
  EXPECT_EQ(LocalPath("1:\\LWK"), std::nullopt);
  EXPECT_EQ(LocalPath(":\\LWK"), std::nullopt);
}

TEST(Confirmation, NamesTitleAndFolder) {
  EXPECT_EQ(ConfirmationText("Lurewick", "C:", "LWK"),
            "SetUp is ready to install Lurewick in the following directory:\r\rC:\\LWK\r\rIf this directory does not "
            "exist, it will be created. If a previous\rinstallation of this program exists in this directory, any "
            "data files\ror record files will be preserved.\r\rIs this what you want to do?");
}

TEST_F(HomeFolder, CreatesEachLevelOfThePath) {
  QStringList errors;
  auto report = [&](const QString& text) { errors << text; };
  EXPECT_TRUE(CreateDirectoryPath("C:\\Games\\Bass\\LWK", report));
  EXPECT_TRUE(QFileInfo(Home("Games/Bass/LWK")).isDir());
  EXPECT_TRUE(CreateDirectoryPath("C:\\Single", report));
  EXPECT_TRUE(QFileInfo(Home("Single")).isDir());
  EXPECT_TRUE(errors.isEmpty());

  // A file where a folder should be stops the path at that level.
  ASSERT_TRUE(WriteAll(Home("Blocked"), "file"));
  EXPECT_FALSE(CreateDirectoryPath("C:\\Blocked\\LWK", report));
  EXPECT_EQ(errors, QStringList{"DIRECTORY CREATION ERROR: " + Home("Blocked")});
  errors.clear();
  // "/" separates folder names as well as "\".
  EXPECT_TRUE(CreateDirectoryPath("C:\\Mixed/LWK", report));
  EXPECT_TRUE(QFileInfo(Home("Mixed/LWK")).isDir());
  // One level is made with one call: no level message.
  EXPECT_FALSE(CreateDirectoryPath("C:\\Blocked", report));
  EXPECT_TRUE(errors.isEmpty());
}

TEST(ProgressBar, MaximumIsBlocksOf32768) {
  struct Case {
    int32_t size;
    int max;
    int position;
  } cases[] = {{100000, 3, 1}, {20000, 1, 1}, {32768, 1, 1}, {65536, 2, 1}, {0, 1, 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.size);
    ProgressBarState bar;
    bar.NewFile(c.size);
    EXPECT_EQ(bar.Min, 1);
    EXPECT_EQ(bar.Max, c.max);
    EXPECT_EQ(bar.Position, c.position);
  }
  ProgressBarState bar;
  bar.NewFile(100000);
  bar.Progress();
  EXPECT_EQ(bar.Position, 2);
  for (int i = 0; i < 5; ++i) bar.Progress();
  EXPECT_EQ(bar.Position, 3);
}

TEST(GatheredMessages, ListTheFirstTwentyUnderTheirCount) {
  QStringList many;
  for (int i = 0; i < 25; ++i) many << QStringLiteral("m%1").arg(i);
  struct Case {
    QStringList messages;
    QString text;
  } cases[] = {
      {{"Refused a"}, "Refused a"},
      {{"a", "b", "c"}, "3 messages while unpacking:\ra\rb\rc"},
      {many, "25 messages while unpacking:\r" + many.mid(0, 20).join('\r') + "\r...and 5 more."},
  };
  for (const Case& c : cases) EXPECT_EQ(GatheredMessagesText(c.messages), c.text);
}

TEST_F(HomeFolder, DesktopEntryStartsTheInstalledGame) {
  const QByteArray oldData = qgetenv("XDG_DATA_HOME");
  qunsetenv("XDG_DATA_HOME");
  const QString folder = Home("My Games/LWK");
  ASSERT_TRUE(QDir().mkpath(folder));
  ASSERT_TRUE(WriteAll(folder + "/lwk.png", "png"));
  ASSERT_TRUE(WriteDesktopEntry(folder, "Lurewick Professional"));
  const QString text = QString::fromUtf8(ReadAll(Home(".local/share/applications/lurewick.desktop")));
  qputenv("XDG_DATA_HOME", oldData);
  EXPECT_TRUE(text.startsWith("[Desktop Entry]\n"));
  EXPECT_TRUE(text.contains("\nName=Lurewick Professional\n"));
  EXPECT_TRUE(text.contains("\nExec=\"" + folder + "/lwk\"\n")) << text.toStdString();
  EXPECT_TRUE(text.contains("\nPath=" + folder + "\n"));
  EXPECT_TRUE(text.contains("\nIcon=" + folder + "/lwk.png\n"));
  EXPECT_TRUE(text.contains("\nType=Application\n"));

  // Characters the launcher would read specially are escaped.
  EXPECT_TRUE(DesktopEntryText("/home/a$b/100%", "T", false).contains("Exec=\"/home/a\\\\$b/100%%/lwk\"\n"));
  EXPECT_FALSE(DesktopEntryText("/x", "T", false).contains("Icon="));
}

}  // namespace
}  // namespace lwk::setup::test
