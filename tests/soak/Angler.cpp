#include "soak/Angler.h"

#include <Qt>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <iostream>
#include <sstream>
#include <tuple>
#include <vector>

#include "boat/DepthFinder.h"
#include "boat/Gps.h"
#include "boat/Motors.h"
#include "boat/Steering.h"
#include "fishing/Cast.h"
#include "fishing/FishModel.h"
#include "fishing/Retrieve.h"
#include "fishing/Tackle.h"
#include "lake/LakeMap.h"
#include "lake/LakeViewRules.h"
#include "lake/OpenLake.h"
#include "lake/Weather.h"
#include "shell/Files.h"
#include "tournament/Clock.h"
#include "tournament/Livewell.h"
#include "tournament/Records.h"
#include "tournament/SaveGame.h"
#include "tournament/SavedGame.h"
#include "tournament/Standings.h"
#include "tournament/WeighIn.h"

namespace lwk {

namespace {

constexpr const char* kTournamentOver = "The tournament is over.\r\rWould you like to play again?";
constexpr const char* kAnglerName = "Sam Soak";
// A day that takes more actions than this never ends: a fault of its own.
constexpr int kActionsPerDayLimit = 40000;

// Messages shown while the main timer runs, as the game means them to be:
// the refuel refusal does not stop the clock, the waypoint notes answer a
// click on the GPS, and the lake map's question comes from its own window,
// which is not modal.
bool ShownWithTheTimerRunning(const std::string& text) {
  static const char* const kTexts[] = {
      "You are not close enough to the\rgas pumps for the hose to reach your boat.",
      "No description entered. WayPoint not saved.",
      "All 100 WayPoints are in use.\r\rYou must erase at least one before entering more.",
      "There are no WayPoints loaded.",
  };
  for (const char* t : kTexts)
    if (text == t) return true;
  return text.rfind("No map of ", 0) == 0;
}

// The livewell's fish whatever their order.
std::vector<std::tuple<double, int, bool>> Fish(const SavedGameBytes& bytes) {
  std::vector<std::tuple<double, int, bool>> out;
  const SavedGameResult decoded = DecodeSavedGame(std::span<const std::uint8_t>(bytes));
  if (!decoded.ok()) return out;
  for (const SavedLiveWellSlot& s : decoded.game->LiveWell) out.emplace_back(s.Weight, s.Species, s.Alive);
  std::sort(out.begin(), out.end());
  return out;
}

// The names of the saved-game fields whose bytes differ. A loaded game runs
// no cast, retrieve or fight: those three flags are cleared on the way in.
// The load sorts the livewell again, and the livewell's sort may swap two
// fish of the same weight: its places count as one.
std::string DifferingFields(const SavedGameBytes& a, const SavedGameBytes& b, bool loaded = false) {
  std::string out;
  if (loaded && Fish(a) != Fish(b)) out = "the livewell's fish";
  for (const SavedGameField& f : SavedGameLayout()) {
    if (f.kind == SavedFieldKind::Unused) continue;
    if (loaded && (f.name == "FishOn" || f.name == "CastInFlight" || f.name == "RetreiveStepDone" ||
                   f.name.rfind("LiveWell[", 0) == 0))
      continue;
    if (!std::equal(a.begin() + f.offset, a.begin() + f.offset + f.size, b.begin() + f.offset)) {
      if (!out.empty()) out += ", ";
      out += f.name;
    }
  }
  return out;
}

bool Near(double a, double b) {
  return std::fabs(a - b) <= 1e-9 * std::max(1.0, std::fabs(b));
}

}  // namespace

void SoakFigures::add(const SoakFigures& o) {
  days += o.days;
  tournaments += o.tournaments;
  actions += o.actions;
  casts += o.casts;
  strikes += o.strikes;
  fishLanded += o.fishLanded;
  weighIns += o.weighIns;
  saves += o.saves;
  loads += o.loads;
}

Angler::Angler(const std::string& lakeFile, int playLevel, std::uint32_t seed)
    : g_(*fx_.game), port_(fx_.port), lakeFile_(lakeFile), level_(playLevel), seed_(seed), rng_(seed) {}

bool Angler::tournamentLevel() const {
  return g_.prefs.PlayLevel != Practice;
}

std::string Angler::play(int days) {
  if (!fx_.start()) return "the game did not start";
  // The main window's first resize ends the start-up; then the application
  // becomes active.
  g_.FormResize();
  g_.FormActivate();
  // The game replays from the seed: its stockings reseed from it too.
  g_.Random.seed(seed_);
  g_.Random.pinClockSeeds(seed_ * 7919u);
  // The lake view of a main window on a 1024 x 768 or a larger screen.
  if (chance(50))
    LakeViewResized(g_, 640, 480);
  else
    LakeViewResized(g_, 800, 608);
  g_.prefs.PlayLevel = static_cast<std::uint8_t>(level_);
  g_.prefs.BackgroundSoundsOn = g_.prefs.BackgroundSounds1 = false;
  port_.onBox = [this](const TestPort::Box& box) {
    if (box.text != kTournamentOver) return;
    // Play again, on the same lake.
    ++figures_.tournaments;
    port_.answers.push_front(Answer::Yes);
    port_.openFiles.push_front(fx_.path(lakeFile_));
    port_.inputs.push_front(std::string(kAnglerName));
  };
  port_.onModal = [this](WindowId id) { return static_cast<ModalResult>(modal(id)); };
  port_.duringWait = [this] { duringWait(); };

  action_ = "open the lake";
  openLake();
  check();
  int actionsToday = 0;
  int daysBefore = figures_.days;
  while (failure_.empty() && figures_.days < days) {
    act();
    if (!failure_.empty()) break;
    check();
    if (figures_.days != daysBefore) {
      daysBefore = figures_.days;
      actionsToday = 0;
    } else if (++actionsToday > kActionsPerDayLimit) {
      fail("the day never ended");
    }
  }
  if (failure_.empty()) closeAndStartAgain();
  return failure_;
}

void Angler::closeAndStartAgain() {
  action_ = "close the game and start it again";
  const RecordsState records = g_.tour.records;
  const auto rods = g_.prefs.RodSetups;
  if (!g_.FormCloseQuery()) return fail("the game would not close");
  g_.FormClose();
  // What the game kept in its folder comes back at the next start.
  TestPort port;
  Game again(port);
  port.game = &again;
  if (!again.StartUp(fx_.folder())) return fail("the game did not start again");
  if (again.tour.records.BigFishRecords != records.BigFishRecords) return fail("the big fish records were lost");
  if (again.tour.records.BigStringerRecords != records.BigStringerRecords)
    return fail("the big stringer records were lost");
  if (again.prefs.RodSetups != rods) return fail("the rod setups were lost");
  if (!port.boxes.empty()) return fail("the second start said \"" + port.boxes.front().text + "\"");
}

void Angler::fail(const std::string& what) {
  if (!failure_.empty()) return;
  std::ostringstream s;
  s << lakeFile_ << ", level " << level_ << ", seed " << seed_ << ", day " << figures_.days + 1 << " (tournament day "
    << g_.tour.TournamentDay + 1 << "), action " << figures_.actions + 1 << " \"" << action_ << "\": " << what;
  failure_ = s.str();
}

void Angler::openLake() {
  port_.inputs.push_back(std::string(kAnglerName));
  OpenLake(g_, fx_.path(lakeFile_));
  port_.inputs.clear();
  port_.runPosted();
  if (!g_.view.lakeVisible) fail("the lake did not open");
  startDay();
}

void Angler::startDay() {
  dayMark_ = g_.tour.TournamentDay;
  tournamentMark_ = figures_.tournaments;
  goingHome_ = false;
  // Most days end at the flag, some with the clock run out.
  homeAt_ = chance(25) ? -1 : 900 + pick(5400);
  heading_ = pick(8);
  mapWayHome();
  if (!g_.boat.LifeJacketOn && chance(93)) LJButtClick(g_);
  if (chance(60)) {
    if (!g_.boat.GpsOn) GPSpwrClick(g_);
    if (g_.boat.GpsOn) {
      port_.inputs.push_back(std::string("Flag"));
      SetWptClick(g_);
      port_.inputs.clear();
    }
  }
}

void Angler::countDay() {
  ++figures_.days;
  startDay();
}

void Angler::act() {
  port_.runPosted();
  if (!g_.view.lakeVisible) {
    action_ = "open the lake again";
    openLake();
    return;
  }
  const TournamentState& t = g_.tour;
  if (!tournamentLevel() && t.DayTimeLeft == 0) {
    // A practice day never times out: the angler starts another.
    action_ = "pick the lake for a new practice day";
    port_.openFiles.push_back(fx_.path(lakeFile_));
    port_.inputs.push_back(std::string(kAnglerName));
    PickLakeClick(g_);
    port_.inputs.clear();
    port_.runPosted();
    countDay();
    return;
  }
  if (tournamentLevel() && !goingHome_ && t.ClockRunning && t.DayTimeLeft < homeAt_) goingHome_ = true;
  if (goingHome_ && g_.view.isEnabled(Ctl::WeighInBtn) && NearTile(g_, kWeighInRange, kWeighInFlagTile)) {
    action_ = "weigh in";
    if (g_.boat.OutboardOn) OutBtnClick(g_);
    WeighInBtnClick(g_);
    port_.runPosted();
    ++figures_.weighIns;
    return;
  }
  const int r = pick(1000);
  if (goingHome_ && r < 700)
    drive();
  else if (r < 480)
    cast();
  else if (r < 700)
    drive();
  else if (r < 790)
    rig();
  else if (r < 850)
    gps();
  else if (r < 910)
    windows();
  else if (r < 925)
    saveAndMaybeLoad();
  else if (r < 935) {
    action_ = "refuel";
    GasUpBtnClick(g_);
  } else if (r < 945) {
    action_ = "life jacket";
    LJButtClick(g_);
  } else if (r < 950) {
    action_ = "fish formula";
    if (g_.view.isEnabled(Ctl::FishFormulaBtn)) FishFormulaBtnClick(g_);
  } else {
    action_ = "wait a while";
    port_.advance(pick(20000));
  }
  // The angler's own pace between two actions; the main timer ticks meanwhile.
  port_.advance(50 + pick(400));
  port_.runPosted();
}

void Angler::cast() {
  action_ = "cast";
  FishingState& f = g_.fishing;
  if (g_.boat.OutboardOn && chance(90)) OutBtnClick(g_);
  if ((f.CurrentRod == kNoTackle || f.CurrentBait == kNoTackle) && chance(90)) rig();
  action_ = "cast";
  const int w = std::max(1, g_.lakeView.width());
  const int h = std::max(1, g_.lakeView.height());
  const int x = std::clamp(g_.boat.BowProbeX + pick(401) - 200, 0, w - 1);
  const int y = std::clamp(g_.boat.BowProbeY + pick(401) - 200, 0, h - 1);
  LakeMouseUp(g_, x, y);
}

void Angler::drive() {
  action_ = goingHome_ ? "drive to the flag" : "drive";
  BoatState& b = g_.boat;
  if ((!b.OutboardOn && !b.TrollingOn && !b.PaddleOn) || chance(8) || (goingHome_ && !b.OutboardOn)) {
    // Home goes fastest with the outboard.
    const int p = goingHome_ && b.FuelLevel > 0 && chance(90) ? 0 : pick(10);
    if (p < 5) {
      if (!b.OutboardOn && g_.view.isEnabled(Ctl::OutBtn)) OutBtnClick(g_);
      g_.view.gearPos = 0;  // forward
      GearBoxChange(g_);
    } else if (p < 8) {
      if (!b.TrollingOn) TrollBtnClick(g_);
      g_.view.tmtrSpd = 1 + pick(3);
      TmtrSpdChange(g_);
    } else if (!b.PaddleOn) {
      PaddLeBtnClick(g_);
    }
  }
  int d;
  if (goingHome_) {
    d = wayHome();
    if (d < 0 || chance(10)) d = pick(8);  // around what stands in the way
  } else {
    if (chance(20)) heading_ = pick(8);
    d = heading_;
  }
  if (b.BoatStuck) {
    if (b.OutboardOn) {
      g_.view.gearPos = g_.view.gearPos == 0 ? 2 : 0;
      GearBoxChange(g_);
    } else {
      d = (b.BoatHeading + 4) % 8;
    }
  } else if (b.OutboardOn && g_.view.gearPos != 0 && chance(70)) {
    g_.view.gearPos = 0;
    GearBoxChange(g_);
  }
  // A run home holds the key long enough for the throttle to open up.
  steer(d, goingHome_ ? 10 + pick(40) : 1 + pick(12));
}

namespace {
constexpr int kDirCol[8] = {0, 1, 1, 1, 0, -1, -1, -1};
constexpr int kDirRow[8] = {-1, -1, 0, 1, 1, 1, 0, -1};
}  // namespace

void Angler::mapWayHome() {
  // Steps over water from every cell to the water around the flag.
  homeSteps_.assign(static_cast<size_t>(kLakeCells * kLakeCells), -1);
  auto water = [this](int c, int r) {
    const int t = TileForMove(g_, c, r);
    return t < kFirstLandTile || IsBridgeTile(t);
  };
  std::vector<int> queue;
  for (int dc = -kWeighInRange; dc <= kWeighInRange; ++dc)
    for (int dr = -kWeighInRange; dr <= kWeighInRange; ++dr) {
      const int c = g_.lake.WeighInCol + dc, r = g_.lake.WeighInRow + dr;
      if (c < 0 || r < 0 || c >= kLakeCells || r >= kLakeCells || !water(c, r)) continue;
      homeSteps_[static_cast<size_t>(c * kLakeCells + r)] = 0;
      queue.push_back(c * kLakeCells + r);
    }
  for (size_t q = 0; q < queue.size(); ++q) {
    const int c = queue[q] / kLakeCells, r = queue[q] % kLakeCells;
    for (int d = 0; d < 8; ++d) {
      const int nc = c + kDirCol[d], nr = r + kDirRow[d];
      if (nc < 0 || nr < 0 || nc >= kLakeCells || nr >= kLakeCells || !water(nc, nr)) continue;
      int& steps = homeSteps_[static_cast<size_t>(nc * kLakeCells + nr)];
      if (steps >= 0) continue;
      steps = homeSteps_[static_cast<size_t>(queue[q])] + 1;
      queue.push_back(nc * kLakeCells + nr);
    }
  }
}

int Angler::wayHome() const {
  if (homeSteps_.empty()) return -1;
  int best = -1, bestSteps = 1 << 30;
  for (int d = 0; d < 8; ++d) {
    const int c = g_.boat.BoatCol + kDirCol[d], r = g_.boat.BoatRow + kDirRow[d];
    if (c < 0 || r < 0 || c >= kLakeCells || r >= kLakeCells) continue;
    const int steps = homeSteps_[static_cast<size_t>(c * kLakeCells + r)];
    if (steps >= 0 && steps < bestSteps) {
      best = d;
      bestSteps = steps;
    }
  }
  return best;
}

void Angler::steer(int direction, int presses) {
  const int key = g_.DirectionKeys[static_cast<size_t>(direction)];
  const int day = g_.tour.TournamentDay;
  for (int i = 0; i < presses; ++i) {
    FormKeyDown(g_, key, 0);
    // The keyboard's repeat, with the main timer and the throttle ramp running.
    port_.advance(40);
    port_.runPosted();
    if (g_.tour.DayEnding || g_.tour.TournamentDay != day || g_.boat.BoatStuck || !g_.view.lakeVisible) break;
  }
  FormKeyUp(g_, key, 0);
}

void Angler::rig() {
  action_ = "rig a rod";
  FishingState& f = g_.fishing;
  if (f.CurrentRod == kNoTackle || chance(25)) {
    action_ = "pick a rod";
    RodSelBtnClick(g_);
  }
  if (f.CurrentRod == kNoTackle) return;
  if (f.CurrentBait == kNoTackle || chance(50)) {
    action_ = "pick a bait";
    DrawerClick(g_, pick(kDrawerCount));
  }
  if (chance(40)) {
    action_ = "pick a retrieve";
    SetRetreive(g_, pick(5));
  }
}

void Angler::gps() {
  action_ = "instruments";
  BoatState& b = g_.boat;
  switch (pick(6)) {
    case 0:
      GPSpwrClick(g_);
      break;
    case 1:
      if (g_.view.isEnabled(Ctl::PlotGPS)) PlotGPSClick(g_);
      break;
    case 2:
      if (g_.view.isEnabled(Ctl::SetWpt)) {
        action_ = "set a waypoint";
        port_.inputs.push_back(chance(10) ? std::string() : "Spot " + std::to_string(pick(1000)));
        SetWptClick(g_);
        port_.inputs.clear();
      }
      break;
    case 3:
      if (g_.view.isEnabled(Ctl::GoToWpt)) {
        action_ = "go to a waypoint";
        GoToWptClick(g_);
      }
      break;
    case 4:
      if (b.DepthFinderOn)
        GraphOffClick(g_);
      else
        GraphOnClick(g_);
      break;
    default:
      action_ = "find the boat";
      FindBoatBtnClick(g_);
      break;
  }
}

void Angler::windows() {
  action_ = "windows";
  switch (pick(6)) {
    case 0:
      action_ = "the livewell";
      ShowLiveWell(g_);
      break;
    case 1:
      action_ = "the standings";
      if (g_.view.isEnabled(Ctl::ViewCurrentStandings1)) ViewCurrentStandings1Click(g_);
      break;
    case 2:
      action_ = "the records";
      if (g_.view.isEnabled(Ctl::ViewRecords1)) ViewRecords1Click(g_);
      break;
    case 3:
      action_ = "the weather";
      if (g_.view.isEnabled(Ctl::ViewWeatherWaterConditions1)) ViewWeatherWaterConditions1Click(g_);
      break;
    case 4:
      action_ = "the lake map";
      if (!port_.windowVisible(WindowId::LakeMap)) {
        MapBtnClick(g_);
        LakeMapFormShow(g_);
      } else {
        port_.hideWindow(WindowId::LakeMap);
      }
      break;
    default:
      action_ = "the aerator";
      ToggleAerator(g_);
      break;
  }
}

void Angler::saveAndMaybeLoad() {
  action_ = "save the game";
  if (!g_.view.isEnabled(Ctl::SaveGameBtn)) return;
  const std::string path = fx_.path("Soak" + std::to_string(saveNumber_++ % 3) + ".SAV");
  port_.saveFiles.push_back(path);
  SaveGame(g_);
  const auto bytes = ReadWholeFile(path);
  if (!bytes) return fail("the save wrote no file");
  ++figures_.saves;
  const SavedGameResult decoded = DecodeSavedGame(*bytes);
  if (!decoded.ok()) return fail("the saved file does not load: " + decoded.error);
  SavedGameBytes file{};
  std::copy(bytes->begin(), bytes->end(), file.begin());
  const SavedGameBytes again = EncodeSavedGame(*decoded.game);
  if (again != file) return fail("the saved file encodes back differently in " + DifferingFields(again, file));
  if (chance(50)) checkLoadedGame(path, *bytes);
}

void Angler::checkLoadedGame(const std::string& path, const std::string& bytes) {
  action_ = "continue the saved game";
  OpenLake(g_, path);
  port_.runPosted();
  ++figures_.loads;
  if (!g_.view.lakeVisible) return fail("the saved game did not load");
  const auto stored = StoredLakePath(g_.lake.LakeFilePath, g_.GameFolder);
  if (!stored) return fail("the loaded lake's path cannot be stored");
  const SavedGameBytes now = EncodeSavedGame(SavedGameFromGame(g_, *stored));
  SavedGameBytes file{};
  std::copy(bytes.begin(), bytes.end(), file.begin());
  const std::string diff = DifferingFields(now, file, true);
  if (!diff.empty()) fail("the loaded game differs from the file in " + diff);
  dayMark_ = g_.tour.TournamentDay;
}

void Angler::duringWait() {
  FishingState& f = g_.fishing;
  if (g_.timerEnabled(TimerId::Strike)) {
    if (!strikeSeen_) {
      strikeSeen_ = true;
      ++figures_.strikes;
      setTheHook_ = chance(85);
    }
    if (setTheHook_ && !f.HookSetPressed) {
      if (chance(50))
        FormKeyDown(g_, Qt::Key_Space, 0);
      else
        FormMouseDown(g_);
    }
  } else {
    strikeSeen_ = false;
  }
  // Now and then, in the middle of a cast or a fight, the angler saves the
  // game, presses a key that steers or saves, or picks a saved game or the
  // lake again (the cast ends first, then the game opens).
  const int turn = ++waitMischief_;
  if (turn % 5000 == 0 && g_.view.isEnabled(Ctl::SaveGameBtn)) {
    port_.saveFiles.push_back(fx_.path("Midcast.SAV"));
    SaveGame(g_);
    ++figures_.saves;
  } else if (turn % 3001 == 0) {
    FormKeyDown(g_, g_.DirectionKeys[static_cast<size_t>(pick(8))], 0);
  } else if (turn % 7919 == 0 && g_.view.isEnabled(Ctl::SaveGameBtn)) {
    port_.saveFiles.push_back(fx_.path("Midcast.SAV"));
    FormKeyDown(g_, Qt::Key_S, kShiftAlt);
    ++figures_.saves;
  } else if (turn % 15013 == 0 && g_.view.isEnabled(Ctl::PickLake)) {
    const bool saved = FileExists(fx_.path("Midcast.SAV")) && chance(70);
    port_.openFiles.push_back(fx_.path(saved ? "Midcast.SAV" : lakeFile_));
    port_.inputs.push_back(std::string(kAnglerName));
    PickLakeClick(g_);
    ++figures_.loads;
    midcastLoad_ = true;
  }
}

int Angler::modal(WindowId id) {
  FishingState& f = g_.fishing;
  ModalResult r = ModalResult::Ok;
  switch (id) {
    case WindowId::RodBox:
      f.RodBoxRow = 1 + pick(kRodCount);
      if (chance(8)) r = ModalResult::Cancel;
      break;
    case WindowId::TBdrawer: {
      const auto d = static_cast<size_t>(std::clamp(f.DrawerShown, 0, kDrawerCount - 1));
      f.DrawerBait = pick(static_cast<int>(BaitCatalogue[d].size()));
      f.DrawerColor = pick(static_cast<int>(ColorCatalogue[d].size()));
      if (chance(8)) r = ModalResult::Cancel;
      break;
    }
    case WindowId::PickWPT:
      g_.boat.gps.SelectedWpt = 1 + pick(std::max(1, g_.boat.gps.NextFreeWpt - 1));
      if (chance(10)) r = ModalResult::Cancel;
      break;
    case WindowId::LiveWell: {
      LiveWellFormShow(g_);
      const int frames = pick(8);
      for (int i = 0; i < frames; ++i) AnimateLiveWell(g_);
      if (chance(30)) ToggleAerator(g_);
      LiveWellFormClose(g_);
      break;
    }
    case WindowId::WeighMe:
      if (chance(30)) SeeStatsBtnClick(g_);
      if (chance(5)) WeighInPrintBtnClick(g_);
      if (chance(10)) ViewBtnClick(g_);
      break;
    case WindowId::ShowStan:
      if (chance(5)) StandingsPrintBtnClick(g_);
      break;
    case WindowId::Records:
      if (chance(5)) RecordsPrintBtnClick(g_);
      break;
    default:
      break;
  }
  return static_cast<int>(r);
}

void Angler::check() {
  if (!failure_.empty()) return;
  ++figures_.actions;
  const TournamentState& t = g_.tour;
  const BoatState& b = g_.boat;

  if (t.DayTimeLeft < 0 || t.DayTimeLeft > kDaySeconds) return fail("DayTimeLeft is " + std::to_string(t.DayTimeLeft));
  for (const auto& [name, v] :
       {std::pair{"FuelLevel", b.FuelLevel}, std::pair{"TrollBatteryCharge", b.TrollBatteryCharge},
        std::pair{"MainBatteryCharge", b.MainBatteryCharge}})
    if (!(v >= 0 && v <= 100)) return fail(std::string(name) + " is " + std::to_string(v));

  // The livewell: at most five, heaviest first, the total their sum.
  if (t.LiveWellCount < 0 || t.LiveWellCount > kLiveWellPlaces)
    return fail("LiveWellCount is " + std::to_string(t.LiveWellCount));
  double sum = 0;
  for (int i = 0; i < kLiveWellPlaces; ++i) {
    const double w = t.LiveWell[static_cast<size_t>(i)].Weight;
    if (i < t.LiveWellCount && w <= 0) return fail("livewell place " + std::to_string(i) + " is empty");
    if (i >= t.LiveWellCount && w != 0) return fail("a fish beyond LiveWellCount");
    if (i > 0 && w > t.LiveWell[static_cast<size_t>(i - 1)].Weight) return fail("the livewell is not sorted");
    sum += w;
  }
  if (!Near(t.LiveWellTotal, sum))
    return fail("LiveWellTotal " + std::to_string(t.LiveWellTotal) + " is not " + std::to_string(sum));

  if (g_.view.lakeVisible) {
    // No fish on land, and the bow in the water unless the boat is stuck.
    for (int col = 0; col < kLakeCells; ++col)
      for (int row = 0; row < kLakeCells; ++row) {
        if (g_.lake.tile(col, row) < kFirstLandTile) continue;
        for (const FishSlot& s : g_.lake.FishSlots.at(col, row))
          if (!s.empty()) return fail("a fish on land at " + std::to_string(col) + "," + std::to_string(row));
      }
    const int bow = TileForMove(g_, b.BowCol, b.BowRow);
    if (!b.BoatStuck && bow >= kFirstLandTile && !IsBridgeTile(bow))
      return fail("the bow stands on tile " + std::to_string(bow) + " at " + std::to_string(b.BowCol) + "," +
                  std::to_string(b.BowRow));
  }

  // The field: forty anglers and the player, every row named.
  if (tournamentLevel() && g_.view.lakeVisible) {
    for (size_t k = 0; k < t.TournamentField.size(); ++k)
      if (t.TournamentField[k].Name.empty()) return fail("standings row " + std::to_string(k) + " has no name");
    if (figures_.actions % 64 == 0) {
      StandingsFormShow(g_);
      for (size_t p = 0; p < t.standings.rows.size(); ++p) {
        if (t.standings.rows[p][0] != std::to_string(p + 1) || t.standings.rows[p][1].empty())
          return fail("standings row " + std::to_string(p + 1) + " is not filled");
        if (p > 0 && std::stod(t.standings.rows[p][5]) > std::stod(t.standings.rows[p - 1][5]))
          return fail("the standings are not in order");
      }
    }
  }

  // Nothing that interrupts play was open with the main timer running.
  for (const TestPort::Box& box : port_.boxes)
    if (box.mainTimerRunning && !ShownWithTheTimerRunning(box.text))
      return fail("a message was shown with MainTimer running: \"" + box.text + "\"");
  for (size_t i = 0; i < port_.modalMainTimer.size(); ++i)
    if (port_.modalMainTimer[i])
      return fail("window " + std::to_string(static_cast<int>(port_.modalShown[i])) + " opened with MainTimer running");
  for (size_t i = 0; i < port_.topNoteMainTimer.size(); ++i)
    if (port_.topNoteMainTimer[i]) return fail("a note was shown with MainTimer running: " + port_.topNotes[i].second);
  if (port_.stuckWaits != 0) return fail("a wait could never end");
  if (std::getenv("LWK_SOAK_TRACE"))
    for (const TestPort::Box& box : port_.boxes) std::cerr << action_ << ": " << box.text << "\n";
  port_.boxes.clear();
  port_.modalShown.clear();
  port_.modalMainTimer.clear();
  port_.topNotes.clear();
  port_.topNoteMainTimer.clear();
  port_.sounds.clear();
  port_.printJobs.clear();
  port_.inputPrompts.clear();

  if (g_.view.lakeVisible && !g_.LakeLoading) checkSavedGameRoundTrip();

  // The figures: casts and fish landed since the last action.
  const int casts = t.stats.CastCount;
  figures_.casts += casts >= castMark_ ? casts - castMark_ : casts;
  castMark_ = casts;
  const int fish = t.stats.BassCaught + t.stats.NonBassCaught;
  figures_.fishLanded += fish >= fishMark_ ? fish - fishMark_ : fish;
  fishMark_ = fish;

  // Answers the game did not ask for do not wait for a later question.
  port_.inputs.clear();
  port_.openFiles.clear();
  port_.saveFiles.clear();
  if (midcastLoad_) {
    // A game picked in the middle of a cast: its day starts afresh.
    midcastLoad_ = false;
    startDay();
  }
  if (t.TournamentDay != dayMark_ || figures_.tournaments != tournamentMark_) countDay();
}

void Angler::checkSavedGameRoundTrip() {
  const auto stored = StoredLakePath(g_.lake.LakeFilePath, g_.GameFolder);
  if (!stored) return fail("the lake's path cannot be stored in a saved game");
  const SavedGame saved = SavedGameFromGame(g_, *stored);
  const SavedGameBytes bytes = EncodeSavedGame(saved);
  const SavedGameResult decoded = DecodeSavedGame(std::span<const std::uint8_t>(bytes));
  if (!decoded.ok()) return fail("the running game saves as a file that does not load: " + decoded.error);
  const SavedGameBytes again = EncodeSavedGame(*decoded.game);
  if (again != bytes) return fail("a saved game encodes back differently in " + DifferingFields(again, bytes));
  const SavedGame& s = *decoded.game;
  if (!Near(s.FuelLevel, saved.FuelLevel) || !Near(s.TrollBatteryCharge, saved.TrollBatteryCharge) ||
      !Near(s.MainBatteryCharge, saved.MainBatteryCharge))
    return fail("the energies lose more than their 48-bit rounding");
  if (s.DayTimeLeft != saved.DayTimeLeft || s.LiveWellTotal != saved.LiveWellTotal ||
      s.DayExpenses != saved.DayExpenses || s.LiveWellCount != saved.LiveWellCount ||
      s.TournamentDay != saved.TournamentDay || s.AnglerName != saved.AnglerName)
    return fail("a decoded saved game differs from the game saved");
}

}  // namespace lwk
