#pragma once
// Landing a fish and the livewell that keeps the day's best five bass: the
// releases, the culling, the aerator, the livewell window's picture and the
// day's landing counters.

#include <array>
#include <cstdint>
#include <string>

namespace lwk {

class Game;

constexpr double kLegalWeight = 0.9;  // a 12-inch bass; 0.9 lb itself is legal
constexpr int kLandingCharge = 60;    // seconds of fishing time per landing
constexpr int kLiveWellW = 200;
constexpr int kLiveWellH = 120;
constexpr int kFishPictureW = 70;
constexpr int kFishPictureH = 34;

// Name of a landed species in messages; code 99 (a panfish) draws its kind
// now. An unknown code gives an empty name.
std::string LandedSpeciesName(Game& g, std::uint8_t species);
// The livewell window's name of a bass in the livewell ("Spotted" for 2).
std::string LiveWellSpeciesName(std::uint8_t species);
// The fish picture of a weight and species: 0..2 by size, +3 facing left,
// +6 for a smallmouth (spotted bass look like largemouth).
int FishPictureIndex(double weight, std::uint8_t species, bool facingLeft);

// A fight ended with the fish in the boat: its species code and its weight in
// pounds. Releases it or puts it in the livewell.
void LandFish(Game& g, std::uint8_t species, double weight);

// Heaviest first; recomputes the total and its caption.
void SortLiveWell(Game& g);
// Every place empty, no fish counted today, the aerator off.
void ClearLiveWell(Game& g);
// The day's counters back to 0.
void ResetDayStatistics(Game& g);

// The livewell window's pictures, loaded when the window is created; each one
// missing shows its own message and leaves that picture blank.
void LoadLiveWellPictures(Game& g);

// The livewell window.
// LWButt: shows the window; closing it costs a minute once the day's clock runs.
void ShowLiveWell(Game& g);
// Shown: glyph and picture for the aerator, fresh places for the fish, Timer1 on.
void LiveWellFormShow(Game& g);
// Closed: Timer1 off.
void LiveWellFormClose(Game& g);
// AeratorBtn.
void ToggleAerator(Game& g);
// One frame of Timer1: the fish swim, the aerator sprays.
void AnimateLiveWell(Game& g);
// Redraws the still picture with every fish at its place (no movement).
void DrawLiveWell(Game& g);

// What the weight and species panels show: empty for an empty place.
struct LiveWellPanels {
  std::array<std::string, 5> weights;
  std::array<std::string, 5> species;
};
LiveWellPanels LiveWellPanelTexts(const Game& g);

}  // namespace lwk
