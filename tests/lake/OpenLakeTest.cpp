#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "boat/Gps.h"
#include "lake/LakeTestData.h"
#include "lake/OpenLake.h"
#include "shell/Files.h"
#include "shell/Game.h"
#include "support/TestPort.h"

namespace lwk {
namespace {

struct OpenLakeFlow : ::testing::Test {
  QTemporaryDir dir;
  TestPort port;
  Game game{port};
  void SetUp() override {
    port.game = &game;
    game.GameFolder = folder();
    game.pictures.TileBitmaps = testdata::FlatTiles();
    game.lakeView.setViewSize(448, 352);  // 14 x 11 tiles
    game.ResetGameState();
  }
  std::string folder() const { return dir.path().toStdString() + "/"; }
  std::string write(const std::string& name, const std::string& text) {
    testdata::WriteText(folder() + name, text);
    return folder() + name;
  }
  bool refused() const {
    return port.showed(kUnableToLoadLake) && !game.view.lakeVisible && !game.timerEnabled(TimerId::Main) &&
           !game.view.isEnabled(Ctl::OutBtn);
  }
};

TEST_F(OpenLakeFlow, ABundledLakeOpensCentredOnTheFlagWithTheBoatBesideIt) {
  for (const char* name : {"CedarFork", "Sawgrass"}) {
    SCOPED_TRACE(name);
    const std::string lak = folder() + name + ".LAK";
    QFile::copy(QString(LWK_GAME_DIR "/") + name + ".LAK", QString::fromStdString(lak));
    QFile::copy(QString(LWK_GAME_DIR "/") + name + ".dpt", QString::fromStdString(folder() + name + ".dpt"));
    port.boxes.clear();
    port.openFiles.push_back(lak);
    PickLakeClick(game);
    const LakeState& lake = game.lake;
    ASSERT_NE(lake.WeighInCol, kNoCell);
    EXPECT_EQ(game.lakeView.leftCol(), std::max(0, lake.WeighInCol - 7));
    EXPECT_EQ(game.lakeView.topRow(), std::max(0, lake.WeighInRow - 5));
    EXPECT_LE(std::abs(game.boat.BoatCol - lake.WeighInCol) + std::abs(game.boat.BoatRow - lake.WeighInRow), 5);
    EXPECT_EQ(lake.tile(game.boat.BoatCol, game.boat.BoatRow), 0);
    // The boat was placed on the centred view: it is on screen.
    EXPECT_GE(game.boat.BoatX, 0);
    EXPECT_LT(game.boat.BoatX, 448);
    EXPECT_GE(game.boat.BoatY, 0);
    EXPECT_LT(game.boat.BoatY, 352);
    EXPECT_TRUE(game.view.lakeVisible);
    EXPECT_FALSE(game.LakeLoading);
    EXPECT_TRUE(game.timerEnabled(TimerId::Main));
    EXPECT_TRUE(game.view.isEnabled(Ctl::MapBtn));
    EXPECT_TRUE(game.view.isEnabled(Ctl::ViewWeatherWaterConditions1));
    EXPECT_EQ(game.view.caption, "Lurewick Professional - " + lake.LakeName + " - Mode: Practice");
    EXPECT_EQ(port.busyCursor, 0);
    EXPECT_GT(port.soundStops, 0);
    // Sawgrass has no depth file: the game says so and assigns depths.
    EXPECT_EQ(port.showed("Depth file not found. Assigning depths automatically."), std::string(name) == "Sawgrass");
    EXPECT_EQ(port.boxes.size(), std::string(name) == "Sawgrass" ? 1u : 0u);
  }
}

TEST_F(OpenLakeFlow, CancelChangesNothing) {
  game.tour.TournamentDay = 2;
  PickLakeClick(game);
  EXPECT_EQ(game.tour.TournamentDay, 2);
  EXPECT_TRUE(port.boxes.empty());
}

TEST_F(OpenLakeFlow, ALakeWithoutAFlagIsRefusedAfterItsMessage) {
  std::string example = "A\r\n\r\n\r\n30\r\nL\r\n1D4CF0\r\n";
  std::string row = "0";
  for (int c = 1; c < 200; ++c) row += ",0";
  for (int r = 0; r < 200; ++r) example += row + "\r\n";
  OpenLake(game, write("example.LAK", example));
  ASSERT_EQ(port.texts(),
            (std::vector<std::string>{"ERROR: Unable to find WEIGH-IN flag on lake!", kUnableToLoadLake}));
  EXPECT_TRUE(refused());
  EXPECT_EQ(port.busyCursor, 0);
}

TEST_F(OpenLakeFlow, UnplayableLakesAreRefusedCleanly) {
  CellGrid<std::uint8_t> lastColumnFlag = testdata::OpenLakeGrid();
  lastColumnFlag.at(50, 50) = 0;
  lastColumnFlag.at(199, 20) = 255;
  std::string changed = testdata::LakeText(testdata::OpenLakeGrid());
  changed.replace(changed.find("Test"), 4, "Best");
  const struct {
    const char* what;
    std::string lake;
    std::string depths;  // empty: no depth file
  } cases[] = {
      {"no species letter", testdata::LakeText(testdata::OpenLakeGrid(), "none"), ""},
      {"checksum does not match", changed, ""},
      {"flag in the last column", testdata::LakeText(lastColumnFlag), ""},
      {"depth file out of range", testdata::LakeText(testdata::OpenLakeGrid()), std::string(200, '9')},
      {"depth file too short", testdata::LakeText(testdata::OpenLakeGrid()), "1,2,3\r\n"},
  };
  int n = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    port.boxes.clear();
    const std::string base = "case" + std::to_string(n++);
    if (!c.depths.empty()) write(base + ".dpt", c.depths);
    OpenLake(game, write(base + ".LAK", c.lake));
    EXPECT_TRUE(refused());
    EXPECT_EQ(port.texts().back(), kUnableToLoadLake);
  }
}

TEST_F(OpenLakeFlow, WaypointsStayWithTheirOwnLakeWhateverOpensNext) {
  // Two lakes the player fished before, each with two waypoints on file.
  GpsState other;
  other.Waypoints[1] = Waypoint{3, 4, "Weed bed"};
  other.Waypoints[2] = Waypoint{5, 6, "Creek mouth"};
  const std::string otherBytes = EncodeWaypoints(other);
  ASSERT_EQ(otherBytes.size(), 120u);
  std::string badChecksum = testdata::LakeText(testdata::OpenLakeGrid());
  badChecksum.replace(badChecksum.find("Test"), 4, "Best");
  const struct {
    const char* what;
    std::string lake;
    std::string depths;
  } refusedLakes[] = {
      {"refused on reading", badChecksum, ""},
      {"refused after reading", testdata::LakeText(testdata::OpenLakeGrid()), std::string(200, '9')},
  };
  const std::string good = write("good.LAK", testdata::LakeText(testdata::OpenLakeGrid()));
  OpenLake(game, good);
  ASSERT_TRUE(game.view.lakeVisible);
  GpsState& gps = game.boat.gps;
  gps.Waypoints[1] = Waypoint{50, 50, "Flag"};
  gps.NextFreeWpt = 2;
  gps.Dirty = true;
  int n = 0;
  for (const auto& c : refusedLakes) {
    SCOPED_TRACE(c.what);
    const std::string base = "refused" + std::to_string(n++);
    port.boxes.clear();
    write(base + ".wpt", otherBytes);
    if (!c.depths.empty()) write(base + ".dpt", c.depths);
    OpenLake(game, write(base + ".LAK", c.lake));
    ASSERT_TRUE(refused());
    EXPECT_EQ(game.lake.LakeFilePath, good);
    EXPECT_EQ(gps.Waypoints[1].text, "Flag");
    EXPECT_EQ(gps.NextFreeWpt, 2);
    SaveWaypointFile(game);  // as quitting does
    EXPECT_EQ(ReadWholeFile(folder() + base + ".wpt"), otherBytes);
    EXPECT_EQ(ReadWholeFile(folder() + "good.wpt"), EncodeWaypoints(gps));
  }
  // A new waypoint, then another lake in the same run: the first lake keeps it.
  gps.Waypoints[2] = Waypoint{51, 50, "Point"};
  gps.NextFreeWpt = 3;
  gps.Dirty = true;
  const std::string expected = EncodeWaypoints(gps);
  OpenLake(game, write("second.LAK", testdata::LakeText(testdata::OpenLakeGrid())));
  ASSERT_TRUE(game.view.lakeVisible);
  EXPECT_EQ(ReadWholeFile(folder() + "good.wpt"), expected);
  EXPECT_EQ(gps.NextFreeWpt, 1);  // the second lake has none yet
}

TEST_F(OpenLakeFlow, ADepthFileOfZerosIsTakenAsItStands) {
  std::string zeros;
  std::string row = "0";
  for (int c = 1; c < 200; ++c) row += ",0";
  for (int r = 0; r < 200; ++r) zeros += row + "\r\n";
  write("Flat.DPT", zeros);
  OpenLake(game, write("Flat.LAK", testdata::LakeText(testdata::OpenLakeGrid())));
  EXPECT_TRUE(game.view.lakeVisible);
  EXPECT_EQ(*std::max_element(game.lake.DepthMap.cells.begin(), game.lake.DepthMap.cells.end()), 0);
  EXPECT_FALSE(port.showed("Depth file not found. Assigning depths automatically."));
}

TEST_F(OpenLakeFlow, SavedGamesAreKnownByTheirFileNameInAnyCase) {
  std::vector<std::string> handed;
  game.lake.hooks.LoadGame = [&handed](Game&, const std::string& path) {
    handed.push_back(path);
    return true;
  };
  for (const std::string name : {"Day2.SAV", "day2.sav", "old.Sav.backup"}) OpenLake(game, folder() + name);
  EXPECT_EQ(handed.size(), 3u);
  // A dotted folder name is no saved game.
  const std::string savage = folder() + "j.savage/";
  QDir().mkpath(QString::fromStdString(savage));
  testdata::WriteText(savage + "Pond.LAK", testdata::LakeText(testdata::OpenLakeGrid()));
  OpenLake(game, savage + "Pond.LAK");
  EXPECT_EQ(handed.size(), 3u);
  EXPECT_TRUE(game.view.lakeVisible);
  // Without saved-game code a saved game is refused, not half-loaded.
  game.lake.hooks.LoadGame = nullptr;
  OpenLake(game, folder() + "x.SAV");
  EXPECT_TRUE(refused());
}

struct PlaceBoatRules : OpenLakeFlow {
  CellGrid<std::uint8_t>& g = game.lake.LakeGrid;
  void flagAt(int c, int r) {
    g.fill(150);
    g.at(c, r) = 255;
    game.lake.WeighInCol = static_cast<std::uint8_t>(c);
    game.lake.WeighInRow = static_cast<std::uint8_t>(r);
  }
  CellPos boat() const { return {game.boat.BoatCol, game.boat.BoatRow}; }
};

TEST_F(PlaceBoatRules, TriesRightBelowLeftAboveAtEachDistance) {
  flagAt(100, 100);
  for (auto [c, r] : {std::pair{98, 100}, {100, 98}, {100, 102}}) g.at(c, r) = 0;
  ASSERT_TRUE(PlaceBoat(game));
  EXPECT_EQ(boat(), (CellPos{100, 102}));  // below wins at distance 2
  g.at(102, 100) = 0;
  ASSERT_TRUE(PlaceBoat(game));
  EXPECT_EQ(boat(), (CellPos{102, 100}));
  EXPECT_EQ(game.boat.BoatX, (102 - game.lakeView.leftCol()) * 32);
}

TEST_F(PlaceBoatRules, EdgesOfTheLake) {
  // Flag in the last column: right is skipped, below is taken.
  flagAt(199, 50);
  g.at(199, 51) = 0;
  ASSERT_TRUE(PlaceBoat(game));
  EXPECT_EQ(boat(), (CellPos{199, 51}));
  // Column 0 and row 0 are never used.
  flagAt(1, 1);
  g.at(0, 1) = 0;
  g.at(1, 0) = 0;
  game.boat.BoatCol = 7;
  EXPECT_FALSE(PlaceBoat(game));
  EXPECT_EQ(port.texts().back(), "ERROR: Cannot position boat!");
  EXPECT_EQ(game.boat.BoatCol, 7);
}

TEST_F(OpenLakeFlow, AFlagInRowZeroPutsTheViewAtTheTop) {
  CellGrid<std::uint8_t> g = testdata::OpenLakeGrid();
  g.at(50, 50) = 0;
  g.at(3, 0) = 255;
  OpenLake(game, write("top.LAK", testdata::LakeText(g)));
  EXPECT_EQ(game.lakeView.topRow(), 0);
  EXPECT_EQ(game.lakeView.leftCol(), 0);
  EXPECT_EQ(game.boat.BoatCol, 4);
  EXPECT_EQ(game.boat.BoatRow, 0);
}

}  // namespace
}  // namespace lwk
