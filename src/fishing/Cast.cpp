#include "fishing/Cast.h"

#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>

#include "boat/Steering.h"
#include "boat/Traffic.h"
#include "fishing/FishModel.h"
#include "fishing/Retrieve.h"
#include "fishing/Tackle.h"
#include "lake/BoatSprite.h"
#include "shell/Game.h"

namespace lwk {

namespace {

constexpr std::array<int, 16> kMaxCastDistance{65, 63, 75, 40, 70, 75, 72, 78, 75, 80, 75, 65, 70, 72, 72, 75};
constexpr int kLifeJacketShortening = 8;
constexpr int kLevelReach = 4;  // Novice casts shorter, Professional farther
constexpr double kDegreesPerRadian = 57.29578;
constexpr int kMoveLength = 4;
constexpr int kSplashHalf = 7;  // the splash is drawn at (BaitX - 7, BaitY - 7)
constexpr int kSplashRect = 15;

// The snag rating of a bait; a bait the catalogue lacks counts as weedless.
int SnagRatingOf(int drawer, int bait) {
  if (drawer < 0 || drawer >= kDrawerCount) return 1;
  const auto& ratings = SnagRatings[static_cast<size_t>(drawer)];
  return (bait >= 0 && static_cast<size_t>(bait) < ratings.size())
             ? std::max<int>(1, ratings[static_cast<size_t>(bait)])
             : 1;
}

double Distance(int dx, int dy) {
  return std::sqrt(static_cast<double>(dx * dx + dy * dy));
}

// Every timer of the line being out.
constexpr TimerId kCastTimers[] = {TimerId::Plop, TimerId::Delay, TimerId::Retreive, TimerId::Strike, TimerId::Fight};

// A cast that was aborted: every timer of it stops, the splash and the line
// come off the lake, and nothing is counted or charged.
void AbandonCast(Game& g) {
  FishingState& f = g.fishing;
  for (TimerId t : kCastTimers) g.setTimer(t, false);
  if (f.PlopRect.valid) {
    WithTrafficLifted(g, [&] {
      QPainter p(&g.lakeView.surface());
      p.drawImage(f.PlopRect.x, f.PlopRect.y, f.PlopRect.pixels);
    });
    f.PlopRect.valid = false;
  }
  EraseCastLine(g);
  f.CastInFlight = false;
  f.FishOn = false;
  f.HookSetPressed = false;
  f.LakeViewEnabled = true;
  g.Changed();
}

}  // namespace

int MaxCastDistance(int rod) {
  if (rod < 0 || rod >= static_cast<int>(kMaxCastDistance.size())) return 0;
  return kMaxCastDistance[static_cast<size_t>(rod)];
}

int CastReach(int rod, bool lifeJacketOn, int playLevel) {
  int r = MaxCastDistance(rod);
  if (lifeJacketOn) r -= kLifeJacketShortening;
  if (playLevel == Novice) r -= kLevelReach;
  if (playLevel == Professional) r += kLevelReach;
  return r;
}

PixelStep StepTowardBow(int dx, int dy) {
  if (dx == 0) return {0, dy > 0 ? kMoveLength : (dy < 0 ? -kMoveLength : 0)};
  const double a = std::atan(static_cast<double>(dy) / dx);
  const int sx = static_cast<int>(std::lround(kMoveLength * std::abs(std::cos(a))));
  const int sy = static_cast<int>(std::lround(kMoveLength * std::abs(std::sin(a))));
  return {dx > 0 ? sx : -sx, dy > 0 ? sy : (dy < 0 ? -sy : 0)};
}

int CastDistanceLimit(int reach, int bowX, int bowY, int& x, int& y) {
  const double d = Distance(bowX - x, bowY - y);
  if (d <= reach) return 0;
  const PixelStep step = StepTowardBow(bowX - x, bowY - y);
  // Each move brings the target at least about 3.6 pixels nearer: the
  // bound only guards against a step that would make no progress.
  const int maxMoves = static_cast<int>((d - reach) / kMoveLength) + 2;
  int moves = 0;
  while (moves < maxMoves) {
    const double h = Distance(bowX - x, bowY - y);
    x += step.x;
    y += step.y;
    ++moves;
    if (reach >= h) break;
  }
  return moves;
}

bool IsRearCast(int heading, int dxi, int dyi) {
  const double dx = dxi == 0 ? 0.1 : dxi;
  const double dy = dyi == 0 ? 0.1 : dyi;
  const double theta = std::abs(std::atan(dy / dx)) * kDegreesPerRadian;
  const bool west = dx > 0, east = dx<0, north = dy> 0, south = dy < 0;
  switch (heading) {
    case 0:
      return south && theta > 45;
    case 1:
      return south && west && theta > 0 && theta < 89;
    case 2:
      return west && theta < 45;
    case 3:
      return north && west && theta < 89;
    case 4:
      return north && theta > 45;
    case 5:
      return north && east && theta < 89;
    case 6:
      return east && theta < 45;
    case 7:
      return south && east && theta > 0 && theta < 89;
    default:
      return false;
  }
}

void DrawCastLine(Game& g, int x, int y) {
  FishingState& f = g.fishing;
  if (f.LineDrawn) EraseCastLine(g);
  f.LineFromX = g.boat.BowProbeX;
  f.LineFromY = g.boat.BowProbeY;
  f.LineX = x;
  f.LineY = y;
  WithTrafficLifted(g, [&] { g.lakeView.xorLine(f.LineFromX, f.LineFromY, x, y); });
  f.LineDrawn = true;
  DrawBoat(g);
}

void EraseCastLine(Game& g) {
  FishingState& f = g.fishing;
  if (!f.LineDrawn) return;
  WithTrafficLifted(g, [&] { g.lakeView.xorLine(f.LineFromX, f.LineFromY, f.LineX, f.LineY); });
  f.LineDrawn = false;
  DrawBoat(g);
}

void PauseMs(Game& g, int ms) {
  g.port.sleepMs(ms);
}

void LakeMouseUp(Game& g, int x, int y) {
  g.IdleSeconds = 0;
  FishingState& f = g.fishing;
  if (f.FishOn) return;
  if (g.boat.ThrottleSetting == 0) {
    f.BaitX = x;
    f.BaitY = y;
    // An aborted cast counts nothing, not even for the fish formula.
    if (CastOperation(g)) FormulaCastCount(g);
  } else if (g.boat.OutboardOn) {
    g.PlayMessage(BoxKind::Plain,
                  "Tournament rules prohibit casting while\rthe outboard motor is running. Doing so may\rcause "
                  "disqualification!");
    f.FishOn = false;
  }
}

bool CastOperation(Game& g) {
  FishingState& f = g.fishing;
  BoatState& b = g.boat;
  if (f.FishOn || g.StartingUp || g.LakeLoading) return true;
  if (f.CurrentRod < 0 || f.CurrentRod > 15) {
    g.PlayMessage(BoxKind::Plain, "You must select a rod to use\rbefore you can cast.");
    return true;
  }
  if (f.CurrentBait < 0 || f.CurrentBait == 255) {
    g.PlayMessage(BoxKind::Plain,
                  "Your rod has no bait attached.\r\rThe rod cannot be cast without a bait.\rClick on the Tackle Box "
                  "button to choose a bait.");
    return true;
  }
  f.BaitSnagRating = SnagRatingOf(f.CurrentDrawer, f.CurrentBait);

  // Reach, then the target pulled in to it; the rear test reads the click.
  const int reach = CastReach(f.CurrentRod, b.LifeJacketOn, g.prefs.PlayLevel);
  const int dx = b.BowProbeX - f.BaitX;
  const int dy = b.BowProbeY - f.BaitY;
  if (Distance(dx, dy) > reach) CastDistanceLimit(reach, b.BowProbeX, b.BowProbeY, f.BaitX, f.BaitY);
  f.RearCast = IsRearCast(b.BoatHeading, dx, dy);
  if (f.RearCast) {
    g.PlayMessage(BoxKind::Plain,
                  "Casting toward the rear of the boat\ris not permitted.\r\rThat area  is your partner's water!");
    return true;
  }

  // The line goes out: the day's clock starts, the lake view stops taking
  // presses (they reach the main window and set the hook).
  g.tour.ClockRunning = true;
  f.BaitCol = CellByte(DivTrunc(g.lakeView.leftCol() * kTilePixels + f.BaitX, kTilePixels));
  f.BaitRow = CellByte(DivTrunc(g.lakeView.topRow() * kTilePixels + f.BaitY, kTilePixels));
  f.LakeViewEnabled = false;
  f.FishOn = true;
  f.CastInFlight = true;
  g.Changed();
  // Cells beyond the lake read as land.
  const bool onShore = TileForMove(g, f.BaitCol, f.BaitRow) >= kFirstLandTile;
  f.BaitFouled = onShore;

  g.PlayFishingSound("MYWSH1.WAV", SoundMode::Sync);
  g.setTimer(TimerId::Plop, true);
  DrawCastLine(g, f.BaitX, f.BaitY);
  if (!g.WaitUntil([&] { return !f.CastInFlight; })) {
    AbandonCast(g);
    return false;
  }

  if (onShore) {
    const bool wasRunning = g.timerEnabled(TimerId::Main);
    g.setTimer(TimerId::Main, false);
    if (g.Random(10) != 0) {
      g.Message(BoxKind::Plain, "Your errant cast almost caused you to\rlose your bait!");
    } else {
      g.Message(BoxKind::Plain, "A WILD cast proves costly!\r\rYou have lost your bait, and some fishing time.");
      LoseBait(g);
    }
    if (wasRunning) g.setTimer(TimerId::Main, true);
    EraseCastLine(g);
    ++g.tour.stats.CastCount;
    f.FishOn = false;
    f.LakeViewEnabled = true;
    g.Changed();
    return true;
  }

  if (!Retrieve(g)) {
    AbandonCast(g);
    return false;
  }
  f.LakeViewEnabled = true;
  g.Changed();
  g.port.processEvents();
  DrawBoat(g);

  f.FishOn = false;
  ++g.tour.stats.CastCount;
  g.view.status[2].assign(1, ' ');  // clears the retrieve and fight messages
  g.Changed();
  return true;
}

void PlopTimerTimer(Game& g) {
  FishingState& f = g.fishing;
  if (!f.BaitFouled) {
    const SpriteSet& s = g.pictures.splashes;
    // The saved rectangle covers the whole picture drawn over it.
    const int w = std::max(kSplashRect, s.frameW);
    const int h = std::max(kSplashRect, s.frameH);
    const int x = f.BaitX - kSplashHalf;
    const int y = f.BaitY - kSplashHalf;
    const size_t frame = static_cast<size_t>(g.Random(2));  // Plop1 or Plop2
    WithTrafficLifted(g, [&] {
      f.PlopRect.pixels = g.lakeView.surface().copy(x, y, w, h);
      f.PlopRect.x = x;
      f.PlopRect.y = y;
      f.PlopRect.valid = true;
      if (frame < s.frames.size()) s.draw(g.lakeView.surface(), x, y, frame);
    });
    g.port.surfaceChanged(x, y, w, h);
  }
  g.setTimer(TimerId::Delay, true);
  g.setTimer(TimerId::Plop, false);
}

void DelayTimerTimer(Game& g) {
  FishingState& f = g.fishing;
  if (!f.BaitFouled) {
    if (f.PlopRect.valid) {
      WithTrafficLifted(g, [&] {
        QPainter p(&g.lakeView.surface());
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(f.PlopRect.x, f.PlopRect.y, f.PlopRect.pixels);
      });
      g.port.surfaceChanged(f.PlopRect.x, f.PlopRect.y, f.PlopRect.pixels.width(), f.PlopRect.pixels.height());
      f.PlopRect.valid = false;
    }
    g.PlayFishingSound("MYPLOP.WAV");
  }
  g.setTimer(TimerId::Delay, false);
  f.CastInFlight = false;
}

}  // namespace lwk
