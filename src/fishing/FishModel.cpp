#include "fishing/FishModel.h"

#include "shell/Game.h"
#include "tournament/Clock.h"

namespace lwk {

namespace {
constexpr int kFormulaSeconds = 15;
constexpr int kFormulaCasts = 11;  // counts down to 0: twelve casts in all
constexpr int kStrikesAtAnything = 8;
}  // namespace

bool StrikeCheck(Game& g) {
  FishingState& f = g.fishing;
  // One step in three the fish do not look at all.
  if (g.Random(3) == 0) return false;
  const int col = DivTrunc(g.lakeView.leftCol() * kTilePixels + f.BaitX, kTilePixels);
  const int row = DivTrunc(g.lakeView.topRow() * kTilePixels + f.BaitY, kTilePixels);
  f.BaitCol = CellByte(col);
  f.BaitRow = CellByte(row);
  if (!InLake(f.BaitCol, f.BaitRow)) return false;  // beyond the lake: no fish live there
  const auto& cell = g.lake.FishSlots.at(f.BaitCol, f.BaitRow);
  const int level = g.prefs.PlayLevel;
  for (int slot = 0; slot < kFishPerCell; ++slot) {
    const FishSlot& fish = cell[static_cast<size_t>(slot)];
    if (fish.empty()) continue;
    const int tol = fish.Tolerance + (f.FormulaSpent ? 0 : 1);
    bool strikes = false;
    if (tol > 0 && fish.Retreive == f.RetreiveType && fish.Drawer == f.CurrentDrawer) {
      if (level == Novice) {
        strikes = true;
      } else if (f.CurrentBait - tol <= fish.Bait && fish.Bait <= f.CurrentBait + tol) {
        strikes = level == Intermediate || (f.CurrentColor - tol <= fish.Color && fish.Color <= f.CurrentColor + tol);
      }
    }
    if (!strikes && tol >= kStrikesAtAnything) strikes = true;
    if (strikes) {
      f.StrikingSlot = static_cast<std::uint8_t>(slot);
      return true;
    }
  }
  return false;
}

void FishFormulaBtnClick(Game& g) {
  g.IdleSeconds = 0;
  g.fishing.FormulaCastsLeft = kFormulaCasts;
  g.view.fishFormGlyphOn = true;
  // Charged whether or not the day's clock has started.
  ChargeTime(g, kFormulaSeconds);
  g.fishing.FormulaSpent = false;
  g.Changed();
}

void FormulaCastCount(Game& g) {
  FishingState& f = g.fishing;
  if (f.FormulaCastsLeft > 0) {
    --f.FormulaCastsLeft;
  } else if (!f.FormulaSpent) {
    g.view.fishFormGlyphOn = false;
    f.FormulaSpent = true;
    g.Changed();
  }
}

void ResetFishingForDay(Game& g) {
  FishingState& f = g.fishing;
  f.FishOn = false;
  f.CastInFlight = false;
  f.HookSetPressed = false;
  f.LineDrawn = false;
  f.PlopRect.valid = false;
  f.LakeViewEnabled = true;
  f.FormulaCastsLeft = 0;
  f.FormulaSpent = true;
  g.view.fishFormGlyphOn = false;
  for (TimerId t : {TimerId::Plop, TimerId::Delay, TimerId::Retreive, TimerId::Strike, TimerId::Fight})
    g.setTimer(t, false);
}

}  // namespace lwk
