#pragma once
// The weigh-in at the flag: the weigh-in button, the weigh-in window with its
// dead fish, penalty, day weights and lunker line, the day's statistics, the
// printed sheet, and on the last day the three-day record.

#include <string>

namespace lwk {

class Game;

constexpr int kWeighInRange = 2;                 // cells around the boat
constexpr int kLiveWellTicksBeforeDeath = 2000;  // main-timer ticks with fish aboard
constexpr double kDeadFishPenalty = 0.125;       // of a dead fish's weight

// Whether a cell within range columns and rows of the boat holds the tile
// (cells beyond the lake's edge are skipped).
bool NearTile(const Game& g, int range, int tile);
// The main window's weigh-in button.
void WeighInBtnClick(Game& g);

// Judges the fish, weighs them, records the day and fills the window's texts.
void WeighMeFormShow(Game& g);
// WeighMeFormShow, then the window modally (EndDay).
void ShowWeighIn(Game& g);

// The hooked and landed ratios in percent; both 0 without a bite.
struct StrikeRatios {
  int bites = 0;
  double hooked = 0;
  double landed = 0;
};
StrikeRatios DayRatios(const Game& g);
std::string StatsText(const Game& g);
void SeeStatsBtnClick(Game& g);
void WeighInPrintBtnClick(Game& g);
void ViewBtnClick(Game& g);

// The time-out: every fish of the livewell weighs 0 (species and alive flags
// stay). The disqualification: every place emptied.
void ZeroLiveWellWeights(Game& g);
void ReleaseLiveWell(Game& g);

}  // namespace lwk
