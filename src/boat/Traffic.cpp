#include "boat/Traffic.h"

#include <QRect>
#include <algorithm>
#include <vector>

#include "boat/Motors.h"
#include "boat/Steering.h"
#include "lake/BoatSprite.h"
#include "shell/Game.h"
#include "tournament/Clock.h"

namespace lwk {

namespace {

constexpr int kCrashSize = 32;
constexpr int kJetSkiSpeed = 3;
constexpr int kJetSkiDx[4] = {1, 1, -1, -1};
constexpr int kJetSkiDy[4] = {-1, 1, 1, -1};
// Random cells tried before the placement falls back to a scan of the lake.
constexpr int kPlacementTries = 200000;
constexpr int kRescueBumps = 6;  // the seventh bump in a row calls for help

bool OpenWaterAt(const Game& g, int x, int y) {
  if (x < 0 || y < 0) return false;
  return TileForMove(g, x / kTilePixels, y / kTilePixels) == 0;
}

// A random open-water cell; for the second craft of a kind neither its column
// nor its row may equal the first's.
std::optional<std::pair<int, int>> RandomOpenCell(Game& g, int avoidCol, int avoidRow) {
  auto fits = [&](int c, int r) { return g.lake.tile(c, r) == 0 && c != avoidCol && r != avoidRow; };
  for (int i = 0; i < kPlacementTries; ++i) {
    const int c = g.Random(199);
    const int r = g.Random(199);
    if (fits(c, r)) return std::make_pair(c, r);
  }
  // A lake with (almost) no open water: take the first cell that fits, if any.
  for (int c = 0; c < 199; ++c)
    for (int r = 0; r < 199; ++r)
      if (fits(c, r)) return std::make_pair(c, r);
  return std::nullopt;
}

bool PlacePair(Game& g, std::array<Craft, 2>& craft) {
  auto first = RandomOpenCell(g, -1, -1);
  if (!first) return false;
  auto second = RandomOpenCell(g, first->first, first->second);
  if (!second) return false;
  craft[0].x = first->first * kTilePixels;
  craft[0].y = first->second * kTilePixels;
  craft[1].x = second->first * kTilePixels;
  craft[1].y = second->second * kTilePixels;
  for (Craft& c : craft) c.under.valid = false;
  return true;
}

int ViewX(const Game& g, int x) {
  return x - g.lakeView.leftCol() * kTilePixels;
}
int ViewY(const Game& g, int y) {
  return y - g.lakeView.topRow() * kTilePixels;
}

void DrawCraft(Game& g, Craft& c, const SpriteSet& set, size_t frame) {
  const int vx = ViewX(g, c.x);
  const int vy = ViewY(g, c.y);
  SavePatch(g.lakeView, c.under, vx, vy, set.frameW, set.frameH);
  set.draw(g.lakeView.surface(), vx, vy, frame);
  g.port.surfaceChanged(vx, vy, set.frameW, set.frameH);
}

bool CraftInCell(const Craft& c, int col, int row) {
  return c.x >= 0 && c.y >= 0 && c.x / kTilePixels == col && c.y / kTilePixels == row;
}

}  // namespace

void SavePatch(LakeView& v, SavedPatch& p, int x, int y, int w, int h) {
  if (p.pixels.width() != w || p.pixels.height() != h) p.pixels = QImage(w, h, QImage::Format_RGB32);
  const QImage& s = v.surface();
  for (int yy = 0; yy < h; ++yy) {
    QRgb* dst = reinterpret_cast<QRgb*>(p.pixels.scanLine(yy));
    const int sy = y + yy;
    for (int xx = 0; xx < w; ++xx) {
      const int sx = x + xx;
      dst[xx] = (sx >= 0 && sy >= 0 && sx < s.width() && sy < s.height())
                    ? reinterpret_cast<const QRgb*>(s.constScanLine(sy))[sx]
                    : kBlack;
    }
  }
  p.x = x;
  p.y = y;
  p.leftCol = v.leftCol();
  p.topRow = v.topRow();
  p.valid = true;
}

void RestorePatch(LakeView& v, SavedPatch& p) {
  if (!p.valid) return;
  p.valid = false;
  if (p.leftCol != v.leftCol() || p.topRow != v.topRow()) return;
  QImage& s = v.surface();
  for (int yy = 0; yy < p.pixels.height(); ++yy) {
    const int sy = p.y + yy;
    if (sy < 0 || sy >= s.height()) continue;
    const QRgb* src = reinterpret_cast<const QRgb*>(p.pixels.constScanLine(yy));
    QRgb* dst = reinterpret_cast<QRgb*>(s.scanLine(sy));
    for (int xx = 0; xx < p.pixels.width(); ++xx) {
      const int sx = p.x + xx;
      if (sx >= 0 && sx < s.width()) dst[sx] = src[xx];
    }
  }
  if (v.onChanged) v.onChanged(p.x, p.y, p.pixels.width(), p.pixels.height());
}

void PlaceWaterTraffic(Game& g) {
  TrafficState& t = g.boat.traffic;
  t.CanoesPlaced = g.CanoesEnabled && PlacePair(g, t.Canoes);
  t.JetSkisPlaced = g.JetSkisEnabled && PlacePair(g, t.JetSkis);
}

void CanoeStep(Game& g) {
  TrafficState& t = g.boat.traffic;
  if (g.LakeLoading || g.DialogUp || !t.CanoesPlaced) return;
  // Taken away in the reverse order of drawing, in case the two overlap.
  for (size_t i = 2; i-- > 0;) RestorePatch(g.lakeView, t.Canoes[i].under);
  for (Craft& c : t.Canoes) c.x += c.dir ? 1 : -1;
  for (size_t i = 0; i < 2; ++i) DrawCraft(g, t.Canoes[i], g.pictures.canoes, i);
  for (Craft& c : t.Canoes)
    if (!OpenWaterAt(g, c.x, c.y)) c.dir = c.dir ? 0 : 1;
}

void JetSkiStep(Game& g) {
  TrafficState& t = g.boat.traffic;
  if (g.LakeLoading || g.DialogUp || !t.JetSkisPlaced) return;
  for (size_t i = 2; i-- > 0;) RestorePatch(g.lakeView, t.JetSkis[i].under);
  if (g.Random(20) == 0)
    for (Craft& c : t.JetSkis) c.dir = g.Random(4);
  for (Craft& c : t.JetSkis) {
    c.x += kJetSkiDx[c.dir] * kJetSkiSpeed;
    c.y += kJetSkiDy[c.dir] * kJetSkiSpeed;
    if (!OpenWaterAt(g, c.x, c.y)) {
      c.dir = (c.dir + 2) % 4;
      c.x += kJetSkiDx[c.dir] * kJetSkiSpeed;
      c.y += kJetSkiDy[c.dir] * kJetSkiSpeed;
    }
  }
  for (Craft& c : t.JetSkis) DrawCraft(g, c, g.pictures.jetSkis, static_cast<size_t>(c.dir));
  for (Craft& c : t.JetSkis)
    if (!OpenWaterAt(g, c.x, c.y) || CraftInCell(c, g.boat.BoatCol, g.boat.BoatRow)) c.dir = g.Random(4);
}

void WithTrafficLifted(Game& g, const std::function<void()>& draw) {
  TrafficState& t = g.boat.traffic;
  // Taken away in the reverse order of drawing, in case two overlap.
  std::array<bool, 2> canoe{}, jetSki{};
  for (size_t i = 2; i-- > 0;) {
    jetSki[i] = t.JetSkis[i].under.valid;
    RestorePatch(g.lakeView, t.JetSkis[i].under);
  }
  for (size_t i = 2; i-- > 0;) {
    canoe[i] = t.Canoes[i].under.valid;
    RestorePatch(g.lakeView, t.Canoes[i].under);
  }
  draw();
  for (size_t i = 0; i < 2; ++i)
    if (canoe[i]) DrawCraft(g, t.Canoes[i], g.pictures.canoes, i);
  for (size_t i = 0; i < 2; ++i)
    if (jetSki[i]) DrawCraft(g, t.JetSkis[i], g.pictures.jetSkis, static_cast<size_t>(t.JetSkis[i].dir));
}

void Collide(Game& g) {
  BoatState& b = g.boat;
  TrafficState& t = b.traffic;
  ++b.BumpCount;
  b.BoatStuck = true;
  int speed = 0;
  if (b.OutboardOn) {
    b.StuckMode = g.view.gearPos;
    speed = b.ThrottleSetting;
    g.setTimer(TimerId::KeyDown, false);
    b.ThrottleSetting = 1;
    g.view.throttlePos = 19;
  } else {
    b.StuckMode = b.BoatHeading;
  }

  SavePatch(g.lakeView, t.crash, b.BoatX, b.BoatY, kCrashSize, kCrashSize);
  const size_t crashFrame = static_cast<size_t>(g.Random(2));
  g.pictures.effects.draw(g.lakeView.surface(), b.BoatX, b.BoatY, crashFrame);
  g.port.surfaceChanged(b.BoatX, b.BoatY, kCrashSize, kCrashSize);
  g.setTimer(TimerId::Crash, true);
  g.PlayFishingSound(b.OutboardOn ? "C4.WAV" : "Thump.WAV");

  const bool hitJetSki = t.JetSkisPlaced && std::any_of(t.JetSkis.begin(), t.JetSkis.end(), [&](const Craft& c) {
                           return CraftInCell(c, b.BowCol, b.BowRow);
                         });
  if (hitJetSki) {
    if (speed > 5) {
      g.PlayMessage(
          BoxKind::Plain,
          "You have collided with a JETSKI!\rLuckily, there were no injuries. It costs\ryou $2500 to have the "
          "JetSki repaired.");
      b.DayExpenses += 2500;
    } else {
      g.PlayMessage(
          BoxKind::Plain,
          "You have crashed into a JETSKI!\rThere were no injuries, but the cost\rto repair the JetSki is $300.");
      b.DayExpenses += 300;
    }
    g.lakeView.paintAll();
    g.port.processEvents();
    DrawBoat(g);
  }
  const bool hitCanoe = t.CanoesPlaced && std::any_of(t.Canoes.begin(), t.Canoes.end(), [&](const Craft& c) {
                          return CraftInCell(c, b.BoatCol, b.BoatRow);
                        });
  if (hitCanoe) {
    if (speed > 5) {
      g.PlayMessage(
          BoxKind::Plain,
          "You have crunched a CANOE!\rFortunately, nobody was hurt. The\rcost to replace the canoe is $500.");
      b.DayExpenses += 500;
    } else {
      g.PlayMessage(BoxKind::Plain,
                    "You have bumped into a CANOE!\rNobody was hurt, but it costs you\r$100 to repair the canoe.");
      b.DayExpenses += 100;
    }
    DrawBoat(g);
  }

  int minutes = 1;
  if (b.OutboardOn) {
    minutes = 2 + g.Random(11);
    g.view.status[2] =
        "  " + std::to_string(minutes) + " minutes of fishing time are lost while you check your boat for damage.";
  }
  ChargeTime(g, 60 * minutes);

  // The repaint takes the traffic off the surface; the crash picture stays
  // until the crash timer puts the tiles back. The timer may have fired while
  // a message was open: it runs again for the picture drawn now.
  g.lakeView.paintAll();
  SavePatch(g.lakeView, t.crash, b.BoatX, b.BoatY, kCrashSize, kCrashSize);
  g.pictures.effects.draw(g.lakeView.surface(), b.BoatX, b.BoatY, crashFrame);
  DrawBoat(g);
  g.port.surfaceChanged(b.BoatX, b.BoatY, kCrashSize, kCrashSize);
  g.setTimer(TimerId::Crash, true);
  g.Changed();
  if (b.BumpCount > kRescueBumps) Rescue(g);
}

void CrashTimerTimer(Game& g) {
  g.setTimer(TimerId::Crash, false);
  TakeCrashPictureAway(g);
}

void TakeCrashPictureAway(Game& g) {
  TrafficState& t = g.boat.traffic;
  SavedPatch& crash = t.crash;
  if (!crash.valid) return;
  crash.valid = false;
  LakeView& v = g.lakeView;
  if (!g.view.lakeVisible) return;
  // Scrolled since: every tile was repainted and the boat drawn again.
  if (crash.leftCol != v.leftCol() || crash.topRow != v.topRow()) return;

  // The cells under the picture, grown by every sprite that reaches into
  // them: those are drawn again on clean tiles, with what lies under them
  // saved anew (an old save may hold the picture or the boat).
  struct Sprite {
    Craft* craft;
    const SpriteSet* set;
    size_t frame;
  };
  std::vector<Sprite> sprites;
  if (t.CanoesPlaced)
    for (size_t i = 0; i < 2; ++i) sprites.push_back({&t.Canoes[i], &g.pictures.canoes, i});
  if (t.JetSkisPlaced)
    for (Craft& c : t.JetSkis) sprites.push_back({&c, &g.pictures.jetSkis, static_cast<size_t>(c.dir)});
  auto spriteRect = [&](const Sprite& s) {
    return QRect(ViewX(g, s.craft->x), ViewY(g, s.craft->y), s.set->frameW, s.set->frameH);
  };
  auto cellsOf = [&](QRect r) {
    const int left = v.leftCol() * kTilePixels;
    const int top = v.topRow() * kTilePixels;
    auto cell = [](int p) { return p >= 0 ? p / kTilePixels : -((-p + kTilePixels - 1) / kTilePixels); };
    const int c0 = cell(left + r.left()), c1 = cell(left + r.right());
    const int r0 = cell(top + r.top()), r1 = cell(top + r.bottom());
    return QRect(c0 * kTilePixels - left, r0 * kTilePixels - top, (c1 - c0 + 1) * kTilePixels,
                 (r1 - r0 + 1) * kTilePixels);
  };
  const QRect boatRect(g.boat.BoatX, g.boat.BoatY, kBoatSize, kBoatSize);
  QRect area = cellsOf(QRect(crash.x, crash.y, kCrashSize, kCrashSize));
  std::vector<bool> redraw(sprites.size(), false);
  bool boatIn = false;
  for (bool grew = true; grew;) {
    grew = false;
    if (!boatIn && area.intersects(boatRect)) {
      boatIn = grew = true;
      area = area.united(cellsOf(boatRect));
    }
    for (size_t i = 0; i < sprites.size(); ++i)
      if (!redraw[i] && area.intersects(spriteRect(sprites[i]))) {
        redraw[i] = grew = true;
        area = area.united(cellsOf(spriteRect(sprites[i])));
      }
  }
  RepaintCellsUnder(g, area.x(), area.y(), area.width(), area.height());
  for (size_t i = 0; i < sprites.size(); ++i)
    if (redraw[i]) DrawCraft(g, *sprites[i].craft, *sprites[i].set, sprites[i].frame);
  if (boatIn) SaveBoatBackgroundFromLake(g);
}

void Rescue(Game& g) {
  BoatState& b = g.boat;
  g.setTimer(TimerId::KeyDown, false);
  if (b.OutboardOn) {
    b.ThrottleSetting = 1;
    g.view.throttlePos = 19;
  }
  if (g.Random(2) == 0)
    g.PlayMessage(BoxKind::Plain,
                  "You're stuck pretty badly this time, but\rit's your lucky day!\r\rA couple of local fisherman come "
                  "to your assistance\rand help you float your boat again.");
  else
    g.PlayMessage(BoxKind::Plain,
                  "You've REALLY done it this time!\r\rYour boat is stuck and you\rcan't seem to get it out.\r\rJust "
                  "when the situation seems hopeless,\rsome nearby fishermen help you free the boat.\r\rSPORTSMANSHIP "
                  "LIVES!");
  EraseBoat(g);
  if (auto cell = FreeCell(g, b.BoatCol, b.BoatRow, 3, 0)) {
    b.BoatCol = static_cast<std::uint8_t>(cell->first);
    b.BoatRow = static_cast<std::uint8_t>(cell->second);
    b.BoatX = (cell->first - g.lakeView.leftCol()) * kTilePixels;
    b.BoatY = (cell->second - g.lakeView.topRow()) * kTilePixels;
    b.BoatHeading = g.Random(8);
    RecomputeBoatProbes(g);
  } else {
    g.Message(BoxKind::Plain, "Internal error placing boat!");
  }
  g.lakeView.paintAll();
  g.port.processEvents();
  SaveBoatBackground(g);
  b.BoatStuck = false;
  g.view.gearPos = 1;
  b.BumpCount = 0;
  g.Changed();
}

std::optional<std::pair<int, int>> FreeCell(const Game& g, int c, int r, int d, int t) {
  auto is = [&](int col, int row) { return InLake(col, row) && g.lake.tile(col, row) == t; };
  for (int x = c + d; x >= c; --x)
    if (is(x, r)) return std::make_pair(x, r);
  for (int x = c - d; x <= c; ++x)
    if (is(x, r)) return std::make_pair(x, r);
  for (int y = r - d; y <= r; ++y)
    if (is(c, y)) return std::make_pair(c, y);
  for (int y = r + d; y >= r; --y)
    if (is(c, y)) return std::make_pair(c, y);
  for (int y = r - d; y <= r; ++y)
    for (int x = c - d; x <= c; ++x)
      if (is(x, y)) return std::make_pair(x, y);
  for (int y = r - d; y <= r; ++y)
    for (int x = c + d; x >= c; --x)
      if (is(x, y)) return std::make_pair(x, y);
  for (int y = r + d; y >= r; --y)
    for (int x = c - d; x <= c; ++x)
      if (is(x, y)) return std::make_pair(x, y);
  for (int y = r + d; y >= r; --y)
    for (int x = c + d; x >= c; --x)
      if (is(x, y)) return std::make_pair(x, y);
  return std::nullopt;
}

}  // namespace lwk
