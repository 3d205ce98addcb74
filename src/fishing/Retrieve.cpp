#include "fishing/Retrieve.h"

#include <QPainter>
#include <array>
#include <charconv>
#include <cmath>

#include "boat/Steering.h"
#include "boat/Traffic.h"
#include "fishing/Cast.h"
#include "fishing/FishModel.h"
#include "fishing/Tackle.h"
#include "lake/LakeViewRules.h"
#include "shell/Game.h"
#include "tournament/Clock.h"
#include "tournament/Livewell.h"

namespace lwk {

namespace {

enum Retreive { Slow = 0, Medium = 1, Fast = 2, Rippin = 3, StopAndGo = 4 };

// Seconds of fishing time per pixel of line reeled in, by retrieve.
constexpr std::array<double, 5> kSecondsPerPixel{1.0, 0.5, 1.0 / 3.0, 0.25, 1.0};
// The wait of one step, by retrieve.
constexpr std::array<int, 5> kStepMs{150, 100, 50, 2, 100};
constexpr int kStopAndGoPauseMs = 500;
constexpr int kAlmostSnaggedPauseMs = 700;
constexpr int kTwitchMs = 50;
constexpr int kTwitchPixels = 3;
constexpr int kSlamMs = 60;
constexpr int kSlamHalf = 15;
constexpr int kSlamRect = 31;
constexpr int kMonsterMs = 200;
constexpr double kMonsterPounds = 5.0;
constexpr int kJumpMs = 60;
constexpr int kJumpHalf = 7;
constexpr int kJumpRect = 15;
constexpr int kBrokenLineSeconds = 60;
constexpr double kLineBreakPounds = 6.0;
constexpr int kSnagOffChance = 20;  // one snag in 20 loses the bait
constexpr int kSlamFrame = 2;       // slam1 among the effects
constexpr size_t kMonsterFrame = 4;
constexpr size_t kFirstJumpFrame = 2;

int RetreiveIndex(const FishingState& f) {
  return (f.RetreiveType >= Slow && f.RetreiveType <= StopAndGo) ? f.RetreiveType : Medium;
}

bool IsBass(int species) {
  return species >= 0 && species <= 2;
}

// Tiles where a fouled bait nearly always comes free (open weeds, lily pads).
bool SoftCoverTile(int t) {
  return t == 34 || (t >= 108 && t <= 117) || t == 125 || t == 126 || (t >= 140 && t <= 143) || t == 149;
}

std::string TwoDecimals(double v) {
  char buf[32];
  auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, 2);
  return std::string(buf, r.ptr);
}

double ParseWeight(const std::string& text) {
  double v = 0;
  auto r = std::from_chars(text.data(), text.data() + text.size(), v);
  return (r.ec == std::errc() && r.ptr == text.data() + text.size()) ? v : 0.0;
}

// Shows a picture over the lake for a moment and puts back what was under it.
void FlashPicture(Game& g, const SpriteSet& set, size_t frame, int x, int y, int minW, int minH, int ms) {
  const int w = std::max(minW, set.frameW);
  const int h = std::max(minH, set.frameH);
  QImage under;
  WithTrafficLifted(g, [&] {
    under = g.lakeView.surface().copy(x, y, w, h);
    if (frame < set.frames.size()) set.draw(g.lakeView.surface(), x, y, frame);
  });
  g.port.surfaceChanged(x, y, w, h);
  PauseMs(g, ms);
  WithTrafficLifted(g, [&] {
    QPainter p(&g.lakeView.surface());
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(x, y, under);
  });
  g.port.surfaceChanged(x, y, w, h);
}

std::string PriceText(int drawer) {
  return drawer >= 0 && drawer < kDrawerCount ? std::string(Drawers[static_cast<size_t>(drawer)].price) : std::string();
}

// The message of a lost bait ends with what it costs to replace.
void LostBaitMessage(Game& g, const std::string& first, bool atCorner = false) {
  const std::string text = first + "\r\rThe lost bait costs $" + PriceText(g.fishing.CurrentDrawer) + " to replace!";
  if (atCorner)
    g.PlayMessageAtCorner(BoxKind::Plain, text);
  else
    g.PlayMessage(BoxKind::Plain, text);
}

// The fight: rounds of the fish pulling about, the jumps, then the ending.
bool Fight(Game& g, FishSlot& fish, int species, double weight) {
  FishingState& f = g.fishing;
  const int rounds = g.Random(10) + 7;
  for (int i = 0; i < rounds; ++i) {
    g.setTimer(TimerId::Fight, true);
    if (!g.WaitUntil([&] { return !g.timerEnabled(TimerId::Fight); })) return false;
    if (IsBass(species) && g.Random(3) == 0) {
      for (size_t k = 0; k < 3; ++k) {
        FlashPicture(g, g.pictures.splashes, kFirstJumpFrame + k, f.BaitX - kJumpHalf, f.BaitY - kJumpHalf, kJumpRect,
                     kJumpRect, kJumpMs);
        if (g.prefs.FishingSoundsOn) {
          if (g.Random(5) == 0)
            g.PlayFishingSound("MYSPL1.WAV");
          else if (g.Random(5) == 0)
            g.PlayFishingSound("MYSPL2.WAV");
        }
      }
    }
  }
  f.RetreiveStepDone = true;
  f.FishOn = false;
  EraseCastLine(g);

  f.LastFight = {FightEnd::Landed, species, weight};
  if (g.Random(10) == 0) {
    f.LastFight.end = FightEnd::Lost;
    ++g.tour.stats.FishLost;
    g.PlayFishingSound("uhoh1.wav");
    static const char* const kGotAway[5] = {"After a valiant struggle, the fish escapes!", "The fish got off!",
                                            "Somehow, the fish threw the bait and swims free!",
                                            "As luck would have it, you lost the fish!",
                                            "The fish managed to straighten the hook and get off!"};
    const int which = g.Random(5);
    g.PlayMessage(BoxKind::Plain, kGotAway[which]);
  } else if (weight > kLineBreakPounds && LightLineRod(f.CurrentRod) && g.Random(15) == 0) {
    f.LastFight.end = FightEnd::LineBroken;
    g.PlayFishingSound("aw.wav");
    LostBaitMessage(g,
                    "The fish BROKE YOUR LINE! It was a MONSTER!\rYou will need to select another bait\rfor this "
                    "rod, or pick another rod.");
    LoseBait(g);
    if (g.tour.DayTimeLeft >= kBrokenLineSeconds) ChargeTime(g, kBrokenLineSeconds);
    ++g.tour.stats.LinesBroken;
    ++g.tour.stats.FishLost;
  } else {
    LandFish(g, static_cast<std::uint8_t>(species), weight);
  }
  g.port.processEvents();
  // Caught or lost, the fish has left the cell.
  fish = FishSlot{};
  g.Changed();
  return true;
}

}  // namespace

bool LightLineRod(int rod) {
  return rod == 0 || rod == 7 || (rod >= 11 && rod <= 15);
}

bool SurfaceBait(int drawer, int bait) {
  return drawer == 3 || (drawer == 2 && (bait == 7 || bait == 14)) || (drawer == 4 && (bait == 0 || bait == 53));
}

std::string FishWeight(Game& g, int s) {
  if (s >= 3 && s <= 9) return std::to_string(g.Random(8));
  if (s == kPanfish) {
    // Panfish: a few ounces to about two pounds, most near a pound.
    return TwoDecimals(0.10 + (g.Random(100) + g.Random(96)) * 0.01);
  }
  const int r = s == 0 ? g.Random(21) : g.Random(18);
  int p = 0;
  if ((r >= 0 && r <= 9) || r == 12 || r == 13 || r == 14 || r == 16) {
    p = g.Random(2);
  } else if (r == 10 || r == 11 || r == 18) {
    p = g.Random(3);
  } else if (r == 15 || r == 19) {
    p = g.Random(4);
  } else if (r == 17) {
    p = g.Random(6);
  } else if (r == 20) {
    const int x = g.Random(200);
    p = g.Random(12);
    if (x == 77) p = g.Random(16);
    if (x == 44) p = g.Random(18);
  }
  const double w = std::max(0.5, p + g.Random(100) * 0.01);
  return TwoDecimals(w);
}

bool SnagCheck(Game& g) {
  FishingState& f = g.fishing;
  const int tile = TileForMove(g, f.BaitCol, f.BaitRow);
  if (tile == 0) {
    f.BaitFouled = false;
    return false;
  }
  f.BaitFouled = !WaterTest(g, f.BaitX, f.BaitY);
  if (SoftCoverTile(tile) && g.Random(15) != 0) f.BaitFouled = false;
  if (g.Random(f.BaitSnagRating) == 0) f.BaitFouled = false;
  return f.BaitFouled;
}

bool Retrieve(Game& g) {
  FishingState& f = g.fishing;
  const BoatState& b = g.boat;
  const int type = RetreiveIndex(f);
  const int dx = b.BowProbeX - f.BaitX;
  const int dy = b.BowProbeY - f.BaitY;
  const double d = std::sqrt(static_cast<double>(dx * dx + dy * dy));
  ChargeTime(g, static_cast<int>(std::lround(d * kSecondsPerPixel[static_cast<size_t>(type)])));
  const long quarter = std::lround(d * 0.25);
  const long steps = quarter < 3 ? 0 : quarter - 2;
  const PixelStep step = StepTowardBow(dx, dy);

  for (long i = 0; i < steps; ++i) {
    f.BaitX += step.x;
    f.BaitY += step.y;
    EraseCastLine(g);
    if (SnagCheck(g)) {
      g.port.processEvents();
      if (g.Random(kSnagOffChance) == 0) {
        g.PlayFishingSound("uhoh1.wav");
        LostBaitMessage(g,
                        "Your bait has snagged, and you\rhave lost it.\r\rYou will need to select another "
                        "bait\rfor this rod, or pick another rod.",
                        /*atCorner=*/true);
        LoseBait(g);
      } else {
        g.view.status[2] = "You ALMOST lost your bait in a snag!";
        g.Changed();
        g.PlayFishingSound("HIT1.wav");
        PauseMs(g, kAlmostSnaggedPauseMs);
      }
      g.setTimer(TimerId::Retreive, false);
      return true;
    }
    DrawCastLine(g, f.BaitX, f.BaitY);
    f.RetreiveStepDone = false;
    g.setTimerInterval(TimerId::Retreive, kStepMs[static_cast<size_t>(type)]);
    if (type == StopAndGo) {
      f.StopGoPhase = false;
      PauseMs(g, kStopAndGoPauseMs);
    }
    g.setTimer(TimerId::Retreive, true);
    if (StrikeCheck(g) && !Strike(g)) return false;
    if (f.HookSetPressed) {
      f.HookSetPressed = false;
      g.setTimer(TimerId::Retreive, false);
      break;
    }
    const bool practice = g.prefs.PlayLevel == Practice;
    if (!g.WaitUntil([&] { return f.RetreiveStepDone || (g.tour.DayTimeLeft <= 0 && !practice); })) return false;
    if (!f.RetreiveStepDone) {
      // The day's time ran out: stop waiting at once.
      g.setTimer(TimerId::Retreive, false);
      f.RetreiveStepDone = true;
    }
  }
  if (f.FishOn) EraseCastLine(g);
  return true;
}

bool Strike(Game& g) {
  FishingState& f = g.fishing;
  const int col = f.BaitCol, row = f.BaitRow;
  FishSlot& fish = g.lake.FishSlots.at(col, row)[f.StrikingSlot];

  // The twitch of the line.
  const int tx = f.BaitX + (g.Random(2) == 0 ? kTwitchPixels : -kTwitchPixels);
  const int ty = f.BaitY + (g.Random(2) == 0 ? kTwitchPixels : -kTwitchPixels);
  EraseCastLine(g);
  DrawCastLine(g, tx, ty);
  PauseMs(g, kTwitchMs);
  EraseCastLine(g);
  DrawCastLine(g, f.BaitX, f.BaitY);

  if (SurfaceBait(f.CurrentDrawer, f.CurrentBait))
    FlashPicture(g, g.pictures.effects, kSlamFrame, f.BaitX - kSlamHalf, f.BaitY - kSlamHalf, kSlamRect, kSlamRect,
                 kSlamMs);
  g.PlayFishingSound("DCHORD.WAV");

  // The hook-set window.
  static constexpr std::array<int, 4> kWindowMs{400, 600, 400, 250};
  const int level = g.prefs.PlayLevel <= Professional ? int{g.prefs.PlayLevel} : int{Practice};
  f.StrikeTimeUp = false;
  g.setTimerInterval(TimerId::Strike, kWindowMs[static_cast<size_t>(level)]);
  g.setTimer(TimerId::Strike, true);
  f.HookSetPressed = false;
  if (!g.WaitUntil([&] { return f.HookSetPressed || f.StrikeTimeUp; })) return false;

  if (!f.HookSetPressed) {
    g.view.status[2] = "YOU MISSED THE FISH!";
    if (fish.Tolerance > 1) --fish.Tolerance;
    ++g.tour.stats.StrikesMissed;
    g.Changed();
    return true;
  }
  g.setTimer(TimerId::Strike, false);
  g.view.status[2] = "FISH ON!";
  f.StrikeTimeUp = false;
  g.Changed();

  if (f.CurrentDrawer == 3 && (fish.Species == 7 || fish.Species == 9)) fish.Species = kPanfish;
  const int species = fish.Species;
  const double weight = ParseWeight(FishWeight(g, species));

  if (IsBass(species) && weight > kMonsterPounds)
    FlashPicture(g, g.pictures.dayBanners, kMonsterFrame, g.boat.BoatX - 50, g.boat.BoatY - 25, 107, 58, kMonsterMs);
  return Fight(g, fish, species, weight);
}

void RetreiveTimerTimer(Game& g) {
  g.setTimer(TimerId::Retreive, false);
  g.fishing.RetreiveStepDone = true;
}

void StrikeTimerTimer(Game& g) {
  g.setTimer(TimerId::Strike, false);
  g.fishing.StrikeTimeUp = true;
  g.fishing.HookSetPressed = false;
}

void FightTimerTimer(Game& g) {
  FishingState& f = g.fishing;
  EraseCastLine(g);
  const int oldX = f.BaitX, oldY = f.BaitY;
  const int sx = g.Random(2) == 0 ? 1 : -1;
  f.BaitX += sx * g.Random(7);
  const int sy = g.Random(2) == 0 ? 1 : -1;
  f.BaitY += sy * g.Random(7);
  // The fish cannot swim onto land (nor off the view).
  if (!WaterTest(g, f.BaitX, f.BaitY)) {
    f.BaitX = oldX;
    f.BaitY = oldY;
  }
  DrawCastLine(g, f.BaitX, f.BaitY);
  g.setTimer(TimerId::Fight, false);
  g.port.processEvents();
}

void FormMouseDown(Game& g) {
  g.IdleSeconds = 0;
  if (g.fishing.FishOn) g.fishing.HookSetPressed = true;
}

}  // namespace lwk
