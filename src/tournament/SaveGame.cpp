#include "tournament/SaveGame.h"

#include <algorithm>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "boat/DepthFinder.h"
#include "boat/Motors.h"
#include "fishing/Tackle.h"
#include "lake/BoatSprite.h"
#include "lake/Depths.h"
#include "lake/LakeFile.h"
#include "lake/LakeViewRules.h"
#include "lake/Stocking.h"
#include "shell/Files.h"
#include "shell/Game.h"
#include "tournament/Clock.h"
#include "tournament/Livewell.h"

namespace lwk {

namespace {

std::uint8_t Byte(int v) {
  return static_cast<std::uint8_t>(std::clamp(v, 0, 255));
}

bool IsNone(int v) {
  return v == kNoTackle;
}

}  // namespace

std::string CreatingSavedGameError(const std::string& path) {
  return "ERROR: Creating Saved Game File:\r\r" + path;
}

// The two functions below mirror each other field by field; what one writes
// the other reads back.
SavedGame SavedGameFromGame(const Game& g, const std::string& storedLakePath) {
  const BoatState& b = g.boat;
  const FishingState& f = g.fishing;
  const TournamentState& t = g.tour;
  SavedGame s;
  s.DayTimeLeft = t.DayTimeLeft;
  s.BoatX = b.BoatX;
  s.BoatY = b.BoatY;
  s.BowProbeX = b.BowProbeX;
  s.BowProbeY = b.BowProbeY;
  s.BoatHeading = b.BoatHeading;
  s.SternProbeX = b.SternProbeX;
  s.SternProbeY = b.SternProbeY;
  s.ThrottleSetting = b.ThrottleSetting;
  s.StartThrottleSetting = 0;
  s.TrollSpeed = b.TrollSpeed;
  s.FishOn = f.FishOn;
  s.FuelLevel = b.FuelLevel;
  s.TrollBatteryCharge = b.TrollBatteryCharge;
  s.MainBatteryCharge = b.MainBatteryCharge;
  s.DepthFinderOn = b.DepthFinderOn;
  s.LifeJacketOn = b.LifeJacketOn;
  s.PrevLeftCol = g.PrevLeftCol;
  s.PrevTopRow = g.PrevTopRow;
  s.ViewTopRow = g.lakeView.topRow();
  s.ViewLeftCol = g.lakeView.leftCol();
  s.TrollingOn = b.TrollingOn;
  s.PaddleOn = b.PaddleOn;
  s.OutboardOn = b.OutboardOn;
  s.LakeName = g.lake.LakeName;
  // The map path is never read back (it follows the lake); it is kept in the
  // same form as the lake's, or left empty rather than cut.
  s.LakeMapPath = StoredLakePath(g.lake.LakeMapPath, g.GameFolder).value_or("");
  s.LakeFilePath = storedLakePath;
  s.BoatCol = b.BoatCol;
  s.BoatRow = b.BoatRow;
  s.BowCol = b.BowCol;
  s.BowRow = b.BowRow;
  s.SternCol = b.SternCol;
  s.SternRow = b.SternRow;
  s.AeratorOn = t.AeratorOn;
  for (std::size_t i = 0; i < s.LiveWell.size(); ++i) {
    const LiveWellSlot& slot = t.LiveWell[i];
    s.LiveWell[i] = {slot.Weight, slot.Species, slot.Alive};
    if (slot.Weight <= 0.0 || slot.Species > 2) s.LiveWell[i] = {};
  }
  s.LiveWellCount = t.LiveWellCount;
  for (std::size_t i = 0; i < s.RodSetups.size(); ++i) {
    const RodSetup& r = g.prefs.RodSetups[i];
    // A rod whose setup names no bait of the catalogue (a hand-edited
    // LWK.INI) carries no bait, and is saved so.
    if (RodHasBait(r))
      s.RodSetups[i] = {r.drawer, r.bait, r.color, Byte(r.spare)};
    else
      s.RodSetups[i] = {-1, -1, -1, Byte(r.spare)};
  }
  s.CurrentRod = Byte(f.CurrentRod);
  s.CurrentDrawer = Byte(f.CurrentDrawer);
  s.CurrentBait = IsNone(f.CurrentDrawer) ? Byte(kNoTackle) : Byte(f.CurrentBait);
  s.CurrentColor = IsNone(f.CurrentDrawer) ? Byte(kNoTackle) : Byte(f.CurrentColor);
  s.PlayLevel = g.prefs.PlayLevel;
  s.RetreiveType = Byte(f.RetreiveType);
  s.MainBatteryDeadShown = b.MainBatteryDead;
  s.GraphColumn = Byte(b.depth.WriteCol);
  s.GraphBottomY = Byte(b.depth.BottomY);
  s.GraphFishCol = b.depth.LastFishCol;
  s.GraphFishRow = b.depth.LastFishRow;
  s.BaitX = f.BaitX;
  s.BaitY = f.BaitY;
  s.BaitCol = f.BaitCol;
  s.BaitRow = f.BaitRow;
  s.RearCast = f.RearCast;
  s.StopGoPhase = f.StopGoPhase;
  s.FormulaCastsLeft = Byte(f.FormulaCastsLeft);
  s.CastInFlight = f.CastInFlight;
  s.FormulaSpent = f.FormulaSpent;
  s.RetreiveStepDone = f.RetreiveStepDone;
  s.StrikingSlot = f.StrikingSlot;
  s.BoatStuck = b.BoatStuck;
  s.CastCount = t.stats.CastCount;
  s.CitationCount = b.CitationCount;
  s.StuckMode = Byte(b.StuckMode);
  s.ClockRunning = t.ClockRunning;
  s.HourWarningGiven = t.HourWarningGiven;
  s.TournamentDay = Byte(std::min(t.TournamentDay, kTournamentDays - 1));
  s.LiveWellTotal = t.LiveWellTotal;
  s.DayExpenses = b.DayExpenses;
  s.PlayerDayWeight = t.PlayerDayWeight;
  for (std::size_t k = 0; k < s.TournamentField.size(); ++k)
    s.TournamentField[k] = {t.TournamentField[k].Name, t.TournamentField[k].DayWeight};
  for (std::size_t d = 0; d < s.DayLunker.size(); ++d) s.DayLunker[d] = {t.DayLunker[d].Weight, t.DayLunker[d].Name};
  s.AnglerName = t.AnglerName;
  s.AeratorTicks = t.AeratorTicks;
  s.LiveWellTicks = t.LiveWellTicks;
  s.LifeJacketWarned = b.LifeJacketWarned;
  s.BassCaught = t.stats.BassCaught;
  s.BassCulled = t.stats.BassCulled;
  s.NonBassCaught = t.stats.NonBassCaught;
  s.ShortFishCaught = t.stats.ShortFishCaught;
  s.LinesBroken = t.stats.LinesBroken;
  s.StrikesMissed = t.stats.StrikesMissed;
  s.FishLost = t.stats.FishLost;
  s.WeatherForecast = g.lake.WeatherForecast;
  return s;
}

void ApplySavedGame(Game& g, const SavedGame& s) {
  BoatState& b = g.boat;
  FishingState& f = g.fishing;
  TournamentState& t = g.tour;
  t.DayTimeLeft = s.DayTimeLeft;
  b.BoatX = s.BoatX;
  b.BoatY = s.BoatY;
  b.BowProbeX = s.BowProbeX;
  b.BowProbeY = s.BowProbeY;
  b.BoatHeading = s.BoatHeading;
  b.SternProbeX = s.SternProbeX;
  b.SternProbeY = s.SternProbeY;
  b.ThrottleSetting = s.ThrottleSetting;
  b.TrollSpeed = s.TrollSpeed;
  b.FuelLevel = s.FuelLevel;
  b.TrollBatteryCharge = s.TrollBatteryCharge;
  b.MainBatteryCharge = s.MainBatteryCharge;
  b.DepthFinderOn = s.DepthFinderOn;
  b.LifeJacketOn = s.LifeJacketOn;
  g.PrevLeftCol = s.PrevLeftCol;
  g.PrevTopRow = s.PrevTopRow;
  b.TrollingOn = s.TrollingOn;
  b.PaddleOn = s.PaddleOn;
  b.OutboardOn = s.OutboardOn;
  b.BoatCol = s.BoatCol;
  b.BoatRow = s.BoatRow;
  b.BowCol = s.BowCol;
  b.BowRow = s.BowRow;
  b.SternCol = s.SternCol;
  b.SternRow = s.SternRow;
  t.AeratorOn = s.AeratorOn;
  for (std::size_t i = 0; i < s.LiveWell.size(); ++i)
    t.LiveWell[i] = {s.LiveWell[i].Weight, s.LiveWell[i].Species, s.LiveWell[i].Alive};
  t.LiveWellCount = s.LiveWellCount;
  for (std::size_t i = 0; i < s.RodSetups.size(); ++i) {
    const SavedRodSetup& r = s.RodSetups[i];
    g.prefs.RodSetups[i] = {r.Drawer, r.Bait, r.Color, r.Spare};
  }
  f.CurrentRod = s.CurrentRod;
  f.CurrentDrawer = s.CurrentDrawer;
  f.CurrentBait = s.CurrentBait;
  f.CurrentColor = s.CurrentColor;
  g.prefs.PlayLevel = s.PlayLevel;
  f.RetreiveType = s.RetreiveType;
  b.MainBatteryDead = s.MainBatteryDeadShown;
  b.depth.WriteCol = s.GraphColumn;
  b.depth.BottomY = s.GraphBottomY;
  b.depth.LastFishCol = s.GraphFishCol;
  b.depth.LastFishRow = s.GraphFishRow;
  f.BaitX = s.BaitX;
  f.BaitY = s.BaitY;
  f.BaitCol = s.BaitCol;
  f.BaitRow = s.BaitRow;
  f.RearCast = s.RearCast;
  f.StopGoPhase = s.StopGoPhase;
  f.FormulaCastsLeft = s.FormulaCastsLeft;
  f.FormulaSpent = s.FormulaSpent;
  f.StrikingSlot = s.StrikingSlot;
  b.BoatStuck = s.BoatStuck;
  t.stats.CastCount = s.CastCount;
  b.CitationCount = s.CitationCount;
  b.StuckMode = s.StuckMode;
  t.ClockRunning = s.ClockRunning;
  t.HourWarningGiven = s.HourWarningGiven;
  t.TournamentDay = s.TournamentDay;
  t.LiveWellTotal = s.LiveWellTotal;
  b.DayExpenses = s.DayExpenses;
  t.PlayerDayWeight = s.PlayerDayWeight;
  for (std::size_t k = 0; k < s.TournamentField.size(); ++k)
    t.TournamentField[k] = {s.TournamentField[k].Name, s.TournamentField[k].DayWeight};
  for (std::size_t d = 0; d < s.DayLunker.size(); ++d) t.DayLunker[d] = {s.DayLunker[d].Weight, s.DayLunker[d].Name};
  t.AnglerName = s.AnglerName;
  t.AeratorTicks = s.AeratorTicks;
  t.LiveWellTicks = s.LiveWellTicks;
  b.LifeJacketWarned = s.LifeJacketWarned;
  t.stats.BassCaught = s.BassCaught;
  t.stats.BassCulled = s.BassCulled;
  t.stats.NonBassCaught = s.NonBassCaught;
  t.stats.ShortFishCaught = s.ShortFishCaught;
  t.stats.LinesBroken = s.LinesBroken;
  t.stats.StrikesMissed = s.StrikesMissed;
  t.stats.FishLost = s.FishLost;
  g.lake.WeatherForecast = s.WeatherForecast;
  // The cast, retrieve or fight the file was saved in cannot resume from it:
  // after a load no cast is running (the new-game reset has taken the line,
  // the splash and the fishing timers off already).
  f.FishOn = false;
  f.CastInFlight = false;
  f.RetreiveStepDone = false;
  f.HookSetPressed = false;
}

bool WriteSavedGame(Game& g, const std::string& path) {
  const std::optional<std::string> stored = StoredLakePath(g.lake.LakeFilePath, g.GameFolder);
  if (!stored) return false;
  const SavedGameBytes bytes = EncodeSavedGame(SavedGameFromGame(g, *stored));
  return WriteFileAtomically(path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

void SaveGame(Game& g) {
  g.IdleSeconds = 0;
  // The clock does not run while the player picks a file.
  const bool wasRunning = g.timerEnabled(TimerId::Main);
  const bool wasUp = g.DialogUp;
  g.DialogUp = true;
  g.setTimer(TimerId::Main, false);
  const std::optional<std::string> path =
      g.port.saveFileDialog("Save Game", {{kSavedGameFilterText, "*.SAV"}}, g.GameFolder, "SAV");
  if (path && !path->empty()) {
    if (!WriteSavedGame(g, *path)) {
      g.port.beep();
      g.Message(BoxKind::Error, CreatingSavedGameError(*path));
    }
    g.port.processEvents();
    g.Changed();
  }
  g.DialogUp = wasUp;
  g.setTimer(TimerId::Main, wasRunning);
}

namespace {

// The whole saved game, or nothing: a file of any other size is no saved
// game, and is not read at all.
std::optional<std::string> ReadSavedGameFile(const std::string& path) {
  std::error_code ec;
  const auto size = std::filesystem::file_size(path, ec);
  if (ec || size != static_cast<std::uintmax_t>(kSavedGameSize)) return std::nullopt;
  std::optional<std::string> bytes = ReadWholeFile(path);
  if (!bytes || bytes->size() != static_cast<std::size_t>(kSavedGameSize)) return std::nullopt;
  return bytes;
}

// The tackle in use as the rod box shows it.
void ShowTackleInUse(Game& g) {
  FishingState& f = g.fishing;
  FillRodList(g);
  if (IsNone(f.CurrentRod)) {
    f.RodBoxRow = 1;
    g.view.rodInUse = "NONE SELECTED";
    g.view.baitInUse = g.view.colorInUse = std::string("NONE");
  } else {
    f.RodBoxRow = f.CurrentRod + 1;
    const auto& cells = f.RodList[static_cast<std::size_t>(f.RodBoxRow)];
    g.view.rodInUse = cells[0];
    g.view.baitInUse = cells[1].empty() ? std::string("NONE") : cells[1];
    g.view.colorInUse = cells[2].empty() ? std::string("NONE") : cells[2];
  }
  ShowRetreive(g);
  g.view.tmtrSpd = std::clamp(g.boat.TrollSpeed, 1, 3);
}

}  // namespace

bool LoadGame(Game& g, const std::string& path) {
  // 1. The record, decoded and checked before anything of the game changes.
  const std::optional<std::string> bytes = ReadSavedGameFile(path);
  SavedGameResult decoded;
  if (bytes) decoded = DecodeSavedGame(std::string_view(*bytes));
  if (!decoded.ok()) {
    g.port.beep();
    g.Message(BoxKind::Error, kUnableToLoadSavedGameFile);
    return false;
  }
  const SavedGame& saved = *decoded.game;

  // 3. The lake it was played on, reread from its own file (before the
  // record goes in, so a missing lake leaves the reset game as it was).
  const std::string lakePath = LakePathFromStored(saved.LakeFilePath, g.GameFolder);
  g.lake.LakeFilePath = lakePath;
  if (!LoadLakeFile(g, lakePath)) {
    g.EnableGameControls(false);
    g.Message(BoxKind::Error, kUnableToLoadSavedGame);
    return false;
  }

  // 2. Every value of the record into its place.
  ApplySavedGame(g, saved);

  // 4. The flag and the pumps of the reread lake.
  FindWeighInFlag(g);
  FindGasPumps(g);

  // 5. The view where it was. The boat's pixel position is relative to that
  // view: should this window's view not reach it, the scroll moves the boat
  // with it.
  g.PrevLeftCol = std::max(0, saved.ViewLeftCol);
  g.PrevTopRow = std::max(0, saved.ViewTopRow);
  g.lakeView.scrollTo(g.PrevLeftCol, g.PrevTopRow);
  g.PrevLeftCol = g.lakeView.leftCol();
  g.PrevTopRow = g.lakeView.topRow();

  // 6. Depths from the lake's depth file, else made up from the tiles.
  const std::string depthPath = DepthFilePathFor(lakePath);
  if (FileExists(depthPath)) {
    if (!ReadDepthFile(g, depthPath)) {
      g.EnableGameControls(false);
      g.Message(BoxKind::Error, kUnableToLoadSavedGame);
      return false;
    }
  } else {
    AssignDepths(g);
  }

  // 7. Fresh fish: the lake's fish are not part of a saved game.
  StockLake(g);

  // 8. The boat where it was, on the lake view.
  g.BoatRectX = g.boat.BoatX;
  g.BoatRectY = g.boat.BoatY;
  g.lakeView.paintAll();
  g.view.lakeVisible = true;
  g.Changed();
  g.port.processEvents();
  SaveBoatBackgroundFromLake(g);
  DrawBoat(g);

  // 9. The caption with the lake, the level and the day.
  g.view.caption = g.CaptionText();
  g.EnableGameControls(true);

  // 10. The buttons as the boat was left.
  const BoatState& b = g.boat;
  g.view.paddleGlyphOn = b.PaddleOn;
  g.view.trollGlyphOn = b.TrollingOn;
  g.view.outGlyphOn = b.OutboardOn;
  g.view.aeratorGlyphOn = g.tour.AeratorOn;
  g.view.lifeJacketGlyphOn = b.LifeJacketOn;
  // The trolling motor's speed cannot be set while the paddle or the
  // outboard drives the boat.
  if (b.PaddleOn || b.OutboardOn) g.view.enable(Ctl::TmtrSpd, false);
  g.view.fishFormGlyphOn = !g.fishing.FormulaSpent;
  if (b.DepthFinderOn)
    GraphScreenOn(g);
  else
    GraphScreenOff(g);

  // 11. The levers at rest: motor off, neutral; a running outboard idles.
  g.view.throttlePos = 20;
  g.view.gearPos = 1;
  g.boat.ThrottleLimit = 20;
  g.boat.ThrottleSetting = g.boat.OutboardOn ? 1 : 0;
  if (g.boat.OutboardOn) g.view.throttlePos = 19;
  RefreshTach(g);
  DayBanner(g);
  // Only the clock's display: the hour warning and the end of the day come
  // with the first game second after the load.
  g.view.status[1] = g.prefs.PlayLevel == Practice ? std::string() : ClockText(g.tour.DayTimeLeft);
  g.port.repaintStatusBar();

  // 12. The tackle in use, from the rod box filled with the saved rods.
  ShowTackleInUse(g);

  // 13. The livewell in order, with its total.
  SortLiveWell(g);

  // 14. Today's weather.
  g.lake.TodayWeather =
      g.lake.WeatherForecast[static_cast<std::size_t>(std::min(g.tour.TournamentDay, kTournamentDays - 1))];
  g.view.enable(Ctl::ViewWeatherWaterConditions1, true);

  // 15. Loaded.
  g.LakeLoading = false;
  g.Changed();
  return true;
}

}  // namespace lwk
