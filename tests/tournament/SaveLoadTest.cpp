// Saving the running tournament and continuing it: the file written from the
// game, the game brought back from the file, and what is refused.

#include <signal.h>
#include <sys/resource.h>

#include <QDir>
#include <QFile>
#include <algorithm>

#include "fishing/Tackle.h"
#include "lake/LakeTestData.h"
#include "lake/OpenLake.h"
#include "tournament/HandMadeSave.h"
#include "tournament/Livewell.h"
#include "tournament/SaveGame.h"
#include "tournament/TournamentFixture.h"

namespace lwk {
namespace {

constexpr const char* kDepthNotice = "Depth file not found. Assigning depths automatically.";

struct SaveLoad : TournamentLake {
  std::string lakePath;

  void SetUp() override {
    TournamentLake::SetUp();
    // The fixture's lake as a file in the game folder, with no depth file.
    lakePath = g.GameFolder + "Pond.LAK";
    testdata::WriteText(lakePath, testdata::LakeText(g.lake.LakeGrid, "LSB", "Test Pond"));
    g.lake.LakeFilePath = lakePath;
    g.EnableGameControls(true);
  }
  std::string path(const std::string& name) const { return g.GameFolder + name; }
  void putFish(double weight, std::uint8_t species = 0) {
    TournamentState& t = g.tour;
    t.LiveWell[static_cast<size_t>(t.LiveWellCount)] = {weight, species, true};
    ++t.LiveWellCount;
    SortLiveWell(g);
  }
  // The save button, with the file dialog answered by name.
  void save(const std::string& name) {
    port.saveFiles.push_back(path(name));
    SaveGame(g);
  }
  // The lake-selection flow with the file chosen.
  void open(const std::string& name) {
    port.boxes.clear();
    port.beeps = 0;
    OpenLake(g, path(name));
  }
  // The game's state as a saved game would hold it.
  SavedGameBytes snapshot() const { return EncodeSavedGame(SavedGameFromGame(g, "Pond.LAK")); }
  std::string bytesOf(const std::string& name) const { return ReadWholeFile(path(name)).value_or("<missing>"); }
  void writeBytes(const std::string& name, const std::string& bytes) {
    QFile f(QString::fromStdString(path(name)));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes.data(), static_cast<qint64>(bytes.size()));
  }
  // Controls off, the title picture, no clock: a game that cannot be played.
  bool notPlayable() const {
    return !g.view.lakeVisible && !g.timerEnabled(TimerId::Main) && !g.view.isEnabled(Ctl::OutBtn) &&
           !g.view.isEnabled(Ctl::SaveGameBtn) && !g.view.isEnabled(Ctl::ViewWeatherWaterConditions1);
  }
};

TEST_F(SaveLoad, ADayTwoTournamentComesBackAsItWasWithFreshFish) {
  // Day one ends with a bass weighed in; day two runs with two in the well.
  putFish(3.25);
  EndDay(g);
  ASSERT_EQ(g.tour.TournamentDay, 1);
  putFish(2.5, 1);
  putFish(4.75);
  g.tour.ClockRunning = true;
  g.tour.DayTimeLeft = 3000;  // under an hour, the warning not given yet
  g.tour.stats.CastCount = 17;
  g.boat.FuelLevel = 61.5;
  const TournamentState before = g.tour;
  const auto fishBefore = g.lake.FishSlots.cells;
  const Forecast forecast = g.lake.WeatherForecast;
  const int boatX = g.boat.BoatX, boatY = g.boat.BoatY, heading = g.boat.BoatHeading;
  const int leftCol = g.lakeView.leftCol(), topRow = g.lakeView.topRow();
  save("Day2.SAV");
  EXPECT_EQ(bytesOf("Day2.SAV").size(), static_cast<size_t>(kSavedGameSize));
  EXPECT_TRUE(port.boxes.empty());
  EXPECT_TRUE(g.timerEnabled(TimerId::Main));

  port.topNotes.clear();
  open("Day2.SAV");
  const TournamentState& t = g.tour;
  EXPECT_EQ(t.TournamentDay, 1);
  EXPECT_EQ(g.view.status[1], ClockText(3000));
  EXPECT_EQ(g.view.caption, "Lurewick Professional - Test Pond - Mode: Novice  DAY 2");
  EXPECT_EQ(t.LiveWellCount, 2);
  EXPECT_EQ(t.LiveWell[0].Weight, 4.75);
  EXPECT_EQ(t.LiveWell[1].Weight, 2.5);
  EXPECT_EQ(t.LiveWell[1].Species, 1);
  EXPECT_DOUBLE_EQ(t.LiveWellTotal, 7.25);
  EXPECT_EQ(t.TotalWeightCaption, "7.25");
  EXPECT_EQ(t.PlayerDayWeight, before.PlayerDayWeight);
  EXPECT_GT(t.PlayerDayWeight[0], 0.0);
  for (size_t k = 0; k <= kPlayerRow; ++k) {
    EXPECT_EQ(t.TournamentField[k].Name, before.TournamentField[k].Name);
    EXPECT_EQ(t.TournamentField[k].DayWeight, before.TournamentField[k].DayWeight);
  }
  EXPECT_EQ(t.DayLunker[0].Name, before.DayLunker[0].Name);
  EXPECT_EQ(t.DayLunker[0].Weight, before.DayLunker[0].Weight);
  EXPECT_EQ(t.stats.CastCount, 17);
  EXPECT_EQ(t.AnglerName, "Casey Brook");
  EXPECT_DOUBLE_EQ(g.boat.FuelLevel, 61.5);
  // The boat where it was, on the same view.
  EXPECT_EQ(g.lakeView.leftCol(), leftCol);
  EXPECT_EQ(g.lakeView.topRow(), topRow);
  EXPECT_EQ(g.boat.BoatX, boatX);
  EXPECT_EQ(g.boat.BoatY, boatY);
  EXPECT_EQ(g.boat.BoatHeading, heading);
  // New fish; the depths computed, as the lake has no depth file.
  EXPECT_NE(g.lake.FishSlots.cells, fishBefore);
  EXPECT_TRUE(port.showed(kDepthNotice));
  EXPECT_GT(*std::max_element(g.lake.DepthMap.cells.begin(), g.lake.DepthMap.cells.end()), 0);
  // Playing: controls on (the weigh-in too), today's weather, the clock.
  EXPECT_TRUE(g.view.lakeVisible);
  EXPECT_FALSE(g.LakeLoading);
  EXPECT_TRUE(g.view.isEnabled(Ctl::WeighInBtn));
  EXPECT_TRUE(g.view.isEnabled(Ctl::ViewWeatherWaterConditions1));
  EXPECT_EQ(g.lake.TodayWeather, g.lake.WeatherForecast[1]);
  EXPECT_EQ(g.lake.WeatherForecast, forecast);
  EXPECT_TRUE(g.timerEnabled(TimerId::Main));
  // The hour warning comes with the first game second, not inside the load.
  EXPECT_TRUE(port.topNotes.empty());
  seconds(1);
  EXPECT_EQ(port.topNotes.size(), 1u);
  EXPECT_TRUE(port.neverInterruptedWithTimer());
}

TEST_F(SaveLoad, AHandMadeFileLoadsIntoTheGameAndSavesAsTheSameBytes) {
  // The file made by hand from the offset table, its boat and view where the
  // fixture's lake has them, no motor running, no cast under way, and its two
  // empty livewell places not alive (the game keeps an empty place empty).
  placeBoat(30, 32, 2);
  const BoatState& b = g.boat;
  HandMadeSave file;
  for (const auto& [at, v] : {std::pair{4, b.BoatX},
                              {8, b.BoatY},
                              {12, b.BowProbeX},
                              {16, b.BowProbeY},
                              {20, b.BoatHeading},
                              {24, b.SternProbeX},
                              {28, b.SternProbeY},
                              {32, 0},
                              {76, g.PrevLeftCol},
                              {80, g.PrevTopRow},
                              {84, g.lakeView.topRow()},
                              {88, g.lakeView.leftCol()}})
    file.i32(at, v);
  for (const auto& [at, v] : {std::pair{52, 0},
                              {72, 0},
                              {94, 0},
                              {293, b.BoatCol},
                              {294, b.BoatRow},
                              {295, b.BowCol},
                              {296, b.BowRow},
                              {297, b.SternCol},
                              {298, b.SternRow},
                              {645, 0},
                              {648, 0},
                              {349, 0},
                              {361, 0}})
    file.u8(at, static_cast<std::uint8_t>(v));
  file.text(95, 66, "Test Pond");
  file.text(227, 66, "Pond.LAK");
  writeBytes("Hand.SAV", std::string(file.bytes.begin(), file.bytes.end()));

  open("Hand.SAV");
  ASSERT_TRUE(g.view.lakeVisible);
  const TournamentState& t = g.tour;
  EXPECT_EQ(t.DayTimeLeft, 12345);
  EXPECT_EQ(t.TournamentDay, 2);
  EXPECT_EQ(g.prefs.PlayLevel, Professional);
  EXPECT_EQ(t.LiveWellCount, 3);
  EXPECT_EQ(t.LiveWell[1].Weight, 3.5);
  EXPECT_EQ(t.LiveWell[1].Species, 2);
  EXPECT_FALSE(t.LiveWell[1].Alive);
  EXPECT_EQ(t.TournamentField[7].Name, "Angler 7");
  EXPECT_EQ(t.AnglerName, "Jo M\u00fcller");
  EXPECT_EQ(t.stats.CastCount, 77);
  EXPECT_DOUBLE_EQ(g.boat.TrollBatteryCharge, 75);
  EXPECT_EQ(g.fishing.CurrentBait, 53);
  EXPECT_EQ(g.fishing.RetreiveType, 4);
  EXPECT_EQ(g.boat.BoatX, b.BoatX);

  // Saved again: the same bytes, but for the alignment, the throttle at
  // program start (never read), the tick counters and the map path, which
  // comes from the reread lake.
  save("Again.SAV");
  const std::string again = bytesOf("Again.SAV");
  ASSERT_EQ(again.size(), static_cast<size_t>(kSavedGameSize));
  const std::vector<std::uint8_t> expected = file.meaningful();
  std::vector<int> differ;
  for (int at = 0; at < kSavedGameSize; ++at) {
    const bool free = (at >= 36 && at < 40) || (at >= 2792 && at < 2800) || (at >= 161 && at < 227);
    if (!free && static_cast<std::uint8_t>(again[static_cast<size_t>(at)]) != expected[static_cast<size_t>(at)])
      differ.push_back(at);
  }
  std::string where;
  for (int at : differ) where += " " + std::to_string(at);
  EXPECT_TRUE(differ.empty()) << "bytes that differ:" << where;
}

TEST_F(SaveLoad, TheSavedLevelComesBackWithItsClockAndCaption) {
  g.prefs.PlayLevel = Practice;
  g.tour.DayTimeLeft = 12345;
  save("Practice.SAV");
  g.prefs.PlayLevel = Professional;
  g.view.status[1] = "05:00:00";  // the clock of the game played before
  open("Practice.SAV");
  EXPECT_EQ(g.prefs.PlayLevel, Practice);
  EXPECT_EQ(g.view.status[1], "");
  EXPECT_EQ(g.view.caption, "Lurewick Professional - Test Pond - Mode: Practice");
  EXPECT_FALSE(g.view.isEnabled(Ctl::WeighInBtn));
  EXPECT_TRUE(g.view.isEnabled(Ctl::SaveGameBtn));
}

TEST_F(SaveLoad, TheTackleInUseAndTheRodsComeBackFromTheFile) {
  g.prefs.RodSetups[3] = {2, 5, 4, 1};
  g.prefs.RodSetups[7] = {9, 99, 99, 1};  // a hand-edited LWK.INI: no bait of the catalogue
  g.fishing.CurrentRod = 3;
  g.fishing.CurrentDrawer = 2;
  g.fishing.CurrentBait = 5;
  g.fishing.CurrentColor = 4;
  g.fishing.RetreiveType = 3;
  save("Rigged.SAV");
  g.prefs.RodSetups = {};
  open("Rigged.SAV");
  EXPECT_EQ(g.prefs.RodSetups[3].bait, 5);
  EXPECT_EQ(g.prefs.RodSetups[7].drawer, -1);
  EXPECT_EQ(g.fishing.CurrentRod, 3);
  EXPECT_EQ(g.fishing.RodBoxRow, 4);
  EXPECT_EQ(g.view.rodInUse, g.fishing.RodList[4][0]);
  EXPECT_EQ(g.view.baitInUse, BaitName(2, 5));
  EXPECT_EQ(g.view.colorInUse, ColorName(2, 4));
  EXPECT_EQ(g.view.retreiveInUse, "Rippin");
  // No rod in use: the rod box on its first row, nothing shown.
  g.fishing.CurrentRod = g.fishing.CurrentDrawer = g.fishing.CurrentBait = g.fishing.CurrentColor = kNoTackle;
  save("Bare.SAV");
  open("Bare.SAV");
  EXPECT_EQ(g.fishing.RodBoxRow, 1);
  EXPECT_EQ(g.view.rodInUse, "NONE SELECTED");
  EXPECT_EQ(g.view.baitInUse, "NONE");
  EXPECT_EQ(g.view.colorInUse, "NONE");
}

TEST_F(SaveLoad, AGameSavedDuringAFightLoadsWithNoCastRunning) {
  placeBoat(30, 32, 2);
  FishingState& f = g.fishing;
  f.FishOn = f.CastInFlight = f.RetreiveStepDone = true;
  f.BaitCol = 33;
  f.BaitRow = 28;
  f.StrikingSlot = 4;
  f.StopGoPhase = true;
  // The fish formula in effect, seven casts to go.
  f.FormulaSpent = false;
  f.FormulaCastsLeft = 7;
  save("Fight.SAV");
  const std::string bytes = bytesOf("Fight.SAV");
  // Kept in the file as they were.
  EXPECT_EQ(bytes[52], 1);
  EXPECT_EQ(bytes[645], 1);
  EXPECT_EQ(bytes[648], 1);
  open("Fight.SAV");
  EXPECT_FALSE(f.FishOn);
  EXPECT_FALSE(f.CastInFlight);
  EXPECT_FALSE(f.RetreiveStepDone);
  EXPECT_FALSE(f.LineDrawn);
  EXPECT_TRUE(f.LakeViewEnabled);
  EXPECT_EQ(f.BaitCol, 33);
  EXPECT_EQ(f.BaitRow, 28);
  EXPECT_EQ(f.StrikingSlot, 4);
  EXPECT_TRUE(f.StopGoPhase);
  EXPECT_FALSE(f.FormulaSpent);
  EXPECT_EQ(f.FormulaCastsLeft, 7);
  EXPECT_TRUE(g.view.fishFormGlyphOn);
  EXPECT_TRUE(g.view.lakeVisible);
  // The boat answers the keys again.
  g.boat.PaddleOn = true;
  const int x = g.boat.BoatX;
  FormKeyDown(g, g.DirectionKeys[2], 0);  // right
  EXPECT_NE(g.boat.BoatX, x);
}

TEST_F(SaveLoad, KeysPressedWhileTheGameLoadsLeaveTheSavedGameAsItWas) {
  // Saved with the trolling motor down: a key would move the boat.
  placeBoat(30, 32, 2);
  g.boat.TrollingOn = true;
  g.boat.TrollSpeed = 2;
  g.boat.LifeJacketOn = true;
  g.tour.ClockRunning = true;
  g.tour.DayTimeLeft = 9000;
  save("Trolling.SAV");
  const int x = g.boat.BoatX, y = g.boat.BoatY;
  // The player presses keys while the day banner of the load is up: a move,
  // Alt+S (no save of a half-loaded game), and the paddle's key again.
  int presses = 0;
  port.duringWait = [&] {
    if (!g.LakeLoading || presses > 3) return;
    ++presses;
    port.saveFiles.push_back(path("HalfLoaded.SAV"));
    FormKeyDown(g, g.DirectionKeys[2], 0);
    FormKeyDown(g, Qt::Key_S, kShiftAlt);
  };
  open("Trolling.SAV");
  port.duringWait = nullptr;
  EXPECT_GT(presses, 0);
  EXPECT_TRUE(g.view.lakeVisible);
  EXPECT_FALSE(g.LakeLoading);
  EXPECT_EQ(g.boat.BoatX, x);
  EXPECT_EQ(g.boat.BoatY, y);
  EXPECT_EQ(g.tour.DayTimeLeft, 9000);
  EXPECT_FALSE(QFile::exists(QString::fromStdString(path("HalfLoaded.SAV"))));
  // Loaded, the boat answers the keys again.
  FormKeyDown(g, g.DirectionKeys[2], 0);
  EXPECT_NE(g.boat.BoatX, x);
}

TEST_F(SaveLoad, AMissingLakeRefusesTheSavedGameWithItsOwnMessage) {
  save("Gone.SAV");
  ASSERT_TRUE(QFile::remove(QString::fromStdString(lakePath)));
  open("Gone.SAV");
  EXPECT_EQ(port.texts(), std::vector<std::string>{kUnableToLoadSavedGame});
  EXPECT_TRUE(notPlayable());
}

TEST_F(SaveLoad, ABrokenFileIsRefusedAndChangesNothing) {
  save("Good.SAV");
  const std::string good = bytesOf("Good.SAV");
  ASSERT_EQ(good.size(), static_cast<size_t>(kSavedGameSize));
  std::string outOfRange = good;
  outOfRange[665] = 3;  // TournamentDay: a fourth day
  std::string badSpecies = good;
  badSpecies[304 + 8] = 7;  // a livewell place holding no known bass
  const struct {
    const char* what;
    std::string bytes;
  } cases[] = {{"short", good.substr(0, good.size() - 1)},
               {"long", good + '\0'},
               {"empty", ""},
               {"a value out of range", outOfRange},
               {"a place without a bass", badSpecies}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    writeBytes("Bad.SAV", c.bytes);
    // Straight to the loader: the game is left exactly as it was.
    g.tour.DayTimeLeft = 9999;
    const SavedGameBytes before = snapshot();
    port.boxes.clear();
    EXPECT_FALSE(LoadGame(g, path("Bad.SAV")));
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(port.texts(), std::vector<std::string>{kUnableToLoadSavedGameFile});
    // Through the lake selection: the reset game stays, and one message.
    open("Bad.SAV");
    EXPECT_EQ(port.texts(), std::vector<std::string>{kUnableToLoadSavedGameFile});
    EXPECT_EQ(port.beeps, 1);
    EXPECT_TRUE(notPlayable());
    EXPECT_EQ(g.tour.DayTimeLeft, kDaySeconds);
    EXPECT_EQ(g.lake.LakeFilePath, lakePath);
    EXPECT_EQ(bytesOf("Bad.SAV"), c.bytes);
    // The good file still plays.
    open("Good.SAV");
    EXPECT_TRUE(g.view.lakeVisible);
  }
}

TEST_F(SaveLoad, AltSSavesOnlyWhileTheSaveButtonIsEnabled) {
  g.EnableGameControls(false);
  port.saveFiles.push_back(path("Keys.SAV"));
  FormKeyDown(g, Qt::Key_S, kShiftAlt);
  FormKeyDown(g, Qt::Key_B, kShiftAlt);
  EXPECT_EQ(port.saveFiles.size(), 1u);  // no dialog
  EXPECT_TRUE(port.boxes.empty());       // no "select a rod" either
  g.EnableGameControls(true);
  FormKeyDown(g, Qt::Key_S, kShiftAlt);
  EXPECT_TRUE(port.saveFiles.empty());
  EXPECT_EQ(bytesOf("Keys.SAV").size(), static_cast<size_t>(kSavedGameSize));
}

TEST_F(SaveLoad, AFailedSaveSaysSoAndKeepsTheOlderFile) {
  writeBytes("Old.SAV", "an older saved game");
  // The folder is missing.
  save("nowhere/New.SAV");
  EXPECT_EQ(port.texts(), std::vector<std::string>{CreatingSavedGameError(path("nowhere/New.SAV"))});
  EXPECT_EQ(port.beeps, 1);
  EXPECT_TRUE(g.timerEnabled(TimerId::Main));
  // The disk takes only part of the file: the older file stays whole.
  port.boxes.clear();
  {
    const auto oldHandler = signal(SIGXFSZ, SIG_IGN);
    rlimit before{};
    getrlimit(RLIMIT_FSIZE, &before);
    rlimit small = before;
    small.rlim_cur = 1000;
    setrlimit(RLIMIT_FSIZE, &small);
    save("Old.SAV");
    setrlimit(RLIMIT_FSIZE, &before);
    signal(SIGXFSZ, oldHandler);
  }
  EXPECT_EQ(port.texts(), std::vector<std::string>{CreatingSavedGameError(path("Old.SAV"))});
  EXPECT_EQ(bytesOf("Old.SAV"), "an older saved game");
  // A lake outside the game folder whose path does not fit the file: refused
  // before anything is written.
  QTemporaryDir other;
  const std::string far = other.path().toStdString() + "/" + std::string(70, 'x') + ".LAK";
  ASSERT_TRUE(QFile::copy(QString::fromStdString(lakePath), QString::fromStdString(far)));
  g.lake.LakeFilePath = far;
  port.boxes.clear();
  save("Old.SAV");
  EXPECT_EQ(port.texts(), std::vector<std::string>{CreatingSavedGameError(path("Old.SAV"))});
  EXPECT_EQ(bytesOf("Old.SAV"), "an older saved game");
  // One that fits is stored whole and found again.
  const std::string near = other.path().toStdString() + "/Far.LAK";
  ASSERT_TRUE(QFile::copy(QString::fromStdString(lakePath), QString::fromStdString(near)));
  ASSERT_LE(near.size(), 65u);
  g.lake.LakeFilePath = near;
  save("Old.SAV");
  open("Old.SAV");
  EXPECT_TRUE(g.view.lakeVisible);
  EXPECT_EQ(g.lake.LakeFilePath, near);
  EXPECT_EQ(g.lake.LakeMapPath, LakeMapPathFor(near));
}

}  // namespace
}  // namespace lwk
