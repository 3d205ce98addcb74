#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <limits>
#include <set>

#include "tournament/HandMadeSave.h"
#include "tournament/SavedGame.h"

namespace lwk {
namespace {

using ::testing::HasSubstr;

TEST(SavedGame, ReadsEveryFieldOfAHandMadeFile) {
  const HandMadeSave file;
  const SavedGameResult r = DecodeSavedGame(std::span<const std::uint8_t>(file.bytes));
  ASSERT_TRUE(r.ok()) << r.error;
  const SavedGame& g = *r.game;
  EXPECT_EQ(g.DayTimeLeft, 12345);
  EXPECT_EQ(g.BoatX, 320);
  EXPECT_EQ(g.BoatY, -16);
  EXPECT_EQ(g.BoatHeading, 7);
  EXPECT_EQ(g.SternProbeY, -3);
  EXPECT_EQ(g.ThrottleSetting, 20);
  EXPECT_EQ(g.StartThrottleSetting, 99);
  EXPECT_EQ(g.TrollSpeed, 0);
  EXPECT_EQ(g.BaitY, 200);
  EXPECT_TRUE(g.FishOn);
  EXPECT_EQ(g.FuelLevel, 100.0);
  EXPECT_EQ(g.TrollBatteryCharge, 75.0);
  EXPECT_EQ(g.MainBatteryCharge, 0.0);
  EXPECT_TRUE(g.DepthFinderOn);
  EXPECT_FALSE(g.LifeJacketOn);
  EXPECT_EQ(g.PrevTopRow, 20);
  EXPECT_EQ(g.ViewTopRow, 21);
  EXPECT_EQ(g.ViewLeftCol, -1);
  EXPECT_TRUE(g.OutboardOn);
  EXPECT_FALSE(g.PaddleOn);
  EXPECT_EQ(g.LakeName, "Lac \u00E9t\u00E9 \u20AC");
  EXPECT_EQ(g.LakeMapPath, "");
  EXPECT_EQ(g.LakeFilePath, std::string(65, 'p'));
  EXPECT_EQ(g.BoatCol, 199);
  EXPECT_EQ(g.BowRow, 1);
  EXPECT_EQ(g.BaitRow, 151);
  EXPECT_TRUE(g.AeratorOn);
  EXPECT_EQ(g.LiveWell[0].Weight, 5.25);
  EXPECT_EQ(g.LiveWell[1].Species, 2);
  EXPECT_FALSE(g.LiveWell[1].Alive);
  EXPECT_EQ(g.LiveWell[4].Species, 255);
  EXPECT_EQ(g.LiveWellCount, 3);
  EXPECT_EQ(g.RodSetups[0].Drawer, -1);
  EXPECT_EQ(g.RodSetups[4].Bait, 53);
  EXPECT_EQ(g.RodSetups[15].Drawer, 6);
  EXPECT_EQ(g.RodSetups[15].Color, 10);
  EXPECT_EQ(g.RodSetups[7].Spare, 1);
  EXPECT_EQ(g.CurrentRod, 4);
  EXPECT_EQ(g.CurrentDrawer, 4);
  EXPECT_EQ(g.CurrentBait, 53);
  EXPECT_EQ(g.CurrentColor, 29);
  EXPECT_EQ(g.PlayLevel, 3);
  EXPECT_EQ(g.RetreiveType, 4);
  EXPECT_TRUE(g.MainBatteryDeadShown);
  EXPECT_FALSE(g.RearCast);
  EXPECT_TRUE(g.StopGoPhase);
  EXPECT_EQ(g.GraphColumn, 63);
  EXPECT_EQ(g.GraphBottomY, 37);
  EXPECT_EQ(g.GraphFishCol, 101);
  EXPECT_EQ(g.GraphFishRow, 102);
  EXPECT_EQ(g.FormulaCastsLeft, 11);
  EXPECT_TRUE(g.CastInFlight);
  EXPECT_FALSE(g.FormulaSpent);
  EXPECT_TRUE(g.BoatStuck);
  EXPECT_TRUE(g.RetreiveStepDone);
  EXPECT_EQ(g.CastCount, 77);
  EXPECT_EQ(g.CitationCount, 2);
  EXPECT_EQ(g.StuckMode, 2);
  EXPECT_EQ(g.StrikingSlot, 5);
  EXPECT_TRUE(g.ClockRunning);
  EXPECT_TRUE(g.HourWarningGiven);
  EXPECT_EQ(g.TournamentDay, 2);
  EXPECT_EQ(g.LiveWellTotal, 10.75);
  EXPECT_EQ(g.DayExpenses, 153.5);
  EXPECT_EQ(g.PlayerDayWeight[2], 9.75);
  EXPECT_EQ(g.TournamentField[0].Name, "Angler 0");
  EXPECT_EQ(g.TournamentField[39].DayWeight[2], 39.5);
  EXPECT_EQ(g.TournamentField[40].Name, std::string(20, 'Z'));
  EXPECT_EQ(g.DayLunker[0].Weight, 3.0);
  EXPECT_EQ(g.DayLunker[2].Name, "Lunker 3");
  EXPECT_EQ(g.DayLunker[2].Weight, 5.0);
  EXPECT_EQ(g.AnglerName, "Jo M\u00FCller");
  EXPECT_EQ(g.AeratorTicks, 4000);
  EXPECT_EQ(g.LiveWellTicks, 6000);
  EXPECT_TRUE(g.LifeJacketWarned);
  EXPECT_EQ(g.BassCaught, 10);
  EXPECT_EQ(g.ShortFishCaught, 13);
  EXPECT_EQ(g.FishLost, 16);
  EXPECT_EQ(g.WeatherForecast[0].AirTemp, 40);
  EXPECT_EQ(g.WeatherForecast[1].WaterTemp, 83);
  EXPECT_EQ(g.WeatherForecast[1].WaterClarity, 2);
  EXPECT_EQ(g.WeatherForecast[2].WindDir, 5);
}

TEST(SavedGame, WritingWhatWasReadGivesTheSameBytesWithZeroAlignment) {
  const HandMadeSave file;
  const SavedGameResult r = DecodeSavedGame(std::span<const std::uint8_t>(file.bytes));
  ASSERT_TRUE(r.ok()) << r.error;
  const SavedGameBytes out = EncodeSavedGame(*r.game);
  const auto expected = file.meaningful();
  for (int at = 0; at < kSavedGameSize; ++at)
    ASSERT_EQ(out[at], expected[at]) << "offset " << at << (file.junk.count(at) ? " (junk)" : "");
}

TEST(SavedGame, TheLayoutCoversEveryByteOnceInOrder) {
  int next = 0;
  for (const SavedGameField& f : SavedGameLayout()) {
    ASSERT_EQ(f.offset, next) << f.name;
    next += f.size;
  }
  EXPECT_EQ(next, kSavedGameSize);
}

TEST(SavedGame, ANewRecordIsAValidSaveAndTextsAreFittedToTheirFields) {
  SavedGame g;
  g.LakeName = std::string(60, 'a') + "\u00E9\u00E9\u00E9\u00E9\u00E9\u00E9\u00E9";  // 67 characters, 74 bytes
  g.AnglerName = "\u6E56 Lake \u00C5ngler and more";                                 // a character outside Windows-1252
  g.DayLunker[2].Name = std::string(30, 'L');
  const SavedGameBytes bytes = EncodeSavedGame(g);
  EXPECT_EQ(bytes.size(), 2852u);
  EXPECT_EQ(bytes[95], 65);
  EXPECT_EQ(bytes[95 + 65], 0xE9);  // the last kept character is whole
  const SavedGameResult r = DecodeSavedGame(std::span<const std::uint8_t>(bytes));
  ASSERT_TRUE(r.ok()) << r.error;
  EXPECT_EQ(r.game->LakeName, std::string(60, 'a') + "\u00E9\u00E9\u00E9\u00E9\u00E9");
  EXPECT_EQ(r.game->AnglerName, "? Lake \u00C5ngler and mo");
  EXPECT_EQ(r.game->DayLunker[2].Name, std::string(20, 'L'));
  EXPECT_EQ(bytes[2769], 20);  // the packed third lunker did not run into AnglerName
}

TEST(SavedGame, OnlyExactly2852BytesAreASavedGame) {
  const HandMadeSave file;
  for (std::size_t size : {std::size_t{0}, std::size_t{2851}, std::size_t{2853}, std::size_t{5704}}) {
    std::vector<std::uint8_t> b = file.bytes;
    b.resize(size, 0);
    const SavedGameResult r = DecodeSavedGame(std::span<const std::uint8_t>(b));
    EXPECT_FALSE(r.ok()) << size;
    EXPECT_THAT(r.error, HasSubstr("2852 bytes")) << size;
  }
  std::string asText(file.bytes.begin(), file.bytes.end());
  EXPECT_TRUE(DecodeSavedGame(std::string_view(asText)).ok());
}

TEST(SavedGame, RefusesValuesTheGameCannotUse) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  struct Case {
    const char* field;  // expected in the error
    std::function<void(HandMadeSave&)> poke;
  };
  const Case cases[] = {
      {"DayTimeLeft", [](HandMadeSave& f) { f.i32(0, 28801); }},
      {"DayTimeLeft", [](HandMadeSave& f) { f.i32(0, -1); }},
      {"BoatX", [](HandMadeSave& f) { f.i32(4, std::numeric_limits<std::int32_t>::max()); }},
      {"BoatHeading", [](HandMadeSave& f) { f.i32(20, 8); }},
      {"ThrottleSetting", [](HandMadeSave& f) { f.i32(32, 21); }},
      {"TrollSpeed", [](HandMadeSave& f) { f.i32(40, 4); }},
      {"FishOn", [](HandMadeSave& f) { f.u8(52, 2); }},
      {"FuelLevel",
       [](HandMadeSave& f) {
         f.raw(54, {0x87, 0, 0, 0, 0, 0x4A});
       }},  // 101
      {"MainBatteryCharge",
       [](HandMadeSave& f) {
         f.raw(66, {0x81, 0, 0, 0, 0, 0x80});
       }},  // -1
      {"ViewTopRow", [](HandMadeSave& f) { f.i32(84, 200); }},
      {"LakeName", [](HandMadeSave& f) { f.u8(95, 66); }},
      {"LakeFilePath", [](HandMadeSave& f) { f.u8(227, 255); }},
      {"BoatCol", [](HandMadeSave& f) { f.u8(293, 200); }},
      {"BaitRow", [](HandMadeSave& f) { f.u8(300, 255); }},
      {"LiveWell[0].Weight", [nan](HandMadeSave& f) { f.f64(304, nan); }},
      {"LiveWell[1].Weight", [](HandMadeSave& f) { f.f64(316, -0.5); }},
      {"LiveWell[0].Species", [](HandMadeSave& f) { f.u8(312, 3); }},
      {"LiveWell[3]", [](HandMadeSave& f) { f.f64(340, 1.5); }},  // a weight in an empty place
      {"LiveWell[0]", [](HandMadeSave& f) { f.u8(312, 255); }},   // a weight with no bass
      {"LiveWellCount", [](HandMadeSave& f) { f.i32(364, 6); }},
      {"RodSetups[0].Drawer", [](HandMadeSave& f) { f.i32(368, 7); }},
      {"RodSetups[0]", [](HandMadeSave& f) { f.i32(368 + 4, 3); }},          // a bait with no drawer
      {"RodSetups[4]", [](HandMadeSave& f) { f.i32(368 + 64, 2); }},         // bait 53 is not a spoon
      {"RodSetups[15]", [](HandMadeSave& f) { f.i32(368 + 240 + 8, 11); }},  // jigs have 11 colours
      {"CurrentRod", [](HandMadeSave& f) { f.u8(624, 16); }},
      {"CurrentDrawer", [](HandMadeSave& f) { f.u8(625, 7); }},
      {"CurrentBait", [](HandMadeSave& f) { f.u8(625, 0); }},  // 53 is past crankbait 47
      {"CurrentColor",
       [](HandMadeSave& f) {
         f.raw(625, {3, 255, 11});
       }},                                                       // topwater has 11 colours
      {"CurrentBait", [](HandMadeSave& f) { f.u8(625, 255); }},  // a bait without a drawer
      {"PlayLevel", [](HandMadeSave& f) { f.u8(628, 4); }},
      {"RetreiveType", [](HandMadeSave& f) { f.u8(629, 5); }},
      {"FormulaCastsLeft", [](HandMadeSave& f) { f.u8(644, 12); }},
      {"CastCount", [](HandMadeSave& f) { f.i32(652, -1); }},
      {"StuckMode", [](HandMadeSave& f) { f.u8(660, 8); }},
      {"StrikingSlot", [](HandMadeSave& f) { f.u8(662, 6); }},
      {"TournamentDay", [](HandMadeSave& f) { f.u8(665, 3); }},
      {"DayExpenses", [inf](HandMadeSave& f) { f.f64(676, inf); }},
      {"PlayerDayWeight[1]", [](HandMadeSave& f) { f.f64(692, -1.0); }},
      {"TournamentField[40].Name", [](HandMadeSave& f) { f.u8(708 + 48 * 40, 21); }},
      {"TournamentField[3].DayWeight[0]", [nan](HandMadeSave& f) { f.f64(708 + 48 * 3 + 24, -nan); }},
      {"DayLunker[2].Name", [](HandMadeSave& f) { f.u8(2748, 21); }},
      {"AnglerName", [](HandMadeSave& f) { f.u8(2769, 200); }},
      {"LiveWellTicks", [](HandMadeSave& f) { f.i32(2796, std::numeric_limits<std::int32_t>::min()); }},
      {"WeatherForecast[0].AirTemp", [](HandMadeSave& f) { f.u8(2832, 39); }},
      {"WeatherForecast[1].WaterTemp", [](HandMadeSave& f) { f.u8(2839, 84); }},
      {"WeatherForecast[2].Sky", [](HandMadeSave& f) { f.u8(2846, 4); }},
      {"WeatherForecast[2].WindSpeed", [](HandMadeSave& f) { f.u8(2847, 0); }},
      {"WeatherForecast[2].WindDir", [](HandMadeSave& f) { f.u8(2848, 8); }},
      {"WeatherForecast[2].WaterClarity", [](HandMadeSave& f) { f.u8(2849, 3); }},
  };
  for (const Case& c : cases) {
    HandMadeSave file;
    c.poke(file);
    const SavedGameResult r = DecodeSavedGame(std::span<const std::uint8_t>(file.bytes));
    EXPECT_FALSE(r.ok()) << c.field;
    EXPECT_THAT(r.error, HasSubstr(c.field));
  }
}

TEST(SavedGame, TheLakePathIsStoredRelativeToTheGameFolderOrWhole) {
  const std::string game = "/home/jo/Lurewick";
  const std::string longFolder = "/home/jo/" + std::string(60, 'f');
  struct Case {
    std::string lake;
    std::optional<std::string> stored;
  };
  const Case cases[] = {
      {game + "/Pine.LAK", "Pine.LAK"},
      {game + "/lakes/../Pine.LAK", "Pine.LAK"},
      {game + "/more/Deep.LAK", "more/Deep.LAK"},
      {game + "/" + std::string(70, 'x') + ".LAK", std::nullopt},  // too long even inside
      {"/home/j.doe/lakes/Pine.LAK", "/home/j.doe/lakes/Pine.LAK"},
      {"/home/jo/Lurewick2/Pine.LAK", "/home/jo/Lurewick2/Pine.LAK"},  // a sibling folder is outside
      {longFolder + "/Pine.LAK", std::nullopt},
      {"/home/jo/\u6E56/Pine.LAK", std::nullopt},  // would come back as "?"
      {"/home/jo/\u00C5s/Pine.LAK", "/home/jo/\u00C5s/Pine.LAK"},
  };
  for (const Case& c : cases) {
    const auto stored = StoredLakePath(c.lake, game);
    EXPECT_EQ(stored, c.stored) << c.lake;
    if (stored) {
      EXPECT_EQ(LakePathFromStored(*stored, game), std::filesystem::path(c.lake).lexically_normal().string());
    }
  }
  EXPECT_EQ(StoredLakePath(game + "/Pine.LAK", game + "/"), "Pine.LAK");
}

}  // namespace
}  // namespace lwk
