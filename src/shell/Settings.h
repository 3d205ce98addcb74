#pragma once
// The player's preferences, the play level and the rigging of the 16 rods,
// kept between runs in LWK.INI in the game folder.

#include <array>
#include <cstdint>
#include <string>

namespace lwk {

enum PlayLevelValue : std::uint8_t { Practice = 0, Novice = 1, Intermediate = 2, Professional = 3 };

// "Practice", "Novice", "Intermediate", "Professional"; empty for any other value.
std::string LevelName(int level);

struct RodSetup {
  int drawer = -1;
  int bait = -1;
  int color = -1;
  int spare = 1;
  bool operator==(const RodSetup&) const = default;
};
constexpr int kRodCount = 16;

// The check marks of the preference menu and the play level.
struct Prefs {
  bool BackgroundSounds1 = true;
  bool FishingSounds1 = true;
  bool ShowButtonHints1 = true;
  bool SuspendIfInactive1 = true;
  bool FullScreenAtStart1 = true;
  std::uint8_t PlayLevel = Practice;
  std::array<RodSetup, kRodCount> RodSetups{};

  // Copies the other Parts test; refreshed by the new-game reset and the menus.
  bool BackgroundSoundsOn = true;
  bool FishingSoundsOn = true;
  bool SuspendIfInactiveOn = true;
};

// INI text <-> preferences. Reading never fails: missing or garbled values
// read as their defaults, an unknown Mode leaves the level as it was.
void ReadSettingsText(const std::string& iniText, Prefs& prefs);
std::string WriteSettingsText(const Prefs& prefs);

// Loads LWK.INI; a missing file reads as empty. False when the file exists
// but cannot be read.
bool LoadSettingsFile(const std::string& path, Prefs& prefs);
// Writes LWK.INI through a temporary file and a rename; false on failure
// (the old file is then kept).
bool SaveSettingsFile(const std::string& path, const Prefs& prefs);

}  // namespace lwk
