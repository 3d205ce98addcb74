#include "tournament/SavedGame.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <limits>

#include "shell/Text1252.h"
#include "tournament/Real48.h"

namespace lwk {

namespace {

using Kind = SavedFieldKind;
using Ref = std::function<SavedFieldRef(SavedGame&)>;

constexpr double kAnyInt = std::numeric_limits<std::int32_t>::max();
constexpr double kNoInt = std::numeric_limits<std::int32_t>::min();
constexpr double kCountMax = kAnyInt;  // counters never go below 0
constexpr int kLakeCells = 200;
// Pixel positions are relative to the lake view; a whole lake's width either
// way covers any of them and keeps the arithmetic on them far from overflow.
constexpr double kPixelMax = kLakeCells * 32;
constexpr double kCellMax = kLakeCells - 1;
constexpr double kPoundsMax = 1000;  // one fish
constexpr double kTotalMax = 10000;  // a livewell or a day's weight
constexpr double kDollarsMax = 1e9;
constexpr int kMaxBaits = 54;
constexpr int kMaxColors = 30;

template <class T>
Ref Member(T SavedGame::*member) {
  return [member](SavedGame& g) -> SavedFieldRef { return &(g.*member); };
}

class LayoutBuilder {
 public:
  std::vector<SavedGameField> fields;

  void Int(std::string name, int offset, Ref ref, double min = kNoInt, double max = kAnyInt) {
    Add({std::move(name), offset, 4, Kind::Int32, min, max, false, std::move(ref)});
  }
  void Byte(std::string name, int offset, Ref ref, double min = 0, double max = 255, bool none = false) {
    Add({std::move(name), offset, 1, Kind::Byte, min, max, none, std::move(ref)});
  }
  void Bool(std::string name, int offset, Ref ref) {
    Add({std::move(name), offset, 1, Kind::Bool, 0, 1, false, std::move(ref)});
  }
  void Real48(std::string name, int offset, Ref ref, double min, double max) {
    Add({std::move(name), offset, 6, Kind::Real48, min, max, false, std::move(ref)});
  }
  void Double(std::string name, int offset, Ref ref, double min, double max) {
    Add({std::move(name), offset, 8, Kind::Double, min, max, false, std::move(ref)});
  }
  void Text(std::string name, int offset, int size, Ref ref) {
    Add({std::move(name), offset, size, Kind::Text, 0, static_cast<double>(size - 1), false, std::move(ref)});
  }
  void Unused(int offset, int size) { Add({"alignment", offset, size, Kind::Unused, 0, 0, false, nullptr}); }

 private:
  void Add(SavedGameField f) { fields.push_back(std::move(f)); }
};

std::vector<SavedGameField> BuildLayout() {
  LayoutBuilder b;
  using G = SavedGame;
  b.Int("DayTimeLeft", 0, Member(&G::DayTimeLeft), 0, 28800);
  b.Int("BoatX", 4, Member(&G::BoatX), -kPixelMax, kPixelMax);
  b.Int("BoatY", 8, Member(&G::BoatY), -kPixelMax, kPixelMax);
  b.Int("BowProbeX", 12, Member(&G::BowProbeX), -kPixelMax, kPixelMax);
  b.Int("BowProbeY", 16, Member(&G::BowProbeY), -kPixelMax, kPixelMax);
  b.Int("BoatHeading", 20, Member(&G::BoatHeading), 0, 7);
  b.Int("SternProbeX", 24, Member(&G::SternProbeX), -kPixelMax, kPixelMax);
  b.Int("SternProbeY", 28, Member(&G::SternProbeY), -kPixelMax, kPixelMax);
  b.Int("ThrottleSetting", 32, Member(&G::ThrottleSetting), 0, 20);
  b.Int("StartThrottleSetting", 36, Member(&G::StartThrottleSetting));
  // 0 once the outboard or the paddle has been chosen, else the motor's 1 ... 3.
  b.Int("TrollSpeed", 40, Member(&G::TrollSpeed), 0, 3);
  b.Int("BaitX", 44, Member(&G::BaitX), -kPixelMax, kPixelMax);
  b.Int("BaitY", 48, Member(&G::BaitY), -kPixelMax, kPixelMax);
  b.Bool("FishOn", 52, Member(&G::FishOn));
  b.Unused(53, 1);
  b.Real48("FuelLevel", 54, Member(&G::FuelLevel), 0, 100);
  b.Real48("TrollBatteryCharge", 60, Member(&G::TrollBatteryCharge), 0, 100);
  b.Real48("MainBatteryCharge", 66, Member(&G::MainBatteryCharge), 0, 100);
  b.Bool("DepthFinderOn", 72, Member(&G::DepthFinderOn));
  b.Bool("LifeJacketOn", 73, Member(&G::LifeJacketOn));
  b.Unused(74, 2);
  // Loading raises a negative first visible column or row to 0.
  b.Int("PrevLeftCol", 76, Member(&G::PrevLeftCol), -kLakeCells, kCellMax);
  b.Int("PrevTopRow", 80, Member(&G::PrevTopRow), -kLakeCells, kCellMax);
  b.Int("ViewTopRow", 84, Member(&G::ViewTopRow), -kLakeCells, kCellMax);
  b.Int("ViewLeftCol", 88, Member(&G::ViewLeftCol), -kLakeCells, kCellMax);
  b.Bool("TrollingOn", 92, Member(&G::TrollingOn));
  b.Bool("PaddleOn", 93, Member(&G::PaddleOn));
  b.Bool("OutboardOn", 94, Member(&G::OutboardOn));
  b.Text("LakeName", 95, 66, Member(&G::LakeName));
  b.Text("LakeMapPath", 161, 66, Member(&G::LakeMapPath));
  b.Text("LakeFilePath", 227, 66, Member(&G::LakeFilePath));
  b.Byte("BoatCol", 293, Member(&G::BoatCol), 0, kCellMax);
  b.Byte("BoatRow", 294, Member(&G::BoatRow), 0, kCellMax);
  b.Byte("BowCol", 295, Member(&G::BowCol), 0, kCellMax);
  b.Byte("BowRow", 296, Member(&G::BowRow), 0, kCellMax);
  b.Byte("SternCol", 297, Member(&G::SternCol), 0, kCellMax);
  b.Byte("SternRow", 298, Member(&G::SternRow), 0, kCellMax);
  b.Byte("BaitCol", 299, Member(&G::BaitCol), 0, kCellMax);
  b.Byte("BaitRow", 300, Member(&G::BaitRow), 0, kCellMax);
  b.Bool("AeratorOn", 301, Member(&G::AeratorOn));
  b.Unused(302, 2);
  for (int i = 0; i < 5; ++i) {
    const int at = 304 + 12 * i;
    const std::string name = "LiveWell[" + std::to_string(i) + "].";
    b.Double(
        name + "Weight", at, [i](G& g) -> SavedFieldRef { return &g.LiveWell[i].Weight; }, 0, kPoundsMax);
    b.Byte(
        name + "Species", at + 8, [i](G& g) -> SavedFieldRef { return &g.LiveWell[i].Species; }, 0, 2, true);
    b.Bool(name + "Alive", at + 9, [i](G& g) -> SavedFieldRef { return &g.LiveWell[i].Alive; });
    b.Unused(at + 10, 2);
  }
  b.Int("LiveWellCount", 364, Member(&G::LiveWellCount), 0, 5);
  for (int i = 0; i < 16; ++i) {
    const int at = 368 + 16 * i;
    const std::string name = "RodSetups[" + std::to_string(i) + "].";
    b.Int(
        name + "Drawer", at, [i](G& g) -> SavedFieldRef { return &g.RodSetups[i].Drawer; }, -1, 6);
    b.Int(
        name + "Bait", at + 4, [i](G& g) -> SavedFieldRef { return &g.RodSetups[i].Bait; }, -1, kMaxBaits - 1);
    b.Int(
        name + "Color", at + 8, [i](G& g) -> SavedFieldRef { return &g.RodSetups[i].Color; }, -1, kMaxColors - 1);
    b.Byte(name + "Spare", at + 12, [i](G& g) -> SavedFieldRef { return &g.RodSetups[i].Spare; });
    b.Unused(at + 13, 3);
  }
  b.Byte("CurrentRod", 624, Member(&G::CurrentRod), 0, 15, true);
  b.Byte("CurrentDrawer", 625, Member(&G::CurrentDrawer), 0, 6, true);
  b.Byte("CurrentBait", 626, Member(&G::CurrentBait), 0, kMaxBaits - 1, true);
  b.Byte("CurrentColor", 627, Member(&G::CurrentColor), 0, kMaxColors - 1, true);
  b.Byte("PlayLevel", 628, Member(&G::PlayLevel), 0, 3);
  b.Byte("RetreiveType", 629, Member(&G::RetreiveType), 0, 4);
  b.Bool("MainBatteryDeadShown", 630, Member(&G::MainBatteryDeadShown));
  b.Bool("RearCast", 631, Member(&G::RearCast));
  b.Bool("StopGoPhase", 632, Member(&G::StopGoPhase));
  b.Byte("GraphColumn", 633, Member(&G::GraphColumn));
  b.Byte("GraphBottomY", 634, Member(&G::GraphBottomY));
  b.Unused(635, 1);
  b.Int("GraphFishCol", 636, Member(&G::GraphFishCol));
  b.Int("GraphFishRow", 640, Member(&G::GraphFishRow));
  b.Byte("FormulaCastsLeft", 644, Member(&G::FormulaCastsLeft), 0, 11);
  b.Bool("CastInFlight", 645, Member(&G::CastInFlight));
  b.Bool("FormulaSpent", 646, Member(&G::FormulaSpent));
  b.Bool("BoatStuck", 647, Member(&G::BoatStuck));
  b.Bool("RetreiveStepDone", 648, Member(&G::RetreiveStepDone));
  b.Unused(649, 3);
  b.Int("CastCount", 652, Member(&G::CastCount), 0, kCountMax);
  b.Int("CitationCount", 656, Member(&G::CitationCount), 0, kCountMax);
  // The gear at the collision (0 Forward, 2 Reverse) or the heading 0 ... 7.
  b.Byte("StuckMode", 660, Member(&G::StuckMode), 0, 7);
  b.Unused(661, 1);  // reserved, written as 0
  b.Byte("StrikingSlot", 662, Member(&G::StrikingSlot), 0, 5);
  b.Bool("ClockRunning", 663, Member(&G::ClockRunning));
  b.Bool("HourWarningGiven", 664, Member(&G::HourWarningGiven));
  b.Byte("TournamentDay", 665, Member(&G::TournamentDay), 0, 2);
  b.Unused(666, 2);
  b.Double("LiveWellTotal", 668, Member(&G::LiveWellTotal), 0, kTotalMax);
  b.Double("DayExpenses", 676, Member(&G::DayExpenses), 0, kDollarsMax);
  for (int d = 0; d < 3; ++d)
    b.Double(
        "PlayerDayWeight[" + std::to_string(d) + "]", 684 + 8 * d,
        [d](G& g) -> SavedFieldRef { return &g.PlayerDayWeight[d]; }, 0, kTotalMax);
  for (int k = 0; k < kSavedFieldSize; ++k) {
    const int at = 708 + 48 * k;
    const std::string name = "TournamentField[" + std::to_string(k) + "].";
    b.Text(name + "Name", at, 21, [k](G& g) -> SavedFieldRef { return &g.TournamentField[k].Name; });
    b.Unused(at + 21, 3);
    for (int d = 0; d < 3; ++d)
      b.Double(
          name + "DayWeight[" + std::to_string(d) + "]", at + 24 + 8 * d,
          [k, d](G& g) -> SavedFieldRef { return &g.TournamentField[k].DayWeight[d]; }, 0, kTotalMax);
  }
  for (int d = 0; d < 3; ++d) {
    const int at = 2676 + 32 * d;
    const std::string name = "DayLunker[" + std::to_string(d) + "].";
    b.Double(
        name + "Weight", at, [d](G& g) -> SavedFieldRef { return &g.DayLunker[d].Weight; }, 0, kPoundsMax);
    b.Text(name + "Name", at + 8, 21, [d](G& g) -> SavedFieldRef { return &g.DayLunker[d].Name; });
    if (d < 2) b.Unused(at + 29, 3);  // the third entry is packed: AnglerName follows at once
  }
  b.Text("AnglerName", 2769, 21, Member(&G::AnglerName));
  b.Unused(2790, 2);
  b.Int("AeratorTicks", 2792, Member(&G::AeratorTicks), 0, kCountMax);
  b.Int("LiveWellTicks", 2796, Member(&G::LiveWellTicks), 0, kCountMax);
  b.Bool("LifeJacketWarned", 2800, Member(&G::LifeJacketWarned));
  b.Unused(2801, 3);
  b.Int("BassCaught", 2804, Member(&G::BassCaught), 0, kCountMax);
  b.Int("BassCulled", 2808, Member(&G::BassCulled), 0, kCountMax);
  b.Int("NonBassCaught", 2812, Member(&G::NonBassCaught), 0, kCountMax);
  b.Int("ShortFishCaught", 2816, Member(&G::ShortFishCaught), 0, kCountMax);
  b.Int("LinesBroken", 2820, Member(&G::LinesBroken), 0, kCountMax);
  b.Int("StrikesMissed", 2824, Member(&G::StrikesMissed), 0, kCountMax);
  b.Int("FishLost", 2828, Member(&G::FishLost), 0, kCountMax);
  for (int d = 0; d < 3; ++d) {
    const int at = 2832 + 6 * d;
    const std::string name = "WeatherForecast[" + std::to_string(d) + "].";
    auto w = [d](auto field) { return [d, field](G& g) -> SavedFieldRef { return &(g.WeatherForecast[d].*field); }; };
    b.Byte(name + "AirTemp", at, w(&WeatherRecord::AirTemp), 40, 90);
    b.Byte(name + "WaterTemp", at + 1, w(&WeatherRecord::WaterTemp), 40, 83);
    b.Byte(name + "Sky", at + 2, w(&WeatherRecord::Sky), 0, 3);
    b.Byte(name + "WindSpeed", at + 3, w(&WeatherRecord::WindSpeed), 1, 30);
    b.Byte(name + "WindDir", at + 4, w(&WeatherRecord::WindDir), 0, 7);
    b.Byte(name + "WaterClarity", at + 5, w(&WeatherRecord::WaterClarity), 0, 2);
  }
  b.Unused(2850, 2);
  return std::move(b.fields);
}

void PutU32(std::uint8_t* at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) at[i] = static_cast<std::uint8_t>((v >> (8 * i)) & 0xFF);
}
std::uint32_t GetU32(const std::uint8_t* at) {
  std::uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = (v << 8) | at[i];
  return v;
}
void PutU64(std::uint8_t* at, std::uint64_t v) {
  for (int i = 0; i < 8; ++i) at[i] = static_cast<std::uint8_t>((v >> (8 * i)) & 0xFF);
}
std::uint64_t GetU64(const std::uint8_t* at) {
  std::uint64_t v = 0;
  for (int i = 7; i >= 0; --i) v = (v << 8) | at[i];
  return v;
}

// Whatever the locale: "2.5", never "2,5".
std::string Number(double v) {
  char buf[32];
  const auto end = std::to_chars(buf, buf + sizeof buf, v).ptr;
  return std::string(buf, end);
}

std::string OutOfRange(const SavedGameField& f, double v) {
  std::string text = f.name + " at offset " + std::to_string(f.offset) + " is " + Number(v) + ", outside " +
                     Number(f.min) + " to " + Number(f.max);
  if (f.noneAllowed) text += " (or 255, none)";
  return text;
}

bool InRange(const SavedGameField& f, double v) {
  return v >= f.min && v <= f.max;
}

// Decodes one field into the record; the problem when the bytes do not make
// a value the game can use.
std::optional<std::string> DecodeField(const SavedGameField& f, const std::uint8_t* at, SavedGame& g) {
  if (f.kind == Kind::Unused) return std::nullopt;
  const SavedFieldRef ref = f.ref(g);
  switch (f.kind) {
    case Kind::Int32: {
      const auto v = static_cast<std::int32_t>(GetU32(at));
      if (!InRange(f, v)) return OutOfRange(f, v);
      *std::get<std::int32_t*>(ref) = v;
      return std::nullopt;
    }
    case Kind::Byte: {
      const std::uint8_t v = at[0];
      if (!InRange(f, v) && !(f.noneAllowed && v == 255)) return OutOfRange(f, v);
      *std::get<std::uint8_t*>(ref) = v;
      return std::nullopt;
    }
    case Kind::Bool:
      if (at[0] > 1) return OutOfRange(f, at[0]);
      *std::get<bool*>(ref) = at[0] == 1;
      return std::nullopt;
    case Kind::Real48: {
      Real48Bytes r{};
      std::memcpy(r.data(), at, r.size());
      const double v = DecodeReal48(r);
      if (!InRange(f, v)) return OutOfRange(f, v);
      *std::get<double*>(ref) = v;
      return std::nullopt;
    }
    case Kind::Double: {
      const double v = std::bit_cast<double>(GetU64(at));
      if (!std::isfinite(v)) return f.name + " at offset " + std::to_string(f.offset) + " is not a number";
      if (!InRange(f, v)) return OutOfRange(f, v);
      *std::get<double*>(ref) = v;
      return std::nullopt;
    }
    case Kind::Text: {
      const int length = at[0];
      if (length > f.size - 1)
        return f.name + " at offset " + std::to_string(f.offset) + " claims " + std::to_string(length) +
               " characters, its field holds " + std::to_string(f.size - 1);
      *std::get<std::string*>(ref) =
          FromWindows1252(std::string_view(reinterpret_cast<const char*>(at + 1), static_cast<std::size_t>(length)));
      return std::nullopt;
    }
    case Kind::Unused:
      return std::nullopt;
  }
  return std::nullopt;
}

void EncodeField(const SavedGameField& f, SavedGame& g, std::uint8_t* at) {
  if (f.kind == Kind::Unused) return;  // alignment stays 0
  const SavedFieldRef ref = f.ref(g);
  switch (f.kind) {
    case Kind::Int32:
      PutU32(at, static_cast<std::uint32_t>(*std::get<std::int32_t*>(ref)));
      break;
    case Kind::Byte:
      at[0] = *std::get<std::uint8_t*>(ref);
      break;
    case Kind::Bool:
      at[0] = *std::get<bool*>(ref) ? 1 : 0;
      break;
    case Kind::Real48: {
      const Real48Bytes r = EncodeReal48(*std::get<double*>(ref));
      std::memcpy(at, r.data(), r.size());
      break;
    }
    case Kind::Double:
      PutU64(at, std::bit_cast<std::uint64_t>(*std::get<double*>(ref)));
      break;
    case Kind::Text: {
      const std::string bytes = ToWindows1252(*std::get<std::string*>(ref), static_cast<std::size_t>(f.size - 1));
      at[0] = static_cast<std::uint8_t>(bytes.size());
      std::memcpy(at + 1, bytes.data(), bytes.size());
      break;
    }
    case Kind::Unused:
      break;
  }
}

bool RodSetupValid(const SavedRodSetup& r) {
  if (r.Drawer == -1 && r.Bait == -1 && r.Color == -1) return true;
  if (r.Drawer < 0 || r.Drawer > 6) return false;
  const auto d = static_cast<std::size_t>(r.Drawer);
  return r.Bait >= 0 && r.Bait < kDrawerBaitCounts[d] && r.Color >= 0 && r.Color < kDrawerColourCounts[d];
}

}  // namespace

const std::vector<SavedGameField>& SavedGameLayout() {
  static const std::vector<SavedGameField> layout = BuildLayout();
  return layout;
}

SavedGameBytes EncodeSavedGame(const SavedGame& game) {
  SavedGameBytes bytes{};
  // The layout hands out pointers into a record it may write to; encoding
  // only reads through them.
  SavedGame& g = const_cast<SavedGame&>(game);
  for (const SavedGameField& f : SavedGameLayout()) EncodeField(f, g, bytes.data() + f.offset);
  return bytes;
}

std::optional<std::string> CheckSavedGame(const SavedGame& g) {
  for (std::size_t i = 0; i < g.LiveWell.size(); ++i) {
    const SavedLiveWellSlot& s = g.LiveWell[i];
    if (s.Species == 255 && s.Weight != 0.0)
      return "LiveWell[" + std::to_string(i) + "] is empty but holds a weight of " + Number(s.Weight);
    if (s.Weight > 0.0 && s.Species > 2) return "LiveWell[" + std::to_string(i) + "] holds a weight but no bass";
  }
  for (std::size_t i = 0; i < g.RodSetups.size(); ++i)
    if (!RodSetupValid(g.RodSetups[i]))
      return "RodSetups[" + std::to_string(i) + "] is neither empty nor a bait and colour of its drawer";
  if (g.CurrentDrawer == 255) {
    if (g.CurrentBait != 255 || g.CurrentColor != 255) return "CurrentBait or CurrentColor is set without a drawer";
  } else {
    const std::size_t d = g.CurrentDrawer;
    if (g.CurrentBait != 255 && g.CurrentBait >= kDrawerBaitCounts[d])
      return "CurrentBait " + std::to_string(g.CurrentBait) + " is not a bait of drawer " + std::to_string(d);
    if (g.CurrentColor != 255 && g.CurrentColor >= kDrawerColourCounts[d])
      return "CurrentColor " + std::to_string(g.CurrentColor) + " is not a colour of drawer " + std::to_string(d);
  }
  return std::nullopt;
}

SavedGameResult DecodeSavedGame(std::span<const std::uint8_t> bytes) {
  SavedGameResult result;
  if (bytes.size() != static_cast<std::size_t>(kSavedGameSize)) {
    result.error =
        "a saved game is " + std::to_string(kSavedGameSize) + " bytes, this file has " + std::to_string(bytes.size());
    return result;
  }
  SavedGame g;
  for (const SavedGameField& f : SavedGameLayout()) {
    if (auto problem = DecodeField(f, bytes.data() + f.offset, g)) {
      result.error = std::move(*problem);
      return result;
    }
  }
  if (auto problem = CheckSavedGame(g)) {
    result.error = std::move(*problem);
    return result;
  }
  result.game = std::move(g);
  return result;
}

SavedGameResult DecodeSavedGame(std::string_view bytes) {
  return DecodeSavedGame(std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
}

std::optional<std::string> StoredLakePath(const std::string& lakePath, const std::string& gameDir) {
  namespace fs = std::filesystem;
  const fs::path lake = fs::path(lakePath).lexically_normal();
  std::string stored = lake.string();
  if (!gameDir.empty()) {
    fs::path folder = fs::path(gameDir).lexically_normal();
    if (folder.has_relative_path() && !folder.has_filename()) folder = folder.parent_path();  // "dir/" is "dir"
    const fs::path relative = lake.lexically_relative(folder);
    if (!relative.empty() && *relative.begin() != "..") stored = relative.string();
  }
  // The field holds Windows-1252 characters only; anything the code page
  // lacks would come back as "?" and name another file.
  const std::string bytes = ToWindows1252(stored);
  if (bytes.size() > static_cast<std::size_t>(kSavedPathMax) || FromWindows1252(bytes) != stored) return std::nullopt;
  return stored;
}

std::string LakePathFromStored(const std::string& stored, const std::string& gameDir) {
  namespace fs = std::filesystem;
  const fs::path p(stored);
  if (p.is_absolute() || gameDir.empty()) return stored;
  return (fs::path(gameDir) / p).lexically_normal().string();
}

}  // namespace lwk
