#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>

#include "lake/LakeFile.h"
#include "lake/LakeTestData.h"

namespace lwk {
namespace {

struct ToolRun {
  int code;
  std::string out;
};

ToolRun LakeTool(const QStringList& args) {
  QProcess p;
  p.start(LWK_GAME_DIR "/lwk-lake", args);
  p.waitForFinished(60000);
  return {p.exitCode(), p.readAllStandardOutput().toStdString()};
}

struct LakeToolCommands : ::testing::Test {
  QTemporaryDir dir;
  QString path(const char* name) const { return dir.path() + "/" + name; }
};

TEST_F(LakeToolCommands, CheckReportsEachProblemAndFailsOnlyUnplayableLakes) {
  testdata::WriteText(path("good.LAK").toStdString(), testdata::LakeText(testdata::OpenLakeGrid()));
  ToolRun r = LakeTool({"check", path("good.LAK")});
  EXPECT_EQ(r.code, 0) << r.out;
  EXPECT_NE(r.out.find("OK"), std::string::npos);

  CellGrid<std::uint8_t> g = testdata::OpenLakeGrid();
  g.at(50, 50) = 0;
  g.at(120, 199) = 255;  // flag in the last row
  g.at(199, 7) = 163;    // pump in the last column
  std::string text = testdata::LakeText(g, "xyz");
  text.replace(text.find("Test"), 4, "Best");  // and the checksum no longer matches
  testdata::WriteText(path("bad.LAK").toStdString(), text);
  testdata::WriteText(path("bad.dpt").toStdString(), "1,2\r\n");
  r = LakeTool({"check", path("bad.LAK")});
  EXPECT_EQ(r.code, 1);
  for (const char* said :
       {"checksum", "no species letter", "weigh-in flag at (120, 199)", "gas pump at (199, 7)", "bad.dpt: line 1"})
    EXPECT_NE(r.out.find(said), std::string::npos) << said << "\n" << r.out;
  EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 5) << r.out;  // one line each
}

TEST_F(LakeToolCommands, SignAndGenerateWriteLakesThatLoad) {
  std::string text = testdata::LakeText(testdata::OpenLakeGrid());
  text.replace(text.find("Test"), 4, "Best");
  testdata::WriteText(path("edited.LAK").toStdString(), text);
  EXPECT_EQ(LakeTool({"sign", path("edited.LAK")}).code, 0);
  EXPECT_EQ(LakeTool({"check", path("edited.LAK")}).code, 0);

  ToolRun r = LakeTool({"generate", "--seed", "42", "--name", "Heron Pond", "--depths", path("Heron.LAK")});
  EXPECT_EQ(r.code, 0) << r.out;
  EXPECT_TRUE(QFile::exists(path("Heron.dpt")));
  r = LakeTool({"check", path("Heron.LAK")});
  EXPECT_EQ(r.code, 0) << r.out;
  EXPECT_EQ(LakeTool({"generate", "--seed", "x", path("Bad.LAK")}).code, 2);
  EXPECT_EQ(LakeTool({"check", path("missing.LAK")}).code, 1);
}

TEST_F(LakeToolCommands, ALakeWhoseSumOutgrowsSixHexDigitsIsNeitherSignedNorPassed) {
  // 200000 letters z on line 2 add 24 400 000: the sum needs seven hex digits.
  const std::string text = FormatLakeText("Long Lake", std::string(200000, 'z'), "", 30, "L", testdata::OpenLakeGrid());
  testdata::WriteText(path("long.LAK").toStdString(), text);
  ToolRun r = LakeTool({"sign", path("long.LAK")});
  EXPECT_EQ(r.code, 1) << r.out;
  EXPECT_NE(r.out.find("not signed"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("more than six hexadecimal digits"), std::string::npos) << r.out;
  EXPECT_EQ(ReadWholeFile(path("long.LAK").toStdString()), text);  // left as it was

  r = LakeTool({"check", path("long.LAK")});
  EXPECT_EQ(r.code, 1) << r.out;
  EXPECT_NE(r.out.find("more than six hexadecimal digits"), std::string::npos) << r.out;
  EXPECT_EQ(r.out.find("does not match"), std::string::npos) << r.out;  // one reason, the real one
}

}  // namespace
}  // namespace lwk
