#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "shell/Files.h"

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

}  // namespace
}  // namespace lwk
