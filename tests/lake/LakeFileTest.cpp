#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "lake/LakeFile.h"
#include "lake/LakeTestData.h"
#include "shell/Game.h"
#include "support/TestPort.h"

namespace lwk {
namespace {

std::string ExampleLake() {
  std::string text = "A\r\n\r\n\r\n30\r\nL\r\n1D4CF0 and the rest is ignored\r\n";
  std::string row = "0";
  for (int c = 1; c < 200; ++c) row += ",0";
  for (int r = 0; r < 200; ++r) text += row + "\r\n";
  return text;
}

// Replaces the first occurrence of `from` after `pos` in text.
std::string Replace(std::string text, const std::string& from, const std::string& to, size_t pos = 0) {
  text.replace(text.find(from, pos), from.size(), to);
  return text;
}

TEST(LakeFile, TheWorkedExampleChecksumIsAccepted) {
  const LakeFileData d = ParseLakeText(ExampleLake());
  EXPECT_TRUE(d.problems.empty());
  EXPECT_EQ(d.ComputedChecksum, "1D4CF0");
  EXPECT_TRUE(d.loads());
  EXPECT_EQ(d.LakeName, "A");
  EXPECT_EQ(d.LakeMaxDepth, 30);
  // The same lake with bare line feeds reads alike.
  std::string lf = ExampleLake();
  std::erase(lf, '\r');
  EXPECT_TRUE(ParseLakeText(lf).loads());
}

TEST(LakeFile, EditsAndFaultsAreRefused) {
  const std::string good = ExampleLake();
  const size_t grid = good.find("\r\n0,") + 2;  // start of row 0
  const struct {
    const char* what;
    std::string text;
  } cases[] = {
      {"trailing comma after the 200th value", Replace(good, "\r\n", ",\r\n", grid + 300)},
      {"a changed grid value", Replace(good, "0,0", "1,0", grid)},
      {"a changed name line", Replace(good, "A\r\n", "B\r\n")},
      {"a changed species line", Replace(good, "L\r\n", "LS\r\n")},
      {"a value above 255", Replace(good, "0,0", "256,0", grid)},
      {"a missing value", Replace(good, "0,0", ",0", grid)},
      {"a missing row", good.substr(0, good.rfind("0\r\n", good.size() - 4) + 3)},
  };
  for (const auto& c : cases) EXPECT_FALSE(ParseLakeText(c.text).loads()) << c.what;
  // Line 4 that is not a number is no fault: the lake is 30 feet deep.
  EXPECT_EQ(ParseLakeText(Replace(good, "\r\n30\r\n", "\r\ndeep\r\n")).LakeMaxDepth, 30);
}

TEST(LakeFile, OnlyCapitalSpeciesLettersCount) {
  CellGrid<std::uint8_t> g = testdata::OpenLakeGrid();
  const LakeFileData d = ParseLakeText(testdata::LakeText(g, "lsB"));
  EXPECT_EQ(d.SpeciesPresent,
            (std::array<bool, 10>{false, false, false, false, false, false, false, false, true, false}));
  EXPECT_FALSE(ParseLakeText(testdata::LakeText(g, "lsx 12")).loads());  // no species at all
}

TEST(LakeFile, SearchesScanRowByRow) {
  CellGrid<std::uint8_t> g;
  g.at(5, 10) = 255;
  g.at(3, 10) = 255;
  g.at(150, 9) = 163;
  g.at(2, 10) = 163;
  g.at(1, 10) = 163;
  g.at(0, 40) = 163;
  EXPECT_EQ(FindFirstCell(g, 255), (CellPos{3, 10}));
  EXPECT_EQ(FindGasPumpCells(g), (std::array<CellPos, 3>{CellPos{150, 9}, CellPos{1, 10}, CellPos{2, 10}}));
  EXPECT_EQ(FindFirstCell(CellGrid<std::uint8_t>{}, 255), CellPos{});
}

TEST(LakeFile, SigningMendsTheChecksumAndKeepsEverythingElse) {
  std::string text = testdata::LakeText(testdata::OpenLakeGrid());
  text = Replace(text, "\r\n0,0,", "\r\n7,0,", text.find("\r\n0,"));
  ASSERT_FALSE(ParseLakeText(text).loads());
  const std::optional<std::string> signedText = SignLakeText(text);
  ASSERT_TRUE(signedText);
  EXPECT_TRUE(ParseLakeText(*signedText).loads());
  EXPECT_EQ(signedText->size(), text.size());
  EXPECT_EQ(ParseLakeText(*signedText).LakeGrid.at(0, 0), 7);
}

TEST(LakeFile, NamedFilesReplaceTheLakesOwnExtension) {
  EXPECT_EQ(LakeMapPathFor("/home/j.doe/lakes/Pine.LAK"), "/home/j.doe/lakes/Pine.bmp");
  QTemporaryDir dir;
  const std::string d = dir.path().toStdString() + "/j.doe/";
  QDir().mkpath(QString::fromStdString(d));
  testdata::WriteText(d + "Pine.dpt", "x");
  EXPECT_EQ(DepthFilePathFor(d + "Pine.LAK"), d + "Pine.dpt");
  EXPECT_EQ(DepthFilePathFor(d + "Pine.lak"), d + "Pine.dpt");
  testdata::WriteText(d + "Oak.DPT", "x");
  EXPECT_EQ(DepthFilePathFor(d + "Oak.LAK"), d + "Oak.DPT");
  EXPECT_EQ(DepthFilePathFor(d + "Elm.LAK"), d + "Elm.dpt");  // none: the name the game looks for
}

struct LoadLake : ::testing::Test {
  QTemporaryDir dir;
  TestPort port;
  Game game{port};
  std::string path(const std::string& name) { return dir.path().toStdString() + "/" + name; }
};

TEST_F(LoadLake, EachLakeBringsOnlyItsOwnSpeciesAndKeepsItsWholePath) {
  const std::string deep = path(std::string(80, 'd') + ".folder");
  QDir().mkpath(QString::fromStdString(deep));
  testdata::WriteText(path("one.LAK"), testdata::LakeText(testdata::OpenLakeGrid(), "LS"));
  testdata::WriteText(deep + "/two.LAK", testdata::LakeText(testdata::OpenLakeGrid(), "W"));
  ASSERT_TRUE(LoadLakeFile(game, path("one.LAK")));
  ASSERT_TRUE(LoadLakeFile(game, deep + "/two.LAK"));
  EXPECT_EQ(game.lake.SpeciesPresent,
            (std::array<bool, 10>{false, false, false, false, false, false, false, false, false, true}));
  EXPECT_EQ(game.lake.LakeMapPath, deep + "/two.bmp");
}

TEST_F(LoadLake, TheEdgeMarkersCoverTheLastColumnAndRow) {
  CellGrid<std::uint8_t> g = testdata::OpenLakeGrid();
  g.at(50, 50) = 0;
  g.at(199, 0) = 255;  // a flag in the last column cannot survive the markers
  testdata::WriteText(path("edge.LAK"), testdata::LakeText(g));
  ASSERT_TRUE(LoadLakeFile(game, path("edge.LAK")));
  EXPECT_EQ(game.lake.tile(199, 0), 254);
  EXPECT_EQ(game.lake.tile(0, 199), 253);
  EXPECT_EQ(game.lake.tile(199, 199), 253);
  EXPECT_FALSE(FindWeighInFlag(game));
  EXPECT_TRUE(port.showed("ERROR: Unable to find WEIGH-IN flag on lake!"));
}

TEST_F(LoadLake, AFailedLoadLeavesTheGamesLakeAlone) {
  testdata::WriteText(path("good.LAK"), testdata::LakeText(testdata::OpenLakeGrid(), "L", "Good"));
  ASSERT_TRUE(LoadLakeFile(game, path("good.LAK")));
  std::string bad = testdata::LakeText(testdata::OpenLakeGrid(), "W", "Bad");
  bad.replace(bad.find("Bad"), 3, "Bud");
  testdata::WriteText(path("bad.LAK"), bad);
  EXPECT_FALSE(LoadLakeFile(game, path("bad.LAK")));
  EXPECT_FALSE(LoadLakeFile(game, path("missing.LAK")));
  EXPECT_EQ(game.lake.LakeName, "Good");
  EXPECT_TRUE(game.lake.SpeciesPresent[0]);
  EXPECT_FALSE(game.lake.SpeciesPresent[9]);
}

}  // namespace
}  // namespace lwk
