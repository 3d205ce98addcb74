#include "tournament/Livewell.h"

#include <QPainter>
#include <charconv>
#include <utility>

#include "shell/Files.h"
#include "shell/Game.h"
#include "tournament/Clock.h"
#include "tournament/Records.h"

namespace lwk {

namespace {

constexpr std::uint8_t kSmallmouth = 1;
constexpr std::uint8_t kLastWeighable = 2;  // 0..2 are the bass that can be weighed in

const char* const kFishPictureNames[12] = {"SmLMr", "MedLMr", "BigLMr", "SmLMl", "MedLMl", "BigLMl",
                                           "SmSMr", "MedSMr", "BigSMr", "SmSMl", "MedSMl", "BigSMl"};

// Fixed notation with two decimals, "." whatever the locale.
std::string Fixed2(double v) {
  char buf[64];
  const auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, 2);
  return std::string(buf, res.ptr);
}

int SizeClass(double weight) {
  return weight < 2.5 ? 0 : weight < 6 ? 1 : 2;
}

const QImage& Background(const Game& g) {
  return g.pictures.single(g.tour.AeratorOn ? "LWrun" : "LWnormal");
}

// The livewell picture back to its background: the aerator's water or still water.
void RestoreBackground(Game& g) {
  const QImage& bg = Background(g);
  if (bg.width() == kLiveWellW && bg.height() == kLiveWellH) {
    g.tour.LiveWellImage = bg.copy();
  } else {
    g.tour.LiveWellImage = QImage(kLiveWellW, kLiveWellH, QImage::Format_RGB32);
    g.tour.LiveWellImage.fill(qRgb(0x30, 0x60, 0x80));
  }
}

void DrawFish(Game& g, int index, int x, int y) {
  const SpriteSet& set = g.pictures.fishPictures;
  if (index >= 0 && static_cast<size_t>(index) < set.frames.size())
    set.draw(g.tour.LiveWellImage, x, y, static_cast<size_t>(index));
}

// One step of a swimming fish along one axis: r = 0 drifts up the axis
// unless it is past `high`, r = 1 drifts down unless it is at `low`.
std::uint8_t Drift(Game& g, std::uint8_t v, int low, int high) {
  int p = v;
  if (g.Random(2) == 0) {
    if (p < high)
      p += g.Random(5);
    else
      p -= g.Random(5);
  } else {
    if (p > low)
      p -= g.Random(5);
    else
      p += g.Random(5);
  }
  return static_cast<std::uint8_t>(std::clamp(p, 0, 255));
}

}  // namespace

std::string LandedSpeciesName(Game& g, std::uint8_t species) {
  static const char* const kNames[10] = {"Largemouth",    "Smallmouth", "Spotted Bass", "Striped Bass", "White Bass",
                                         "Northern Pike", "Pickerel",   "Drum",         "Bowfin",       "Walleye"};
  if (species < 10) return kNames[species];
  if (species != kPanfish) return "";
  if (g.Random(100) == 0) return "Catfish";
  if (g.Random(4) == 0) return "Crappie";
  if (g.Random(4) == 0) return "Rock Bass";
  return "Bluegill";
}

std::string LiveWellSpeciesName(std::uint8_t species) {
  static const char* const kNames[3] = {"Largemouth", "Smallmouth", "Spotted"};
  return species <= kLastWeighable ? kNames[species] : "";
}

int FishPictureIndex(double weight, std::uint8_t species, bool facingLeft) {
  return SizeClass(weight) + (facingLeft ? 3 : 0) + (species == kSmallmouth ? 6 : 0);
}

void LandFish(Game& g, std::uint8_t species, double weight) {
  TournamentState& t = g.tour;
  const std::string name = LandedSpeciesName(g, species);

  if (species > kLastWeighable) {
    g.PlayMessage(BoxKind::Plain, "You've managed to land the fish, but\runfortunately it's a " + name +
                                      ", which you\rcannot weigh in!");
    ++t.stats.NonBassCaught;
    return;
  }
  if (weight < kLegalWeight) {
    g.PlayMessage(BoxKind::Plain, "This fish is smaller than the legal size\rof 12 inches so it must be released.");
    ++t.stats.ShortFishCaught;
    ++t.stats.BassCaught;
    return;
  }
  LiveWellSlot& lightest = t.LiveWell[kLiveWellPlaces - 1];
  if (weight <= lightest.Weight) {
    g.PlayMessage(BoxKind::Plain,
                  "This fish is the same size or smaller than the smallest\rfish you have. Sadly, you release it.");
    ++t.stats.BassCaught;
    return;
  }

  ++t.stats.BassCaught;
  if (lightest.Weight == 0) {
    g.PlayMessage(BoxKind::Plain, "You have landed the fish!\rIt's a " + Fixed2(weight) + " lb. " + name +
                                      ".\r\rAdding fish to Livewell.");
  } else {
    g.PlayMessage(BoxKind::Plain, "You have landed the fish!\rCulling smaller fish. Adding " + Fixed2(weight) +
                                      " lb. " + name + "\rto Livewell.");
    ++t.stats.BassCulled;
  }
  // The culled fish, if any, is simply replaced.
  lightest = {weight, species, true};
  if (t.LiveWellCount < kLiveWellPlaces) ++t.LiveWellCount;
  ChargeTime(g, kLandingCharge);

  // The new fish's picture at a place of its own.
  const int index = FishPictureIndex(weight, species, false);
  const int x = 5 + g.Random(100);
  const int y = 20 + g.Random(70);
  if (t.LiveWellImage.isNull()) RestoreBackground(g);
  DrawFish(g, index, x, y);
  t.FishSpritePos[static_cast<size_t>(t.LiveWellCount - 1)] = {static_cast<std::uint8_t>(x),
                                                               static_cast<std::uint8_t>(y)};

  SortLiveWell(g);

  SortBigFishRecords(t.records.BigFishRecords);
  if (CheckBigFishRecord(g, species, weight)) {
    g.PlayMessage(BoxKind::Plain,
                  "This fish is one of the TOP TEN fish\rever caught!\r\rAdding it to the all-time records!");
    SaveBigFishRecords(g);
  }
  g.Changed();
}

void SortLiveWell(Game& g) {
  auto& w = g.tour.LiveWell;
  for (size_t i = 0; i < w.size(); ++i)
    for (size_t j = 0; j < w.size(); ++j)
      if (w[i].Weight > w[j].Weight) std::swap(w[i], w[j]);
  double total = 0;
  for (const LiveWellSlot& s : w) total += s.Weight;
  g.tour.LiveWellTotal = total;
  g.tour.TotalWeightCaption = Fixed2(total);
}

void ClearLiveWell(Game& g) {
  TournamentState& t = g.tour;
  t.LiveWell.fill(LiveWellSlot{});
  t.LiveWellCount = 0;
  t.AeratorOn = false;
  g.view.aeratorGlyphOn = false;
  // Yesterday's total and fish must not show in today's livewell.
  t.LiveWellTotal = 0;
  t.TotalWeightCaption = "0";
  RestoreBackground(g);
}

void ResetDayStatistics(Game& g) {
  g.tour.stats = DayStatistics{};
}

void LoadLiveWellPictures(Game& g) {
  Pictures& p = g.pictures;
  auto failed = [&g](const char* name) {
    g.Message(BoxKind::Error, "Unable to load file " + UpperAscii(name) + ".BMP");
  };
  SpriteSet& fish = p.fishPictures;
  fish.frameW = kFishPictureW;
  fish.frameH = kFishPictureH;
  fish.transparent = kBlack;
  fish.frames.clear();
  for (const char* name : kFishPictureNames) {
    QImage img = LoadGamePicture(g.Files(), name);
    if (img.isNull() || img.width() != kFishPictureW || img.height() != kFishPictureH) {
      failed(name);
      img = QImage(kFishPictureW, kFishPictureH, QImage::Format_RGB32);
      img.fill(fish.transparent);
    }
    fish.frames.push_back(img);
  }
  for (const char* name : {"LWindOn", "LWindOff", "LWnormal", "LWrun"}) {
    QImage img = LoadGamePicture(g.Files(), name);
    const bool tank = name[2] == 'n' || name[2] == 'r';  // LWnormal, LWrun
    if (img.isNull() || (tank && (img.width() != kLiveWellW || img.height() != kLiveWellH))) {
      failed(name);
      p.singles.erase(name);
      continue;
    }
    p.singles[name] = img;
  }
  RestoreBackground(g);
}

void ShowLiveWell(Game& g) {
  g.DialogUp = true;
  g.PlayModal(WindowId::LiveWell);
  if (g.tour.ClockRunning) ChargeTime(g, kLandingCharge);
  g.IdleSeconds = 0;
  g.DialogUp = false;
  g.Changed();
}

void LiveWellFormShow(Game& g) {
  TournamentState& t = g.tour;
  g.view.aeratorGlyphOn = t.AeratorOn;
  for (size_t i = 0; i < t.LiveWell.size(); ++i)
    if (t.LiveWell[i].Weight > 0)
      t.FishSpritePos[i] = {static_cast<std::uint8_t>(5 + g.Random(100)), static_cast<std::uint8_t>(20 + g.Random(70))};
  DrawLiveWell(g);
  g.setTimer(TimerId::LiveWell, true);
  g.Changed();
}

void LiveWellFormClose(Game& g) {
  g.setTimer(TimerId::LiveWell, false);
}

void ToggleAerator(Game& g) {
  TournamentState& t = g.tour;
  g.UserInput();
  if (g.boat.MainBatteryCharge > 0) {
    t.AeratorOn = !t.AeratorOn;
  } else {
    g.PlayMessage(BoxKind::Plain, "Your Main Battery is dead.\rThe Livewell Aerator will not function.");
    t.AeratorOn = false;
  }
  g.view.aeratorGlyphOn = t.AeratorOn;
  DrawLiveWell(g);
  g.Changed();
}

void DrawLiveWell(Game& g) {
  TournamentState& t = g.tour;
  RestoreBackground(g);
  for (size_t i = 0; i < t.LiveWell.size(); ++i) {
    const LiveWellSlot& s = t.LiveWell[i];
    if (s.Weight > 0)
      DrawFish(g, FishPictureIndex(s.Weight, s.Species, false), t.FishSpritePos[i].x, t.FishSpritePos[i].y);
  }
}

void AnimateLiveWell(Game& g) {
  TournamentState& t = g.tour;
  RestoreBackground(g);
  for (size_t i = 0; i < t.LiveWell.size(); ++i) {
    const LiveWellSlot& s = t.LiveWell[i];
    if (s.Weight <= 0) continue;
    const bool left = g.Random(10) == 0;  // now and then the fish turns round for a frame
    const int index = FishPictureIndex(s.Weight, s.Species, left);
    SpritePos& pos = t.FishSpritePos[i];
    if (g.Random(3) == 0 && s.Alive) {
      pos.x = Drift(g, pos.x, 10, 100);
      pos.y = Drift(g, pos.y, 20, 70);
    }
    DrawFish(g, index, pos.x, pos.y);
  }
  if (t.AeratorOn) {
    // The aerator's spray: two white streaks from its nozzle.
    QPainter p(&t.LiveWellImage);
    p.setPen(QPen(Qt::white));
    for (int k = 0; k < 2; ++k) {
      const int x = g.Random(50);
      const int y = 20 + g.Random(25);
      p.drawLine(10, 10, x, y);
    }
  }
  g.Changed();
}

LiveWellPanels LiveWellPanelTexts(const Game& g) {
  LiveWellPanels out;
  const TournamentState& t = g.tour;
  for (int i = 0; i < std::min(t.LiveWellCount, kLiveWellPlaces); ++i) {
    const LiveWellSlot& s = t.LiveWell[static_cast<size_t>(i)];
    if (s.Weight <= 0) continue;
    out.weights[static_cast<size_t>(i)] = Fixed2(s.Weight);
    out.species[static_cast<size_t>(i)] = LiveWellSpeciesName(s.Species);
  }
  return out;
}

}  // namespace lwk
