#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "shell/Files.h"
#include "support/GameFixture.h"

namespace lwk {
namespace {

TEST(FolderIndex, FindsTheGameFilesInAnyCaseFromOneListing) {
  QTemporaryDir dir;
  const std::string folder = dir.path().toStdString();
  for (const char* name : {"BOATUP.BMP", "theme.wav", "Pine.LAK", "pine.lak"}) {
    QFile f(dir.filePath(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << name;
  }
  const FolderIndex index(folder);  // no trailing separator: one is added

  const struct {
    const char* asked;
    const char* found;  // nullptr: not in the folder
  } cases[] = {
      {"BoatUp.BMP", "BOATUP.BMP"}, {"boatup.bmp", "BOATUP.BMP"}, {"THEME.WAV", "theme.wav"},
      {"pine.lak", "pine.lak"},     {"Pine.LAK", "Pine.LAK"},     {"BTN_TrollBtn.BMP", nullptr},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(index.contains(c.asked), c.found != nullptr) << c.asked;
    EXPECT_EQ(index.find(c.asked), folder + "/" + (c.found ? c.found : c.asked)) << c.asked;
  }

  // The folder is listed once: a file that comes later is not looked for.
  QFile later(dir.filePath("LATER.WAV"));
  ASSERT_TRUE(later.open(QIODevice::WriteOnly));
  EXPECT_FALSE(index.contains("later.wav"));
  EXPECT_FALSE(FolderIndex(folder + "/missing").contains("BOATUP.BMP"));
}

QStringList Entries(const QString& folder) {
  return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

void Touch(const QString& path) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("x");
}

TEST(AtomicWrite, ReplacesTheFileKeepingItsPermissionsAndLeavesNoTemporary) {
  QTemporaryDir dir;
  const std::string path = dir.filePath("LWK.INI").toStdString();
  ASSERT_TRUE(WriteFileAtomically(path, "old"));
  ASSERT_EQ(chmod(path.c_str(), 0640), 0);
  ASSERT_TRUE(WriteFileAtomically(path, std::string("new\0bytes", 9)));
  EXPECT_EQ(ReadWholeFile(path), std::string("new\0bytes", 9));
  struct stat st {};
  ASSERT_EQ(stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  EXPECT_EQ(Entries(dir.path()), QStringList{"LWK.INI"});
}

TEST(AtomicWrite, WritesThroughALinkAndFailsWithoutTouchingAnything) {
  QTemporaryDir dir;
  const std::string real = dir.filePath("real.wpt").toStdString();
  ASSERT_TRUE(WriteFileAtomically(real, "old"));
  ASSERT_TRUE(QFile::link(QString::fromStdString(real), dir.filePath("Pine.wpt")));
  ASSERT_TRUE(WriteFileAtomically(dir.filePath("Pine.wpt").toStdString(), "new"));
  EXPECT_TRUE(QFileInfo(dir.filePath("Pine.wpt")).isSymLink());
  EXPECT_EQ(ReadWholeFile(real), "new");

  // A missing folder and a folder in the file's place both fail cleanly.
  ASSERT_TRUE(QDir(dir.path()).mkdir("Pine.bmp"));
  EXPECT_FALSE(WriteFileAtomically(dir.filePath("no/such/folder/LWK.INI").toStdString(), "x"));
  EXPECT_FALSE(WriteFileAtomically(dir.filePath("Pine.bmp").toStdString(), "x"));
  EXPECT_EQ(Entries(dir.path()), (QStringList{"Pine.bmp", "Pine.wpt", "real.wpt"}));
}

TEST(AtomicWrite, OnlyItsOwnTemporaryNamesCountAsLeftovers) {
  const struct {
    const char* name;
    bool leftover;
  } cases[] = {
      {".lwk-tmp-Ab12Cd", true},   {".lwk-tmp-000000", true},  {".lwk-tmp-Ab12C", false},
      {".lwk-tmp-Ab12Cde", false}, {".lwk-tmp-Ab-2Cd", false}, {"lwk-tmp-Ab12Cd", false},
      {"LWK.INI.backup", false},   {"PINE.SAV.old", false},    {".lwk-tmp-\xc3\xa9\xc3\xa9\xc3\xa9", false},
  };
  for (const auto& c : cases) EXPECT_EQ(IsLeftoverTemporaryName(c.name), c.leftover) << c.name;
}

TEST(AtomicWrite, StartUpRemovesTheTemporaryACrashLeftAndNothingElse) {
  GameFixture f;
  const QString folder = QString::fromStdString(f.folder());
  for (const char* name : {".lwk-tmp-x1Y2z3", "LWK.INI.backup", "PINE.SAV.old", ".lwk-tmp-notes.txt"})
    Touch(folder + name);
  ASSERT_TRUE(QDir(folder).mkdir(".lwk-tmp-Folder"));
  ASSERT_TRUE(QFile::link(folder + "PINE.SAV.old", folder + ".lwk-tmp-Linked"));
  ASSERT_TRUE(f.start());
  const QStringList left = Entries(folder);
  EXPECT_FALSE(left.contains(".lwk-tmp-x1Y2z3"));
  for (const char* kept :
       {"LWK.INI.backup", "PINE.SAV.old", ".lwk-tmp-notes.txt", ".lwk-tmp-Folder", ".lwk-tmp-Linked"})
    EXPECT_TRUE(left.contains(kept)) << kept;
}

}  // namespace
}  // namespace lwk
