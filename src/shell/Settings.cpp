#include "shell/Settings.h"

#include <SimpleIni.h>

#include <charconv>

#include "shell/Files.h"

namespace lwk {

namespace {

constexpr const char* kRodSection = "Rod Setup";
constexpr const char* kPrefSection = "Preferences";
constexpr const char* kLevelSection = "Play Level";
constexpr const char* kModeKey = "Mode";

struct PrefKey {
  const char* key;
  bool Prefs::*flag;
};
// In the order they are read and written.
constexpr PrefKey kPrefKeys[] = {
    {"Background Sounds", &Prefs::BackgroundSounds1},     {"Fishing Sounds", &Prefs::FishingSounds1},
    {"Show Button Hints", &Prefs::ShowButtonHints1},      {"Suspend If Inactive", &Prefs::SuspendIfInactive1},
    {"Full Screen At Start", &Prefs::FullScreenAtStart1},
};

std::string RodKey(int rod, const char* field) {
  return "Rod_" + std::to_string(rod) + "_" + field;
}

// A rod key reads as an integer; anything else (missing, garbage) is -1.
int ReadRodValue(const CSimpleIniA& ini, const std::string& key) {
  const char* v = ini.GetValue(kRodSection, key.c_str(), nullptr);
  if (!v) return -1;
  std::string s(v);
  auto b = s.find_first_not_of(" \t");
  auto e = s.find_last_not_of(" \t");
  if (b == std::string::npos) return -1;
  s = s.substr(b, e - b + 1);
  int out = 0;
  auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), out);
  if (ec != std::errc() || p != s.data() + s.size()) return -1;
  return out;
}

}  // namespace

std::string LevelName(int level) {
  switch (level) {
    case Practice:
      return "Practice";
    case Novice:
      return "Novice";
    case Intermediate:
      return "Intermediate";
    case Professional:
      return "Professional";
    default:
      return "";
  }
}

void ReadSettingsText(const std::string& iniText, Prefs& prefs) {
  CSimpleIniA ini;
  ini.SetUnicode(true);
  ini.SetMultiKey(false);
  ini.LoadData(iniText.data(), iniText.size());

  for (int n = 0; n < kRodCount; ++n) {
    RodSetup& rod = prefs.RodSetups[static_cast<size_t>(n)];
    rod = RodSetup{};
    rod.drawer = ReadRodValue(ini, RodKey(n, "Drawer"));
    rod.bait = ReadRodValue(ini, RodKey(n, "Bait"));
    rod.color = ReadRodValue(ini, RodKey(n, "Color"));
  }
  for (const PrefKey& p : kPrefKeys) prefs.*(p.flag) = UpperAscii(ini.GetValue(kPrefSection, p.key, "YES")) == "YES";
  prefs.SuspendIfInactiveOn = prefs.SuspendIfInactive1;

  const std::string mode = UpperAscii(ini.GetValue(kLevelSection, kModeKey, "NOVICE"));
  const char* names[] = {"PRACTICE", "NOVICE", "INTERMEDIATE", "PROFESSIONAL"};
  for (int level = 0; level < 4; ++level)
    if (mode == names[level]) {
      prefs.PlayLevel = static_cast<std::uint8_t>(level);
      break;
    }
}

std::string WriteSettingsText(const Prefs& prefs) {
  CSimpleIniA ini;
  ini.SetUnicode(true);
  for (int n = 0; n < kRodCount; ++n) {
    const RodSetup& rod = prefs.RodSetups[static_cast<size_t>(n)];
    ini.SetValue(kRodSection, RodKey(n, "Drawer").c_str(), std::to_string(rod.drawer).c_str());
    ini.SetValue(kRodSection, RodKey(n, "Bait").c_str(), std::to_string(rod.bait).c_str());
    ini.SetValue(kRodSection, RodKey(n, "Color").c_str(), std::to_string(rod.color).c_str());
  }
  for (const PrefKey& p : kPrefKeys) ini.SetValue(kPrefSection, p.key, prefs.*(p.flag) ? "YES" : "NO");
  const std::string level = LevelName(prefs.PlayLevel);
  if (!level.empty()) ini.SetValue(kLevelSection, kModeKey, level.c_str());
  std::string out;
  ini.Save(out);
  return out;
}

bool LoadSettingsFile(const std::string& path, Prefs& prefs) {
  auto text = ReadWholeFile(path);
  bool ok = true;
  if (!text) {
    // A missing file is the normal first run; anything else is a failure.
    ok = !FileExists(path);
    text = std::string();
  }
  ReadSettingsText(*text, prefs);
  return ok;
}

bool SaveSettingsFile(const std::string& path, const Prefs& prefs) {
  return WriteFileAtomically(path, WriteSettingsText(prefs));
}

}  // namespace lwk
